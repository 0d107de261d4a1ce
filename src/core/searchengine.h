// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SEARCHENGINE_H
#define SEARCHENGINE_H

#include <QObject>
#include <QString>
#include <QVector>
#include <atomic>
#include <functional>

// Find and replace over a folded copy of the document. Both sides are folded (see folding.h)
// and compared exactly; folding keeps every offset, so a range found in the folded copy is the
// same range of the document. The copy is rebuilt only when the document or an option changed,
// and patched in place by the engine's own replacements.
//
// The engine knows no widget: it asks its text source for the document's plain text when the
// copy is stale, and returns ranges that the caller applies to its editor.
class SearchEngine : public QObject
{
    Q_OBJECT

public:
    enum class Direction { Forward, Backward };
    enum class Wrap { Around, AtEnd };

    struct Range {
        int start = -1;
        int length = 0;
        bool isNull() const { return start < 0; }
        int end() const { return start + length; }
        bool operator==(const Range &other) const { return start == other.start && length == other.length; }
    };

    explicit SearchEngine(QObject *parent = nullptr);

    // Where the document's plain text comes from (paragraph breaks as line feeds), whole or as
    // the part from `from` to `to`.
    using TextSource = std::function<QString(int from, int to)>;
    void setTextSource(TextSource source);

    bool matchCase() const { return m_matchCase; }
    bool matchLetters() const { return m_matchLetters; }
    // A change of either option makes the next search fold the document again.
    void setOptions(bool matchCase, bool matchLetters);
    QString fold(const QString &text) const;
    bool isStale() const { return m_stale; }

    // The next (or previous) occurrence of findText, seen from a selection that starts at
    // selectionStart. Forward, the search starts one past the start of a non-empty selection,
    // so consecutive finds also find overlapping occurrences; backward it starts just before
    // the selection, and from offset 0 it takes the whole document. A null range: none.
    Range find(const QString &findText, int selectionStart, bool hasSelection, Direction direction,
               Wrap wrap);

    // Whether the editor's selected text is an occurrence of findText under the options.
    bool isMatch(const QString &selectedText, const QString &findText) const;

    // Replaces the occurrence at `range` by running `edit`, which writes the replacement into
    // the document. The folded copy is patched instead of refolded, and the change that the
    // edit makes does not count as a change from outside. Counts it when `counting`.
    void replace(const Range &range, const QString &replacement, bool counting,
                 const std::function<void()> &edit);

    // Every occurrence from the start of the document, without overlaps, as it stands now.
    // `edit` receives their starts and replaces them in order (each later start moves by the
    // length change of the replacements before it); it returns how many it replaced, fewer
    // when the user stopped it. Returns how many were replaced.
    //
    // `starts`, when given, are those occurrences, found in foldedText() by disjointStarts()
    // (off the GUI thread, say). A copy longer than patchLimit is not patched but folded again
    // when next needed: patching it would hold the caller as long as folding it elsewhere.
    int replaceAll(const QString &findText, const QString &replacement,
                   const std::function<int(const QVector<int> &starts)> &edit,
                   const QVector<int> *starts = nullptr);
    static QVector<int> disjointStarts(const QString &folded, const QString &foldedFind);
    static constexpr int patchLimit = 1 << 22;

    // Every occurrence of findText, overlapping ones included, since Find Next visits those too:
    // their starts in document order. Each is as long as findText.
    QVector<int> findAll(const QString &findText);
    // The same in a folded text, for a count made off the GUI thread; stops early (with what
    // it found so far) once *stop is set.
    static QVector<int> findAllIn(const QString &folded, const QString &foldedFind,
                                  const std::atomic<bool> *stop = nullptr);

    // Whether the next search folds the whole document again (after a load, a change of an
    // option, or edits over most of it) rather than patching its copy.
    bool needsFullFold() const;
    // The folded copy, brought up to date.
    const QString &foldedText() { return foldedDocument(); }
    // A fold of the document's plain text as it stands, with the current options, made
    // elsewhere (off the GUI thread, by foldDocumentText): the engine takes it as its own copy.
    void adoptFold(const QString &folded);
    // The document's raw text (paragraph breaks as U+2029) spelled as its plain text and folded.
    static QString foldDocumentText(QString raw, bool matchCase, bool matchLetters);

    // Replacements made by the current or last Replace All (or counted single replacements).
    int replaceCount() const { return m_replaceCount; }
    void resetReplaceCount() { m_replaceCount = 0; }

    // An edit of the document, in the offsets it had before: `removed` units at `from` became
    // `added` units, and the document is now `length` long. Only the changed span is folded
    // again, when a search next needs it, so typing into a large document with the find panel
    // open costs no refold of the whole.
    void documentEdited(int from, int removed, int added, int length);

public slots:
    // The document changed in a way no edit describes: the folded copy is folded anew.
    void invalidate();

private:
    const QString &foldedDocument();
    // indexOf() and lastIndexOf() of the folded document, skipping occurrences that start or
    // end inside a surrogate pair: a lone surrogate searched for never matches half a pair.
    static int nextMatch(const QString &folded, const QString &needle, int from);
    static int previousMatch(const QString &folded, const QString &needle, int from);

    TextSource m_source;
    QString m_foldedText;
    // Since the last fold, the document's first m_cleanHead and last m_cleanTail units are what
    // the copy holds; the span between them changed. The document is m_length long.
    int m_cleanHead = 0;
    int m_cleanTail = 0;
    int m_length = 0;
    QString m_foldedFind;
    bool m_matchCase = false;
    bool m_matchLetters = false;
    bool m_stale = true;
    bool m_replacing = false;
    int m_replaceCount = 0;
};

#endif
