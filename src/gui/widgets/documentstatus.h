// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DOCUMENTSTATUS_H
#define DOCUMENTSTATUS_H

#include <QStatusBar>
#include <QTimer>

class DocumentCounts;
class QAction;
class QLabel;
class QTextEdit;

// The status bar under the editor: the cursor's line and column (with the selection's size),
// the document's words and characters, the encoding the file was read in and the layout mode.
// Figures are in the interface's digits. While hidden it counts nothing.
class DocumentStatus : public QStatusBar
{
    Q_OBJECT

public:
    DocumentStatus(QTextEdit *editor, QWidget *parent);

    // The editor was given another document.
    void followDocument();
    void setEncoding(int mib);
    // The checked one of these actions names the layout mode.
    void setLayoutActions(const QList<QAction *> &actions);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void showPosition();
    void showCounts();
    void showLayoutMode();
    void retranslate();

    QTextEdit *m_editor;
    DocumentCounts *m_counts;
    QLabel *m_position;
    QLabel *m_words;
    QLabel *m_characters;
    QLabel *m_encoding;
    QLabel *m_layoutMode;
    QList<QAction *> m_layoutActions;
    int m_mib = 106;
    // The cursor moves in bursts (a Replace All, a held key): the position is shown once per
    // burst.
    QTimer m_positionTimer;
};

#endif
