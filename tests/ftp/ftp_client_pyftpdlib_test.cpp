// The FTP client against a real server: pyftpdlib on 127.0.0.1.
#include "client_probe.h"
#include "test_servers.h"

#include "ftp/ftp_client.h"
#include "support/temp_dir.h"
#include "text/win1250.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <memory>
#include <random>

using namespace wertan::ftp;
using wertan::test::ClientProbe;
using wertan::test::PyFtpServer;
using wertan::test::TempDir;

namespace {

QByteArray randomBytes(qsizetype size, unsigned seed) {
    std::mt19937 generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes)
        c = char(generator() & 0xFF);
    return bytes;
}

// Line ends of every kind and every byte value: what an ASCII-type transfer would rewrite.
QByteArray lineEndsAndAllBytes() {
    QByteArray bytes("cr\rlf\ncrlf\r\nlfcr\n\rcrcrlf\r\r\n");
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    bytes.append("\n\r");
    return bytes;
}

std::string str(const QString& s) {
    return s.toStdString();
}

class PyFtp : public ::testing::Test {
protected:
    void SetUp() override {
        server = std::make_unique<PyFtpServer>(root.path());
        ASSERT_TRUE(server->running()) << str(server->error());
        client.hostName = "127.0.0.1";
        client.port = std::to_string(server->port());
        client.userName = "wertan";
        client.password = "tajne";
    }

    void login() { ASSERT_TRUE(client.connectToServer()) << client.errorMessage(); }

    TempDir root;  // served by the server
    TempDir local; // the client's side
    std::unique_ptr<PyFtpServer> server;
    FtpClient client;
    ClientProbe probe{client};
};

TEST_F(PyFtp, LogsInWithUserAndPasswordAndQuits) {
    ASSERT_TRUE(client.connectToServer()) << client.errorMessage();
    EXPECT_TRUE(client.connected());
    EXPECT_EQ(client.state(), FtpState::Ready);
    EXPECT_EQ(client.replyCode(), 230);
    EXPECT_EQ(probe.connected, std::vector<int>{0});
    EXPECT_EQ(probe.commands(), (std::vector<std::string>{"USER wertan", "PASS ********"}));
    EXPECT_FALSE(probe.displayedContaining("tajne")) << "the password must not reach the display";
    EXPECT_TRUE(probe.displayedContaining("< 220 "));

    ASSERT_TRUE(client.Quit()) << client.errorMessage();
    EXPECT_FALSE(client.connected());
    EXPECT_EQ(client.state(), FtpState::NotConnected);
    EXPECT_EQ(client.replyCode(), 221);
    EXPECT_EQ(probe.closed, std::vector<int>{0});
    EXPECT_EQ(probe.done,
              (std::vector<std::pair<FtpRequest, int>>{{FtpRequest::Connect, 0}, {FtpRequest::Quit, 0}}));
}

TEST_F(PyFtp, UserAcceptedAtUserGetsNoPass) {
    client.userName = "bezhasla";
    client.password.clear();
    ASSERT_TRUE(client.connectToServer()) << client.errorMessage();
    EXPECT_EQ(client.replyCode(), 230);
    EXPECT_EQ(probe.commands(), std::vector<std::string>{"USER bezhasla"});
}

TEST_F(PyFtp, RefusedLoginFailsAndLeavesNoSessionBehind) {
    struct Case {
        const char* password;
        int code;
        const char* message;
    };
    const Case cases[] = {{"zle", 530, "530 Authentication failed."}, {"", 500, "Password emtpy"}};
    for (const Case& c : cases) {
        client.password = c.password;
        probe.done.clear();
        EXPECT_FALSE(client.connectToServer()) << c.password;
        EXPECT_EQ(client.errorMessage(), c.message);
        EXPECT_EQ(client.replyCode(), c.code);
        EXPECT_EQ(probe.lastDone(), std::pair(FtpRequest::Connect, c.code));
        EXPECT_FALSE(client.connected());
        EXPECT_EQ(client.state(), FtpState::NotConnected);
    }
    client.password = "tajne";
    EXPECT_TRUE(client.connectToServer()) << client.errorMessage();
    EXPECT_TRUE(client.errorMessage().empty());
}

TEST_F(PyFtp, DirectoryRequestsReportDirectoriesSizesAndCodes) {
    root.write("plik.txt", QByteArray(1234, 'x'));
    login();
    struct Step {
        const char* what;
        std::function<bool()> run;
        FtpRequest kind;
        int error;
        std::string directory; // expected ReplyDirectory after success
    };
    const auto withFile = [this](const char* name, bool (FtpClient::*request)()) {
        return [this, name, request] {
            client.hostFileName = name;
            return (client.*request)();
        };
    };
    const auto cwd = [this](const char* name) {
        return [this, name] {
            client.hostDirName = name;
            return client.cwd();
        };
    };
    const std::vector<Step> steps = {
        {"pwd", [this] { return client.pwd(); }, FtpRequest::Pwd, 0, "/"},
        {"mkd", withFile("nowy", &FtpClient::mkd), FtpRequest::Mkd, 0, "/nowy"},
        {"mkd existing", withFile("nowy", &FtpClient::mkd), FtpRequest::Mkd, 550, ""},
        {"cwd", cwd("nowy"), FtpRequest::Cwd, 0, "/nowy"},
        {"pwd inside", [this] { return client.pwd(); }, FtpRequest::Pwd, 0, "/nowy"},
        {"cdup", [this] { return client.cdUp(); }, FtpRequest::CdUp, 0, "/"},
        {"cwd missing", cwd("brak"), FtpRequest::Cwd, 550, ""},
        {"size", withFile("plik.txt", &FtpClient::size), FtpRequest::Size, 0, ""},
        {"size missing", withFile("brak.txt", &FtpClient::size), FtpRequest::Size, 550, ""},
        {"dele", withFile("plik.txt", &FtpClient::dele), FtpRequest::Dele, 0, ""},
        {"dele missing", withFile("plik.txt", &FtpClient::dele), FtpRequest::Dele, 550, ""},
    };
    for (const Step& step : steps) {
        probe.done.clear();
        const bool ok = step.run();
        EXPECT_EQ(ok, step.error == 0) << step.what << ": " << client.errorMessage();
        EXPECT_EQ(probe.done, (std::vector<std::pair<FtpRequest, int>>{{step.kind, step.error}}))
            << step.what;
        EXPECT_EQ(client.state(), FtpState::Ready) << step.what;
        if (step.error != 0) {
            EXPECT_EQ(client.replyCode(), step.error) << step.what;
            EXPECT_EQ(client.errorMessage(), client.replyText()) << step.what;
            EXPECT_EQ(client.errorMessage().substr(0, 4), std::to_string(step.error) + " ") << step.what;
        } else {
            EXPECT_TRUE(client.errorMessage().empty()) << step.what;
            if (step.kind != FtpRequest::Size && step.kind != FtpRequest::Dele) {
                EXPECT_EQ(client.replyDirectory(), step.directory) << step.what;
            }
        }
        if (std::string(step.what) == "size") {
            EXPECT_EQ(client.replySize(), 1234);
        }
    }
    EXPECT_TRUE(QDir(root.file("nowy")).exists());
    EXPECT_FALSE(QFile::exists(root.file("plik.txt")));
}

TEST_F(PyFtp, ListsTheCurrentOrANamedDirectoryIntoTheLocalFile) {
    root.write("a.php", "<?php");
    root.write("sub/b.txt", "b");
    login();
    client.localFileName = local.file("FTPDIR.TXT");

    client.hostFileName.clear();
    ASSERT_TRUE(client.dir()) << client.errorMessage();
    EXPECT_EQ(probe.commands().back(), "LIST");
    QByteArray listing = wertan::test::readAll(client.localFileName);
    EXPECT_TRUE(listing.contains(" a.php\r\n")) << listing.toStdString();
    EXPECT_TRUE(listing.contains(" sub\r\n")) << listing.toStdString();
    EXPECT_TRUE(listing.startsWith('d') || listing.startsWith('-'));

    client.hostFileName = "sub";
    ASSERT_TRUE(client.dir()) << client.errorMessage();
    EXPECT_EQ(probe.commands().back(), "LIST sub");
    listing = wertan::test::readAll(client.localFileName);
    EXPECT_TRUE(listing.contains(" b.txt\r\n")) << listing.toStdString();
    EXPECT_FALSE(listing.contains("a.php"));

    // A failed listing leaves the earlier listing file as it was.
    client.hostFileName = "brak";
    EXPECT_FALSE(client.dir());
    EXPECT_EQ(client.replyCode(), 550);
    EXPECT_EQ(probe.lastDone(), std::pair(FtpRequest::Dir, 550));
    EXPECT_EQ(wertan::test::readAll(client.localFileName), listing);
    EXPECT_EQ(client.state(), FtpState::Ready);
}

class PyFtpTransfer : public PyFtp, public ::testing::WithParamInterface<bool> {};

TEST_P(PyFtpTransfer, PutAndGetKeepEveryByte) {
    client.passive = GetParam();
    login();
    struct File {
        const char* name;
        QByteArray bytes;
    };
    const File files[] = {
        {"pusty.bin", QByteArray()},
        {"jeden_blok.bin", randomBytes(1000, 1)},
        {"konce_linii.bin", lineEndsAndAllBytes()},
        {"duzy.bin", randomBytes(5 * 1024 * 1024 + 17, 2)},
    };
    for (const File& file : files) {
        client.localFileName = local.write(file.name, file.bytes);
        client.hostFileName = file.name;
        ASSERT_TRUE(client.put()) << file.name << ": " << client.errorMessage();
        EXPECT_EQ(probe.lastDone(), std::pair(FtpRequest::Put, 0)) << file.name;
        EXPECT_TRUE(wertan::test::readAll(root.file(file.name)) == file.bytes)
            << file.name << " on the server";

        client.localFileName = local.file(QStringLiteral("z_serwera_") + file.name);
        ASSERT_TRUE(client.get()) << file.name << ": " << client.errorMessage();
        EXPECT_EQ(probe.lastDone(), std::pair(FtpRequest::Get, 0)) << file.name;
        EXPECT_TRUE(wertan::test::readAll(client.localFileName) == file.bytes)
            << file.name << " fetched back";
        EXPECT_TRUE(
            probe.displayed("! " + std::to_string(file.bytes.size()) + " bytes received/sent in 0 seconds") ||
            probe.displayedContaining("! " + std::to_string(file.bytes.size()) + " bytes received/sent in "))
            << file.name;
    }
    const std::vector<std::string> sent = probe.commands();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "TYPE I"), 1) << "binary type is set once per session";
    const auto startsWith = [&sent](const std::string& prefix) {
        return std::count_if(sent.begin(), sent.end(),
                             [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
    };
    if (GetParam()) {
        EXPECT_EQ(startsWith("EPSV"), 8);
        EXPECT_EQ(startsWith("PORT"), 0);
    } else {
        EXPECT_EQ(startsWith("PORT 127,0,0,1,"), 8);
        EXPECT_EQ(startsWith("EPSV"), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, PyFtpTransfer, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Passive" : "Active";
                         });

TEST(PyFtpOverIpv6, TransfersUseEprtOrEpsv) {
    TempDir root;
    TempDir local;
    PyFtpServer server(root.path(), QStringLiteral("::1"));
    ASSERT_TRUE(server.running()) << str(server.error());
    const QByteArray bytes = lineEndsAndAllBytes();
    for (const bool passive : {false, true}) {
        FtpClient client;
        ClientProbe probe(client);
        client.hostName = "::1";
        client.port = std::to_string(server.port());
        client.userName = "wertan";
        client.password = "tajne";
        client.passive = passive;
        ASSERT_TRUE(client.connectToServer()) << client.errorMessage();
        client.localFileName = local.write("v6.bin", bytes);
        client.hostFileName = "v6.bin";
        ASSERT_TRUE(client.put()) << client.errorMessage();
        client.localFileName = local.file("v6_z_serwera.bin");
        ASSERT_TRUE(client.get()) << client.errorMessage();
        EXPECT_TRUE(wertan::test::readAll(client.localFileName) == bytes);
        const std::vector<std::string> sent = probe.commands();
        const std::string expected = passive ? "EPSV" : "EPRT |2|::1|";
        EXPECT_EQ(std::count_if(sent.begin(), sent.end(),
                                [&](const std::string& c) { return c.rfind(expected, 0) == 0; }),
                  2)
            << expected;
    }
}

TEST_F(PyFtp, ProgressFollowsEveryBlock) {
    login();
    const QByteArray bytes = randomBytes(10000, 3);
    client.localFileName = local.write("postep.bin", bytes);
    client.hostFileName = "postep.bin";
    ASSERT_TRUE(client.put()) << client.errorMessage();
    EXPECT_EQ(probe.progress, (std::vector<std::int64_t>{1514, 3028, 4542, 6056, 7570, 9084, 10000}));

    probe.progress.clear();
    client.localFileName = local.file("postep_z_serwera.bin");
    ASSERT_TRUE(client.get()) << client.errorMessage();
    ASSERT_FALSE(probe.progress.empty());
    EXPECT_TRUE(std::is_sorted(probe.progress.begin(), probe.progress.end()));
    EXPECT_EQ(std::adjacent_find(probe.progress.begin(), probe.progress.end()), probe.progress.end());
    EXPECT_EQ(probe.progress.back(), 10000);
}

TEST_F(PyFtp, AbortFlagEndsTheTransferAndKeepsTheOldLocalFile) {
    root.write("duzy.bin", randomBytes(4 * 1024 * 1024, 4));
    login();
    client.localFileName = local.write("duzy.bin", "stara zawartosc");
    client.hostFileName = "duzy.bin";
    probe.onProgress = [](std::int64_t, bool& abort) { abort = true; };
    EXPECT_FALSE(client.get());
    EXPECT_TRUE(probe.displayed("! Abort requested"));
    EXPECT_EQ(client.errorMessage(), "426 Abort requested");
    EXPECT_EQ(probe.lastDone(), std::pair(FtpRequest::Get, 426));
    EXPECT_EQ(probe.progress.size(), 1u);
    EXPECT_EQ(wertan::test::readAll(client.localFileName), QByteArray("stara zawartosc"));

    // An aborted upload fails too, whatever the server says of the part it received.
    probe.progress.clear();
    client.localFileName = local.write("wysylany.bin", randomBytes(100000, 5));
    client.hostFileName = "wysylany.bin";
    EXPECT_FALSE(client.put());
    EXPECT_EQ(client.errorMessage(), "426 Abort requested");
    EXPECT_EQ(probe.lastDone(), std::pair(FtpRequest::Put, 426));

    probe.onProgress = nullptr;
    EXPECT_TRUE(client.connected());
    EXPECT_TRUE(client.pwd()) << client.errorMessage();
}

TEST_F(PyFtp, LocalWriteFailureFailsTheDownloadAndKeepsTheOldFile) {
    root.write("duzy.bin", randomBytes(3 * 1024 * 1024, 6));
    login();
    client.localFileName = local.write("duzy.bin", "stara zawartosc");
    client.hostFileName = "duzy.bin";
    {
        wertan::test::FileSizeLimit limit(200 * 1024);
        EXPECT_FALSE(client.get());
    }
    EXPECT_EQ(client.errorMessage().rfind(
                  "426 Nie można zapisać pliku lokalnego " + str(client.localFileName) + ": ", 0),
              0u)
        << client.errorMessage();
    EXPECT_EQ(client.replyCode(), 426);
    EXPECT_EQ(probe.lastDone(), std::pair(FtpRequest::Get, 426));
    EXPECT_EQ(wertan::test::readAll(client.localFileName), QByteArray("stara zawartosc"));
    EXPECT_EQ(QDir(local.path()).entryList(QDir::Files), QStringList{"duzy.bin"})
        << "no temporary file is left";
    EXPECT_TRUE(client.pwd()) << client.errorMessage();
}

TEST_F(PyFtp, UnopenableLocalFileEndsTheTransferBeforeAnythingIsSent) {
    login();
    root.write("plik.bin", "na serwerze");
    const QString missing = local.file("brak/plik.bin");
    const QString folder = local.path();
    // The reason, in Polish, follows the message.
    const std::string noSuchFile = wertan::toWin1250(QStringLiteral("Nie ma takiego pliku ani folderu"));
    const std::string isFolder = wertan::toWin1250(QStringLiteral("To jest folder, a nie plik"));
    struct Case {
        FtpRequest kind;
        bool (FtpClient::*request)();
        QString path;
        std::string message;
    };
    const Case cases[] = {
        {FtpRequest::Get, &FtpClient::get, missing, "Unable to open local file " + str(missing) + ": " + noSuchFile},
        {FtpRequest::Get, &FtpClient::get, folder, "Unable to open local file " + str(folder) + ": " + isFolder},
        {FtpRequest::Dir, &FtpClient::dir, missing, "Unable to open local file " + str(missing) + ": " + noSuchFile},
        {FtpRequest::Put, &FtpClient::put, missing, "426 Unable to open local file " + str(missing) + ": " + noSuchFile},
        {FtpRequest::Put, &FtpClient::put, folder, "426 Unable to open local file " + str(folder) + ": " + isFolder},
    };
    for (const Case& c : cases) {
        client.localFileName = c.path;
        client.hostFileName = "plik.bin";
        const std::size_t sentBefore = probe.commands().size();
        EXPECT_FALSE((client.*c.request)());
        EXPECT_EQ(client.errorMessage(), c.message);
        EXPECT_EQ(client.replyCode(), 426);
        EXPECT_EQ(probe.lastDone(), std::pair(c.kind, 426));
        EXPECT_EQ(probe.commands().size(), sentBefore);
        EXPECT_EQ(client.state(), FtpState::Ready);
    }
    EXPECT_EQ(wertan::test::readAll(root.file("plik.bin")), QByteArray("na serwerze"));
}

TEST_F(PyFtp, RequestsThatCannotStartFailAtOnceWithTheirMessage) {
    EXPECT_FALSE(client.pwd());
    EXPECT_EQ(client.errorMessage(), "FTP component not connected");
    client.userName.clear();
    EXPECT_FALSE(client.connectToServer());
    EXPECT_EQ(client.errorMessage(), "UserName emtpy");
    client.userName = "wertan";
    login();

    struct Case {
        const char* what;
        std::function<bool()> run;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"connect again", [this] { return client.connectToServer(); }, "FTP component already connected"},
        {"cwd without a directory",
         [this] {
             client.hostDirName.clear();
             return client.cwd();
         },
         "HostDirName emtpy"},
        {"get without a local file",
         [this] {
             client.localFileName.clear();
             client.hostFileName = "a";
             return client.get();
         },
         "LocalFileName empty"},
        {"line break in a name",
         [this] {
             client.hostFileName = "a\r\nDELE b";
             return client.size();
         },
         "Niedozwolony znak (CR, LF lub NUL) w parametrze polecenia FTP"},
    };
    const std::size_t doneBefore = probe.done.size();
    const std::size_t sentBefore = probe.commands().size();
    for (const Case& c : cases) {
        EXPECT_FALSE(c.run()) << c.what;
        EXPECT_EQ(client.errorMessage(), c.message) << c.what;
        EXPECT_TRUE(probe.displayed("! " + c.message)) << c.what;
        EXPECT_EQ(client.state(), FtpState::Ready) << c.what;
    }
    EXPECT_EQ(probe.done.size(), doneBefore) << "a request that never started is not reported done";
    EXPECT_EQ(probe.commands().size(), sentBefore);
    EXPECT_TRUE(client.pwd()) << "a request that does not send the name is not held up by it";
}

TEST_F(PyFtp, ASecondRequestWhileOneRunsIsRefused) {
    root.write("plik.bin", randomBytes(300000, 7));
    login();
    client.localFileName = local.file("plik.bin");
    client.hostFileName = "plik.bin";
    std::vector<std::pair<bool, std::string>> nested;
    probe.onProgress = [&](std::int64_t, bool&) {
        if (nested.empty()) {
            const bool ok = client.pwd();
            nested.emplace_back(ok, client.errorMessage());
        }
    };
    ASSERT_TRUE(client.get()) << client.errorMessage();
    ASSERT_EQ(nested.size(), 1u);
    EXPECT_FALSE(nested[0].first);
    EXPECT_EQ(nested[0].second, "FTP component not ready");
    EXPECT_TRUE(client.errorMessage().empty()) << "the running request keeps its own result";
    EXPECT_EQ(wertan::test::readAll(client.localFileName).size(), 300000);
}

} // namespace
