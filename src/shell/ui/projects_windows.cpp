// Start-up wiring of the project windows: the project commands of the main window, the workspace's
// project hooks ("save as", "close all") and the write at the end of the program.
#include "projects/ui/project_windows.h"
#include "settings/shell_settings.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/main_window.h"
#include "shell/ui/program_windows.h"
#include "text/document_text.h"

namespace wertan {

void createProjectsWindows(MainWindow& main) {
    DocumentWorkspace& workspace = main.workspace();
    ProjectWindowsEnvironment environment{
        .settings = main.settings(),
        .prompts = main.services().prompts,
        .libraryDir = main.services().paths.file(QStringLiteral("zklib\\")),
        .parent = &main,
        .openDocument =
            [&workspace](const QString& path) { workspace.openDocument(path, upperExtension(path)); },
        .isOpenInTab =
            [&workspace](const QString& caption) { return workspace.findDocumentTab(caption) >= 0; },
        .insertText = [&workspace](const QString& text) { workspace.insertText(text); },
        .applyCommandState = [&main] { main.applyProjectCommandState(); },
    };
    auto* windows = new ProjectWindows(std::move(environment));

    const std::pair<const char*, void (ProjectWindows::*)()> commands[] = {
        {"MenuFile_NewProject", &ProjectWindows::newProject},
        {"MenuFile_OpenProject", &ProjectWindows::openProject},
        {"MenuFile_SaveProject", &ProjectWindows::saveProject},
        {"MenuFile_CloseProject", &ProjectWindows::closeProject},
        {"MenuProject_Dirs", &ProjectWindows::showDirectories},
        {"MenuProject_AddFile", &ProjectWindows::showAddFile},
        {"MenuProject_RemoveFile", &ProjectWindows::showRemoveFile},
        {"MenuProject_Files", &ProjectWindows::showFiles},
        {"MenuProject_ToDo", &ProjectWindows::openToDoList},
        {"MenuInsert_ProjectDir", &ProjectWindows::showInsertDirectory},
    };
    for (const auto& [name, command] : commands)
        main.setCommandHandler(QString::fromLatin1(name), [windows, command] { (windows->*command)(); });

    WorkspaceHooks& hooks = workspace.hooks();
    hooks.appendToProjectFileList = [windows](const QString& path) { windows->appendSavedFile(path); };
    hooks.projectFileListCheck = [windows] { windows->fileListCheck(); };
    QObject::connect(&main, &MainWindow::closing, windows, &ProjectWindows::writeAtExit);
    main.applyProjectCommandState();
}

} // namespace wertan
