// The hint words at the caret and the page lookup with its memory of the last word.
#include "catalogue/hint_pages.h"
#include "editor/hint_trigger.h"

#include <QFile>
#include <gtest/gtest.h>
#include <set>

namespace wertan {
namespace {

TEST(HintPageLookup, ControlStructuresIgnoreCaseAndMatchWholeWords) {
    EXPECT_EQ(controlStructurePage("while"), "control-structures.while.html");
    EXPECT_EQ(controlStructurePage("WHILE"), "control-structures.while.html");
    EXPECT_EQ(controlStructurePage("do"), "control-structures.do.while.html");
    EXPECT_EQ(controlStructurePage("Class"), "oop.html");
    EXPECT_EQ(controlStructurePage("function"), "functions.html");
    EXPECT_EQ(controlStructurePage("whil"), std::nullopt);
    EXPECT_EQ(controlStructurePage("whiles"), std::nullopt);
}

struct FakeManual {
    std::set<std::string> files;
    std::vector<std::string> asked;
    HintPages pages{[this](const std::string& path) {
        asked.push_back(path);
        return files.count(path) > 0;
    }};
};

TEST(HintPageLookup, TypingAWordShowsPrefixesWithPagesAndTheWholeWord) {
    FakeManual manual;
    manual.files = {"pomoc\\manual\\function.str.html", "pomoc\\manual\\function.strlen.html"};
    std::vector<std::optional<std::string>> loads;
    for (const char* w : {"s", "st", "str", "strl", "strle", "strlen"})
        loads.push_back(manual.pages.lookup(w));
    EXPECT_EQ(loads, (std::vector<std::optional<std::string>>{
                         std::nullopt, std::nullopt, "pomoc\\manual\\function.str.html", std::nullopt,
                         std::nullopt, "pomoc\\manual\\function.strlen.html"}));
    EXPECT_EQ(manual.pages.lastHintWord(), "strlen");
}

TEST(HintPageLookup, TheSameWordIsNotLoadedAgainUntilAnotherWordWasLookedUp) {
    FakeManual manual;
    manual.files = {"pomoc\\manual\\function.strlen.html"};
    EXPECT_TRUE(manual.pages.lookup("strlen"));
    EXPECT_FALSE(manual.pages.lookup("strlen"));
    // A word without a page leaves the shown page but is remembered.
    EXPECT_FALSE(manual.pages.lookup("moja_zmienna"));
    EXPECT_EQ(manual.pages.lastHintWord(), "moja-zmienna");
    EXPECT_EQ(manual.pages.lookup("strlen"), "pomoc\\manual\\function.strlen.html");
    // The empty word changes nothing on screen but is remembered too.
    EXPECT_FALSE(manual.pages.lookup(""));
    EXPECT_EQ(manual.pages.lookup("strlen"), "pomoc\\manual\\function.strlen.html");
}

TEST(HintPageLookup, UnderscoresHyphensHtmFallbackAndLowerCaseFileNames) {
    FakeManual manual;
    manual.files = {"pomoc\\manual\\function.str-replace.htm", "pomoc\\manual\\function.strlen.html",
                    "pomoc\\manual\\control-structures.while.html"};
    EXPECT_EQ(manual.pages.lookup("str_replace"), "pomoc\\manual\\function.str-replace.htm");
    EXPECT_EQ(manual.pages.lastHintWord(), "str-replace");
    manual.files.insert("pomoc\\manual\\function.str-replace.html");
    manual.pages.forget();
    EXPECT_EQ(manual.pages.lookup("str_replace"), "pomoc\\manual\\function.str-replace.html");
    // The word is remembered as typed, the file name is lower case.
    EXPECT_EQ(manual.pages.lookup("StrLen"), "pomoc\\manual\\function.strlen.html");
    EXPECT_EQ(manual.pages.lastHintWord(), "StrLen");
    EXPECT_EQ(manual.pages.lookup("WHILE"), "pomoc\\manual\\control-structures.while.html");
    // A control structure whose page is missing is not looked up as a function.
    manual.asked.clear();
    EXPECT_FALSE(manual.pages.lookup("for"));
    EXPECT_EQ(manual.asked, (std::vector<std::string>{"pomoc\\manual\\control-structures.for.html"}));
}

TEST(HintPageLookup, DeliveredManualHasEveryPageOfTheTable) {
    HintPages pages([](const std::string& path) {
        std::string native = path;
        for (char& c : native)
            if (c == '\\') c = '/';
        return QFile::exists(QStringLiteral(WERTAN_PROGRAM_SOURCE_DIR "/") + QString::fromStdString(native));
    });
    for (const char* word :
         {"if", "else", "elseif", "while", "do", "for", "break", "continue", "switch", "require", "include",
          "function", "class", "foreach", "return", "strlen", "str_replace"}) {
        pages.forget();
        EXPECT_TRUE(pages.lookup(word)) << word;
    }
}

TEST(HintWordsAtTheCaret, ExamplesOfTheEditor) {
    const struct {
        std::string line;
        int column;
        const char* before;
        const char* around;
    } cases[] = {
        // Inside strlen, and inside $a: the "$" ends the word.
        {"x = strlen($a);", 8, "str", "strlen"},
        {"x = strlen($a);", 13, "", "a"},
        // After "while" and a space.
        {"while ($x)", 6, "while", ""},
        // The bracket in the last column ends the word; after it both searches are empty.
        {"x = strlen(", 9, "strl", "strlen"},
        {"x = strlen(", 12, "", ""},
        // A method call: the dot ends the word.
        {"$obj.name", 10, "name", ""},
        // Columns beyond 255 count in full: the word is the one at the caret, not 256 columns back.
        {std::string(300, ' ') + "strlen", 304, "str", "strlen"},
        {std::string(250, ' ') + "strlen" + std::string(100, ' ') + "implode", 360, "imp", "implode"},
        // Polish letters (one byte each) are part of a word.
        {"$zmienna = \xb1"
         "b\xea;",
         12, "",
         "\xb1"
         "b\xea;"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(wordBeforeCaret(c.line, c.column), c.before) << c.line.size() << " at " << c.column;
        EXPECT_EQ(wordAroundCaret(c.line, c.column), c.around) << c.line.size() << " at " << c.column;
    }
}

} // namespace
} // namespace wertan
