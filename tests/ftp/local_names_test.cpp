#include "ftp/local_names.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using wertan::ftp::localFileInFolder;

TEST(LocalFileInFolder, KeepsEveryNameInsideTheFolder) {
    const QString folder = QStringLiteral("/tmp/wertan-ftp");
    const std::pair<std::string, QString> cases[] = {
        {"index.php", "index.php"},
        {"home/www/index.php", "index.php"},
        {"../../etc/passwd", "passwd"},
        {"..\\..\\autoexec.bat", "autoexec.bat"},
        {"C:plik.txt", "plik.txt"},
        {"/absolute/name", "name"},
        {"...", "..."},
        {".htaccess", ".htaccess"},
        {"nazwa ze spacj\xb9.txt", QString::fromUtf8("nazwa ze spacją.txt")},
    };
    for (const auto& [remote, local] : cases) {
        const std::optional<QString> path = localFileInFolder(folder, remote);
        ASSERT_TRUE(path.has_value()) << remote;
        EXPECT_EQ(*path, folder + "/" + local) << remote;
        EXPECT_EQ(QFileInfo(*path).absolutePath(), folder) << remote;
    }
}

TEST(LocalFileInFolder, RefusesNamesThatNameNoFileInTheFolder) {
    const char* cases[] = {"", "..", ".", "a/..", "a/", "dir/.", "a:", "line\r\nbreak"};
    for (const char* remote : cases)
        EXPECT_FALSE(localFileInFolder(QStringLiteral("/tmp/x"), remote).has_value()) << remote;
    EXPECT_FALSE(localFileInFolder(QStringLiteral("/tmp/x"), std::string("nul\0x", 5)).has_value());
    EXPECT_FALSE(localFileInFolder(QStringLiteral("/tmp/x"), "tab\tname").has_value());
}
