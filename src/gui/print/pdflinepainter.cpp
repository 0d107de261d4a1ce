// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/print/pdflinepainter.h"

#include <hb.h>

#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <climits>

namespace {

uint decode(const char *text, int *length)
{
    const uchar c = uchar(text[0]);
    if (c < 0x80) {
        *length = 1;
        return c;
    }
    if (c < 0xE0) {
        *length = 2;
        return (c & 0x1Fu) << 6 | (uchar(text[1]) & 0x3Fu);
    }
    if (c < 0xF0) {
        *length = 3;
        return (c & 0x0Fu) << 12 | (uchar(text[1]) & 0x3Fu) << 6 | (uchar(text[2]) & 0x3Fu);
    }
    *length = 4;
    return (c & 0x07u) << 18 | (uchar(text[1]) & 0x3Fu) << 12 | (uchar(text[2]) & 0x3Fu) << 6 | (uchar(text[3]) & 0x3Fu);
}

double fontSize(cairo_scaled_font_t *font)
{
    cairo_matrix_t matrix;
    cairo_scaled_font_get_font_matrix(font, &matrix);
    return matrix.yy;
}

double glyphAdvance(cairo_scaled_font_t *font, ulong index)
{
    cairo_glyph_t glyph = {index, 0, 0};
    cairo_text_extents_t extents;
    cairo_scaled_font_glyph_extents(font, &glyph, 1, &extents);
    return extents.x_advance;
}

ulong carrierGlyph(hb_font_t *font)
{
    // Tatweel, the dotted circle: rare in text, so that their own glyphs keep their own
    // characters; Cairo marks any other use of a glyph with its text.
    for (hb_codepoint_t c : {0x0640u, 0x25CCu, 0x00B7u, hb_codepoint_t('x')}) {
        hb_codepoint_t glyph = 0;
        if (hb_font_get_nominal_glyph(font, c, &glyph))
            return glyph;
    }
    return 0;
}

bool isSpace(uint c)
{
    return c == ' ' || c == '\t' || c == 0xA0 || c == 0x2028 || c == 0x3000;
}

}

PdfLinePainter::PdfLinePainter(cairo_t *cr)
    : m_cr(cr)
{
}

PdfLinePainter::~PdfLinePainter()
{
    for (cairo_scaled_font_t *font : qAsConst(m_widened))
        cairo_scaled_font_destroy(font);
}

void PdfLinePainter::draw(PangoLayoutLine *line, const char *text, double x, double baseline)
{
    for (GSList *run = line->runs; run; run = run->next) {
        auto *item = static_cast<PangoGlyphItem *>(run->data);
        drawRun(item, text + item->item->offset, x, baseline);
        x += double(pango_glyph_string_get_width(item->glyphs)) / PANGO_SCALE;
    }
}

void PdfLinePainter::drawRun(PangoGlyphItem *run, const char *text, double x, double baseline)
{
    const PangoGlyphString *glyphs = run->glyphs;
    const bool rightToLeft = run->item->analysis.level % 2;
    auto *scaled = pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(run->item->analysis.font));
    if (!scaled)
        return;
    // The clusters in the order of the glyphs, which is the visual one, left to right.
    m_x.resize(glyphs->num_glyphs + 1);
    m_clusters.clear();
    for (int i = 0; i < glyphs->num_glyphs; ++i) {
        m_x[i] = x;
        x += double(glyphs->glyphs[i].geometry.width) / PANGO_SCALE;
        if (m_clusters.isEmpty() || m_clusters.last().start != glyphs->log_clusters[i])
            m_clusters.append({glyphs->log_clusters[i], 0, i, 0});
        ++m_clusters.last().glyphs;
    }
    m_x[glyphs->num_glyphs] = x;
    // A cluster ends where the next one in the text starts.
    m_starts.clear();
    for (const Cluster &cluster : qAsConst(m_clusters))
        m_starts.append(cluster.start);
    std::sort(m_starts.begin(), m_starts.end());
    for (Cluster &cluster : m_clusters) {
        const auto next = std::upper_bound(m_starts.cbegin(), m_starts.cend(), cluster.start);
        cluster.end = next == m_starts.cend() ? run->item->length : *next;
    }

    // The run's glyphs go out at once, tied to their text cluster by cluster; the words
    // that are not one glyph a character are tied to none, their text layers drawn first.
    m_glyphs.clear();
    m_pieces.clear();
    bool layered = false;
    for (int first = 0; first < m_clusters.size();) {
        int length = 0;
        const bool space = isSpace(decode(text + m_clusters[first].start, &length));
        int last = first + 1;
        while (!space && last < m_clusters.size() && !isSpace(decode(text + m_clusters[last].start, &length)))
            ++last;
        layered |= addWord(run, text, first, last, baseline, rightToLeft, scaled);
        first = last;
    }
    if (layered)
        cairo_set_source_rgb(m_cr, 0, 0, 0);
    if (m_glyphs.empty())
        return;
    // In right-to-left text the clusters follow the text, and the glyphs run backwards.
    if (rightToLeft)
        std::reverse(m_pieces.begin(), m_pieces.end());
    m_text.clear();
    m_textClusters.clear();
    for (const Piece &piece : qAsConst(m_pieces)) {
        m_text.append(text + piece.at, size_t(piece.bytes));
        m_textClusters.push_back({piece.bytes, piece.glyphs});
    }
    cairo_set_scaled_font(m_cr, scaled);
    cairo_show_text_glyphs(m_cr, m_text.data(), int(m_text.size()), m_glyphs.data(), int(m_glyphs.size()),
                           m_textClusters.data(), int(m_textClusters.size()),
                           rightToLeft ? CAIRO_TEXT_CLUSTER_FLAG_BACKWARD : cairo_text_cluster_flags_t(0));
}

// Adds the glyphs of clusters [first, last) of a run, a word or a space, to the run's; true
// when it drew the word's text layer.
bool PdfLinePainter::addWord(PangoGlyphItem *run, const char *text, int first, int last, double baseline, bool rightToLeft,
             cairo_scaled_font_t *scaled)
{
    const PangoGlyphString *glyphs = run->glyphs;
    bool plain = true;
    int wordStart = INT_MAX;
    int wordEnd = 0;
    const size_t before = m_glyphs.size();
    for (int c = first; c < last; ++c) {
        const Cluster &cluster = m_clusters[c];
        wordStart = qMin(wordStart, cluster.start);
        wordEnd = qMax(wordEnd, cluster.end);
        int length = 0;
        decode(text + cluster.start, &length);
        const PangoGlyphInfo &one = glyphs->glyphs[cluster.firstGlyph];
        if (cluster.glyphs != 1 || length != cluster.end - cluster.start || one.glyph == PANGO_GLYPH_EMPTY
            || (one.glyph & PANGO_GLYPH_UNKNOWN_FLAG) || one.geometry.y_offset != 0 || one.geometry.width <= 0)
            plain = false;
        for (int g = cluster.firstGlyph; g < cluster.firstGlyph + cluster.glyphs; ++g) {
            const PangoGlyphInfo &info = glyphs->glyphs[g];
            if (info.glyph == PANGO_GLYPH_EMPTY)
                continue;
            // A character no font has shows as the font's own missing glyph.
            const ulong index = info.glyph & PANGO_GLYPH_UNKNOWN_FLAG ? 0 : info.glyph;
            m_glyphs.push_back({index, m_x[g] + double(info.geometry.x_offset) / PANGO_SCALE,
                                baseline + double(info.geometry.y_offset) / PANGO_SCALE});
        }
    }
    const int added = int(m_glyphs.size() - before);
    if (added == 0)
        return false;
    if (plain) {
        for (int c = first; c < last; ++c)
            m_pieces.append({m_clusters[c].start, m_clusters[c].end - m_clusters[c].start, 1});
        return false;
    }
    m_pieces.append({0, 0, added});
    drawTextLayer(run, text + wordStart, wordEnd - wordStart, m_x[m_clusters[first].firstGlyph],
                  m_x[m_clusters[last - 1].firstGlyph + m_clusters[last - 1].glyphs], baseline, rightToLeft, scaled);
    return true;
}

// The word's characters, one glyph each, side by side from left to right between x0 and x1.
void PdfLinePainter::drawTextLayer(PangoGlyphItem *run, const char *text, int bytes, double x0, double x1, double baseline,
                   bool rightToLeft, cairo_scaled_font_t *scaled)
{
    hb_font_t *font = pango_font_get_hb_font(run->item->analysis.font);
    const double em = std::abs(cairo_scaled_font_status(scaled) == CAIRO_STATUS_SUCCESS ? fontSize(scaled) : 12);
    // A character without a glyph of its own width (a mark, the non-joiner) is carried by
    // another glyph: a glyph of no width would be taken for a copy of its neighbour.
    const ulong carrier = carrierGlyph(font);
    m_layer.clear();
    double width = 0;
    for (int at = 0; at < bytes;) {
        int length = 0;
        const uint c = decode(text + at, &length);
        hb_codepoint_t glyph = 0;
        double advance = 0;
        if (hb_font_get_nominal_glyph(font, c, &glyph))
            advance = glyphAdvance(scaled, glyph);
        if (advance < 0.05 * em) {
            glyph = carrier;
            advance = glyphAdvance(scaled, glyph);
        }
        m_layer.push_back({glyph, advance, at, length});
        width += advance;
        at += length;
    }
    if (rightToLeft)
        std::reverse(m_layer.begin(), m_layer.end());
    // Widened or narrowed in steps of 1/64, so that few fonts are made.
    const int scale = width > 0 ? qBound(8, int(std::lround((x1 - x0) / width * 64)), 512) : 64;
    cairo_scaled_font_t *narrow = widened(scaled, scale);
    m_layerGlyphs.clear();
    m_layerClusters.clear();
    m_layerText.clear();
    double x = x0;
    for (const LayerGlyph &g : qAsConst(m_layer)) {
        m_layerGlyphs.push_back({g.glyph, x, baseline});
        x += g.advance * scale / 64;
        m_layerText.append(text + g.at, size_t(g.length));
        m_layerClusters.push_back({g.length, 1});
    }
    cairo_set_source_rgb(m_cr, 1, 1, 1);
    cairo_set_scaled_font(m_cr, narrow);
    cairo_show_text_glyphs(m_cr, m_layerText.data(), int(m_layerText.size()), m_layerGlyphs.data(),
                           int(m_layerGlyphs.size()), m_layerClusters.data(), int(m_layerClusters.size()),
                           cairo_text_cluster_flags_t(0));
}

cairo_scaled_font_t *PdfLinePainter::widened(cairo_scaled_font_t *font, int scale)
{
    if (scale == 64)
        return font;
    const QPair<quintptr, int> key(quintptr(font), scale);
    if (cairo_scaled_font_t *known = m_widened.value(key))
        return known;
    cairo_matrix_t matrix;
    cairo_matrix_t ctm;
    cairo_scaled_font_get_font_matrix(font, &matrix);
    cairo_scaled_font_get_ctm(font, &ctm);
    cairo_font_options_t *options = cairo_font_options_create();
    cairo_scaled_font_get_font_options(font, options);
    matrix.xx *= scale / 64.0;
    matrix.yx *= scale / 64.0;
    cairo_scaled_font_t *made = cairo_scaled_font_create(cairo_scaled_font_get_font_face(font), &matrix, &ctm, options);
    cairo_font_options_destroy(options);
    m_widened.insert(key, made);
    return made;
}
