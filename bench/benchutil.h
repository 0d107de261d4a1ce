// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BENCHUTIL_H
#define BENCHUTIL_H

// What the performance cases share: texts, timing, the report line, the stall probe, and the
// list of cases that each area's file adds itself to.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>

class MainWindow;
class QTemporaryDir;
class QTextEdit;

// Persian prose from a fixed word list, the same in every run.
QString persianText(int minLength);
// A Persian text typed on an Arabic keyboard: every Farsi Yeh and Keheh in their Arabic forms.
QString arabicKeyboardText(int minLength);
// A UTF-8 file of Persian prose of about this many bytes.
void writePersianFile(const QString &path, int size);

// The median of a few runs, in milliseconds.
double timeIt(const std::function<void()> &run, int repeats = 3);
// The medians of runs of two cases taken in turn, so that a load that comes and goes on a
// shared machine falls on both alike.
std::pair<double, double> timeAlternating(const std::function<void()> &ours,
                                          const std::function<void()> &baseline, int rounds = 5);

// Per-key time from a typed letter to the repainted view, the median of a few keys. Between
// keys the event loop runs untimed, as it would while the typist's finger travels.
double perKey(QTextEdit *edit, bool atEnd);

// The window as the user has it, with our layout or, for the baseline, a fresh document that
// brings QTextEdit's own layout back. One letter goes in right after the text is set, as a
// typist's would, which is what leaves QTextEdit's stepwise layout unfinished.
std::unique_ptr<MainWindow> typingWindow(bool ours, int mode, const QString &text);

// The cases named on the command line; all when none is.
void setCaseFilter(const QStringList &filter);
bool selected(const char *name);
// `<case>: ours <ms> ms, baseline <ms> ms, ratio <r>`
void report(const char *name, double ours, double baseline);
// The same, ending in ", longest stall <ms> ms".
void report(const char *name, double ours, double baseline, double stall);

// The longest time the GUI thread went without running its event loop while the probe lived:
// a timer on that thread notes the gap between two of its ticks. Work that runs in one go on
// the GUI thread shows whole; work in slices or on another thread shows only its slices.
class StallProbe : public QObject
{
public:
    StallProbe();
    // Also counts the time since the last tick, for work that ran to its end without one.
    double longestMs() const;

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

// Accepts whatever message box goes modal while it lives, so a case can time a command that
// ends with one.
class BoxCloser
{
public:
    BoxCloser();

private:
    QTimer m_poll;
};

// Each area's file adds its cases to the run: `static const BenchCases cases(40, benchFoo);`.
// Lower orders run first; the cases of tavlo-bench.cpp run before all of them.
using BenchCasesFunction = void (*)(const QTemporaryDir &dir);
struct BenchCases {
    BenchCases(int order, BenchCasesFunction run);
};
void runRegisteredCases(const QTemporaryDir &dir);

#endif
