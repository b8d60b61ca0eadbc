#include "text/document_text.h"
#include "support/temp_dir.h"

#include <QFile>
#include <gtest/gtest.h>
#include <QDir>

using namespace wertan;
using wertan::test::TempDir;

TEST(CrLfLines, JoinsLinesWithCrLfAndEndsTheLastLine) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"", ""},
        {"a\r\nb\r\n", "a\r\nb\r\n"},  // already in form: unchanged
        {"a\nb", "a\r\nb\r\n"},
        {"a\rb\r", "a\r\nb\r\n"},
        {"a\r\n\r\n", "a\r\n\r\n"},
        {"\n", "\r\n"},
        {"x\r\r\ny", "x\r\n\r\ny\r\n"},
        {std::string("n\0ul", 4), std::string("n\0ul\r\n", 6)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toCrLfLines(c.in), c.out);
}

TEST(DocumentKinds, FollowTheExtensionInAnyCase) {
    const struct {
        const char* ext;
        DocumentKind kind;
    } cases[] = {{".php3", DocumentKind::Php},  {".PHP3", DocumentKind::Php},  {".inc", DocumentKind::Php},
                 {".sql", DocumentKind::Sql},   {".SQL", DocumentKind::Sql},   {".htm", DocumentKind::Html},
                 {".HTML", DocumentKind::Html}, {".php", DocumentKind::Other}, {".php4", DocumentKind::Other},
                 {".txt", DocumentKind::Other}, {"", DocumentKind::Other}};
    for (const auto& c : cases)
        EXPECT_EQ(documentKindForExtension(QString::fromLatin1(c.ext)), c.kind) << c.ext;
    EXPECT_EQ(upperExtension(QStringLiteral("/a/b.c/a.php3")), QStringLiteral(".PHP3"));
    EXPECT_EQ(upperExtension(QStringLiteral("/a/b.c/README")), QString());
}

TEST(DocumentRules, RemoteUntitledAndMarks) {
    EXPECT_TRUE(isRemotePath(QStringLiteral("[ftp]/www/a.php")));
    EXPECT_TRUE(isRemotePath(QStringLiteral("[FTP]/www/a.php")));
    EXPECT_FALSE(isRemotePath(QStringLiteral("/home/[ftp]/a.php")));
    EXPECT_FALSE(isRemotePath(QStringLiteral("[ftp")));
    EXPECT_EQ(untitledName(1), QStringLiteral("Beznazwy1"));
    EXPECT_EQ(unchangedMark(false), 0);
    EXPECT_EQ(unchangedMark(true), 2);
}

TEST(DocumentRules, OpenDialogCountIsKeptInEightBits) {
    auto names = [](int n) {
        QStringList l;
        for (int i = 0; i < n; ++i)
            l << QString::number(i);
        return l;
    };
    EXPECT_EQ(filesToOpen(names(0)).size(), 0);
    EXPECT_EQ(filesToOpen(names(3)).size(), 3);
    EXPECT_EQ(filesToOpen(names(255)).size(), 255);
    EXPECT_EQ(filesToOpen(names(256)).size(), 256);
    EXPECT_EQ(filesToOpen(names(257)), QStringList{QStringLiteral("0")});
}

TEST(DocumentRules, SelectionNamesAFileBesideTheActiveDocument) {
    EXPECT_EQ(pathNamedBySelection(QStringLiteral("/etc/hosts"), QStringLiteral("/w/a.php")), QStringLiteral("/etc/hosts"));
    EXPECT_EQ(pathNamedBySelection(QStringLiteral("inc/menu.inc"), QStringLiteral("/w/a.php")),
              QStringLiteral("/w//inc/menu.inc"));
    EXPECT_EQ(pathNamedBySelection(QStringLiteral("menu.inc"), QStringLiteral("Beznazwy1")), QStringLiteral("/menu.inc"));
}

TEST(AtomicWrite, ReplacesTheFileAndKeepsItsPermissions) {
    TempDir dir;
    const QString path = dir.write(QStringLiteral("a.php"), "old");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QString error;
    ASSERT_TRUE(writeFileAtomically(path, "new\r\n", &error)) << error.toStdString();
    EXPECT_EQ(test::readAll(path), QByteArray("new\r\n"));
    EXPECT_TRUE(QFile::permissions(path) & QFile::ExeOwner);
    std::string back;
    ASSERT_TRUE(readFileBytes(path, &back, &error));
    EXPECT_EQ(back, "new\r\n");
}

TEST(AtomicWrite, AFailedWriteLeavesTheOldFileAndSaysWhy) {
    TempDir dir;
    const QString path = dir.write(QStringLiteral("a.php"), "old");
    QString error;
    {
        test::FileSizeLimit limit(1024); // the write of 4096 bytes fails, even for root
        EXPECT_FALSE(writeFileAtomically(path, std::string(4096, 'n'), &error));
    }
    EXPECT_TRUE(error.startsWith(QStringLiteral("Nie można zapisać pliku"))) << error.toStdString();
    EXPECT_EQ(test::readAll(path), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file is left behind";
}

TEST(AtomicWrite, AMissingFolderIsReported) {
    TempDir dir;
    QString error;
    EXPECT_FALSE(writeFileAtomically(dir.file(QStringLiteral("none/a.php")), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    std::string bytes;
    EXPECT_FALSE(readFileBytes(dir.file(QStringLiteral("none/a.php")), &bytes, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Nie można otworzyć pliku")));
}
