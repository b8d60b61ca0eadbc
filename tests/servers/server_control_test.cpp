#include "platform/scripted/scripted_launcher.h"
#include "platform/scripted/scripted_prompts.h"
#include "servers/php_server_support.h"
#include "servers/server_control.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace wertan;
using namespace wertan::test;

namespace {

class ServerControlTest : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedLauncher launcher;
    ScriptedPrompts prompts;
    QString testUrl = QStringLiteral("http://localhost:8000/index.php3");
    std::unique_ptr<ServerControl> control = make();

    std::unique_ptr<ServerControl> make() {
        return std::make_unique<ServerControl>(ServerControl::Environment{
            launcher, prompts, dir.file(QStringLiteral("config/httpserv/path.dat")),
            dir.file(QStringLiteral("config/dataserv/path.dat")),
            QString::fromUtf8(WERTAN_PROGRAM_SOURCE_DIR) + QStringLiteral("/config/httpserv/router.php"),
            [this] { return dir.file(QStringLiteral("public_html")); }, [this] { return testUrl; }});
    }
    void files(const HttpServerSettings& http, const DataServerSettings& data) {
        dir.write(QStringLiteral("config/httpserv/path.dat"),
                  QByteArray::fromStdString(encodeHttpServerFile(http)));
        dir.write(QStringLiteral("config/dataserv/path.dat"),
                  QByteArray::fromStdString(encodeDataServerFile(data)));
    }
    QStringList launched() const {
        QStringList out;
        for (const auto& l : launcher.launches())
            out << (l.program + QLatin1Char(' ') + l.arguments.join(QLatin1Char(' '))).trimmed();
        return out;
    }
};

} // namespace

// A missing database file is reported once; the HTTP file is not read and nothing starts.
TEST_F(ServerControlTest, MissingFileStopsTheReading) {
    HttpServerSettings http;
    http.apacheAutostart = true;
    dir.write(QStringLiteral("config/httpserv/path.dat"),
              QByteArray::fromStdString(encodeHttpServerFile(http)));
    EXPECT_FALSE(control->readSettings());
    const QStringList errors = prompts.askedTexts(AskedPrompt::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains(QStringLiteral("dataserv"))) << errors.first().toStdString();
    EXPECT_EQ(control->http(), HttpServerSettings());
}

// Automatic start runs the known servers' start programs whatever the types; the end runs their
// stop programs when automatic start is on, even after the user stopped them by hand.
TEST_F(ServerControlTest, AutostartAndStopAtExit) {
    HttpServerSettings http;
    http.apacheFolder = "/usr/sbin";
    http.apacheAutostart = true;
    DataServerSettings data;
    data.mysqlAutostart = true;
    files(http, data);
    ASSERT_TRUE(control->readSettings());
    control->autostart();
    EXPECT_EQ(launched(), (QStringList{QStringLiteral("/usr/sbin/apachectl -k start"),
                                       QStringLiteral("/usr/bin/mysqld_safe")}));
    EXPECT_TRUE(control->apacheStarted());
    EXPECT_TRUE(control->mysqlStarted());
    control->stopApache();
    EXPECT_FALSE(control->apacheStarted());
    control->stopAtExit();
    EXPECT_EQ(launched().mid(2), (QStringList{QStringLiteral("/usr/sbin/apachectl -k stop"),
                                              QStringLiteral("/usr/sbin/apachectl -k stop"),
                                              QStringLiteral("/usr/bin/mysqladmin -u root shutdown")}));
    // Started by hand without automatic start: left running at the end.
    launcher = ScriptedLauncher();
    control->http().apacheAutostart = false;
    control->data().mysqlAutostart = false;
    control->startApache();
    control->stopAtExit();
    EXPECT_EQ(launched(), QStringList{QStringLiteral("/usr/sbin/apachectl -k start")});
}

TEST_F(ServerControlTest, CustomServersRunTheirOwnPrograms) {
    control->http().custom = {"/opt/web/start", "-c \"a b\"", "/opt/web/stop", ""};
    control->data().custom = {"/opt/db/up", "", "/opt/db/down", "--fast"};
    control->startCustomHttp();
    control->stopCustomHttp();
    control->startCustomData();
    control->stopCustomData();
    EXPECT_EQ(launched(),
              (QStringList{QStringLiteral("/opt/web/start -c a b"), QStringLiteral("/opt/web/stop"),
                           QStringLiteral("/opt/db/up"), QStringLiteral("/opt/db/down --fast")}));
    EXPECT_EQ(launcher.launches()[0].arguments, (QStringList{QStringLiteral("-c"), QStringLiteral("a b")}));
}

// A program that cannot be started is reported and not marked as started.
TEST_F(ServerControlTest, LaunchFailureIsReported) {
    launcher.failWith = QStringLiteral("Nie można uruchomić programu /usr/sbin/apachectl: brak pliku");
    control->startApache();
    EXPECT_FALSE(control->apacheStarted());
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Error), QStringList{launcher.failWith});
}

TEST_F(ServerControlTest, WritesBothFilesInTheShapesOfTheTypes) {
    dir.write(QStringLiteral("config/httpserv/x"), "");
    dir.write(QStringLiteral("config/dataserv/x"), "");
    control->http().type = HttpServerType::Custom;
    ASSERT_TRUE(control->writeSettings());
    const QByteArray http = readAll(dir.file(QStringLiteral("config/httpserv/path.dat")));
    EXPECT_EQ(http.count("\r\n"), 11);
    EXPECT_EQ(http.split('\r').value(2), QByteArray("\n1"));
    EXPECT_EQ(readAll(dir.file(QStringLiteral("config/dataserv/path.dat"))).count("\r\n"), 7);
}

// The built-in server starts with the program when asked, at the test address, and ends with it.
TEST_F(ServerControlTest, BuiltInServerAutostartsAndEndsAtExit) {
    if (!phpInstalled()) GTEST_SKIP() << "php is not installed";
    const int port = freePort();
    testUrl = QStringLiteral("http://localhost:%1/index.php3").arg(port);
    files(deliveredHttpServerSettings(), DataServerSettings());
    ASSERT_TRUE(control->readSettings());
    control->autostart();
    EXPECT_TRUE(launcher.launches().empty());
    QStringList notes;
    QObject::connect(control.get(), &ServerControl::note, [&](const QString& n) { notes << n; });
    control->autostartPhpServer();
    ASSERT_TRUE(control->phpServer().isRunning())
        << prompts.askedTexts(AskedPrompt::Kind::Error).join(' ').toStdString();
    EXPECT_EQ(notes.size(), 1); // the document root was created
    EXPECT_TRUE(control->phpServerState().contains(QStringLiteral(":%1/").arg(port)));
    dir.write(QStringLiteral("public_html/index.php3"), "<?php echo 'ok ' . (1 + 1);");
    EXPECT_EQ(httpGet(testUrl).body, QByteArray("ok 2"));
    const qint64 pid = control->phpServer().processId();
    control->stopAtExit();
    EXPECT_FALSE(processExists(pid));
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(ServerControlTest, BuiltInServerNeedsAnHttpTestAddress) {
    testUrl = QStringLiteral("ftp://localhost/");
    EXPECT_FALSE(control->startPhpServer());
    const QStringList errors = prompts.askedTexts(AskedPrompt::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains(QStringLiteral("ftp://localhost/"))) << errors.first().toStdString();
}
