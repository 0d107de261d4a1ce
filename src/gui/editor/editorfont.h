// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EDITORFONT_H
#define EDITORFONT_H

#include <QFont>
#include <QObject>

class QTextEdit;

// The editor's font: the one the user chose, drawn at the view's zoom and with an Arabic-script
// font to fall back on that suits it. Only the view is zoomed; the chosen font is the one kept
// in the settings and printed. Ctrl and the wheel over the editor zoom too.
class EditorFont : public QObject
{
    Q_OBJECT

public:
    // The zoom levels run from MinZoom to MaxZoom percent.
    static constexpr int MinZoom = 30;
    static constexpr int MaxZoom = 400;

    EditorFont(QTextEdit *editor, QObject *parent);

    QFont chosen() const { return m_chosen; }
    void setChosen(const QFont &font);
    int zoom() const { return m_zoom; }
    void setZoom(int percent);
    void zoomIn();
    void zoomOut();

    // The font with an installed Naskh or Arabic sans font behind it for the Arabic script,
    // where its own family has no Arabic letters: a serif family gets a Naskh, any other a sans.
    // Without one, the system's fallback (often a sans of another design) draws them.
    static QFont withArabicFallback(const QFont &font);

signals:
    void zoomChanged(int percent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();

    QTextEdit *m_editor;
    QFont m_chosen;
    int m_zoom = 100;
    // High-resolution wheels send small steps; a zoom step waits for a notch's worth.
    int m_wheelAngle = 0;
};

#endif
