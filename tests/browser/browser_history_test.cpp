#include "browser/browser_history.h"

#include <gtest/gtest.h>

using namespace wertan;

namespace {
const QString p1 = QStringLiteral("http://localhost:8000/p1.php3");
const QString p2 = QStringLiteral("http://localhost:8000/p2.php3");
const QString p3 = QStringLiteral("http://localhost:8000/p3.php3");
const QString p4 = QStringLiteral("http://localhost:8000/p4.php3");

// "Idź": NavigateTo, then the web view's before-navigate notice for the same address.
void go(BrowserHistory& h, const QString& address) {
    h.navigateTo(address);
    h.beforeNavigate(address);
}
// Back and Next: the web view goes back or forward and tells the address it loads.
void back(BrowserHistory& h) {
    ASSERT_TRUE(h.canGoBack());
    h.beforeNavigate(h.backAddress());
}
} // namespace

TEST(BrowserHistory, StartsEmpty) {
    BrowserHistory h;
    EXPECT_TRUE(h.history().isEmpty());
    EXPECT_EQ(h.historyIndex(), -1);
    EXPECT_FALSE(h.canGoBack());
    EXPECT_FALSE(h.canGoNext());
    EXPECT_TRUE(h.backAddress().isEmpty());
    EXPECT_TRUE(h.nextAddress().isEmpty());
}

// p1, p2, p3 by "Idź", Back twice, then p4: the entries after the current one go.
TEST(BrowserHistory, GoingSomewhereNewAfterBackDropsTheForwardEntries) {
    BrowserHistory h;
    go(h, p1);
    go(h, p2);
    go(h, p3);
    EXPECT_EQ(h.history(), (QStringList{p1, p2, p3}));
    back(h);
    EXPECT_EQ(h.historyIndex(), 1);
    EXPECT_TRUE(h.canGoNext());
    EXPECT_EQ(h.nextAddress(), p3);
    back(h);
    EXPECT_EQ(h.historyIndex(), 0);
    EXPECT_FALSE(h.canGoBack());
    go(h, p4);
    EXPECT_EQ(h.history(), (QStringList{p1, p4}));
    EXPECT_EQ(h.historyIndex(), 1);
    EXPECT_TRUE(h.canGoBack());
    EXPECT_FALSE(h.canGoNext());
    EXPECT_EQ(h.backAddress(), p1);
}

TEST(BrowserHistory, VisitedAddressBecomesCurrentWithoutBeingAdded) {
    BrowserHistory h;
    go(h, p1);
    go(h, p2);
    go(h, p3);
    go(h, p1);
    EXPECT_EQ(h.history(), (QStringList{p1, p2, p3}));
    EXPECT_EQ(h.historyIndex(), 0);
    // Going on from there to a new address keeps nothing after p1.
    go(h, p4);
    EXPECT_EQ(h.history(), (QStringList{p1, p4}));
}

// A link is added to the history but not to the drop-down list; the program's navigations go to its
// top, each once.
TEST(BrowserHistory, DropDownHoldsTheProgramsNavigations) {
    BrowserHistory h;
    go(h, p1);
    EXPECT_EQ(h.dropDown(), QStringList{p1});
    EXPECT_FALSE(h.recordNext());
    h.beforeNavigate(p2); // a link clicked in the page
    EXPECT_EQ(h.history(), (QStringList{p1, p2}));
    EXPECT_EQ(h.dropDown(), QStringList{p1});
    go(h, p3);
    EXPECT_EQ(h.dropDown(), (QStringList{p3, p1}));
    go(h, p1);
    EXPECT_EQ(h.dropDown(), (QStringList{p1, p3}));
    // Frames of a page loaded by the program: the first notice ends the pending navigation.
    h.navigateTo(p4);
    EXPECT_TRUE(h.recordNext());
    h.beforeNavigate(p4);
    h.beforeNavigate(p2);
    EXPECT_EQ(h.dropDown(), (QStringList{p4, p1, p3}));
}

// Two navigations of the program before the view answers: the second is recorded at once.
TEST(BrowserHistory, NavigationWhileAnotherIsPendingIsRecorded) {
    BrowserHistory h;
    h.navigateTo(p1);
    h.navigateTo(p2);
    EXPECT_EQ(h.dropDown(), QStringList{p2});
    EXPECT_TRUE(h.recordNext());
    h.clear();
    EXPECT_TRUE(h.history().isEmpty());
    EXPECT_EQ(h.historyIndex(), -1);
    EXPECT_FALSE(h.recordNext());
}
