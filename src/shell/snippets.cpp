#include "shell/snippets.h"

#include "text/tag_case.h"
#include "text/win1250.h"

#include <stdexcept>

namespace wertan {

namespace {

// The texts are written here in UTF-8 and kept as Windows-1250 bytes.
std::string cp(const char* utf8) {
    return utf8ToWin1250(utf8);
}

std::string keywordHint(const std::string& caption) {
    return "Dodaje \"" + caption + "\" do kodu.";
}

std::vector<KeywordButton> buildBar(std::initializer_list<const char*> captions, int hintlessIndex) {
    std::vector<KeywordButton> buttons;
    int index = 0;
    for (const char* caption : captions) {
        KeywordButton b{caption, {}};
        if (index != hintlessIndex) b.hint = keywordHint(b.caption);
        buttons.push_back(std::move(b));
        ++index;
    }
    return buttons;
}

SnippetLine plain(const char* text) {
    return SnippetLine{text, false};
}
SnippetLine tagged(const char* text) {
    return SnippetLine{text, true};
}

constexpr const char* kFive = "     ";

std::vector<Snippet> buildSnippets() {
    using L = std::vector<SnippetLine>;
    std::vector<Snippet> s;
    auto add = [&](SnippetId id, const char* caption, L lines, const char* hint = "", bool hasAction = true) {
        s.push_back(Snippet{id, cp(caption), cp(hint), hasAction, std::move(lines)});
    };
    add(SnippetId::Function, "Funkcja", L{plain("function ( ){ "), plain(kFive), plain("} ")});
    add(SnippetId::IfBlock, "if { }", L{plain("if { "), plain(kFive), plain("} ")});
    add(SnippetId::IfElseBlock, "if { } else { }",
        L{plain("if { "), plain(kFive), plain("} "), plain("else { "), plain(kFive), plain("} ")});
    add(SnippetId::IfElseIfBlock, "if { } else if { } ",
        L{plain("if { "), plain(kFive), plain("} "), plain("else if { "), plain(kFive), plain("} ")});
    add(SnippetId::ElseIfBlock, "else if { }", L{}, "", false);
    add(SnippetId::IfElseIfElseBlock, "if { } else if { } else { }",
        L{plain("if { "), plain(kFive), plain("} "), plain("else if { "), plain(kFive), plain("} "),
          plain("else { "), plain(kFive), plain("} ")});
    add(SnippetId::IfColon, "if: ", L{plain("if: "), plain(kFive), plain("endif; ")});
    add(SnippetId::IfElseColon,
        "if:   else:", L{plain("if: "), plain(kFive), plain("else: "), plain(kFive), plain("endif; ")});
    add(SnippetId::IfElseIfColon, "if:   else if:   ",
        L{plain("if: "), plain(kFive), plain("else if: "), plain(kFive), plain("endif; ")});
    add(SnippetId::ElseIfColon, "else if:", L{plain("else if: "), plain(kFive)});
    add(SnippetId::IfElseIfElseColon, "if:   else if:   else:",
        L{plain("if: "), plain(kFive), plain("else if: "), plain(kFive), plain("else: "), plain(kFive),
          plain("endif; ")});
    add(SnippetId::EndIf, "endif;", L{plain("endif;")});
    add(SnippetId::Switch, "switch: case:",
        L{plain("switch ( ) { "), plain("    case 0: "), plain("            break;"), plain("} ")});
    add(SnippetId::SwitchDefault, "switch: case: default:",
        L{plain("switch ( ) { "), plain("    case 0: "), plain("            break;"), plain("    default:"),
          plain("} ")});
    add(SnippetId::For, "for", L{plain("for ( ; ; ){ "), plain(kFive), plain("} ")});
    add(SnippetId::WhileBlock, "while { }", L{plain("while ( ){ "), plain(kFive), plain("} ")});
    add(SnippetId::WhileColon, "while:", L{plain("while( ): "), plain(kFive), plain("endwhile;")});
    add(SnippetId::DoWhile, "do { }", L{plain("do { "), plain(kFive), plain("} while ( );")});
    add(SnippetId::EndWhile, "endwhile;", L{plain("endwhile;")});
    add(SnippetId::ClassVariable, "Zmienna klasy", L{plain(" var $")});
    add(SnippetId::PhpInfo, "PHP Info", L{plain(" phpinfo();")},
        "Wstawia funkcję wyświetlającą informacje o php.");
    add(SnippetId::JavaScriptTags, "Tagi JavaScript",
        L{tagged("<SCRIPT LANGUAGE=\"JavaScript\">"), plain("<!--"), plain(" "), plain("//-->"),
          tagged("</SCRIPT>")},
        "Wstawia słowa kluczowe skryptu JavaScript do aktualnego dokumentu.");
    add(SnippetId::NoScriptTags, "Tagi <NOSCRIPT>",
        L{tagged("<NOSCRIPT>"), plain(" "), tagged("</NOSCRIPT>")},
        "Wstawia słowa kluczowe skrypu, dla przeglądarek nie obsługujących JavaScript'u");
    return s;
}

SnippetMenuEntry item(SnippetId id) {
    return SnippetMenuEntry{false, id};
}
SnippetMenuEntry separator() {
    return SnippetMenuEntry{true, SnippetId::Function};
}

} // namespace

const std::vector<KeywordButton>& keywordBarButtons(KeywordBarKind kind) {
    // "endif" (index 6) has no hint.
    static const std::vector<KeywordButton> php =
        buildBar({"<?php", "?>", "if", "else", "elseif", "else if", "endif", "while", "endwhile", "switch",
                  "include", "require", "new", "echo"},
                 6);
    static const std::vector<KeywordButton> sql =
        buildBar({"USE", "CREATE", "DROP", "SELECT", "DATABASE", "TABLE", "INSERT", "INTO", "VALUES", "WHERE",
                  "FROM", "DELETE", "KEY", "INDEX", "REPLACE", "SHOW"},
                 -1);
    return kind == KeywordBarKind::Php ? php : sql;
}

std::string keywordInsertText(const KeywordButton& button) {
    return button.caption + " ";
}

std::vector<KeywordButtonPlace> layoutKeywordBar(const std::vector<KeywordButton>& buttons,
                                                 int fontPointSize) {
    std::vector<KeywordButtonPlace> places;
    places.reserve(buttons.size());
    int left = 0;
    for (const KeywordButton& b : buttons) {
        const int width = int(b.caption.size()) * fontPointSize;
        places.push_back({left, 4, width});
        left += width + 1;
    }
    return places;
}

const std::vector<Snippet>& allSnippets() {
    static const std::vector<Snippet> snippets = buildSnippets();
    return snippets;
}

const Snippet& getSnippet(SnippetId id) {
    for (const Snippet& s : allSnippets())
        if (s.id == id) return s;
    throw std::out_of_range("unknown snippet");
}

std::vector<std::string> snippetInsertLines(SnippetId id, bool lowerCaseTags) {
    std::vector<std::string> texts;
    for (const SnippetLine& line : getSnippet(id).lines)
        texts.push_back(line.tagCased ? applyTagCase(line.text, lowerCaseTags) : line.text);
    return texts;
}

const SnippetMenu& conditionalSnippetMenu() {
    static const SnippetMenu menu{
        "Funkcja warunkowa",
        {item(SnippetId::IfBlock), item(SnippetId::IfElseBlock), item(SnippetId::IfElseIfBlock), separator(),
         item(SnippetId::ElseIfBlock), separator(), item(SnippetId::IfElseIfElseBlock), separator(),
         item(SnippetId::IfColon), item(SnippetId::IfElseColon), item(SnippetId::IfElseIfColon), separator(),
         item(SnippetId::ElseIfColon), separator(), item(SnippetId::IfElseIfElseColon), separator(),
         item(SnippetId::EndIf)}};
    return menu;
}

const SnippetMenu& switchSnippetMenu() {
    static const SnippetMenu menu{"Funkcja wyboru",
                                  {item(SnippetId::Switch), item(SnippetId::SwitchDefault)}};
    return menu;
}

const SnippetMenu& loopSnippetMenu() {
    static const SnippetMenu menu{cp("Pętle"),
                                  {item(SnippetId::For), item(SnippetId::WhileBlock),
                                   item(SnippetId::WhileColon), item(SnippetId::DoWhile), separator(),
                                   item(SnippetId::EndWhile)}};
    return menu;
}

} // namespace wertan
