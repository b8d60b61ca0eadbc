#pragma once
// The open project and its windows, made once at start-up: the new-project dialog, the
// directories dialog, the insert-directory window, the add and remove dialogs and the project files
// window. The shell gives the commands to the main window and the workspace hooks; other parts reach
// the add operation through `addToProjectFunction()`.
#include "projects/project.h"

#include <QObject>
#include <functional>

class QWidget;

namespace wertan {

class AddFileDialog;
class InsertDirWindow;
class NewProjectDialog;
class ProjectDirsDialog;
class ProjectFilesDialog;
class Prompts;
class RemoveFileDialog;
struct ShellSettings;

// What the project windows need from the rest of the program.
struct ProjectWindowsEnvironment {
    ShellSettings& settings;
    Prompts& prompts;
    // The class library folder, the base of a relative file to add (the program directory's "zklib/").
    QString libraryDir;
    // The windows' parent; the project windows are found through it (`of`).
    QWidget* parent = nullptr;
    // Opens a file as a document.
    std::function<void(const QString& path)> openDocument;
    // Whether a document tab has this caption (letter case counts).
    std::function<bool(const QString& caption)> isOpenInTab;
    // Inserts text at the caret of the active document.
    std::function<void(const QString& text)> insertText;
    // Enables the project commands while a project is open, disables them otherwise.
    std::function<void()> applyCommandState;
};

class ProjectWindows : public QObject {
    Q_OBJECT
public:
    explicit ProjectWindows(ProjectWindowsEnvironment environment);
    ~ProjectWindows() override;

    // The project windows made for a parent window, or null.
    static ProjectWindows* of(QObject* parent);

    Project& project() { return project_; }
    const Project& project() const { return project_; }

    // "Nowy &Projekt": the new-project dialog, modal.
    void newProject();
    // "O&twórz projekt...": a project description chosen and opened.
    void openProject();
    // Opens the project whose description is at the path; a failure is shown.
    bool openProjectFile(const QString& path);
    // "Zapisz proje&kt".
    void saveProject();
    // "Za&mknij projekt": asks first when the project has unsaved changes.
    void closeProject();
    // The file-list check after "Z&amknij wszystko".
    void fileListCheck();
    // The end of the program.
    void writeAtExit();
    // A document saved under a new name joins the open project's file list, which is written.
    void appendSavedFile(const QString& path);

    void showAddFile();
    void showRemoveFile();
    void showFiles();
    void showDirectories();
    void showInsertDirectory();
    // "&Do zrobienia...": the project's to-do list opened as a document, made empty the first time.
    void openToDoList();

    // The add operation as other parts of the program call it: the file (and with the flag its
    // attachments) copied into the directory (an entry of the project's list or an absolute
    // directory), asked about and reported through the program's prompts, and listed in the open
    // project's file list. The result tells what was listed.
    using AddFunction =
        std::function<AddToProjectResult(const QString& dir, const QString& source, bool followAttachments)>;
    AddFunction addToProjectFunction();

    // Asks about unsaved changes of the open project: Yes saves, No drops them, Cancel keeps the
    // project open. True when the project may be left.
    bool leaveOpenProject();

    NewProjectDialog* newProjectDialog() const { return newProject_; }
    ProjectDirsDialog* dirsDialog() const { return dirs_; }
    InsertDirWindow* insertDirWindow() const { return insertDir_; }
    AddFileDialog* addFileDialog() const { return addFile_; }
    RemoveFileDialog* removeFileDialog() const { return removeFile_; }
    ProjectFilesDialog* filesDialog() const { return files_; }

    static QString unsavedChangesQuestion(const QString& projectName);

private:
    void afterCommand();

    ProjectWindowsEnvironment env_;
    Project project_;
    ProjectDirsDialog* dirs_ = nullptr;
    NewProjectDialog* newProject_ = nullptr;
    InsertDirWindow* insertDir_ = nullptr;
    AddFileDialog* addFile_ = nullptr;
    RemoveFileDialog* removeFile_ = nullptr;
    ProjectFilesDialog* files_ = nullptr;
};

} // namespace wertan
