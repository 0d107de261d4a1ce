// SPDX-License-Identifier: GPL-3.0-or-later
// Spell checking: a screen's paragraphs, the first screen after the dictionaries load, typing in
// 100 MB with checking on and off, and the rates on the spelling lists beside a whole-word check.
#include "benchutil.h"
#include "core/spellchecker.h"
#include "gui/editor/inlinespellcheck.h"
#include "gui/mainwindow/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextEdit>
#include <cstdio>
#include <hunspell.hxx>
#include <memory>

namespace {

QStringList listLines(const QString &folder, const QString &name)
{
    QFile file(folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.removeAll(QString());
    return lines;
}

// Paragraphs of two to four correct sentences of the lists drawn at random, Persian most, so
// that a screen holds words of all three languages and few paragraphs repeat.
QString listProse(int minLength)
{
    const QString folder = QStringLiteral(TAVLO_TEST_DATA "/spelling");
    QStringList sentences;
    for (const char *language : {"fa", "fa", "fa", "ar", "en"})
        sentences += listLines(folder, QStringLiteral("correct-%1.txt").arg(QLatin1String(language)));
    QRandomGenerator random(2024);
    QString text;
    text.reserve(minLength + 1024);
    while (text.size() < minLength) {
        const int count = 2 + random.bounded(3);
        for (int i = 0; i < count; ++i)
            text += sentences.at(random.bounded(sentences.size())) + QLatin1Char(' ');
        text[text.size() - 1] = QLatin1Char('\n');
    }
    return text;
}

InlineSpellCheck *turnOnChecking(MainWindow &window)
{
    auto *spelling = window.findChild<InlineSpellCheck *>(QStringLiteral("inlineSpellCheck"));
    auto *action = window.findChild<QAction *>(QStringLiteral("actionCheck_Spelling"));
    if (!action->isChecked())
        action->trigger();
    QElapsedTimer timer;
    timer.start();
    while (!spelling->isReady() && timer.elapsed() < 30000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return spelling;
}

QVector<QTextBlock> visibleBlocks(QTextEdit *edit)
{
    QVector<QTextBlock> blocks;
    const int top = edit->cursorForPosition(QPoint(0, 0)).block().blockNumber();
    const int bottom = edit->cursorForPosition(QPoint(0, edit->viewport()->height() - 1)).block().blockNumber();
    for (QTextBlock block = edit->document()->findBlockByNumber(top); block.isValid() && block.blockNumber() <= bottom;
         block = block.next())
        blocks.append(block);
    return blocks;
}

// What a screen costs at random places of 10 MB: checking its paragraphs the first time they
// come into view, against painting it.
void benchScreen()
{
    const char *name = "check spelling of the paragraphs on one screen of 10 MB (baseline: painting it)";
    if (!selected(name))
        return;
    MainWindow window;
    window.resize(900, 700);
    window.show();
    QTextEdit *edit = window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    edit->setPlainText(listProse(10 * 1024 * 1024));
    QApplication::processEvents();
    InlineSpellCheck *spelling = turnOnChecking(window);
    QScrollBar *bar = edit->verticalScrollBar();
    QRandomGenerator random(7);
    // Some screens first, as a reader's first minutes would have.
    for (int i = 0; i < 5; ++i) {
        bar->setValue(random.bounded(bar->maximum()));
        edit->viewport()->repaint();
    }
    std::vector<double> checks, paints;
    int lines = 0;
    for (int i = 0; i < 15; ++i) {
        window.findChild<QAction *>(QStringLiteral("actionCheck_Spelling"))->trigger();
        bar->setValue(random.bounded(bar->maximum()));
        QApplication::processEvents();
        paints.push_back(timeIt([&] { edit->viewport()->repaint(); }, 1));
        const QVector<QTextBlock> blocks = visibleBlocks(edit);
        checks.push_back(timeIt([&] {
            for (const QTextBlock &block : blocks)
                spelling->misspellingsOf(block);
        }, 1));
        for (const QTextBlock &block : blocks)
            lines += block.layout()->lineCount();
        window.findChild<QAction *>(QStringLiteral("actionCheck_Spelling"))->trigger();
        edit->viewport()->repaint();
    }
    std::sort(checks.begin(), checks.end());
    std::sort(paints.begin(), paints.end());
    std::printf("  (%d lines a screen)\n", lines / 15);
    report(name, checks[checks.size() / 2], paints[paints.size() / 2]);
}

struct WholeWord {
    std::unique_ptr<Hunspell> hunspell;
    bool spell(const QString &word) const { return hunspell->spell(word.toStdString()); }
    QString first(const QString &word) const
    {
        const std::vector<std::string> list = hunspell->suggest(word.toStdString());
        return list.empty() ? QString() : QString::fromStdString(list.front());
    }
};

std::unique_ptr<Hunspell> loadHunspell(SpellLanguage language)
{
    const QString aff = spellDictionary(language);
    const QString dic = aff.left(aff.size() - 4) + QStringLiteral(".dic");
    return std::make_unique<Hunspell>(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData());
}

// The words as the checker finds them, a whole-word check gets them too: letters, no digits.
QStringList wordsOf(const QString &text)
{
    QStringList words;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word, text);
    int start = 0;
    while (finder.toNextBoundary() != -1) {
        const QString word = text.mid(start, finder.position() - start);
        start = finder.position();
        if (std::any_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); })
            && !std::any_of(word.begin(), word.end(), [](QChar c) { return c.isDigit(); }))
            words << word;
    }
    return words;
}

// The dictionaries' load, then the first check of 40 lines of the lists' prose with nothing
// checked before, against the same words handed whole to Hunspell.
void benchFirstScreen()
{
    const char *name = "first check of a 40-line screen after the dictionaries load (baseline: whole words to Hunspell)";
    if (!selected(name))
        return;
    const QStringList paragraphs = listProse(40 * 110).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    std::vector<double> ours, baseline, loads, plainLoads;
    for (int round = 0; round < 3; ++round) {
        SpellChecker checker;
        loads.push_back(timeIt([&] {
            checker.check(QStringLiteral("\u067E\u062F\u0631 \u0645\u062F\u0631\u0633\u0629 the"));
        }, 1));
        ours.push_back(timeIt([&] {
            for (const QString &paragraph : paragraphs)
                checker.check(paragraph);
        }, 1));
        WholeWord persian, arabic, english;
        plainLoads.push_back(timeIt([&] {
            persian.hunspell = loadHunspell(SpellLanguage::Persian);
            arabic.hunspell = loadHunspell(SpellLanguage::Arabic);
            english.hunspell = loadHunspell(SpellLanguage::English);
        }, 1));
        baseline.push_back(timeIt([&] {
            for (const QString &paragraph : paragraphs)
                for (const QString &word : wordsOf(paragraph))
                    (word.at(0).script() == QChar::Script_Latin ? english : persian).spell(word);
        }, 1));
    }
    for (auto *v : {&ours, &baseline, &loads, &plainLoads})
        std::sort(v->begin(), v->end());
    std::printf("%s: ours %.1f ms, baseline %.1f ms, ratio %.3f; the dictionaries load in %.0f ms (Hunspell alone %.0f ms)\n",
                name, ours[1], baseline[1], ours[1] / baseline[1], loads[1], plainLoads[1]);
    std::fflush(stdout);
}

// Typing at both ends of 100 MB (TAVLO_BENCH_HUGE_MB sets another size), with checking off and
// on, against QTextEdit's own layout holding the same text without any checking.
void benchTypingChecked()
{
    const int megabytes = qEnvironmentVariableIsSet("TAVLO_BENCH_HUGE_MB") ? qEnvironmentVariableIntValue("TAVLO_BENCH_HUGE_MB") : 100;
    const QByteArray size = QByteArray::number(megabytes) + " MB";
    const QByteArray names[2][2] = {
        {"typing at the end of " + size + ", spell checking off", "typing at the start of " + size + ", spell checking off"},
        {"typing at the end of " + size + ", spell checking on", "typing at the start of " + size + ", spell checking on"},
    };
    bool any = false;
    for (const auto &pair : names)
        for (const QByteArray &n : pair)
            any = any || selected(n.constData());
    if (!any)
        return;
    const QString text = persianText(megabytes * 1024 * 1024 / 2) + QStringLiteral("\nسلام دنیا English text ۱۲۳");
    double baseline[2] = {0, 0};
    {
        const auto window = typingWindow(false, 1, text);
        auto *edit = window->findChild<QTextEdit *>(QStringLiteral("textEdit"));
        baseline[0] = perKey(edit, true);
        baseline[1] = perKey(edit, false);
    }
    // The probe ticks in both, so that its timer weighs on both alike.
    double ours[2][2] = {};
    double stall[2] = {0, 0};
    {
        const auto window = typingWindow(true, 1, text);
        auto *edit = window->findChild<QTextEdit *>(QStringLiteral("textEdit"));
        for (int on = 0; on < 2; ++on) {
            if (on)
                turnOnChecking(*window);
            StallProbe probe;
            ours[on][0] = perKey(edit, true);
            ours[on][1] = perKey(edit, false);
            stall[on] = probe.longestMs();
        }
    }
    for (int on = 0; on < 2; ++on)
        for (int end = 0; end < 2; ++end)
            report(names[on][end].constData(), ours[on][end], baseline[end], stall[on]);
}

struct Rates {
    int words = 0;
    int falseFlags = 0;
    int typos = 0;
    int flagged = 0;
    int firstRight = 0;
};

QString withoutHarakat(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("[\\x{064B}-\\x{065F}\\x{0670}]")));
    return text;
}

void printRates(const char *who, const Rates &r)
{
    std::printf("    %-22s false flags %5.1f%% (%d of %d words), typos flagged %5.1f%% (%d of %d), first suggestion right %5.1f%%\n",
                who, 100.0 * r.falseFlags / qMax(1, r.words), r.falseFlags, r.words, 100.0 * r.flagged / qMax(1, r.typos),
                r.flagged, r.typos, 100.0 * r.firstRight / qMax(1, r.typos));
}

// The rates on a folder of lists as tests/data/spelling has them: ours, and each word handed
// whole to the dictionary of the list's language (Latin words to English), as other editors do.
void ratesOn(const QString &folder)
{
    std::printf("spelling rates on %s:\n", qPrintable(QDir(folder).absolutePath()));
    SpellChecker checker;
    Rates oursAll, wholeAll;
    const std::unique_ptr<Hunspell> english = loadHunspell(SpellLanguage::English);
    for (const auto &language : {std::make_pair("fa", SpellLanguage::Persian), std::make_pair("ar", SpellLanguage::Arabic),
                                 std::make_pair("en", SpellLanguage::English)}) {
        const std::unique_ptr<Hunspell> own = loadHunspell(language.second);
        const auto hunspellFor = [&](const QString &word) {
            return word.at(0).script() == QChar::Script_Latin ? english.get() : own.get();
        };
        Rates ours, whole;
        for (const QString &sentence : listLines(folder, QStringLiteral("correct-%1.txt").arg(QLatin1String(language.first)))) {
            const int words = wordsOf(sentence).size();
            ours.words += words;
            whole.words += words;
            ours.falseFlags += checker.check(sentence).size();
            for (const QString &word : wordsOf(sentence))
                whole.falseFlags += hunspellFor(word)->spell(word.toStdString()) ? 0 : 1;
        }
        for (const QString &line : listLines(folder, QStringLiteral("typos-%1.txt").arg(QLatin1String(language.first)))) {
            const QStringList fields = line.split(QLatin1Char('\t'));
            const QString sentence = fields.at(0);
            const QString typo = fields.at(1);
            const QString intended = withoutHarakat(fields.at(2));
            ++ours.typos;
            ++whole.typos;
            for (const SpellChecker::Misspelling &m : checker.check(sentence)) {
                if (sentence.mid(m.start, m.length) != typo)
                    continue;
                ++ours.flagged;
                if (withoutHarakat(checker.suggestions(sentence, m).value(0)) == intended)
                    ++ours.firstRight;
            }
            Hunspell *h = hunspellFor(typo);
            if (!h->spell(typo.toStdString())) {
                ++whole.flagged;
                const std::vector<std::string> list = h->suggest(typo.toStdString());
                if (!list.empty() && withoutHarakat(QString::fromStdString(list.front())) == intended)
                    ++whole.firstRight;
            }
        }
        std::printf("  %s\n", language.first);
        printRates("ours", ours);
        printRates("whole-word Hunspell", whole);
        for (auto pair : {std::make_pair(&oursAll, &ours), std::make_pair(&wholeAll, &whole)}) {
            pair.first->words += pair.second->words;
            pair.first->falseFlags += pair.second->falseFlags;
            pair.first->typos += pair.second->typos;
            pair.first->flagged += pair.second->flagged;
            pair.first->firstRight += pair.second->firstRight;
        }
    }
    std::printf("  all\n");
    printRates("ours", oursAll);
    printRates("whole-word Hunspell", wholeAll);
}

// The lists of the tests, and another folder of lists kept out of the project when
// TAVLO_BENCH_SPELLING_LISTS names one.
void benchRates()
{
    if (!selected("spelling rates"))
        return;
    ratesOn(QStringLiteral(TAVLO_TEST_DATA "/spelling"));
    const QString other = qEnvironmentVariable("TAVLO_BENCH_SPELLING_LISTS");
    if (!other.isEmpty())
        ratesOn(other);
}

void benchSpelling(const QTemporaryDir &)
{
    if (spellDictionary(SpellLanguage::Persian).isEmpty() || spellDictionary(SpellLanguage::Arabic).isEmpty()
        || spellDictionary(SpellLanguage::English).isEmpty()) {
        std::printf("spelling: the dictionaries are not installed, no case run\n");
        return;
    }
    benchScreen();
    benchFirstScreen();
    benchTypingChecked();
    benchRates();
}

const BenchCases cases(60, benchSpelling);

}
