// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of the window in the three layout modes, with QTextEdit's own document layout and
// with ours, for docs/. Run under a real X server:
//   xvfb-run --server-args="-screen 0 800x600x24" ./build/bench/tavlo-layout-shots docs
#include "gui/mainwindow/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScreen>
#include <QSettings>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QThread>

namespace {

const char *const sampleText =
    "سلام! این یک متن فارسی است که در ویرایشگر نوشته شده و باید از راست به چپ خوانده شود.\n"
    "This English paragraph runs from left to right and is long enough to wrap when the window is narrow.\n"
    "متن دوسویه: English words و عدد ۱۴۰۵ در یک خط.\n"
    "\n"
    "یک خط بسیار بلند: این خط آن‌قدر طولانی است که در حالت بدون شکستن از پهنای پنجره بیرون می‌زند و نوار پیمایش افقی باید تا انتهای آن برسد، پایان.\n"
    "Short line.\n"
    "جست‌وجوی «كتاب» با کاف عربی، «کتاب» با کاف فارسی را هم پیدا می‌کند.";

void settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}

}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QDir().mkpath(out);

    const char *const modes[] = {"actionWord_Wrap", "actionLeft_To_Right", "actionRight_To_Left"};
    for (int mode = 1; mode <= 3; ++mode) {
        for (const bool lazy : {false, true}) {
            MainWindow window;
            auto *edit = window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
            // A fresh document gets QTextEdit's own layout back.
            if (!lazy) {
                edit->setDocument(new QTextDocument(edit));
                edit->document()->setDefaultFont(edit->font());
            }
            window.findChild<QAction *>(QString::fromLatin1(modes[mode - 1]))->trigger();
            edit->setPlainText(QString::fromUtf8(sampleText));
            window.setGeometry(0, 0, 640, 400);
            window.show();
            settle(300);
            // The same scroll position for both, whatever the cursor asked for: the start of the
            // lines, which unwrapped right-to-left is the right end.
            QScrollBar *bar = edit->horizontalScrollBar();
            bar->setValue(mode == 3 ? bar->maximum() : 0);
            settle(500);
            const QRect frame = window.frameGeometry();
            const QPixmap shot = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
            shot.save(QStringLiteral("%1/layout-mode%2-%3.png").arg(out).arg(mode).arg(lazy ? "lazy" : "stock"));
        }
    }
    return 0;
}
