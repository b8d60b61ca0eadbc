#include "servers/builtin_php_server.h"
#include "servers/php_server_support.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <gtest/gtest.h>

using namespace wertan;
using namespace wertan::test;

namespace {

class BuiltInServer : public ::testing::Test {
protected:
    TempDir dir;
    BuiltInServerConfig config;

    void SetUp() override {
        if (!phpInstalled()) GTEST_SKIP() << "php is not installed";
        config.address = {QStringLiteral("localhost"), freePort()};
        config.documentRoot = dir.file(QStringLiteral("public_html"));
        config.routerScript =
            QString::fromUtf8(WERTAN_PROGRAM_SOURCE_DIR) + QStringLiteral("/config/httpserv/router.php");
    }
    QString url(const QString& path) const {
        return QStringLiteral("http://localhost:%1%2").arg(config.address.port).arg(path);
    }
    void page(const QString& name, const QByteArray& text) {
        dir.write(QStringLiteral("public_html/") + name, text);
    }
};

} // namespace

TEST(ServerAddress, TakenFromTheTestAddress) {
    const struct {
        const char* url;
        bool ok;
        const char* host;
        int port;
    } cases[] = {
        {"http://localhost:8000/index.php3", true, "localhost", 8000},
        {"http://localhost/index.php3", true, "localhost", 80},
        {"HTTP://127.0.0.1:9001/", true, "127.0.0.1", 9001},
        {"http://[::1]:8080/a.php", true, "::1", 8080},
        {"https://localhost:8443/", false, "", 0},
        {"file:///home/u/a.php", false, "", 0},
        {"localhost:8000", false, "", 0},
        {"", false, "", 0},
    };
    for (const auto& c : cases) {
        QString error;
        const auto address = serverAddressOf(QString::fromLatin1(c.url), &error);
        ASSERT_EQ(address.has_value(), c.ok) << c.url;
        if (c.ok) {
            EXPECT_EQ(address->host, QString::fromLatin1(c.host));
            EXPECT_EQ(address->port, c.port);
        } else {
            EXPECT_TRUE(error.contains(QStringLiteral("Adres testowy"))) << error.toStdString();
        }
    }
    BuiltInServerConfig c;
    c.address = {QStringLiteral("::1"), 8080};
    c.documentRoot = QStringLiteral("/r");
    c.routerScript = QStringLiteral("/p/router.php");
    EXPECT_EQ(builtInServerArguments(c),
              (QStringList{QStringLiteral("-q"), QStringLiteral("-S"), QStringLiteral("[::1]:8080"),
                           QStringLiteral("-t"), QStringLiteral("/r"), QStringLiteral("/p/router.php")}));
}

// The document root is created on the first start (a note, not an error); PHP pages of every
// extension run as PHP, other files are sent as they are, folders give their index page.
TEST_F(BuiltInServer, ServesTheDocumentRootThroughPhp) {
    BuiltInPhpServer server;
    int running = 0;
    QObject::connect(&server, &BuiltInPhpServer::runningChanged, [&] { ++running; });
    const auto result = server.start(config);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(result.error.isEmpty());
    EXPECT_TRUE(result.note.contains(QStringLiteral("Utworzono główny katalog serwera")))
        << result.note.toStdString();
    EXPECT_TRUE(QDir(config.documentRoot).exists());
    EXPECT_TRUE(server.isRunning());
    ASSERT_EQ(running, 1);

    for (const char* ext : {"php3", "php4", "php", "phtml", "inc", "PHP3"}) {
        const QString name = QStringLiteral("strona.") + QString::fromLatin1(ext);
        page(name, "<?php echo 'wynik ', 6 * 7, ' ', basename($_SERVER['PHP_SELF']); ?>");
        const HttpAnswer answer = httpGet(url(QStringLiteral("/") + name));
        EXPECT_EQ(answer.status, 200) << ext << answer.error.toStdString();
        EXPECT_EQ(answer.body, QByteArray("wynik 42 ") + name.toLatin1()) << ext;
    }
    page(QStringLiteral("plik.txt"), "<?php echo 1; ?>");
    EXPECT_EQ(httpGet(url(QStringLiteral("/plik.txt"))).body, QByteArray("<?php echo 1; ?>"));
    page(QStringLiteral("dzial/index.php3"), "<?php echo 'indeks ', $_SERVER['PHP_SELF']; ?>");
    EXPECT_EQ(httpGet(url(QStringLiteral("/dzial/"))).body, QByteArray("indeks /dzial/index.php3"));
    const HttpAnswer folder = httpGet(url(QStringLiteral("/dzial")));
    EXPECT_EQ(folder.status, 301);
    EXPECT_EQ(httpGet(url(QStringLiteral("/brak.php3"))).status, 404);
    // Nothing outside the document root is reachable.
    dir.write(QStringLiteral("tajne.php3"), "<?php echo 'tajne'; ?>");
    EXPECT_NE(httpGet(url(QStringLiteral("/../tajne.php3"))).body, QByteArray("tajne"));
    EXPECT_NE(httpGet(url(QStringLiteral("/%2e%2e/tajne.php3"))).body, QByteArray("tajne"));

    // A page's variables and functions live in the global scope, as under a real server.
    page(QStringLiteral("zasieg.php3"), "<?php $a = 5; function f() { global $a; return $a; } echo f(), "
                                        "isset($wertan_router_target) ? 'x' : '';");
    EXPECT_EQ(httpGet(url(QStringLiteral("/zasieg.php3"))).body, QByteArray("5"));
}

// Stopping ends the process; so does destroying the server object.
TEST_F(BuiltInServer, StoppingLeavesNoProcess) {
    qint64 pid = 0;
    {
        BuiltInPhpServer server;
        ASSERT_TRUE(server.start(config).ok);
        pid = server.processId();
        ASSERT_TRUE(processExists(pid));
        server.stop();
        EXPECT_FALSE(server.isRunning());
        EXPECT_FALSE(processExists(pid));
        ASSERT_TRUE(server.start(config).ok); // it can start again on the same port
        pid = server.processId();
    }
    EXPECT_FALSE(processExists(pid));
    EXPECT_NE(httpGet(url(QStringLiteral("/")), 3000).error, QString());
}

TEST_F(BuiltInServer, TakenPortIsReportedInPolish) {
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress::LocalHost, quint16(config.address.port)));
    BuiltInPhpServer server;
    const auto result = server.start(config);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(server.isRunning());
    EXPECT_TRUE(result.error.contains(
        QStringLiteral("port %1 na localhost jest już zajęty").arg(config.address.port)))
        << result.error.toStdString();
}

TEST_F(BuiltInServer, StartFailuresAreReportedInPolish) {
    BuiltInPhpServer server;
    {
        BuiltInServerConfig c = config;
        c.phpProgram = dir.file(QStringLiteral("brak-php"));
        const auto r = server.start(c);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.error.contains(QStringLiteral("Zainstaluj PHP"))) << r.error.toStdString();
    }
    {
        BuiltInServerConfig c = config;
        dir.write(QStringLiteral("plik"), "x");
        c.documentRoot = dir.file(QStringLiteral("plik"));
        const auto r = server.start(c);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.error.contains(QStringLiteral("nie jest katalogiem"))) << r.error.toStdString();
    }
    {
        BuiltInServerConfig c = config;
        c.routerScript = dir.file(QStringLiteral("brak.php"));
        const auto r = server.start(c);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.error.contains(QStringLiteral("brak pliku"))) << r.error.toStdString();
    }
    {
        // PHP's own refusal to listen: an address this machine does not have.
        BuiltInServerConfig c = config;
        c.address.host = QStringLiteral("192.0.2.1");
        const auto r = server.start(c);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.error.contains(QStringLiteral("nie może nasłuchiwać na 192.0.2.1")))
            << r.error.toStdString();
    }
    EXPECT_FALSE(server.isRunning());
}

TEST_F(BuiltInServer, UnreadableDocumentRootIsReported) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every folder";
    QDir().mkpath(config.documentRoot);
    QFile::setPermissions(config.documentRoot, QFileDevice::WriteOwner);
    BuiltInPhpServer server;
    const auto r = server.start(config);
    QFile::setPermissions(config.documentRoot,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains(QStringLiteral("brak prawa odczytu"))) << r.error.toStdString();
}

// A server that dies on its own is noticed.
TEST_F(BuiltInServer, UnexpectedEndIsSignalled) {
    BuiltInPhpServer server;
    ASSERT_TRUE(server.start(config).ok);
    QStringList ended;
    QObject::connect(&server, &BuiltInPhpServer::stoppedUnexpectedly,
                     [&](const QString& why) { ended << why; });
    ::kill(pid_t(server.processId()), SIGKILL);
    ASSERT_TRUE(waitFor([&] { return ended.size() == 1; }));
    EXPECT_FALSE(server.isRunning());
    EXPECT_TRUE(ended.first().contains(QStringLiteral("zakończył pracę")));
}
