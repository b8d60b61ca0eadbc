// The "Serwery" menu, tool window and configuration dialog, and the built-in PHP server started and
// ended by the program, through the real main window.
#include "servers/php_server_support.h"
#include "servers/server_control.h"
#include "servers/ui/server_config_dialog.h"
#include "servers/ui/servers_tool_window.h"
#include "shell/main_window_harness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTcpServer>
#include <QToolButton>

using namespace wertan;
using namespace wertan::test;

namespace {

class ServersWindows : public MainWindowHarness {
protected:
    ServerControl* control() { return window->findChild<ServerControl*>(); }
    ServerConfigDialog* dialog() { return window->findChild<ServerConfigDialog*>(); }
    ServersToolWindow* tool() { return window->findChild<ServersToolWindow*>(); }
    QAction* item(const char* name) { return window->action(QString::fromLatin1(name)); }
    QString httpFile() { return programDir + QStringLiteral("/config/httpserv/path.dat"); }
    QString dataFile() { return programDir + QStringLiteral("/config/dataserv/path.dat"); }
    // The visible items of the "Serwery" menu after its FTP entries, separators as "-".
    QStringList menuItems() {
        QStringList out;
        bool after = false;
        for (QAction* a : window->menu(QStringLiteral("MenuServers"))->actions()) {
            if (a->objectName() == QStringLiteral("MenuServers_FTPServery")) after = true;
            if (!after || !a->isVisible()) continue;
            out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        return out;
    }
    // The built-in server at a free port over a private document root.
    int port = 0;
    void useFreePort() {
        port = freePort();
        window->settings().documentRoot = dir.file(QStringLiteral("public_html"));
        window->settings().testUrl = QStringLiteral("http://localhost:%1/index.php3").arg(port);
    }
};

} // namespace

// The delivered settings choose the built-in server: its pair shows with the mySQL pair, each group
// after a separator.
TEST_F(ServersWindows, MenuShowsThePairsOfTheDeliveredTypes) {
    EXPECT_EQ(menuItems(),
              (QStringList{QStringLiteral("Serwery FTP..."), QStringLiteral("-"),
                           QStringLiteral("Uruchom wbudowany serwer PHP"),
                           QStringLiteral("Zakończ wbudowany serwer PHP"), QStringLiteral("-"),
                           QStringLiteral("Uruchom mySQL Server"), QStringLiteral("Zakończ mySQL Server"),
                           QStringLiteral("-"), QStringLiteral("Opcje..."), QStringLiteral("-"),
                           QStringLiteral("&Pasek narzędzi")}));
    EXPECT_TRUE(item("MenuServers_ToolBar")->isEnabled());
    EXPECT_TRUE(item("ActPHPServerStart")->isEnabled());
    EXPECT_FALSE(item("ActPHPServerKill")->isEnabled());
    EXPECT_TRUE(prompts.asked().empty());
    EXPECT_EQ(dialog()->httpTypeBox()->currentText(), QStringLiteral("Wbudowany serwer PHP"));
    EXPECT_EQ(dialog()->field(QStringLiteral("EditPhpProgram"))->text(), QStringLiteral("php"));
    EXPECT_EQ(dialog()->field(QStringLiteral("EditPath"))->text(), QStringLiteral("/usr/bin"));
}

// "Inny" and "OK": an eleven-line HTTP file with 1 on line 3, the custom pair in the menu, the tool
// bar disabled. "Anuluj" keeps what was typed in the fields but writes nothing.
TEST_F(ServersWindows, ConfigurationDialogWritesTheFilesAndAdjustsTheMenu) {
    run("ActOptions");
    ASSERT_TRUE(dialog()->isVisible());
    dialog()->httpTypeBox()->setCurrentIndex(1);
    dialog()->field(QStringLiteral("EditHttpStart"))->setText(QStringLiteral("/opt/web/start"));
    dialog()->field(QStringLiteral("EditHttpStartParams"))->setText(QStringLiteral("-c \"a b\""));
    dialog()->confirm();
    EXPECT_FALSE(dialog()->isVisible());
    const QByteArray http = readAll(httpFile());
    EXPECT_EQ(http.count("\r\n"), 11);
    EXPECT_EQ(http.split('\n').value(2), QByteArray("1\r"));
    EXPECT_EQ(readAll(dataFile()).count("\r\n"), 7);
    EXPECT_TRUE(menuItems().contains(QStringLiteral("Uruchom HTTP Serwer")));
    EXPECT_TRUE(menuItems().contains(QStringLiteral("Zakończ HTTP serwer")));
    EXPECT_FALSE(menuItems().contains(QStringLiteral("Uruchom Apache Server")));
    EXPECT_FALSE(menuItems().contains(QStringLiteral("Uruchom wbudowany serwer PHP")));
    EXPECT_FALSE(item("MenuServers_ToolBar")->isEnabled());
    run("ActHTTPStart");
    ASSERT_EQ(launcher.launches().size(), 1u);
    EXPECT_EQ(launcher.launches()[0].program, QStringLiteral("/opt/web/start"));
    EXPECT_EQ(launcher.launches()[0].arguments, (QStringList{QStringLiteral("-c"), QStringLiteral("a b")}));

    run("ActOptions");
    dialog()->httpTypeBox()->setCurrentIndex(0);
    dialog()->field(QStringLiteral("EditPath2"))->setText(QStringLiteral("/opt/apache/bin"));
    dialog()->findChild<QPushButton*>(QStringLiteral("BtnCancel"))->click();
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(readAll(httpFile()), http);
    run("ActOptions");
    EXPECT_EQ(dialog()->httpTypeBox()->currentIndex(), 0);
    EXPECT_EQ(dialog()->field(QStringLiteral("EditPath2"))->text(), QStringLiteral("/opt/apache/bin"));
    EXPECT_TRUE(menuItems().contains(QStringLiteral("Uruchom HTTP Serwer"))); // the menu waits for "OK"
}

// A missing settings file is reported once at start; the menu is not adjusted and nothing starts.
TEST_F(ServersWindows, MissingSettingsFileAtStart) {
    QFile::remove(dataFile());
    prompts.clear();
    start({});
    const QStringList errors = prompts.askedTexts(AskedPrompt::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains(QStringLiteral("path.dat"))) << errors.first().toStdString();
    EXPECT_TRUE(menuItems().contains(QStringLiteral("Uruchom Apache Server")));
    EXPECT_TRUE(menuItems().contains(QStringLiteral("Uruchom HTTP Serwer")));
    QCoreApplication::processEvents();
    EXPECT_FALSE(control()->phpServer().isRunning());
    EXPECT_TRUE(launcher.launches().empty());
}

// "Pasek narzędzi" docks the tool window; unchecking or closing the window takes it away.
TEST_F(ServersWindows, ToolBarItemShowsTheToolWindowDocked) {
    window->show();
    run("MenuServers_ToolBar");
    EXPECT_TRUE(item("MenuServers_ToolBar")->isChecked());
    EXPECT_TRUE(tool()->isVisible());
    EXPECT_TRUE(window->dockingArea()->isAncestorOf(tool()));
    EXPECT_EQ(tool()->button(QStringLiteral("BtnApacheStart"))->text(), QStringLiteral("Uruchom serwer PHP"));
    run("MenuServers_ToolBar");
    EXPECT_FALSE(item("MenuServers_ToolBar")->isChecked());
    EXPECT_FALSE(tool()->isVisible());
    run("MenuServers_ToolBar");
    tool()->close();
    EXPECT_FALSE(item("MenuServers_ToolBar")->isChecked());
    // The options button opens the dialog.
    run("MenuServers_ToolBar");
    tool()->button(QStringLiteral("BtnOptions"))->click();
    EXPECT_TRUE(dialog()->isVisible());
}

// Started from the menu at the test address; the buttons follow its state; ending the program
// (also from the window manager's close) ends the server.
TEST_F(ServersWindows, BuiltInServerFromTheMenuEndsWithTheProgram) {
    if (!phpInstalled()) GTEST_SKIP() << "php is not installed";
    window->show();
    useFreePort();
    run("MenuServers_ToolBar");
    run("ActPHPServerStart");
    ASSERT_TRUE(control()->phpServer().isRunning())
        << prompts.askedTexts(AskedPrompt::Kind::Error).join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(window->statusPanelText(6).startsWith(QStringLiteral("Utworzono główny katalog serwera")));
    EXPECT_FALSE(item("ActPHPServerStart")->isEnabled());
    EXPECT_TRUE(item("ActPHPServerKill")->isEnabled());
    EXPECT_FALSE(tool()->button(QStringLiteral("BtnApacheStart"))->isEnabled());
    EXPECT_TRUE(tool()->button(QStringLiteral("BtnApacheKill"))->isEnabled());
    EXPECT_TRUE(tool()->stateLine().contains(QStringLiteral("localhost:%1").arg(port)));
    dir.write(QStringLiteral("public_html/index.php3"), "<?php echo 'dziala';");
    EXPECT_EQ(httpGet(window->settings().testUrl).body, QByteArray("dziala"));

    tool()->button(QStringLiteral("BtnApacheKill"))->click();
    EXPECT_FALSE(control()->phpServer().isRunning());
    EXPECT_TRUE(item("ActPHPServerStart")->isEnabled());
    run("ActPHPServerStart");
    const qint64 pid = control()->phpServer().processId();
    ASSERT_TRUE(processExists(pid));
    window->close();
    EXPECT_FALSE(processExists(pid));
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Error).isEmpty());
}

// Choosing another HTTP server type ends a running built-in server, whose commands leave the menu.
TEST_F(ServersWindows, AnotherHttpTypeEndsTheBuiltInServer) {
    if (!phpInstalled()) GTEST_SKIP() << "php is not installed";
    useFreePort();
    run("ActPHPServerStart");
    const qint64 pid = control()->phpServer().processId();
    ASSERT_TRUE(processExists(pid));
    run("ActOptions");
    dialog()->httpTypeBox()->setCurrentIndex(0);
    dialog()->confirm();
    EXPECT_FALSE(control()->phpServer().isRunning());
    EXPECT_FALSE(processExists(pid));
    EXPECT_TRUE(menuItems().contains(QStringLiteral("Uruchom Apache Server")));
}

// A changed document root or test address: the next preview finds the server moved to them.
TEST_F(ServersWindows, BuiltInServerFollowsTheSettingsBeforeAPreview) {
    if (!phpInstalled()) GTEST_SKIP() << "php is not installed";
    useFreePort();
    run("ActPHPServerStart");
    ASSERT_TRUE(control()->phpServer().isRunning());
    useFreePort();
    window->settings().documentRoot = dir.file(QStringLiteral("inny_katalog"));
    window->mainPageControl()->setCurrentIndex(1);
    ASSERT_TRUE(control()->phpServer().isRunning());
    EXPECT_EQ(control()->phpServer().config().address.port, port);
    EXPECT_EQ(control()->phpServer().config().documentRoot, dir.file(QStringLiteral("inny_katalog")));
}

TEST_F(ServersWindows, TakenPortIsReportedInPolish) {
    if (!phpInstalled()) GTEST_SKIP() << "php is not installed";
    useFreePort();
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress::LocalHost, quint16(port)));
    run("ActPHPServerStart");
    EXPECT_FALSE(control()->phpServer().isRunning());
    const QStringList errors = prompts.askedTexts(AskedPrompt::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains(QStringLiteral("port %1 na localhost jest już zajęty").arg(port)))
        << errors.first().toStdString();
}

// With automatic start on, the server starts once the windows are made, at the test address as it is
// then, and the program's end ends it.
TEST_F(ServersWindows, BuiltInServerStartsWithTheProgram) {
    if (!phpInstalled()) GTEST_SKIP() << "php is not installed";
    ASSERT_TRUE(writeHttpServerFile(httpFile(), deliveredHttpServerSettings(), nullptr));
    start({});
    useFreePort();
    EXPECT_FALSE(control()->phpServer().isRunning());
    ASSERT_TRUE(waitFor([&] { return control()->phpServer().isRunning(); }))
        << prompts.askedTexts(AskedPrompt::Kind::Error).join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(control()->phpServer().config().address.port, port);
    const qint64 pid = control()->phpServer().processId();
    window.reset(); // the program ends without the closing step: the server still goes
    EXPECT_FALSE(processExists(pid));
}
