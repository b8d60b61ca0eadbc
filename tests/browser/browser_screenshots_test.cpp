// Pictures of the "Przeglądaj" page previewing a PHP page, of the mini browser, of the help's main
// page and of the server windows for docs/screenshots. Runs only when WERTAN_SCREENSHOT_DIR names
// the folder to write them to.
#include "browser/ui/browser_frame.h"
#include "browser/ui/mini_browser_window.h"
#include "servers/php_server_support.h"
#include "servers/server_control.h"
#include "servers/ui/server_config_dialog.h"
#include "servers/ui/servers_tool_window.h"
#include "shell/main_window_harness.h"

#include <QComboBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>

using namespace wertan;
using namespace wertan::test;

namespace {

class BrowserScreenshots : public MainWindowHarness {
protected:
    QDir out;
    void SetUp() override {
        const QString folder = qEnvironmentVariable("WERTAN_SCREENSHOT_DIR");
        if (folder.isEmpty()) GTEST_SKIP() << "set WERTAN_SCREENSHOT_DIR to write the pictures";
        out = QDir(folder);
        MainWindowHarness::SetUp();
        window->resize(1000, 700);
        window->show();
    }
    // Lets the web view paint what it has loaded.
    static void settle(int ms = 800) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    bool loaded(BrowserFrame* frame, const QString& title) {
        return waitFor([&] { return frame->title() == title && !frame->isLoading(); }, 30000);
    }
};

} // namespace

TEST_F(BrowserScreenshots, PreviewOfAPhpPage) {
    if (!phpInstalled()) GTEST_SKIP() << "php is not installed";
    const int port = freePort();
    window->settings().documentRoot = dir.file(QStringLiteral("public_html"));
    window->settings().testUrl = QStringLiteral("http://localhost:%1/index.php3").arg(port);
    run("ActPHPServerStart");
    const QString path = dir.write(
        QStringLiteral("public_html/index.php3"),
        "<html>\r\n<head><title>Lista zakupów</title></head>\r\n<body style=\"font-family: sans-serif\">\r\n"
        "<h1>Lista zakupów</h1>\r\n<table border=\"1\" cellpadding=\"4\">\r\n"
        "<tr><th>Lp.</th><th>Towar</th><th>Cena</th></tr>\r\n<?php\r\n"
        "$towary = array('Chleb' => 3.49, 'Mleko' => 2.99, 'Ser żółty' => 7.5);\r\n$i = 0;\r\n"
        "foreach ($towary as $nazwa => $cena) {\r\n    $i++;\r\n"
        "    printf(\"<tr><td>%d</td><td>%s</td><td>%.2f zł</td></tr>\\n\", $i, $nazwa, "
        "$cena);\r\n}\r\n?>\r\n"
        "</table>\r\n<p>Razem: <?php echo number_format(array_sum($towary), 2, ',', ' '); ?> zł, "
        "PHP <?php echo PHP_VERSION; ?></p>\r\n</body>\r\n</html>\r\n");
    ws().openDocument(path, QStringLiteral(".PHP3"));
    QTabBar* bar = window->mainPageControl()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    auto* frame = window->findChild<BrowserFrame*>(QStringLiteral("FrameBroswer"));
    ASSERT_TRUE(loaded(frame, QStringLiteral("Lista zakupów")));
    settle();
    EXPECT_TRUE(window->grab().save(out.filePath(QStringLiteral("browser_page_php_preview.png"))));
}

TEST_F(BrowserScreenshots, MiniBrowserWithTheManual) {
    run("MenuView_Help_Window");
    auto* mini = window->findChild<MiniBrowserWindow*>();
    mini->resize(520, 560);
    run("MenuPop_MiniBrowser"); // docked by the browser menu
    window->mainSplitter()->setSizes({380, 620});
    mini->showProgramPage(QStringLiteral("pomoc\\manual\\ref.strings.html"));
    ASSERT_TRUE(
        waitFor([&] { return !mini->frame()->title().isEmpty() && !mini->frame()->isLoading(); }, 30000));
    settle();
    EXPECT_TRUE(window->grab().save(out.filePath(QStringLiteral("mini_browser_docked.png"))));
}

TEST_F(BrowserScreenshots, HelpMainPage) {
    if (!QFile::exists(programDir + QStringLiteral("/pomoc/main.htm")))
        GTEST_SKIP() << "the help's main page is not in this tree yet";
    auto* frame = window->findChild<BrowserFrame*>(QStringLiteral("FrameBroswer"));
    run("MenuHelp_Main");
    ASSERT_TRUE(waitFor([&] { return !frame->title().isEmpty() && !frame->isLoading(); }, 30000));
    settle();
    EXPECT_TRUE(window->grab().save(out.filePath(QStringLiteral("browser_page_help_main.png"))));
}

TEST_F(BrowserScreenshots, ServerWindows) {
    window->mainSplitter()->setSizes({220, 780});
    run("MenuServers_ToolBar");
    run("ActOptions");
    auto* dialog = window->findChild<ServerConfigDialog*>();
    settle(200);
    EXPECT_TRUE(dialog->grab().save(out.filePath(QStringLiteral("server_config_dialog.png"))));
    dialog->hide();
    settle(200);
    EXPECT_TRUE(window->grab().save(out.filePath(QStringLiteral("servers_tool_window.png"))));
}
