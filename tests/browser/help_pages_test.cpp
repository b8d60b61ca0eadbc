#include "browser/help_pages.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

using namespace wertan;

TEST(HelpPages, DisplayModeDecidesWhereAPageGoes) {
    const struct {
        HelpDisplayMode mode;
        bool areaVisible;
        HelpTarget help;
        HelpTarget home;
    } cases[] = {
        {HelpDisplayMode::InBrowser, true, HelpTarget::BrowserPage, HelpTarget::BrowserPage},
        {HelpDisplayMode::InBrowser, false, HelpTarget::BrowserPage, HelpTarget::BrowserPage},
        {HelpDisplayMode::InWindow, false, HelpTarget::MiniBrowserFloat, HelpTarget::MiniBrowserFloat},
        {HelpDisplayMode::InDockingArea, true, HelpTarget::MiniBrowserDocked, HelpTarget::BrowserPage},
        {HelpDisplayMode::InDockingArea, false, HelpTarget::Nothing, HelpTarget::BrowserPage},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(helpTarget(c.mode, c.areaVisible), c.help) << int(c.mode) << c.areaVisible;
        EXPECT_EQ(homePageTarget(c.mode), c.home) << int(c.mode);
    }
    EXPECT_EQ(helpButtonPage(true), QStringLiteral("pomoc\\main.htm"));
    EXPECT_EQ(helpButtonPage(false), QStringLiteral("pomoc\\pomoc\\pomoc.htm"));
}

TEST(HelpPages, LinkMenuHasItsItemsInOrder) {
    const std::vector<HelpLink>& links = helpLinks();
    QStringList groups;
    for (const HelpLink& l : links)
        if (l.menuPath == QStringLiteral("Podręcznik PHP (Ang.)/IV Funkcje") && !l.isSeparator() &&
            l.caption != QStringLiteral("Wszystkie funkcje"))
            groups << l.caption;
    ASSERT_EQ(groups.size(), 55);
    EXPECT_EQ(groups.first(), QStringLiteral("Adabas D"));
    EXPECT_EQ(groups.last(), QStringLiteral("XML parser"));
    EXPECT_TRUE(groups.contains(QStringLiteral("ClibPDF "))); // the captions end with a space
    EXPECT_TRUE(groups.contains(QStringLiteral("MySQL ")));
    EXPECT_EQ(links.front().caption, QStringLiteral("&Główna strona pomocy"));
    EXPECT_EQ(links[2].shortcut, QStringLiteral("F1"));
    EXPECT_EQ(links[2].page, QStringLiteral("pomoc\\pomoc\\pomoc.htm"));
    EXPECT_EQ(links[3].shortcut, QStringLiteral("Shift+F1"));
    EXPECT_EQ(links.back().caption, QStringLiteral("V Dodatek"));
    EXPECT_EQ(links.back().page, QStringLiteral("pomoc\\manual\\appendixes.html"));
    // Every page is named once.
    QSet<QString> pages;
    for (const HelpLink& l : links) {
        if (l.isSeparator()) continue;
        EXPECT_FALSE(pages.contains(l.page)) << l.page.toStdString();
        pages.insert(l.page);
    }
}

// The pages the help commands and the link menu name exist in the delivered tree, as written (the
// file system tells letter case apart).
TEST(HelpPages, EveryNamedPageIsDelivered) {
    const QString program = QString::fromUtf8(WERTAN_PROGRAM_SOURCE_DIR) + QLatin1Char('/');
    auto exists = [&](const QString& relative) {
        return QFile::exists(program + QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/')));
    };
    if (!exists(kHelpMainPage)) GTEST_SKIP() << "the program's own help pages are not in this tree yet";
    for (const QString& page : {kHelpMainPage, kHelpProgramPage, kHelpIndexPage})
        EXPECT_TRUE(exists(page)) << page.toStdString();
    for (const HelpLink& l : helpLinks())
        if (!l.isSeparator()) {
            EXPECT_TRUE(exists(l.page)) << l.page.toStdString();
        }
}

TEST(HelpPages, ManualPagesOfTheLinkMenuAreDelivered) {
    const QString program = QString::fromUtf8(WERTAN_PROGRAM_SOURCE_DIR) + QLatin1Char('/');
    int manual = 0;
    for (const HelpLink& l : helpLinks()) {
        if (!l.page.startsWith(QStringLiteral("pomoc\\manual\\"))) continue;
        ++manual;
        EXPECT_TRUE(QFile::exists(program + QString(l.page).replace(QLatin1Char('\\'), QLatin1Char('/'))))
            << l.page.toStdString();
    }
    EXPECT_EQ(manual, 61);
}
