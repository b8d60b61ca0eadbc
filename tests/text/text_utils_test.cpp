#include "text/text_utils.h"

#include <gtest/gtest.h>

using namespace wertan;

TEST(TextToBool, AcceptsTrueAndTakInAnyCase) {
    const struct {
        const char* text;
        bool expected;
    } cases[] = {{"tak", true},    {"Tak", true},  {"TAK", true},    {"true", true},
                 {"TRUE", true},   {"tRuE", true}, {"1", false},     {"yes", false},
                 {" TRUE", false}, {"", false},    {"False", false}, {"TAK ", false}};
    for (const auto& c : cases)
        EXPECT_EQ(textToBool(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(boolToText(true), "True");
    EXPECT_EQ(boolToText(false), "False");
}

TEST(FindTextNoCase, FindsFromStartPositionIgnoringAsciiCase) {
    const struct {
        std::string needle, line;
        int start, expected;
    } cases[] = {
        {"abc", "xxABCxx", 1, 3},  {"abc", "xxABCxx", 0, 3},        {"abc", "xxABCxx", 3, 3},
        {"abc", "xxABCxx", 4, -1}, {"#zkint", "  #ZKINT(x)", 1, 3}, {"ABC", "abc", 1, 1},
        {"abc", "xxab", 1, -1},  // the needle runs past the end
        {"", "abc", 1, -1},      // an empty needle never matches
        {"a", "", 0, -1},        // nor does an empty line
        {"\xB1", "\xA1", 1, -1}, // Polish capital A-ogonek against its small letter
        {"\xA1", "x\xA1", 1, 2}, // the same Polish byte matches itself
        {"abc", "abc", 2, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findTextNoCase(c.needle, c.line, c.start), c.expected) << c.needle << " in " << c.line;
}

TEST(FindTextNoCase, KeepsLengthsInEightBits) {
    // A line of 300 characters is searched only from the start to position 44 (300 modulo 256).
    std::string line(300, '.');
    line.replace(43, 2, "ab"); // positions 44-45
    EXPECT_EQ(findTextNoCase("ab", line, 1), 44);
    std::string late(300, '.');
    late.replace(100, 2, "ab");
    EXPECT_EQ(findTextNoCase("ab", late, 1), -1);
    // A needle of 256 characters has length 0 modulo 256 and never matches.
    EXPECT_EQ(findTextNoCase(std::string(256, 'a'), std::string(10, 'a'), 1), -1);
}

TEST(CopyRange, CopiesCountPlusOneCharacters) {
    const struct {
        std::string text;
        int start, count;
        std::string expected;
    } cases[] = {
        {"[ftp]/dir/a.php", 1, 4, "[ftp]"},
        {"[ftp]/dir/a.php", 6, 0, "/dir/a.php"},
        {"", 1, 4, ""},
        {std::string(260, 'x'), 250, 10, ""}, // the end wraps below the start
        {"abc", 2, 10, "bc"},                 // past the end contributes nothing
        {"abcdef", 3, 0, "cdef"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(copyRange(c.text, c.start, c.count), c.expected)
            << c.text << ' ' << c.start << ' ' << c.count;
}

TEST(ExtractBetween, ReturnsLowerCasedTextBetweenDelimiters) {
    const struct {
        char open, close;
        std::string text;
        int start;
        std::string expected;
    } cases[] = {
        {'(', ')', "#zkfile(Menu.INC) rest", 1, "menu.inc"},
        {'(', ')', "no brackets here", 1, ""},
        {'(', ')', "open (but never closed", 1, ""},
        {'(', ')', ") before (Inner)", 1, "inner"},
        {'(', ')', "((two)", 1, "(two"},
        {'"', '"', "name=\"Value\" other=\"x\"", 1, "value"},
        {'(', ')', "(a) (b)", 4, "b"},
        {'(', ')', "(a)", 5, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(extractBetween(c.open, c.close, c.text, c.start), c.expected) << c.text;
}

TEST(Colours, FormatAsHtmlHexInRedGreenBlueOrder) {
    const struct {
        std::uint32_t color;
        std::string expected;
    } cases[] = {
        {0x0000FF, "FF0000"}, {0xFF0000, "0000FF"}, {0x000000, "000000"},
        {0x563412, "123456"}, {0xFFFFFF, "FFFFFF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(colorToHtmlHex(c.color), c.expected);
    EXPECT_EQ(reverseHexPairs("123456"), "563412");
}

TEST(LanguageToCode, MapsTheFiveNamesExactly) {
    EXPECT_EQ(languageToCode("Polski"), "pl");
    EXPECT_EQ(languageToCode("Angielski"), "en");
    EXPECT_EQ(languageToCode("Ameryka\xF1ski angielski"), "en-us");
    EXPECT_EQ(languageToCode("Niemiecki"), "de");
    EXPECT_EQ(languageToCode("Francuski"), "fr");
    EXPECT_EQ(languageToCode("polski"), "pl");
    EXPECT_EQ(languageToCode("niemiecki"), "pl");
    EXPECT_EQ(languageToCode(""), "pl");
}

TEST(PathPieces, ExtractFileNameAndDirectory) {
    EXPECT_EQ(extractUrlFileName("/pub/www/index.php3"), "index.php3");
    EXPECT_EQ(extractUrlFileName("index.php3"), "index.php3");
    EXPECT_EQ(extractUrlFileName("ftp:index.php3"), "index.php3");
    EXPECT_EQ(extractUrlFileName("/pub/"), "");
    EXPECT_EQ(extractDosPath("C:\\strony\\a.php"), "C:\\strony\\");
    EXPECT_EQ(extractDosPath("C:a.php"), "C:");
    EXPECT_EQ(extractDosPath("a.php"), "");
}

TEST(RemoveChar, RemovesEveryOccurrence) {
    EXPECT_EQ(removeChar('&', "$PHP_&SELF"), "$PHP_SELF");
    EXPECT_EQ(removeChar('&', "&&a&"), "a");
    EXPECT_EQ(removeChar('&', ""), "");
    // Only the first (length modulo 256) characters are walked.
    EXPECT_EQ(removeChar('&', std::string(257, 'x')), "x");
}

TEST(ClearGrid, EmptiesMovableCellsAndShrinks) {
    TextGrid grid(3, 5);
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 5; ++r)
            grid.cell(c, r) = std::to_string(c) + std::to_string(r);
    clearGrid(grid, false, false);
    EXPECT_EQ(grid.columnCount, 3);
    EXPECT_EQ(grid.rowCount, 5);
    for (int r = 1; r < 5; ++r) {
        EXPECT_EQ(grid.cell(0, r), "0" + std::to_string(r));
        EXPECT_EQ(grid.cell(1, r), "");
        EXPECT_EQ(grid.cell(2, r), "");
    }
    EXPECT_EQ(grid.cell(1, 0), "10");
    clearGrid(grid, true, true);
    EXPECT_EQ(grid.columnCount, 2);
    EXPECT_EQ(grid.rowCount, 2);
    EXPECT_EQ(grid.cell(0, 1), "01");
}

TEST(ClearTextArray, EmptiesUpToTheHighestIndex) {
    std::vector<std::string> texts(300, "x");
    clearTextArray(texts, 255);
    EXPECT_EQ(texts[0], "");
    EXPECT_EQ(texts[255], "");
    EXPECT_EQ(texts[256], "x");
}
