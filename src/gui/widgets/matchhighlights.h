// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATCHHIGHLIGHTS_H
#define MATCHHIGHLIGHTS_H

#include <QObject>
#include <QTimer>
#include <QVector>
#include <atomic>
#include <memory>

class QLabel;
class QTextEdit;
class SearchEngine;
class TextTaker;

// The find panel's count ("3 of 17") and the highlights of the matches in the editor, while
// the panel shows. The engine counts over its folded copy, so the count follows the same
// folding and options as Find Next. Only the matches near the view are highlighted: a large
// document can hold a hundred thousand. In a large document the count is made off the GUI
// thread, and the document's text for a fresh fold is taken in slices while the editor stays
// free to type in; an edit meanwhile starts it again once typing pauses.
class MatchHighlights : public QObject
{
    Q_OBJECT

public:
    MatchHighlights(QTextEdit *editor, SearchEngine *engine, QLabel *label, QObject *parent);
    ~MatchHighlights() override;

    // Counts again at once; call after a change of the find text or the options, or an edit
    // by the engine itself.
    void setFindText(const QString &findText);
    void recount();

    // Shows the count again, in the interface's language of now.
    void retranslate() { showCount(); }

    // While inactive (the panel hidden) nothing is counted or highlighted.
    void setActive(bool active);
    // The editor was given another document: follow its edits and count in it.
    void followDocument();
    // While paused (a sliced edit of the whole document), a count that falls due waits.
    void setPaused(bool paused);

    int count() const { return m_starts.size(); }
    // The index of the match that is the editor's selection, or -1.
    int current() const { return m_current; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void documentChanged();
    void selectionMoved();
    int selectedMatch() const;
    void showCount();
    void highlightVisible();
    void clear();
    void stopCount();
    void takeText();
    void countInBackground(const QString &text, bool fold);

    struct Count {
        QString folded;
        QVector<int> starts;
    };
    void countFinished(const Count &count, bool folded);

    QTextEdit *m_editor;
    SearchEngine *m_engine;
    QLabel *m_label;
    QString m_findText;
    QVector<int> m_starts;
    int m_length = 0;
    int m_current = -1;
    bool m_active = false;
    // Edits in the document are counted once the typing pauses: a recount may fold the whole
    // document again.
    QTimer m_recount;
    // Scrolling and resizing come in bursts; the highlights are redone once per burst.
    QTimer m_visible;

    bool m_paused = false;
    bool m_recountDue = false;
    // Counts in the background belong to the generation they started in: an edit or a new
    // count makes their result old.
    int m_generation = 0;
    bool m_counting = false;
    QString m_countedText;
    std::unique_ptr<TextTaker> m_taker;
    QTimer m_take;
    std::shared_ptr<std::atomic<bool>> m_stop;
};

#endif
