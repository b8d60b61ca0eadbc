// The "Przeglądaj" page, the preview through the real built-in PHP server, the browser menu, the
// mini browser and the help commands, through the real main window.
#include "browser/ui/browser_frame.h"
#include "browser/ui/mini_browser_window.h"
#include "servers/php_server_support.h"
#include "servers/server_control.h"
#include "shell/main_window_harness.h"

#include <QComboBox>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace wertan;
using namespace wertan::test;

namespace {

class BrowserWindows : public MainWindowHarness {
protected:
    // The window is shown and active, so that its shortcuts take keys.
    void showWindow() {
        window->show();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowActive(window.get());
    }
    BrowserFrame* frame() { return window->findChild<BrowserFrame*>(QStringLiteral("FrameBroswer")); }
    MiniBrowserWindow* mini() { return window->findChild<MiniBrowserWindow*>(); }
    ServerControl* servers() { return window->findChild<ServerControl*>(); }
    QTabWidget* pages() { return window->mainPageControl(); }
    QString programPage(const QString& relative) {
        return QUrl::fromLocalFile(
                   QDir(programDir).filePath(QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/'))))
            .toString();
    }
    // The user clicks the "Przeglądaj" tab.
    void switchToBrowser() {
        QTabBar* bar = pages()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    }
    void switchToCode() { pages()->setCurrentIndex(0); }

    QString root() { return dir.file(QStringLiteral("public_html")); }
    // The built-in server at a free port over a private document root, as the user would set it up.
    int port = 0;
    void startServer() {
        if (!phpInstalled()) GTEST_SKIP() << "php is not installed";
        port = freePort();
        window->settings().documentRoot = root();
        window->settings().testUrl = QStringLiteral("http://localhost:%1/index.php3").arg(port);
        run("ActPHPServerStart");
        ASSERT_TRUE(servers()->phpServer().isRunning())
            << prompts.askedTexts(AskedPrompt::Kind::Error).join(QLatin1Char(' ')).toStdString();
    }
    QString at(const QString& path) { return QStringLiteral("http://localhost:%1%2").arg(port).arg(path); }
    bool waitForTitle(BrowserFrame* f, const QString& title) {
        return waitFor([&] { return f->title() == title && !f->isLoading(); }, 30000);
    }
};

} // namespace

// The history starts with the help's main page; the web view is made only when the page is shown.
TEST_F(BrowserWindows, StartsWithTheHelpMainPageAndNoViewYet) {
    showWindow();
    EXPECT_EQ(frame()->history().history(), QStringList{programPage(QStringLiteral("pomoc\\main.htm"))});
    EXPECT_EQ(frame()->history().historyIndex(), 0);
    EXPECT_FALSE(frame()->hasView());
    EXPECT_EQ(frame()->addressBox()->currentText(), programPage(QStringLiteral("pomoc\\main.htm")));
    EXPECT_FALSE(mini()->isVisible());
    EXPECT_EQ(mini()->frame()->addressBox()->currentText(), QStringLiteral("http://"));
    EXPECT_FALSE(mini()->frame()->commandAction(QStringLiteral("ActBack"))->isEnabled());
    EXPECT_FALSE(mini()->frame()->commandAction(QStringLiteral("ActNext"))->isEnabled());
}

// A page written and previewed: the document is saved to its file and the test address shows
// PHP's output, its title in the frame's status panel.
TEST_F(BrowserWindows, PreviewSavesAndShowsThePhpOutput) {
    startServer();
    const QString path = dir.write(QStringLiteral("public_html/index.php3"), "");
    ws().openDocument(path, QStringLiteral(".PHP3"));
    type(QStringLiteral("<html><head><title><?php echo 'Wynik ' . (6 * 7); ?></title></head><body>"
                        "<?php echo str_repeat('ok ', 3); ?></body></html>"));
    ASSERT_TRUE(ws().activePage()->isChanged());
    showWindow();
    switchToBrowser();
    // The text as typed (the line end the document's format gives, if any, aside).
    EXPECT_EQ(readAll(path).trimmed(),
              QByteArray("<html><head><title><?php echo 'Wynik ' . (6 * 7); ?></title></head><body>"
                         "<?php echo str_repeat('ok ', 3); ?></body></html>"));
    EXPECT_TRUE(ws().activePage()->isChanged()); // the preview's write leaves the changed state
    EXPECT_EQ(window->statusPanelText(2), QString());
    ASSERT_TRUE(waitForTitle(frame(), QStringLiteral("Wynik 42")));
    EXPECT_EQ(frame()->history().history().last(), at(QStringLiteral("/index.php3")));
    EXPECT_EQ(frame()->addressBox()->itemText(0), at(QStringLiteral("/index.php3")));
    QString html;
    frame()->view()->page()->toHtml([&](const QString& h) { html = h; });
    ASSERT_TRUE(waitFor([&] { return !html.isEmpty(); }));
    EXPECT_TRUE(html.contains(QStringLiteral("ok ok ok"))) << html.toStdString();
    EXPECT_FALSE(html.contains(QStringLiteral("<?php")));
}

// With the third choice the preview shows the active document at its own address.
TEST_F(BrowserWindows, PreviewOfTheActiveDocumentsOwnAddress) {
    startServer();
    const QString path =
        dir.write(QStringLiteral("public_html/dzial/kontakt.php"),
                  "<title><?php echo 'Kontakt ', basename($_SERVER['PHP_SELF']); ?></title>");
    ws().openDocument(path, QStringLiteral(".PHP"));
    run("MenuPop_BrosDocument");
    EXPECT_TRUE(window->action(QStringLiteral("MenuPop_BrosDocument"))->isChecked());
    EXPECT_FALSE(window->action(QStringLiteral("MenuPop_BrosFile"))->isChecked());
    showWindow();
    switchToBrowser();
    ASSERT_TRUE(waitForTitle(frame(), QStringLiteral("Kontakt kontakt.php")));
    EXPECT_EQ(frame()->history().history().last(), at(QStringLiteral("/dzial/kontakt.php")));

    // A document outside the document root says why and loads nothing.
    switchToCode();
    ws().openDocument(dir.write(QStringLiteral("inne/a.php"), "x"), QStringLiteral(".PHP"));
    switchToBrowser();
    const QStringList messages = prompts.askedTexts(AskedPrompt::Kind::Message);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(QStringLiteral("nie leży w głównym katalogu serwera")));
    EXPECT_EQ(frame()->history().history().last(), at(QStringLiteral("/dzial/kontakt.php")));
}

// "Brak zdefinowanego pliku do przeglądania": the document is still saved, nothing is loaded; an
// untitled document is neither saved nor previewed.
TEST_F(BrowserWindows, PreviewRulesWithoutALoad) {
    const QString path = dir.write(QStringLiteral("a.php3"), "old");
    ws().openDocument(path, QStringLiteral(".PHP3"));
    ws().activeEditor()->setDocumentBytes("new\r\n");
    run("MenuPop_NoBros");
    EXPECT_TRUE(window->action(QStringLiteral("MenuPop_NoBros"))->isChecked());
    EXPECT_FALSE(window->action(QStringLiteral("MenuPop_BrosFile"))->isChecked());
    showWindow();
    switchToBrowser();
    EXPECT_EQ(readAll(path), QByteArray("new\r\n"));
    EXPECT_EQ(frame()->history().history().size(), 1);

    switchToCode();
    prompts.queueText(QStringLiteral("http://localhost:8000/inna.php3"));
    run("MenuPop_BrosFile");
    ws().newPhpDocument();
    switchToBrowser();
    EXPECT_EQ(frame()->history().history().size(), 1);
    EXPECT_TRUE(ws().activePage()->caption().startsWith(QStringLiteral("Beznazwy")));
}

// The input box: a new address becomes the test address and checks its item; the same address or
// a cancel changes nothing.
TEST_F(BrowserWindows, BrowseAsFileAsksForTheAddress) {
    run("MenuPop_NoBros");
    const QString first = window->settings().testUrl;
    EXPECT_EQ(first, QStringLiteral("http://localhost:8000/index.php3"));
    prompts.queueText(first);
    run("MenuPop_BrosFile");
    EXPECT_TRUE(window->action(QStringLiteral("MenuPop_NoBros"))->isChecked());
    EXPECT_FALSE(window->action(QStringLiteral("MenuPop_BrosFile"))->isChecked());
    prompts.queueCancel();
    run("MenuPop_BrosFile");
    EXPECT_TRUE(window->action(QStringLiteral("MenuPop_NoBros"))->isChecked());
    prompts.queueText(QStringLiteral("http://localhost:8000/kontakt.php"));
    run("MenuPop_BrosFile");
    EXPECT_TRUE(window->action(QStringLiteral("MenuPop_BrosFile"))->isChecked());
    EXPECT_FALSE(window->action(QStringLiteral("MenuPop_NoBros"))->isChecked());
    EXPECT_EQ(window->settings().testUrl, QStringLiteral("http://localhost:8000/kontakt.php"));
    ASSERT_EQ(prompts.asked().size(), 3u);
    EXPECT_EQ(prompts.asked()[0].text, QStringLiteral("Podaj nazwę pliku:"));
}

// The other browsers get the test address: the options' browser program and the system's browser.
TEST_F(BrowserWindows, OtherBrowsersGetTheTestAddress) {
    window->settings().browserPath = QStringLiteral("/usr/bin/firefox");
    run("MenuPop_Browser");
    run("MenuPop_SystemBrowser");
    run("MenuPop_NoBros");
    run("MenuPop_Browser");
    ASSERT_EQ(launcher.launches().size(), 3u);
    EXPECT_EQ(launcher.launches()[0].program, QStringLiteral("/usr/bin/firefox"));
    EXPECT_EQ(launcher.launches()[0].arguments,
              QStringList{QStringLiteral("http://localhost:8000/index.php3")});
    EXPECT_TRUE(launcher.launches()[1].document);
    EXPECT_EQ(launcher.launches()[1].program, QStringLiteral("http://localhost:8000/index.php3"));
    EXPECT_TRUE(launcher.launches()[2].arguments.isEmpty());
}

// F1 in the browser mode shows the program's help in the "Przeglądaj" page without saving the
// active document, and the next switch by hand is a preview again.
TEST_F(BrowserWindows, HelpInTheBrowserPageSavesNothing) {
    const QString path = dir.write(QStringLiteral("a.php3"), "old");
    ws().openDocument(path, QStringLiteral(".PHP3"));
    ws().activeEditor()->setDocumentBytes("new\r\n");
    showWindow();
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(pages()->currentIndex(), 1);
    EXPECT_EQ(frame()->history().history().last(), programPage(QStringLiteral("pomoc\\pomoc\\pomoc.htm")));
    EXPECT_EQ(readAll(path), QByteArray("old"));
    EXPECT_FALSE(window->settings().helpNavigation);
    QTest::keyClick(window.get(), Qt::Key_F1, Qt::ShiftModifier); // already on the page
    EXPECT_EQ(frame()->history().history().last(), programPage(QStringLiteral("pomoc\\pomoc\\indeks.htm")));
    EXPECT_FALSE(window->settings().helpNavigation);
    switchToCode();
    run("MenuPop_NoBros");
    switchToBrowser();
    EXPECT_EQ(readAll(path), QByteArray("new\r\n"));
}

// The docking-area mode: the mini browser docked, or nothing when the area is hidden; the home page
// goes to the "Przeglądaj" page there.
TEST_F(BrowserWindows, HelpInTheDockingArea) {
    showWindow();
    run("MenuView_Help_InLeftArea");
    run("MenuView_DockingArea_Show"); // hides the area
    ASSERT_FALSE(window->dockingArea()->isVisible());
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_FALSE(mini()->isVisible());
    EXPECT_EQ(pages()->currentIndex(), 0);
    EXPECT_TRUE(mini()->frame()->history().history().isEmpty());

    run("MenuView_DockingArea_Show");
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_TRUE(mini()->isVisible());
    EXPECT_TRUE(window->dockingArea()->isAncestorOf(mini()));
    EXPECT_EQ(mini()->frame()->history().history(),
              QStringList{programPage(QStringLiteral("pomoc\\pomoc\\pomoc.htm"))});
    EXPECT_TRUE(window->action(QStringLiteral("MenuPop_MiniBrowser"))->isChecked());

    run("MenuHelp_HomePage");
    EXPECT_EQ(pages()->currentIndex(), 1);
    EXPECT_EQ(frame()->history().history().last(), programPage(QStringLiteral("pomoc\\main.htm")));

    // The window mode: the mini browser floats.
    run("MenuView_Help_Window");
    run("MenuHelp_Index");
    EXPECT_TRUE(mini()->isVisible());
    EXPECT_TRUE(mini()->isWindow());
    EXPECT_EQ(mini()->frame()->history().history().last(),
              programPage(QStringLiteral("pomoc\\pomoc\\indeks.htm")));
}

// "Mini Przeglądarka" docks the mini browser; closing it hides it and unchecks the item; choosing
// the item again shows it docked.
TEST_F(BrowserWindows, MiniBrowserToggleAndClose) {
    showWindow();
    QAction* item = window->action(QStringLiteral("MenuPop_MiniBrowser"));
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(mini()->isVisible());
    EXPECT_TRUE(window->dockingArea()->isAncestorOf(mini()));
    mini()->close();
    EXPECT_FALSE(mini()->isVisible());
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_TRUE(mini()->isVisible());
    EXPECT_TRUE(window->dockingArea()->isAncestorOf(mini()));
    item->trigger();
    EXPECT_FALSE(mini()->isVisible());
    // The tool area's button runs the default item.
    window->findChild<QToolButton*>(QStringLiteral("BtnBrowse"))->click();
    EXPECT_TRUE(mini()->isVisible());
}

// The link menu and the "Pomoc" button load pages under the program directory in the mini browser;
// the Help buttons fall back to the program's help when the main page's command is disabled.
TEST_F(BrowserWindows, LinkMenuAndHelpButtons) {
    showWindow();
    run("MenuPop_MiniBrowser");
    QMenu* links = mini()->linkMenu();
    QAction* funcref = nullptr;
    for (QAction* a : links->findChildren<QAction*>())
        if (a->data().toString() == QStringLiteral("pomoc\\manual\\funcref.html")) funcref = a;
    ASSERT_NE(funcref, nullptr);
    funcref->trigger();
    EXPECT_EQ(mini()->frame()->history().history().last(),
              programPage(QStringLiteral("pomoc\\manual\\funcref.html")));
    ASSERT_TRUE(waitFor(
        [&] {
            return mini()->frame()->title().contains(QStringLiteral("Function Reference")) ||
                   mini()->frame()->title().contains(QStringLiteral("funkcj"), Qt::CaseInsensitive);
        },
        30000))
        << mini()->frame()->title().toStdString();

    mini()->frame()->helpButton()->click();
    EXPECT_EQ(mini()->frame()->history().history().last(), programPage(QStringLiteral("pomoc\\main.htm")));
    window->action(QStringLiteral("MenuHelp_Main"))->setEnabled(false);
    frame()->helpButton()->click();
    EXPECT_EQ(frame()->history().history().last(), programPage(QStringLiteral("pomoc\\pomoc\\pomoc.htm")));
}

// A link clicked in a page goes to the history and the address box, not to the drop-down list; Back
// and Next follow the history.
TEST_F(BrowserWindows, LinksBackAndNextInTheView) {
    const QString first = dir.write(
        QStringLiteral("p1.html"),
        "<html><head><title>Jeden</title></head><body>"
        "<a id='dalej' href='p2.html' style='position:fixed;left:0;top:0;right:0;bottom:0'>dalej</a>"
        "</body></html>");
    dir.write(QStringLiteral("p2.html"), "<html><head><title>Dwa</title></head><body>dwa</body></html>");
    showWindow();
    pages()->setCurrentIndex(1);
    BrowserFrame* f = frame();
    ASSERT_TRUE(waitFor([&] { return !f->isLoading() && f->hasView(); }, 30000));
    f->addressBox()->setEditText(QUrl::fromLocalFile(first).toString());
    f->commandAction(QStringLiteral("ActGo"))->trigger();
    ASSERT_TRUE(waitForTitle(f, QStringLiteral("Jeden")))
        << f->title().toStdString() << " " << f->history().history().join(QLatin1Char(' ')).toStdString()
        << f->isLoading();
    // The user clicks the link, which covers the page.
    QWidget* surface = f->view()->focusProxy();
    ASSERT_NE(surface, nullptr);
    QTest::mouseClick(surface, Qt::LeftButton, {}, surface->rect().center());
    ASSERT_TRUE(waitForTitle(f, QStringLiteral("Dwa")));
    const QString second = QUrl::fromLocalFile(dir.file(QStringLiteral("p2.html"))).toString();
    EXPECT_EQ(f->history().history().last(), second);
    EXPECT_EQ(f->addressBox()->currentText(), second);
    EXPECT_EQ(f->addressBox()->findText(second), -1);
    EXPECT_EQ(f->addressBox()->itemText(0), QUrl::fromLocalFile(first).toString());
    EXPECT_TRUE(f->commandAction(QStringLiteral("ActBack"))->isEnabled());
    EXPECT_FALSE(f->commandAction(QStringLiteral("ActNext"))->isEnabled());
    f->commandAction(QStringLiteral("ActBack"))->trigger();
    EXPECT_EQ(f->addressBox()->currentText(), QUrl::fromLocalFile(first).toString());
    ASSERT_TRUE(waitForTitle(f, QStringLiteral("Jeden")))
        << f->title().toStdString() << " " << f->history().history().join(QLatin1Char(' ')).toStdString()
        << f->isLoading() << f->view()->url().toString().toStdString();
    EXPECT_TRUE(f->commandAction(QStringLiteral("ActNext"))->isEnabled());
    EXPECT_EQ(f->history().history().size(), 3);
}
