// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIDYDIALOG_H
#define TIDYDIALOG_H

#include "core/persiantidy.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QLabel;
template <typename T>
class QFutureWatcher;

namespace Ui {
class TidyDialog;
}

// What Tidy Persian Text works on: text[from, to), the rest of its paragraphs around it, the
// number of its first line in the document, and positions to follow through the changes.
struct TidyRequest {
    QString text;
    int from = 0;
    int to = 0;
    int firstLine = 0;
    QVector<int> positions;
};

// Lets the user choose the rules of Tidy Persian Text, with the count of changes per rule and
// the first changed lines before and after.
class TidyDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TidyDialog(QWidget *parent = nullptr);
    ~TidyDialog() override;

    TidyRules rules() const;

public slots:
    // Runs the dialog; on Apply the checked rules are stored and *outcome receives the changes.
    virtual int exec(const TidyRequest &request, TidyOutcome *outcome);

private:
    // Tidies again with the checked rules: off the GUI thread for a large text, behind the busy
    // bar, while Apply waits.
    void refresh();
    void showOutcome(const TidyOutcome &outcome);
    void apply();
    QCheckBox *ruleBox(int rule) const;
    QLabel *countLabel(int rule) const;

    Ui::TidyDialog *ui;
    TidyRequest m_request;
    TidyOutcome m_outcome;
    bool m_ready = false;
    std::shared_ptr<std::atomic<bool>> m_stop;
    QFutureWatcher<TidyOutcome> *m_watcher = nullptr;
};

#endif
