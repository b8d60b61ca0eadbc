// The document workspace through the real main window: new, open, save, close, the untitled
// counter, marks, the document list and the insertion operations.
#include "main_window_harness.h"

#include "editor/ui/editor_environment.h"
#include "ftp/ui/store_back_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace wertan;
using namespace wertan::test;

namespace {
const std::string kTemplate = "<?php \n \n \n?>";
}

using Workspace = MainWindowHarness;

TEST_F(Workspace, StartsWithTheUntitledPhpDocument) {
    ASSERT_EQ(ws().count(), 1);
    DocumentPage* p = ws().page(0);
    EXPECT_EQ(p->caption(), QStringLiteral("Beznazwy"));
    EXPECT_EQ(p->path(), QString());
    EXPECT_EQ(p->mark(), 0);
    EXPECT_FALSE(p->isChanged());
    EXPECT_EQ(text(0), kTemplate);
    ASSERT_NE(p->keywordBar(), nullptr);
    EXPECT_EQ(p->keywordBarKind(), DocumentKind::Php);
    EXPECT_EQ(window->editorEnvironment().colouringOf(p->editor()), ColouringKind::Php);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Wertan PHP"));
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(Workspace, NewDocumentsCountUpAndNeverReuseANumber) {
    run("MenuFile_New");
    run("MenuFile_NewSQL");
    run("PopupMenu_NewClean");
    EXPECT_EQ(captions(), (QStringList{"Beznazwy", "Beznazwy1", "Beznazwy2", "Beznazwy3"}));
    EXPECT_EQ(ws().page(1)->path(), QStringLiteral("Beznazwy1"));
    EXPECT_EQ(text(1), kTemplate);
    EXPECT_EQ(text(2), "");
    EXPECT_EQ(ws().page(2)->keywordBarKind(), DocumentKind::Sql);
    EXPECT_EQ(window->editorEnvironment().colouringOf(ws().page(2)->editor()), ColouringKind::Sql);
    EXPECT_EQ(text(3), "");
    EXPECT_EQ(window->editorEnvironment().colouringOf(ws().page(3)->editor()), ColouringKind::Php);
    EXPECT_FALSE(ws().page(3)->editor()->reportsStatus()) << "the clean document has the basic set-up only";
    EXPECT_EQ(ws().activeIndex(), 3);
    ws().activate(3);
    run("MenuFile_Close");
    run("MenuFile_New");
    EXPECT_EQ(ws().activePage()->caption(), QStringLiteral("Beznazwy4"));
    // The list behind "Z" follows every new and closed document.
    const auto items = ws().documentList()->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[3]->text(), QStringLiteral("Beznazwy4"));
    EXPECT_EQ(items[3]->statusTip(), QStringLiteral("Przenosi na zakładkę: Beznazwy4"));
    items[0]->trigger();
    EXPECT_EQ(ws().activeIndex(), 0);
}

TEST_F(Workspace, OpenDialogGivesBarsAndColouringByExtension) {
    const QString php3 = fileIn("a.php3", "<?php echo 1; ?>\r\n");
    const QString upper = fileIn("A.PHP3", "x\r\n");
    const QString php = fileIn("a.php", "x\r\n");
    const QString sql = fileIn("b.sql", "select 1;\r\n");
    const QString html = fileIn("c.html", "<p>\r\n");
    const QString txt = fileIn("d.txt", "t\r\n");
    prompts.queueFiles({php3, upper, php, sql, html, txt, dir.file("missing.php")});
    run("MenuFile_Open");
    const auto& request = prompts.asked().at(0).fileRequest;
    EXPECT_EQ(request.defaultExtension, QStringLiteral("php3"));
    EXPECT_TRUE(request.multiple);
    EXPECT_TRUE(request.filter.startsWith(QStringLiteral("Pliki PHP|*.php4;*.php;*.php3;*.phtml;*.inc|")));
    EXPECT_TRUE(request.filter.endsWith(QStringLiteral("|Wszystkie pliki (*.*)|*.*")));
    ASSERT_EQ(captions(), (QStringList{"Beznazwy", "a.php3", "A.PHP3", "a.php", "b.sql", "c.html", "d.txt"}));
    const struct {
        int tab;
        bool bar;
        DocumentKind barKind;
        ColouringKind colouring;
    } expected[] = {{1, true, DocumentKind::Php, ColouringKind::Php},
                    {2, true, DocumentKind::Php, ColouringKind::Php},
                    {3, false, DocumentKind::Other, ColouringKind::Php},
                    {4, true, DocumentKind::Sql, ColouringKind::Sql},
                    {5, true, DocumentKind::Html, ColouringKind::Html},
                    {6, false, DocumentKind::Other, ColouringKind::Php}};
    for (const auto& e : expected) {
        DocumentPage* p = ws().page(e.tab);
        EXPECT_EQ(p->keywordBar() != nullptr, e.bar) << e.tab;
        if (e.bar) {
            EXPECT_EQ(p->keywordBarKind(), e.barKind) << e.tab;
        }
        EXPECT_EQ(window->editorEnvironment().colouringOf(p->editor()), e.colouring) << e.tab;
        EXPECT_FALSE(p->isChanged());
        EXPECT_EQ(p->mark(), 0);
    }
    EXPECT_EQ(ws().page(1)->path(), php3);
    EXPECT_EQ(text(4), "select 1;\r\n");
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Error), QStringList{})
        << "a missing file opens nothing, silently";
}

TEST_F(Workspace, AFileOpenedAndSavedUnchangedIsByteIdentical) {
    QByteArray all;
    for (int line = 0; line < 4; ++line) {
        for (int b = 0; b < 256; ++b)
            if (b != '\r' && b != '\n') all.append(char(b));
        all.append("\r\n");
    }
    const QString path = fileIn("bytes.php", all);
    // Every byte includes NUL: the program asks before it opens what looks like a binary file.
    prompts.queueAnswer(Answer::Yes);
    ASSERT_NE(ws().openDocument(path, QStringLiteral(".PHP")), nullptr);
    run("MenuFile_Save");
    EXPECT_EQ(readAll(path), all);
    EXPECT_EQ(prompts.asked().size(), 1u);
}

TEST_F(Workspace, SavingKeepsTheLineEndsOfTheText) {
    const QString path = fileIn("unix.php", "a\nb");
    ws().openDocument(path, QStringLiteral(".PHP"));
    run("MenuFile_Save");
    EXPECT_EQ(readAll(path), QByteArray("a\nb"));
}

TEST_F(Workspace, SaveOfAnUntitledDocumentAsksForANameOnce) {
    run("MenuFile_New");
    type(QStringLiteral("x"));
    const QString target = dir.file("strony/a.php");
    QDir().mkpath(dir.file("strony"));
    prompts.queueFiles({target});
    run("MenuFile_Save");
    ASSERT_EQ(prompts.askedTexts(AskedPrompt::Kind::SaveFile).size(), 1);
    EXPECT_EQ(prompts.asked().back().fileRequest.defaultExtension, QStringLiteral("php3"));
    EXPECT_EQ(ws().activePage()->caption(), QStringLiteral("a.php"));
    EXPECT_EQ(ws().activePage()->path(), target);
    EXPECT_FALSE(ws().activePage()->isChanged());
    EXPECT_EQ(readAll(target), QByteArray("x<?php \n \n \n?>"));
    type(QStringLiteral("y"));
    run("MenuFile_Save");
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::SaveFile).size(), 1)
        << "the second save writes without asking";
    EXPECT_EQ(readAll(target), QByteArray("xy<?php \n \n \n?>"));
    EXPECT_TRUE(prompts.unexpected().isEmpty());
}

TEST_F(Workspace, AFailedSaveKeepsTheDocumentChangedAndTheOldFile) {
    const QString path = fileIn("keep.php", "old\r\n");
    ws().openDocument(path, QStringLiteral(".PHP"));
    type(QString(3000, QLatin1Char('n')));
    ASSERT_TRUE(ws().activePage()->isChanged());
    const int mark = ws().activePage()->mark();
    {
        FileSizeLimit limit(1024);
        run("MenuFile_Save");
    }
    const QStringList errors = prompts.askedTexts(AskedPrompt::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Nie można zapisać pliku"))) << errors[0].toStdString();
    EXPECT_EQ(readAll(path), QByteArray("old\r\n"));
    DocumentPage* p = ws().activePage();
    EXPECT_TRUE(p->isChanged());
    EXPECT_EQ(p->caption(), QStringLiteral("keep.php"));
    EXPECT_EQ(p->path(), path);
    EXPECT_EQ(p->mark(), mark);
    EXPECT_EQ(window->statusPanelText(2), QStringLiteral("Zmieniony"));
}

TEST_F(Workspace, TypingMarksTheTabOnceAndSavingClearsIt) {
    window->show();
    const QString path = fileIn("m.php", "abc\r\n");
    ws().openDocument(path, QStringLiteral(".PHP"));
    type(QStringLiteral("1"));
    EXPECT_EQ(ws().activePage()->mark(), 1);
    EXPECT_EQ(window->statusPanelText(2), QStringLiteral("Zmieniony"));
    type(QStringLiteral("2"));
    EXPECT_EQ(ws().activePage()->mark(), 1);
    run("MenuFile_Save");
    EXPECT_EQ(ws().activePage()->mark(), 0);
    EXPECT_EQ(window->statusPanelText(2), QString());
    // Undo back to the saved text and edit again: still the changed picture, never the remote one.
    ws().activeEditor()->undo();
    type(QStringLiteral("3"));
    EXPECT_EQ(ws().activePage()->mark(), 1);
    // A caption that ends with "*" never gets the changed picture.
    run("MenuFile_New");
    ws().activePage()->setCaption(QStringLiteral("szkic*"));
    type(QStringLiteral("x"));
    EXPECT_EQ(ws().activePage()->mark(), 0);
}

TEST_F(Workspace, ARemoteDocumentWhoseStoreBackIsCancelledStaysChanged) {
    const QString local = fileIn("r.php", "abc\r\n");
    DocumentPage* p = ws().openDocument(local, QStringLiteral(".PHP"), QStringLiteral("/www/r.php"), true);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->path(), QStringLiteral("[ftp]/www/r.php"));
    EXPECT_EQ(p->mark(), 2);
    type(QStringLiteral("x"));
    EXPECT_EQ(p->mark(), 3);
    // No connection is open: the store-back dialog offers one, and the user cancels.
    auto* storeBack = window->findChild<StoreBackDialog*>();
    ASSERT_NE(storeBack, nullptr);
    QTimer::singleShot(0, storeBack, [storeBack] { storeBack->cancelButton()->click(); });
    run("MenuFile_Save");
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Error).isEmpty());
    EXPECT_TRUE(p->isChanged());
    EXPECT_EQ(p->mark(), 3);
}

TEST_F(Workspace, RemoteSaveWritesTheWorkingCopyAndStoresItBack) {
    const QString local = fileIn("r.php", "abc\r\n");
    QStringList stored;
    bool accept = false;
    ws().hooks().ftpWorkingFolder = [&] { return dir.path(); };
    ws().hooks().storeBack = [&](const QString& remote) {
        stored << remote;
        return accept;
    };
    DocumentPage* p =
        ws().openDocument(local, QStringLiteral(".PHP"), QStringLiteral("/www/site/index.php"), true);
    type(QStringLiteral("x"));
    run("MenuFile_Save");
    EXPECT_EQ(readAll(dir.file("index.php")), QByteArray("xabc\r\n"));
    EXPECT_TRUE(p->isChanged()) << "a failed upload leaves the document changed";
    accept = true;
    run("MenuFile_Save");
    EXPECT_EQ(stored, (QStringList{"/www/site/index.php", "/www/site/index.php"}));
    EXPECT_FALSE(p->isChanged());
    EXPECT_EQ(p->mark(), 2);
}

TEST_F(Workspace, CloseKeepsTheLastTabAndStepsBack) {
    run("MenuFile_Close");
    EXPECT_EQ(ws().count(), 1);
    run("MenuFile_New");
    run("MenuFile_New");
    ws().activate(1);
    run("MenuFile_Close");
    EXPECT_EQ(captions(), (QStringList{"Beznazwy", "Beznazwy2"}));
    EXPECT_EQ(ws().activeIndex(), 0);
    // Closing the first tab activates the last one.
    run("MenuFile_New");
    ws().activate(0);
    run("MenuFile_Close");
    EXPECT_EQ(captions(), (QStringList{"Beznazwy2", "Beznazwy3"}));
    EXPECT_EQ(ws().activeIndex(), 1);
}

TEST_F(Workspace, ClosingAChangedDocumentAsks) {
    run("MenuFile_New");
    type(QStringLiteral("x"));
    prompts.queueAnswer(Answer::Cancel);
    run("MenuFile_Close");
    EXPECT_EQ(ws().count(), 2);
    EXPECT_EQ(questions(), QStringList{"Plik: Beznazwy1, został zmieniony. Zapisać teraz?"});
    EXPECT_EQ(prompts.asked().back().buttons, Buttons::YesNoCancel);
    // Yes, then the save dialog is cancelled: the text is not thrown away.
    prompts.queueAnswer(Answer::Yes);
    prompts.queueCancel();
    run("MenuFile_Close");
    EXPECT_EQ(ws().count(), 2);
    prompts.queueAnswer(Answer::No);
    run("MenuFile_Close");
    EXPECT_EQ(ws().count(), 1);
    // Yes with a name: saved, then closed.
    run("MenuFile_New");
    type(QStringLiteral("y"));
    prompts.queueAnswer(Answer::Yes);
    prompts.queueFiles({dir.file("y.php")});
    run("MenuFile_Close");
    EXPECT_EQ(ws().count(), 1);
    EXPECT_EQ(readAll(dir.file("y.php")), QByteArray("y<?php \n \n \n?>"));
    EXPECT_TRUE(prompts.unexpected().isEmpty());
}

TEST_F(Workspace, CloseAllWalksFromTheLastTabDownAndKeepsTheFirst) {
    for (int i = 0; i < 4; ++i)
        run("MenuFile_New");
    for (int tab : {1, 2, 4}) {
        ws().activate(tab);
        type(QStringLiteral("x"));
    }
    ws().activate(0);
    type(QStringLiteral("first"));
    prompts.queueAnswer(Answer::No);     // Beznazwy4
    prompts.queueAnswer(Answer::Cancel); // Beznazwy2 stays
    prompts.queueAnswer(Answer::No);     // Beznazwy1
    run("MenuFile_CloseAll");
    EXPECT_EQ(questions(), (QStringList{"Plik: Beznazwy4, został zmieniony. Zapisać teraz?",
                                        "Plik: Beznazwy2, został zmieniony. Zapisać teraz?",
                                        "Plik: Beznazwy1, został zmieniony. Zapisać teraz?"}));
    EXPECT_EQ(captions(), (QStringList{"Beznazwy", "Beznazwy2"}));
    EXPECT_EQ(ws().documentList()->actions().size(), 2);
}

TEST_F(Workspace, PasteIntoANewDocumentReplacesTheTemplate) {
    QApplication::clipboard()->setText(QStringLiteral("wklejony tekst"));
    run("MenuEdit_PasteNew");
    EXPECT_EQ(ws().activePage()->caption(), QStringLiteral("Beznazwy1"));
    EXPECT_EQ(activeText(), "wklejony tekst");
}

TEST_F(Workspace, OpenTheFileNamedByTheSelection) {
    fileIn("inc/menu.inc", "menu\r\n");
    const QString page = fileIn("index.php", "include 'inc/menu.inc';\r\n");
    ws().openDocument(page, QStringLiteral(".PHP"));
    window->idleStep();
    EXPECT_FALSE(window->action(QStringLiteral("PopupMenu_OpenAtCursor"))->isEnabled());
    ws().activeEditor()->setSelection(0, 9, 0, 21);
    window->idleStep();
    EXPECT_TRUE(window->action(QStringLiteral("PopupMenu_OpenAtCursor"))->isEnabled());
    run("PopupMenu_OpenAtCursor");
    EXPECT_EQ(ws().activePage()->caption(), QStringLiteral("menu.inc"));
    EXPECT_EQ(ws().activePage()->keywordBarKind(), DocumentKind::Php);
    // A name that does not exist opens nothing.
    ws().activeEditor()->setSelection(0, 0, 0, 4);
    run("PopupMenu_OpenAtCursor");
    EXPECT_EQ(ws().count(), 3);
}

TEST_F(Workspace, FindDocumentTabMatchesTheCaptionExactly) {
    run("MenuFile_New");
    EXPECT_EQ(ws().findDocumentTab(QStringLiteral("Beznazwy1")), 1);
    EXPECT_EQ(ws().findDocumentTab(QStringLiteral("beznazwy1")), -1);
    EXPECT_EQ(ws().findDocumentTab(QStringLiteral("Beznazwy")), 0);
    EXPECT_EQ(ws().findDocumentTab(QStringLiteral("none")), -1);
}

using Insertion = MainWindowHarness;

TEST_F(Insertion, InsertLineSplitsTheCaretLine) {
    ws().activeEditor()->setDocumentBytes("abcdef");
    ws().activeEditor()->setCursorPosition(0, 3);
    ws().insertLine(QStringLiteral("if { "));
    EXPECT_EQ(activeText(), "abc\nif { def") << "a document without line breaks takes LF, as new documents do";
    int line = 0, index = 0;
    ws().activeEditor()->getCursorPosition(&line, &index);
    EXPECT_EQ(line, 1);
    EXPECT_EQ(index, 5);
    EXPECT_TRUE(ws().activePage()->isChanged());
    ws().activeEditor()->undo();
    EXPECT_EQ(activeText(), "abcdef") << "one undo step removes the insertion";
}

TEST_F(Insertion, GeneratorLinesStackUnderEachOther) {
    ws().activeEditor()->setDocumentBytes("<x>");
    ws().activeEditor()->setCursorPosition(0, 3);
    for (const char* line : {"<FORM>", "</FORM>"})
        ws().insertLine(std::string(line));
    EXPECT_EQ(activeText(), "<x>\n<FORM>\n</FORM>");
}

TEST_F(Insertion, InsertTextReplacesTheSelectionAndFillsPastTheLineEnd) {
    CodeEditor* e = ws().activeEditor();
    e->setDocumentBytes("hello world");
    e->setSelection(0, 6, 0, 11);
    ws().insertText(QStringLiteral("PHP"));
    EXPECT_EQ(activeText(), "hello PHP");
    e->undo();
    EXPECT_EQ(activeText(), "hello world");
    // A caret standing past the end of its line.
    e->setDocumentBytes("ab\r\ncd");
    const long lineEnd = e->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, 0UL);
    e->SendScintilla(QsciScintillaBase::SCI_SETSELECTION, static_cast<unsigned long>(lineEnd), lineEnd);
    e->SendScintilla(QsciScintillaBase::SCI_SETSELECTIONNCARETVIRTUALSPACE, 0UL, 3L);
    e->SendScintilla(QsciScintillaBase::SCI_SETSELECTIONNANCHORVIRTUALSPACE, 0UL, 3L);
    ws().insertText(QStringLiteral("X"));
    EXPECT_EQ(activeText(), "ab   X\r\ncd");
    e->undo();
    EXPECT_EQ(activeText(), "ab\r\ncd");
    // Win-1250 text from the model keeps its Polish letters.
    e->setDocumentBytes("");
    ws().insertText(std::string("Za\xBF\xF3\xB3\xE6"));
    EXPECT_EQ(activeText(), "Za\xBF\xF3\xB3\xE6");
}

TEST_F(Insertion, InsertAtLineNeitherMovesTheCaretNorRecordsUndoNorChanges) {
    CodeEditor* e = ws().activeEditor();
    e->setDocumentBytes("one\r\ntwo\r\nthree");
    e->setCursorPosition(0, 1);
    ws().insertAtLine(QStringLiteral("last"), -1);
    EXPECT_EQ(activeText(), "one\r\ntwo\r\nthree\r\nlast");
    e->setCursorPosition(3, 2);
    ws().insertAtLine(QStringLiteral("top"), 0);
    EXPECT_EQ(activeText(), "top\r\none\r\ntwo\r\nthree\r\nlast");
    ws().insertAtLine(QStringLiteral("second"), 1);
    ws().insertAtLine(QStringLiteral("negative"), -5);
    EXPECT_EQ(activeText(), "negative\r\ntop\r\nsecond\r\none\r\ntwo\r\nthree\r\nlast");
    int line = 0, index = 0;
    e->getCursorPosition(&line, &index);
    EXPECT_EQ(e->text(line).trimmed(), QStringLiteral("last")) << "the caret stays on its text";
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(ws().activePage()->isChanged());
    EXPECT_FALSE(e->isUndoAvailable());
    // A document ending with a line break gets the new line before the final break's empty line.
    e->setDocumentBytes("a\r\n");
    ws().insertAtLine(QStringLiteral("b"), -1);
    EXPECT_EQ(activeText(), "a\r\nb\r\n");
    e->setDocumentBytes("");
    ws().insertAtLine(QStringLiteral("only"), -1);
    EXPECT_EQ(activeText(), "only");
}

TEST_F(Insertion, InsertAtLineKeepsAChangedDocumentChanged) {
    type(QStringLiteral("x"));
    ASSERT_TRUE(ws().activePage()->isChanged());
    ws().insertAtLine(QStringLiteral("require 'a.inc';"), 0);
    EXPECT_TRUE(ws().activePage()->isChanged());
    // The undo steps from before would no longer fit the text; undo must not corrupt it.
    ws().activeEditor()->undo();
    EXPECT_EQ(activeText(), "require 'a.inc';\nx<?php \n \n \n?>");
}

TEST_F(Insertion, DocumentContainsSearchesEveryLineIgnoringAsciiCase) {
    ws().activeEditor()->setDocumentBytes("<?php\r\n  REQUIRE \"menu.inc\";\n?>");
    EXPECT_TRUE(ws().documentContains("require \"menu.inc\""));
    EXPECT_TRUE(ws().documentContains("?>"));
    EXPECT_FALSE(ws().documentContains("include"));
    EXPECT_FALSE(ws().documentContains(""));
}
