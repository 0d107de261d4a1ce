// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/searchengine.h"
#include "core/documentfile.h"
#include "core/folding.h"

namespace {

// The editor's selected text as its plain text spells it: a no-break space reads as a space
// there, and the folded document is made from the plain text.
QString asPlainText(QString selected)
{
    return selected.replace(QChar::Nbsp, QLatin1Char(' '));
}

}

SearchEngine::SearchEngine(QObject *parent)
    : QObject(parent)
{
}

void SearchEngine::setTextSource(TextSource source)
{
    m_source = std::move(source);
    m_stale = true;
}

void SearchEngine::setOptions(bool matchCase, bool matchLetters)
{
    if (m_matchCase != matchCase || m_matchLetters != matchLetters) {
        m_matchCase = matchCase;
        m_matchLetters = matchLetters;
        m_stale = true;
    }
}

QString SearchEngine::fold(const QString &text) const
{
    return foldText(text, m_matchCase, m_matchLetters);
}

void SearchEngine::invalidate()
{
    if (!m_replacing)
        m_stale = true;
}

void SearchEngine::documentEdited(int from, int removed, int added, int length)
{
    if (m_replacing || m_stale)
        return;
    // An edit that does not add up (the document's invisible last break, a reset) is refolded.
    if (from < 0 || removed < 0 || from + removed > m_length || m_length - removed + added != length) {
        m_stale = true;
        return;
    }
    m_cleanHead = qMin(m_cleanHead, from);
    m_cleanTail = qMin(m_cleanTail, m_length - from - removed);
    m_length = length;
}

bool SearchEngine::needsFullFold() const
{
    const int tail = qMin(m_cleanTail, m_length - m_cleanHead);
    const int changed = m_length - m_cleanHead - tail;
    // A change over most of the document is cheaper folded whole.
    return m_stale || (changed > 0 && changed > m_length / 2);
}

void SearchEngine::adoptFold(const QString &folded)
{
    m_foldedText = folded;
    m_length = folded.size();
    m_cleanHead = m_cleanTail = m_length;
    m_stale = false;
}

QString SearchEngine::foldDocumentText(QString raw, bool matchCase, bool matchLetters)
{
    spellAsPlainText(&raw);
    QString folded;
    foldTextInto(raw, &folded, matchCase, matchLetters);
    return folded;
}

const QString &SearchEngine::foldedDocument()
{
    const int tail = qMin(m_cleanTail, m_length - m_cleanHead);
    const int changed = m_length - m_cleanHead - tail;
    if (needsFullFold())
        m_stale = true;
    if (m_stale) {
        const QString text = m_source ? m_source(0, -1) : QString();
        foldTextInto(text, &m_foldedText, m_matchCase, m_matchLetters);
        m_length = text.size();
        m_stale = false;
    } else if (changed > 0 || m_foldedText.size() != m_length) {
        const int oldChanged = m_foldedText.size() - m_cleanHead - tail;
        m_foldedText.replace(m_cleanHead, oldChanged, fold(m_source(m_cleanHead, m_length - tail)));
    }
    m_cleanHead = m_cleanTail = m_length;
    return m_foldedText;
}

SearchEngine::Range SearchEngine::find(const QString &findText, int selectionStart, bool hasSelection,
                                       Direction direction, Wrap wrap)
{
    if (findText.isEmpty())
        return {};
    const QString &folded = foldedDocument();
    m_foldedFind = fold(findText);

    int at;
    if (direction == Direction::Forward) {
        at = nextMatch(folded, m_foldedFind, selectionStart + (hasSelection ? 1 : 0));
        if (at < 0 && wrap == Wrap::Around)
            at = nextMatch(folded, m_foldedFind, 0);
    } else {
        // From -1, lastIndexOf() starts at the last character: the whole document is searched.
        at = previousMatch(folded, m_foldedFind, selectionStart - 1);
        if (at < 0 && wrap == Wrap::Around)
            at = previousMatch(folded, m_foldedFind, -1);
    }
    if (at < 0)
        return {};
    return {at, m_foldedFind.size()};
}

int SearchEngine::nextMatch(const QString &folded, const QString &needle, int from)
{
    int at = folded.indexOf(needle, from);
    while (at >= 0 && (insideSurrogatePair(folded, at) || insideSurrogatePair(folded, at + needle.size())))
        at = folded.indexOf(needle, at + 1);
    return at;
}

int SearchEngine::previousMatch(const QString &folded, const QString &needle, int from)
{
    int at = folded.lastIndexOf(needle, from);
    while (at >= 0 && (insideSurrogatePair(folded, at) || insideSurrogatePair(folded, at + needle.size())))
        at = at == 0 ? -1 : folded.lastIndexOf(needle, at - 1);
    return at;
}

bool SearchEngine::isMatch(const QString &selectedText, const QString &findText) const
{
    const QString selected = fold(asPlainText(selectedText));
    return !selected.isEmpty() && selected == fold(findText);
}

void SearchEngine::replace(const Range &range, const QString &replacement, bool counting,
                           const std::function<void()> &edit)
{
    // Pending edits go in first: the range is in the document's offsets of now.
    if (!m_stale)
        foldedDocument();
    m_replacing = true;
    if (!m_stale) {
        m_foldedText.replace(range.start, range.length, fold(replacement));
        m_length = m_foldedText.size();
        m_cleanHead = m_cleanTail = m_length;
    }
    edit();
    if (counting)
        ++m_replaceCount;
    m_replacing = false;
}

QVector<int> SearchEngine::disjointStarts(const QString &folded, const QString &foldedFind)
{
    QVector<int> starts;
    const int length = foldedFind.size();
    for (int at = nextMatch(folded, foldedFind, 0); at >= 0; at = nextMatch(folded, foldedFind, at + length))
        starts.append(at);
    return starts;
}

int SearchEngine::replaceAll(const QString &findText, const QString &replacement,
                             const std::function<int(const QVector<int> &)> &edit, const QVector<int> *given)
{
    if (findText.isEmpty())
        return 0;
    const QString &folded = foldedDocument();
    m_foldedFind = fold(findText);
    const int length = m_foldedFind.size();
    const QVector<int> starts = given ? *given : disjointStarts(folded, m_foldedFind);
    if (starts.isEmpty())
        return 0;

    m_replacing = true;
    const int done = qBound(0, edit(starts), starts.size());
    m_replacing = false;
    m_replaceCount += done;
    if (m_foldedText.size() > patchLimit) {
        m_stale = true;
        return done;
    }

    // The new folded text is assembled from the old one and the folded replacement, so the
    // whole document need not be folded again.
    const QString foldedReplacement = fold(replacement);
    QString patched;
    patched.reserve(m_foldedText.size() + done * (foldedReplacement.size() - length));
    int copiedUpTo = 0;
    for (int i = 0; i < done; ++i) {
        patched += m_foldedText.midRef(copiedUpTo, starts.at(i) - copiedUpTo);
        patched += foldedReplacement;
        copiedUpTo = starts.at(i) + length;
    }
    patched += m_foldedText.midRef(copiedUpTo);
    m_foldedText = patched;
    m_length = m_foldedText.size();
    m_cleanHead = m_cleanTail = m_length;
    m_stale = false;
    return done;
}

QVector<int> SearchEngine::findAll(const QString &findText)
{
    QVector<int> starts;
    if (findText.isEmpty())
        return starts;
    return findAllIn(foldedDocument(), fold(findText));
}

QVector<int> SearchEngine::findAllIn(const QString &folded, const QString &foldedFind, const std::atomic<bool> *stop)
{
    QVector<int> starts;
    for (int at = nextMatch(folded, foldedFind, 0); at >= 0; at = nextMatch(folded, foldedFind, at + 1)) {
        starts.append(at);
        if (stop && (starts.size() & 0xFFFF) == 0 && *stop)
            break;
    }
    return starts;
}
