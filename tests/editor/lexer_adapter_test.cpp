// Colouring of editor pages by the lexers: styles as a whole-document lex gives them, restyling after
// edits only as far as the line states change, large documents coloured as far as they are shown,
// schemes shared by pages, colouring off and on.
#include "editor/lexers/lexers.h"
#include "editor/ui/colouring_component.h"
#include "editor/ui/lexer_adapter.h"
#include "editor_test_support.h"

#include <QElapsedTimer>
#include <QtTest/QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace wertan {
namespace {

using Base = QsciScintillaBase;
using test::settle;

unsigned long u(long v) {
    return static_cast<unsigned long>(v);
}

// The style of every byte of a text lexed whole, line by line from each line's state, with line
// breaks in the component's line-break style.
std::vector<int> lexedStyles(const ColouringComponent& component, std::string_view text) {
    std::vector<int> styles;
    lexers::LineState state;
    lexers::TokenBuffer tokens;
    std::size_t at = 0;
    for (;;) {
        std::size_t e = text.find_first_of("\r\n", at);
        if (e == std::string_view::npos) e = text.size();
        state = lexers::lexLine(*component.lexerLanguage(), text.substr(at, e - at), state, tokens);
        for (const lexers::Token& token : tokens)
            styles.insert(styles.end(), token.length, component.styleOfToken(token.attribute));
        if (e == text.size()) break;
        const std::size_t lineBreak = text[e] == '\r' && e + 1 < text.size() && text[e + 1] == '\n' ? 2 : 1;
        styles.insert(styles.end(), lineBreak, component.lineEndStyle());
        at = e + lineBreak;
    }
    return styles;
}

// Colours the rest of the document, going on from where the colouring has got to.
void colourToEnd(CodeEditor* editor) {
    editor->SendScintilla(Base::SCI_COLOURISE, u(editor->SendScintilla(Base::SCI_GETENDSTYLED)), -1L);
}

std::vector<int> documentStyles(CodeEditor* editor) {
    std::vector<int> styles;
    const long length = editor->SendScintilla(Base::SCI_GETLENGTH);
    for (long p = 0; p < length; ++p)
        styles.push_back(int(editor->SendScintilla(Base::SCI_GETSTYLEAT, u(p))));
    return styles;
}

std::string documentText(CodeEditor* editor) {
    return std::string(editor->documentUtf8());
}

// The first line whose styles differ from the whole-document lex, or -1.
long firstWrongLine(CodeEditor* editor, const ColouringComponent& component) {
    colourToEnd(editor);
    const std::vector<int> expected = lexedStyles(component, documentText(editor));
    const std::vector<int> actual = documentStyles(editor);
    for (std::size_t p = 0; p < std::max(expected.size(), actual.size()); ++p)
        if (p >= expected.size() || p >= actual.size() || expected[p] != actual[p])
            return editor->SendScintilla(Base::SCI_LINEFROMPOSITION, u(long(p)));
    return -1;
}

// The attribute name of the style at the first byte of `needle` (searched from `from`).
std::string attributeNameAt(CodeEditor* editor, const ColouringComponent& component, std::string_view needle,
                            std::size_t from = 0) {
    const std::string text = documentText(editor);
    const std::size_t p = text.find(needle, from);
    if (p == std::string::npos) return "(not found)";
    const int attribute =
        component.attributeOfStyle(int(editor->SendScintilla(Base::SCI_GETSTYLEAT, u(long(p)))));
    return attribute < 0 ? "(plain)" : component.attribute(attribute).name;
}

long positionOf(CodeEditor* editor, std::string_view needle) {
    return long(documentText(editor).find(needle));
}

class ColouredPage : public ::testing::Test {
protected:
    ColouringComponent php{SchemeLanguage::Php};
    test::EditorWindow page;

    void show(const char* utf8, ColouringComponent& component) {
        page.editor->setColouring(&component);
        page.setText(utf8);
    }
    std::size_t lexed() const { return page.editor->lexerAdapter().linesLexed(); }
};

// A PHP page with HTML around the code, strings and a comment over several lines, SQL in a string,
// Polish letters, and CR LF, LF and CR line breaks.
constexpr const char* kPhpPage = "<html>\r\n"
                                 "<body bgcolor=\"#FFFFFF\">\r\n"
                                 "<?php\r\n"
                                 "/* Nagłówek\r\n"
                                 "   strony */\n"
                                 "$tytul = 'Zażółć\r\n"
                                 "gęślą';\r"
                                 "echo \"<h1>$tytul \\\"x\\\"</h1>\"; echoł\r\n"
                                 "$q = \"SELECT * FROM t WHERE a = 'b'\";\r\n"
                                 "?>\r\n"
                                 "</body></html>";

TEST_F(ColouredPage, StylesOfAPageAreTheLexersTokens) {
    show(kPhpPage, php);
    EXPECT_EQ(firstWrongLine(page.editor, php), -1);
    struct Case {
        const char* needle;
        const char* attribute;
    };
    const Case cases[] = {
        {"<html>", "Symbol"},    {"html>", "Identifier"},   {"\"#FFFFFF\"", "String"},
        {"Nagłówek", "Comment"}, {"strony */", "Comment"},  {"$tytul =", "Variable"},
        {"'Zażółć", "String"},   {"gęślą'", "String"},      {"echo \"", "Reserved word"},
        {"\\\"x", "String"},     {"ł\r\n$q", "Identifier"}, {"SELECT", "String"},
        {"?>", "Symbol"},        {" = 'Z", "Space"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(attributeNameAt(page.editor, php, c.needle), c.attribute) << c.needle;
}

TEST_F(ColouredPage, EveryLanguageColoursAsItsLexer) {
    struct Case {
        SchemeLanguage language;
        const char* text;
        const char* needle;
        const char* attribute;
    };
    const Case cases[] = {
        {SchemeLanguage::Html, "<P>Fish &amp; chips<!-- a\nb --><% x\ny %>", "&amp;", "Escape ampersand"},
        {SchemeLanguage::Html, "<P>Fish &amp; chips<!-- a\nb --><% x\ny %>", "b -->", "Comment"},
        {SchemeLanguage::Html, "<P>Fish &amp; chips<!-- a\nb --><% x\ny %>", "y %>", "Asp"},
        {SchemeLanguage::Sql, "SELECT a /* x\ny */ FROM t;\n", "y */", "Comment"},
        {SchemeLanguage::Sql, "SELECT a /* x\ny */ FROM t;\n", "FROM", "Reserved word"},
        {SchemeLanguage::JavaScript, "var s = \"a\"; /* b\nc */ f(1);", "c */", "Comment"},
        {SchemeLanguage::Css, "P { color: red; }\n/* a\nb */", "b */", "Comment"},
    };
    for (const Case& c : cases) {
        ColouringComponent component(c.language);
        show(c.text, component);
        EXPECT_EQ(firstWrongLine(page.editor, component), -1) << c.text;
        EXPECT_EQ(attributeNameAt(page.editor, component, c.needle), c.attribute) << c.needle;
        page.editor->setColouring(nullptr);
    }
}

// Sixteen lines of PHP; line 5 closes a comment that would be open from above.
constexpr const char* kPhpLines = "<?php\n"             // 0
                                  "$a = 1;\n"           // 1
                                  "$b = 'x';\n"         // 2
                                  "// note\n"           // 3
                                  "$c = \"y\";\n"       // 4
                                  "/* old */ $d = 2;\n" // 5
                                  "$e = 'z';\n"         // 6
                                  "$f = 3;\n"           // 7
                                  "echo $a . $b;\n"     // 8
                                  "$g = \"w\\\"v\";\n"  // 9
                                  "function f() {\n"    // 10
                                  "  return 4;\n"       // 11
                                  "}\n"                 // 12
                                  "$h = 5; # end\n"     // 13
                                  "$i = 6;\n"           // 14
                                  "?>";                 // 15

TEST_F(ColouredPage, AnEditRestylesTheFollowingLinesOnlyWhileTheirStateChanges) {
    struct Case {
        const char* name;
        int line;    // where the edit starts
        int index;   // byte in that line, -1 for the line's end
        int removed; // bytes removed there before inserting
        const char* inserted;
        int linesLexed; // by the edit; -1: not counted (the state never settles again)
    };
    const Case cases[] = {
        {"opening a comment", 1, 0, 0, "/*", 5},
        {"typing a letter", 2, 3, 0, "x", 1},
        {"a quote of the other kind in a string", 2, 6, 0, "\"", 1},
        {"opening a string", 1, -1, 0, "'", -1},
        {"breaking a string", 2, 6, 0, "\n", 2},
        {"joining a comment with the next line", 3, -1, 1, "", 1},
        {"an open string and an empty line", 5, -1, 0, "'\n", -1},
        {"an open comment and an empty line", 2, -1, 0, "/*\n", 5},
        {"removing lines across a comment", 2, 4, 40, "", -1},
        {"replacing lines", 4, 0, 30, "x\n/* a\nb\n", -1},
    };
    // The same whether the control announces every change made (accessibility on) or not.
    for (const bool announcingAll : {false, true})
        for (const Case& c : cases) {
            page.editor->announceAllChanges(announcingAll);
            show(kPhpLines, php);
            colourToEnd(page.editor);
            ASSERT_EQ(firstWrongLine(page.editor, php), -1);
            const std::size_t before = lexed();
            const long lineStart = page.editor->SendScintilla(Base::SCI_POSITIONFROMLINE, u(c.line));
            const long at = c.index < 0 ? page.editor->SendScintilla(Base::SCI_GETLINEENDPOSITION, u(c.line))
                                        : lineStart + c.index;
            page.editor->SendScintilla(Base::SCI_BEGINUNDOACTION);
            if (c.removed > 0) page.editor->SendScintilla(Base::SCI_DELETERANGE, u(at), long(c.removed));
            page.editor->SendScintilla(Base::SCI_INSERTTEXT, u(at), c.inserted);
            page.editor->SendScintilla(Base::SCI_ENDUNDOACTION);
            settle();
            colourToEnd(page.editor);
            EXPECT_EQ(firstWrongLine(page.editor, php), -1) << c.name << announcingAll;
            if (c.linesLexed >= 0) {
                EXPECT_EQ(lexed() - before, std::size_t(c.linesLexed)) << c.name << announcingAll;
            }
            // Undone, the page is coloured as it was.
            page.editor->SendScintilla(Base::SCI_UNDO);
            settle();
            ASSERT_EQ(documentText(page.editor), kPhpLines) << c.name;
            EXPECT_EQ(firstWrongLine(page.editor, php), -1) << c.name << " undone";
            page.editor->setColouring(nullptr);
        }
    page.editor->announceAllChanges(false);
}

TEST_F(ColouredPage, EditsBeforeTheNextColouringAreAllRestyled) {
    show(kPhpLines, php);
    colourToEnd(page.editor);
    // Two edits far apart, the later one first, before the page is painted again.
    for (const auto& [line, text] : {std::pair{12, "'"}, std::pair{2, "\"\n"}}) {
        const long at = page.editor->SendScintilla(Base::SCI_GETLINEENDPOSITION, u(line));
        page.editor->SendScintilla(Base::SCI_INSERTTEXT, u(at), text);
    }
    settle();
    EXPECT_EQ(firstWrongLine(page.editor, php), -1);
}

TEST_F(ColouredPage, ALoadedTextIsColouredAnew) {
    show(kPhpLines, php);
    colourToEnd(page.editor);
    // Lines of the same length, now inside a comment.
    std::string text = kPhpLines;
    text.replace(0, 2, "/*");
    page.editor->setDocumentBytes(text);
    settle();
    EXPECT_EQ(firstWrongLine(page.editor, php), -1);
    EXPECT_EQ(attributeNameAt(page.editor, php, "$c"), "Comment");
    EXPECT_EQ(attributeNameAt(page.editor, php, "$e"), "Variable");
}

TEST_F(ColouredPage, AnEditNearTheTopOfALargeDocumentColoursOnlyWhatIsShown) {
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "$x = 'a'; echo $x; // line\r\n";
    page.editor->setColouring(&php);
    page.editor->setDocumentBytes(text);
    settle();
    const long length = page.editor->SendScintilla(Base::SCI_GETLENGTH);
    const long shownLines = page.editor->SendScintilla(Base::SCI_LINESONSCREEN);
    EXPECT_LT(page.editor->SendScintilla(Base::SCI_GETENDSTYLED), length / 10);
    EXPECT_LT(lexed(), std::size_t(shownLines + 100));
    // The first screen is coloured down to its last line.
    const long lastShown = page.editor->SendScintilla(Base::SCI_POSITIONFROMLINE, u(shownLines - 1));
    EXPECT_EQ(php.attributeOfStyle(int(page.editor->SendScintilla(Base::SCI_GETSTYLEAT, u(lastShown)))),
              php.scheme().indexOf("Variable"));

    // A comment opened at the top changes the state of every line below it.
    const std::size_t before = lexed();
    page.editor->SendScintilla(Base::SCI_INSERTTEXT,
                               u(page.editor->SendScintilla(Base::SCI_POSITIONFROMLINE, 1UL)), "/*");
    settle();
    EXPECT_LT(lexed() - before, std::size_t(shownLines + 100));
    EXPECT_LT(page.editor->SendScintilla(Base::SCI_GETENDSTYLED), length / 10);
    EXPECT_EQ(attributeNameAt(page.editor, php, "$x", 20), "Comment");

    // At the end of the document the colouring catches up.
    page.editor->SendScintilla(Base::SCI_DOCUMENTEND);
    const long lastLineStart = page.editor->SendScintilla(
        Base::SCI_POSITIONFROMLINE, u(page.editor->SendScintilla(Base::SCI_GETLINECOUNT) - 2));
    QElapsedTimer deadline;
    deadline.start();
    while (page.editor->SendScintilla(Base::SCI_GETENDSTYLED) <= lastLineStart && deadline.elapsed() < 20000)
        QApplication::processEvents();
    EXPECT_EQ(php.attributeOfStyle(int(page.editor->SendScintilla(Base::SCI_GETSTYLEAT, u(lastLineStart)))),
              php.scheme().indexOf("Comment"));
}

TEST_F(ColouredPage, ASchemeChangeReachesEveryPageOfTheLanguage) {
    show("<?php $a = 1; ?>", php);
    test::EditorWindow second;
    second.editor->setColouring(&php);
    second.setText("$b");
    ColouringComponent html(SchemeLanguage::Html);
    test::EditorWindow other;
    other.editor->setColouring(&html);
    other.setText("<b>x</b>");

    const int variable = php.scheme().indexOf("Variable");
    HighlighterAttribute a = php.attribute(variable);
    a.foreground = rgbColour(10, 20, 30);
    a.background = rgbColour(200, 210, 220);
    php.setAttribute(variable, a);
    for (CodeEditor* editor : {page.editor, second.editor}) {
        const long p = positionOf(editor, "$");
        const auto style = u(editor->SendScintilla(Base::SCI_GETSTYLEAT, u(p)));
        EXPECT_EQ(style, u(ColouringComponent::styleOfAttribute(variable)));
        EXPECT_EQ(editor->SendScintilla(Base::SCI_STYLEGETFORE, style), long(rgbColour(10, 20, 30)));
        EXPECT_EQ(editor->SendScintilla(Base::SCI_STYLEGETBACK, style), long(rgbColour(200, 210, 220)));
    }
    // A page of another language keeps its colours.
    const auto htmlStyle = u(ColouringComponent::styleOfAttribute(variable));
    EXPECT_NE(other.editor->SendScintilla(Base::SCI_STYLEGETFORE, htmlStyle), long(rgbColour(10, 20, 30)));
}

TEST_F(ColouredPage, ColouringOffLeavesPlainTextAndOnColoursItAgain) {
    show(kPhpLines, php);
    colourToEnd(page.editor);
    page.editor->setColouring(nullptr);
    settle();
    // Text typed while colouring is off stays plain too.
    page.editor->SendScintilla(Base::SCI_INSERTTEXT, 0UL, "/* x */ ");
    settle();
    colourToEnd(page.editor);
    const std::vector<int> styles = documentStyles(page.editor);
    EXPECT_EQ(std::count(styles.begin(), styles.end(), 0), long(styles.size()));
    EXPECT_EQ(page.editor->attributeAt(positionOf(page.editor, "$a")), -1);

    page.editor->setColouring(&php);
    settle();
    EXPECT_EQ(firstWrongLine(page.editor, php), -1);
    EXPECT_EQ(attributeNameAt(page.editor, php, "/* x */"), "Comment");
    EXPECT_EQ(page.editor->attributeAt(positionOf(page.editor, "$a")), php.scheme().indexOf("Variable"));
}

TEST_F(ColouredPage, TheTokenAtAPositionIsTheLexersToken) {
    show(kPhpLines, php);
    struct Case {
        const char* needle;
        int offset;
        const char* attribute; // empty: no token (line break)
    };
    const Case cases[] = {
        {"$c", 0, "Variable"},          {"$c", 1, "Variable"},     {" = \"y", 0, "Space"},
        {"\"y\"", 2, "String"},         {"// note", 5, "Comment"}, {"// note", 7, ""},
        {"return", 3, "Reserved word"},
    };
    for (const Case& c : cases) {
        // Nothing is coloured yet: the token comes from lexing the line from its state.
        page.editor->recolour();
        const int attribute = page.editor->attributeAt(positionOf(page.editor, c.needle) + c.offset);
        EXPECT_EQ(attribute < 0 ? std::string() : php.attribute(attribute).name, c.attribute) << c.needle;
    }
    ColouringComponent vbs(SchemeLanguage::VbScript);
    page.editor->setColouring(&vbs);
    EXPECT_EQ(page.editor->attributeAt(positionOf(page.editor, "$c")), -1);
}

// One line of minified JavaScript of about `bytes` bytes: statements, strings, and block comments
// unless they are left out.
std::string minifiedLine(std::size_t bytes, bool comments = true) {
    const char* pieces[] = {"function f(a,b){var c=a+b;if(c>10){document.write('x'+c);}return c;}",
                            "/* ok */", "var s=\"tekst\";", "window.onload=function(){alert(1.5e3);};",
                            "for(var i=0;i<10;i++){x+=i;}"};
    std::string line;
    for (std::size_t i = 0; line.size() < bytes; ++i)
        if (comments || i % std::size(pieces) != 1) line += pieces[i % std::size(pieces)];
    return line;
}

// How many styles of the bytes from `from` to `to` differ from the whole-document lex.
long wrongStylesIn(CodeEditor* editor, const ColouringComponent& component, long from, long to) {
    const std::vector<int> expected = lexedStyles(component, documentText(editor));
    long wrong = 0;
    for (long p = std::max(0L, from); p < to && p < long(expected.size()); ++p)
        wrong += int(editor->SendScintilla(Base::SCI_GETSTYLEAT, u(p))) != expected[std::size_t(p)];
    return wrong;
}
long wrongStylesBefore(CodeEditor* editor, const ColouringComponent& component, long count) {
    return wrongStylesIn(editor, component, 0, count);
}

TEST_F(ColouredPage, ALongLineIsColouredAsFarAsItIsShownAndFurtherWhenTheViewMovesAlong) {
    ColouringComponent js(SchemeLanguage::JavaScript);
    const std::string line = minifiedLine(600'000);
    page.editor->setColouring(&js);
    page.editor->setDocumentBytes(line);
    settle();
    page.editor->viewport()->repaint();
    const long length = page.editor->SendScintilla(Base::SCI_GETLENGTH);
    const std::size_t lexedAtOpen = page.editor->lexerAdapter().longLineBytesLexed();
    EXPECT_LT(lexedAtOpen, std::size_t(100'000)) << "opening lexed far past the view";
    EXPECT_EQ(wrongStylesBefore(page.editor, js, 20'000), 0);
    // The end of the line is not coloured yet.
    EXPECT_EQ(page.editor->SendScintilla(Base::SCI_GETSTYLEAT, u(length - 10)), 0);

    // The caret goes to the end of the line: the view follows it, and so does the colouring.
    page.editor->setFocus();
    QTest::keyClick(page.editor, Qt::Key_End);
    settle();
    page.editor->viewport()->repaint();
    EXPECT_EQ(wrongStylesBefore(page.editor, js, length), 0);

    // Back at the start, "/*" typed there turns the line into a comment as far as it is shown,
    // lexed from the line's start; the rest of it is coloured when it is shown again.
    QTest::keyClick(page.editor, Qt::Key_Home);
    settle();
    const std::size_t before = page.editor->lexerAdapter().longLineBytesLexed();
    QTest::keyClicks(page.editor, QStringLiteral("/*"));
    settle();
    page.editor->viewport()->repaint();
    // Each keystroke: from the checkpoint before it to a checkpoint past the view's end.
    EXPECT_LT(page.editor->lexerAdapter().longLineBytesLexed() - before, std::size_t(2 * 100'000));
    EXPECT_EQ(wrongStylesBefore(page.editor, js, 20'000), 0);
    EXPECT_EQ(attributeNameAt(page.editor, js, "function"), "Comment");
    QTest::keyClick(page.editor, Qt::Key_End);
    settle();
    page.editor->viewport()->repaint();
    EXPECT_EQ(wrongStylesBefore(page.editor, js, length + 2), 0);
}

TEST_F(ColouredPage, AnEditFarIntoALongLineIsColouredFromTheCheckpointBeforeIt) {
    ColouringComponent js(SchemeLanguage::JavaScript);
    // A long line between short ones: the lines after it take its end state.
    const std::string text = "var a=1;\r\n" + minifiedLine(700'000, false) + "\r\nvar b=2;\r\nvar c=3;";
    page.editor->setColouring(&js);
    page.editor->setDocumentBytes(text);
    settle();
    page.editor->viewport()->repaint();
    const long afterLong = page.editor->SendScintilla(Base::SCI_POSITIONFROMLINE, 2UL);
    const long length = page.editor->SendScintilla(Base::SCI_GETLENGTH);
    colourToEnd(page.editor);
    EXPECT_EQ(wrongStylesIn(page.editor, js, 0, 20'000), 0);
    EXPECT_EQ(wrongStylesIn(page.editor, js, afterLong, length), 0) << "short lines after the long one";
    const long middle = page.editor->SendScintilla(Base::SCI_POSITIONFROMLINE, 1UL) + 400'000;
    page.editor->SendScintilla(Base::SCI_GOTOPOS, u(middle));
    page.editor->setFocus();
    settle();
    page.editor->viewport()->repaint();
    // Typed far into the line, a comment that is never closed: it runs on to the lines after it.
    const std::size_t before = page.editor->lexerAdapter().longLineBytesLexed();
    QTest::keyClicks(page.editor, QStringLiteral("/*"));
    settle();
    page.editor->viewport()->repaint();
    const long lineEnd = page.editor->SendScintilla(Base::SCI_GETLINEENDPOSITION, 1UL);
    // Each keystroke: from the checkpoint before it to the line's end, which the lines after it need.
    EXPECT_LT(page.editor->lexerAdapter().longLineBytesLexed() - before,
              2 * std::size_t(lineEnd - middle + 2 * LexerAdapter::kCheckpointBytes))
        << "lexed from the checkpoint before the edit, not from the line's start";
    colourToEnd(page.editor);
    EXPECT_EQ(attributeNameAt(page.editor, js, "var b"), "Comment");
    EXPECT_EQ(wrongStylesIn(page.editor, js, middle - 20'000, middle + 20'000), 0) << "around the caret";
    EXPECT_EQ(wrongStylesIn(page.editor, js, afterLong + 2, length + 2), 0);
    page.editor->SendScintilla(Base::SCI_UNDO);
    settle();
    page.editor->viewport()->repaint();
    colourToEnd(page.editor);
    EXPECT_EQ(attributeNameAt(page.editor, js, "var b"), "Reserved word");
    EXPECT_EQ(wrongStylesIn(page.editor, js, middle - 20'000, middle + 20'000), 0);
    EXPECT_EQ(wrongStylesIn(page.editor, js, afterLong, length), 0);
}

TEST(LexedLineState, SurvivesScintillasLineState) {
    for (int start = 0; start < lexers::LineState::kModeLimit; ++start)
        for (int end = 0; end < lexers::LineState::kModeLimit; ++end) {
            const LexedLineState state{lexers::LineState::decode(start), lexers::LineState::decode(end)};
            EXPECT_EQ(LexedLineState::decode(state.encode()), state);
        }
    // A line never lexed holds 0: it starts and ends in the start state.
    EXPECT_EQ(LexedLineState::decode(0), LexedLineState{});
}

} // namespace
} // namespace wertan
