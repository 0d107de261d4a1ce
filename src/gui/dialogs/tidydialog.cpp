// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/tidydialog.h"
#include "ui_tidydialog.h"
#include "core/settings.h"
#include "gui/language.h"

#include <QFutureWatcher>
#include <QPushButton>
#include <QtConcurrent>

namespace {

// Past this size the text is tidied off the GUI thread, while the dialog shows a busy bar.
constexpr int BackgroundBytes = 1 << 20;

// An excerpt in its line's direction, whatever the interface's: a Persian line in an English
// dialog keeps its full stop at its end.
QString embedded(const QString &text, bool rightToLeft)
{
    const QChar start(rightToLeft ? 0x202B : 0x202A);
    return start + text + QChar(0x202C);
}

}

TidyDialog::TidyDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::TidyDialog)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->setupUi(this);
    QPushButton *apply = ui->buttonBox->button(QDialogButtonBox::Apply);
    apply->setDefault(true);
    connect(apply, &QPushButton::clicked, this, &TidyDialog::apply);
    for (int r = 0; r < TidyRuleCount; ++r)
        connect(ruleBox(r), &QCheckBox::toggled, this, &TidyDialog::refresh);
    ui->treePreview->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ui->treePreview->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    ui->treePreview->header()->setSectionResizeMode(2, QHeaderView::Stretch);
}

TidyDialog::~TidyDialog()
{
    if (m_stop)
        *m_stop = true;
    delete ui;
}

QCheckBox *TidyDialog::ruleBox(int rule) const
{
    QCheckBox *const boxes[TidyRuleCount] = {ui->chkLetters,     ui->chkKashida, ui->chkDigits,
                                             ui->chkEllipsis,    ui->chkPunctuation, ui->chkQuotes,
                                             ui->chkPrefixes,    ui->chkSuffixes, ui->chkSpaces};
    return boxes[rule];
}

QLabel *TidyDialog::countLabel(int rule) const
{
    QLabel *const labels[TidyRuleCount] = {ui->countLetters,  ui->countKashida, ui->countDigits,
                                           ui->countEllipsis, ui->countPunctuation, ui->countQuotes,
                                           ui->countPrefixes, ui->countSuffixes, ui->countSpaces};
    return labels[rule];
}

TidyRules TidyDialog::rules() const
{
    TidyRules rules;
    for (int r = 0; r < TidyRuleCount; ++r)
        if (ruleBox(r)->isChecked())
            rules |= tidyRule(r);
    return rules;
}

int TidyDialog::exec(const TidyRequest &request, TidyOutcome *outcome)
{
    m_request = request;
    for (int r = 0; r < TidyRuleCount; ++r) {
        QSignalBlocker quiet(ruleBox(r));
        ruleBox(r)->setChecked(Settings::read(Settings::Key::Tidy, QLatin1String(tidyRuleName(r))).toBool());
    }
    refresh();
    const int result = QDialog::exec();
    // A tidy still running is of no use any more.
    if (m_stop)
        *m_stop = true;
    if (result == Accepted) {
        for (int r = 0; r < TidyRuleCount; ++r)
            Settings::write(Settings::Key::Tidy, QLatin1String(tidyRuleName(r)), ruleBox(r)->isChecked());
        *outcome = m_outcome;
    }
    return result;
}

void TidyDialog::refresh()
{
    m_ready = false;
    ui->buttonBox->button(QDialogButtonBox::Apply)->setEnabled(false);
    if (m_stop)
        *m_stop = true;
    const TidyRules rules = this->rules();
    if (m_request.text.size() * int(sizeof(QChar)) <= BackgroundBytes) {
        showOutcome(tidyRange(m_request.text, m_request.from, m_request.to, rules, m_request.positions));
        return;
    }

    ui->progressBar->show();
    ui->labelSummary->setText(tr("Looking for changes..."));
    const auto stop = std::make_shared<std::atomic<bool>>(false);
    m_stop = stop;
    auto *watcher = new QFutureWatcher<TidyOutcome>(this);
    m_watcher = watcher;
    connect(watcher, &QFutureWatcher<TidyOutcome>::finished, this, [this, watcher] {
        watcher->deleteLater();
        // A later change of the rules started another run.
        if (watcher != m_watcher)
            return;
        m_watcher = nullptr;
        ui->progressBar->hide();
        const TidyOutcome outcome = watcher->result();
        if (!outcome.cancelled)
            showOutcome(outcome);
    });
    const TidyRequest request = m_request;
    watcher->setFuture(QtConcurrent::run([request, rules, stop] {
        return tidyRange(request.text, request.from, request.to, rules, request.positions, stop.get());
    }));
}

void TidyDialog::showOutcome(const TidyOutcome &outcome)
{
    m_outcome = outcome;
    const TidyReport &report = outcome.report;
    for (int r = 0; r < TidyRuleCount; ++r)
        countLabel(r)->setText(localNumber(report.changes[r]));
    const int total = report.total();
    ui->labelSummary->setText(total == 0 ? tr("Nothing to tidy.") : tr("%n changes.", nullptr, total));
    ui->treePreview->clear();
    QList<QTreeWidgetItem *> items;
    for (const TidyReport::Line &line : report.lines) {
        auto *item = new QTreeWidgetItem;
        item->setText(0, localNumber(m_request.firstLine + line.line + 1));
        item->setText(1, embedded(line.before, line.rightToLeft));
        item->setText(2, embedded(line.after, line.rightToLeft));
        for (int column = 1; column <= 2; ++column)
            item->setTextAlignment(column, int(Qt::AlignAbsolute | Qt::AlignVCenter
                                               | (line.rightToLeft ? Qt::AlignRight : Qt::AlignLeft)));
        item->setTextAlignment(0, int(Qt::AlignVCenter | Qt::AlignTrailing));
        items.append(item);
    }
    ui->treePreview->addTopLevelItems(items);
    m_ready = true;
    ui->buttonBox->button(QDialogButtonBox::Apply)->setEnabled(true);
}

void TidyDialog::apply()
{
    if (m_ready)
        accept();
}
