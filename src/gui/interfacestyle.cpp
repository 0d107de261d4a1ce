// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/interfacestyle.h"
#include "core/mnemonic.h"

#include <QPaintEngine>
#include <QPainter>
#include <QStyleOption>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QtMath>
#include <functional>
#include <limits>

namespace {

// A run of text as a style drew it: where its baseline starts, how wide it is, in what.
struct DrawnText {
    QPointF origin;
    qreal width = 0;
    QFont font;
    QColor color;
};

// Paints nothing and keeps the text runs drawn through it, where they went in the painter's
// coordinates: the style lays its texts out itself, and only it knows where.
class TextRecorder : public QPaintEngine
{
public:
    TextRecorder()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyPen)
            m_color = state.pen().color();
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
    }

    void drawTextItem(const QPointF &origin, const QTextItem &item) override
    {
        texts.append({m_transform.map(origin), item.width(), item.font(), m_color});
    }

    QList<DrawnText> texts;

private:
    QColor m_color;
    QTransform m_transform;
};

// A device that measures fonts as the one it stands in for, so that the runs recorded on it
// have the sizes of those drawn on that one.
class RecordingDevice : public QPaintDevice
{
public:
    explicit RecordingDevice(const QPaintDevice *like)
        : m_like(like)
    {
    }

    QPaintEngine *paintEngine() const override { return &m_recorder; }
    const QList<DrawnText> &texts() const { return m_recorder.texts; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 1 << 20;
        case PdmWidthMM:
        case PdmHeightMM:
            return (1 << 20) * 254 / 960;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
            return m_like ? m_like->logicalDpiX() : 96;
        case PdmDpiY:
            return m_like ? m_like->logicalDpiY() : 96;
        case PdmPhysicalDpiX:
            return m_like ? m_like->physicalDpiX() : 96;
        case PdmPhysicalDpiY:
            return m_like ? m_like->physicalDpiY() : 96;
        case PdmDevicePixelRatio:
            return m_like ? qMax(1, qRound(m_like->devicePixelRatioF())) : 1;
        case PdmDevicePixelRatioScaled:
            return int((m_like ? m_like->devicePixelRatioF() : 1.0) * QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    const QPaintDevice *m_like;
    mutable TextRecorder m_recorder;
};

// Whether Qt's own underline would cut the marked letter off a letter it joins.
bool cutsWord(const QString &shown, int marked)
{
    return marked >= 0 && (Mnemonic::joinsPrevious(shown, marked) || Mnemonic::joinsNext(shown, marked));
}

QString escaped(QString shown)
{
    return shown.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// Runs `draw` on a painter that records instead of painting, set up as `painter` is.
QList<DrawnText> recorded(const QPainter *painter, const std::function<void(QPainter *)> &draw)
{
    RecordingDevice device(painter->device());
    {
        QPainter probe(&device);
        probe.setFont(painter->font());
        probe.setPen(painter->pen());
        probe.setLayoutDirection(painter->layoutDirection());
        draw(&probe);
    }
    return device.texts();
}

// Underlines the marked letter of a one-line text drawn whole, as `drawn` recorded it.
void underline(QPainter *painter, const QList<DrawnText> &drawn, const QString &shown, int marked,
               Qt::LayoutDirection direction)
{
    if (drawn.isEmpty())
        return;
    // Text drawn twice (etched, say) ends with the copy that shows.
    const qreal baseline = drawn.last().origin.y();
    qreal left = std::numeric_limits<qreal>::max();
    for (const DrawnText &run : drawn)
        if (qAbs(run.origin.y() - baseline) < 0.5)
            left = qMin(left, run.origin.x());
    const QFont font = drawn.last().font;

    QTextLayout layout(shown, font, painter->device());
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(direction);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1 << 20);
    layout.endLayout();
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, shown);
    clusters.setPosition(marked);
    int end = clusters.toNextBoundary();
    if (end < 0)
        end = shown.size();
    const qreal a = line.cursorToX(marked);
    const qreal b = line.cursorToX(end);

    // Where and how thick Qt underlines text in this font.
    const QFontMetricsF metrics(font, painter->device());
    const qreal thickness = qMax<qreal>(1, qRound(metrics.lineWidth()));
    const qreal y = baseline + qCeil(metrics.underlinePos()) + thickness / 2;
    painter->save();
    QPen pen(drawn.last().color, thickness);
    pen.setCapStyle(Qt::FlatCap);
    painter->setPen(pen);
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->drawLine(QLineF(qFloor(left + qMin(a, b)), y, qFloor(left + qMax(a, b)), y));
    painter->restore();
}

}

InterfaceStyle::InterfaceStyle()
    : QProxyStyle()
{
}

void InterfaceStyle::drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette, bool enabled,
                                  const QString &text, QPalette::ColorRole textRole) const
{
    int marked = -1;
    const QString shown = Mnemonic::shownText(text, &marked);
    const bool underlined = (flags & Qt::TextShowMnemonic) && !(flags & Qt::TextHideMnemonic);
    // One line only: a wrapped text's lines are not told apart.
    if (!underlined || !cutsWord(shown, marked) || (flags & Qt::TextWordWrap) || shown.contains(QLatin1Char('\n'))) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        return;
    }
    const int whole = (flags & ~Qt::TextShowMnemonic) | Qt::TextHideMnemonic;
    QProxyStyle::drawItemText(painter, rect, whole, palette, enabled, text, textRole);
    const QList<DrawnText> drawn = recorded(painter, [&](QPainter *probe) {
        QProxyStyle::drawItemText(probe, rect, whole, palette, enabled, text, textRole);
    });
    Qt::LayoutDirection direction = painter->layoutDirection();
    if (flags & Qt::TextForceLeftToRight)
        direction = Qt::LeftToRight;
    else if (flags & Qt::TextForceRightToLeft)
        direction = Qt::RightToLeft;
    underline(painter, drawn, shown, marked, direction);
}

void InterfaceStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    // Menu items draw their text themselves, not through drawItemText().
    if (element == CE_MenuItem) {
        if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
            const int tab = item->text.indexOf(QLatin1Char('\t'));
            int marked = -1;
            const QString shown = Mnemonic::shownText(item->text.left(tab), &marked);
            if (cutsWord(shown, marked) && proxy()->styleHint(SH_UnderlineShortcut, option, widget)) {
                QStyleOptionMenuItem whole(*item);
                whole.text = escaped(shown) + (tab >= 0 ? item->text.mid(tab) : QString());
                QProxyStyle::drawControl(element, &whole, painter, widget);
                // The label alone, so that no shortcut's text is taken for a part of it.
                QStyleOptionMenuItem label(whole);
                label.text = escaped(shown);
                const QList<DrawnText> drawn = recorded(painter, [&](QPainter *probe) {
                    QProxyStyle::drawControl(element, &label, probe, widget);
                });
                underline(painter, drawn, shown, marked, painter->layoutDirection());
                return;
            }
        }
    }

    if (element == CE_PushButtonLabel && option->direction == Qt::RightToLeft) {
        const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        if (button && !button->icon.isNull() && !button->text.isEmpty() && !(button->features & QStyleOptionButton::HasMenu)) {
            // As QPushButton measures its room: the icon, 4 pixels, the text.
            constexpr int Spacing = 4;
            const QSize icon = button->icon.actualSize(button->iconSize);
            const int textWidth = button->fontMetrics.size(Qt::TextShowMnemonic, button->text).width();
            const QRect &rect = button->rect;
            const int left = rect.x() + (rect.width() - (icon.width() + Spacing + textWidth)) / 2;
            QStyleOptionButton text(*button);
            text.icon = QIcon();
            text.rect = QRect(left, rect.y(), textWidth, rect.height());
            QStyleOptionButton picture(*button);
            picture.text.clear();
            picture.rect = QRect(left + textWidth + Spacing, rect.y(), icon.width(), rect.height());
            QProxyStyle::drawControl(element, &picture, painter, widget);
            QProxyStyle::drawControl(element, &text, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}
