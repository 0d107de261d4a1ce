// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/print/printsource.h"

#include <QGlyphRun>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QRawFont>
#include <QScreen>
#include <QTextLayout>
#include <QtMath>

namespace {

// A line holding the scripts of the documents printed, so that its height covers the fonts
// they fall back to.
const char16_t *const Sample = u"Hamburgefonstiv 0123 \u0633\u0644\u0627\u0645 \u06a9\u062a\u0627\u0628\u200c\u0647\u0627 "
                               u"\u06cc\u06a9 \u06f1\u06f2\u06f3 \u0643\u064a \u0661\u0662 \u0625\u0650\u0646\u0651";

// Points for a font sized in pixels: the pixels of the screen it was chosen on.
QFont inPoints(QFont font)
{
    if (font.pointSizeF() <= 0) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const qreal dpi = screen ? screen->logicalDotsPerInchY() : 96;
        font.setPointSizeF(font.pixelSize() * 72.0 / dpi);
    }
    return font;
}

struct LineMeasure {
    qreal pitch;
    qreal ascent;
    QStringList families;
};

LineMeasure measureLine(const QFont &font, QPaintDevice *device)
{
    const qreal perPoint = device->logicalDpiY() / 72.0;
    QTextLayout layout(QString::fromUtf16(Sample), font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLeadingIncluded(true);
    line.setLineWidth(1e6);
    layout.endLayout();
    LineMeasure measure;
    measure.pitch = (line.ascent() + line.descent() + qMax<qreal>(0, line.leading())) / perPoint;
    measure.ascent = (line.ascent() + qMax<qreal>(0, line.leading()) / 2) / perPoint;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QString family = run.rawFont().familyName();
        if (!family.isEmpty() && !measure.families.contains(family))
            measure.families << family;
    }
    return measure;
}

}

int PageSetup::linesPerPage() const
{
    return pitch > 0 ? qMax(1, int(std::floor(body.height() / pitch + 1e-6))) : 1;
}

PageSetup PageSetup::measure(const PrintSource &source, const QPageLayout &page, QPaintDevice *device)
{
    PageSetup setup;
    setup.font = inPoints(source.font);
    setup.headerFont = setup.font;
    setup.headerFont.setPointSizeF(qMax<qreal>(8, setup.font.pointSizeF() * 0.8));
    setup.option = source.option;
    // Nothing is cut at the page's edge: lines wrap, and a word longer than a line breaks.
    setup.option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    const LineMeasure body = measureLine(setup.font, device);
    const LineMeasure header = measureLine(setup.headerFont, device);
    setup.pitch = body.pitch;
    setup.ascent = body.ascent;
    setup.families = body.families;
    setup.headerPitch = header.pitch;
    setup.headerAscent = header.ascent;
    // The editor's tab stops are Qt's default 80 pixels of a 96 dpi screen.
    setup.tabStop = 80 * 72.0 / 96;
    setup.option.setTabStopDistance(setup.tabStop * device->logicalDpiX() / 72.0);

    setup.paper = page.fullRect(QPageLayout::Point).size();
    // Not paintRect(): a printer that draws on the full page reports the full page there.
    const QRectF paint = page.fullRect(QPageLayout::Point).marginsRemoved(page.margins(QPageLayout::Point));
    const qreal gap = setup.headerPitch * 0.75;
    setup.header = QRectF(paint.left(), paint.top(), paint.width(), setup.headerPitch);
    setup.footer = QRectF(paint.left(), paint.bottom() - setup.headerPitch, paint.width(), setup.headerPitch);
    setup.body = QRectF(QPointF(paint.left(), setup.header.bottom() + gap),
                        QPointF(paint.right(), setup.footer.top() - gap));
    return setup;
}

bool isRightToLeft(QStringView paragraph, const QTextOption &option)
{
    switch (option.textDirection()) {
    case Qt::LeftToRight:
        return false;
    case Qt::RightToLeft:
        return true;
    default:
        return paragraph.isRightToLeft();
    }
}
