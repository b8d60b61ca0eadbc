// Keyword bars and the templates of the "&Wstaw" menu, through the real main window.
#include "main_window_harness.h"
#include "text/win1250.h"

#include <QMenu>
#include <QToolButton>

using namespace wertan;
using namespace wertan::test;

namespace {

using SnippetCommands = MainWindowHarness;

QList<QToolButton*> barButtons(DocumentPage* page) {
    QList<QToolButton*> buttons;
    if (page->keywordBar())
        buttons =
            page->keywordBar()->strip()->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly);
    std::sort(buttons.begin(), buttons.end(),
              [](QToolButton* a, QToolButton* b) { return a->geometry().left() < b->geometry().left(); });
    return buttons;
}

QAction* menuItem(QMenu* menu, const QString& caption) {
    for (QAction* a : menu->actions())
        if (a->text() == caption) return a;
    return nullptr;
}

// A sub-menu's items as captions, separators as "-".
QStringList captionsOf(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

std::string lines(const QStringList& texts) {
    std::string out;
    for (const QString& t : texts)
        out += "\n" + toWin1250(t); // the starting document's line end
    return out;
}

} // namespace

TEST_F(SnippetCommands, PhpAndSqlBarsCarryTheirButtonsSideBySide) {
    const struct {
        const char* action; // makes the document; empty for the start-up document
        QStringList captions;
    } bars[] = {
        {"",
         {"<?php", "?>", "if", "else", "elseif", "else if", "endif", "while", "endwhile", "switch", "include",
          "require", "new", "echo"}},
        {"MenuFile_NewSQL",
         {"USE", "CREATE", "DROP", "SELECT", "DATABASE", "TABLE", "INSERT", "INTO", "VALUES", "WHERE", "FROM",
          "DELETE", "KEY", "INDEX", "REPLACE", "SHOW"}},
    };
    for (const auto& bar : bars) {
        if (*bar.action) run(bar.action);
        const QList<QToolButton*> buttons = barButtons(ws().activePage());
        ASSERT_EQ(buttons.size(), bar.captions.size()) << bar.action;
        const int points = buttons.first()->parentWidget()->font().pointSize();
        int left = 0;
        for (int i = 0; i < buttons.size(); ++i) {
            QToolButton* b = buttons[i];
            EXPECT_EQ(b->text(), bar.captions[i]);
            EXPECT_TRUE(b->autoRaise()) << "flat";
            EXPECT_EQ(b->geometry().top(), 4);
            EXPECT_EQ(b->geometry().left(), left) << bar.captions[i].toStdString();
            EXPECT_EQ(b->width(), bar.captions[i].size() * points);
            left += b->width() + 1;
            const QString hint = bar.captions[i] == QStringLiteral("endif")
                                     ? QString()
                                     : QStringLiteral("Dodaje \"%1\" do kodu.").arg(bar.captions[i]);
            EXPECT_EQ(b->toolTip(), hint);
            EXPECT_EQ(b->statusTip(), hint);
        }
        EXPECT_GE(ws().activePage()->keywordBar()->strip()->width(), left - 1)
            << "the bar scrolls to every button";
    }
}

TEST_F(SnippetCommands, NewOpenedAndCleanDocumentsGetTheBarsOfTheirKind) {
    const QString sql = fileIn("b.sql", "x\r\n");
    const QString html = fileIn("c.html", "x\r\n");
    ws().openDocument(sql, QStringLiteral(".SQL"));
    EXPECT_EQ(barButtons(ws().activePage()).size(), 16);
    ws().openDocument(html, QStringLiteral(".HTML"));
    ASSERT_NE(ws().activePage()->keywordBar(), nullptr);
    EXPECT_TRUE(barButtons(ws().activePage()).isEmpty()) << "an HTML page has an empty bar";
    run("MenuFile_New");
    EXPECT_EQ(barButtons(ws().activePage()).size(), 14);
    run("PopupMenu_NewClean");
    EXPECT_EQ(barButtons(ws().activePage()).size(), 14);
}

TEST_F(SnippetCommands, AKeywordButtonInsertsItsCaptionAndASpaceAtTheCaret) {
    ws().activeEditor()->setDocumentBytes("ab");
    ws().activeEditor()->setCursorPosition(0, 1);
    barButtons(ws().activePage()).at(7)->click(); // "while"
    EXPECT_EQ(activeText(), "awhile b");
    EXPECT_TRUE(ws().activePage()->isChanged());
    // A selection is replaced; SQL captions go in upper case whatever the tag case.
    window->settings().lowerCaseTags = true;
    run("MenuFile_NewSQL");
    ws().activeEditor()->setDocumentBytes("one two");
    ws().activeEditor()->setSelection(0, 4, 0, 7);
    barButtons(ws().activePage()).at(3)->click(); // "SELECT"
    EXPECT_EQ(activeText(), "one SELECT ");
}

TEST_F(SnippetCommands, EveryTemplateInsertsItsLinesInBothTagCases) {
    const QString five = QStringLiteral("     ");
    const struct {
        const char* menu; // sub-menu, or empty for an item of "&Wstaw" itself
        const char* item; // caption in the sub-menu, or the command's name
        QStringList upper;
        QStringList lower; // empty: as upper
    } table[] = {
        {"", "MenuInsert_Function", {"function ( ){ ", five, "} "}, {}},
        {"MenuInsert_If", "if { }", {"if { ", five, "} "}, {}},
        {"MenuInsert_If", "if { } else { }", {"if { ", five, "} ", "else { ", five, "} "}, {}},
        {"MenuInsert_If", "if { } else if { } ", {"if { ", five, "} ", "else if { ", five, "} "}, {}},
        {"MenuInsert_If",
         "if { } else if { } else { }",
         {"if { ", five, "} ", "else if { ", five, "} ", "else { ", five, "} "},
         {}},
        {"MenuInsert_If", "if: ", {"if: ", five, "endif; "}, {}},
        {"MenuInsert_If", "if:   else:", {"if: ", five, "else: ", five, "endif; "}, {}},
        {"MenuInsert_If", "if:   else if:   ", {"if: ", five, "else if: ", five, "endif; "}, {}},
        {"MenuInsert_If", "else if:", {"else if: ", five}, {}},
        {"MenuInsert_If",
         "if:   else if:   else:",
         {"if: ", five, "else if: ", five, "else: ", five, "endif; "},
         {}},
        {"MenuInsert_If", "endif;", {"endif;"}, {}},
        {"MenuInsert_Switch",
         "switch: case:",
         {"switch ( ) { ", "    case 0: ", "            break;", "} "},
         {}},
        {"MenuInsert_Switch",
         "switch: case: default:",
         {"switch ( ) { ", "    case 0: ", "            break;", "    default:", "} "},
         {}},
        {"MenuInsert_Loops", "for", {"for ( ; ; ){ ", five, "} "}, {}},
        {"MenuInsert_Loops", "while { }", {"while ( ){ ", five, "} "}, {}},
        {"MenuInsert_Loops", "while:", {"while( ): ", five, "endwhile;"}, {}},
        {"MenuInsert_Loops", "do { }", {"do { ", five, "} while ( );"}, {}},
        {"MenuInsert_Loops", "endwhile;", {"endwhile;"}, {}},
        {"", "MenuInsert_ClassVar", {" var $"}, {}},
        {"", "MenuInsert_PHPInfo", {" phpinfo();"}, {}},
        {"",
         "MenuInsert_JavaScript",
         {"<SCRIPT LANGUAGE=\"JavaScript\">", "<!--", " ", "//-->", "</SCRIPT>"},
         {"<script language=\"javascript\">", "<!--", " ", "//-->", "</script>"}},
        {"", "MenuInsert_NoScript", {"<NOSCRIPT>", " ", "</NOSCRIPT>"}, {"<noscript>", " ", "</noscript>"}},
    };
    for (const bool lower : {false, true}) {
        window->settings().lowerCaseTags = lower;
        for (const auto& row : table) {
            ws().activeEditor()->setDocumentBytes("");
            QAction* a =
                *row.menu ? menuItem(window->menu(QString::fromLatin1(row.menu)), QString::fromUtf8(row.item))
                          : window->action(QString::fromLatin1(row.item));
            ASSERT_NE(a, nullptr) << row.item;
            a->trigger();
            const QStringList& expected = lower && !row.lower.isEmpty() ? row.lower : row.upper;
            EXPECT_EQ(activeText(), lines(expected)) << row.item << (lower ? " (lower case)" : "");
        }
    }
    EXPECT_TRUE(prompts.asked().empty()) << "no command says it is not available";
}

TEST_F(SnippetCommands, TemplatesStartBelowTheCaretLineAndCarryTheRestOfIt) {
    ws().activeEditor()->setDocumentBytes("$a = 1;\r\n"); // a CR LF document: the template takes its line end
    ws().activeEditor()->SendScintilla(QsciScintillaBase::SCI_DELETERANGE, 7ul, 2l);
    ws().activeEditor()->setCursorPosition(0, 7);
    menuItem(window->menu(QStringLiteral("MenuInsert_If")), QStringLiteral("if { }"))->trigger();
    EXPECT_EQ(activeText(), "$a = 1;\r\nif { \r\n     \r\n} ");
    EXPECT_EQ(ws().activeEditor()->caretLine(), 4);
    EXPECT_EQ(ws().activeEditor()->caretColumn(), 3);

    ws().activeEditor()->setDocumentBytes("abcdef");
    ws().activeEditor()->setCursorPosition(0, 3);
    menuItem(window->menu(QStringLiteral("MenuInsert_Loops")), QStringLiteral("for"))->trigger();
    EXPECT_EQ(activeText(), "abc\r\nfor ( ; ; ){ \r\n     \r\n} def") << "a text without breaks keeps the line end";
    EXPECT_EQ(ws().activeEditor()->caretLine(), 4);
    EXPECT_EQ(ws().activeEditor()->caretColumn(), 3);
}

TEST_F(SnippetCommands, SubMenusHoldTheirItemsWithSeparatorsAndHints) {
    EXPECT_EQ(captionsOf(window->menu(QStringLiteral("MenuInsert_If"))),
              (QStringList{"if { }", "if { } else { }", "if { } else if { } ", "-", "else if { }", "-",
                           "if { } else if { } else { }", "-", "if: ", "if:   else:", "if:   else if:   ",
                           "-", "else if:", "-", "if:   else if:   else:", "-", "endif;"}));
    EXPECT_EQ(captionsOf(window->menu(QStringLiteral("MenuInsert_Switch"))),
              (QStringList{"switch: case:", "switch: case: default:"}));
    EXPECT_EQ(captionsOf(window->menu(QStringLiteral("MenuInsert_Loops"))),
              (QStringList{"for", "while { }", "while:", "do { }", "-", "endwhile;"}));
    // "else if { }" is listed but does nothing.
    ws().activeEditor()->setDocumentBytes("x");
    menuItem(window->menu(QStringLiteral("MenuInsert_If")), QStringLiteral("else if { }"))->trigger();
    EXPECT_EQ(activeText(), "x");
    EXPECT_TRUE(prompts.asked().empty());
    EXPECT_EQ(window->action(QStringLiteral("MenuInsert_PHPInfo"))->toolTip(),
              QStringLiteral("Wstawia funkcję wyświetlającą informacje o php."));
}
