// The project commands and dialogs through the real main window, as a user works with them.
#include "projects/add_to_project.h"
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
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace wertan;
using namespace wertan::test;

namespace {

class ProjectDialogsTest : public MainWindowHarness {
protected:
    QString root;

    void SetUp() override {
        MainWindowHarness::SetUp();
        root = dir.file("www"); // as the options dialog gives it: no trailing separator
        QDir().mkpath(root);
        window->settings().documentRoot = root;
    }

    ProjectWindows& projects() { return *ProjectWindows::of(window.get()); }
    Project& project() { return projects().project(); }
    NewProjectDialog& newDialog() { return *projects().newProjectDialog(); }
    ProjectDirsDialog& dirsDialog() { return *projects().dirsDialog(); }
    AddFileDialog& addDialog() { return *projects().addFileDialog(); }
    RemoveFileDialog& removeDialog() { return *projects().removeFileDialog(); }
    ProjectFilesDialog& filesDialog() { return *projects().filesDialog(); }

    bool commandsEnabled() {
        return window->menu(QStringLiteral("MenuProject"))->menuAction()->isEnabled() &&
               window->action(QStringLiteral("MenuFile_SaveProject"))->isEnabled() &&
               window->action(QStringLiteral("MenuFile_CloseProject"))->isEnabled() &&
               window->findChild<QToolButton*>(QStringLiteral("BtnAddFile"))->isEnabled();
    }

    // "Nowy &Projekt" in the root, with directories typed in "&Inne katalogii projektu...".
    void newProjectInRoot(const QString& name, const QString& directory,
                          const QStringList& subdirectories = {}) {
        run("MenuFile_NewProject");
        ASSERT_TRUE(newDialog().isVisible());
        newDialog().nameField()->setText(name);
        newDialog().inRootBox()->setChecked(true); // the dialog keeps what was typed last time
        newDialog().inRootDirectoryField()->setText(directory);
        if (!subdirectories.isEmpty()) {
            newDialog().directoriesButton()->click();
            ASSERT_TRUE(dirsDialog().isVisible());
            for (const QString& d : subdirectories) {
                dirsDialog().nameField()->setText(d);
                dirsDialog().addButton()->click();
            }
            dirsDialog().okButton()->click();
        }
        newDialog().okButton()->click();
        ASSERT_FALSE(newDialog().isVisible());
    }

    // "&Dodaj plik": a file into one of the directories.
    void addFile(const QString& source, const QString& directory, bool follow = true) {
        run("MenuProject_AddFile");
        ASSERT_TRUE(addDialog().isVisible());
        addDialog().sourceField()->setText(source);
        const int index = addDialog().directoryList()->findText(directory);
        ASSERT_GE(index, 0) << directory.toStdString();
        addDialog().directoryList()->setCurrentIndex(index);
        addDialog().followBox()->setChecked(follow);
        addDialog().addButton()->click();
        ASSERT_FALSE(addDialog().isVisible());
    }

    // A click on an entry of the project files window.
    void clickFile(int row) {
        QListWidget* list = filesDialog().list();
        QListWidgetItem* item = list->item(row);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }

    QStringList listed(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
};

TEST_F(ProjectDialogsTest, AUserBuildsAProjectClosesItAndOpensItAgain) {
    const QString lib = dir.file("lib");
    dir.write("lib/index.php3", "<?php echo 'start'; ?>\r\n");
    dir.write("lib/menu.php3", "<?php\r\n// #zkfile(Menu.INC)\r\ninclude('menu.inc');\r\n?>\r\n");
    dir.write("lib/menu.inc", "<?php // #zkfile(style.inc) ?>\r\n");
    dir.write("lib/style.inc", "<?php $kolor = 'red'; ?>\r\n");
    dir.write("lib/logo.gif", "GIF89a");

    EXPECT_FALSE(commandsEnabled());
    newProjectInRoot("Sklep", "strona", {"strony", "inc", "img"});
    EXPECT_TRUE(commandsEnabled());
    const QString site = root + "/strona";
    for (const char* sub : {"strony", "inc", "img"})
        EXPECT_TRUE(QFileInfo(site + "/" + sub).isDir()) << sub;

    addFile(lib + "/index.php3", "strony");
    addFile(lib + "/menu.php3", "inc");
    addFile(lib + "/logo.gif", "strony");
    EXPECT_EQ(project().files(),
              (QStringList{site + "/strony/index.php3", site + "/inc/menu.inc", site + "/inc/style.inc",
                           site + "/inc/menu.php3", site + "/strony/logo.gif"}));

    run("MenuProject_Files");
    ASSERT_TRUE(filesDialog().isVisible());
    EXPECT_EQ(listed(filesDialog().list()), project().files());
    // Rename index.php3 to start.php3.
    clickFile(0);
    filesDialog().renameButton()->click();
    EXPECT_EQ(filesDialog().newNameField()->text(), QStringLiteral("index.php3"));
    filesDialog().newNameField()->setText("start.php3");
    filesDialog().okButton()->click();
    // Move logo.gif into img.
    clickFile(4);
    filesDialog().moveButton()->click();
    filesDialog().targetDirectoryList()->setCurrentIndex(2);
    EXPECT_EQ(filesDialog().targetDirectoryList()->currentText(), QStringLiteral("img"));
    filesDialog().okButton()->click();
    EXPECT_EQ(filesDialog().mode(), ProjectFilesDialog::Mode::Normal);
    filesDialog().okButton()->click(); // writes the file list and closes
    EXPECT_FALSE(filesDialog().isVisible());

    const QStringList expectedFiles{site + "/strony/start.php3", site + "/inc/menu.inc",
                                    site + "/inc/style.inc", site + "/inc/menu.php3", site + "/img/logo.gif"};
    run("MenuFile_CloseProject");
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Confirm).isEmpty()); // nothing unsaved
    EXPECT_FALSE(commandsEnabled());
    EXPECT_TRUE(project().files().isEmpty());

    prompts.queueFiles({site + "/Sklep.phq"});
    run("MenuFile_OpenProject");
    EXPECT_TRUE(commandsEnabled());
    EXPECT_EQ(project().files(), expectedFiles);
    EXPECT_EQ(project().directories(), (QStringList{"strony", "inc", "img"}));
    for (const QString& f : expectedFiles)
        EXPECT_TRUE(QFileInfo(f).isFile()) << f.toStdString();
    EXPECT_EQ(readAll(site + "/strony/start.php3"), "<?php echo 'start'; ?>\r\n");
    EXPECT_EQ(readAll(site + "/img/logo.gif"), "GIF89a");
    EXPECT_FALSE(QFile::exists(site + "/strony/index.php3"));
    EXPECT_FALSE(QFile::exists(site + "/strony/logo.gif"));

    // The two project files, byte for byte.
    const QByteArray siteBytes = site.toUtf8(); // the test folder's path is ASCII
    EXPECT_EQ(readAll(site + "/Sklep.phq"),
              "// Nazwa projektu\r\nSklep\r\n// Katalog projektu\r\n" + siteBytes +
                  "\r\n// W root\r\nTrue\r\n// Katalogi:\r\nstrony\r\ninc\r\nimg\r\n");
    EXPECT_EQ(readAll(site + "/Sklep.phf"),
              siteBytes + "/strony/start.php3\r\n" + siteBytes + "/inc/menu.inc\r\n" + siteBytes +
                  "/inc/style.inc\r\n" + siteBytes + "/inc/menu.php3\r\n" + siteBytes + "/img/logo.gif\r\n");
    EXPECT_TRUE(prompts.unexpected().isEmpty()) << prompts.unexpected().join(", ").toStdString();
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Message).isEmpty());
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Error).isEmpty());
}

TEST_F(ProjectDialogsTest, NewProjectInTheRootOrElsewhere) {
    run("MenuFile_NewProject");
    EXPECT_EQ(newDialog().windowTitle(), QStringLiteral("Nowy projekt"));
    EXPECT_EQ(newDialog().nameField()->text(), QStringLiteral("Projekt bez nazwy"));
    EXPECT_TRUE(newDialog().inRootBox()->isChecked());
    EXPECT_TRUE(newDialog().inRootDirectoryField()->isVisible());
    EXPECT_FALSE(newDialog().otherDirectoryField()->isVisible());

    // Elsewhere: the directory comes from the folder chooser.
    newDialog().inRootBox()->setChecked(false);
    EXPECT_FALSE(newDialog().inRootDirectoryField()->isVisible());
    EXPECT_TRUE(newDialog().otherDirectoryField()->isVisible());
    const QString elsewhere = dir.file("elsewhere");
    prompts.queueText(elsewhere);
    newDialog().browseButton()->click();
    EXPECT_EQ(newDialog().otherDirectoryField()->text(), elsewhere);
    newDialog().okButton()->click();
    EXPECT_EQ(project().state().projectDir, elsewhere);
    EXPECT_FALSE(project().state().inRoot);
    EXPECT_EQ(readAll(elsewhere + "/Projekt bez nazwy.phq"),
              "// Nazwa projektu\r\nProjekt bez nazwy\r\n// Katalog projektu\r\n" + elsewhere.toUtf8() +
                  "\r\n// W root\r\nFalse\r\n// Katalogi:\r\n");
    EXPECT_EQ(readAll(elsewhere + "/Projekt bez nazwy.phf"), "");

    // In the root, with the directory typed; a second new project replaces the first.
    newProjectInRoot("Drugi", "drugi");
    EXPECT_EQ(project().state().projectDir, root + "/drugi");
    EXPECT_TRUE(project().state().inRoot);
    EXPECT_TRUE(QFile::exists(root + "/drugi/Drugi.phq"));
}

TEST_F(ProjectDialogsTest, NewProjectRefusesBadInputAndAsksBeforeReplacingAProject) {
    run("MenuFile_NewProject");
    newDialog().nameField()->setText("");
    newDialog().okButton()->click();
    EXPECT_TRUE(newDialog().isVisible());
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Message), QStringList{"Podaj nazwę projektu."});
    newDialog().cancelButton()->click();
    EXPECT_EQ(newDialog().nameField()->text(), QStringLiteral("Projekt bez nazwy"));
    EXPECT_FALSE(project().isOpen());

    newProjectInRoot("P", "p");
    project().files() << "/x.php";
    QString error;
    ASSERT_TRUE(project().writeFileList(&error));
    prompts.clear();
    prompts.queueAnswer(Answer::No);
    run("MenuFile_NewProject");
    newDialog().nameField()->setText("P");
    newDialog().inRootDirectoryField()->setText("p");
    newDialog().okButton()->click();
    ASSERT_EQ(prompts.askedTexts(AskedPrompt::Kind::Confirm).size(), 1);
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Confirm)[0].startsWith("W katalogu "));
    EXPECT_TRUE(newDialog().isVisible());
    EXPECT_EQ(readAll(root + "/p/P.phf"), "/x.php\r\n");
    newDialog().cancelButton()->click();
}

TEST_F(ProjectDialogsTest, LeavingAChangedProjectAsksFirst) {
    newProjectInRoot("P", "p");
    project().directories() << "img";
    prompts.queueAnswer(Answer::Cancel);
    run("MenuFile_CloseProject");
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Confirm),
              QStringList{ProjectWindows::unsavedChangesQuestion("P")});
    EXPECT_TRUE(project().isOpen());
    prompts.queueAnswer(Answer::Yes);
    run("MenuFile_CloseProject");
    EXPECT_FALSE(project().isOpen());
    EXPECT_TRUE(readAll(root + "/p/P.phq").endsWith("// Katalogi:\r\nimg\r\n"));
}

TEST_F(ProjectDialogsTest, FilesWindowModes) {
    newProjectInRoot("P", "p", {"img"});
    const QString a = dir.write("www/p/a.php", "a");
    const QString b = dir.write("www/p/b.php", "b");
    project().files() << a << b;
    run("MenuProject_Files");
    ProjectFilesDialog& f = filesDialog();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Pliki projektu"));
    EXPECT_FALSE(f.isModal());
    EXPECT_FALSE(f.renameButton()->isEnabled());
    EXPECT_FALSE(f.moveButton()->isEnabled());
    EXPECT_FALSE(f.openButton()->isEnabled());
    EXPECT_FALSE(f.renameGroup()->isVisible());
    clickFile(1);
    EXPECT_TRUE(f.renameButton()->isEnabled() && f.moveButton()->isEnabled() && f.openButton()->isEnabled());

    // Rename mode: the list and the other commands wait; Cancel leaves the mode only.
    f.renameButton()->click();
    EXPECT_EQ(f.mode(), ProjectFilesDialog::Mode::Rename);
    EXPECT_TRUE(f.renameGroup()->isVisible());
    EXPECT_FALSE(f.moveGroup()->isVisible());
    EXPECT_EQ(f.okButton()->text(), QStringLiteral("&Zmień nazwę"));
    for (QWidget* w :
         std::initializer_list<QWidget*>{f.list(), f.addButton(), f.removeButton(), f.directoriesButton(),
                                         f.renameButton(), f.moveButton()})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(f.newNameField()->text(), QStringLiteral("b.php"));
    f.cancelButton()->click();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.mode(), ProjectFilesDialog::Mode::Normal);
    EXPECT_EQ(f.okButton()->text(), QStringLiteral("&OK"));
    EXPECT_TRUE(f.renameButton()->isEnabled() && f.moveButton()->isEnabled());

    // An empty name changes nothing and ends the mode; the entry commands wait for the next click.
    f.renameButton()->click();
    f.newNameField()->clear();
    f.okButton()->click();
    EXPECT_EQ(f.mode(), ProjectFilesDialog::Mode::Normal);
    EXPECT_EQ(project().files(), (QStringList{a, b}));
    EXPECT_FALSE(f.renameButton()->isEnabled());
    EXPECT_FALSE(f.moveButton()->isEnabled());
    EXPECT_TRUE(f.list()->isEnabled());

    // Move mode: the directories to choose from; an empty directory keeps the mode.
    clickFile(0);
    f.moveButton()->click();
    EXPECT_EQ(f.mode(), ProjectFilesDialog::Mode::Move);
    EXPECT_TRUE(f.moveGroup()->isVisible());
    EXPECT_EQ(f.okButton()->text(), QStringLiteral("&Przenieś"));
    EXPECT_EQ(f.targetDirectoryList()->currentText(), QStringLiteral("img"));
    f.targetDirectoryList()->setEditText("");
    f.okButton()->click();
    EXPECT_EQ(f.mode(), ProjectFilesDialog::Mode::Move);
    // A directory that does not exist is reported and the mode stays.
    f.targetDirectoryList()->setEditText("nowhere");
    f.okButton()->click();
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Error).size(), 1);
    EXPECT_EQ(f.mode(), ProjectFilesDialog::Mode::Move);
    f.targetDirectoryList()->setEditText("img");
    f.okButton()->click();
    EXPECT_EQ(f.mode(), ProjectFilesDialog::Mode::Normal);
    EXPECT_EQ(listed(f.list()), (QStringList{root + "/p/img/a.php", b}));
    EXPECT_EQ(readAll(root + "/p/img/a.php"), "a");

    // "&Otwórz" opens the entry as a document; Cancel closes without writing the list.
    clickFile(0);
    f.openButton()->click();
    EXPECT_EQ(ws().activePage()->path(), root + "/p/img/a.php");
    f.cancelButton()->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(readAll(root + "/p/P.phf"), "");
}

TEST_F(ProjectDialogsTest, RemoveIsRefusedWhileTheFileIsOpenInATab) {
    newProjectInRoot("P", "p");
    const QString a = dir.write("www/p/index.php3", "a");
    project().files() << a;
    ws().openDocument(a, upperExtension(a));
    run("MenuProject_RemoveFile");
    EXPECT_EQ(removeDialog().windowTitle(), QStringLiteral("Usuń plik z projektu"));
    EXPECT_EQ(removeDialog().fileList()->currentText(), a);
    removeDialog().removeButton()->click();
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Message),
              QStringList{RemoveFileDialog::openInTabWarning()});
    EXPECT_TRUE(QFile::exists(a));
    EXPECT_EQ(project().files(), QStringList{a});

    // Open under another letter case of the name: the file goes.
    ws().activate(ws().findDocumentTab("index.php3"));
    ws().closeActive();
    const QString other = dir.write("other/INDEX.php3", "x");
    ws().openDocument(other, upperExtension(other));
    prompts.clear();
    run("MenuProject_RemoveFile");
    removeDialog().removeButton()->click();
    EXPECT_TRUE(prompts.asked().empty());
    EXPECT_FALSE(QFile::exists(a));
    EXPECT_TRUE(project().files().isEmpty());
}

TEST_F(ProjectDialogsTest, DirectoriesDialogEditsAndCancelRestores) {
    newProjectInRoot("P", "strona", {"img", "inc"});
    run("MenuProject_Dirs");
    ProjectDirsDialog& d = dirsDialog();
    ASSERT_TRUE(d.isVisible());
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Katalogi projektu"));
    EXPECT_EQ(d.mainDirectoryLabel()->text(), root + "/strona");
    EXPECT_EQ(listed(d.list()), (QStringList{"img", "inc"}));

    // Editing the first entry: select it, change the text, move the focus to the list.
    QApplication::setActiveWindow(&d);
    QTest::mouseClick(d.list()->viewport(), Qt::LeftButton, {},
                      d.list()->visualItemRect(d.list()->item(0)).center());
    EXPECT_EQ(d.nameField()->text(), QStringLiteral("img"));
    d.nameField()->setFocus();
    QTest::keyClick(d.nameField(), Qt::Key_End);
    QTest::keyClicks(d.nameField(), "2");
    d.list()->setFocus();
    EXPECT_EQ(project().directories(), (QStringList{"img2", "inc"}));

    // Removing the selected entry and adding others; Cancel puts the list back.
    QTest::mouseClick(d.list()->viewport(), Qt::LeftButton, {},
                      d.list()->visualItemRect(d.list()->item(1)).center());
    d.removeButton()->click();
    d.nameField()->setText("css");
    d.addButton()->click();
    EXPECT_EQ(project().directories(), (QStringList{"img2", "css"}));
    d.cancelButton()->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(project().directories(), (QStringList{"img", "inc"}));

    // OK creates the new directories in the project directory, one level.
    run("MenuProject_Dirs");
    for (const char* name : {"css", "a/b"}) {
        d.nameField()->setText(name);
        d.addButton()->click();
    }
    d.okButton()->click();
    EXPECT_TRUE(QFileInfo(root + "/strona/css").isDir());
    EXPECT_FALSE(QFileInfo::exists(root + "/strona/a"));
    EXPECT_EQ(project().directories(), (QStringList{"img", "inc", "css", "a/b"}));
}

TEST_F(ProjectDialogsTest, DirectoriesDialogHoldsAt255Entries) {
    newProjectInRoot("P", "p");
    run("MenuProject_Dirs");
    for (int i = 1; i <= 256; ++i) {
        dirsDialog().nameField()->setText(QString::number(i));
        dirsDialog().addButton()->click();
    }
    EXPECT_EQ(project().directories().size(), 255);
    EXPECT_EQ(project().directories().last(), QStringLiteral("255"));
    dirsDialog().cancelButton()->click();
}

TEST_F(ProjectDialogsTest, NewProjectDialogDirectoriesDoNotTouchTheOpenProject) {
    newProjectInRoot("Stary", "stary", {"img"});
    run("MenuFile_NewProject");
    newDialog().inRootDirectoryField()->setText("nowy");
    newDialog().directoriesButton()->click();
    EXPECT_EQ(dirsDialog().mainDirectoryLabel()->text(), root + "/nowy");
    EXPECT_EQ(dirsDialog().list()->count(), 0);
    dirsDialog().nameField()->setText("css");
    dirsDialog().addButton()->click();
    dirsDialog().okButton()->click();
    EXPECT_EQ(project().directories(), QStringList{"img"});
    newDialog().cancelButton()->click();
    EXPECT_EQ(project().state().projectName, QStringLiteral("Stary"));
    EXPECT_EQ(project().directories(), QStringList{"img"});
}

TEST_F(ProjectDialogsTest, AddDialogRefillsItsDirectoriesAfterEditingThem) {
    newProjectInRoot("P", "p", {"img"});
    run("MenuProject_AddFile");
    EXPECT_EQ(addDialog().windowTitle(), QStringLiteral("Dodaj plik do projektu"));
    EXPECT_TRUE(addDialog().followBox()->isChecked());
    EXPECT_TRUE(addDialog().followDerivedBox()->isVisible());
    addDialog().followBox()->setChecked(false);
    EXPECT_FALSE(addDialog().followDerivedBox()->isVisible());
    addDialog().directoriesButton()->click();
    dirsDialog().nameField()->setText("inc");
    dirsDialog().addButton()->click();
    dirsDialog().okButton()->click();
    EXPECT_EQ(addDialog().directoryList()->count(), 2);
    EXPECT_EQ(addDialog().directoryList()->currentText(), QStringLiteral("img"));
    // A source that does not exist: the reason is shown and the dialog stays.
    addDialog().sourceField()->setText(dir.file("none.php"));
    addDialog().addButton()->click();
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Error).size(), 1);
    EXPECT_TRUE(addDialog().isVisible());
    addDialog().cancelButton()->click();
    EXPECT_TRUE(project().files().isEmpty());
}

TEST_F(ProjectDialogsTest, InsertDirectoryWindowWritesAtTheCaret) {
    newProjectInRoot("P", "p", {"img/ikony", "inc"});
    ws().activeEditor()->setDocumentBytes("<img src=\"\">");
    ws().activeEditor()->setCursorPosition(0, 10);
    run("MenuInsert_ProjectDir");
    InsertDirWindow& w = *projects().insertDirWindow();
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Wstaw katalog"));
    EXPECT_EQ(w.directoryList()->currentText(), QStringLiteral("img/ikony"));
    w.insertButton()->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(activeText(), "<img src=\"img/ikony\">");
}

TEST_F(ProjectDialogsTest, CloseAllChecksTheFileList) {
    // With no project nothing is asked and nothing is written.
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QStringList before =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    run("MenuFile_CloseAll");
    QDir::setCurrent(cwd);
    EXPECT_TRUE(prompts.asked().empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);

    newProjectInRoot("P", "p");
    project().files() << "/a.php";
    run("MenuFile_CloseAll");
    EXPECT_EQ(readAll(root + "/p/P.phf"), "/a.php\r\n");
    QFile::remove(root + "/p/P.phf");
    prompts.queueAnswer(Answer::Yes);
    run("MenuFile_CloseAll");
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Confirm).size(), 1);
    EXPECT_EQ(readAll(root + "/p/P.phf"), "/a.php\r\n");
}

TEST_F(ProjectDialogsTest, SaveAsJoinsTheOpenProject) {
    newProjectInRoot("P", "p");
    const QString saved = root + "/p/nowy.php3";
    prompts.queueFiles({saved});
    run("MenuFile_SaveAs");
    EXPECT_EQ(project().files(), QStringList{saved});
    EXPECT_EQ(readAll(root + "/p/P.phf"), saved.toUtf8() + "\r\n");
}

TEST_F(ProjectDialogsTest, ExitWritesTheFileList) {
    newProjectInRoot("P", "p");
    project().files() << "/a.php";
    window->close();
    EXPECT_EQ(readAll(root + "/p/P.phf"), "/a.php\r\n");
}

TEST_F(ProjectDialogsTest, AddOperationReachesOtherParts) {
    newProjectInRoot("P", "p", {"inc"});
    dir.write("program/zklib/menu/menu.php3", "#zkfile(menu.inc)\r\n");
    dir.write("program/zklib/menu/menu.inc", "m");
    const ProjectWindows::AddFunction add = projects().addToProjectFunction();
    run("MenuProject_Files");
    const AddToProjectResult result = add("inc", "menu/menu.php3", true);
    const QStringList expected{root + "/p/inc/menu.inc", root + "/p/inc/menu.php3"};
    EXPECT_EQ(result.listed, expected);
    EXPECT_EQ(project().files(), expected);
    EXPECT_EQ(listed(filesDialog().list()), expected);
}

} // namespace

TEST_F(ProjectDialogsTest, ToDoListIsATextFileBesideTheProjectKeptAcrossOpenings) {
    newProjectInRoot("P", "p");
    const QString list = root + "/p/P.todo.txt";
    run("MenuProject_ToDo");
    ASSERT_TRUE(QFileInfo::exists(list));
    EXPECT_EQ(ws().activePage()->path(), list);
    type(QStringLiteral("- formularz kontaktowy"));
    run("MenuFile_Save");
    run("MenuFile_Close");
    run("MenuProject_ToDo");
    EXPECT_EQ(ws().activePage()->path(), list);
    EXPECT_EQ(activeText(), "- formularz kontaktowy");
}
