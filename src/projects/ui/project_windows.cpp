#include "projects/ui/project_windows.h"

#include "platform/prompts.h"
#include "text/document_text.h"
#include "projects/ui/add_file_dialog.h"
#include "projects/ui/insert_dir_window.h"
#include "projects/ui/new_project_dialog.h"
#include "projects/ui/project_dirs_dialog.h"
#include "projects/ui/project_files_dialog.h"
#include "projects/ui/remove_file_dialog.h"
#include "settings/shell_settings.h"

#include <QFileInfo>
#include <QWidget>

namespace wertan {

ProjectWindows::ProjectWindows(ProjectWindowsEnvironment environment)
    : QObject(environment.parent), env_(std::move(environment)), project_(env_.settings.project) {
    setObjectName(QStringLiteral("ProjectWindows"));
    QWidget* parent = env_.parent;
    dirs_ = new ProjectDirsDialog(project_, parent);
    newProject_ = new NewProjectDialog(
        project_, env_.settings, env_.prompts, *dirs_, [this] { return leaveOpenProject(); },
        [this] {
            files_->refresh();
            afterCommand();
        },
        parent);
    insertDir_ = new InsertDirWindow(project_, env_.insertText, parent);
    addFile_ = new AddFileDialog(project_, env_.prompts, *dirs_, addToProjectFunction(), parent);
    removeFile_ = new RemoveFileDialog(project_, env_.prompts, env_.isOpenInTab, parent);
    ProjectFilesDialog::Actions actions;
    actions.openDocument = env_.openDocument;
    actions.addFile = [this] { addFile_->open(); };
    actions.removeFile = [this] { removeFile_->open(); };
    actions.directories = [this] { dirs_->open(); };
    files_ = new ProjectFilesDialog(project_, env_.prompts, std::move(actions), parent);
    // The project files window shows what the add and remove dialogs changed.
    for (QDialog* changer : std::initializer_list<QDialog*>{addFile_, removeFile_})
        connect(changer, &QDialog::finished, files_, &ProjectFilesDialog::refresh);
}

ProjectWindows::~ProjectWindows() = default;

ProjectWindows* ProjectWindows::of(QObject* parent) {
    return parent ? parent->findChild<ProjectWindows*>(QStringLiteral("ProjectWindows"),
                                                       Qt::FindDirectChildrenOnly)
                  : nullptr;
}

QString ProjectWindows::unsavedChangesQuestion(const QString& projectName) {
    return QStringLiteral("Projekt \"%1\" został zmieniony (katalogi albo lista plików). Zapisać zmiany?")
        .arg(projectName);
}

void ProjectWindows::afterCommand() {
    if (env_.applyCommandState) env_.applyCommandState();
}

bool ProjectWindows::leaveOpenProject() {
    if (!project_.hasUnsavedChanges()) return true;
    switch (
        env_.prompts.confirm(unsavedChangesQuestion(project_.state().projectName), Buttons::YesNoCancel)) {
    case Answer::Yes: {
        QString error;
        if (project_.save(&error)) return true;
        env_.prompts.error(error);
        return false;
    }
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void ProjectWindows::newProject() {
    newProject_->open();
}

void ProjectWindows::openProject() {
    if (!leaveOpenProject()) return;
    FileDialogRequest request;
    request.filter = QStringLiteral("Projekt Wertana PHP (*.PHQ)|*.phq");
    request.defaultExtension = QStringLiteral("phq");
    const QStringList chosen = env_.prompts.openFiles(request);
    if (!chosen.isEmpty()) openProjectFile(chosen.first());
}

bool ProjectWindows::openProjectFile(const QString& path) {
    QString error;
    const bool opened = project_.open(path, &error);
    if (!opened) env_.prompts.error(error);
    files_->refresh();
    afterCommand();
    return opened;
}

void ProjectWindows::saveProject() {
    QString error;
    if (project_.isOpen() && !project_.save(&error)) env_.prompts.error(error);
    afterCommand();
}

void ProjectWindows::closeProject() {
    if (!leaveOpenProject()) return;
    project_.close();
    files_->hide();
    files_->refresh();
    afterCommand();
}

void ProjectWindows::fileListCheck() {
    QString error;
    if (!project_.fileListCheck(env_.prompts, &error)) env_.prompts.error(error);
}

void ProjectWindows::writeAtExit() {
    QString error;
    if (!project_.writeAtExit(&error)) env_.prompts.error(error);
}

void ProjectWindows::appendSavedFile(const QString& path) {
    QString error;
    if (!project_.appendFile(path, &error)) env_.prompts.error(error);
    files_->refresh();
}

void ProjectWindows::showAddFile() {
    addFile_->open();
}

void ProjectWindows::showRemoveFile() {
    removeFile_->open();
}

void ProjectWindows::showFiles() {
    files_->showWindow();
}

void ProjectWindows::showDirectories() {
    dirs_->open();
}

void ProjectWindows::showInsertDirectory() {
    insertDir_->showWindow();
}

void ProjectWindows::openToDoList() {
    if (!project_.isOpen()) return;
    const QString path = project_.toDoListPath();
    if (!QFileInfo::exists(path)) {
        QString error;
        if (!writeFileAtomically(path, std::string_view(), &error)) {
            env_.prompts.error(QStringLiteral("Nie można utworzyć listy zadań projektu %1: %2").arg(path, error));
            return;
        }
    }
    env_.openDocument(path);
}

ProjectWindows::AddFunction ProjectWindows::addToProjectFunction() {
    return [this](const QString& dir, const QString& source, bool followAttachments) {
        AddToProjectResult result =
            project_.addFile(dir, source, followAttachments, env_.libraryDir, env_.prompts);
        if (files_) files_->refresh();
        return result;
    };
}

} // namespace wertan
