// The listing pass of the remote browser on fixture listings, and the remote paths of documents.
#include "ftp/remote_listing.h"

#include <gtest/gtest.h>

using namespace wertan::ftp;

namespace {

// A line as pyftpdlib and ls -l write it: the name starts at column 56.
std::string unixLine(char type, const std::string& name, const std::string& date = "Jan 01 12:00") {
    std::string perms = type == 'd' ? "drwxr-xr-x" : (type == 'l' ? "lrwxrwxrwx" : "-rw-r--r--");
    return perms + "   1 wertan   wertan       4096 " + date + " " + name + "\r\n";
}

std::vector<std::string> namesOf(const RemoteListing& listing) {
    std::vector<std::string> names;
    for (const RemoteItem& item : listing.items)
        names.push_back(item.name);
    return names;
}

const std::string kUtf8Folder = "zdj\xC4\x99"
                                "cia";                          // zdjęcia in UTF-8
const std::string kWin1250File = "za\xBF\xF3\xB3\xE6 plik.txt"; // zażółć plik.txt in Windows-1250

} // namespace

TEST(ListingPass, FoldersThenFilesWithTheDotRulesAndIcons) {
    const std::string listing =
        "total 48\r\n" + unixLine('d', ".") + unixLine('d', "..") + unixLine('d', "...") +
        unixLine('d', kUtf8Folder) + unixLine('d', "Archiwum") + unixLine('-', "Index.PHP") +
        unixLine('-', "moja strona.html", "Mar 14  2021") + unixLine('l', "link -> Index.PHP") +
        unixLine('-', "notes.md") + unixLine('-', kWin1250File) + "\r\n" + unixLine('-', "dane.SQL") +
        unixLine('-', "nagl.inc") + unixLine('-', "a.phtml");
    const RemoteListing result = parseListing(listing);
    EXPECT_EQ(namesOf(result),
              (std::vector<std::string>{"..", kUtf8Folder, "Archiwum", "Index.PHP", "moja strona.html",
                                        "notes.md", kWin1250File, "dane.SQL", "nagl.inc", "a.phtml"}));
    std::vector<RemoteItemKind> kinds;
    for (const RemoteItem& item : result.items)
        kinds.push_back(item.kind);
    EXPECT_EQ(kinds, (std::vector<RemoteItemKind>{RemoteItemKind::ParentFolder, RemoteItemKind::Folder,
                                                  RemoteItemKind::Folder, RemoteItemKind::PhpFile,
                                                  RemoteItemKind::HtmlFile, RemoteItemKind::PlainFile,
                                                  RemoteItemKind::TextFile, RemoteItemKind::SqlFile,
                                                  RemoteItemKind::IncludeFile, RemoteItemKind::PhpFile}));
    // "Szukaj w:" gets the folders sorted, ".." among them.
    EXPECT_EQ(result.folders, (std::vector<std::string>{"..", "Archiwum", kUtf8Folder}));
}

TEST(ListingPass, TheNameColumnComesFromTheFirstLongLine) {
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        int column;
    };
    const std::string noDate = "-rw" + std::string(57, ' ') + "plik.txt";      // name at column 61
    const std::string spaced = "-rw" + std::string(57, ' ') + "dwa slowa.txt"; // the same column
    const std::vector<Case> cases{
        {"Unix long form", {unixLine('-', "a.php")}, 56},
        {"a name with spaces in the first line", {unixLine('-', "moja strona.php")}, 56},
        {"after the last space of a line without a date", {noDate}, 61},
        {"the second line when the first is short", {"-rw short", noDate}, 61},
        {"none of the first three is long", {"-a", "-b", "-c", noDate}, 2},
        {"no lines", {}, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nameColumn(c.lines), c.column) << c.what;
    EXPECT_EQ(nameOnLine(spaced, nameColumn({noDate})), "dwa slowa.txt");
}

TEST(ListingPass, ShortAndLongLinesEachGiveTheirWholeName) {
    const std::string longOwner = "-rw-r--r--   1 bardzodlugiwlasciciel grupa 10 Feb 29 09:05 obok.php\r\n";
    const std::string shortLine = "-rw-r--r-- 1 a b 5 Jan 1 12:00 k.txt\r\n";
    const std::string columnLine =
        "-rw" + std::string(52, ' ') + "kolumna.txt\r\n"; // at the first line's column
    const RemoteListing result =
        parseListing(unixLine('-', "pierwszy.php") + longOwner + shortLine + columnLine);
    EXPECT_EQ(namesOf(result),
              (std::vector<std::string>{"pierwszy.php", "obok.php", "k.txt", "kolumna.txt"}));
}

TEST(ListingPass, EmptyAndForeignListingsGiveNothing) {
    for (const std::string& listing : {std::string(), std::string("total 0\r\n"), std::string("\n\n\n"),
                                       std::string("01-01-20  12:00PM  <DIR>  folder\r\n")}) {
        const RemoteListing result = parseListing(listing);
        EXPECT_TRUE(result.items.empty()) << listing;
        EXPECT_TRUE(result.folders.empty()) << listing;
    }
}

TEST(ListingPass, PolishNamesAreShownFromUtf8AndFromWindows1250) {
    EXPECT_EQ(displayName(kUtf8Folder), QStringLiteral("zdjęcia"));
    EXPECT_EQ(displayName(kWin1250File), QStringLiteral("zażółć plik.txt"));
    EXPECT_EQ(displayName("index.php"), QStringLiteral("index.php"));
}

TEST(RemotePaths, DocumentsAreMarkedWithTheirPathUnderTheRoot) {
    struct Case {
        std::string directory, name, path, full;
    };
    for (const Case& c : {Case{"/", "index.php", "index.php", "/index.php"},
                          Case{"/a", "index.php", "a/index.php", "/a/index.php"},
                          Case{"/home/www", "index.php", "home/www/index.php", "/home/www/index.php"},
                          Case{"/home/www/", "x.php", "home/www/x.php", "/home/www/x.php"},
                          Case{"", "x.php", "x.php", "x.php"}}) {
        EXPECT_EQ(remotePathFor(c.directory, c.name), c.path) << c.directory;
        EXPECT_EQ(remoteFileIn(c.directory, c.name), c.full) << c.directory;
    }
    EXPECT_EQ(remoteDirectoryOf("/a/b/c.php"), "/a/b");
    EXPECT_EQ(remoteDirectoryOf("/c.php"), "/");
    EXPECT_EQ(remoteNameOf("/a/b/c.php"), "c.php");
}
