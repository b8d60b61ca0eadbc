// The PHP hint window and the "Funkcje" window, made once at start-up. The functions window loads
// the PHP 3 catalogue at once, which also fills the PHP completion list of the editors.
#include "catalogue/ui/functions_window.h"
#include "catalogue/ui/hint_window.h"
#include "editor/ui/editor_environment.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/main_window.h"
#include "shell/ui/program_windows.h"

namespace wertan {

void createCatalogueWindows(MainWindow& main) {
    EditorEnvironment& environment = main.editorEnvironment();
    auto* hints = new HintWindow(main.services().paths, main.dockingArea(), &main);
    hints->hide();
    environment.setHintLookup(hints);
    main.setCommandHandler(QStringLiteral("MenuView_PHPHints"), [hints] { hints->toggleShown(); });

    DocumentWorkspace& workspace = main.workspace();
    auto* functions = new FunctionsWindow(
        main.services().paths, main.services().prompts, environment.phpCompletionWords(),
        [&workspace](const QString& text) { workspace.insertText(text); }, main.dockingArea(), &main);
    functions->hide();
    functions->loadCatalogue(PhpVersion::Php3);
    main.setCommandHandler(QStringLiteral("MenuInsert_Functions"), [functions] { functions->toggleShown(); });
}

} // namespace wertan
