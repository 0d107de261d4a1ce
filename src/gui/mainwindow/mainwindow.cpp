// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's construction: the form and what the constructor adds to it.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "core/documentfile.h"
#include "core/searchengine.h"
#include "gui/editor/inlinespellcheck.h"
#include "gui/editor/editorfont.h"
#include "gui/editor/layoutmode.h"
#include "gui/editor/paragraphdirection.h"
#include "gui/editor/plaintextlayout.h"
#include "gui/editor/texteditor.h"
#include "gui/widgets/documentstatus.h"
#include "gui/recovery/journalkeeper.h"
#include "gui/widgets/matchhighlights.h"

#include <QKeySequence>
#include <QPointer>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_search(new SearchEngine(this))
    , m_journal(new JournalKeeper(this))
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);

    // The editor fills the window with no margin; the form's container is not needed.
    QWidget *formContainer = takeCentralWidget();
    setCentralWidget(ui->textEdit);
    delete formContainer;

    ui->actionFind->setShortcuts({QKeySequence(Qt::CTRL + Qt::Key_F), QKeySequence(Qt::CTRL + Qt::Key_H)});
    ui->pushFindAll->hide();
    ui->pushFindAll->setEnabled(false);
    ui->dockWidget_2->setAllowedAreas(Qt::NoDockWidgetArea);

    // Persian typed into a find box stands at its right edge, English at its left.
    for (QPlainTextEdit *box : {ui->plainFind, ui->plainReplace}) {
        QTextOption option = textOptionFor(WrappedAuto);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        ParagraphDirectionLayout::install(box, option);
    }
    ui->plainFind->installEventFilter(this);
    ui->plainReplace->installEventFilter(this);
    ui->dockWidget_2->installEventFilter(this);
    ui->textEdit->installEventFilter(this);

    m_search->setTextSource([this](int from, int to) {
        if (from == 0 && to < 0)
            return ui->textEdit->toPlainText();
        QTextCursor part(ui->textEdit->document());
        part.setPosition(from);
        part.setPosition(to, QTextCursor::KeepAnchor);
        // Spelled as the plain text of the whole document spells it.
        QString text = part.selectedText();
        spellAsPlainText(&text);
        return text;
    });
    adoptDocument(ui->textEdit->document());

    // The count and the highlights live while the panel shows.
    m_matches = new MatchHighlights(ui->textEdit, m_search, ui->labelCount, this);
    connect(ui->dockWidget_2, &QDockWidget::visibilityChanged, m_matches, &MatchHighlights::setActive);
    connect(ui->textEdit, &TextEditor::busyChanged, m_matches, &MatchHighlights::setPaused);
    // Once the edit is done: the offer may take it back.
    connect(ui->textEdit, &TextEditor::textInserted, this, &MainWindow::offerToBreakArrivedLines, Qt::QueuedConnection);

    m_status = new DocumentStatus(ui->textEdit, this);
    setStatusBar(m_status);
    m_status->setEncoding(m_file.sourceMib);
    m_status->setLayoutActions({ui->actionWord_Wrap, ui->actionLeft_To_Right, ui->actionRight_To_Left});
    m_font = new EditorFont(ui->textEdit, this);

    createRecentActions();
    createConvertActions();
    createSpellingActions();
    createViewActions();
    createLanguageMenu();
    retranslate();
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::adoptDocument(QTextDocument *document)
{
    QTextDocument *previous = ui->textEdit->document();
    const auto *previousLayout = qobject_cast<const PlainTextLayout *>(previous->documentLayout());
    const bool invisibles = previousLayout && previousLayout->invisiblesShown();
    if (document != previous) {
        document->setDefaultFont(previous->defaultFont());
        document->setDefaultTextOption(previous->defaultTextOption());
        document->setDocumentMargin(previous->documentMargin());
        document->setPageSize(previous->pageSize());
        document->setDefaultCursorMoveStyle(previous->defaultCursorMoveStyle());
    }
    // The layout measures fonts on the viewport, and keeps the view's position through it. It
    // comes before the editor takes the document, which would lay a large one out with Qt's
    // own layout first, and with the page size of the view, so its first estimates hold.
    auto *layout = new PlainTextLayout(document);
    layout->setPaintDevice(ui->textEdit->viewport());
    layout->setInvisiblesShown(invisibles);
    document->setDocumentLayout(layout);
    if (document != previous) {
        document->setParent(ui->textEdit);
        // Nothing may hold a cursor into a document when it goes: the editor would ask the
        // highlights' cursors for their place in freed memory.
        ui->textEdit->setExtraSelections({});
        // The editor deletes only the document it made itself; one adopted before goes here.
        const QPointer<QTextDocument> old = previous;
        ui->textEdit->setDocument(document);
        delete old.data();
        // The editor does not tell the new document's undo state.
        on_textEdit_undoAvailable(document->isUndoAvailable());
        on_textEdit_redoAvailable(document->isRedoAvailable());
    }
    // Every change of the text, typed, loaded or replaced, is told to the folded copy.
    connect(document, &QTextDocument::contentsChange, m_search, [this, document](int from, int removed, int added) {
        m_search->documentEdited(from, removed, added, document->characterCount() - 1);
    });
    m_search->invalidate();
    m_journal->follow(document);
    if (m_matches)
        m_matches->followDocument();
    if (m_spelling)
        m_spelling->followDocument();
    if (m_status)
        m_status->followDocument();
}
