// The HTML generators' windows, made once at start-up, and the HTML tab's commands that show them.
#include "generators/head_generators.h"
#include "generators/ui/document_type_dialog.h"
#include "generators/ui/font_window.h"
#include "generators/ui/form_element_dialogs.h"
#include "generators/ui/meta_dialog.h"
#include "generators/ui/table_generator_dialog.h"
#include "platform/prompts.h"
#include "projects/ui/project_windows.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/main_window.h"
#include "shell/ui/program_windows.h"

#include <QToolButton>
#include <memory>
#include <optional>

namespace wertan {

void createGeneratorsWindows(MainWindow& main) {
    DocumentWorkspace& workspace = main.workspace();
    ShellSettings& settings = main.settings();
    Prompts& prompts = main.services().prompts;
    const GeneratorOutput output{[&workspace](const std::string& line) { workspace.insertLine(line); },
                                 [&workspace](const std::string& text) { workspace.insertText(text); },
                                 [&settings] { return settings.lowerCaseTags; }};

    // The table's attachment paths: the open project's directories as they are when it is shown.
    auto* table = new TableGeneratorDialog(
        output, prompts,
        [&main] {
            const ProjectWindows* projects = ProjectWindows::of(&main);
            return projects ? projects->project().directories() : QStringList{};
        },
        &main);
    main.setCommandHandler(QStringLiteral("BtnHTML_Table"), [table] { table->showDialog(); });

    const std::pair<const char*, GeneratorDialog*> formDialogs[] = {
        {"BtnInsertNewhForm", new FormStartDialog(output, &main)},
        {"BtnH_FEdit", new TextFieldDialog(output, &main)},
        {"BtnH_FMemo", new TextAreaDialog(output, &main)},
        {"BtnH_FButton", new ButtonDialog(output, &main)},
        {"BtnH_FComboBox", new SelectionListDialog(output, &main)},
        {"BtnH_FChecked", new CheckBoxGroupDialog(output, &main)},
        {"BtnH_FRadio", new RadioGroupDialog(output, &main)},
    };
    for (const auto& [name, dialog] : formDialogs)
        main.setCommandHandler(QString::fromLatin1(name), [dialog = dialog] { dialog->showDialog(); });
    main.setCommandHandler(QStringLiteral("BtnInserthFormEnd"),
                           [output, &settings] { output.lines(formEndLines(settings.lowerCaseTags)); });

    auto* documentType = new DocumentTypeDialog(output, &main);
    main.setCommandHandler(QStringLiteral("BtnHTML_Version"), [documentType] { documentType->showDialog(); });
    auto* meta = new MetaDialog(output, &main);
    main.setCommandHandler(QStringLiteral("BtnHTML_Meta"), [meta] { meta->showDialog(); });

    auto* font = new FontWindow(output, prompts, &main);
    main.setCommandHandler(QStringLiteral("BtnHTML_Font"), [font, &main] {
        font->showBelow(main.findChild<QToolButton*>(QStringLiteral("BtnHTML_Font")));
    });

    // The colour chooser starts from the colour chosen last.
    auto lastColour = std::make_shared<std::uint32_t>(0);
    main.setCommandHandler(QStringLiteral("BtnHTML_InsertColor"), [output, &prompts, lastColour] {
        if (const std::optional<std::uint32_t> colour = prompts.chooseColor(*lastColour)) {
            *lastColour = *colour & 0xFFFFFF;
            output.text(colourText(*lastColour));
        }
    });
}

} // namespace wertan
