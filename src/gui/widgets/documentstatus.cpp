// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/documentstatus.h"
#include "gui/language.h"
#include "gui/widgets/documentcounts.h"

#include <QAction>
#include <QEvent>
#include <QHideEvent>
#include <QShowEvent>
#include <QLabel>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextEdit>

namespace {

QString figure(int number)
{
    return interfaceLocale().toString(number);
}

// A count in words: a translation may spell out one or two without the figure.
QString counted(const QString &text, int number)
{
    return text.contains(QLatin1String("%1")) ? text.arg(figure(number)) : text;
}

// A line or column number, which a group separator would confuse with the comma between them.
QString ungrouped(int number)
{
    QLocale locale = interfaceLocale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(number);
}

QLabel *addLabel(QStatusBar *bar, const char *name, bool permanent)
{
    auto *label = new QLabel(bar);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    // Room between the figures, which have no frames of their own.
    label->setContentsMargins(6, 0, 6, 0);
    if (permanent)
        bar->addPermanentWidget(label);
    else
        bar->addWidget(label, 1);
    return label;
}

}

DocumentStatus::DocumentStatus(QTextEdit *editor, QWidget *parent)
    : QStatusBar(parent)
    , m_editor(editor)
    , m_counts(new DocumentCounts(this))
{
    setObjectName(QStringLiteral("statusBar"));
    m_position = addLabel(this, "labelPosition", false);
    m_words = addLabel(this, "labelWords", true);
    m_characters = addLabel(this, "labelCharacters", true);
    m_encoding = addLabel(this, "labelEncoding", true);
    m_layoutMode = addLabel(this, "labelLayoutMode", true);

    m_positionTimer.setSingleShot(true);
    m_positionTimer.setInterval(0);
    connect(&m_positionTimer, &QTimer::timeout, this, &DocumentStatus::showPosition);
    connect(editor, &QTextEdit::cursorPositionChanged, &m_positionTimer, qOverload<>(&QTimer::start));
    connect(editor, &QTextEdit::selectionChanged, &m_positionTimer, qOverload<>(&QTimer::start));
    connect(m_counts, &DocumentCounts::changed, this, &DocumentStatus::showCounts);
    // A selection of whole paragraphs is counted from the paragraphs' figures.
    connect(m_counts, &DocumentCounts::changed, &m_positionTimer, qOverload<>(&QTimer::start));
    retranslate();
}

void DocumentStatus::followDocument()
{
    if (isVisible())
        m_counts->setDocument(m_editor->document());
    m_positionTimer.start();
}

void DocumentStatus::showEvent(QShowEvent *event)
{
    if (m_counts->document() != m_editor->document())
        m_counts->setDocument(m_editor->document());
    showPosition();
    QStatusBar::showEvent(event);
}

void DocumentStatus::hideEvent(QHideEvent *event)
{
    // Hidden with its window, the status goes on counting: it shows again with the window.
    if (!event->spontaneous() && isHidden())
        m_counts->setDocument(nullptr);
    QStatusBar::hideEvent(event);
}

void DocumentStatus::setEncoding(int mib)
{
    m_mib = mib;
    const QTextCodec *codec = QTextCodec::codecForMib(mib);
    m_encoding->setText(codec ? QString::fromLatin1(codec->name()) : QString::number(mib));
}

void DocumentStatus::setLayoutActions(const QList<QAction *> &actions)
{
    m_layoutActions = actions;
    for (QAction *action : actions)
        connect(action, &QAction::changed, this, &DocumentStatus::showLayoutMode);
    showLayoutMode();
}

void DocumentStatus::showLayoutMode()
{
    QString mode;
    for (const QAction *action : qAsConst(m_layoutActions))
        if (action->isChecked())
            mode = action->iconText();
    m_layoutMode->setText(mode);
}

void DocumentStatus::showPosition()
{
    m_positionTimer.stop();
    if (!isVisible())
        return;
    const QTextCursor cursor = m_editor->textCursor();
    const QTextBlock block = cursor.block();
    const int column = countCharacters(QStringView(block.text()).left(cursor.position() - block.position())) + 1;
    QString text = tr("Ln %1, Col %2").arg(ungrouped(block.blockNumber() + 1), ungrouped(column));
    if (cursor.hasSelection()) {
        bool known = false;
        const TextCounts selected = m_counts->countRange(cursor.selectionStart(), cursor.selectionEnd(), &known);
        if (known)
            text += QLatin1Char(' ')
                + tr("(%1, %2)", "the selection's characters and words")
                      .arg(counted(tr("%1 chars", "selected characters", selected.characters), selected.characters),
                           counted(tr("%1 words", nullptr, selected.words), selected.words));
    }
    m_position->setText(text);
}

void DocumentStatus::showCounts()
{
    if (m_counts->isLate()) {
        m_words->setText(tr("Counting words..."));
        m_characters->clear();
        return;
    }
    if (!m_counts->isReady())
        return;
    const TextCounts total = m_counts->total();
    m_words->setText(counted(tr("%1 words", nullptr, total.words), total.words));
    m_characters->setText(counted(tr("%1 characters", nullptr, total.characters), total.characters));
}

void DocumentStatus::retranslate()
{
    showPosition();
    showCounts();
    showLayoutMode();
}

void DocumentStatus::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QStatusBar::changeEvent(event);
}
