// The catalogue format, the forms the toggles give an entry, the tree order and the completion list.
#include "catalogue/function_catalogue.h"

#include <QFile>
#include <gtest/gtest.h>

namespace wertan {
namespace {

std::vector<std::string> fixtureLines(const char* name) {
    QFile file(QStringLiteral(WERTAN_CATALOGUE_FIXTURES "/") + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    return splitCatalogueLines(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

TEST(CatalogueFormat, ParsesGroupsMarkersInAnyCaseMissingNamesAndEmptyEntries) {
    const Catalogue catalogue = parseCatalogue(fixtureLines("groups.dat"));
    ASSERT_EQ(catalogue.groups.size(), 4u);
    // Empty lines before the first entry are skipped; an empty line between entries is an entry.
    EXPECT_EQ(catalogue.groups[0].title, "funkcje tekstowe");
    EXPECT_EQ(catalogue.groups[0].entries, (std::vector<std::string>{"strlen(string str)", "chr(int ascii)",
                                                                     "", "addslashes(string str)"}));
    // Upper-case markers with spaces around them; no name line: "Beznazwy" without its first line.
    EXPECT_EQ(catalogue.groups[1].title, "Beznazwy");
    EXPECT_EQ(catalogue.groups[1].entries, (std::vector<std::string>{"kept(int b)"}));
    EXPECT_EQ(catalogue.groups[2].title, "pusta");
    EXPECT_TRUE(catalogue.groups[2].entries.empty());
    // The title runs from the first "(" to the next ")", in lower case.
    EXPECT_EQ(catalogue.groups[3].title, "matematyka (stare");
    EXPECT_EQ(catalogue.groups[3].entries, (std::vector<std::string>{"abs(mixed number)", "max()"}));
    // The empty line between two groups is skipped, not a stall.
    EXPECT_EQ(catalogue.strayLines, (std::vector<int>{9}));
}

TEST(CatalogueFormat, TruncatedAndOddFiles) {
    using Lines = std::vector<std::string>;
    const struct {
        const char* what;
        Lines lines;
        std::vector<std::pair<std::string, Lines>> groups;
    } cases[] = {
        {"empty file", {}, {}},
        {"start line last", {"#zksubtreebegin"}, {{"Beznazwy", {}}}},
        {"name line last", {"#zksubtreebegin", "#zksubtreename(a)"}, {{"a", {}}}},
        {"no end line", {"#zksubtreebegin", "#zksubtreename(a)", "x()", "y()"}, {{"a", {"x()", "y()"}}}},
        {"start then end",
         {"#zksubtreebegin", "#zksubtreeend", "#zksubtreebegin", "#zksubtreename(b)", "z()", "#zksubtreeend"},
         {{"Beznazwy", {}}, {"b", {"z()"}}}},
        {"name without brackets",
         {"#zksubtreebegin", "#zksubtreename", "x()", "#zksubtreeend"},
         {{"", {"x()"}}}},
    };
    for (const auto& c : cases) {
        const Catalogue catalogue = parseCatalogue(c.lines);
        ASSERT_EQ(catalogue.groups.size(), c.groups.size()) << c.what;
        for (std::size_t i = 0; i < c.groups.size(); ++i) {
            EXPECT_EQ(catalogue.groups[i].title, c.groups[i].first) << c.what;
            EXPECT_EQ(catalogue.groups[i].entries, c.groups[i].second) << c.what;
        }
    }
}

TEST(CatalogueFormat, SplitsLinesAtAnyLineEnd) {
    EXPECT_EQ(splitCatalogueLines("a\r\nb\nc\rd\r\n"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitCatalogueLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(splitCatalogueLines("").empty());
}

TEST(CatalogueForms, ShownAndInsertedTextFollowTheToggles) {
    const struct {
        const char* line;
        InsertionOptions options;
        const char* shown;
        const char* inserted;
    } cases[] = {
        // The start toggles: parameters on.
        {"strlen(string str)", {true, false, false}, "strlen(string str)", "strlen(string str) "},
        {"strlen(string str)", {false, false, false}, "strlen", "strlen "},
        {"strlen(string str)", {false, true, false}, "strlen()", "strlen() "},
        {"strlen(string str)", {false, true, true}, "strlen();", "strlen(); \r\n"},
        // Brackets leave an entry with a parameter list alone.
        {"strlen(string str)", {true, true, false}, "strlen(string str)", "strlen(string str) "},
        {"strlen(string str)", {true, true, true}, "strlen(string str);", "strlen(string str); \r\n"},
        // Only ")" when the entry already holds one.
        {"odd)", {true, true, false}, "odd))", "odd)) "},
        // An empty entry.
        {"", {true, true, false}, "()", "() "},
        {"", {true, false, false}, "", " "},
        // Cut at the first bracket.
        {"f(a(b))", {false, false, true}, "f;", "f; \r\n"},
    };
    for (const auto& c : cases) {
        const std::string shown = shownEntry(c.line, c.options);
        EXPECT_EQ(shown, c.shown) << c.line;
        EXPECT_EQ(insertedEntry(shown, c.options), c.inserted) << c.line;
    }
}

TEST(CatalogueTree, GroupsAndEntriesSortedByShownText) {
    Catalogue catalogue;
    catalogue.groups = {{"zmienne", {"unset(var)", "Isset(var)", "empty(var)"}}, {"ciągi", {"b()", "a(x)"}}};
    const auto tree = catalogueTree(catalogue, {false, false, false});
    ASSERT_EQ(tree.size(), 2u);
    EXPECT_EQ(tree[0].title, "ciągi");
    EXPECT_EQ(tree[0].entries, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(tree[1].entries, (std::vector<std::string>{"empty", "Isset", "unset"}));
}

TEST(CatalogueCompletion, RepeatedLoadsKeepOneCopyOfEachLine) {
    Catalogue php3;
    php3.groups = {{"a", {"strlen(string str)", "", "abs(mixed n)"}}};
    Catalogue php4;
    php4.groups = {{"b", {"abs(mixed n)", "Zend_version()"}}, {"c", {"array_map(callback)"}}};
    auto list = mergeCompletionEntries({}, php3);
    EXPECT_EQ(list, (std::vector<std::string>{"abs(mixed n)", "strlen(string str)"}));
    list = mergeCompletionEntries(list, php3);
    EXPECT_EQ(list, (std::vector<std::string>{"abs(mixed n)", "strlen(string str)"}));
    list = mergeCompletionEntries(list, php4);
    EXPECT_EQ(list, (std::vector<std::string>{"abs(mixed n)", "array_map(callback)", "strlen(string str)",
                                              "Zend_version()"}));
}

TEST(CatalogueFiles, DeliveredCataloguesParseWithoutStrayLines) {
    for (const char* name : {"functions.dat", "functions2.dat"}) {
        QFile file(QStringLiteral(WERTAN_PROGRAM_SOURCE_DIR "/data/") + QString::fromLatin1(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        const Catalogue catalogue = parseCatalogue(
            splitCatalogueLines(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
        EXPECT_TRUE(catalogue.strayLines.empty()) << name;
        EXPECT_GT(catalogue.groups.size(), 1u) << name;
        for (const auto& group : catalogue.groups) {
            EXPECT_NE(group.title, "Beznazwy") << name;
            EXPECT_FALSE(group.entries.empty()) << name << " " << group.title;
        }
    }
}

} // namespace
} // namespace wertan
