// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PDFLINEPAINTER_H
#define PDFLINEPAINTER_H

// Pango's headers come first: GLib's would meet Qt's keyword macros otherwise.
#include <cairo.h>
#include <pango/pangocairo.h>

#include <QHash>
#include <QPair>
#include <QVector>
#include <string>
#include <vector>

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
class PdfLinePainter
{
public:
    explicit PdfLinePainter(cairo_t *cr);
    ~PdfLinePainter();
    PdfLinePainter(const PdfLinePainter &) = delete;
    PdfLinePainter &operator=(const PdfLinePainter &) = delete;

    // Draws a line whose left end is at x, on this baseline; `text` is its layout's.
    void draw(PangoLayoutLine *line, const char *text, double x, double baseline);

private:
    struct Cluster {
        int start; // in bytes, from the run's start
        int end;
        int firstGlyph;
        int glyphs;
    };
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

    void drawRun(PangoGlyphItem *run, const char *text, double x, double baseline);
    bool addWord(PangoGlyphItem *run, const char *text, int first, int last, double baseline, bool rightToLeft,
                 cairo_scaled_font_t *scaled);
    void drawTextLayer(PangoGlyphItem *run, const char *text, int bytes, double x0, double x1, double baseline,
                       bool rightToLeft, cairo_scaled_font_t *scaled);
    cairo_scaled_font_t *widened(cairo_scaled_font_t *font, int scale);

    cairo_t *const m_cr;
    QHash<QPair<quintptr, int>, cairo_scaled_font_t *> m_widened;
    QVector<Cluster> m_clusters;
    QVector<int> m_starts;
    std::vector<double> m_x;
    std::vector<cairo_glyph_t> m_glyphs;
    std::vector<cairo_text_cluster_t> m_textClusters;
    QVector<Piece> m_pieces;
    std::string m_text;
    QVector<LayerGlyph> m_layer;
    std::vector<cairo_glyph_t> m_layerGlyphs;
    std::vector<cairo_text_cluster_t> m_layerClusters;
    std::string m_layerText;
};

#endif
