// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchutil.h"
#include "gui/mainwindow/mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {

QStringList &filter()
{
    static QStringList names;
    return names;
}

std::multimap<int, BenchCasesFunction> &registry()
{
    static std::multimap<int, BenchCasesFunction> cases;
    return cases;
}

}

QString persianText(int minLength)
{
    static const char *const words[] = {
        "سلام", "دنیا", "کتاب", "نویسنده", "پرونده", "زبان", "فارسی", "یک", "این", "آن", "با",
        "برای", "خانه", "می‌رود", "می‌نویسد", "کیک", "یادداشت", "ویرایشگر", "متن", "شعر", "آسمان",
        "ایران", "دوست", "English", "text", "2024", "گچ", "ژاله", "پنجره", "نامه"};
    const int count = int(sizeof(words) / sizeof(words[0]));
    QString text;
    text.reserve(minLength + 64);
    quint32 state = 12345;
    int inLine = 0;
    while (text.size() < minLength) {
        state = state * 1103515245u + 12345u;
        text += QString::fromUtf8(words[(state >> 16) % count]);
        text += (++inLine % 14 == 0) ? QLatin1Char('\n') : QLatin1Char(' ');
    }
    return text;
}

double timeIt(const std::function<void()> &run, int repeats)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::pair<double, double> timeAlternating(const std::function<void()> &ours,
                                          const std::function<void()> &baseline, int rounds)
{
    std::vector<double> oursTimes, baselineTimes;
    for (int i = 0; i < rounds; ++i) {
        oursTimes.push_back(timeIt(ours, 1));
        baselineTimes.push_back(timeIt(baseline, 1));
    }
    std::sort(oursTimes.begin(), oursTimes.end());
    std::sort(baselineTimes.begin(), baselineTimes.end());
    return {oursTimes[rounds / 2], baselineTimes[rounds / 2]};
}

bool selected(const char *name)
{
    if (filter().isEmpty())
        return true;
    for (const QString &f : filter())
        if (QString::fromUtf8(name).contains(f))
            return true;
    return false;
}

void report(const char *name, double ours, double baseline)
{
    std::printf("%s: ours %.1f ms, baseline %.1f ms, ratio %.3f\n", name, ours, baseline,
                baseline > 0 ? ours / baseline : 0.0);
    std::fflush(stdout);
}

void writePersianFile(const QString &path, int size)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray bytes = persianText(qMin(size, 6 * 1024 * 1024)).toUtf8();
    bytes.truncate(size);
    while (bytes.size() < size)
        bytes += bytes.left(size - bytes.size());
    // Cut at a character boundary so the file stays UTF-8.
    while ((uchar(bytes.at(bytes.size() - 1)) & 0xC0) == 0x80 || uchar(bytes.at(bytes.size() - 1)) >= 0xC0)
        bytes.chop(1);
    file.write(bytes);
}

double perKey(QTextEdit *edit, bool atEnd)
{
    QTextCursor cursor = edit->textCursor();
    cursor.movePosition(atEnd ? QTextCursor::End : QTextCursor::Start);
    edit->setTextCursor(cursor);
    QApplication::processEvents();
    edit->viewport()->repaint();
    std::vector<double> times;
    // The first keys warm the glyph caches and the undo stack; they are typed but not counted.
    for (int i = -5; i < 20; ++i) {
        QElapsedTimer timer;
        timer.start();
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x0633)));
        QApplication::sendEvent(edit, &key);
        QApplication::processEvents();
        edit->viewport()->repaint();
        if (i >= 0)
            times.push_back(timer.nsecsElapsed() / 1e6);
        QApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::unique_ptr<MainWindow> typingWindow(bool ours, int mode, const QString &text)
{
    auto window = std::make_unique<MainWindow>();
    auto *edit = window->findChild<QTextEdit *>(QStringLiteral("textEdit"));
    if (!ours) {
        edit->setDocument(new QTextDocument(edit));
        edit->document()->setDefaultFont(edit->font());
    }
    window->setWrapMode(mode);
    window->resize(900, 700);
    window->show();
    QApplication::processEvents();
    edit->setPlainText(text);
    QTextCursor(edit->document()).insertText(QStringLiteral("x"));
    QApplication::processEvents();
    return window;
}

QString arabicKeyboardText(int minLength)
{
    QString text = persianText(minLength);
    text.replace(QChar(0x06CC), QChar(0x064A));
    text.replace(QChar(0x06A9), QChar(0x0643));
    return text;
}

void setCaseFilter(const QStringList &names)
{
    filter() = names;
}

void report(const char *name, double ours, double baseline, double stall)
{
    std::printf("%s: ours %.1f ms, baseline %.1f ms, ratio %.3f, longest stall %.1f ms\n", name, ours,
                baseline, baseline > 0 ? ours / baseline : 0.0, stall);
    std::fflush(stdout);
}

StallProbe::StallProbe()
{
    m_clock.start();
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &StallProbe::tick);
    m_timer.start();
}

void StallProbe::tick()
{
    const qint64 now = m_clock.nsecsElapsed();
    m_longest = qMax(m_longest, now - m_last);
    m_last = now;
}

double StallProbe::longestMs() const
{
    return qMax(m_longest, m_clock.nsecsElapsed() - m_last) / 1e6;
}

BenchCases::BenchCases(int order, BenchCasesFunction run)
{
    registry().emplace(order, run);
}

void runRegisteredCases(const QTemporaryDir &dir)
{
    for (const auto &entry : registry())
        entry.second(dir);
}

BoxCloser::BoxCloser()
{
    QObject::connect(&m_poll, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->accept();
    });
    m_poll.start(5);
}
