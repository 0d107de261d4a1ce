// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editor/editorfont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTextEdit>
#include <QWheelEvent>
#include <algorithm>
#include <iterator>

namespace {

const int Levels[] = {30, 50, 67, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400};

bool hasArabic(const QString &family)
{
    return QFontDatabase().writingSystems(family).contains(QFontDatabase::Arabic);
}

}

EditorFont::EditorFont(QTextEdit *editor, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_chosen(editor->font())
{
    editor->viewport()->installEventFilter(this);
    apply();
}

QFont EditorFont::withArabicFallback(const QFont &font)
{
    // The family that is drawn, which for a family that is not installed is the one the
    // system puts in its place: naming it keeps it ahead of the Arabic-script font.
    const QString family = QFontInfo(font).family();
    if (hasArabic(family))
        return font;
    // Fonts tell no design, but their names mostly do; the family asked for counts too, as
    // the one drawn in place of a Times New Roman that is missing may be any serif.
    const auto serifName = [](const QString &name) {
        const QString lower = name.toLower();
        if (lower.contains(QLatin1String("sans")))
            return false;
        for (const char *word : {"serif", "times", "roman", "georgia", "garamond", "palatino", "cambria", "book"})
            if (lower.contains(QLatin1String(word)))
                return true;
        return false;
    };
    const bool serif = serifName(family) || serifName(font.family()) || font.styleHint() == QFont::Serif;
    const QStringList naskh{QStringLiteral("Noto Naskh Arabic")};
    const QStringList sans{QStringLiteral("Noto Sans Arabic"), QStringLiteral("Vazirmatn")};
    const QStringList candidates = serif ? naskh + sans : sans + naskh;
    const QStringList installed = QFontDatabase().families();
    for (const QString &candidate : candidates) {
        if (installed.contains(candidate, Qt::CaseInsensitive)) {
            QFont withFallback = font;
            withFallback.setFamilies({family, candidate});
            return withFallback;
        }
    }
    return font;
}

void EditorFont::setChosen(const QFont &font)
{
    m_chosen = font;
    apply();
}

void EditorFont::setZoom(int percent)
{
    percent = qBound(MinZoom, percent, MaxZoom);
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    apply();
    emit zoomChanged(m_zoom);
}

void EditorFont::zoomIn()
{
    const int *next = std::upper_bound(std::begin(Levels), std::end(Levels), m_zoom);
    if (next != std::end(Levels))
        setZoom(*next);
}

void EditorFont::zoomOut()
{
    const int *next = std::lower_bound(std::begin(Levels), std::end(Levels), m_zoom);
    if (next != std::begin(Levels))
        setZoom(*(next - 1));
}

void EditorFont::apply()
{
    QFont view = withArabicFallback(m_chosen);
    if (m_chosen.pointSizeF() > 0)
        view.setPointSizeF(m_chosen.pointSizeF() * m_zoom / 100);
    else if (m_chosen.pixelSize() > 0)
        view.setPixelSize(qMax(1, m_chosen.pixelSize() * m_zoom / 100));
    // The document layout keeps the line at the top of the view where it was.
    m_editor->setFont(view);
}

bool EditorFont::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        auto *wheel = static_cast<QWheelEvent *>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            m_wheelAngle += wheel->angleDelta().y();
            for (; m_wheelAngle >= 120; m_wheelAngle -= 120)
                zoomIn();
            for (; m_wheelAngle <= -120; m_wheelAngle += 120)
                zoomOut();
            return true;
        }
        m_wheelAngle = 0;
    }
    return QObject::eventFilter(watched, event);
}
