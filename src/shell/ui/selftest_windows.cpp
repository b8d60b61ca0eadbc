// The about box and the self-test window, made once at start-up. The self-test runs as its window
// is made (after the program options, which re-create a missing options file) and disables the
// commands whose files are missing.
#include "platform/prompts.h"
#include "settings/program_options.h"
#include "settings/ui/self_test_window.h"
#include "shell/ui/about_box.h"
#include "shell/ui/main_window.h"
#include "shell/ui/program_windows.h"

#include <QAction>
#include <QToolButton>

namespace wertan {

namespace {
// Disables a command by its stored name: the main window's command, and any action or tool button
// of the program's windows with that name (the browsers' link menus, the tool-area picture).
void disableNamedCommand(MainWindow& main, const QString& name) {
    if (QAction* a = main.action(name)) a->setEnabled(false);
    for (QAction* a : main.findChildren<QAction*>(name))
        a->setEnabled(false);
    for (QToolButton* b : main.findChildren<QToolButton*>(name))
        b->setEnabled(false);
}
} // namespace

void createSelfTestWindows(MainWindow& main) {
    auto* about = new AboutBox(&main);
    main.setCommandHandler(QStringLiteral("MenuHelp_About"), [about] { about->open(); });

    const QString optionsPath = main.services().paths.file(kSelfTestOptions);
    // No companion programs are delivered with this build, so their rows are left out.
    auto* selfTest = new SelfTestWindow(
        main.services().paths, main.services().prompts, SelfTestSetup{}, selfTestFilePresent,
        [optionsPath](QString* error) {
            return writeProgramOptions(optionsPath, recordFromForm(initialProgramOptionsForm()), error);
        },
        [&main](const QString& name) { disableNamedCommand(main, name); }, &main);
    selfTest->runTest();
    if (QAction* command = main.action(QStringLiteral("MenuTools_AutoTest"))) {
        command->setToolTip(QStringLiteral("Program sam sprawdza składniki wchodzące w skład programu"));
        command->setStatusTip(QStringLiteral("Program sam sprawdza składniki wchodzące w skład programu"));
    }
    main.setCommandHandler(QStringLiteral("MenuTools_AutoTest"), [selfTest] { selfTest->open(); });
}

} // namespace wertan
