// wertan-ftp, the command-line front end, run as a program against pyftpdlib.
#include "test_servers.h"

#include "support/temp_dir.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>
#include <unistd.h>

using wertan::test::PyFtpServer;
using wertan::test::TempDir;

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the tool; with `smallDisk` set, a small file system of its own (64 KB) is mounted over that
// folder for the run, in a mount namespace private to the tool.
ToolRun runTool(const QStringList& arguments, const QString& smallDisk = {}) {
    QProcess process;
    if (smallDisk.isEmpty())
        process.start(QStringLiteral(WERTAN_TOOLS_DIR "/wertan-ftp"), arguments);
    else
        process.start(QStringLiteral("unshare"),
                      QStringList{"-m", "sh", "-c", "mount -t tmpfs -o size=64k tmpfs \"$0\" && exec \"$@\"",
                                  smallDisk, QStringLiteral(WERTAN_TOOLS_DIR "/wertan-ftp")}
                          << arguments);
    ToolRun run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        run.err = "wertan-ftp did not finish";
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

TEST(WertanFtpCli, HelpSaysHow) {
    const ToolRun run = runTool({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    const QString help = QString::fromUtf8(run.out);
    EXPECT_TRUE(help.startsWith("Użycie: wertan-ftp --host H")) << run.out.toStdString();
    for (const char* part :
         {"--passive", "--active", "ls [KATALOG]", "pwd", "cd KATALOG", "mkdir NAZWA", "size NAZWA",
          "get ZDALNY LOKALNY", "put LOKALNY ZDALNY", "rm NAZWA", "Kod wyjścia"})
        EXPECT_TRUE(help.contains(QString::fromUtf8(part))) << part;
}

TEST(WertanFtpCli, WrongCallsExitWith2AndSayWhy) {
    const std::pair<QStringList, const char*> cases[] = {
        {{}, "brak opcji --host"},
        {{"--host", "h", "--user", "u"}, "brak poleceń do wykonania"},
        {{"--host", "h", "pwd"}, "brak opcji --user"},
        {{"--host", "h", "--user", "u", "--bogus", "pwd"}, "nieznana opcja: --bogus"},
        {{"--host", "h", "--user", "u", "kopiuj", "a"}, "nieznane polecenie: kopiuj"},
        {{"--host", "h", "--user", "u", "get", "a"}, "polecenie get wymaga argumentów: 2"},
        {{"--host", "h", "--user"}, "opcja --user wymaga wartości"},
        {{"--host=h", "--user=u", "--passive=tak", "pwd"}, "opcja --passive nie przyjmuje wartości"},
    };
    for (const auto& [arguments, message] : cases) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(QString::fromUtf8(message)))
            << arguments.join(' ').toStdString() << ": " << run.err.toStdString();
    }
}

class WertanFtpCliSession : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        server = std::make_unique<PyFtpServer>(root.path());
        ASSERT_TRUE(server->running()) << server->error().toStdString();
    }
    QStringList login() const {
        return {"--host", "127.0.0.1",  "--port", QString::number(server->port()),      "--user",
                "wertan", "--password", "tajne",  GetParam() ? "--passive" : "--active"};
    }

    TempDir root;
    TempDir local;
    std::unique_ptr<PyFtpServer> server;
};

TEST_P(WertanFtpCliSession, RunsEveryCommandInOneSession) {
    const QByteArray content("<?php echo 1;\r\n\x00\xff", 17);
    const QString source = local.write("a.php", content);
    QDir(local.path()).mkdir("pobrane");
    const ToolRun run = runTool(login() << "mkdir"
                                        << "kat"
                                        << "cd"
                                        << "kat"
                                        << "put" << source << "a.php"
                                        << "pwd"
                                        << "ls"
                                        << "size"
                                        << "a.php"
                                        << "get"
                                        << "/kat/a.php" << local.file("pobrane") << "rm"
                                        << "a.php"
                                        << "ls"
                                        << "/");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QList<QByteArray> lines = run.out.split('\n');
    EXPECT_TRUE(run.out.contains("/kat\n")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(" a.php\r\n")) << run.out.toStdString();
    EXPECT_TRUE(lines.contains("17")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(" kat\r\n")) << "listing of /: " << run.out.toStdString();
    EXPECT_EQ(wertan::test::readAll(local.file("pobrane/a.php")), content);
    EXPECT_FALSE(QFile::exists(root.file("kat/a.php")));
    EXPECT_TRUE(run.err.contains("> USER wertan\n"));
    EXPECT_TRUE(run.err.contains("> PASS ********\n"));
    EXPECT_TRUE(run.err.contains(GetParam() ? "> EPSV\n" : "> PORT 127,0,0,1,"));
    EXPECT_TRUE(run.err.contains("> QUIT\n"));
}

TEST_P(WertanFtpCliSession, StopsAtTheFirstFailureAndExitsWith1) {
    const ToolRun run = runTool(login() << "get"
                                        << "brak.txt" << local.file("brak.txt") << "pwd");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("wertan-ftp: get: 550 ")) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("> PWD")) << "no command runs after a failure";
    EXPECT_TRUE(run.err.contains("> QUIT\n"));
    EXPECT_FALSE(QFile::exists(local.file("brak.txt")));

    const ToolRun refused = runTool(QStringList(login()).replaceInStrings("tajne", "zle") << "pwd");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("wertan-ftp: połączenie: 530 ")) << refused.err.toStdString();
}

TEST_P(WertanFtpCliSession, GetIntoALinkChainWritesTheEndAndKeepsTheLinks) {
    root.write("a.php", "nowa tresc");
    QDir(local.path()).mkdir("real");
    const QString end = local.write("real/a.php", "stara tresc");
    ASSERT_TRUE(QFile::link("real/a.php", local.file("mid.php")));
    ASSERT_TRUE(QFile::link("mid.php", local.file("top.php")));
    const ToolRun run = runTool(login() << "get"
                                        << "a.php" << local.file("top.php"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(wertan::test::readAll(end), QByteArray("nowa tresc"));
    EXPECT_TRUE(QFileInfo(local.file("top.php")).isSymLink());
    EXPECT_TRUE(QFileInfo(local.file("mid.php")).isSymLink());
    EXPECT_EQ(QDir(local.file("real")).entryList(QDir::Files), QStringList{"a.php"});
}

TEST_P(WertanFtpCliSession, GetToAFullDiskSaysWhyInPolishAndCountsWhatCame) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small disk for the tool needs root";
    root.write("big.bin", QByteArray(300 * 1024, 'b'));
    QDir(local.path()).mkdir("disk");
    const ToolRun run = runTool(login() << "get"
                                        << "big.bin" << local.file("disk/big.bin"),
                                local.file("disk"));
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    const QString err = QString::fromUtf8(run.err);
    EXPECT_TRUE(err.contains(QStringLiteral("426 Nie można zapisać pliku lokalnego %1: Brak miejsca na dysku")
                                 .arg(local.file("disk/big.bin"))))
        << run.err.toStdString();
    EXPECT_FALSE(err.contains(QStringLiteral("Unknown error"))) << run.err.toStdString();
    EXPECT_FALSE(err.contains(QStringLiteral("! 0 bytes received"))) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Modes, WertanFtpCliSession, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Passive" : "Active";
                         });

} // namespace
