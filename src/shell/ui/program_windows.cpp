#include "shell/ui/program_windows.h"

#include "editor/ui/code_editor.h"
#include "editor/ui/editor_environment.h"
#include "shell/document_text.h"
#include "shell/ui/document_page.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/main_window.h"

#include <QFileInfo>

namespace wertan {

namespace {
// The editor options window: options and colours are loaded and applied to the first document,
// the options become ready, then the file named by the first argument is opened.
void createEditorOptions(TFormMainPHP& main, const QStringList& arguments) {
    EditorEnvironment& environment = main.editorEnvironment();
    DocumentWorkspace& workspace = main.workspace();
    environment.initialise(workspace.page(0) ? workspace.page(0)->editor() : nullptr);
    QObject::connect(&environment, &EditorEnvironment::optionsConfirmed, &main, [&environment, &workspace] {
        // Every page gets the options again, its colouring on or off as it was.
        for (int i = 0; i < workspace.count(); ++i)
            environment.reapplyEditorOptions(workspace.page(i)->editor());
    });
    main.setCommandHandler(QStringLiteral("MenuTools_EditorOptions"), [&main] {
        main.editorEnvironment().showOptionsDialog(&main);
    });
    if (!arguments.isEmpty()) {
        const QString path = QFileInfo(arguments.first()).absoluteFilePath();
        workspace.OpenDocument(path, upperExtension(path));
    }
}
} // namespace

void createProgramWindows(TFormMainPHP& main, const QStringList& arguments) {
    // The order of creation: FTP sites, PHP hints, servers, server configuration, table generator,
    // new project, project directories, insert directory, the form element generators, project
    // file dialogs, go to line, document type, META, functions, font, class dialogs, about,
    // template preprocessing, program options, editor options, self-test, mini browser, FTP
    // windows, class wizard, reopen list, clipboard view. Windows of parts not built yet are absent.
    createEditorOptions(main, arguments);
}

} // namespace wertan
