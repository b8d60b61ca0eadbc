#include "editor/lexers/css_lexer.h"

#include "lexer_test_support.h"

#include <algorithm>
#include <cctype>

using namespace wertan::lexers;
using namespace wertan::lexers::testing;
using enum Attribute;

namespace {
constexpr std::uint8_t kCode = 0, kBlock = 1;
}

TEST(CssLexer, KeyWordsIdentifiersAndOtherCharacters) {
    ExpectCases(
        Language::Css,
        {
            {"color: #FF0000;",
             {{Key, "color"}, {Identifier, ":"}, {Space, " "}, {Number, "#FF0000"}, {Identifier, ";"}}},
            {"font-family", {{Key, "font"}, {Identifier, "-"}, {Key, "family"}}},
            {"FONT Font fonts",
             {{Key, "FONT"}, {Space, " "}, {Key, "Font"}, {Space, " "}, {Identifier, "fonts"}}},
            {"\"Courier New\"",
             {{Identifier, "\""},
              {Identifier, "Courier"},
              {Space, " "},
              {Identifier, "New"},
              {Identifier, "\""}}},
            {",.-\x7F\xA5",
             {{Identifier, ","},
              {Identifier, "."},
              {Identifier, "-"},
              {Identifier, "\x7F"},
              {Identifier, "\xA5"}}},
        });
}

TEST(CssLexer, EveryKeyWordInAnyCase) {
    ASSERT_EQ(cssKeyWords().size(), 26u);
    TokenBuffer tokens;
    for (std::string_view word : cssKeyWords()) {
        std::string upper(word);
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return std::toupper(c); });
        for (const std::string& w : {std::string(word), upper}) {
            lexCssLine(w, {}, tokens);
            ASSERT_EQ(tokens.size(), 1u) << w;
            EXPECT_EQ(tokens[0].attribute, Key) << w;
        }
    }
}

TEST(CssLexer, NumbersStringsAndBraces) {
    ExpectCases(
        Language::Css,
        {
            {"12px", {{Number, "12"}, {Key, "px"}}},
            {"1.5em", {{Number, "1.5e"}, {Identifier, "m"}}},
            {"1..2", {{Number, "1"}, {Identifier, "."}, {Identifier, "."}, {Number, "2"}}},
            {"$ff #", {{Number, "$ff"}, {Space, " "}, {Number, "#"}}},
            {"#abcdefg", {{Number, "#abcdef"}, {Identifier, "g"}}},
            {"BODY { }", {{Identifier, "BODY"}, {Space, " "}, {String, "{"}, {Space, " "}, {String, "}"}}},
            {"{12}3x", {{String, "{12"}, {String, "}3"}, {Identifier, "x"}}},
            {"url(a)", {{Identifier, "url"}, {Symbol, "("}, {Identifier, "a"}, {Symbol, ")"}}},
            {"'a b' 'c", {{String, "'a b'"}, {Space, " "}, {String, "'c"}}},
            {"'''x'y", {{String, "'''x'"}, {Identifier, "y"}}},
            {"a/b", {{Identifier, "a"}, {Symbol, "/"}, {Identifier, "b"}}},
            {"\t\x0B\x1F\r\n", {{Space, "\t\x0B\x1F"}, {Space, "\r\n"}}},
        });
}

TEST(CssLexer, BlockCommentsAcrossLines) {
    ExpectCases(Language::Css,
                {
                    {"p { /* start",
                     {{Identifier, "p"}, {Space, " "}, {String, "{"}, {Space, " "}, {Comment, "/* start"}},
                     kCode,
                     kBlock},
                    {"end */ }", {{Comment, "end */"}, {Space, " "}, {String, "}"}}, kBlock, kCode},
                    {"// no", {{Symbol, "/"}, {Symbol, "/"}, {Space, " "}, {Identifier, "no"}}},
                    {"/* a */b", {{Comment, "/* a */"}, {Identifier, "b"}}},
                    {"", {}, kBlock, kBlock},
                });
}
