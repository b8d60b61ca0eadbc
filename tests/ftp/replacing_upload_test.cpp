// Storing over a remote file through a temporary name and a rename, against pyftpdlib on
// 127.0.0.1, with the server's faults on demand: a failed upload never cuts the earlier file.
#include "client_probe.h"
#include "test_servers.h"

#include "ftp/ftp_client.h"
#include "ftp/replacing_upload.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <memory>

using namespace wertan::ftp;
using wertan::test::ClientProbe;
using wertan::test::PyFtpServer;
using wertan::test::TempDir;

namespace {

QByteArray pattern(qsizetype size, char seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(seed + i * 7);
    return bytes;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<brak pliku>");
}

class ReplacingUpload : public ::testing::Test {
protected:
    void start(const QStringList& faults = {}, bool passive = false) {
        QDir(root.path()).mkpath(QStringLiteral("a"));
        root.write(QStringLiteral("a/index.php"), earlier);
        server = std::make_unique<PyFtpServer>(root.path(), QStringLiteral("127.0.0.1"), faults);
        ASSERT_TRUE(server->running()) << server->error().toStdString();
        client.hostName = "127.0.0.1";
        client.port = std::to_string(server->port());
        client.userName = "wertan";
        client.password = "tajne";
        client.passive = passive;
        ASSERT_TRUE(client.connectToServer()) << client.errorMessage();
    }
    QString served(const char* name) const { return QDir(root.path()).filePath(QString::fromLatin1(name)); }
    QString localFile(const QByteArray& bytes) const {
        return local.write(QStringLiteral("index.php"), bytes);
    }
    bool sent(const std::string& command) const {
        const auto c = probe.commands();
        return std::find(c.begin(), c.end(), command) != c.end();
    }

    QByteArray earlier = "<?php echo 'stary'; ?>\r\n";
    TempDir root;
    TempDir local;
    std::unique_ptr<PyFtpServer> server;
    FtpClient client;
    ClientProbe probe{client};
};

} // namespace

TEST_F(ReplacingUpload, StoresUnderATemporaryNameAndRenamesItOverTheTarget) {
    for (bool passive : {false, true}) {
        SCOPED_TRACE(passive ? "passive" : "active");
        start({}, passive);
        const QByteArray fresh = pattern(300000, passive ? 'p' : 'a');
        const ReplacingUploadResult result = uploadReplacing(client, localFile(fresh), "/a/index.php");
        EXPECT_TRUE(result.ok) << result.failure;
        EXPECT_FALSE(result.direct);
        EXPECT_TRUE(fileBytes(served("a/index.php")) == fresh) << "the file did not arrive whole";
        EXPECT_FALSE(QFile::exists(served("a/~wertan-index.php")));
        EXPECT_TRUE(sent("STOR /a/~wertan-index.php"));
        EXPECT_TRUE(sent("RNFR /a/~wertan-index.php"));
        EXPECT_TRUE(sent("RNTO /a/index.php"));
        EXPECT_FALSE(sent("STOR /a/index.php"));
        client.Quit();
        probe.display.clear();
    }
}

TEST_F(ReplacingUpload, AServerThatRefusesTheRenameGetsADirectStore) {
    start({QStringLiteral("--no-rename")});
    const QByteArray fresh = pattern(5000, 'r');
    const ReplacingUploadResult result = uploadReplacing(client, localFile(fresh), "/a/index.php");
    EXPECT_TRUE(result.ok) << result.failure;
    EXPECT_TRUE(result.direct);
    EXPECT_EQ(fileBytes(served("a/index.php")), fresh);
    EXPECT_TRUE(sent("STOR /a/index.php"));
    EXPECT_TRUE(sent("DELE /a/~wertan-index.php"));
    EXPECT_FALSE(QFile::exists(served("a/~wertan-index.php")));
}

TEST_F(ReplacingUpload, AFailedUploadKeepsTheEarlierFile) {
    struct Case {
        const char* what;
        QStringList faults;
        bool connectedAfter;
    };
    const std::vector<Case> cases{
        {"the server refuses STOR", {QStringLiteral("--read-only"), QStringLiteral("a")}, true},
        {"the connection drops mid-transfer",
         {QStringLiteral("--drop-stor-after"), QStringLiteral("65536")},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start(c.faults);
        const ReplacingUploadResult result =
            uploadReplacing(client, localFile(pattern(2000000, 'x')), "/a/index.php");
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.failure.empty());
        EXPECT_TRUE(fileBytes(served("a/index.php")) == earlier) << "the earlier file was replaced";
        EXPECT_EQ(client.connected(), c.connectedAfter);
        if (c.connectedAfter) {
            EXPECT_FALSE(QFile::exists(served("a/~wertan-index.php")));
        }
        server.reset();
        client.abort();
    }
}

TEST_F(ReplacingUpload, AnAbortedUploadKeepsTheEarlierFileAndLeavesNoTemporaryFile) {
    start();
    probe.onProgress = [](std::int64_t bytes, bool& abort) { abort = bytes > 100000; };
    const ReplacingUploadResult result =
        uploadReplacing(client, localFile(pattern(4000000, 'z')), "/a/index.php");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(fileBytes(served("a/index.php")) == earlier) << "the earlier file was replaced";
    EXPECT_TRUE(client.connected());
    EXPECT_FALSE(QFile::exists(served("a/~wertan-index.php")));
}

TEST(TemporaryUploadName, StandsInTheSameFolderAndKeepsTheExtension) {
    EXPECT_EQ(temporaryUploadName("/a/b/index.php"), "/a/b/~wertan-index.php");
    EXPECT_EQ(temporaryUploadName("index.php"), "~wertan-index.php");
    EXPECT_EQ(temporaryUploadName("/x.html"), "/~wertan-x.html");
}
