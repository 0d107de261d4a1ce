// SPDX-License-Identifier: GPL-3.0-or-later
// Pango's headers come first: GLib's would meet Qt's keyword macros otherwise.
#include <cairo-pdf.h>
#include <hb.h>
#include <pango/pangocairo.h>

#include "gui/print/pdfwriter.h"
#include "gui/print/linewalker.h"

#include <QHash>
#include <QThread>
#include <QVector>
#include <algorithm>
#include <atomic>
#include <numeric>
#include <thread>
#include <cmath>
#include <string>
#include <memory>
#include <new>

namespace {

struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct FreeDescription {
    void operator()(PangoFontDescription *desc) const { pango_font_description_free(desc); }
};
struct DestroySurface {
    void operator()(cairo_surface_t *surface) const { cairo_surface_destroy(surface); }
};
struct DestroyCairo {
    void operator()(cairo_t *cr) const { cairo_destroy(cr); }
};
using FontMap = std::unique_ptr<PangoFontMap, Unref>;
using Context = std::unique_ptr<PangoContext, Unref>;
using Layout = std::unique_ptr<PangoLayout, Unref>;
using FontDescription = std::unique_ptr<PangoFontDescription, FreeDescription>;
using Surface = std::unique_ptr<cairo_surface_t, DestroySurface>;
using Cairo = std::unique_ptr<cairo_t, DestroyCairo>;

// Qt 5's weights (0 to 99) to those of CSS, which Pango takes.
PangoWeight pangoWeight(int qtWeight)
{
    static const int steps[][2] = {{0, 100}, {12, 200}, {25, 300}, {50, 400}, {57, 500},
                                   {63, 600}, {75, 700}, {81, 800}, {87, 900}};
    int best = 400;
    int distance = 1000;
    for (const auto &step : steps) {
        if (std::abs(step[0] - qtWeight) < distance) {
            distance = std::abs(step[0] - qtWeight);
            best = step[1];
        }
    }
    return PangoWeight(best);
}

FontDescription description(const QFont &font, const QStringList &families)
{
    FontDescription desc(pango_font_description_new());
    QStringList list = families;
    if (!list.contains(font.family()))
        list.prepend(font.family());
    pango_font_description_set_family(desc.get(), list.join(QLatin1Char(',')).toUtf8().constData());
    pango_font_description_set_size(desc.get(), int(std::lround(font.pointSizeF() * PANGO_SCALE)));
    pango_font_description_set_weight(desc.get(), pangoWeight(font.weight()));
    pango_font_description_set_style(desc.get(), font.style() == QFont::StyleItalic ? PANGO_STYLE_ITALIC
                                                 : font.style() == QFont::StyleOblique ? PANGO_STYLE_OBLIQUE
                                                                                        : PANGO_STYLE_NORMAL);
    return desc;
}

// Qt's alignment in a paragraph of this direction, as Pango's, which is always absolute when
// the layout does not choose the direction itself.
PangoAlignment pangoAlignment(Qt::Alignment alignment, bool rightToLeft)
{
    if (alignment & Qt::AlignHCenter)
        return PANGO_ALIGN_CENTER;
    const bool right = alignment & Qt::AlignRight;
    if (alignment & Qt::AlignAbsolute)
        return right ? PANGO_ALIGN_RIGHT : PANGO_ALIGN_LEFT;
    return right != rightToLeft ? PANGO_ALIGN_RIGHT : PANGO_ALIGN_LEFT;
}

// UTF-16 units in the first `bytes` bytes of UTF-8 text.
int utf16Length(const char *utf8, int bytes)
{
    int units = 0;
    for (int i = 0; i < bytes; ++i) {
        const uchar c = uchar(utf8[i]);
        if ((c & 0xC0) != 0x80)
            units += c >= 0xF0 ? 2 : 1;
    }
    return units;
}

// Draws Pango's lines so that a PDF reader gives their text back as it was written.
//
// Cairo ties each glyph to the characters it stands for, but readers take a glyph that stands
// for several characters (the lam-alef ligature, a letter with its harakat) as one piece and put
// its characters in the wrong order in right-to-left text, drop a character that has no glyph
// (the zero width non-joiner), and take a mark raised above its letter for a line of its own, or
// a glyph of no width (the alef of a font that draws lam-alef as two glyphs) for one of its own.
// So a word whose glyphs are not one to one with its characters is drawn twice: its glyphs
// tied to no text at all, and under them, in the paper's colour, one plain glyph for each of its
// characters, squeezed to the word's width, which is what readers find, copy and search.
class LinePainter
{
public:
    explicit LinePainter(cairo_t *cr)
        : m_cr(cr)
    {
    }
    ~LinePainter()
    {
        for (cairo_scaled_font_t *font : qAsConst(m_widened))
            cairo_scaled_font_destroy(font);
    }

    // Draws a line whose left end is at x, on this baseline; `text` is its layout's.
    void draw(PangoLayoutLine *line, const char *text, double x, double baseline)
    {
        for (GSList *run = line->runs; run; run = run->next) {
            auto *item = static_cast<PangoGlyphItem *>(run->data);
            drawRun(item, text + item->item->offset, x, baseline);
            x += double(pango_glyph_string_get_width(item->glyphs)) / PANGO_SCALE;
        }
    }

private:
    struct Cluster {
        int start; // in bytes, from the run's start
        int end;
        int firstGlyph;
        int glyphs;
    };

    static uint decode(const char *text, int *length)
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

    static bool isSpace(uint c) { return c == ' ' || c == '\t' || c == 0xA0 || c == 0x2028 || c == 0x3000; }

    void drawRun(PangoGlyphItem *run, const char *text, double x, double baseline)
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
    bool addWord(PangoGlyphItem *run, const char *text, int first, int last, double baseline, bool rightToLeft,
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
    void drawTextLayer(PangoGlyphItem *run, const char *text, int bytes, double x0, double x1, double baseline,
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

    static double fontSize(cairo_scaled_font_t *font)
    {
        cairo_matrix_t matrix;
        cairo_scaled_font_get_font_matrix(font, &matrix);
        return matrix.yy;
    }

    static double glyphAdvance(cairo_scaled_font_t *font, ulong index)
    {
        cairo_glyph_t glyph = {index, 0, 0};
        cairo_text_extents_t extents;
        cairo_scaled_font_glyph_extents(font, &glyph, 1, &extents);
        return extents.x_advance;
    }

    static ulong carrierGlyph(hb_font_t *font)
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

    cairo_scaled_font_t *widened(cairo_scaled_font_t *font, int scale)
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

    struct Piece {
        int at;
        int bytes;
        int glyphs;
    };
    struct LayerGlyph {
        ulong glyph;
        double advance;
        int at;
        int length;
    };

    cairo_t *const m_cr;
    QHash<QPair<quintptr, int>, cairo_scaled_font_t *> m_widened;
    QVector<Cluster> m_clusters;
    QVector<int> m_starts;
    std::vector<double> m_x;
    std::vector<cairo_glyph_t> m_glyphs;
    std::vector<cairo_text_cluster_t> m_textClusters;
    QVector<Piece> m_pieces;
    std::string m_text;
    std::vector<cairo_text_cluster_t> m_layerClusters;
    QVector<LayerGlyph> m_layer;
    std::vector<cairo_glyph_t> m_layerGlyphs;
    std::string m_layerText;
};

// Lines as Pango breaks them.
class PangoLineWalker : public LineWalker
{
public:
    PangoLineWalker(const QString &text, const PageSetup &setup, PangoContext *context, const PangoFontDescription *font)
        : LineWalker(text, setup.option)
        , m_context(context)
        , m_layout(pango_layout_new(context))
    {
        pango_layout_set_font_description(m_layout.get(), font);
        pango_layout_set_width(m_layout.get(), int(setup.body.width() * PANGO_SCALE));
        pango_layout_set_wrap(m_layout.get(), PANGO_WRAP_WORD_CHAR);
        pango_layout_set_auto_dir(m_layout.get(), FALSE);
        PangoTabArray *tabs = pango_tab_array_new_with_positions(1, FALSE, PANGO_TAB_LEFT, int(setup.tabStop * PANGO_SCALE));
        pango_layout_set_tabs(m_layout.get(), tabs);
        pango_tab_array_free(tabs);
    }

    PangoLayoutLine *current() const { return m_lines.value(line()).line; }
    const char *text() const { return pango_layout_get_text(m_layout.get()); }
    // Where the current line starts from the left of the body, by its alignment.
    double currentLeft() const { return m_lines.value(line()).left; }

protected:
    int layOut(int from, int to, bool rightToLeft) override
    {
        const QByteArray utf8 = QStringView(m_text).mid(from, to - from).toUtf8();
        // Only when it changes: a change of the context makes the layout look up its fonts again.
        const PangoDirection direction = rightToLeft ? PANGO_DIRECTION_RTL : PANGO_DIRECTION_LTR;
        if (pango_context_get_base_dir(m_context) != direction) {
            pango_context_set_base_dir(m_context, direction);
            pango_layout_context_changed(m_layout.get());
        }
        pango_layout_set_alignment(m_layout.get(), pangoAlignment(m_option.alignment(), rightToLeft));
        pango_layout_set_text(m_layout.get(), utf8.constData(), utf8.size());
        m_lines.clear();
        PangoLayoutIter *iter = pango_layout_get_iter(m_layout.get());
        int bytes = 0;
        int units = 0;
        do {
            const PangoLayoutLine *line = pango_layout_iter_get_line_readonly(iter);
            PangoRectangle logical;
            pango_layout_iter_get_line_extents(iter, nullptr, &logical);
            units += utf16Length(utf8.constData() + bytes, line->start_index - bytes);
            bytes = line->start_index;
            m_lines.append({units, double(logical.x) / PANGO_SCALE, pango_layout_iter_get_line_readonly(iter)});
        } while (pango_layout_iter_next_line(iter));
        pango_layout_iter_free(iter);
        return m_lines.size();
    }

    int lineOffset(int line) const override { return m_lines.value(line).offset; }

private:
    struct Line {
        int offset;
        double left;
        PangoLayoutLine *line;
    };
    PangoContext *const m_context;
    Layout m_layout;
    QVector<Line> m_lines;
};

// A font map of its own for each thread: Pango's default one belongs to the thread that made it.
Context newContext(PangoFontMap *fontMap)
{
    Context context(pango_font_map_create_context(fontMap));
    // One unit is one point, as on the PDF's pages, and glyphs sit where the font puts them,
    // unrounded, as on Qt's printer.
    pango_cairo_context_set_resolution(context.get(), 72);
    cairo_font_options_t *options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(context.get(), options);
    cairo_font_options_destroy(options);
    pango_context_set_round_glyph_positions(context.get(), FALSE);
    return context;
}

// The number of lines of the text, counted in parts on as many threads as there are cores: each
// part starts a paragraph, and a paragraph's lines do not depend on the others.
int countLines(const QString &text, const PageSetup &setup, const PangoFontDescription *font, const Progress &progress,
               qint64 total, bool *cancelled)
{
    constexpr int LeastPart = 1 << 18;
    const int parts = qBound(1, qMin(QThread::idealThreadCount(), text.size() / LeastPart), 4);
    QVector<int> bounds = {0};
    for (int i = 1; i < parts; ++i) {
        int at = qMax(bounds.last(), int(qint64(text.size()) * i / parts));
        while (at < text.size() && !isParagraphBreak(text.at(at)))
            ++at;
        if (at >= text.size())
            break;
        bounds << at + 1;
    }
    bounds << text.size() + 1;

    std::atomic<qint64> done{0};
    std::atomic<bool> stop{false};
    QVector<int> counts(bounds.size() - 1);
    auto count = [&](int part) {
        FontMap fontMap(pango_cairo_font_map_new());
        const Context context = newContext(fontMap.get());
        const FontDescription own(pango_font_description_copy(font));
        const QString piece = text.mid(bounds[part], bounds[part + 1] - 1 - bounds[part]);
        PangoLineWalker walker(piece, setup, context.get(), own.get());
        walker.start();
        int lines = 0;
        int reported = 0;
        do {
            ++lines;
            if (walker.lineStart() - reported >= 4096) {
                done += walker.lineStart() - reported;
                reported = walker.lineStart();
                if (progress && !progress(done, total))
                    stop = true;
            }
            if (stop)
                return;
        } while (walker.next());
        done += piece.size() - reported;
        counts[part] = lines;
    };
    std::vector<std::thread> helpers;
    for (int part = 1; part < counts.size(); ++part)
        helpers.emplace_back(count, part);
    count(0);
    for (std::thread &helper : helpers)
        helper.join();
    *cancelled = stop;
    return std::accumulate(counts.cbegin(), counts.cend(), 0);
}

cairo_status_t appendTo(void *closure, const unsigned char *data, unsigned int length)
{
    try {
        static_cast<QByteArray *>(closure)->append(reinterpret_cast<const char *>(data), int(length));
    } catch (const std::bad_alloc &) {
        return CAIRO_STATUS_NO_MEMORY;
    }
    return CAIRO_STATUS_SUCCESS;
}

// One line of the header or the footer: centred, shortened in the middle when too long.
void drawCentered(LinePainter &painter, PangoLayout *layout, const QString &text, const QRectF &box, double ascent)
{
    const QByteArray utf8 = text.toUtf8();
    pango_layout_set_text(layout, utf8.constData(), utf8.size());
    PangoLayoutIter *iter = pango_layout_get_iter(layout);
    PangoRectangle logical;
    pango_layout_iter_get_line_extents(iter, nullptr, &logical);
    pango_layout_iter_free(iter);
    painter.draw(pango_layout_get_line_readonly(layout, 0), pango_layout_get_text(layout),
                 box.left() + double(logical.x) / PANGO_SCALE, box.top() + ascent);
}

}

PdfResult writePdf(const PrintSource &source, const PageSetup &setup, const PageFooter &footer, const Progress &progress)
{
    PdfResult result;
    const qint64 total = qint64(source.text.size()) * 2 + 1;

    const FontDescription body = description(setup.font, setup.families);
    const FontDescription header = description(setup.headerFont, setup.families);
    const int perPage = setup.linesPerPage();

    // The footers name the number of pages, so the lines are counted first.
    bool cancelled = false;
    const int lines = countLines(source.text, setup, body.get(), progress, total, &cancelled);
    if (cancelled) {
        result.status = PdfResult::Cancelled;
        return result;
    }
    const int pages = (lines + perPage - 1) / perPage;

    FontMap fontMap(pango_cairo_font_map_new());
    const Context context = newContext(fontMap.get());

    Surface surface(cairo_pdf_surface_create_for_stream(appendTo, &result.bytes, setup.paper.width(), setup.paper.height()));
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, source.title.toUtf8().constData());
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "Tavlo");
    Cairo cr(cairo_create(surface.get()));
    cairo_set_source_rgb(cr.get(), 0, 0, 0);

    Layout margin(pango_layout_new(context.get()));
    pango_layout_set_font_description(margin.get(), header.get());
    pango_layout_set_width(margin.get(), int(setup.header.width() * PANGO_SCALE));
    pango_layout_set_alignment(margin.get(), PANGO_ALIGN_CENTER);
    pango_layout_set_ellipsize(margin.get(), PANGO_ELLIPSIZE_MIDDLE);
    pango_layout_set_auto_dir(margin.get(), TRUE);

    LinePainter painter(cr.get());
    PangoLineWalker drawer(source.text, setup, context.get(), body.get());
    drawer.start();
    int page = 0;
    int onPage = 0;
    bool more = true;
    while (more) {
        if (onPage == 0) {
            ++page;
            // The paper's colour first: Cairo adds every drawing's extents to a region of the
            // page, which takes a while once thousands of glyph runs make it ragged; with the
            // page in it already, each addition is a look that it lies inside.
            cairo_set_source_rgb(cr.get(), 1, 1, 1);
            cairo_paint(cr.get());
            cairo_set_source_rgb(cr.get(), 0, 0, 0);
            drawCentered(painter, margin.get(), source.title, setup.header, setup.headerAscent);
            const double below = (setup.header.bottom() + setup.body.top()) / 2;
            cairo_set_line_width(cr.get(), 0.5);
            cairo_move_to(cr.get(), setup.header.left(), below);
            cairo_line_to(cr.get(), setup.header.right(), below);
            cairo_stroke(cr.get());
        }
        painter.draw(drawer.current(), drawer.text(), setup.body.left() + drawer.currentLeft(),
                     setup.body.top() + onPage * setup.pitch + setup.ascent);
        if (progress && !progress(source.text.size() + drawer.lineStart(), total)) {
            result.status = PdfResult::Cancelled;
            break;
        }
        more = drawer.next();
        if (++onPage == perPage || !more) {
            drawCentered(painter, margin.get(), footer ? footer(page, pages) : QString(), setup.footer, setup.headerAscent);
            cairo_show_page(cr.get());
            onPage = 0;
        }
    }
    cr.reset();
    cairo_surface_finish(surface.get());
    if (result.status == PdfResult::Cancelled) {
        result.bytes.clear();
        return result;
    }
    const cairo_status_t status = cairo_surface_status(surface.get());
    if (status != CAIRO_STATUS_SUCCESS) {
        result.reason = QString::fromUtf8(cairo_status_to_string(status));
        result.bytes.clear();
        return result;
    }
    result.status = PdfResult::Ok;
    result.pages = pages;
    return result;
}
