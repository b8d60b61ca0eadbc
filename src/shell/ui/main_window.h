#pragma once
// The main window "Wertan PHP": tool area, docking area, the "Kod" and "Przeglądaj" pages, the
// status bar, the whole command set, view options, layout persistence and the closing check.
#include "settings/shell_settings.h"
#include "shell/ui/shell_services.h"

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>

class QActionGroup;
class QLabel;
class QSplitter;
class QTabWidget;
class QToolButton;

namespace wertan {

class DocumentWorkspace;
class EditorEnvironment;
enum class ColouringKind;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Runs the window's creation step; the saved layout is restored right after it.
    explicit MainWindow(ShellServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Creates the program's other windows in their order; the editor options become ready and the
    // file named by the first argument (if any) is opened.
    void createOtherWindows(const QStringList& arguments);

    ShellSettings& settings() { return settings_; }
    ShellServices& services() { return services_; }
    DocumentWorkspace& workspace() { return *workspace_; }
    EditorEnvironment& editorEnvironment() { return *environment_; }

    // Commands by name ("MenuFile_New", "PopupMenu_HLPHP", ...) and menus by name ("MenuFile", ...).
    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;
    // Commands that still answer only with the note that they are not available in this version.
    QStringList commandsNotAvailable() const { return laterNotes_.keys(); }
    QStringList actionNames() const { return actions_.keys(); }
    // Gives a command its handler; a command of a part not built yet loses its "not available" note.
    void setCommandHandler(const QString& name, std::function<void()> handler);
    QString statusPanelText(int panel) const;
    // Writes a status panel (0 line, 1 column, 2 "Zmieniony", 6 notes and hints); a panel widens to
    // show its whole text.
    void setStatusPanel(int panel, const QString& text);
    QTabWidget* mainPageControl() const { return mainPages_; }
    QTabWidget* documentTabs() const { return documentTabs_; }
    QTabWidget* toolPages() const { return toolPages_; }
    QWidget* dockingArea() const { return panelLeft_; }
    QSplitter* mainSplitter() const { return splitter_; }
    QToolButton* documentListButton() const { return documentListButton_; }

    // The docking area's side and visibility, and the document tabs' view options.
    bool dockingAreaOnLeft() const;
    // The closing check: asks about every changed document; true when the program may close.
    bool closingCheck();
    // The activation step (splitter colour, docking side, project commands).
    void activationStep();
    void deactivationStep();
    // Enables the project menu, its two file commands and the project tool buttons exactly while a
    // project is open.
    void applyProjectCommandState();
    // Refreshes the Insert, Caps Lock and Num Lock panels.
    void refreshKeyboardPanels();
    // Runs what the program does when it is idle.
    void idleStep();

    void saveLayout();
    void restoreLayout();

    // The main window's settings-store key.
    static QString layoutKey();

signals:
    // The program is closing (after the closing check and the layout): windows run their destroy steps.
    void closing();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildLayout();
    void buildStatusBar();
    void buildCommands();
    void buildEditorPopupMenu();
    void buildToolArea();
    bool buildTagMenus();
    void connectDocumentCommands();
    QAction* command(const QString& name, const QString& caption, const QString& hint = {},
                     const QKeySequence& shortcut = {});
    QMenu* addMenu(const QString& name, const QString& caption, QMenu* parent = nullptr);
    void laterPart(const QString& name);

    void toggleDockingArea();
    void switchDockingSide();
    void placeDockingArea(bool left);
    void toggleDocumentTabs();
    void setDocumentTabPosition(int tag);
    void applyDocumentTabSize();
    void placeDocumentListButton();
    void syncHighlighterMenu();
    void checkHighlighter(ColouringKind kind);
    void editorClipboard(const char* slot);
    // Hands the keyboard to the active document when a button or tab bar holds it.
    void keepKeyboardInDocument();

    ShellServices services_;
    ShellSettings settings_;
    std::unique_ptr<EditorEnvironment> environment_;
    DocumentWorkspace* workspace_ = nullptr;

    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    QHash<QString, QMetaObject::Connection> laterNotes_;
    QList<QLabel*> panels_;
    QWidget* toolArea_ = nullptr;
    QTabWidget* toolPages_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QWidget* panelLeft_ = nullptr;
    QTabWidget* mainPages_ = nullptr;
    QTabWidget* documentTabs_ = nullptr;
    QToolButton* documentListButton_ = nullptr;
    QMenu* editorPopup_ = nullptr;
    QActionGroup* highlighterGroup_ = nullptr;
    QHash<QString, QToolButton*> toolButtons_;
    bool documentTabsShown_ = true;
    int tabHeight_ = 0; // 0: natural size
    int tabWidth_ = 0;
    bool layoutRestorable_ = true;
};

} // namespace wertan
