#include "editor/lexers/js_lexer.h"

#include "lexer_test_support.h"

#include <algorithm>
#include <cctype>
#include <set>

using namespace wertan::lexers;
using namespace wertan::lexers::testing;
using enum Attribute;

namespace {
constexpr std::uint8_t kCode = 0, kBlock = 1;
}

TEST(JsLexer, WordsOfTheLanguageAndTheBrowserAreReserved) {
    ExpectCases(
        Language::JavaScript,
        {
            {"document Document DOCUMENT",
             {{ReservedWord, "document"},
              {Space, " "},
              {ReservedWord, "Document"},
              {Space, " "},
              {ReservedWord, "DOCUMENT"}}},
            {"onclick Math myVar",
             {{ReservedWord, "onclick"},
              {Space, " "},
              {ReservedWord, "Math"},
              {Space, " "},
              {Identifier, "myVar"}}},
            {"e E ee",
             {{ReservedWord, "e"}, {Space, " "}, {ReservedWord, "E"}, {Space, " "}, {Identifier, "ee"}}},
            {"function switch", {{ReservedWord, "function"}, {Space, " "}, {Identifier, "switch"}}},
        });
}

TEST(JsLexer, EveryListedWordIsReservedInAnyCase) {
    std::set<std::string> distinct;
    TokenBuffer tokens;
    for (std::string_view word : jsReservedWords()) {
        std::string lower(word), upper(word);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return std::toupper(c); });
        distinct.insert(lower);
        for (const std::string& w : {std::string(word), lower, upper}) {
            lexJsLine(w, {}, tokens);
            ASSERT_EQ(tokens.size(), 1u) << w;
            EXPECT_EQ(tokens[0].attribute, ReservedWord) << w;
        }
    }
    EXPECT_EQ(distinct.size(), 240u);
}

TEST(JsLexer, NumbersStringsAndSymbols) {
    ExpectCases(
        Language::JavaScript,
        {
            {"x += 1;",
             {{Identifier, "x"}, {Space, " "}, {Symbol, "+="}, {Space, " "}, {Number, "1"}, {String, ";"}}},
            {"a == b",
             {{Identifier, "a"},
              {Space, " "},
              {String, "="},
              {String, "="},
              {Space, " "},
              {Identifier, "b"}}},
            {"0x1F", {{Number, "0"}, {Identifier, "x1F"}}},
            {"1.5e3 1..2",
             {{Number, "1.5e3"}, {Space, " "}, {Number, "1"}, {Symbol, "."}, {Symbol, "."}, {Number, "2"}}},
            {"1e-5", {{Number, "1e"}, {Symbol, "-"}, {Number, "5"}}},
            {"$FF $ $g",
             {{Number, "$FF"}, {Space, " "}, {Number, "$"}, {Space, " "}, {Number, "$"}, {Identifier, "g"}}},
            {"#13 #x", {{String, "#13"}, {Space, " "}, {String, "#"}, {Identifier, "x"}}},
            {"'it''s'", {{String, "'it'"}, {String, "'s'"}}},
            {"\"a\\\"b\"", {{String, "\"a\\\""}, {Identifier, "b"}, {String, "\""}}},
            {"'''a'b", {{String, "'''a'"}, {Identifier, "b"}}},
            {"\"\"\"", {{String, "\"\"\""}}},
            {"\"'", {{String, "\"'"}}},
            {"i++ a % b",
             {{Identifier, "i"},
              {Symbol, "++"},
              {Space, " "},
              {Identifier, "a"},
              {Space, " "},
              {Symbol, "%"},
              {Space, " "},
              {Identifier, "b"}}},
            {"&&&=&|||=|",
             {{Symbol, "&&"}, {Symbol, "&="}, {Symbol, "&"}, {Symbol, "||"}, {Symbol, "|="}, {Symbol, "|"}}},
            {"---=->-%=*=*",
             {{Symbol, "--"},
              {Symbol, "-="},
              {Symbol, "->"},
              {Symbol, "-"},
              {Symbol, "%="},
              {Symbol, "*="},
              {Symbol, "*"}}},
            {"....", {{Symbol, "..."}, {Symbol, "."}}},
            {"(){},~",
             {{Symbol, "("}, {Symbol, ")"}, {Symbol, "{"}, {Symbol, "}"}, {Symbol, ","}, {Symbol, "~"}}},
            {"!:;<=>?@[\\]^`\x7F\xE6",
             {{String, "!"},
              {String, ":"},
              {String, ";"},
              {String, "<"},
              {String, "="},
              {String, ">"},
              {String, "?"},
              {String, "@"},
              {String, "["},
              {String, "\\"},
              {String, "]"},
              {String, "^"},
              {String, "`"},
              {String, "\x7F"},
              {String, "\xE6"}}},
            {" \t\x0C\r\n", {{Space, " \t\x0C"}, {Space, "\r\n"}}},
        });
}

TEST(JsLexer, Comments) {
    ExpectCases(Language::JavaScript,
                {
                    {"x // y", {{Identifier, "x"}, {Space, " "}, {Comment, "// y"}}},
                    {"/=/", {{Symbol, "/="}, {Symbol, "/"}}},
                    {"/* start", {{Comment, "/* start"}}, kCode, kBlock},
                    {"end */ x", {{Comment, "end */"}, {Space, " "}, {Identifier, "x"}}, kBlock, kCode},
                    {"/**/x", {{Comment, "/**/"}, {Identifier, "x"}}},
                    {"", {}, kBlock, kBlock},
                    {"'x", {{String, "'x"}}, kCode, kCode},
                });
}
