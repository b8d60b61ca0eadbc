#include "editor/lexers/sql_lexer.h"

#include "lexer_test_support.h"

#include <algorithm>
#include <cctype>

using namespace wertan::lexers;
using namespace wertan::lexers::testing;
using enum Attribute;

namespace {
constexpr std::uint8_t kCode = 0, kBlock = 1;
}

TEST(SqlLexer, WordsIdentifiersAndNumbers) {
    ExpectCases(Language::Sql,
                {
                    {"select Select SELECT",
                     {{ReservedWord, "select"},
                      {Symbol, " "},
                      {ReservedWord, "Select"},
                      {Symbol, " "},
                      {ReservedWord, "SELECT"}}},
                    {"VARCHAR selected", {{Identifier, "VARCHAR"}, {Symbol, " "}, {Identifier, "selected"}}},
                    {"LIMIT 5", {{Identifier, "LIMIT"}, {Symbol, " "}, {Number, "5"}}},
                    {"3.14 0x1F 1e-5 1E-5",
                     {{Number, "3.14"},
                      {Symbol, " "},
                      {Number, "0x1F"},
                      {Symbol, " "},
                      {Number, "1e-5"},
                      {Symbol, " "},
                      {Number, "1E-5"}}},
                    {"1-2", {{Number, "1"}, {Symbol, "-"}, {Number, "2"}}},
                    {"1_000.5..", {{Number, "1_000.5"}, {Symbol, "."}, {Symbol, "."}}},
                    {"a.b", {{Identifier, "a"}, {Symbol, "."}, {Identifier, "b"}}},
                    {".5 .e", {{Number, ".5"}, {Symbol, " "}, {Symbol, "."}, {Identifier, "e"}}},
                    {".5e-3g", {{Number, ".5e-3"}, {Identifier, "g"}}},
                    {"0xAF_x", {{Number, "0xAF_x"}}},
                    {"9g", {{Number, "9"}, {Identifier, "g"}}},
                    {"base_name entry_point",
                     {{ReservedWord, "base_name"}, {Symbol, " "}, {ReservedWord, "entry_point"}}},
                });
}

TEST(SqlLexer, EveryListedWordIsReservedInAnyCase) {
    ASSERT_EQ(sqlReservedWords().size(), 126u);
    TokenBuffer tokens;
    for (std::string_view word : sqlReservedWords()) {
        std::string lower(word);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        for (const std::string& w : {std::string(word), lower}) {
            lexSqlLine(w, {}, tokens);
            ASSERT_EQ(tokens.size(), 1u) << w;
            EXPECT_EQ(tokens[0].attribute, ReservedWord) << w;
        }
        lexSqlLine("_" + lower, {}, tokens);
        EXPECT_EQ(tokens[0].attribute, Identifier) << word;
    }
}

TEST(SqlLexer, BlanksSymbolsAndOtherCharactersAreSymbols) {
    ExpectCases(
        Language::Sql,
        {
            {"<>>=", {{Symbol, "<"}, {Symbol, ">"}, {Symbol, ">"}, {Symbol, "="}}},
            {"@var", {{Symbol, "@"}, {Identifier, "var"}}},
            {"a - b", {{Identifier, "a"}, {Symbol, " "}, {Symbol, "-"}, {Symbol, " "}, {Identifier, "b"}}},
            {"&()*+,:;<=>?[\\]^|",
             {{Symbol, "&"},
              {Symbol, "("},
              {Symbol, ")"},
              {Symbol, "*"},
              {Symbol, "+"},
              {Symbol, ","},
              {Symbol, ":"},
              {Symbol, ";"},
              {Symbol, "<"},
              {Symbol, "="},
              {Symbol, ">"},
              {Symbol, "?"},
              {Symbol, "["},
              {Symbol, "\\"},
              {Symbol, "]"},
              {Symbol, "^"},
              {Symbol, "|"}}},
            {"!$%`{}~\x7F\xB9",
             {{Symbol, "!"},
              {Symbol, "$"},
              {Symbol, "%"},
              {Symbol, "`"},
              {Symbol, "{"},
              {Symbol, "}"},
              {Symbol, "~"},
              {Symbol, "\x7F"},
              {Symbol, "\xB9"}}},
            {"\t \x02x", {{Symbol, "\t \x02"}, {Identifier, "x"}}},
            {"\r\n\n", {{Symbol, "\r\n"}, {Symbol, "\n"}}},
        });
}

TEST(SqlLexer, CommentsAndStrings) {
    ExpectCases(Language::Sql,
                {
                    {"-- note", {{Comment, "-- note"}}},
                    {"# note", {{Comment, "# note"}}},
                    {"x // note", {{Identifier, "x"}, {Symbol, " "}, {Comment, "// note"}}},
                    {"a/b", {{Identifier, "a"}, {Symbol, "/"}, {Identifier, "b"}}},
                    {"/* start", {{Comment, "/* start"}}, kCode, kBlock},
                    {"end */ x", {{Comment, "end */"}, {Symbol, " "}, {Identifier, "x"}}, kBlock, kCode},
                    {"/* a */1", {{Comment, "/* a */"}, {Number, "1"}}},
                    {"", {}, kBlock, kBlock},
                    {"'abc", {{String, "'abc"}}},
                    {"'a''b'", {{String, "'a'"}, {String, "'b'"}}},
                    {"'a\\'b", {{String, "'a\\'"}, {Identifier, "b"}}},
                    {"\"a\\\"b\"c", {{String, "\"a\\\"b\""}, {Identifier, "c"}}},
                    {"\"\"", {{String, "\"\""}}},
                    {"\"\"\"a\"b", {{String, "\"\"\"a\""}, {Identifier, "b"}}},
                    {"\"\"\"", {{String, "\"\"\""}}},
                    {"\"open", {{String, "\"open"}}},
                });
}
