// The project description (.phq) and file list (.phf) formats.
#include "projects/project_format.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace wertan;
using namespace wertan::test;

namespace {

// "Strona główna" in Windows-1250: "ł" is 0xB3.
const QString kPolishName = QStringLiteral("Strona główna");

TEST(ProjectFormat, DescriptionMatchesTheHandWrittenFile) {
    const ProjectDescription d{
        kPolishName,
        QStringLiteral("/srv/www//strona"),
        true,
        {QStringLiteral("img"), QString(), QStringLiteral("inc/lib"), QStringLiteral("img")}};
    const std::string expected =
        "// Nazwa projektu\r\nStrona g\xB3\xF3wna\r\n// Katalog projektu\r\n/srv/www//strona\r\n"
        "// W root\r\nTrue\r\n// Katalogi:\r\nimg\r\n\r\ninc/lib\r\nimg\r\n";
    EXPECT_EQ(encodeProjectDescription(d), expected);
    EXPECT_EQ(decodeProjectDescription(expected), d);
}

TEST(ProjectFormat, DescriptionWithoutDirectoriesEndsAfterTheirHeading) {
    const ProjectDescription d{QStringLiteral("p"), QStringLiteral("/x"), false, {}};
    const std::string bytes = encodeProjectDescription(d);
    EXPECT_EQ(
        bytes,
        "// Nazwa projektu\r\np\r\n// Katalog projektu\r\n/x\r\n// W root\r\nFalse\r\n// Katalogi:\r\n");
    EXPECT_EQ(decodeProjectDescription(bytes), d);
}

TEST(ProjectFormat, FlagLineReadsTakAndTrueInAnyCase) {
    const struct {
        const char* line;
        bool inRoot;
    } cases[] = {{"tak", true},  {"TAK", true},  {"Tak", true},    {"true", true},
                 {"True", true}, {"TRUE", true}, {"False", false}, {"Nie", false},
                 {"", false},    {"1", false},   {" TRUE", false}, {"yes", false}};
    for (const auto& c : cases) {
        const std::string bytes =
            std::string("// a\r\nn\r\n// b\r\n/d\r\n// c\r\n") + c.line + "\r\n// d\r\n";
        EXPECT_EQ(decodeProjectDescription(bytes).inRoot, c.inRoot) << '"' << c.line << '"';
    }
}

TEST(ProjectFormat, ShortDescriptionGivesEmptyValuesAndNoDirectories) {
    const struct {
        const char* bytes;
        const char* name;
        const char* directory;
        bool inRoot;
    } cases[] = {
        {"", "", "", false},
        {"// Nazwa projektu\r\nabc", "abc", "", false},
        {"// Nazwa projektu\r\nabc\r\n// Katalog projektu\r\n/d\r\n", "abc", "/d", false},
        {"// Nazwa projektu\r\nabc\r\n// Katalog projektu\r\n/d\r\n// W root\r\nTAK", "abc", "/d", true},
        {"// Nazwa projektu\r\nabc\r\n// Katalog projektu\r\n/d\r\n// W root\r\nTAK\r\n// Katalogi:", "abc",
         "/d", true},
    };
    for (const auto& c : cases) {
        const ProjectDescription d = decodeProjectDescription(c.bytes);
        EXPECT_EQ(d.name, QString::fromLatin1(c.name)) << c.bytes;
        EXPECT_EQ(d.directory, QString::fromLatin1(c.directory)) << c.bytes;
        EXPECT_EQ(d.inRoot, c.inRoot) << c.bytes;
        EXPECT_TRUE(d.directories.isEmpty()) << c.bytes;
    }
}

TEST(ProjectFormat, ReaderTakesLinesByPositionWhateverTheyHold) {
    // Comment lines are not looked at; LF and CR line ends are read too.
    const ProjectDescription d =
        decodeProjectDescription("x\nname\rnot a comment\r\n/dir\n\nTak\nzz\na\r\rb");
    EXPECT_EQ(d.name, QStringLiteral("name"));
    EXPECT_EQ(d.directory, QStringLiteral("/dir"));
    EXPECT_TRUE(d.inRoot);
    EXPECT_EQ(d.directories, (QStringList{"a", "", "b"}));
}

TEST(ProjectFormat, FileListIsOnePathPerLine) {
    const QStringList files{QStringLiteral("/srv/www/strona/index.php3"),
                            kPolishName + QStringLiteral(".inc"), QStringLiteral("img/a.gif")};
    const std::string expected = "/srv/www/strona/index.php3\r\nStrona g\xB3\xF3wna.inc\r\nimg/a.gif\r\n";
    EXPECT_EQ(encodeProjectFileList(files), expected);
    EXPECT_EQ(decodeProjectFileList(expected), files);
    EXPECT_EQ(encodeProjectFileList({}), "");
    EXPECT_TRUE(decodeProjectFileList("").isEmpty());
    EXPECT_EQ(decodeProjectFileList("a\nb"), (QStringList{"a", "b"}));
}

TEST(ProjectFormat, TextLinesEndAtCrLfLfOrCr) {
    const auto lines = textLines("a\r\nb\nc\rd\r\n\r\ne\r\n");
    const std::vector<std::string_view> expected{"a", "b", "c", "d", "", "e"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(textLines("a\r\nb\r\nc", 2), (std::vector<std::string_view>{"a", "b"}));
    EXPECT_TRUE(textLines("").empty());
}

TEST(ProjectFormat, FilesRoundTripThroughTheDisk) {
    TempDir dir;
    const ProjectDescription d{
        QStringLiteral("p"), dir.path(), false, {QStringLiteral("/a"), QStringLiteral("/b")}};
    QString error;
    ASSERT_TRUE(writeProjectDescription(dir.file("p.phq"), d, &error)) << error.toStdString();
    ProjectDescription back;
    ASSERT_TRUE(readProjectDescription(dir.file("p.phq"), &back, &error));
    EXPECT_EQ(back, d);
    ASSERT_TRUE(writeProjectFileList(dir.file("p.phf"), {QStringLiteral("/a/x.php")}, &error));
    QStringList files;
    ASSERT_TRUE(readProjectFileList(dir.file("p.phf"), &files, &error));
    EXPECT_EQ(files, QStringList{"/a/x.php"});
}

TEST(ProjectFormat, TextOutsideTheCodePageIsNotWritten) {
    TempDir dir;
    const QString path = dir.write("p.phf", "old\r\n");
    QString error;
    EXPECT_FALSE(
        writeProjectFileList(path, {QStringLiteral("/a/ok.php"), QStringLiteral("/a/Ωmega.php")}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("/a/Ωmega.php"))) << error.toStdString();
    EXPECT_EQ(readAll(path), "old\r\n");
    EXPECT_FALSE(
        writeProjectDescription(dir.file("p.phq"), {QStringLiteral("Ωmega"), dir.path(), false, {}}, &error));
    EXPECT_FALSE(QFile::exists(dir.file("p.phq")));
}

TEST(ProjectFormat, MissingFilesAreReported) {
    TempDir dir;
    QStringList files;
    ProjectDescription d;
    QString error;
    EXPECT_FALSE(readProjectFileList(dir.file("none.phf"), &files, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("none.phf")));
    EXPECT_FALSE(readProjectDescription(dir.file("none.phq"), &d, &error));
    EXPECT_FALSE(writeProjectFileList(dir.file("no/such/dir.phf"), {}, &error));
}

} // namespace
