// Editor key commands: the command table, every default binding reaching its command, menu shortcuts
// winning over editor keys, and what the commands built on the control do.
#include "editor/key_commands.h"
#include "editor_test_support.h"

#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <set>

namespace wertan {
namespace {

using C = EditorCommand;
using test::settle;

// One key press; the editor's selection is read after it has painted.
void press(CodeEditor* editor, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(editor, key, mods);
    settle();
}

TEST(KeyCommands, NumbersAndNames) {
    const struct {
        int number;
        const char* name;
    } cases[] = {
        {0, "ecNone"},          {1, "ecLeft"},          {8, "ecLineEnd"},          {13, "ecPageTop"},
        {17, "ecGotoXY"},       {101, "ecSelLeft"},     {105, "ecSelWordLeft"},    {116, "ecSelEditorBottom"},
        {117, "ecSelGotoXY"},   {199, "ecSelectAll"},   {401, "ecDeleteLastChar"}, {405, "ecDeleteBOL"},
        {410, "ecInsertLine"},  {411, "ecChar"},        {500, "ecImeStr"},         {601, "ecUndo"},
        {610, "ecInsertMode"},  {613, "ecBlockIndent"}, {616, "ecColumnSelect"},   {620, "ecMatchBracket"},
        {701, "ecGotoMarker0"}, {710, "ecGotoMarker9"}, {751, "ecSetMarker0"},     {760, "ecSetMarker9"},
        {1001, "ecUserFirst"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(editorCommandName(EditorCommand(c.number)), c.name) << c.number;
    // 1 + 17 + 17 + 1 + 11 + 1 + 20 + 10 + 10 + 1 commands, in number order, with distinct names.
    const auto& all = editorCommands();
    EXPECT_EQ(all.size(), 89u);
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < all.size(); ++i) {
        names.insert(all[i].name);
        if (i > 0) {
            EXPECT_LT(int(all[i - 1].command), int(all[i].command));
        }
    }
    EXPECT_EQ(names.size(), all.size());
    for (int m = 1; m <= 17; ++m)
        EXPECT_EQ("ecSel" + std::string(editorCommandName(EditorCommand(m)).substr(2)),
                  editorCommandName(EditorCommand(m + 100)));
}

// The default bindings as the key table lists them.
struct ExpectedBinding {
    int key;
    Qt::KeyboardModifiers mods;
    EditorCommand command;
};

std::vector<ExpectedBinding> expectedBindings() {
    const auto none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier,
               alt = Qt::AltModifier;
    const auto ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    std::vector<ExpectedBinding> list = {
        {Qt::Key_Left, none, C::Left},
        {Qt::Key_Left, shift, C::SelLeft},
        {Qt::Key_Left, ctrl, C::WordLeft},
        {Qt::Key_Left, ctrlShift, C::SelWordLeft},
        {Qt::Key_Right, none, C::Right},
        {Qt::Key_Right, shift, C::SelRight},
        {Qt::Key_Right, ctrl, C::WordRight},
        {Qt::Key_Right, ctrlShift, C::SelWordRight},
        {Qt::Key_Up, none, C::Up},
        {Qt::Key_Up, shift, C::SelUp},
        {Qt::Key_Up, ctrl, C::ScrollUp},
        {Qt::Key_Down, none, C::Down},
        {Qt::Key_Down, shift, C::SelDown},
        {Qt::Key_Down, ctrl, C::ScrollDown},
        {Qt::Key_PageUp, none, C::PageUp},
        {Qt::Key_PageUp, shift, C::SelPageUp},
        {Qt::Key_PageUp, ctrl, C::PageTop},
        {Qt::Key_PageUp, ctrlShift, C::SelPageTop},
        {Qt::Key_PageDown, none, C::PageDown},
        {Qt::Key_PageDown, shift, C::SelPageDown},
        {Qt::Key_PageDown, ctrl, C::PageBottom},
        {Qt::Key_PageDown, ctrlShift, C::SelPageBottom},
        {Qt::Key_Home, none, C::LineStart},
        {Qt::Key_Home, shift, C::SelLineStart},
        {Qt::Key_Home, ctrl, C::EditorTop},
        {Qt::Key_Home, ctrlShift, C::SelEditorTop},
        {Qt::Key_End, none, C::LineEnd},
        {Qt::Key_End, shift, C::SelLineEnd},
        {Qt::Key_End, ctrl, C::EditorBottom},
        {Qt::Key_End, ctrlShift, C::SelEditorBottom},
        {Qt::Key_Insert, none, C::ToggleMode},
        {Qt::Key_Insert, ctrl, C::Copy},
        {Qt::Key_C, ctrl, C::Copy},
        {Qt::Key_Insert, shift, C::Paste},
        {Qt::Key_V, ctrl, C::Paste},
        {Qt::Key_Delete, none, C::DeleteChar},
        {Qt::Key_Delete, shift, C::Cut},
        {Qt::Key_X, ctrl, C::Cut},
        {Qt::Key_Backspace, none, C::DeleteLastChar},
        {Qt::Key_Backspace, ctrl, C::DeleteLastWord},
        {Qt::Key_Backspace, alt, C::Undo},
        {Qt::Key_Z, ctrl, C::Undo},
        {Qt::Key_Backspace, alt | shift, C::Redo},
        {Qt::Key_Z, ctrlShift, C::Redo},
        {Qt::Key_Return, none, C::LineBreak},
        {Qt::Key_M, ctrl, C::LineBreak},
        {Qt::Key_N, ctrl, C::InsertLine},
        {Qt::Key_A, ctrl, C::SelectAll},
        {Qt::Key_T, ctrl, C::DeleteWord},
        {Qt::Key_Y, ctrl, C::DeleteLine},
        {Qt::Key_Y, ctrlShift, C::DeleteEOL},
        {Qt::Key_I, ctrlShift, C::BlockIndent},
        {Qt::Key_U, ctrlShift, C::BlockUnindent},
        {Qt::Key_N, ctrlShift, C::NormalSelect},
        {Qt::Key_C, ctrlShift, C::ColumnSelect},
        {Qt::Key_L, ctrlShift, C::LineSelect},
        {Qt::Key_B, ctrlShift, C::MatchBracket},
        {Qt::Key_Tab, none, C::Tab},
        {Qt::Key_Tab, shift, C::ShiftTab},
    };
    for (int n = 0; n < 10; ++n) {
        list.push_back({Qt::Key_0 + n, ctrl, gotoMarker(n)});
        list.push_back({Qt::Key_0 + n, ctrlShift, setMarker(n)});
    }
    return list;
}

TEST(KeyBindings, TableHoldsExactlyTheDefaultBindings) {
    const auto expected = expectedBindings();
    EXPECT_EQ(defaultKeyBindings().size(), expected.size());
    for (const auto& b : expected)
        EXPECT_EQ(commandForKey(b.key, b.mods), b.command)
            << QKeySequence(b.key | int(b.mods)).toString().toStdString();
}

TEST(KeyBindings, KeyVariantsReachTheSameCommand) {
    const auto ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        EditorCommand command;
    } cases[] = {
        {Qt::Key_Enter, Qt::KeypadModifier, C::LineBreak},
        {Qt::Key_Backtab, Qt::ShiftModifier, C::ShiftTab},
        {Qt::Key_Backtab, Qt::NoModifier, C::ShiftTab},
        {Qt::Key_NumberSign, ctrlShift, setMarker(3)},
        {Qt::Key_ParenRight, ctrlShift, setMarker(0)},
        {Qt::Key_ParenLeft, ctrlShift, setMarker(9)},
        {Qt::Key_Left, Qt::KeypadModifier, C::Left},
        {Qt::Key_Q, Qt::ControlModifier, C::None},
        {Qt::Key_Up, ctrlShift, C::None},
        {Qt::Key_A, Qt::NoModifier, C::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(commandForKey(c.key, c.mods), c.command) << c.key;
}

TEST(KeyBindings, EveryBindingReachesItsCommandInTheEditor) {
    test::EditorWindow page;
    page.setText("first line\nsecond (line)\nthird");
    QSignalSpy run(page.editor, &CodeEditor::commandRun);
    for (const auto& b : expectedBindings()) {
        run.clear();
        QTest::keyClick(page.editor, Qt::Key(b.key), b.mods);
        ASSERT_EQ(run.count(), 1) << QKeySequence(b.key | int(b.mods)).toString().toStdString();
        EXPECT_EQ(run.at(0).at(0).toInt(), int(b.command))
            << QKeySequence(b.key | int(b.mods)).toString().toStdString();
        page.editor->setFocus();
    }
}

TEST(KeyBindings, MenuShortcutsComeFirst) {
    test::EditorWindow page;
    page.setText("abc");
    page.caretAt(0, 1);
    QAction newDocument(QStringLiteral("&Nowy"));
    newDocument.setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    page.window->addAction(&newDocument);
    QSignalSpy triggered(&newDocument, &QAction::triggered);
    QTest::keyClick(page.editor, Qt::Key_N, Qt::ControlModifier);
    settle();
    EXPECT_EQ(triggered.count(), 1);
    EXPECT_EQ(page.text(), QStringLiteral("abc"));

    // Without the menu the same key inserts a line after the caret, which stays where it was.
    page.window->removeAction(&newDocument);
    QTest::keyClick(page.editor, Qt::Key_N, Qt::ControlModifier);
    settle();
    EXPECT_EQ(page.text(), QStringLiteral("a\nbc"));
    EXPECT_EQ(page.editor->caretLine(), 1);
    EXPECT_EQ(page.editor->caretColumn(), 2);
}

TEST(KeyBindings, UnboundControlKeysTypeNothing) {
    test::EditorWindow page;
    QTest::keyClick(page.editor, Qt::Key_Q, Qt::ControlModifier);
    QTest::keyClick(page.editor, Qt::Key_Space, Qt::ControlModifier);
    QTest::keyClick(page.editor, Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(page.text(), QString());
    QTest::keyClicks(page.editor, QStringLiteral("ok"));
    EXPECT_EQ(page.text(), QStringLiteral("ok"));
}

// ---- behaviour ------------------------------------------------------------------------------

TEST(KeyCommandBehaviour, BookmarksSetReturnMoveWithTextAndToggleOff) {
    test::EditorWindow page;
    page.setText("zero\none\ntwo three\nfour\nfive");
    page.caretAt(2, 4);
    QTest::keyClick(page.editor, Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(page.editor->bookmark(3));
    EXPECT_EQ(page.editor->bookmark(3)->line, 3);
    EXPECT_EQ(page.editor->bookmark(3)->column, 5);
    EXPECT_FALSE(page.editor->bookmark(2));

    page.caretAt(4, 2);
    QTest::keyClick(page.editor, Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(page.editor->caretLine(), 3);
    EXPECT_EQ(page.editor->caretColumn(), 5);

    // A line inserted above carries the bookmark down with its line.
    page.caretAt(0, 0);
    QTest::keyClick(page.editor, Qt::Key_Return);
    EXPECT_EQ(page.editor->bookmark(3)->line, 4);
    QTest::keyClick(page.editor, Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(page.editor->caretLine(), 4);
    EXPECT_EQ(page.editor->caretColumn(), 5);

    // Setting it again on its own line removes it; Ctrl+3 then leaves the caret alone.
    QTest::keyClick(page.editor, Qt::Key_NumberSign, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(page.editor->bookmark(3));
    page.caretAt(0, 0);
    QTest::keyClick(page.editor, Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(page.editor->caretLine(), 1);
}

TEST(KeyCommandBehaviour, BookmarkKeepsAColumnPastTheLineEnd) {
    test::EditorWindow page;
    page.setText("ab\nlonger line");
    page.caretAt(0, 2);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(page.editor, Qt::Key_Right);
    EXPECT_EQ(page.editor->caretColumn(), 7);
    QTest::keyClick(page.editor, Qt::Key_0, Qt::ControlModifier | Qt::ShiftModifier);
    page.caretAt(1, 0);
    QTest::keyClick(page.editor, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(page.editor->caretLine(), 1);
    EXPECT_EQ(page.editor->caretColumn(), 7);
}

TEST(KeyCommandBehaviour, UndoAndRedo) {
    const struct {
        Qt::Key undoKey;
        Qt::KeyboardModifiers undoMods;
        Qt::Key redoKey;
        Qt::KeyboardModifiers redoMods;
    } cases[] = {
        {Qt::Key_Z, Qt::ControlModifier, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
        {Qt::Key_Backspace, Qt::AltModifier, Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier},
    };
    for (const auto& c : cases) {
        test::EditorWindow page;
        page.setText("base");
        page.editor->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
        page.caretAt(0, 4);
        QTest::keyClicks(page.editor, QStringLiteral(" more"));
        ASSERT_EQ(page.text(), QStringLiteral("base more"));
        QTest::keyClick(page.editor, c.undoKey, c.undoMods);
        EXPECT_EQ(page.text(), QStringLiteral("base"));
        QTest::keyClick(page.editor, c.redoKey, c.redoMods);
        EXPECT_EQ(page.text(), QStringLiteral("base more"));
    }
}

TEST(KeyCommandBehaviour, BlockIndentAndUnindent) {
    test::EditorWindow page;
    page.setText("a\n b\nc\nd");
    page.editor->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    // A selection from line 1 to the start of line 3 covers lines 1 and 2.
    page.editor->setSelection(0, 0, 2, 0);
    QTest::keyClick(page.editor, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(page.text(), QStringLiteral("  a\n   b\nc\nd"));
    QTest::keyClick(page.editor, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(page.text(), QStringLiteral("    a\n     b\nc\nd"));
    QTest::keyClick(page.editor, Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(page.editor, Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(page.editor, Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(page.text(), QStringLiteral("a\nb\nc\nd"));
    // Each block step is one undo step.
    QTest::keyClick(page.editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(page.text(), QStringLiteral("a\n b\nc\nd"));
    // Without a selection the caret's line moves.
    page.caretAt(3, 1);
    QTest::keyClick(page.editor, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(page.text(), QStringLiteral("a\n b\nc\n  d"));
}

TEST(KeyCommandBehaviour, LineSelection) {
    test::EditorWindow page;
    page.setText("zero\none\ntwo\nthree");
    page.caretAt(1, 2);
    press(page.editor, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(page.editor->selectionMode(), SelectionMode::Line);
    press(page.editor, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(page.editor->selectedText(), QStringLiteral("one\ntwo\n"));
    press(page.editor, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(page.editor->selectedText(), QStringLiteral("one\ntwo\nthree"));
    press(page.editor, Qt::Key_Up, Qt::ShiftModifier);
    press(page.editor, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(page.editor->selectedText(), QStringLiteral("one\n"));
    press(page.editor, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(page.editor->selectedText(), QStringLiteral("zero\none\n"));
    // A plain movement ends the selection; the mode stays for the next one.
    press(page.editor, Qt::Key_Down);
    EXPECT_FALSE(page.editor->hasSelectedText());
    press(page.editor, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_TRUE(page.editor->selectedText().endsWith(QLatin1Char('\n')));
    // Back to normal selection.
    press(page.editor, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    page.caretAt(2, 0);
    press(page.editor, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(page.editor->selectedText(), QStringLiteral("t"));
}

TEST(KeyCommandBehaviour, ColumnSelection) {
    test::EditorWindow page;
    page.setText("abcd\nefgh\nijkl");
    page.caretAt(0, 1);
    press(page.editor, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(page.editor->selectionMode(), SelectionMode::Column);
    press(page.editor, Qt::Key_Down, Qt::ShiftModifier);
    press(page.editor, Qt::Key_Right, Qt::ShiftModifier);
    press(page.editor, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_TRUE(page.editor->SendScintilla(QsciScintillaBase::SCI_SELECTIONISRECTANGLE));
    press(page.editor, Qt::Key_Delete);
    EXPECT_EQ(page.text(), QStringLiteral("ad\neh\nijkl"));

    // Word and document movements extend the block too.
    page.setText("one two\nthree four\nfive six");
    page.caretAt(0, 0);
    press(page.editor, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    press(page.editor, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_TRUE(page.editor->SendScintilla(QsciScintillaBase::SCI_SELECTIONISRECTANGLE));
    EXPECT_EQ(page.editor->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONS), 2);
    press(page.editor, Qt::Key_Delete);
    EXPECT_EQ(page.text(), QStringLiteral("two\ne four\nfive six"));
}

TEST(KeyCommandBehaviour, DeletingCommands) {
    const struct {
        const char* text;
        int line, index;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        const char* expected;
    } cases[] = {
        {"alpha beta gamma", 0, 6, Qt::Key_T, Qt::ControlModifier, "alpha  gamma"},
        {"alpha beta gamma", 0, 10, Qt::Key_Backspace, Qt::ControlModifier, "alpha  gamma"},
        {"alpha beta gamma", 0, 6, Qt::Key_Y, Qt::ControlModifier | Qt::ShiftModifier, "alpha "},
        {"one\ntwo\nthree", 1, 1, Qt::Key_Y, Qt::ControlModifier, "one\nthree"},
        {"abc", 0, 1, Qt::Key_Delete, Qt::NoModifier, "ac"},
        {"abc", 0, 1, Qt::Key_Backspace, Qt::NoModifier, "bc"},
        {"abc", 0, 1, Qt::Key_Return, Qt::NoModifier, "a\nbc"},
        {"abc", 0, 1, Qt::Key_M, Qt::ControlModifier, "a\nbc"},
    };
    for (const auto& c : cases) {
        test::EditorWindow page;
        page.setText(c.text);
        page.caretAt(c.line, c.index);
        QTest::keyClick(page.editor, c.key, c.mods);
        EXPECT_EQ(page.text(), QString::fromLatin1(c.expected)) << c.text << " / " << c.key;
    }
}

TEST(KeyCommandBehaviour, DeleteToLineStartAndMatchBracket) {
    test::EditorWindow page;
    page.setText("keep\nf(a[1]) + g");
    page.caretAt(1, 1);
    QTest::keyClick(page.editor, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(page.editor->caretColumn(), 7); // before the closing bracket
    QTest::keyClick(page.editor, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(page.editor->caretColumn(), 2);
    EXPECT_TRUE(page.editor->runCommand(EditorCommand::DeleteBOL));
    EXPECT_EQ(page.text(), QStringLiteral("keep\n(a[1]) + g"));
}

TEST(KeyCommandBehaviour, SmartTabGoesUnderTheNextWordAbove) {
    test::EditorWindow page;
    page.setText("int  value = 1;\n");
    page.caretAt(1, 0);
    QTest::keyClick(page.editor, Qt::Key_Tab);
    EXPECT_EQ(page.editor->caretColumn(), 6);
    QTest::keyClick(page.editor, Qt::Key_Tab);
    EXPECT_EQ(page.editor->caretColumn(), 12);
    QTest::keyClick(page.editor, Qt::Key_Tab);
    EXPECT_EQ(page.editor->caretColumn(), 14);
    // Past the last word of the line above: the next tab stop, written as spaces.
    QTest::keyClick(page.editor, Qt::Key_Tab);
    EXPECT_EQ(page.editor->caretColumn(), 17);
    EXPECT_EQ(page.text(), QStringLiteral("int  value = 1;\n") + QString(16, QLatin1Char(' ')));
}

TEST(KeyCommandBehaviour, InsertKeyTogglesOverwrite) {
    test::EditorWindow page;
    page.setText("abc");
    page.caretAt(0, 0);
    QTest::keyClick(page.editor, Qt::Key_Insert);
    EXPECT_FALSE(page.editor->options().insertMode);
    QTest::keyClicks(page.editor, QStringLiteral("XY"));
    EXPECT_EQ(page.text(), QStringLiteral("XYc"));
    QTest::keyClick(page.editor, Qt::Key_Insert);
    EXPECT_TRUE(page.editor->options().insertMode);
    QTest::keyClicks(page.editor, QStringLiteral("Z"));
    EXPECT_EQ(page.text(), QStringLiteral("XYZc"));
}

TEST(KeyCommandBehaviour, TabLeavesTheEditorWhenTabsAreNotWanted) {
    test::EditorWindow page;
    auto* next = new QLineEdit;
    page.window->setMenuWidget(next);
    EditorOptions o = page.editor->options();
    o.wantTabs = false;
    page.editor->setOptions(o);
    page.editor->setFocus();
    settle();
    QTest::keyClick(page.editor, Qt::Key_Tab);
    settle();
    EXPECT_EQ(page.text(), QString());
    EXPECT_FALSE(page.editor->hasFocus());
}

TEST(KeyCommandBehaviour, BookmarkKeysCanBeSwitchedOff) {
    test::EditorWindow page;
    EditorOptions o = page.editor->options();
    o.bookmarks.enableKeys = false;
    page.editor->setOptions(o);
    page.setText("x");
    QTest::keyClick(page.editor, Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(page.editor->bookmark(1));
}

} // namespace
} // namespace wertan
