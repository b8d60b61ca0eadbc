// Pictures of the project dialogs for docs/screenshots. Runs only when WERTAN_SCREENSHOT_DIR names
// the folder to write them to.
#include "projects/ui/add_file_dialog.h"
#include "projects/ui/insert_dir_window.h"
#include "projects/ui/new_project_dialog.h"
#include "projects/ui/project_dirs_dialog.h"
#include "projects/ui/project_files_dialog.h"
#include "projects/ui/project_windows.h"
#include "projects/ui/remove_file_dialog.h"
#include "shell/main_window_harness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace wertan;
using namespace wertan::test;

namespace {

using ProjectScreenshots = MainWindowHarness;

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void save(QWidget& w, const QDir& out, const char* name) {
    settle();
    w.adjustSize();
    settle();
    EXPECT_TRUE(w.grab().save(out.filePath(QString::fromLatin1(name)))) << name;
}

QString writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path.toStdString();
    return path;
}

} // namespace

TEST_F(ProjectScreenshots, DialogsForTheDocumentation) {
    const QString folder = qEnvironmentVariable("WERTAN_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "set WERTAN_SCREENSHOT_DIR to write the pictures";
    const QDir out(folder);
    window->settings().documentRoot = QStringLiteral("/home/jan/public_html");
    ProjectWindows& projects = *ProjectWindows::of(window.get());

    run("MenuFile_NewProject");
    NewProjectDialog& create = *projects.newProjectDialog();
    create.nameField()->setText(QStringLiteral("Sklep z książkami"));
    create.inRootDirectoryField()->setText(QStringLiteral("sklep"));
    save(create, out, "new_project_dialog.png");
    create.inRootBox()->setChecked(false);
    create.otherDirectoryField()->setText(QStringLiteral("/home/jan/projekty/sklep"));
    save(create, out, "new_project_dialog_elsewhere.png");
    create.cancelButton()->click();

    // A project with a few directories and files, written into the test's own folder.
    // Under a short fixed folder, so that the pictures show readable paths; removed at the end.
    QDir shortFolder(QDir::tempPath() + QStringLiteral("/wertan-zrzuty"));
    shortFolder.removeRecursively();
    const QString root = shortFolder.filePath(QStringLiteral("www"));
    QDir().mkpath(root);
    window->settings().documentRoot = root;
    Project& project = projects.project();
    project.directories() = QStringList{"strony", "inc", "img", "css"};
    QString error;
    ASSERT_TRUE(project.create({QStringLiteral("Sklep"), true, QStringLiteral("sklep"), {}}, root, &error));
    window->applyProjectCommandState();
    for (const char* f :
         {"strony/index.php3", "strony/koszyk.php3", "inc/menu.inc", "inc/baza.inc", "img/logo.gif"})
        project.files() << writeFile(root + "/sklep/" + QString::fromLatin1(f), "x");

    run("MenuProject_Dirs");
    ProjectDirsDialog& dirs = *projects.dirsDialog();
    dirs.list()->setCurrentRow(1);
    save(dirs, out, "project_dirs_dialog.png");
    dirs.cancelButton()->click();

    run("MenuProject_AddFile");
    AddFileDialog& add = *projects.addFileDialog();
    add.sourceField()->setText(QStringLiteral("/home/jan/biblioteka/menu.php3"));
    add.directoryList()->setCurrentIndex(1);
    save(add, out, "add_file_dialog.png");
    add.cancelButton()->click();

    run("MenuProject_RemoveFile");
    RemoveFileDialog& remove = *projects.removeFileDialog();
    save(remove, out, "remove_file_dialog.png");
    remove.cancelButton()->click();

    run("MenuProject_Files");
    ProjectFilesDialog& files = *projects.filesDialog();
    files.resize(620, 300);
    files.list()->setCurrentRow(1);
    settle();
    EXPECT_TRUE(files.grab().save(out.filePath("project_files_dialog.png")));
    files.renameButton()->click();
    files.newNameField()->setText(QStringLiteral("zamowienie.php3"));
    settle();
    EXPECT_TRUE(files.grab().save(out.filePath("project_files_dialog_rename.png")));
    files.cancelButton()->click();
    files.list()->setCurrentRow(4);
    files.moveButton()->click();
    settle();
    EXPECT_TRUE(files.grab().save(out.filePath("project_files_dialog_move.png")));
    files.cancelButton()->click();
    files.cancelButton()->click();

    run("MenuInsert_ProjectDir");
    save(*projects.insertDirWindow(), out, "insert_dir_window.png");
    shortFolder.removeRecursively();
}
