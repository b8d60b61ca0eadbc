// The project model: new, open, save, close, the file-list check, the write at exit, directories
// and the operations on project files.
#include "platform/scripted/scripted_prompts.h"
#include "projects/project.h"
#include "projects/project_format.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace wertan;
using namespace wertan::test;

namespace {

class ProjectTest : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompts prompts;
    ProjectState state;
    Project project{state};
    QString root = dir.file("root") + "/"; // as the start-up root: with a trailing separator

    void SetUp() override { QDir().mkpath(root); }

    void createInRoot(const QString& name, const QString& directory) {
        QString error;
        ASSERT_TRUE(project.create({name, true, directory, {}}, root, &error)) << error.toStdString();
    }
};

TEST_F(ProjectTest, NewProjectInTheRootKeepsTheDoubledSeparator) {
    createInRoot("Sklep", "strona");
    EXPECT_EQ(state.projectDir, root + "/strona"); // ".../root//strona"
    EXPECT_TRUE(state.projectDir.endsWith("root//strona"));
    EXPECT_TRUE(state.inRoot);
    EXPECT_TRUE(state.projectOpen);
    EXPECT_EQ(state.projectName, QStringLiteral("Sklep"));
    EXPECT_EQ(readAll(dir.file("root/strona/Sklep.phq")),
              "// Nazwa projektu\r\nSklep\r\n// Katalog projektu\r\n" + (root + "/strona").toUtf8() +
                  "\r\n// W root\r\nTrue\r\n// Katalogi:\r\n");
    EXPECT_EQ(readAll(dir.file("root/strona/Sklep.phf")), "");
    EXPECT_FALSE(project.hasUnsavedChanges());
}

TEST_F(ProjectTest, NewProjectStartsWithAnEmptyFileListAndTheGivenDirectories) {
    createInRoot("Pierwszy", "pierwszy");
    project.files() << "/x/a.php";
    project.directories() = QStringList{"img", "inc"};
    createInRoot("Drugi", "drugi");
    EXPECT_TRUE(project.files().isEmpty());
    EXPECT_TRUE(QFileInfo(dir.file("root/drugi/img")).isDir());
    EXPECT_TRUE(QFileInfo(dir.file("root/drugi/inc")).isDir());
    ProjectDescription d;
    QString error;
    ASSERT_TRUE(readProjectDescription(dir.file("root/drugi/Drugi.phq"), &d, &error));
    EXPECT_EQ(d.directories, (QStringList{"img", "inc"}));
}

TEST_F(ProjectTest, NewProjectInputIsChecked) {
    const struct {
        NewProjectInput input;
        const char* says;
    } cases[] = {
        {{"", true, "s", {}}, "Podaj nazwę projektu."},
        {{"a/b", true, "s", {}}, "nie może zawierać"},
        {{"..", true, "s", {}}, "nie może zawierać"},
        {{"p", false, {}, ""}, "Podaj katalog projektu."},
        {{"p", false, {}, "relative/dir"}, "pełną ścieżką"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(project.create(c.input, root, &error));
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.says))) << error.toStdString();
        EXPECT_FALSE(state.projectOpen);
    }
    EXPECT_TRUE(checkNewProjectInput({"p", true, "", {}}).isEmpty()); // the root itself
}

TEST_F(ProjectTest, NewProjectThatCannotBeWrittenLeavesTheOpenProject) {
    createInRoot("Stary", "stary");
    QString error;
    // The parent of the directory does not exist: one level is created, so nothing can be written.
    EXPECT_FALSE(project.create({"Nowy", false, {}, dir.file("no/such")}, root, &error));
    EXPECT_TRUE(error.contains("Nowy.phq")) << error.toStdString();
    EXPECT_EQ(state.projectName, QStringLiteral("Stary"));
    EXPECT_TRUE(state.projectOpen);
}

TEST_F(ProjectTest, SavedProjectOpensWithEverythingInOrder) {
    createInRoot("Sklep", "strona");
    project.directories() = QStringList{"img", "", "inc", "img"};
    project.files() = QStringList{root + "/strona/img/a.gif", root + "/strona/index.php3", "rel/x.inc"};
    QString error;
    ASSERT_TRUE(project.save(&error)) << error.toStdString();
    const QStringList dirs = project.directories();
    const QStringList files = project.files();
    const QString phq = project.descriptionPath();
    project.close();
    EXPECT_EQ(state.projectDir, QString());
    ASSERT_TRUE(project.open(phq, &error)) << error.toStdString();
    EXPECT_EQ(state.projectName, QStringLiteral("Sklep"));
    EXPECT_EQ(state.projectDir, root + "/strona");
    EXPECT_TRUE(state.inRoot);
    EXPECT_TRUE(state.projectOpen);
    EXPECT_EQ(project.directories(), dirs);
    EXPECT_EQ(project.files(), files);
    EXPECT_FALSE(project.hasUnsavedChanges());
}

TEST_F(ProjectTest, MovedProjectFilesOpenButSaveToTheirRecordedDirectory) {
    createInRoot("P", "p");
    project.files() << "/a/b.php";
    QString error;
    ASSERT_TRUE(project.save(&error));
    const QString moved = dir.file("moved");
    QDir().mkpath(moved);
    ASSERT_TRUE(QFile::rename(dir.file("root/p/P.phq"), moved + "/P.phq"));
    ASSERT_TRUE(QFile::rename(dir.file("root/p/P.phf"), moved + "/P.phf"));
    project.close();
    ASSERT_TRUE(project.open(moved + "/P.phq", &error)) << error.toStdString();
    EXPECT_EQ(project.files(), QStringList{"/a/b.php"});
    ASSERT_TRUE(project.save(&error));
    EXPECT_TRUE(QFile::exists(dir.file("root/p/P.phq")));
    EXPECT_EQ(readAll(dir.file("root/p/P.phf")), "/a/b.php\r\n");
}

TEST_F(ProjectTest, OpenThatFailsChangesNothing) {
    createInRoot("Stary", "stary");
    project.files() << "/s/a.php";
    // A description whose file list is missing.
    const QString phq =
        dir.write("other/Inny.phq", "// n\r\nInny\r\n// d\r\n/elsewhere\r\n// r\r\nTrue\r\n// k\r\nimg\r\n");
    QString error;
    EXPECT_FALSE(project.open(phq, &error));
    EXPECT_TRUE(error.contains("Inny.phf")) << error.toStdString();
    EXPECT_EQ(state.projectName, QStringLiteral("Stary"));
    EXPECT_EQ(project.files(), QStringList{"/s/a.php"});
    EXPECT_TRUE(project.directories().isEmpty());
    EXPECT_FALSE(project.open(dir.file("none.phq"), &error));
}

TEST_F(ProjectTest, CloseEmptiesEverythingAndWritesNothing) {
    createInRoot("P", "p");
    project.directories() << "img";
    project.files() << "/a.php";
    EXPECT_TRUE(project.hasUnsavedChanges());
    const QByteArray phq = readAll(dir.file("root/p/P.phq"));
    project.close();
    EXPECT_FALSE(state.projectOpen);
    EXPECT_FALSE(state.inRoot);
    EXPECT_TRUE(state.projectDir.isEmpty() && state.projectName.isEmpty());
    EXPECT_TRUE(project.directories().isEmpty() && project.files().isEmpty());
    EXPECT_EQ(readAll(dir.file("root/p/P.phq")), phq);
    EXPECT_EQ(readAll(dir.file("root/p/P.phf")), "");
    EXPECT_FALSE(project.hasUnsavedChanges());
}

TEST_F(ProjectTest, FileListCheckWritesAnExistingListOrAsksForAMissingOne) {
    createInRoot("P", "p");
    project.files() << "/a.php";
    QString error;
    ASSERT_TRUE(project.fileListCheck(prompts, &error));
    EXPECT_EQ(readAll(project.fileListPath()), "/a.php\r\n");
    EXPECT_TRUE(prompts.asked().empty());

    for (Answer answer : {Answer::No, Answer::Yes}) {
        QFile::remove(project.fileListPath());
        prompts.clear();
        prompts.queueAnswer(answer);
        ASSERT_TRUE(project.fileListCheck(prompts, &error));
        EXPECT_EQ(
            prompts.askedTexts(AskedPrompt::Kind::Confirm),
            QStringList{QStringLiteral("Plik zawierający informacje o plikach wchodzacych w skład projektu "
                                       "został skasowany albo nie istnieje, czy go odtworzyć?")});
        EXPECT_EQ(QFile::exists(project.fileListPath()), answer == Answer::Yes);
    }
}

TEST_F(ProjectTest, FileListCheckWithoutAProjectAsksAndWritesNothing) {
    const QString stray = QStringLiteral("/.phf");
    const bool strayBefore = QFile::exists(stray);
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QString error;
    EXPECT_TRUE(project.fileListCheck(prompts, &error));
    EXPECT_TRUE(project.writeAtExit(&error));
    QDir::setCurrent(cwd);
    EXPECT_TRUE(prompts.asked().empty());
    EXPECT_EQ(QFile::exists(stray), strayBefore);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

TEST_F(ProjectTest, ExitWritesTheFilesThatExist) {
    createInRoot("P", "p");
    project.files() << "/a.php";
    project.directories() << "img";
    QString error;
    ASSERT_TRUE(project.writeAtExit(&error));
    EXPECT_EQ(readAll(project.fileListPath()), "/a.php\r\n");
    EXPECT_TRUE(readAll(project.descriptionPath()).endsWith("// Katalogi:\r\nimg\r\n"));

    QFile::remove(project.fileListPath());
    QFile::remove(project.descriptionPath());
    project.directories() << "inc";
    ASSERT_TRUE(project.writeAtExit(&error));
    EXPECT_FALSE(QFile::exists(project.fileListPath()));
    EXPECT_FALSE(QFile::exists(project.descriptionPath()));
}

TEST_F(ProjectTest, DirectoriesAreCreatedOneLevelInsideTheProject) {
    createInRoot("P", "strona");
    const QString absolute = dir.file("abs");
    project.directories() = QStringList{"img", "deep/er", absolute, "img"};
    project.createDirectories();
    EXPECT_TRUE(QFileInfo(dir.file("root/strona/img")).isDir());
    EXPECT_FALSE(QFileInfo::exists(dir.file("root/strona/deep")));
    EXPECT_TRUE(QFileInfo(absolute).isDir());

    // Outside the root a relative entry lies in the project directory too.
    QString error;
    ASSERT_TRUE(project.create({"Q", false, {}, dir.file("outside")}, root, &error)) << error.toStdString();
    project.directories() = QStringList{"css"};
    project.createDirectories();
    EXPECT_TRUE(QFileInfo(dir.file("outside/css")).isDir());
    EXPECT_EQ(project.resolve("css/a.css"), dir.file("outside/css/a.css"));
    EXPECT_EQ(project.resolve("/x/y"), QStringLiteral("/x/y"));
}

TEST_F(ProjectTest, AddedFilesAreListedWithTheirFullPaths) {
    createInRoot("P", "p");
    project.directories() << "img";
    project.createDirectories();
    const QString source = dir.write("lib/a.php", "#zkfile(b.inc)");
    dir.write("lib/b.inc", "b");
    const AddToProjectResult result = project.addFile("img", source, true, dir.file("zklib/"), prompts);
    const QString img = root + "/p/img/";
    EXPECT_EQ(project.files(), (QStringList{img + "b.inc", img + "a.php"}));
    EXPECT_EQ(result.listed, project.files());
    // With no project the file is copied but listed nowhere.
    project.close();
    const QString target = dir.file("plain");
    QDir().mkpath(target);
    EXPECT_EQ(project.addFile(target, source, false, {}, prompts).listed, QStringList{target + "/a.php"});
    EXPECT_TRUE(project.files().isEmpty());
}

TEST_F(ProjectTest, RenameChangesFileAndEntryOrNothing) {
    createInRoot("P", "p");
    const QString a = dir.write("root/p/a.php", "a");
    dir.write("root/p/taken.php", "t");
    project.files() << a;
    QString error;
    EXPECT_TRUE(project.renameFile(0, "", &error)); // an empty name changes nothing
    EXPECT_EQ(project.files(), QStringList{a});
    EXPECT_FALSE(project.renameFile(0, "taken.php", &error));
    EXPECT_TRUE(error.contains("taken.php")) << error.toStdString();
    EXPECT_EQ(readAll(dir.file("root/p/taken.php")), "t");
    EXPECT_EQ(project.files(), QStringList{a});
    ASSERT_TRUE(project.renameFile(0, "b.php", &error)) << error.toStdString();
    EXPECT_EQ(project.files(), QStringList{dir.file("root/p/b.php")});
    EXPECT_EQ(readAll(dir.file("root/p/b.php")), "a");
    EXPECT_FALSE(QFile::exists(a));
}

TEST_F(ProjectTest, MoveTakesADirectoryEntryOrAPath) {
    createInRoot("P", "p");
    project.directories() << "img";
    project.createDirectories();
    const QString a = dir.write("root/p/a.gif", "gif");
    project.files() << a;
    QString error;
    EXPECT_EQ(project.moveFile(0, root + "/p/", &error), Project::MoveResult::SameDirectory);
    EXPECT_EQ(project.moveFile(0, "missing", &error), Project::MoveResult::Failed);
    EXPECT_TRUE(error.contains("Katalog nie istnieje.")) << error.toStdString();
    EXPECT_EQ(project.files(), QStringList{a});
    ASSERT_EQ(project.moveFile(0, "img", &error), Project::MoveResult::Moved) << error.toStdString();
    EXPECT_EQ(project.files(), QStringList{root + "/p/img/a.gif"});
    EXPECT_EQ(readAll(dir.file("root/p/img/a.gif")), "gif");
    // A file of that name in the target stays as it was.
    dir.write("root/p/a.gif", "second");
    project.files() << root + "/p/a.gif";
    EXPECT_EQ(project.moveFile(1, "img", &error), Project::MoveResult::Failed);
    EXPECT_EQ(readAll(dir.file("root/p/img/a.gif")), "gif");
}

TEST_F(ProjectTest, RemoveDeletesTheFileAndTheEntry) {
    createInRoot("P", "p");
    const QString a = dir.write("root/p/a.php", "a");
    project.files() << a << "gone.php";
    QString error;
    ASSERT_TRUE(project.removeFile(0, &error));
    EXPECT_FALSE(QFile::exists(a));
    ASSERT_TRUE(project.removeFile(0, &error)); // a file already gone just leaves the list
    EXPECT_TRUE(project.files().isEmpty());
}

} // namespace
