// Pictures of the class library's windows for docs/screenshots. Runs only when
// WERTAN_SCREENSHOT_DIR names the folder to write them to.
#include "classlib/ui/class_catalogue_dialogs.h"
#include "classlib/ui/class_wizard_dialog.h"
#include "classlib/ui/template_panel.h"
#include "shell/main_window_harness.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

using namespace wertan;
using namespace wertan::test;

namespace {
using ClasslibScreenshots = MainWindowHarness;

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}
} // namespace

TEST_F(ClasslibScreenshots, Pictures) {
    const QString target = qEnvironmentVariable("WERTAN_SCREENSHOT_DIR");
    if (target.isEmpty()) GTEST_SKIP() << "WERTAN_SCREENSHOT_DIR is not set";
    window->resize(1100, 700);
    window->show();
    window->toolPages()->setCurrentIndex(2);
    auto* panel = window->findChild<TemplatePanel*>();
    panel->open(programDir + QStringLiteral("/zklib/tabela/tabela.php"));
    settle();
    EXPECT_TRUE(window->grab().save(target + QStringLiteral("/classlib-panel.png")));

    auto* wizard = window->findChild<ClassWizardDialog*>();
    run("MenuTools_ClassWizard");
    wizard->forward();
    wizard->forward();
    wizard->forward();
    wizard->variableGrid()->setItem(0, 0, new QTableWidgetItem(QStringLiteral("$nazwa")));
    wizard->variableGrid()->setItem(0, 1, new QTableWidgetItem(QStringLiteral("'Koszyk'")));
    settle();
    EXPECT_TRUE(wizard->grab().save(target + QStringLiteral("/classlib-wizard.png")));
    wizard->reject();

    run("MenuClasses_Manager");
    auto* manager = window->findChild<ClassManagerDialog*>();
    manager->addTabButton()->click();
    settle();
    EXPECT_TRUE(manager->grab().save(target + QStringLiteral("/class-manager.png")));
    manager->reject();
    run("MenuClasses_Add");
    auto* add = window->findChild<AddClassDialog*>();
    settle();
    EXPECT_TRUE(add->grab().save(target + QStringLiteral("/class-add.png")));
    add->reject();
    run("MenuClasses_CreateInit");
    auto* create = window->findChild<CreateInitFileDialog*>();
    settle();
    EXPECT_TRUE(create->grab().save(target + QStringLiteral("/class-init-file.png")));
    create->reject();
}
