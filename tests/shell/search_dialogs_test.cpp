// The find and replace dialogs on the active document, through the real main window.
#include "main_window_harness.h"
#include "shell/ui/search_dialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest/QTest>

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
    // The main window shown and active, so that its shortcuts take keys as in use.
    void showActive() {
        window->show();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowActive(window.get());
        editor()->setFocus();
        QApplication::processEvents();
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QString note(SearchDialog* dialog) { return dialog->noteLabel()->text(); }
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
    editor()->undo();
    EXPECT_EQ(editor()->text(), QStringLiteral("a = 1; a = 2; a = 3;"))
        << "the replacement is an undoable edit";
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

TEST_F(FindAndReplace, ReplaceAllReplacesEveryOccurrenceInOnePassWithABusyCursorAndSaysHowMany) {
    // Each row: the text, the caret, what is looked for and put instead, what the document becomes
    // and the note. The caret in the middle of the text changes nothing, nor does the direction.
    const struct {
        const char* text;
        long caret;
        bool up;
        const char* find;
        const char* put;
        const char* becomes;
        const char* note;
    } table[] = {
        {"a = 1; a = 2; a = 3;", 10, false, "a", "$b", "$b = 1; $b = 2; $b = 3;",
         "Zamieniono 3 wystąpienia."},
        {"a = 1; a = 2; a = 3;", 20, true, "a", "$b", "$b = 1; $b = 2; $b = 3;", "Zamieniono 3 wystąpienia."},
        {"kot, kot\r\nkotek", 9, false, "kot", "pies", "pies, pies\r\npiesek", "Zamieniono 3 wystąpienia."},
        {"żółw", 0, false, "żółw", "ŻÓŁW", "ŻÓŁW", "Zamieniono 1 wystąpienie."},
        {"x x x x x", 4, false, "x", "", "    ", "Zamieniono 5 wystąpień."},
        {"abc", 1, false, "q", "z", "abc", "Nie znaleziono tekstu „q”."},
    };
    run("MenuEdit_Replace");
    for (const auto& row : table) {
        text(QString::fromUtf8(row.text));
        editor()->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(row.caret));
        replace()->setDirectionUp(row.up);
        replace()->findField()->setText(QString::fromUtf8(row.find));
        replace()->replaceField()->setText(QString::fromUtf8(row.put));
        click(replace()->replaceAllButton());
        EXPECT_EQ(editor()->text(), QString::fromUtf8(row.becomes)) << row.text;
        EXPECT_EQ(note(replace()), QString::fromUtf8(row.note)) << row.text;
        EXPECT_EQ(window->statusPanelText(6), QString::fromUtf8(row.note)) << row.text;
        EXPECT_EQ(replace()->directionUp(), row.up) << "replace-all leaves the direction as it was";
        if (std::string_view(row.text) != row.becomes) {
            editor()->undo();
            EXPECT_EQ(editor()->text(), QString::fromUtf8(row.text)) << "one undo step takes it all back";
        }
    }

    // A large document: tens of thousands of occurrences in one edit, under a busy cursor.
    QByteArray big;
    for (int i = 0; i < 20000; ++i)
        big += "echo $wartosc; // wartosc i warto\r\n";
    ws().activeEditor()->setDocumentBytes(big.toStdString());
    editor()->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(big.size() / 2));
    int edits = 0;
    bool busyWhileEditing = true;
    const auto watch =
        QObject::connect(editor(), &QsciScintillaBase::SCN_MODIFIED, editor(), [&](int, int type) {
            if (!(type & (QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE)))
                return;
            ++edits;
            const QCursor* cursor = QApplication::overrideCursor();
            busyWhileEditing = busyWhileEditing && cursor && cursor->shape() == Qt::WaitCursor;
        });
    replace()->findField()->setText(QStringLiteral("wartosc"));
    replace()->replaceField()->setText(QStringLiteral("w"));
    click(replace()->replaceAllButton());
    QObject::disconnect(watch);
    EXPECT_EQ(edits, 2) << "one deletion and one insertion: a single pass over the text";
    EXPECT_TRUE(busyWhileEditing);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy cursor is gone afterwards";
    EXPECT_EQ(note(replace()), QStringLiteral("Zamieniono 40\u00A0000 wystąpień."));
    EXPECT_EQ(activeText().find("wartosc"), std::string::npos);
    EXPECT_EQ(activeText().size(), std::size_t(big.size()) - 40000 * 6);
    editor()->undo();
    EXPECT_EQ(QByteArray::fromStdString(activeText()), big);
    EXPECT_TRUE(prompts.asked().empty()) << "nothing is asked before replacing";
}

TEST_F(FindAndReplace, ASearchThatFindsNothingSaysSoAndF3RepeatsTheLastSearch) {
    text(QStringLiteral("kot i kot\r\npies"));
    showActive();
    // F3 before any search opens the find dialog.
    QTest::keyClick(editor(), Qt::Key_F3);
    EXPECT_TRUE(find()->isVisible());
    find()->findField()->setText(QStringLiteral("kot"));
    click(find()->findNextButton());
    EXPECT_EQ(selected(), QStringLiteral("kot"));
    EXPECT_EQ(caret(), 3);
    EXPECT_EQ(note(find()), QString());
    // Each row: the key's effect from where the last one left the caret.
    const struct {
        long selStart, selEnd; // -1: nothing found, the caret stays
        const char* note;
    } presses[] = {
        {6, 9, ""},
        {-1, -1, "Nie znaleziono tekstu „kot”."},
        {-1, -1, "Nie znaleziono tekstu „kot”."},
    };
    for (const auto& press : presses) {
        const long caretBefore = caret();
        const long anchorBefore = anchor();
        editor()->setFocus();
        QTest::keyClick(editor(), Qt::Key_F3);
        if (press.selStart < 0) {
            EXPECT_EQ(caret(), caretBefore);
            EXPECT_EQ(anchor(), anchorBefore);
        } else {
            EXPECT_EQ(anchor(), press.selStart);
            EXPECT_EQ(caret(), press.selEnd);
        }
        EXPECT_EQ(note(find()), QString::fromUtf8(press.note));
        EXPECT_EQ(window->statusPanelText(6), QString::fromUtf8(press.note));
    }
    // Going up, F3 follows the dialog's direction; a find in the replace dialog becomes the last search.
    find()->setDirectionUp(true);
    QTest::keyClick(editor(), Qt::Key_F3);
    EXPECT_EQ(anchor(), 9);
    EXPECT_EQ(caret(), 6);
    run("MenuEdit_Replace");
    replace()->findField()->setText(QStringLiteral("pies"));
    click(replace()->findNextButton());
    EXPECT_EQ(selected(), QStringLiteral("pies"));
    editor()->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0ul);
    editor()->setFocus();
    QTest::keyClick(editor(), Qt::Key_F3);
    EXPECT_EQ(selected(), QStringLiteral("pies"));
    // A search text that is not in the document is named in the note, also in the replace dialog.
    replace()->findField()->setText(QStringLiteral("żyrafa"));
    click(replace()->replaceButton());
    EXPECT_EQ(note(replace()), QStringLiteral("Nie znaleziono tekstu „żyrafa”."));
    EXPECT_FALSE(ws().activePage()->isChanged());
    EXPECT_TRUE(prompts.asked().empty()) << "a note, not a box to click away";
}
