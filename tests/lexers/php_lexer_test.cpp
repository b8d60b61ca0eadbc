#include "editor/lexers/php_lexer.h"

#include "lexer_test_support.h"

#include <algorithm>
#include <cctype>

using namespace wertan::lexers;
using namespace wertan::lexers::testing;
using enum Attribute;

namespace {
constexpr std::uint8_t kCode = 0, kSingle = 1, kDouble = 2, kBlock = 3;
}

TEST(PhpLexer, WordsAreReservedInAnyCaseOnlyWhenWhole) {
    ExpectCases(
        Language::Php,
        {
            {"ECHO Echo echo",
             {{ReservedWord, "ECHO"},
              {Space, " "},
              {ReservedWord, "Echo"},
              {Space, " "},
              {ReservedWord, "echo"}}},
            {"echo2 _echo", {{Identifier, "echo2"}, {Space, " "}, {Identifier, "_echo"}}},
            {"__file__ __LINE__", {{ReservedWord, "__file__"}, {Space, " "}, {ReservedWord, "__LINE__"}}},
            {"highlight_string(x)",
             {{ReservedWord, "highlight_string"}, {Symbol, "("}, {Identifier, "x"}, {Symbol, ")"}}},
            // A Polish letter ends an identifier and is an other character.
            {"echo\xB3", {{ReservedWord, "echo"}, {Identifier, "\xB3"}}},
            {"foreach", {{Identifier, "foreach"}}},
        });
}

TEST(PhpLexer, EveryListedWordIsReservedInLowerAndUpperCase) {
    TokenBuffer tokens;
    ASSERT_EQ(phpReservedWords().size(), 55u);
    for (std::string_view word : phpReservedWords()) {
        std::string lower(word), upper(word);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return std::toupper(c); });
        for (const std::string& w : {lower, upper}) {
            lexPhpLine(w, {}, tokens);
            ASSERT_EQ(tokens.size(), 1u) << w;
            EXPECT_EQ(tokens[0].attribute, ReservedWord) << w;
        }
        // One more character makes it an ordinary identifier.
        lexPhpLine(lower + "x", {}, tokens);
        EXPECT_EQ(tokens[0].attribute, Identifier) << word;
    }
}

TEST(PhpLexer, VariablesNumbersAndSpaces) {
    ExpectCases(Language::Php, {
                                   {"$name_1", {{Variable, "$name_1"}}},
                                   {"$ x", {{Variable, "$"}, {Space, " "}, {Identifier, "x"}}},
                                   {"$$a", {{Variable, "$"}, {Variable, "$a"}}},
                                   {"0x1F 3.14 1e-5 12L",
                                    {{Number, "0x1F"},
                                     {Space, " "},
                                     {Number, "3.14"},
                                     {Space, " "},
                                     {Number, "1e-5"},
                                     {Space, " "},
                                     {Number, "12L"}}},
                                   {"1..5", {{Number, "1"}, {Symbol, "."}, {Symbol, "."}, {Number, "5"}}},
                                   // The minus belongs to the number wherever it comes.
                                   {"1-2", {{Number, "1-2"}}},
                                   {"7.", {{Number, "7."}}},
                                   {"1.2..", {{Number, "1.2"}, {Symbol, "."}, {Symbol, "."}}},
                                   {"9g", {{Number, "9"}, {Identifier, "g"}}},
                                   // A run of blanks takes tabs and other control bytes along.
                                   {"\t \x01\x1Fx", {{Space, "\t \x01\x1F"}, {Identifier, "x"}}},
                                   {std::string("a\0b", 3),
                                    {{Identifier, "a"}, {Space, std::string(1, '\0')}, {Identifier, "b"}}},
                                   {"\r\r\n\n", {{Space, "\r"}, {Space, "\r\n"}, {Space, "\n"}}},
                                   {"\n\n", {{Space, "\n"}, {Space, "\n"}}},
                               });
}

TEST(PhpLexer, SymbolsTakeTheirSecondCharacters) {
    ExpectCases(
        Language::Php,
        {
            {"a->b", {{Identifier, "a"}, {Symbol, "->"}, {Identifier, "b"}}},
            {"<<=", {{Symbol, "<<="}}},
            {"<<<", {{Symbol, "<<"}, {Symbol, "<"}}},
            {"<=<", {{Symbol, "<="}, {Symbol, "<"}}},
            {"<?php", {{Symbol, "<"}, {Symbol, "?"}, {Identifier, "php"}}},
            {"?>", {{Symbol, "?"}, {Symbol, ">"}}},
            {"!=%=*=^=!", {{Symbol, "!="}, {Symbol, "%="}, {Symbol, "*="}, {Symbol, "^="}, {Symbol, "!"}}},
            {"&&&=&", {{Symbol, "&&"}, {Symbol, "&="}, {Symbol, "&"}}},
            {"|||=|", {{Symbol, "||"}, {Symbol, "|="}, {Symbol, "|"}}},
            {"+++=+", {{Symbol, "++"}, {Symbol, "+="}, {Symbol, "+"}}},
            {"---=->-", {{Symbol, "--"}, {Symbol, "-="}, {Symbol, "->"}, {Symbol, "-"}}},
            {"===>=", {{Symbol, "=="}, {Symbol, "=>"}, {Symbol, "="}}},
            {">>=>=>", {{Symbol, ">>"}, {Symbol, "=>"}, {Symbol, "=>"}}},
            {"/=/", {{Symbol, "/="}, {Symbol, "/"}}},
            {"()[]{},.:;?~",
             {{Symbol, "("},
              {Symbol, ")"},
              {Symbol, "["},
              {Symbol, "]"},
              {Symbol, "{"},
              {Symbol, "}"},
              {Symbol, ","},
              {Symbol, "."},
              {Symbol, ":"},
              {Symbol, ";"},
              {Symbol, "?"},
              {Symbol, "~"}}},
            {"@fopen", {{InvalidSymbol, "@"}, {Identifier, "fopen"}}},
            {"\\`\x7F\xFF",
             {{Identifier, "\\"}, {Identifier, "`"}, {Identifier, "\x7F"}, {Identifier, "\xFF"}}},
        });
}

TEST(PhpLexer, CommentsAndBlockCommentsAcrossLines) {
    ExpectCases(Language::Php,
                {
                    {"# note */", {{Comment, "# note */"}}},
                    {"x // note", {{Identifier, "x"}, {Space, " "}, {Comment, "// note"}}},
                    {"/* start", {{Comment, "/* start"}}, kCode, kBlock},
                    {"end */ $x", {{Comment, "end */"}, {Space, " "}, {Variable, "$x"}}, kBlock, kCode},
                    {"/* a */b", {{Comment, "/* a */"}, {Identifier, "b"}}},
                    // The star of the opening mark does not close the comment.
                    {"/*/ x", {{Comment, "/*/ x"}}, kCode, kBlock},
                    {"*/", {{Comment, "*/"}}, kBlock, kCode},
                    {"still", {{Comment, "still"}}, kBlock, kBlock},
                    {"", {}, kBlock, kBlock},
                    {"a */ /* b", {{Comment, "a */"}, {Space, " "}, {Comment, "/* b"}}, kBlock, kBlock},
                });
}

TEST(PhpLexer, StringsAndTheirContinuation) {
    ExpectCases(Language::Php,
                {
                    {"'it''s'", {{String, "'it'"}, {String, "'s'"}}},
                    {"\"a\\\"b\"", {{String, "\"a\\\"b\""}}},
                    {"'a\\'b'", {{String, "'a\\'"}, {Identifier, "b"}, {String, "'"}}, kCode, kSingle},
                    {"'open", {{String, "'open"}}, kCode, kSingle},
                    {"still open", {{String, "still open"}}, kSingle, kSingle},
                    {"end' x", {{String, "end'"}, {Space, " "}, {Identifier, "x"}}, kSingle, kCode},
                    {"\"open \\\"", {{String, "\"open \\\""}}, kCode, kDouble},
                    {"\\\" still", {{String, "\\\" still"}}, kDouble, kDouble},
                    {"\" x", {{String, "\""}, {Space, " "}, {Identifier, "x"}}, kDouble, kCode},
                    {"a\\\"b\"c", {{String, "a\\\"b\""}, {Identifier, "c"}}, kDouble, kCode},
                    // A backslash before any other character is an ordinary character of the string.
                    {"\"\\\\\" x\"", {{String, "\"\\\\\" x\""}}},
                    {"\"'\"", {{String, "\"'\""}}},
                    {"'\"'", {{String, "'\"'"}}},
                    {"", {}, kDouble, kDouble},
                    {"", {}, kSingle, kSingle},
                });
}

TEST(PhpLexer, UnknownStartStatesBeginOutsideStrings) {
    TokenBuffer tokens;
    for (int mode : {4, 7, 200}) {
        const LineState end = lexPhpLine("'x", LineState{std::uint8_t(mode)}, tokens);
        EXPECT_EQ(ToToks("'x", tokens), (std::vector<Tok>{{String, "'x"}}));
        EXPECT_EQ(end.mode, kSingle);
    }
}
