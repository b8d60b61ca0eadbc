// The status bar and the document tabs as the user works the window with the keyboard and mouse.
#include "main_window_harness.h"

#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest/QTest>
#include <functional>

using namespace wertan;
using namespace wertan::test;

namespace {

void settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents();
    }
}

class WorkingWindow : public MainWindowHarness {
protected:
    // The main window shown and active, so that its shortcuts take keys as in use.
    void showActive() {
        window->resize(1000, 700);
        window->show();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowActive(window.get());
        focusEditor();
    }
    void focusEditor() {
        ws().activeEditor()->setFocus();
        settle();
    }
    CodeEditor* editor() { return ws().activeEditor(); }
    QLabel* panel(int i) {
        return window->statusBar()->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i));
    }
    QTabBar* tabBar() { return window->documentTabs()->tabBar(); }
    void clickTab(int index) {
        QTest::mouseClick(tabBar(), Qt::LeftButton, {}, tabBar()->tabRect(index).center());
        settle();
    }
};

} // namespace

TEST_F(WorkingWindow, TheStatusBarFollowsTheCaretAndTheChangedStateOnEveryStep) {
    const QString unchanged = fileIn(QStringLiteral("plik.php"), "<?php echo 1; ?>\r\n");
    QByteArray manyLines;
    manyLines.reserve(2'200'000);
    for (int i = 0; i < 1'100'000; ++i)
        manyLines += "x\n";
    showActive();
    // Each step acts as the user does; the three panels are checked after it, and each panel must
    // show its whole text.
    const struct {
        const char* what;
        std::function<void()> act;
        const char* line;
        const char* column;
        const char* changed;
    } steps[] = {
        {"the caret at the start", [] {}, "Lin 1", "Kol 1", ""},
        {"typing 12345 on a line",
         [&] {
             editor()->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0ul);
             QTest::keyClicks(editor(), QStringLiteral("12345"));
         },
         "Lin 1", "Kol 6", "Zmieniony"},
        {"Enter and two more characters", [&] { QTest::keyClicks(editor(), QStringLiteral("\rab")); },
         "Lin 2", "Kol 3", "Zmieniony"},
        {"Backspace", [&] { QTest::keyClick(editor(), Qt::Key_Backspace); }, "Lin 2", "Kol 2", "Zmieniony"},
        {"opening an unchanged file (Ctrl+O) after typing in another",
         [&] {
             prompts.queueFiles({unchanged});
             QTest::keyClick(editor(), Qt::Key_O, Qt::ControlModifier);
             focusEditor();
         },
         "Lin 1", "Kol 1", ""},
        {"moving along its first line", [&] { QTest::keyClick(editor(), Qt::Key_End); }, "Lin 1", "Kol 17",
         ""},
        {"clicking the changed document's tab", [&] { clickTab(0); }, "Lin 2", "Kol 2", "Zmieniony"},
        {"clicking the unchanged one again", [&] { clickTab(1); }, "Lin 1", "Kol 17", ""},
        {"Ctrl+End in a document of 1 100 001 lines",
         [&] {
             editor()->setDocumentBytes(manyLines.toStdString());
             focusEditor();
             QTest::keyClick(editor(), Qt::Key_End, Qt::ControlModifier);
         },
         "Lin 1100001", "Kol 1", ""},
    };
    for (const auto& step : steps) {
        step.act();
        settle();
        EXPECT_EQ(window->statusPanelText(0), QString::fromUtf8(step.line)) << step.what;
        EXPECT_EQ(window->statusPanelText(1), QString::fromUtf8(step.column)) << step.what;
        EXPECT_EQ(window->statusPanelText(2), QString::fromUtf8(step.changed)) << step.what;
        for (int i = 0; i < 3; ++i)
            EXPECT_LE(panel(i)->fontMetrics().horizontalAdvance(panel(i)->text()),
                      panel(i)->contentsRect().width())
                << step.what << ": panel " << i << " cuts \"" << panel(i)->text().toStdString() << '"';
    }
    EXPECT_TRUE(prompts.unexpected().isEmpty());
}

TEST_F(WorkingWindow, ManyTabsScrollBesideTheListButtonAndNothingIsCovered) {
    showActive();
    for (int i = 0; i < 30; ++i)
        QTest::keyClick(editor(), Qt::Key_N, Qt::ControlModifier); // "&Nowy"
    settle();
    ASSERT_EQ(ws().count(), 31);
    QToolButton* button = window->documentListButton();
    QTabWidget* tabs = window->documentTabs();
    ASSERT_TRUE(button->isVisible());
    // The button and the tab bar side by side: the bar ends where the button's corner begins.
    const QRect buttonArea = QRect(button->mapTo(tabs, QPoint(0, 0)), button->size());
    const QRect barArea = QRect(tabBar()->mapTo(tabs, QPoint(0, 0)), tabBar()->size());
    EXPECT_FALSE(buttonArea.intersects(barArea)) << "the list button lies over the tabs";
    // Every tab, made current with the mouse on the way, shows whole inside the bar's free part.
    for (int i : {30, 0, 15, 30}) {
        ws().activate(i);
        settle();
        const QRect tab = tabBar()->tabRect(i);
        EXPECT_TRUE(tabBar()->rect().contains(tab)) << "tab " << i << " is cut off";
        EXPECT_FALSE(QRect(tabBar()->mapTo(tabs, tab.topLeft()), tab.size()).intersects(buttonArea))
            << "tab " << i << " lies under the list button";
    }
    clickTab(tabBar()->currentIndex());
    // The button still answers a click with the list of all documents.
    QMenu* list = ws().documentList();
    QTimer::singleShot(0, list, [list] { list->hide(); });
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(list->actions().size(), 31);
}

TEST_F(WorkingWindow, DocumentsWithTheSameNameFromDifferentFoldersAreToldApart) {
    const QString a = fileIn(QStringLiteral("a/plik.php"), "a\r\n");
    const QString b = fileIn(QStringLiteral("b/plik.php"), "b\r\n");
    const QString c = fileIn(QStringLiteral("c/inny.php"), "c\r\n");
    showActive();
    prompts.queueFiles({a, b, c});
    QTest::keyClick(editor(), Qt::Key_O, Qt::ControlModifier);
    settle();
    ASSERT_EQ(ws().count(), 4);
    // Each row: the tab, its text, its tool tip, and the same in the "Z" list.
    const struct {
        int tab;
        const char* text;
        QString path;
    } rows[] = {
        {0, "Beznazwy", QString()},
        {1, "plik.php (a)", a},
        {2, "plik.php (b)", b},
        {3, "inny.php", c},
    };
    QMenu* list = ws().documentList();
    for (const auto& row : rows) {
        EXPECT_EQ(tabBar()->tabText(row.tab), QString::fromUtf8(row.text));
        EXPECT_EQ(tabBar()->tabToolTip(row.tab), row.path);
        EXPECT_EQ(list->actions().value(row.tab)->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(list->actions().value(row.tab)->toolTip(),
                  row.path.isEmpty() ? QString::fromUtf8(row.text) : row.path);
        EXPECT_EQ(ws().page(row.tab)->caption(), QString::fromUtf8(row.text).section(QLatin1Char(' '), 0, 0))
            << "the caption itself stays the file's name";
    }
    // Once one of them is closed (Ctrl+F4 is not bound: the menu command), the other is alone again.
    clickTab(2);
    run("MenuFile_Close");
    settle();
    EXPECT_EQ(tabBar()->tabText(1), QStringLiteral("plik.php"));
    EXPECT_EQ(list->actions().value(1)->text(), QStringLiteral("plik.php"));
}
