// What all lexers share: names of languages and attributes, the line state, the token buffer,
// line splitting, the token dump format, and scans that must cover any line whatever its bytes.
#include "editor/lexers/token_dump.h"

#include "lexer_test_support.h"

#include <random>
#include <set>

using namespace wertan::lexers;
using namespace wertan::lexers::testing;

namespace {
constexpr Language kAllLanguages[] = {Language::Php, Language::Html, Language::Sql, Language::JavaScript,
                                      Language::Css};
}

TEST(LexerNames, LanguagesHaveTheirSchemeNamesTagsAndSortedAttributeLists) {
    const struct {
        Language language;
        const char* tag;
        const char* name;
        std::vector<std::string_view> attributes;
    } cases[] = {
        {Language::Php,
         "php",
         "PHP",
         {"Comment", "Identifier", "Invalid symbol", "Number", "Reserved word", "Space", "String", "Symbol",
          "Variable"}},
        {Language::Html,
         "html",
         "HTML Document",
         {"Asp", "Comment", "Escape ampersand", "Identifier", "Reserved word", "Space", "Symbol", "Text",
          "Unknown word", "Value"}},
        {Language::Sql,
         "sql",
         "SQL",
         {"Comment", "Identifier", "Number", "Reserved word", "String", "Symbol"}},
        {Language::JavaScript,
         "js",
         "Javascript",
         {"Comment", "Identifier", "Number", "Reserved word", "Space", "String", "Symbol"}},
        {Language::Css,
         "css",
         "Cascading Stylesheets",
         {"Comment", "Identifier", "Key", "Number", "Space", "String", "Symbol"}},
    };
    for (const auto& c : cases) {
        Language parsed{};
        ASSERT_TRUE(languageFromTag(c.tag, parsed)) << c.tag;
        EXPECT_EQ(parsed, c.language);
        EXPECT_EQ(languageTag(c.language), c.tag);
        EXPECT_EQ(languageName(c.language), c.name);
        std::vector<std::string_view> names;
        for (Attribute a : languageAttributes(c.language))
            names.push_back(attributeName(a));
        EXPECT_EQ(names, c.attributes) << c.tag;
    }
    Language unused{};
    for (const char* tag : {"", "PHP", "javascript", "vbs", "php "})
        EXPECT_FALSE(languageFromTag(tag, unused)) << tag;
    // Colouring kinds as the pages number them.
    EXPECT_EQ(int(Language::Php), 0);
    EXPECT_EQ(int(Language::Css), 1);
    EXPECT_EQ(int(Language::Sql), 2);
    EXPECT_EQ(int(Language::Html), 3);
    EXPECT_EQ(int(Language::JavaScript), 4);
}

TEST(LexerNames, EveryTokenALexerWritesHasAnAttributeOfItsLanguage) {
    // Lex a line holding every byte value from every start state.
    std::string line;
    for (int c = 0; c < 256; ++c)
        line += char(c);
    line += line;
    TokenBuffer tokens;
    for (Language language : kAllLanguages) {
        const auto allowed = languageAttributes(language);
        const std::set<Attribute> allowedSet(allowed.begin(), allowed.end());
        for (int mode = 0; mode < modeCount(language); ++mode) {
            lexLine(language, line, LineState{std::uint8_t(mode)}, tokens);
            ASSERT_TRUE(CoversLine(line, tokens));
            for (const Token& t : tokens)
                EXPECT_TRUE(allowedSet.count(t.attribute))
                    << languageTag(language) << ' ' << attributeName(t.attribute);
        }
    }
}

TEST(LineStateCoding, RoundTripsEveryModeAndResetsUnknownValues) {
    for (Language language : kAllLanguages)
        for (int mode = 0; mode < modeCount(language); ++mode) {
            const LineState state{std::uint8_t(mode)};
            EXPECT_EQ(LineState::decode(state.encode()), state);
        }
    for (int value : {-1, LineState::kModeLimit, 255, 1 << 20})
        EXPECT_EQ(LineState::decode(value), LineState{}) << value;
    EXPECT_EQ(LineState{}.encode(), 0);
}

TEST(TokenBufferReuse, GrowsForLongLinesAndForgetsThePreviousLine) {
    TokenBuffer tokens;
    const std::string longLine(100000, ',');
    lexPhpLine(longLine, {}, tokens);
    EXPECT_EQ(tokens.size(), longLine.size());
    EXPECT_TRUE(CoversLine(longLine, tokens));
    lexPhpLine("a b", {}, tokens);
    EXPECT_EQ(tokens.size(), 3u);
    lexPhpLine("", {}, tokens);
    EXPECT_TRUE(tokens.empty());
}

TEST(SplitLines, BreaksAtLfCrLfAndCr) {
    const struct {
        std::string text;
        std::vector<std::string_view> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"\n", {""}},
        {"\n\n", {"", ""}},
        {"a\n\nb", {"a", "", "b"}},
        {"\r\r\n\n", {"", "", ""}},
        {"a\n\r", {"a", ""}},
        {std::string("a\0b\n", 4), {std::string_view("a\0b", 3)}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitLines(c.text), c.lines) << '"' << c.text << '"';
}

TEST(TokenDump, WritesOneLinePerTokenWithEscapesAndAnEmptyLineAfterEachInputLine) {
    const struct {
        Language language;
        std::string text;
        std::string dump;
    } cases[] = {
        {Language::Php, "", ""},
        {Language::Php, "\n", "\n"},
        {Language::Php, "echo $a;\n\n// x\n",
         "Reserved word\techo\nSpace\t \nVariable\t$a\nSymbol\t;\n\n\nComment\t// x\n\n"},
        {Language::Php, "\t'a\\b'", "Space\t\\t\nString\t'a\\\\b'\n\n"},
        {Language::Php, "'a\r\nb'", "String\t'a\n\nString\tb'\n\n"},
        {Language::Html, "a &amp;", "Text\ta \nEscape ampersand\t&amp;\n\n"},
        {Language::Sql, "a\x0B", "Identifier\ta\nSymbol\t\x0B\n\n"},
        {Language::Css, "\xB3", "Identifier\t\xB3\n\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dumpTokens(c.language, c.text), c.dump) << '"' << c.text << '"';

    // Line breaks and tabs inside a token (possible in a line handed over with them) are escaped.
    std::string out;
    const std::string line = "a\r\n\t\\";
    const Token token{0, std::uint32_t(line.size()), Attribute::Text};
    appendTokenDump(out, line, std::span<const Token>(&token, 1));
    EXPECT_EQ(out, "Text\ta\\r\\n\\t\\\\\n\n");
}

TEST(LexerRobustness, RandomLinesFromEveryStartStateAreCoveredExactly) {
    std::mt19937 random(20240607);
    // Bytes weighted towards the characters the rules care about.
    const std::string interesting = "<>!-%&=\"'/*\\#$@.0123456789eExX;{}()[] \t\r\nabcAZ_\x7F\x80\xB3\xFF";
    TokenBuffer tokens;
    for (Language language : kAllLanguages)
        for (int round = 0; round < 3000; ++round) {
            std::string line(random() % 40, ' ');
            for (char& c : line)
                c = random() % 3 ? interesting[random() % interesting.size()] : char(random() % 256);
            const LineState start{std::uint8_t(random() % LineState::kModeLimit)};
            const LineState end = lexLine(language, line, start, tokens);
            ASSERT_TRUE(CoversLine(line, tokens)) << languageTag(language) << " \"" << line << '"';
            EXPECT_LT(end.mode, modeCount(language));
            // The same line from the same state gives the same result.
            const std::vector<Tok> first = ToToks(line, tokens);
            EXPECT_EQ(lexLine(language, line, start, tokens), end);
            EXPECT_EQ(ToToks(line, tokens), first);
        }
}
