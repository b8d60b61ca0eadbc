// The functions window, the hint window and the PHP variables menu used through the main window.
#include "catalogue/ui/functions_window.h"
#include "catalogue/ui/hint_window.h"
#include "editor/ui/completion_list.h"
#include "shell/main_window_harness.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <QWebEngineView>

namespace wertan {
namespace {

class CatalogueMainWindowTest : public test::MainWindowHarness {
protected:
    FunctionsWindow* functions() { return window->findChild<FunctionsWindow*>(); }
    HintWindow* hints() { return window->findChild<HintWindow*>(); }
};

TEST_F(CatalogueMainWindowTest, StartLoadsThePhp3CatalogueIntoTheCompletionList) {
    ASSERT_NE(functions(), nullptr);
    EXPECT_FALSE(functions()->isVisible());
    const QStringList& list = window->editorEnvironment().phpCompletionWords();
    EXPECT_GT(list.size(), 100);
    EXPECT_TRUE(list.contains(QStringLiteral("strlen($string)")));
    // Sorted and each line once, also after more loads.
    functions()->loadCatalogue(PhpVersion::Php3);
    QStringList sorted = list;
    sorted.removeDuplicates();
    EXPECT_EQ(sorted.size(), list.size());
    for (int i = 1; i < list.size(); ++i)
        EXPECT_LE(list[i - 1].compare(list[i], Qt::CaseInsensitive), 0) << list[i - 1].toStdString();
}

TEST_F(CatalogueMainWindowTest, FunctionsCommandDocksTheWindowAndAnEntryGoesIntoTheDocument) {
    window->show();
    run("MenuInsert_Functions");
    ASSERT_TRUE(functions()->isVisible());
    EXPECT_TRUE(functions()->isDocked());
    EXPECT_EQ(functions()->parentWidget(), window->dockingArea());
    ws().activeEditor()->setDocumentBytes("<?php  ?>");
    ws().activeEditor()->setCursorPosition(0, 6);
    QTreeWidget* tree = functions()->tree();
    QTreeWidgetItem* strlen = nullptr;
    for (int i = 0; i < tree->topLevelItemCount() && !strlen; ++i)
        for (int j = 0; j < tree->topLevelItem(i)->childCount(); ++j)
            if (tree->topLevelItem(i)->child(j)->text(0) == QStringLiteral("strlen($string)"))
                strlen = tree->topLevelItem(i)->child(j);
    ASSERT_NE(strlen, nullptr);
    tree->setCurrentItem(strlen);
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(activeText(), "<?php strlen($string)  ?>");
    // One undoable step.
    ws().activeEditor()->undo();
    EXPECT_EQ(activeText(), "<?php  ?>");
    run("MenuInsert_Functions");
    EXPECT_FALSE(functions()->isVisible());
}

TEST_F(CatalogueMainWindowTest, HintsFollowTheCaretWhileTheWindowIsShown) {
    window->show();
    ws().activeEditor()->setDocumentBytes("");
    ws().activeEditor()->setFocus();
    QSignalSpy requested(hints(), &HintWindow::pageRequested);
    QTest::keyClicks(ws().activeEditor(), QStringLiteral("str"));
    EXPECT_TRUE(requested.isEmpty()); // hidden: no lookups
    run("MenuView_PHPHints");
    ASSERT_TRUE(hints()->isVisible());
    EXPECT_EQ(hints()->parentWidget(), window->dockingArea());
    QTest::keyClicks(ws().activeEditor(), QStringLiteral("len"));
    ASSERT_FALSE(requested.isEmpty());
    EXPECT_TRUE(requested.last().first().toString().endsWith(QStringLiteral("function.strlen.html")));
    // Inside the word, away from the line end, moving the caret loads nothing again.
    // The editor reports caret moves when it updates its view.
    const auto moveCaret = [this](int index) {
        ws().activeEditor()->setCursorPosition(0, index);
        ws().activeEditor()->viewport()->repaint();
        QTest::qWait(20);
    };
    ws().activeEditor()->setDocumentBytes("x = strlen($a);");
    moveCaret(6);
    EXPECT_EQ(hints()->lastHintWord(), "strlen");
    const auto count = requested.size();
    moveCaret(7);
    moveCaret(8);
    EXPECT_EQ(hints()->lastHintWord(), "strlen");
    EXPECT_EQ(requested.size(), count);
    run("MenuView_PHPHints");
    EXPECT_FALSE(hints()->isVisible());
}

TEST_F(CatalogueMainWindowTest, VariablesMenuInsertsEachOfItsTenNames) {
    QMenu* vars = window->menu(QStringLiteral("PopupMenuPHPVars"));
    ASSERT_NE(vars, nullptr);
    QStringList names;
    for (QAction* a : vars->actions()) {
        if (a->isSeparator()) continue;
        names << a->text();
        EXPECT_EQ(a->statusTip(), QStringLiteral("Wstawia"));
        ws().activeEditor()->setDocumentBytes("");
        a->trigger();
        EXPECT_EQ(QString::fromStdString(activeText()), a->text());
    }
    EXPECT_EQ(names, (QStringList{"$QUERY_STRING", "$HTTP_GET_VARS", "$HTTP_POST_VARS", "$HTTP_COOKIE_VARS",
                                  "$PHP_SELF", "$HTTP_REFERER", "$REMOTE_ADDR", "$REMOTE_HOST", "$HTTP_HOST",
                                  "$HTTP_USER_AGENT"}));
}

} // namespace
} // namespace wertan
