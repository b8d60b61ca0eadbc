#pragma once
// The set of open documents on the "Kod" page: creating, opening, saving and closing them, the
// list behind the "Z" button, and the insertion operations every generator uses.
#include "editor/colouring_kind.h"
#include "text/document_text.h"
#include "text/text_format.h"

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QIcon;
class QMenu;
class QTabWidget;

namespace wertan {

class CodeEditor;
class DocumentPage;
class EditorEnvironment;
class KeywordBar;
class Launcher;
class Prompts;
struct ShellSettings;

// Where later subsystems plug into the document operations. Each is optional.
struct WorkspaceHooks {
    // Converts the active document's text before a save, as the program options ask.
    std::function<void(CodeEditor*)> convertBeforeSave;
    // Records a document saved over its own file in the reopen list.
    std::function<void(const QString& path)> addRecentDocument;
    // The folder where remote documents are written before they are sent back.
    std::function<QString()> ftpWorkingFolder;
    // Sends a remote document back to its server; true on success.
    std::function<bool(const QString& remotePath)> storeBack;
    // Appends a path to the open project's file list and writes the list.
    std::function<void(const QString& path)> appendToProjectFileList;
    // The project's file-list check after "close all".
    std::function<void()> projectFileListCheck;
    // Puts the keyword buttons on a new page's bar.
    std::function<void(KeywordBar*, DocumentKind)> fillKeywordBar;
    // Brings the main window to the foreground.
    std::function<void()> raiseMainWindow;
};

class DocumentWorkspace : public QObject {
    Q_OBJECT
public:
    DocumentWorkspace(QTabWidget* tabs, EditorEnvironment& environment, ShellSettings& settings,
                      Prompts& prompts, QObject* parent = nullptr);
    ~DocumentWorkspace() override;

    WorkspaceHooks& hooks() { return hooks_; }
    QTabWidget* tabs() const { return tabs_; }
    QMenu* documentList() const { return documentList_; }
    // The editor pop-up menu every page's editor shows.
    void setEditorPopupMenu(QMenu* menu) { popupMenu_ = menu; }

    int count() const;
    DocumentPage* page(int index) const;
    DocumentPage* activePage() const;
    CodeEditor* activeEditor() const;
    int activeIndex() const;
    // Makes a tab active without counting as the user switching tabs.
    void activate(int index);

    // The document made at start-up: "Beznazwy" without a number and without a path.
    DocumentPage* createStartupDocument();
    DocumentPage* newPhpDocument();
    DocumentPage* newSqlDocument();
    DocumentPage* newCleanDocument();
    // The open dialog; opens every chosen file.
    void openWithDialog();
    // Opens a file as a new document; nothing happens when no file exists at the path.
    DocumentPage* openDocument(const QString& path, const QString& extension, const QString& remotePath = {},
                               bool remote = false);
    // Saves the active document; false when it was not written (cancelled or failed).
    bool saveDocument();
    bool saveDocumentAs();
    // Saves every changed document in tab order, each as "Zapisz" would; stops at the first one
    // that was not written. The page that was active stays active.
    bool saveAllDocuments();
    // Writes the active document's text to a file as a save does (its encoding and line ends,
    // the question about characters its encoding cannot hold), without changing the document.
    bool writeActiveDocumentTo(const QString& path);
    // Before a preview: writes the active document to its own file (no conversion) and shows the
    // file name as its caption; its changed state stays. False for an untitled or remote document,
    // or when the write failed (after its message).
    bool writeActiveForPreview();
    // Closes the active document after asking about unsaved changes; false when it stays open.
    bool closeDocument();
    void closeActive();
    void closeAll();
    void pasteIntoNewDocument();
    void openFileAtSelection();
    bool canOpenFileAtSelection() const;
    int findDocumentTab(const QString& name) const;

    // Gives the keyboard to the active document's editor.
    void focusActiveEditor();
    // The format of new documents: the chosen encoding, LF line ends.
    TextFormat newDocumentFormat() const;
    // Changes how the active document is stored (the text stays); marks it changed.
    void setActiveEncoding(TextEncoding encoding);

    // Insertion into the active document.
    void insertText(const QString& text);
    void insertText(const std::string& win1250);
    void insertLine(const QString& text);
    void insertLine(const std::string& win1250);
    void insertAtLine(const QString& text, int index);
    void insertAtLine(const std::string& win1250, int index);
    bool documentContains(const std::string& win1250) const;

    // Applies options and colouring to a page's editor and checks the colouring menu item.
    void applyKind(CodeEditor* editor, ColouringKind kind);
    // Rebuilds the list behind the "Z" button (and the tabs' texts).
    void rebuildDocumentList();
    // The text of a tab and of its item in the "Z" list: the caption, and the folder when another
    // open document has the same caption.
    QString tabText(int index) const;
    // The picture of a mark: 0 local, 1 local changed, 2 remote, 3 remote changed.
    static QIcon markIcon(int mark);
    // The question asked before a changed document is closed or the program ends.
    static QString changedQuestion(const QString& caption);

signals:
    // Text for one of the main window's status panels.
    void statusText(int panel, const QString& text);
    // A colouring kind was applied to an editor (its menu item gets the check).
    void colouringApplied(ColouringKind kind);
    // The user switched tabs (or a close stepped back): the colouring menu follows the page.
    void userSwitchedTab();

private:
    DocumentPage* createPage(const QString& caption, const QString& path, int mark);
    // A new document's page with its starting text, in the format of new documents.
    void startNewText(DocumentPage* page, std::string_view text);
    void connectEditor(DocumentPage* page);
    // Adds the page's keyword bar and has its buttons put on it.
    void addKeywordBar(DocumentPage* page, DocumentKind kind);
    void onEditorStatus(CodeEditor* editor, bool modifiedChanged);
    void onCurrentChanged(int index);
    void afterUserSwitch();
    void refreshTabPicture(DocumentPage* page);
    void refreshTabTexts();
    // The status panels of the active page: caret line and column, "Zmieniony".
    void showPageStatus(DocumentPage* page);
    bool writeDocument(DocumentPage* page, const QString& path, bool convert);
    // Above the large-file size the user is asked before the file is read; true to open it.
    bool confirmLargeFile(const QString& path);
    void closePage(int index);

    QTabWidget* tabs_;
    EditorEnvironment& environment_;
    ShellSettings& settings_;
    Prompts& prompts_;
    WorkspaceHooks hooks_;
    QMenu* documentList_;
    QMenu* popupMenu_ = nullptr;
    bool programmaticSwitch_ = false;
};

} // namespace wertan
