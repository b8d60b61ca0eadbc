#include "shell/ui/program_windows.h"

#include "editor/ui/code_editor.h"
#include "editor/ui/editor_environment.h"
#include "settings/ui/program_options_dialog.h"
#include "settings/ui/reopen_list_dialog.h"
#include "shell/ui/clipboard_window.h"
#include "shell/ui/document_page.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/goto_line_dialog.h"
#include "shell/ui/main_window.h"
#include "shell/ui/print_documents.h"
#include "shell/ui/search_dialogs.h"
#include "shell/ui/shell_commands.h"
#include "text/document_text.h"

#include <QAction>
#include <QFileInfo>

namespace wertan {

namespace {
// The go-to-line dialog.
void createGotoLine(MainWindow& main) {
    auto* window = new GotoLineDialog(main);
    main.setCommandHandler(QStringLiteral("MenuEdit_GoToLine"), [window] { window->open(); });
}

// The options dialog reads config\prog.dat2 and publishes its values into the shell settings.
void createProgramOptions(MainWindow& main) {
    auto* window =
        new ProgramOptionsDialog(main.settings(), main.services().prompts,
                                 main.services().paths.file(QStringLiteral("config\\prog.dat2")), &main);
    window->createStep();
    if (QAction* command = main.action(QStringLiteral("MenuTools_Options"))) {
        command->setToolTip(QStringLiteral("Opcje umożliwiające skonfigurowanie ogólne programu."));
        command->setStatusTip(command->toolTip());
    }
    main.setCommandHandler(QStringLiteral("MenuTools_Options"), [window] { window->open(); });
}

// The editor options window: options and colours are loaded and applied to the first document,
// the options become ready, then the file named by the first argument is opened.
void createEditorOptions(MainWindow& main, const QStringList& arguments) {
    EditorEnvironment& environment = main.editorEnvironment();
    DocumentWorkspace& workspace = main.workspace();
    environment.initialise(workspace.page(0) ? workspace.page(0)->editor() : nullptr);
    QObject::connect(&environment, &EditorEnvironment::optionsConfirmed, &main, [&environment, &workspace] {
        // Every page gets the options again, its colouring on or off as it was.
        for (int i = 0; i < workspace.count(); ++i)
            environment.reapplyEditorOptions(workspace.page(i)->editor());
    });
    main.setCommandHandler(QStringLiteral("MenuTools_EditorOptions"),
                           [&main] { main.editorEnvironment().showOptionsDialog(&main); });
    if (!arguments.isEmpty()) {
        const QString path = QFileInfo(arguments.first()).absoluteFilePath();
        workspace.openDocument(path, upperExtension(path));
    }
}

// The reopen dialog builds the "Otwórz ponownie" submenu; saves over a document's own file are
// recorded from now on.
void createReopenList(MainWindow& main) {
    DocumentWorkspace& workspace = main.workspace();
    auto* window = new ReopenListDialog(
        main.services().prompts, main.services().paths.file(QStringLiteral("config\\reloaddoc.dat2")),
        main.menu(QStringLiteral("MenuFile_Reopen")),
        [&workspace](const QString& path) { workspace.openDocument(path, upperExtension(path)); }, &main);
    window->refresh();
    workspace.hooks().addRecentDocument = [window](const QString& path) { window->addRecentDocument(path); };
    main.setCommandHandler(QStringLiteral("MenuFile_ReopenMore"), [window] { window->open(); });
}

void createClipboardView(MainWindow& main) {
    auto* window = new ClipboardWindow(main);
    main.setCommandHandler(QStringLiteral("MenuEdit_ShowClipboard"), [window] { window->open(); });
}
} // namespace

void createProgramWindows(MainWindow& main, const QStringList& arguments) {
    // The main window's own commands: keyword bars, the "&Wstaw" templates, the coding commands,
    // the find and replace dialogs (made once with the main window) and printing.
    installKeywordBars(main);
    installSnippetCommands(main);
    installCodingCommands(main);
    installSearchDialogs(main);
    installPrinting(main);

    // The order of creation: FTP sites, PHP hints, servers, server configuration, table generator,
    // new project, project directories, insert directory, the form element generators, project
    // file dialogs, go to line, document type, META, functions, font, class dialogs, about,
    // template preprocessing, program options, editor options, self-test, mini browser, FTP
    // windows, class wizard, reopen list, clipboard view. Windows of parts not built yet are absent.
    createServersWindows(main);
    // The project windows hold the open project, which later windows read, so they come early.
    createProjectsWindows(main);
    // The generators' windows keep nothing outside themselves, so they are made together.
    createGeneratorsWindows(main);
    createCatalogueWindows(main);
    createClasslibWindows(main);
    createGotoLine(main);
    createProgramOptions(main);
    createEditorOptions(main, arguments);
    createSelfTestWindows(main);
    createBrowserWindows(main);
    createFtpWindows(main);
    createReopenList(main);
    createClipboardView(main);
}

} // namespace wertan
