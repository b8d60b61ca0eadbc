// Completion lists: the word before the caret, the selection rule, and the list window driven by keys.
#include "editor/completion_rules.h"
#include "editor/ui/completion_list.h"
#include "editor/ui/editor_environment.h"
#include "editor_test_support.h"
#include "platform/scripted/scripted_prompts.h"
#include "platform/settings_store.h"
#include "support/temp_dir.h"

#include <QListView>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace wertan {
namespace {

using test::settle;

TEST(CompletionRules, WordBeforeCaret) {
    const struct {
        const char* line;
        int column;
        const char* word;
    } cases[] = {
        {"$x = str", 9, "str"}, {"foo(bar", 8, "bar"}, {"a.b", 4, "b"},     {"x[idx", 6, "idx"},
        {"f(a)b", 6, "b"},      {"", 1, ""},           {"abc", 1, ""},      {"abc", 3, "ab"},
        {"\tname", 6, "name"},  {"abc", 5, ""},        {"\x01zz", 4, "zz"}, {"a\xB9\xE6", 4, "a\xB9\xE6"},
        {"  $abc", 7, "$abc"},  {"x = ", 5, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(completionWordBeforeCaret(c.line, c.column), c.word)
            << "'" << c.line << "' at " << c.column;
}

TEST(CompletionRules, SelectionRule) {
    const std::vector<std::string> entries = {"abs", "str_replace", "strlen", "strpos", "Strange"};
    const struct {
        const char* current;
        int before;
        int after;
    } cases[] = {
        {"", 3, 0},    {"str", 0, 1}, {"strl", 0, 2}, {"strp", 0, 3},     {"Str", 0, 4},
        {"STR", 2, 2}, {"xyz", 3, 3}, {"abs", 4, 0},  {"absolute", 1, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(selectCompletionEntry(entries, c.current, c.before), c.after) << "'" << c.current << "'";
    EXPECT_EQ(selectCompletionEntry({}, "a", 0), -1);
}

TEST(CompletionRules, MovingThePosition) {
    const struct {
        int position, delta, count, expected;
    } cases[] = {{0, -1, 10, 0}, {9, 1, 10, 9}, {3, 6, 10, 9}, {7, -6, 10, 1}, {2, -6, 10, 0}, {0, 6, 0, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(moveCompletionPosition(c.position, c.delta, c.count), c.expected);
}

TEST(CompletionRules, SqlWords) {
    const auto& words = sqlCompletionWords();
    ASSERT_EQ(words.size(), 159u);
    EXPECT_EQ(words.front(), "action ");
    EXPECT_EQ(words[33], "dec decimal ");
    EXPECT_EQ(words.back(), "zerofill");
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        ASSERT_FALSE(words[i].empty());
        EXPECT_EQ(words[i].back(), ' ') << words[i];
        EXPECT_NE(words[i][words[i].size() - 2], ' ') << words[i];
    }
}

// ---- the list window ------------------------------------------------------------------------

class CompletionListTest : public ::testing::Test {
protected:
    test::TempDir dir;
    SettingsStore store{dir.file("store.ini")};
    ScriptedPrompts prompts;
    EditorEnvironment environment{store, prompts};
    test::EditorWindow page;

    void SetUp() override {
        environment.phpCompletionWords() = {"abs",        "sort",   "str_replace", "strlen",
                                            "strpos",     "strrev", "strstr",      "strtolower",
                                            "strtoupper", "substr", "trim",        "ucfirst"};
        environment.attachCompletionLists(page.editor);
    }
    CompletionList& php() { return environment.phpCompletion(); }
    CompletionList& sql() { return environment.sqlCompletion(); }
    // Text of the selected entry of the open list.
    QString selected(CompletionList& list) { return list.entries().value(list.position()); }
    void key(CompletionList& list, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(list.window(), k, mods);
        settle();
    }
    void type(CompletionList& list, const char* text) {
        QTest::keyClicks(list.window(), QString::fromLatin1(text));
        settle();
    }
    void openPhp() {
        QTest::keyClick(page.editor, Qt::Key_Space, Qt::ControlModifier);
        settle();
    }
    void openSql() {
        QTest::keyClick(page.editor, Qt::Key_Space, Qt::ControlModifier | Qt::ShiftModifier);
        settle();
    }
};

TEST_F(CompletionListTest, OpensWithTheWordBeforeTheCaretAndEnterReplacesIt) {
    page.setText("$x = str");
    page.caretAt(0, 8);
    openPhp();
    ASSERT_TRUE(php().isOpen());
    EXPECT_EQ(php().currentString(), "str");
    EXPECT_EQ(selected(php()), QStringLiteral("str_replace"));
    EXPECT_EQ(page.text(), QStringLiteral("$x = str")); // the opening key types nothing
    key(php(), Qt::Key_Return);
    EXPECT_FALSE(php().isOpen());
    EXPECT_EQ(page.text(), QStringLiteral("$x = str_replace"));
    EXPECT_EQ(page.editor->caretColumn(), 17);
    EXPECT_TRUE(page.editor->hasFocus());
}

TEST_F(CompletionListTest, WindowSizeAndPlaceUnderTheCaret) {
    page.setText("abc\nstr");
    page.caretAt(1, 3);
    openPhp();
    QListView* window = php().window();
    EXPECT_EQ(window->width(), 262);
    EXPECT_EQ(window->height(), 6 * window->fontMetrics().height() + 2);
    EXPECT_EQ(window->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const long caret = page.editor->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const QPoint caretPoint(
        int(page.editor->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, caret)),
        int(page.editor->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, caret)));
    const QPoint top = page.editor->viewport()->mapFromGlobal(window->pos());
    EXPECT_EQ(top.x(), caretPoint.x());
    EXPECT_GT(top.y(), caretPoint.y()); // below the caret's line
    key(php(), Qt::Key_Escape);
}

TEST_F(CompletionListTest, TypingFollowsAndEscapeKeepsTheTypedText) {
    page.setText("x = s");
    page.caretAt(0, 5);
    openPhp();
    EXPECT_EQ(selected(php()), QStringLiteral("sort"));
    type(php(), "trl");
    EXPECT_EQ(php().currentString(), "strl");
    EXPECT_EQ(selected(php()), QStringLiteral("strlen"));
    EXPECT_EQ(page.text(), QStringLiteral("x = strl"));
    key(php(), Qt::Key_Escape);
    EXPECT_FALSE(php().isOpen());
    EXPECT_EQ(page.text(), QStringLiteral("x = strl"));
    EXPECT_TRUE(page.editor->hasFocus());
}

TEST_F(CompletionListTest, BackspaceDropsTheLastCharacterFromBoth) {
    page.setText("strt");
    page.caretAt(0, 4);
    openPhp();
    EXPECT_EQ(selected(php()), QStringLiteral("strtolower"));
    key(php(), Qt::Key_Backspace);
    EXPECT_EQ(php().currentString(), "str");
    EXPECT_EQ(page.text(), QStringLiteral("str"));
    EXPECT_EQ(selected(php()), QStringLiteral("str_replace"));
    EXPECT_TRUE(php().isOpen());
    // With nothing left to drop, Backspace closes the list and deletes nothing.
    key(php(), Qt::Key_Backspace);
    key(php(), Qt::Key_Backspace);
    key(php(), Qt::Key_Backspace);
    EXPECT_EQ(php().currentString(), "");
    EXPECT_TRUE(php().isOpen());
    key(php(), Qt::Key_Backspace);
    EXPECT_FALSE(php().isOpen());
    EXPECT_EQ(page.text(), QString());
}

TEST_F(CompletionListTest, NavigationKeys) {
    page.setText("");
    openPhp();
    const int last = int(php().entries().size()) - 1;
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int expected;
    } steps[] = {
        {Qt::Key_Down, Qt::NoModifier, 1},          {Qt::Key_PageDown, Qt::NoModifier, 7},
        {Qt::Key_PageDown, Qt::NoModifier, last},   {Qt::Key_Down, Qt::NoModifier, last},
        {Qt::Key_PageUp, Qt::NoModifier, last - 6}, {Qt::Key_Up, Qt::NoModifier, last - 7},
        {Qt::Key_PageUp, Qt::NoModifier, 0},        {Qt::Key_Up, Qt::NoModifier, 0},
        {Qt::Key_End, Qt::ControlModifier, last},   {Qt::Key_Home, Qt::ControlModifier, 0},
        {Qt::Key_Down, Qt::ControlModifier, last},  {Qt::Key_Up, Qt::ControlModifier, 0},
        {Qt::Key_End, Qt::NoModifier, 0},           {Qt::Key_Left, Qt::NoModifier, 0},
    };
    for (const auto& s : steps) {
        key(php(), s.key, s.mods);
        EXPECT_EQ(php().position(), s.expected)
            << QKeySequence(int(s.key) | int(s.mods)).toString().toStdString();
        EXPECT_TRUE(php().isOpen());
    }
}

TEST_F(CompletionListTest, ScrollingKeepsTheSelectionVisible) {
    page.setText("");
    openPhp();
    QScrollBar* bar = php().window()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    settle();
    const int first = php().window()->indexAt(QPoint(1, 1)).row();
    EXPECT_EQ(php().position(), first);
}

TEST_F(CompletionListTest, SpaceAndOtherCharactersCloseWithoutTyping) {
    for (const char* closing : {" ", "{", "~"}) {
        page.setText("st");
        page.caretAt(0, 2);
        openPhp();
        ASSERT_TRUE(php().isOpen());
        QTest::keyClicks(php().window(), QString::fromLatin1(closing));
        settle();
        EXPECT_FALSE(php().isOpen()) << closing;
        EXPECT_EQ(page.text(), QStringLiteral("st")) << closing;
    }
}

TEST_F(CompletionListTest, SqlListComparesLetterCaseExactly) {
    page.setText("");
    openSql();
    ASSERT_TRUE(sql().isOpen());
    EXPECT_FALSE(php().isOpen());
    EXPECT_EQ(sql().position(), 0);
    type(sql(), "SEL");
    EXPECT_EQ(sql().position(), 0); // upper case matches nothing, the selection stays
    key(sql(), Qt::Key_Escape);
    page.setText("");
    openSql();
    type(sql(), "sel");
    EXPECT_EQ(selected(sql()), QStringLiteral("select "));
    key(sql(), Qt::Key_Return);
    EXPECT_EQ(page.text(), QStringLiteral("select "));
}

TEST_F(CompletionListTest, PositionIsKeptBetweenOpenings) {
    page.setText("x");
    page.caretAt(0, 1);
    openPhp();
    key(php(), Qt::Key_Down);
    key(php(), Qt::Key_Down);
    const int kept = php().position();
    key(php(), Qt::Key_Escape);
    openPhp(); // "x" matches nothing: the selection stays where it was
    EXPECT_EQ(php().position(), kept);
    key(php(), Qt::Key_Escape);
}

TEST_F(CompletionListTest, ReadOnlyAndUnattachedEditorsDoNotOpen) {
    page.editor->setReadOnly(true);
    openPhp();
    EXPECT_FALSE(php().isOpen());
    page.editor->setReadOnly(false);

    test::EditorWindow other;
    QTest::keyClick(other.editor, Qt::Key_Space, Qt::ControlModifier);
    settle();
    EXPECT_FALSE(php().isOpen());
    EXPECT_EQ(other.text(), QString()); // Ctrl+Space types nothing either
}

TEST_F(CompletionListTest, AttachingTwiceHasNoEffect) {
    environment.attachCompletionLists(page.editor);
    EXPECT_EQ(php().attachedCount(), 1);
    page.setText("abs");
    page.caretAt(0, 3);
    openPhp();
    key(php(), Qt::Key_Return);
    EXPECT_EQ(page.text(), QStringLiteral("abs"));
}

TEST_F(CompletionListTest, EnterWithAnEmptyListKeepsTheWord) {
    environment.phpCompletionWords().clear();
    page.setText("str");
    page.caretAt(0, 3);
    openPhp();
    EXPECT_TRUE(php().isOpen());
    key(php(), Qt::Key_Return);
    EXPECT_FALSE(php().isOpen());
    EXPECT_EQ(page.text(), QStringLiteral("str"));
}

TEST_F(CompletionListTest, EnterIsOneUndoStep) {
    page.setText("y = tr");
    page.editor->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    page.caretAt(0, 6);
    openPhp();
    key(php(), Qt::Key_Return);
    EXPECT_EQ(page.text(), QStringLiteral("y = trim"));
    page.editor->undo();
    EXPECT_EQ(page.text(), QStringLiteral("y = tr"));
}

} // namespace
} // namespace wertan
