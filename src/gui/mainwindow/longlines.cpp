// SPDX-License-Identifier: GPL-3.0-or-later
// Lines too long to edit: the offer to break them when a file opens, and when a paste or typing
// makes one later.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "core/displaytext.h"
#include "core/linebreaker.h"
#include "gui/editor/documenttext.h"
#include "gui/language.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QTextBlock>
#include <QTextDocument>
#include <QVector>
#include <cmath>

namespace {

bool wraps(const QTextDocument *document)
{
    return document->defaultTextOption().wrapMode() != QTextOption::NoWrap;
}

}

int MainWindow::askToBreakLines(const QString &title, QString question, const QString &mustBreak, double keyMs)
{
    question += QStringLiteral("\n\n");
    if (!mustBreak.isEmpty()) {
        if (keyMs > LineBreaker::maxKeyMs)
            question += tr("Each key typed in it would take about %1 ms.").arg(localNumber(qRound64(keyMs)))
                + QLatin1Char(' ');
        question += mustBreak + QLatin1Char(' ');
    }
    question += tr("Break the lines at %1 characters? The document then counts as changed, and saving "
                   "writes the broken lines.")
                    .arg(localNumber(LineBreaker::softLimit));
    const QMessageBox::StandardButton no = !mustBreak.isEmpty() ? QMessageBox::Cancel : QMessageBox::No;
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | no, this);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(no);
    return box.exec();
}

int MainWindow::offerToBreakLongLines(const QString &path, QString *text)
{
    m_keepLongLines = false;
    const int longest = LineBreaker::longestLineLength(*text);
    if (longest <= LineBreaker::softLimit)
        return 0;
    // Where a key would take too long, or the window would freeze, the file opens broken or
    // not at all.
    double keyMs = 0;
    const bool mustBreak = LineBreaker::mustBreak(*text, wraps(ui->textEdit->document()), &keyMs);
    const QString question = tr("The longest line of '%1' has %2 characters. Editing a line this long is slow.")
                                 .arg(displayName(QFileInfo(path).fileName()), localNumber(longest));
    const int answer = askToBreakLines(tr("Open"), question,
                                       mustBreak ? tr("Tavlo can open the file only with its lines broken.") : QString(), keyMs);
    if (answer == QMessageBox::Yes)
        return LineBreaker::breakLongLines(text, LineBreaker::softLimit);
    m_keepLongLines = answer == QMessageBox::No;
    return answer == QMessageBox::No ? 0 : -1;
}

void MainWindow::offerToBreakArrivedLines(int from, int to)
{
    QTextDocument *document = ui->textEdit->document();
    const QTextBlock last = document->findBlock(qMax(from, to - 1));
    QVector<QTextBlock> longBlocks;
    int longest = 0;
    for (QTextBlock block = document->findBlock(from); block.isValid(); block = block.next()) {
        if (block.length() - 1 > LineBreaker::softLimit) {
            longBlocks.append(block);
            longest = qMax(longest, block.length() - 1);
        }
        if (block == last)
            break;
    }
    if (longBlocks.isEmpty())
        return;
    QStringList texts;
    bool mustBreak = false;
    double keyMs = 0;
    for (const QTextBlock &block : qAsConst(longBlocks)) {
        texts.append(documentText(document, block.position(), block.position() + block.length() - 1));
        double cost = 0;
        mustBreak = LineBreaker::mustBreak(texts.last(), wraps(document), &cost) || mustBreak;
        keyMs = qMax(keyMs, cost);
    }
    // Once the user chose to keep the long lines of this document, only a line that may not be
    // kept asks again.
    if (m_keepLongLines && !mustBreak)
        return;
    const QString question = tr("A line of %1 characters was pasted or typed. Editing a line this long is slow.")
                                 .arg(localNumber(longest));
    const int answer = askToBreakLines(tr("Long line"), question,
                                       mustBreak ? tr("Tavlo can keep it only with its lines broken.") : QString(), keyMs);
    if (answer != QMessageBox::Yes && !mustBreak) {
        m_keepLongLines = true;
    } else if (answer == QMessageBox::Yes) {
        // From the last block up, so the positions of those before stay where they were.
        for (int i = longBlocks.size() - 1; i >= 0; --i) {
            QString text = texts.at(i);
            LineBreaker::breakLongLines(&text, LineBreaker::softLimit);
            const int start = longBlocks.at(i).position();
            ui->textEdit->replaceText(start, start + texts.at(i).size(), text, tr("Long line"), tr("Breaking lines..."));
        }
    } else {
        // A line that may not be kept does not stay: the edit that made it goes back.
        ui->textEdit->undo();
    }
}
