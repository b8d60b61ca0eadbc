#include "editor/lexers/html_lexer.h"
#include "editor/lexers/html_tables.h"

#include "lexer_test_support.h"

#include <algorithm>
#include <cctype>

using namespace wertan::lexers;
using namespace wertan::lexers::testing;
using enum Attribute;

namespace {
constexpr std::uint8_t kText = 0, kScript = 1, kComment = 2, kTagStart = 3, kInTag = 4, kValue = 5,
                       kEntity = 6;
}

TEST(HtmlLexer, TagsAttributesAndValues) {
    ExpectCases(
        Language::Html,
        {
            {"<a href=\"x.php\">Start</a>",
             {{Symbol, "<"},
              {ReservedWord, "a"},
              {Space, " "},
              {Identifier, "href"},
              {Symbol, "="},
              {Value, "\"x.php\""},
              {Symbol, ">"},
              {Text, "Start"},
              {Symbol, "<"},
              {ReservedWord, "/a"},
              {Symbol, ">"}}},
            {"<Table Border=1>",
             {{Symbol, "<"},
              {ReservedWord, "Table"},
              {Space, " "},
              {Identifier, "Border"},
              {Symbol, "="},
              {Value, "1"},
              {Symbol, ">"}}},
            {"<br/>", {{Symbol, "<"}, {UnknownWord, "br/"}, {Symbol, ">"}}},
            {"<mytag>", {{Symbol, "<"}, {UnknownWord, "mytag"}, {Symbol, ">"}}},
            {"</br>", {{Symbol, "<"}, {UnknownWord, "/br"}, {Symbol, ">"}}},
            {"<H1></h6>",
             {{Symbol, "<"},
              {ReservedWord, "H1"},
              {Symbol, ">"},
              {Symbol, "<"},
              {ReservedWord, "/h6"},
              {Symbol, ">"}}},
            {"<!DOCTYPE html>",
             {{Symbol, "<"}, {ReservedWord, "!DOCTYPE"}, {Space, " "}, {Identifier, "html"}, {Symbol, ">"}}},
            // Letters, then digits: a letter after the digits starts an attribute name.
            {"<h1x>", {{Symbol, "<"}, {ReservedWord, "h1"}, {Identifier, "x"}, {Symbol, ">"}}},
            {"<7>", {{Symbol, "<"}, {UnknownWord, "7"}, {Symbol, ">"}}},
            // No tag name at all: the character starts an attribute name.
            {"<-x>", {{Symbol, "<"}, {Identifier, "-x"}, {Symbol, ">"}}},
            {"<a b=c d=\"e f\" g>",
             {{Symbol, "<"},
              {ReservedWord, "a"},
              {Space, " "},
              {Identifier, "b"},
              {Symbol, "="},
              {Value, "c"},
              {Space, " "},
              {Identifier, "d"},
              {Symbol, "="},
              {Value, "\"e f\""},
              {Space, " "},
              {Identifier, "g"},
              {Symbol, ">"}}},
            // An unquoted value runs to a blank or ">" and takes "=" and quotes along.
            {"<a b=c=\"d>",
             {{Symbol, "<"},
              {ReservedWord, "a"},
              {Space, " "},
              {Identifier, "b"},
              {Symbol, "="},
              {Value, "c=\"d"},
              {Symbol, ">"}}},
            {"<a b=\"open",
             {{Symbol, "<"},
              {ReservedWord, "a"},
              {Space, " "},
              {Identifier, "b"},
              {Symbol, "="},
              {Value, "\"open"}},
             kText,
             kInTag},
            // A quoted string outside a value leaves the state alone.
            {"\"x\" y", {{Value, "\"x\""}, {Space, " "}, {Identifier, "y"}}, kInTag, kInTag},
            {"<a\tb>", {{Symbol, "<"}, {ReservedWord, "a"}, {Space, "\t"}, {Identifier, "b"}, {Symbol, ">"}}},
            {"<a", {{Symbol, "<"}, {ReservedWord, "a"}}, kText, kInTag},
            {"<", {{Symbol, "<"}}, kText, kTagStart},
            {"=", {{Symbol, "="}}, kInTag, kValue},
            {"x>", {{Value, "x"}, {Symbol, ">"}}, kValue, kText},
            {"  td>", {{Space, "  "}, {ReservedWord, "td"}, {Symbol, ">"}}, kTagStart, kText},
        });
}

TEST(HtmlLexer, TextAndEntities) {
    ExpectCases(
        Language::Html,
        {
            {"Fish &amp; chips", {{Text, "Fish "}, {EscapeAmpersand, "&amp;"}, {Text, " chips"}}},
            {"AT&T", {{Text, "AT&T"}}},
            {"&divide;", {{EscapeAmpersand, "&divide"}, {Text, ";"}}},
            {"&AMP;&Lt;", {{EscapeAmpersand, "&AMP;"}, {EscapeAmpersand, "&Lt;"}}},
            {"a&#9;b&#10;", {{Text, "a"}, {EscapeAmpersand, "&#9;"}, {Text, "b&#10;"}}},
            {"&amp", {{Text, "&amp"}}},
            {"&ldots;&hellip;", {{EscapeAmpersand, "&ldots;"}, {Text, "&hellip;"}}},
            {"a\tb", {{Text, "a"}, {Space, "\t"}, {Text, "b"}}},
            // After the first byte of a run of blanks a tab starts a new run.
            {"a\x01\t\tb", {{Text, "a"}, {Space, "\x01"}, {Space, "\t"}, {Space, "\t"}, {Text, "b"}}},
            {"a\x01 \x0B\tb", {{Text, "a"}, {Space, "\x01 \x0B"}, {Space, "\t"}, {Text, "b"}}},
            // Text takes quotes, "=", ">" and 8-bit bytes.
            {"x=\"1\" > \xB3\xF3"
             "d\x7F",
             {{Text, "x=\"1\" > \xB3\xF3"
                     "d\x7F"}}},
            {"a<b", {{Text, "a"}, {Symbol, "<"}, {ReservedWord, "b"}}, kText, kInTag},
            // An ampersand inside a tag returns to text at the same place.
            {"<a &amp; b>",
             {{Symbol, "<"}, {ReservedWord, "a"}, {Space, " "}, {EscapeAmpersand, "&amp;"}, {Text, " b>"}}},
            {"<p x&y>",
             {{Symbol, "<"}, {ReservedWord, "p"}, {Space, " "}, {Identifier, "x&y"}, {Symbol, ">"}}},
            {"&x", {{Text, "&x"}}, kInTag, kText},
            // A pending entity that is not there is text.
            {"&x", {{Text, "&x"}}, kEntity, kText},
            {"&lt;", {{EscapeAmpersand, "&lt;"}}, kEntity, kText},
            {"x", {{Identifier, "x"}}, kEntity, kEntity},
        });
}

TEST(HtmlLexer, CommentsAndServerScriptRunOnAcrossLines) {
    ExpectCases(Language::Html,
                {
                    {"<!-- note", {{Comment, "<!--"}, {Comment, " note"}}, kText, kComment},
                    {"end -->x", {{Comment, "end -->"}, {Text, "x"}}, kComment, kText},
                    {"<!-- a -- b -->c", {{Comment, "<!--"}, {Comment, " a -- b -->"}, {Text, "c"}}},
                    {"<!---->", {{Comment, "<!--"}, {Comment, "-->"}}},
                    // The end mark must follow the opening mark; it may not share its hyphens.
                    {"<!-->", {{Comment, "<!--"}, {Comment, ">"}}, kText, kComment},
                    {"<!-x", {{Symbol, "<"}, {UnknownWord, "!"}, {Identifier, "-x"}}, kText, kInTag},
                    {"<% echo 1; %>", {{Asp, "<%"}, {Asp, " echo 1; %>"}}},
                    {"<%", {{Asp, "<%"}}, kText, kScript},
                    {"<%>", {{Asp, "<%"}, {Asp, ">"}}, kText, kScript},
                    {"$a = 1;", {{Asp, "$a = 1;"}}, kScript, kScript},
                    {"%> <b>",
                     {{Asp, "%>"}, {Text, " "}, {Symbol, "<"}, {ReservedWord, "b"}, {Symbol, ">"}},
                     kScript,
                     kText},
                    {"", {}, kScript, kScript},
                    {"", {}, kComment, kComment},
                    {"", {}, kValue, kValue},
                    {"\r\n", {{Space, "\r\n"}}, kTagStart, kTagStart},
                    {std::string("a\0b", 3), {{Text, "a"}, {Space, std::string(1, '\0')}, {Text, "b"}}},
                });
}

TEST(HtmlLexer, TagListIsCompleteAndCaseBlind) {
    TokenBuffer tokens;
    for (std::string_view name : htmlTagNames()) {
        std::string lower(name);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        for (const std::string& n : {std::string(name), lower}) {
            const std::string line = "<" + n + ">";
            lexHtmlLine(line, {}, tokens);
            ASSERT_EQ(tokens.size(), 3u) << line;
            EXPECT_EQ(tokens[1].attribute, ReservedWord) << line;
        }
    }
    // Closing forms exist only for some names.
    for (std::string_view name : {"/br", "/img", "/hr", "/!doctype", "/input", "/meta", "//a", "a/"}) {
        const std::string line = "<" + std::string(name) + ">";
        lexHtmlLine(line, {}, tokens);
        ASSERT_EQ(tokens.size(), 3u) << line;
        EXPECT_EQ(tokens[1].attribute, UnknownWord) << line;
    }
}

TEST(HtmlLexer, EveryEntityIsFoundAndTheFirstMatchWins) {
    ASSERT_EQ(htmlEntities().size(), 151u);
    TokenBuffer tokens;
    for (std::string_view entity : htmlEntities()) {
        std::string upper(entity);
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return std::toupper(c); });
        for (const std::string& e : {std::string(entity), upper}) {
            const std::string line = "x" + e + "y";
            lexHtmlLine(line, {}, tokens);
            EXPECT_EQ(ToToks(line, tokens),
                      (std::vector<Tok>{{Text, "x"}, {EscapeAmpersand, e}, {Text, "y"}}));
        }
        // Cut short by the end of the line it is no entity.
        const std::string cut(entity.substr(0, entity.size() - 1));
        lexHtmlLine(cut, {}, tokens);
        EXPECT_EQ(ToToks(cut, tokens), (std::vector<Tok>{{Text, cut}})) << entity;
    }
    // Entities that differ only in letter case: the one listed first decides, and both have the
    // length of the text they match.
    EXPECT_EQ(detail::matchHtmlEntity(reinterpret_cast<const unsigned char*>("&aGRAVE;"), 8), 8u);
    EXPECT_EQ(detail::matchHtmlEntity(reinterpret_cast<const unsigned char*>("&divide;"), 8), 7u);
    EXPECT_EQ(detail::matchHtmlEntity(reinterpret_cast<const unsigned char*>("&#215;"), 6), 6u);
    EXPECT_EQ(detail::matchHtmlEntity(reinterpret_cast<const unsigned char*>("&#216;"), 6), 0u);
    EXPECT_EQ(detail::matchHtmlEntity(reinterpret_cast<const unsigned char*>("&#133;"), 6), 0u);
}
