#pragma once
// Fixed pieces of code the user puts into the active document with one click: the keyword buttons
// on the bar at the foot of PHP and SQL documents, and the code templates of the "&Wstaw" menu.
// All texts are Windows-1250 bytes. The views build buttons and menu items from these tables and
// hand the texts to the document's insertion operations.
#include <string>
#include <vector>

namespace wertan {

// ---- Keyword bars -------------------------------------------------------------------------------

enum class KeywordBarKind { Php, Sql };
inline constexpr int PhpBarLast = 13;
inline constexpr int SqlBarLast = 15;

struct KeywordButton {
    std::string caption;
    std::string hint; // empty: the button has no hint
};

// The buttons of a bar in index order.
const std::vector<KeywordButton>& keywordBarButtons(KeywordBarKind kind);
// What a click inserts at the caret (no line break, no tag-case change): the caption and a space.
std::string keywordInsertText(const KeywordButton& button);

// Where a button sits on its bar, in pixels.
struct KeywordButtonPlace {
    int left = 0;
    int top = 0;
    int width = 0;
};
// Buttons side by side from the left edge, 4 pixels below the top; each as wide as its caption's
// character count times the button font's point size, one pixel apart.
std::vector<KeywordButtonPlace> layoutKeywordBar(const std::vector<KeywordButton>& buttons,
                                                 int fontPointSize);

// ---- Code templates of the "&Wstaw" menu --------------------------------------------------------

enum class SnippetId {
    Function,
    IfBlock,
    IfElseBlock,
    IfElseIfBlock,
    ElseIfBlock, // listed in the menu but does nothing
    IfElseIfElseBlock,
    IfColon,
    IfElseColon,
    IfElseIfColon,
    ElseIfColon,
    IfElseIfElseColon,
    EndIf,
    Switch,
    SwitchDefault,
    For,
    WhileBlock,
    WhileColon,
    DoWhile,
    EndWhile,
    ClassVariable,
    PhpInfo,
    JavaScriptTags,
    NoScriptTags,
};

struct SnippetLine {
    std::string text;
    bool tagCased = false; // passes through the tag-case rule
};

struct Snippet {
    SnippetId id;
    std::string caption;
    std::string hint; // empty: no hint
    bool hasAction = true;
    std::vector<SnippetLine> lines; // each handed to InsertLine, in order
};

const std::vector<Snippet>& allSnippets();
const Snippet& getSnippet(SnippetId id);
// The texts to hand one by one to InsertLine, with the tag-case rule applied where it belongs.
std::vector<std::string> snippetInsertLines(SnippetId id, bool lowerCaseTags);

// A sub-menu of templates: its caption and its items with separators in their places.
struct SnippetMenuEntry {
    bool separator = false;
    SnippetId id = SnippetId::Function; // meaningful when not a separator
};
struct SnippetMenu {
    std::string caption;
    std::vector<SnippetMenuEntry> entries;
};

const SnippetMenu& conditionalSnippetMenu(); // "Funkcja warunkowa"
const SnippetMenu& switchSnippetMenu();      // "Funkcja wyboru"
const SnippetMenu& loopSnippetMenu();        // "Pętle"

} // namespace wertan
