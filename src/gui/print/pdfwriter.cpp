// SPDX-License-Identifier: GPL-3.0-or-later
// Pango's headers come first: GLib's would meet Qt's keyword macros otherwise.
#include <cairo-pdf.h>
#include <pango/pangocairo.h>

#include "gui/print/pdfwriter.h"
#include "gui/print/pdflinepainter.h"
#include "gui/print/linewalker.h"

#include <QThread>
#include <QVector>
#include <atomic>
#include <cmath>
#include <memory>
#include <new>
#include <numeric>
#include <thread>

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
    // Where the current line starts from the left of the body, by its alignment. Asked only
    // of the lines drawn: counting them needs no widths.
    double currentLeft() const
    {
        PangoRectangle logical;
        pango_layout_line_get_extents(current(), nullptr, &logical);
        const double free = pango_layout_get_width(m_layout.get()) - logical.width;
        switch (pango_layout_get_alignment(m_layout.get())) {
        case PANGO_ALIGN_RIGHT:
            return free / PANGO_SCALE;
        case PANGO_ALIGN_CENTER:
            return free / 2 / PANGO_SCALE;
        default:
            return 0;
        }
    }

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
        int bytes = 0;
        int units = 0;
        for (GSList *item = pango_layout_get_lines_readonly(m_layout.get()); item; item = item->next) {
            auto *line = static_cast<PangoLayoutLine *>(item->data);
            units += utf16Length(utf8.constData() + bytes, line->start_index - bytes);
            bytes = line->start_index;
            m_lines.append({units, line});
        }
        return m_lines.size();
    }

    int lineOffset(int line) const override { return m_lines.value(line).offset; }

private:
    struct Line {
        int offset;
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
void drawCentered(PdfLinePainter &painter, PangoLayout *layout, const QString &text, const QRectF &box, double ascent)
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

    PdfLinePainter painter(cr.get());
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
