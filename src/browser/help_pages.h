#pragma once
// The help delivered under pomoc\ in the program directory: its main pages, where a help page is
// shown in each display mode, and the mini browser's menu of links into the PHP manual and the
// HTML, XHTML and CSS references. Paths are relative to the program directory, written with
// backslashes.
#include <QString>
#include <vector>

namespace wertan {

inline const QString kHelpMainPage = QStringLiteral("pomoc\\main.htm");
inline const QString kHelpProgramPage = QStringLiteral("pomoc\\pomoc\\pomoc.htm");
inline const QString kHelpIndexPage = QStringLiteral("pomoc\\pomoc\\indeks.htm");

// The three items of "Widok" > "Pomoc".
enum class HelpDisplayMode { InBrowser, InDockingArea, InWindow };

// Where ShowHelpPage puts a page.
enum class HelpTarget {
    Nothing,          // docking area chosen but hidden
    BrowserPage,      // the "Przeglądaj" page
    MiniBrowserFloat, // the mini browser where it is
    MiniBrowserDocked // the mini browser docked into the docking area
};
HelpTarget helpTarget(HelpDisplayMode mode, bool dockingAreaVisible);
// "&Strona Wertana PHP": the mini browser only in the window mode, else the "Przeglądaj" page.
HelpTarget homePageTarget(HelpDisplayMode mode);

// The page the Help buttons load: the main page, or the program's help page when the self-test
// has found the main page missing (its command is then disabled).
QString helpButtonPage(bool mainPageAvailable);

// One item of the link menu. Items with the same menu path share a submenu; an item without a
// caption is a separator.
struct HelpLink {
    QString menuPath; // submenus separated by "/", empty for the top level
    QString caption;
    QString page; // relative to the program directory; empty for a separator
    QString shortcut;
    QString hint;
    bool isSeparator() const { return caption.isEmpty(); }
};
// Every item of the mini browser's "Pomoc" menu, in menu order.
const std::vector<HelpLink>& helpLinks();

} // namespace wertan
