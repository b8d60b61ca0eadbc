// The class library's windows: the class pages of the tool area (from data\classes\class.cls),
// the preprocessing panel in the docking area, and the class wizard.
#include "classlib/class_catalogue.h"
#include "classlib/ui/class_catalogue_dialogs.h"
#include "classlib/ui/class_pages.h"
#include "classlib/ui/class_wizard_dialog.h"
#include "classlib/ui/template_panel.h"
#include "editor/ui/code_editor.h"
#include "platform/prompts.h"
#include "projects/add_to_project.h"
#include "projects/ui/project_windows.h"
#include "settings/shell_settings.h"
#include "shell/ui/document_page.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/main_window.h"
#include "shell/ui/program_windows.h"
#include "text/document_text.h"
#include "text/win1250.h"

#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QTabWidget>

namespace wertan {

void createClasslibWindows(MainWindow& main) {
    DocumentWorkspace& workspace = main.workspace();
    Prompts& prompts = main.services().prompts;

    // The preprocessing panel lives in the docking area, hidden until a class button opens a file.
    auto* panel = new TemplatePanel(prompts, main.dockingArea());
    panel->hide();
    if (QLayout* layout = main.dockingArea()->layout()) layout->addWidget(panel);
    panel->insertAtLine = [&workspace](const std::string& line, int index) {
        workspace.insertAtLine(line, index);
    };
    panel->documentContains = [&workspace](const std::string& line) {
        return workspace.documentContains(line);
    };
    panel->showDocked = [&main] { main.dockingArea()->show(); };
    // The template and its attachments go into a directory of the open project.
    if (ProjectWindows* projects = ProjectWindows::of(&main)) {
        ShellSettings& settings = main.settings();
        panel->projectDirectories = [projects, &settings] {
            return settings.project.projectOpen ? projects->project().directories() : QStringList();
        };
        panel->addToProject = [projects, &settings, &prompts](const QString& directory,
                                                              const QString& templatePath) {
            if (!settings.project.projectOpen) {
                prompts.message(QStringLiteral("Nie otwarto projektu: plik klasy %1 nie został skopiowany do "
                                               "katalogu projektu.")
                                    .arg(QFileInfo(templatePath).fileName()));
                return false;
            }
            return !projects->addToProjectFunction()(directory, templatePath, true).listed.isEmpty();
        };
    }

    const QString programDirectory = main.services().paths.directory();
    auto* pages = new ClassPages(
        main.toolPages(), main.toolPages()->count(), programDirectory, prompts,
        [panel](const QString& path) { panel->open(path); }, &main);
    const QString cataloguePath = main.services().paths.file(QStringLiteral("data\\classes\\class.cls"));
    if (!QFileInfo::exists(cataloguePath)) {
        if (QMenu* classes = main.menu(QStringLiteral("MenuClasses"))) classes->setEnabled(false);
    } else {
        // The note stands while the catalogue is read and its pages are built.
        const QString reading = QStringLiteral("Wczytuję tagi zkPHP...");
        main.setStatusPanel(6, reading);
        std::string bytes;
        QString error;
        if (!readFileBytes(cataloguePath, &bytes, &error)) {
            prompts.error(QStringLiteral("Nie można odczytać pliku %1: %2").arg(cataloguePath, error));
        } else {
            CatalogueReadResult read = readCatalogue(bytes);
            if (!read.ok) {
                prompts.error(
                    QStringLiteral("Błąd w pliku %1: %2").arg(cataloguePath, fromWin1250(read.error)));
            } else {
                pages->catalogue() = std::move(read.tabs);
                pages->build();
            }
        }
        if (main.statusPanelText(6) == reading) main.setStatusPanel(6, QString());
    }
    main.setCommandHandler(QStringLiteral("MenuClasses_Refresh"), [pages] { pages->refresh(); });

    // The class manager, the add-class dialog and the create-init-file dialog edit the catalogue
    // the pages are built from; the manager's "&OK" writes it, "&Odśwież" shows it.
    auto* manager = new ClassManagerDialog(pages->catalogue(), cataloguePath, prompts, &main);
    main.setCommandHandler(QStringLiteral("MenuClasses_Manager"), [manager] { manager->showManager(); });
    auto* addClass = new AddClassDialog(pages->catalogue(), programDirectory, prompts, &main);
    main.setCommandHandler(QStringLiteral("MenuClasses_Add"), [addClass] { addClass->showDialog(); });
    // The new class's template and attachments are copied by the projects' add operation.
    if (ProjectWindows* projects = ProjectWindows::of(&main)) {
        auto* createInit = new CreateInitFileDialog(
            prompts,
            [projects](const QString& directory, const QString& source) {
                const AddToProjectResult result = projects->addToProjectFunction()(directory, source, true);
                return result.completed && result.errors.isEmpty();
            },
            &main);
        main.setCommandHandler(QStringLiteral("MenuClasses_CreateInit"),
                               [createInit] { createInit->showDialog(); });
    }

    // The class wizard.
    auto* wizard = new ClassWizardDialog(
        prompts, main.services().paths.file(QStringLiteral("data\\classes\\wizard")), &main);
    wizard->intoNewDocument = [&workspace](const std::vector<std::string>& lines) {
        DocumentPage* page = workspace.newPhpDocument();
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i)
            text += (i ? "\n" : "") + lines[i]; // a new document's line end
        if (page && page->editor()) page->editor()->setDocumentBytes(text);
    };
    wizard->insertLine = [&workspace](const std::string& line) { workspace.insertLine(line); };
    main.setCommandHandler(QStringLiteral("MenuTools_ClassWizard"), [wizard] { wizard->start(); });
}

} // namespace wertan
