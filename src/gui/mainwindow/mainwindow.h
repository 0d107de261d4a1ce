// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "core/filestate.h"
#include "core/safesave.h"

#include <QMainWindow>
#include <QUrl>
#include <optional>

class QAction;
class QMenu;
class QTextDocument;
class QNetworkAccessManager;
class QNetworkReply;
class SearchEngine;
struct LoadResult;
class DocumentStatus;
class EditorFont;
class FadingNote;
class WorkProgress;
class InlineSpellCheck;
class DocumentPrinter;
struct PrintSource;
class JournalKeeper;
class MatchHighlights;
enum class ScriptConversion;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up after construction: settings, automatic update check, command-line file, title.
    // A file name that did not decode exactly (CommandLine) is refused instead of opened.
    void startUp(const QStringList &arguments, bool fileNameDecodes = true);
    void saveViewSettings();

    bool loadFile(const QString &path);
    void refreshTitle(bool modified);
    void resetDocument();
    // The one place the document's file, encoding and stamp change; the title follows.
    void commitFile(const FileState &file);
    bool hasUnsavedChanges() const;
    bool isModified() const { return m_modified; }
    QString currentFile() const { return m_file.path; }
    int sourceEncoding() const { return m_file.sourceMib; }
    const FileState &fileState() const { return m_file; }
    QString defaultPath() const { return m_defaultPath; }
    qint64 reminderTime() const { return m_remind; }
    void setReminderTime(qint64 msecs) { m_remind = msecs; }

    void refreshRecentMenu();
    void pushRecentFile(const QString &path);
    static QString shortenPath(const QString &path);

    void setWrapMode(int mode);
    // The checked layout mode; 0 when none is (a stored mode out of range).
    int layoutMode() const;
    // The font as chosen, which the settings keep and printing uses; the view shows it zoomed.
    void setEditorFont(const QFont &font);
    // The font the user chose, which printing uses whatever the view shows.
    QFont editorFont() const;
    int zoom() const;
    // Puts the cursor at the start of a line (counted from 1) and brings it into view.
    void goToLine(int line);
    void setFullAddress(bool show);
    static QString aboutText();

    QString foldForMatch(const QString &text) const;
    bool matchCase() const;
    bool matchLetters() const;
    // Sets the two match options; a change makes the next search fold the document again.
    void setMatchOptions(bool matchCase, bool matchLetters);
    bool findMatch(bool forward, bool wrap, bool activatePanel);
    bool replaceMatch(bool forward, bool counting);

    // An update request is on its way.
    bool updateCheckRunning() const { return m_reply != nullptr; }


public slots:
    // Each activation refreshes Paste and checks the file for changes by other programs.
    bool event(QEvent *e) override;

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_actionNew_triggered();
    void on_textEdit_textChanged();
    void on_actionExit_triggered();
    void on_actionFull_Address_triggered();
    void on_actionOpen_triggered();
    void on_actionReload_triggered();
    bool on_actionSave_triggered();
    void on_actionSave_As_triggered();
    void openRecentFile();
    void clearRecent();
    void on_actionPaste_triggered();
    void on_actionCopy_triggered();
    void on_actionCut_triggered();
    void on_actionUndo_triggered();
    void on_actionRedo_triggered();
    void on_actionSelect_All_triggered();
    void on_actionZero_with_non_Joiner_triggered();
    void on_actionRight_to_left_mark_triggered();
    void on_actionLeft_to_right_mark_triggered();
    void on_actionAbout_Qt_triggered();
    void on_actionAbout_triggered();
    void on_actionWord_Wrap_triggered();
    void on_actionFont_triggered();
    void on_actionLeft_To_Right_triggered();
    void on_actionRight_To_Left_triggered();
    void on_textEdit_undoAvailable(bool available);
    void on_textEdit_redoAvailable(bool available);
    void on_textEdit_copyAvailable(bool available);
    void on_textEdit_cursorPositionChanged();
    void on_actionTime_Date_triggered();
    void on_actionFile_Info_triggered();
    void on_actionFind_triggered();
    void on_pushNext_clicked();
    void on_pushMatch_clicked();
    void on_plainFind_textChanged();
    void on_pushPrev_clicked();
    void on_pushReplace_clicked();
    void on_pushReplacePrev_clicked();
    void on_pushReplaceAll_clicked();
    void on_actionFind_Next_triggered();
    void on_actionFind_Previous_triggered();
    void on_actionCheck_for_updates_triggered();
    void httpFinished();
    void on_actionTime_Date_Solar_Hijri_triggered();
    void on_actionTime_Date_Hijri_triggered();
    void on_actionPrint_triggered();
    void on_actionPrint_Preview_triggered();
    void on_actionExport_as_PDF_triggered();

private:
    // Asks "File has unsaved changes. Continue?"; true when the user chose Ok.
    bool confirmDiscard(const QString &title);
    // A warning box whose text is shown as plain text, whatever characters a path holds.
    void warn(const QString &title, const QString &text);
    void warnLoadFailure(const QString &path, const LoadResult &result);
    // Refuses a path whose name is not valid UTF-8: Qt would reach another file by it.
    void warnUndecodableName(const QString &path, bool saving);
    // Asks whether to break lines too long to edit; the number of breaks made, or -1 when the
    // user chose not to open the file.
    int offerToBreakLongLines(const QString &path, QString *text);
    // The same offer for lines that a paste or typing made in [from, to); No keeps them, and
    // where a line may not be kept Cancel takes the edit back.
    void offerToBreakArrivedLines(int from, int to);
    // The question, with what a line that may not be kept adds to it (`mustBreak`, empty for a
    // line that may); the button chosen.
    int askToBreakLines(const QString &title, QString question, const QString &mustBreak, double keyMs);
    // The folder a file dialog starts in for a file path (or a folder path).
    static QString dialogFolder(const QString &path);
    // Gives the editor a document, with the layout and the connections every document needs;
    // one built off the GUI thread takes over the font and text option of the one before.
    void adoptDocument(QTextDocument *document);
    // Offers what a Tavlo that died left unsaved; true when the window took a recovered text.
    bool recoverUnsavedWork();
    // Shows a recovered text as the document of `file`, changed; false when its building was
    // cancelled.
    bool showRecoveredText(const FileState &file, const QString &text);
    void createRecentActions();
    void createLanguageMenu();
    void chooseLanguage(QAction *action);
    // The texts that the form does not hold, and what follows the interface's direction.
    void retranslate();
    bool saveAs();
    // Writes a large document off the GUI thread behind a progress dialog; empty when the user
    // cancelled before anything was written. *saving gets the raw text written.
    std::optional<SaveResult> writeInBackground(const QString &path, QString *saving);
    // Asks before a save writes over a change that another program made since the last load
    // or save; true when the save may go ahead.
    bool confirmOverwriteOfChangedFile();
    void checkExternalChange();
    // What a check found: the question of a changed or deleted file, and the stamp recorded.
    void answerExternalChange(bool unchanged, const FileStamp &onDisk);
    void sendUpdateRequest();
    void replaceAll();
    // Folds a large document for a search off the GUI thread when the engine would fold it
    // whole, behind the given progress dialog or one of its own; false when cancelled.
    bool foldInBackground(WorkProgress *progress = nullptr);
    void selectRange(int start, int end);
    void showSearchFinished(bool activatePanel);
    // Puts the floating find panel beside or below the window, at its form's size.
    void placeFindPanel();
    void createConvertActions();
    void createSpellingActions();
    // Turns the underlines on or off; off, without a dictionary, whatever is asked.
    void setSpellCheck(bool on);
    void retranslateSpelling();
    void createViewActions();
    void retranslateViewActions();
    // The status bar, zoom, invisible characters and cursor movement from the settings.
    void applyViewSettings();
    void askForLine();
    void setInvisiblesShown(bool shown);
    void setVisualCursor(bool visual);
    // The find panel floats over the window: a match it selected must not lie under it.
    void keepMatchClearOfPanel();
    void convertSelection(ScriptConversion conversion);
    // Edit > Convert > Tidy Persian Text: the dialog, then its changes as one undo step.
    void tidyPersianText();
    // A note that fades by itself, at the text cursor.
    void showNote(const QString &text);
    // What a print or an export puts on paper: the document as the current layout mode sets it.
    PrintSource printSource() const;
    DocumentPrinter *documentPrinter();

    SearchEngine *m_search;
    JournalKeeper *m_journal;
    qint64 m_remind = 0;
    QString m_defaultPath;
    bool m_interactive = false;
    bool m_requestSent = false;
    bool m_modified = false;
    // A large file's checksum is being read off the GUI thread for checkExternalChange().
    bool m_stampChecking = false;
    // The user chose to keep this document's long lines: only a line that may not be kept is
    // offered a break again.
    bool m_keepLongLines = false;
    Ui::MainWindow *ui;
    FileState m_file;
    QUrl m_updateUrl;
    QNetworkAccessManager *m_network = nullptr;
    QNetworkReply *m_reply = nullptr;
    QAction *m_recentSeparator = nullptr;
    QAction *m_recentActions[10] = {};
    QAction *m_clearRecentAction = nullptr;
    QMenu *m_languageMenu = nullptr;
    QAction *m_systemLanguageAction = nullptr;
    // Until the panel has been shown or a saved state placed it, it opens next to the window.
    bool m_findPanelPlaced = false;
    // The saved state showed the panel before the window: it is shown with the window.
    bool m_panelAwaitsWindow = false;
    MatchHighlights *m_matches = nullptr;
    FadingNote *m_note = nullptr;
    InlineSpellCheck *m_spelling = nullptr;
    // Tools menu notes, one for each language that has no dictionary.
    QList<QAction *> m_missingDictionaries;
    DocumentPrinter *m_printer = nullptr;
    DocumentStatus *m_status = nullptr;
    EditorFont *m_font = nullptr;
    // The actions made by createViewActions().
    struct {
        QAction *goToLine = nullptr;
        QAction *statusBar = nullptr;
        QAction *zoomIn = nullptr;
        QAction *zoomOut = nullptr;
        QAction *resetZoom = nullptr;
        QAction *invisibles = nullptr;
        QAction *visualCursor = nullptr;
    } m_view;
};

#endif
