// The find and replace dialogs on the active document, through the real main window.
#include "main_window_harness.h"
#include "shell/ui/search_dialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace wertan;
using namespace wertan::test;

namespace {

class FindAndReplace : public MainWindowHarness {
protected:
    SearchDialog* find() { return window->findChild<SearchDialog*>(QStringLiteral("FindDialog")); }
    SearchDialog* replace() { return window->findChild<SearchDialog*>(QStringLiteral("ReplaceDialog")); }
    CodeEditor* editor() { return ws().activeEditor(); }
    // The selection as line/index pairs and its text.
    QString selected() { return editor()->selectedText(); }
    long caret() { return editor()->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS); }
    long anchor() { return editor()->SendScintilla(QsciScintillaBase::SCI_GETANCHOR); }
    void text(const QString& t) {
        editor()->setText(t);
        editor()->setModified(false);
        editor()->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0ul);
    }
};

} // namespace

TEST_F(FindAndReplace, TheCommandsShowTheCodePageAndTheirDialog) {
    window->mainPageControl()->setCurrentIndex(1);
    run("MenuEdit_Find");
    EXPECT_EQ(window->mainPageControl()->currentIndex(), 0);
    ASSERT_NE(find(), nullptr);
    EXPECT_TRUE(find()->isVisible());
    EXPECT_FALSE(find()->directionUp()) << "the find dialog starts with the direction down";
    window->mainPageControl()->setCurrentIndex(1);
    run("MenuEdit_Replace");
    EXPECT_EQ(window->mainPageControl()->currentIndex(), 0);
    EXPECT_TRUE(replace()->isVisible());
    EXPECT_FALSE(replace()->directionUp());
    EXPECT_NE(replace()->findChild<QPushButton*>(QStringLiteral("BtnHelp")), nullptr);
    EXPECT_EQ(find()->findChild<QPushButton*>(QStringLiteral("BtnHelp")), nullptr);
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(FindAndReplace, FindNextSelectsTheNextMatchFromTheCaretInTheDialogsDirection) {
    text(QStringLiteral("Kot i kot, KOT\r\nkotek"));
    run("MenuEdit_Find");
    // An empty search text does nothing.
    find()->findNextButton()->click();
    EXPECT_EQ(selected(), QString());
    find()->findField()->setText(QStringLiteral("kot"));
    const struct {
        bool up, matchCase, wholeWords;
        long caretBefore;
        long selStart, selEnd; // -1: no match, nothing changes
    } table[] = {
        {false, false, false, 0, 0, 3},   {false, false, false, 3, 6, 9},  {false, true, false, 0, 6, 9},
        {false, false, true, 10, 11, 14}, {false, true, true, 10, -1, -1}, {true, false, false, 14, 11, 14},
        {true, false, false, 9, 6, 9},    {true, true, false, 5, -1, -1},  {false, false, true, 15, -1, -1},
    };
    for (const auto& row : table) {
        find()->setDirectionUp(row.up);
        find()->matchCaseBox()->setChecked(row.matchCase);
        find()->wholeWordsBox()->setChecked(row.wholeWords);
        editor()->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(row.caretBefore));
        find()->findNextButton()->click();
        const long start = std::min(caret(), anchor());
        const long end = std::max(caret(), anchor());
        if (row.selStart < 0) {
            EXPECT_EQ(start, row.caretBefore) << "no match leaves the caret";
            EXPECT_EQ(end, row.caretBefore);
        } else {
            EXPECT_EQ(start, row.selStart) << "from " << row.caretBefore;
            EXPECT_EQ(end, row.selEnd) << "from " << row.caretBefore;
            EXPECT_EQ(caret(), row.up ? start : end)
                << "the caret is at the end going down, at the start going up";
        }
    }
    EXPECT_TRUE(prompts.asked().empty()) << "no message when nothing matches";
    EXPECT_FALSE(ws().activePage()->isChanged());
}

TEST_F(FindAndReplace, ReplaceTurnsTheDirectionUpAndReplacesTheOccurrenceFindSelected) {
    text(QStringLiteral("a = 1; a = 2; a = 3;"));
    run("MenuEdit_Replace");
    replace()->findField()->setText(QStringLiteral("a"));
    replace()->replaceField()->setText(QStringLiteral("$b"));
    replace()->findNextButton()->click();
    replace()->findNextButton()->click(); // the second "a" is selected
    ASSERT_EQ(caret(), 8);
    replace()->replaceButton()->click();
    EXPECT_EQ(editor()->text(), QStringLiteral("a = 1; $b = 2; a = 3;"));
    EXPECT_TRUE(replace()->directionUp()) << "the direction stays up for later uses";
    EXPECT_TRUE(ws().activePage()->isChanged());
    EXPECT_EQ(window->statusPanelText(2), QStringLiteral("Zmieniony"));
    // Replace-all from the occurrence before the caret to the end of the document.
    editor()->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 17ul);
    replace()->replaceAllButton()->click();
    EXPECT_EQ(editor()->text(), QStringLiteral("a = 1; $b = 2; $b = 3;"));
    editor()->undo();
    EXPECT_EQ(editor()->text(), QStringLiteral("a = 1; $b = 2; a = 3;"))
        << "each replacement is an undoable edit";
    EXPECT_TRUE(prompts.asked().empty()) << "nothing is asked before replacing";
}

TEST_F(FindAndReplace, ReplaceAllCoversPolishTextAndAReplacementHoldingTheSearchText) {
    text(QStringLiteral("żółw, żółw\r\nŻÓŁW żółwik"));
    run("MenuEdit_Replace");
    replace()->findField()->setText(QStringLiteral("żółw"));
    replace()->replaceField()->setText(QStringLiteral("żółw i żółw"));
    replace()->wholeWordsBox()->setChecked(true);
    replace()->replaceAllButton()->click();
    EXPECT_EQ(editor()->text(), QStringLiteral("żółw i żółw, żółw i żółw\r\nŻÓŁW żółwik"))
        << "letter case of Polish letters counts; a word goes on past a Polish letter";
    // An empty search text does nothing, not even turning the direction.
    replace()->setDirectionUp(false);
    replace()->findField()->clear();
    replace()->replaceButton()->click();
    EXPECT_FALSE(replace()->directionUp());
}
