// "Kodowanie znaków" and the conversion before a save, through the real main window.
#include "main_window_harness.h"

#include <QApplication>

using namespace wertan;
using namespace wertan::test;

namespace {

// The conversions rewrite Windows-1250 documents: new documents are made in Windows-1250 here.
class CodingCommands : public MainWindowHarness {
protected:
    void SetUp() override {
        store->writeText(QStringLiteral("\\Software\\Wertan PHP\\Main\\Documents"),
                         QStringLiteral("NewDocumentEncoding"), QStringLiteral("Windows-1250"));
        MainWindowHarness::SetUp();
    }
};

// The six letters that differ, in the two code pages, with the letters both share around them.
const std::string kWindows = "\x9C\xB9\xA5\x8C\x9F\x8F \xEA\xF3\xB3 ab";
const std::string kIso = "\xB6\xB1\xA1\xA6\xBC\xAC \xEA\xF3\xB3 ab";

} // namespace

TEST_F(CodingCommands, TheActiveDocumentConvertsBothWaysWithoutBecomingChanged) {
    CodeEditor* e = ws().activeEditor();
    e->setDocumentBytes(kWindows + "\r\n" + kWindows);
    e->setCursorPosition(1, 3);
    run("MenuView_Coding_Iso88592");
    EXPECT_EQ(activeText(), kIso + "\r\n" + kIso);
    EXPECT_FALSE(ws().activePage()->isChanged());
    EXPECT_FALSE(e->isUndoAvailable()) << "the conversion leaves no undo record";
    EXPECT_EQ(ws().activePage()->mark(), 0);
    EXPECT_EQ(window->statusPanelText(2), QString());
    EXPECT_EQ(e->caretLine(), 2) << "the caret stays where it was";
    EXPECT_EQ(e->caretColumn(), 4);
    run("MenuView_Coding_Win1250");
    EXPECT_EQ(activeText(), kWindows + "\r\n" + kWindows);
    // Letters already in the target code page stay.
    run("MenuView_Coding_Win1250");
    EXPECT_EQ(activeText(), kWindows + "\r\n" + kWindows);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the normal cursor is back";
    // Closing the unchanged document afterwards asks nothing.
    run("MenuFile_New");
    ws().activate(0);
    run("MenuFile_Close");
    EXPECT_TRUE(questions().isEmpty());
}

TEST_F(CodingCommands, AChangedDocumentStaysChangedAndItsEditsStillUndo) {
    CodeEditor* e = ws().activeEditor();
    e->setDocumentBytes(kWindows);
    e->setCursorPosition(0, 0);
    type(QStringLiteral("x"));
    ASSERT_TRUE(ws().activePage()->isChanged());
    run("MenuView_Coding_Iso88592");
    EXPECT_EQ(activeText(), "x" + kIso);
    EXPECT_TRUE(ws().activePage()->isChanged());
    EXPECT_EQ(ws().activePage()->mark(), 1);
    e->undo();
    EXPECT_EQ(activeText(), kIso) << "undo takes back the typing, not the conversion";
}

TEST_F(CodingCommands, AllDocumentsConvertTabByTab) {
    ws().activeEditor()->setDocumentBytes(kWindows);
    run("MenuFile_New");
    ws().activeEditor()->setDocumentBytes(kWindows);
    run("MenuFile_NewSQL");
    ws().activeEditor()->setDocumentBytes(kWindows);
    ws().activate(1);
    run("MenuView_Coding_AllIso88592");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(text(i), kIso) << i;
    run("MenuView_Coding_AllWin1250");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(text(i), kWindows) << i;
        EXPECT_FALSE(ws().page(i)->isChanged()) << i;
    }
    EXPECT_EQ(ws().activeIndex(), 1);
}

TEST_F(CodingCommands, SavingConvertsAsTheSaveOptionSays) {
    const std::string isoMarker =
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;charset=iso-8859-2\">";
    const std::string winMarker =
        "<meta http-equiv=\"Content-Type\" content=\"text/html;charset=windows-1250\">";
    const struct {
        int option;
        std::string before;
        std::string after;
    } table[] = {
        {1, kIso, kWindows},
        {0, kWindows, kIso},
        {2, isoMarker + "\r\n" + kWindows, isoMarker + "\r\n" + kIso},
        {2, winMarker + "\r\n" + kIso, winMarker + "\r\n" + kWindows},
        {2, kWindows, kWindows}, // no marker: nothing converted
        {2, kIso, kIso},
    };
    int n = 0;
    for (const auto& row : table) {
        const QString path = fileIn(QStringLiteral("page%1.php").arg(n++), bytes(row.before + "\r\n"));
        ASSERT_NE(ws().openDocument(path, QStringLiteral(".PHP")), nullptr);
        window->settings().saveConversion = row.option;
        run("MenuFile_Save");
        EXPECT_EQ(readAll(path), bytes(row.after + "\r\n")) << "option " << row.option << ", row " << n;
        EXPECT_EQ(activeText(), row.after + "\r\n") << "the converted text stays in the editor";
        EXPECT_FALSE(ws().activePage()->isChanged());
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
