// Writes the screenshots of the functions window and the hint window to the folder named by
// WERTAN_SCREENSHOT_DIR (not a test of the suite).
#include "catalogue/ui/functions_window.h"
#include "catalogue/ui/hint_window.h"
#include "shell/main_window_harness.h"

#include <QSignalSpy>
#include <QSplitter>
#include <QTest>
#include <QTreeWidget>
#include <QWebEngineView>

namespace wertan {
namespace {

class CatalogueScreenshots : public test::MainWindowHarness {};

TEST_F(CatalogueScreenshots, Write) {
    const QString out = qEnvironmentVariable("WERTAN_SCREENSHOT_DIR");
    ASSERT_FALSE(out.isEmpty());
    window->resize(1100, 700);
    window->show();
    window->mainSplitter()->setSizes({330, 770});
    run("MenuInsert_Functions");
    auto* functions = window->findChild<FunctionsWindow*>();
    functions->tree()->topLevelItem(0)->setExpanded(true);
    QTest::qWait(200);
    EXPECT_TRUE(window->grab().save(out + QStringLiteral("/catalogue_functions_docked.png")));
    run("MenuInsert_Functions");

    run("MenuView_PHPHints");
    auto* hints = window->findChild<HintWindow*>();
    QSignalSpy finished(hints->view(), &QWebEngineView::loadFinished);
    hints->showHint("str_replace");
    ASSERT_TRUE(finished.wait(20000));
    QTest::qWait(500);
    EXPECT_TRUE(window->grab().save(out + QStringLiteral("/catalogue_hints_docked.png")));
}

} // namespace
} // namespace wertan
