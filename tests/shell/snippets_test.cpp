#include "shell/snippets.h"
#include "text/tag_case.h"
#include "text/win1250.h"

#include <gtest/gtest.h>

using namespace wertan;
using Lines = std::vector<std::string>;

namespace {
std::string cp(const char* utf8) {
    return utf8ToWin1250(utf8);
}
} // namespace

TEST(TagCase, LowersAsciiLettersOnlyWhenAsked) {
    EXPECT_EQ(applyTagCase("<TD ALIGN=\"LEFT\">", false), "<TD ALIGN=\"LEFT\">");
    EXPECT_EQ(applyTagCase("<TD ALIGN=\"LEFT\">", true), "<td align=\"left\">");
    // Windows-1250 capitals (Ą, Ś) are not ASCII and stay.
    EXPECT_EQ(applyTagCase("#zkPHP \xA5\x8C", true), "#zkphp \xA5\x8C");
    EXPECT_EQ(applyTagCase("", true), "");
}

TEST(KeywordBars, CaptionsHintsAndInsertedText) {
    const std::vector<const char*> php = {"<?php",   "?>",      "if",    "else",     "elseif",
                                          "else if", "endif",   "while", "endwhile", "switch",
                                          "include", "require", "new",   "echo"};
    const std::vector<const char*> sql = {"USE",    "CREATE", "DROP",    "SELECT", "DATABASE", "TABLE",
                                          "INSERT", "INTO",   "VALUES",  "WHERE",  "FROM",     "DELETE",
                                          "KEY",    "INDEX",  "REPLACE", "SHOW"};
    const auto& phpBar = keywordBarButtons(KeywordBarKind::Php);
    const auto& sqlBar = keywordBarButtons(KeywordBarKind::Sql);
    ASSERT_EQ(phpBar.size(), std::size_t(PhpBarLast + 1));
    ASSERT_EQ(sqlBar.size(), std::size_t(SqlBarLast + 1));
    ASSERT_EQ(php.size(), phpBar.size());
    ASSERT_EQ(sql.size(), sqlBar.size());
    for (std::size_t i = 0; i < php.size(); ++i) {
        EXPECT_EQ(phpBar[i].caption, php[i]);
        EXPECT_EQ(phpBar[i].hint, i == 6 ? "" : std::string("Dodaje \"") + php[i] + "\" do kodu.") << i;
        EXPECT_EQ(keywordInsertText(phpBar[i]), std::string(php[i]) + " ");
    }
    for (std::size_t i = 0; i < sql.size(); ++i) {
        EXPECT_EQ(sqlBar[i].caption, sql[i]);
        EXPECT_EQ(sqlBar[i].hint, std::string("Dodaje \"") + sql[i] + "\" do kodu.");
        EXPECT_EQ(keywordInsertText(sqlBar[i]), std::string(sql[i]) + " ");
    }
    EXPECT_EQ(phpBar[7].hint, "Dodaje \"while\" do kodu.");
    EXPECT_EQ(sqlBar[3].hint, "Dodaje \"SELECT\" do kodu.");
}

TEST(KeywordBars, ButtonsSitSideBySideAsWideAsTheirCaptions) {
    const auto places = layoutKeywordBar(keywordBarButtons(KeywordBarKind::Php), 8);
    ASSERT_EQ(places.size(), 14u);
    // "<?php" 40, "?>" 16, "if" 16, "else" 32 ...
    EXPECT_EQ(places[0].left, 0);
    EXPECT_EQ(places[0].width, 40);
    EXPECT_EQ(places[1].left, 41);
    EXPECT_EQ(places[1].width, 16);
    EXPECT_EQ(places[2].left, 58);
    EXPECT_EQ(places[3].left, 75);
    EXPECT_EQ(places[5].width, 56); // "else if" has seven characters
    for (const auto& p : places)
        EXPECT_EQ(p.top, 4);
    for (std::size_t i = 1; i < places.size(); ++i)
        EXPECT_EQ(places[i].left, places[i - 1].left + places[i - 1].width + 1);
    const auto big = layoutKeywordBar(keywordBarButtons(KeywordBarKind::Sql), 10);
    EXPECT_EQ(big[0].width, 30);
    EXPECT_EQ(big[1].left, 31);
}

TEST(Snippets, EveryTemplateInsertsItsExactLinesInBothTagCases) {
    const std::string five = "     ";
    const struct {
        SnippetId id;
        std::string caption;
        Lines upper;
        Lines lower;
    } cases[] = {
        {SnippetId::Function, "Funkcja", {"function ( ){ ", five, "} "}, {}},
        {SnippetId::IfBlock, "if { }", {"if { ", five, "} "}, {}},
        {SnippetId::IfElseBlock, "if { } else { }", {"if { ", five, "} ", "else { ", five, "} "}, {}},
        {SnippetId::IfElseIfBlock,
         "if { } else if { } ",
         {"if { ", five, "} ", "else if { ", five, "} "},
         {}},
        {SnippetId::ElseIfBlock, "else if { }", {}, {}},
        {SnippetId::IfElseIfElseBlock,
         "if { } else if { } else { }",
         {"if { ", five, "} ", "else if { ", five, "} ", "else { ", five, "} "},
         {}},
        {SnippetId::IfColon, "if: ", {"if: ", five, "endif; "}, {}},
        {SnippetId::IfElseColon, "if:   else:", {"if: ", five, "else: ", five, "endif; "}, {}},
        {SnippetId::IfElseIfColon, "if:   else if:   ", {"if: ", five, "else if: ", five, "endif; "}, {}},
        {SnippetId::ElseIfColon, "else if:", {"else if: ", five}, {}},
        {SnippetId::IfElseIfElseColon,
         "if:   else if:   else:",
         {"if: ", five, "else if: ", five, "else: ", five, "endif; "},
         {}},
        {SnippetId::EndIf, "endif;", {"endif;"}, {}},
        {SnippetId::Switch,
         "switch: case:",
         {"switch ( ) { ", "    case 0: ", "            break;", "} "},
         {}},
        {SnippetId::SwitchDefault,
         "switch: case: default:",
         {"switch ( ) { ", "    case 0: ", "            break;", "    default:", "} "},
         {}},
        {SnippetId::For, "for", {"for ( ; ; ){ ", five, "} "}, {}},
        {SnippetId::WhileBlock, "while { }", {"while ( ){ ", five, "} "}, {}},
        {SnippetId::WhileColon, "while:", {"while( ): ", five, "endwhile;"}, {}},
        {SnippetId::DoWhile, "do { }", {"do { ", five, "} while ( );"}, {}},
        {SnippetId::EndWhile, "endwhile;", {"endwhile;"}, {}},
        {SnippetId::ClassVariable, "Zmienna klasy", {" var $"}, {}},
        {SnippetId::PhpInfo, "PHP Info", {" phpinfo();"}, {}},
        {SnippetId::JavaScriptTags,
         "Tagi JavaScript",
         {"<SCRIPT LANGUAGE=\"JavaScript\">", "<!--", " ", "//-->", "</SCRIPT>"},
         {"<script language=\"javascript\">", "<!--", " ", "//-->", "</script>"}},
        {SnippetId::NoScriptTags,
         "Tagi <NOSCRIPT>",
         {"<NOSCRIPT>", " ", "</NOSCRIPT>"},
         {"<noscript>", " ", "</noscript>"}},
    };
    ASSERT_EQ(std::size(cases), allSnippets().size());
    for (const auto& c : cases) {
        const Lines& lower = c.lower.empty() ? c.upper : c.lower; // the PHP templates never change case
        EXPECT_EQ(getSnippet(c.id).caption, c.caption);
        EXPECT_EQ(snippetInsertLines(c.id, false), c.upper) << c.caption;
        EXPECT_EQ(snippetInsertLines(c.id, true), lower) << c.caption;
        EXPECT_EQ(getSnippet(c.id).hasAction, c.id != SnippetId::ElseIfBlock) << c.caption;
    }
}

TEST(Snippets, HintsOfTheTemplateItems) {
    EXPECT_EQ(getSnippet(SnippetId::PhpInfo).hint, cp("Wstawia funkcję wyświetlającą informacje o php."));
    EXPECT_EQ(getSnippet(SnippetId::JavaScriptTags).hint,
              cp("Wstawia słowa kluczowe skryptu JavaScript do aktualnego dokumentu."));
    EXPECT_EQ(getSnippet(SnippetId::NoScriptTags).hint,
              cp("Wstawia słowa kluczowe skrypu, dla przeglądarek nie obsługujących JavaScript'u"));
    // The bytes are Windows-1250: ę 0xEA, ś 0x9C, ą 0xB9.
    EXPECT_NE(getSnippet(SnippetId::PhpInfo).hint.find("funkcj\xEA wy\x9Cwietlaj\xB9"), std::string::npos);
    EXPECT_EQ(getSnippet(SnippetId::Function).hint, "");
}

TEST(Snippets, SubMenusHoldTheirItemsAndSeparatorsInOrder) {
    // Each sub-menu as captions, "-" for a separator.
    auto captions = [](const SnippetMenu& menu) {
        Lines out;
        for (const auto& e : menu.entries)
            out.push_back(e.separator ? "-" : getSnippet(e.id).caption);
        return out;
    };
    EXPECT_EQ(conditionalSnippetMenu().caption, "Funkcja warunkowa");
    EXPECT_EQ(captions(conditionalSnippetMenu()),
              (Lines{"if { }", "if { } else { }", "if { } else if { } ", "-", "else if { }", "-",
                     "if { } else if { } else { }", "-", "if: ", "if:   else:", "if:   else if:   ", "-",
                     "else if:", "-", "if:   else if:   else:", "-", "endif;"}));
    EXPECT_EQ(switchSnippetMenu().caption, "Funkcja wyboru");
    EXPECT_EQ(captions(switchSnippetMenu()), (Lines{"switch: case:", "switch: case: default:"}));
    EXPECT_EQ(loopSnippetMenu().caption, "P\xEAtle");
    EXPECT_EQ(captions(loopSnippetMenu()), (Lines{"for", "while { }", "while:", "do { }", "-", "endwhile;"}));
}
