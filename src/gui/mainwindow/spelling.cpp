// SPDX-License-Identifier: GPL-3.0-or-later
// Tools > Check Spelling: the underlines in the editor, and which languages have no dictionary.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "core/settings.h"
#include "core/spellchecker.h"
#include "gui/editor/inlinespellcheck.h"

void MainWindow::createSpellingActions()
{
    m_spelling = new InlineSpellCheck(ui->textEdit, this);
    m_spelling->setObjectName(QStringLiteral("inlineSpellCheck"));
    for (const SpellLanguage language : {SpellLanguage::Persian, SpellLanguage::Arabic, SpellLanguage::English}) {
        if (!spellDictionary(language).isEmpty())
            continue;
        QAction *note = ui->menuTools->addAction(QString());
        note->setEnabled(false);
        note->setData(int(language));
        m_missingDictionaries.append(note);
    }
    // Without any dictionary there is nothing to check.
    ui->actionCheck_Spelling->setEnabled(m_missingDictionaries.size() < 3);
    connect(ui->actionCheck_Spelling, &QAction::triggered, this, [this](bool checked) {
        Settings::write(Settings::Key::SpellCheck, checked);
        setSpellCheck(checked);
    });
}

void MainWindow::setSpellCheck(bool on)
{
    on = on && ui->actionCheck_Spelling->isEnabled();
    ui->actionCheck_Spelling->setChecked(on);
    m_spelling->setEnabled(on);
}

void MainWindow::retranslateSpelling()
{
    for (QAction *note : qAsConst(m_missingDictionaries)) {
        switch (SpellLanguage(note->data().toInt())) {
        case SpellLanguage::Persian: note->setText(tr("Persian is not checked: no dictionary is installed")); break;
        case SpellLanguage::Arabic: note->setText(tr("Arabic is not checked: no dictionary is installed")); break;
        case SpellLanguage::English: note->setText(tr("English is not checked: no dictionary is installed")); break;
        }
    }
}
