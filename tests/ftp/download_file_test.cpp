#include "ftp/download_file.h"

#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using wertan::ftp::DownloadFile;
using wertan::test::TempDir;

namespace {

QStringList filesIn(const TempDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
}

TEST(DownloadFile, ReplacesTheTargetOnlyOnCommit) {
    TempDir dir;
    const QString target = dir.write("plik.txt", "stary");
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    DownloadFile file(target);
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write("nowy", 4));
    EXPECT_EQ(wertan::test::readAll(target), QByteArray("stary")) << "nothing changes before the commit";
    ASSERT_TRUE(file.commit()) << file.errorString().toStdString();
    EXPECT_EQ(wertan::test::readAll(target), QByteArray("nowy"));
    EXPECT_EQ(QFile::permissions(target), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadUser | QFileDevice::WriteUser);
    EXPECT_EQ(filesIn(dir), QStringList{"plik.txt"});

    const QString fresh = dir.file("nowy.txt");
    DownloadFile created(fresh);
    ASSERT_TRUE(created.open());
    ASSERT_TRUE(created.commit());
    EXPECT_TRUE(QFile::exists(fresh));
    EXPECT_TRUE(QFile::permissions(fresh) & QFileDevice::ReadOther);
}

TEST(DownloadFile, CancelAndRefusedTargetsLeaveEverythingAsItWas) {
    TempDir dir;
    const QString target = dir.write("plik.txt", "stary");
    {
        DownloadFile file(target);
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("nowy", 4));
        file.cancel();
    }
    {
        DownloadFile abandoned(target); // dropped without commit or cancel
        ASSERT_TRUE(abandoned.open());
        ASSERT_TRUE(abandoned.write("nowy", 4));
    }
    EXPECT_EQ(wertan::test::readAll(target), QByteArray("stary"));
    EXPECT_EQ(filesIn(dir), QStringList{"plik.txt"});

    const QString readOnly = dir.write("tylko_do_odczytu.txt", "chroniony");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
    for (const QString& path : {dir.path(), dir.file("brak/plik.txt"), readOnly}) {
        DownloadFile file(path);
        EXPECT_FALSE(file.open()) << path.toStdString();
        EXPECT_FALSE(file.errorString().isEmpty()) << path.toStdString();
    }
    EXPECT_EQ(wertan::test::readAll(readOnly), QByteArray("chroniony"));
}

} // namespace
