// The generator dialogs through the real main window: the HTML tab's buttons open them, their
// values last for the run, the choice lists follow the grids, and the lines reach the document.
#include "generators/ui/document_type_dialog.h"
#include "generators/ui/font_window.h"
#include "generators/ui/form_element_dialogs.h"
#include "generators/ui/meta_dialog.h"
#include "generators/ui/table_generator_dialog.h"
#include "generators/ui/value_grid_editor.h"
#include "projects/ui/project_windows.h"
#include "shell/main_window_harness.h"
#include "text/win1250.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace wertan;
using namespace wertan::test;

namespace {

class GeneratorDialogs : public MainWindowHarness {
protected:
    // The generators write the document's own line end: these tests work in a CR LF document.
    void SetUp() override {
        MainWindowHarness::SetUp();
        ws().activeEditor()->setLineEnd(LineEnd::CrLf);
    }
    // The active document holds the text with the caret after the given number of characters.
    void documentWithCaret(const char* text, int line, int column) {
        CodeEditor* editor = ws().activeEditor();
        editor->setDocumentBytes(text);
        editor->setCursorPosition(line, column);
    }
    // Clicks the HTML tab's button.
    void clickHtmlButton(const char* name) {
        auto* button = window->findChild<QToolButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    template <typename T> T* dialog() {
        T* found = window->findChild<T*>();
        EXPECT_NE(found, nullptr);
        return found;
    }
    // Types into a cell of a value grid as the user would: the cell's editor, then Enter.
    void typeInCell(ValueGridEditor* grid, int row, int column, const QString& text) {
        QTableWidget* table = grid->table();
        table->setFocus();
        table->setCurrentCell(row, column); // moving to a cell opens its editor
        const QModelIndex index = table->model()->index(row, column);
        if (!table->indexWidget(index)) table->editItem(table->item(row, column));
        auto* editor = qobject_cast<QLineEdit*>(table->indexWidget(index));
        ASSERT_NE(editor, nullptr);
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents(); // the cell takes the text after the key press
        ASSERT_EQ(table->item(row, column)->text(), text);
        ASSERT_TRUE(table->window()->isVisible()) << "Enter in a cell must not insert and close the dialog";
    }
    QStringList entries(QComboBox* box) {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }
    // Shows a dialog and makes it the active window so that focus moves inside it.
    void activate(QWidget* w) {
        QApplication::setActiveWindow(w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
};

} // namespace

TEST_F(GeneratorDialogs, TheHtmlTabHoldsTheGeneratorButtonsInOrderWithTheirHints) {
    QWidget* page = window->toolPages()->widget(0);
    ASSERT_EQ(window->toolPages()->tabText(0), QStringLiteral("HTML"));
    QList<QToolButton*> buttons = page->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly);
    std::sort(buttons.begin(), buttons.end(),
              [](QToolButton* a, QToolButton* b) { return a->geometry().left() < b->geometry().left(); });
    QStringList names, hints;
    for (QToolButton* b : buttons) {
        names << b->objectName();
        hints << b->statusTip();
    }
    EXPECT_EQ(names, QStringList({"BtnHTML_Table", "BtnInsertNewhForm", "BtnH_FEdit", "BtnH_FMemo",
                                  "BtnH_FChecked", "BtnH_FRadio", "BtnH_FComboBox", "BtnH_FButton",
                                  "BtnInserthFormEnd", "BtnHTML_Version", "BtnHTML_Meta", "BtnHTML_Font",
                                  "BtnHTML_InsertColor", "BtnStyleTags"}));
    EXPECT_EQ(hints.mid(0, 13),
              QStringList({"Wstawia tabelę HTML'a.", "Wstawia początek formularza.", "Wstawia pole tekstowe.",
                           "Wstawia pole tekstowe wieloliniowe.", "Wstawia pole wielokrotnego wyboru opcji.",
                           "Wstawia pole wyboru opcji.", "Wstawia rozwijane pole wyboru.", "Wstawia przycisk",
                           "Wstawia koniec formularza.", "Wstawia wersję HTML'a. ", "Wstawia tagi <META>",
                           "Wstawia czcionkę.", "Wstawia kolor."}));
}

TEST_F(GeneratorDialogs, EveryButtonOpensItsWindowAndNoneAnswersNotAvailable) {
    const std::pair<const char*, const char*> buttons[] = {
        {"BtnHTML_Table", "FormCreate_Table"},      {"BtnInsertNewhForm", "FormInsertBeginHForm"},
        {"BtnH_FEdit", "FormInserthFEdit"},         {"BtnH_FMemo", "FormInserthFMemo"},
        {"BtnH_FChecked", "FormInserthFCheck"},     {"BtnH_FRadio", "FormInserthFRadio"},
        {"BtnH_FComboBox", "FormInserthFComboBox"}, {"BtnH_FButton", "FormInserthFButton"},
        {"BtnHTML_Version", "FormHTML_DocVer"},     {"BtnHTML_Meta", "FormCreate_Meta"},
        {"BtnHTML_Font", "FormHTML_Font"},
    };
    const QStringList titles = {"Utwórz tabelę",         "Wstaw początek formularza",
                                "Wstaw pole tekstowe",   "Wstaw wieloliniowe pole tekstowe ",
                                "Wstaw pola zaznaczane", "Wstaw grupe polu zaznaczanych",
                                "Wstaw pole wyboru",     "Wstaw przycisk",
                                "Okreś wersje HTML'a:",  "Utwórz sekcje <META>",
                                "Wstaw czcionkę"};
    int i = 0;
    for (const auto& [button, form] : buttons) {
        SCOPED_TRACE(button);
        auto* w = window->findChild<QWidget*>(QString::fromLatin1(form));
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->isVisible());
        clickHtmlButton(button);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->windowTitle(), titles[i++]);
        w->close();
    }
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Message).isEmpty());
    EXPECT_TRUE(prompts.unexpected().isEmpty());
}

TEST_F(GeneratorDialogs, FormStartKeepsItsValuesAndPutsItsLineBelowTheCaret) {
    documentWithCaret("abcdef", 0, 3);
    clickHtmlButton("BtnInsertNewhForm");
    auto* form = dialog<FormStartDialog>();
    form->actionEdit()->setText(QStringLiteral("wyślij.php"));
    form->methodBox()->setCurrentText(QStringLiteral("GET"));
    form->insertButton()->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(activeText(),
              toWin1250(QStringLiteral("abc\r\n<FORM ACTION=\"wyślij.php\" METHOD=\"GET\">def")));
    EXPECT_EQ(ws().activeEditor()->caretLine(), 2);
    EXPECT_EQ(
        ws().activeEditor()->caretLineBytes().substr(0, std::size_t(ws().activeEditor()->caretColumn() - 1)),
        toWin1250(QStringLiteral("<FORM ACTION=\"wyślij.php\" METHOD=\"GET\">")));

    // Opened again: the values typed last are there; "Anuluj" inserts nothing.
    clickHtmlButton("BtnInsertNewhForm");
    EXPECT_EQ(form->actionEdit()->text(), QStringLiteral("wyślij.php"));
    EXPECT_EQ(form->methodBox()->currentText(), QStringLiteral("GET"));
    const std::string before = activeText();
    form->cancelButton()->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(activeText(), before);

    // The form end is written at once, in the tag case of the moment.
    window->settings().lowerCaseTags = true;
    clickHtmlButton("BtnInserthFormEnd");
    EXPECT_EQ(activeText(), before.substr(0, before.size() - 3) + "\r\n</form>def");
}

TEST_F(GeneratorDialogs, TextAreaLinesArriveOneUnderTheOtherWithTheCaretAfterTheLast) {
    documentWithCaret("<BODY>\r\n</BODY>", 0, 6);
    clickHtmlButton("BtnH_FMemo");
    auto* area = dialog<TextAreaDialog>();
    EXPECT_EQ(area->rowsEdit()->text(), QStringLiteral("10"));
    EXPECT_EQ(area->columnsEdit()->text(), QStringLiteral("50"));
    EXPECT_EQ(area->wrapBox()->currentText(), QStringLiteral("(brak)"));
    area->nameEdit()->setText(QStringLiteral("opis"));
    area->valueEdit()->setPlainText(QStringLiteral("Pierwsza\n\nTrzecia"));
    window->settings().lowerCaseTags = true;
    area->insertButton()->click();
    EXPECT_EQ(activeText(), "<BODY>\r\n<textarea name=\"opis\" rows=\"10\" cols=\"50\"> \r\nPierwsza\r\n\r\n"
                            "Trzecia\r\n</textarea>\r\n</BODY>");
    EXPECT_EQ(ws().activeEditor()->caretLine(), 6);
    EXPECT_EQ(ws().activeEditor()->caretColumn(), 12);
    EXPECT_TRUE(ws().activePage()->isChanged());
}

TEST_F(GeneratorDialogs, SelectionListChoicesAreRebuiltFromTheGrid) {
    clickHtmlButton("BtnH_FComboBox");
    auto* list = dialog<SelectionListDialog>();
    activate(list);
    ValueGridEditor* grid = list->values();
    // Made with one empty row and a chooser holding only "(Żadna)".
    EXPECT_EQ(grid->table()->rowCount(), 1);
    EXPECT_EQ(grid->table()->horizontalHeaderItem(0)->text(), QStringLiteral("Wartość"));
    EXPECT_EQ(entries(list->selectedBox()), QStringList({"(Żadna)"}));

    typeInCell(grid, 0, 0, QStringLiteral("a"));
    grid->addButton()->click(); // rebuilds
    typeInCell(grid, 1, 0, QStringLiteral(" "));
    grid->addButton()->click();
    typeInCell(grid, 2, 0, QStringLiteral("c"));
    EXPECT_EQ(entries(list->selectedBox()), QStringList({"(Żadna)", "a"}));
    // Leaving the grid rebuilds the chooser: a value of one space is skipped.
    list->nameEdit()->setFocus();
    EXPECT_EQ(entries(list->selectedBox()), QStringList({"(Żadna)", "a", "c"}));

    list->selectedBox()->setCurrentIndex(2);
    typeInCell(grid, 1, 0, QString());
    EXPECT_EQ(list->selectedBox()->currentText(), QStringLiteral("c")); // still inside the grid
    list->nameEdit()->setText(QStringLiteral("x"));
    list->nameEdit()->setFocus(); // the rebuild shows "(Żadna)" again
    EXPECT_EQ(list->selectedBox()->currentText(), QStringLiteral("(Żadna)"));
    list->selectedBox()->setCurrentIndex(2);

    // "Wyczyść rzędy" does not rebuild this chooser; the choice stays until the next rebuild.
    documentWithCaret("", 0, 0);
    list->insertButton()->click();
    EXPECT_EQ(activeText(),
              "\r\n<SELECT NAME=\"x\"> \r\n<OPTION> a\r\n<OPTION> \r\n<OPTION SELECTED> c\r\n</SELECT>");
    clickHtmlButton("BtnH_FComboBox");
    grid->clearButton()->click();
    EXPECT_EQ(grid->table()->rowCount(), 1);
    EXPECT_EQ(entries(list->selectedBox()), QStringList({"(Żadna)", "a", "c"}));
    EXPECT_EQ(list->selectedBox()->currentText(), QStringLiteral("c"));
}

TEST_F(GeneratorDialogs, RadioChoicesFollowClearingAndTheGridKeepsItsLimits) {
    clickHtmlButton("BtnH_FRadio");
    auto* radio = dialog<RadioGroupDialog>();
    activate(radio);
    ValueGridEditor* grid = radio->values();
    EXPECT_EQ(grid->table()->horizontalHeaderItem(1)->text(), QStringLiteral("Napis"));
    typeInCell(grid, 0, 0, QStringLiteral("t"));
    typeInCell(grid, 0, 1, QStringLiteral("Tak"));
    grid->addButton()->click();
    typeInCell(grid, 1, 0, QStringLiteral("n"));
    typeInCell(grid, 1, 1, QStringLiteral("Nie"));
    radio->nameEdit()->setFocus();
    EXPECT_EQ(entries(radio->selectedBox()), QStringList({"(Żadna)", "t", "n"}));

    // A row dragged by its number moves with its label.
    grid->table()->verticalHeader()->moveSection(1, 0);
    EXPECT_EQ(grid->table()->item(0, 0)->text(), QStringLiteral("n"));
    EXPECT_EQ(grid->table()->item(0, 1)->text(), QStringLiteral("Nie"));
    EXPECT_EQ(grid->table()->verticalHeader()->logicalIndex(0), 0);
    radio->nameEdit()->setText(QStringLiteral("odp"));
    radio->separateLinesBox()->setChecked(true);
    radio->selectedBox()->setCurrentText(QStringLiteral("t"));
    documentWithCaret("", 0, 0);
    radio->insertButton()->click();
    EXPECT_EQ(activeText(), "\r\n<INPUT TYPE=\"radio\" NAME=\"odp\" VALUE=\"n\"> Nie <BR>"
                            "\r\n<INPUT TYPE=\"radio\" NAME=\"odp\" VALUE=\"t\" checked> Tak <BR>");

    // Here "Wyczyść rzędy" rebuilds the chooser.
    clickHtmlButton("BtnH_FRadio");
    EXPECT_EQ(radio->nameEdit()->text(), QStringLiteral("odp"));
    grid->clearButton()->click();
    EXPECT_EQ(entries(radio->selectedBox()), QStringList({"(Żadna)"}));
    EXPECT_EQ(grid->table()->rowCount(), 1);
    EXPECT_EQ(grid->table()->item(0, 1)->text(), QString());

    // 200 value rows at most; "Usuń rząd" on the last row only empties it.
    for (int i = 0; i < 250; ++i)
        grid->addButton()->click();
    EXPECT_EQ(grid->table()->rowCount(), 200);
    for (int i = 0; i < 250; ++i)
        grid->removeButton()->click();
    EXPECT_EQ(grid->table()->rowCount(), 1);
    typeInCell(grid, 0, 0, QStringLiteral("x"));
    grid->removeButton()->click();
    EXPECT_EQ(grid->table()->rowCount(), 1);
    EXPECT_EQ(grid->table()->item(0, 0)->text(), QString());
    EXPECT_EQ(entries(radio->selectedBox()), QStringList({"(Żadna)"}));
}

TEST_F(GeneratorDialogs, CheckBoxesAndButtonKeepTheirValuesBetweenOpenings) {
    clickHtmlButton("BtnH_FChecked");
    auto* checks = dialog<CheckBoxGroupDialog>();
    activate(checks);
    checks->nameEdit()->setText(QStringLiteral("k"));
    typeInCell(checks->values(), 0, 0, QStringLiteral("1"));
    typeInCell(checks->values(), 0, 1, QStringLiteral("Jeden"));
    checks->separateLinesBox()->setChecked(true);
    documentWithCaret("", 0, 0);
    checks->insertButton()->click();
    EXPECT_EQ(activeText(), "\r\n<INPUT TYPE=\"checkbox\" NAME=\"k\" VALUE=\"1\"> Jeden<BR>");
    clickHtmlButton("BtnH_FChecked");
    EXPECT_EQ(checks->values()->table()->item(0, 1)->text(), QStringLiteral("Jeden"));
    EXPECT_TRUE(checks->separateLinesBox()->isChecked());
    checks->close();

    clickHtmlButton("BtnH_FButton");
    auto* button = dialog<ButtonDialog>();
    EXPECT_EQ(button->typeBox()->currentText(), QStringLiteral("submit"));
    EXPECT_EQ(button->captionEdit()->text(), QStringLiteral("Przycisk"));
    button->typeBox()->setEditText(QStringLiteral("button"));
    button->captionEdit()->setText(QStringLiteral("Oblicz"));
    documentWithCaret("", 0, 0);
    button->insertButton()->click();
    EXPECT_EQ(activeText(), "\r\n<INPUT TYPE=\"button\" VALUE=\"Oblicz\">");
    clickHtmlButton("BtnH_FButton");
    EXPECT_EQ(button->typeBox()->currentText(), QStringLiteral("button"));
}

TEST_F(GeneratorDialogs, TableRefusesCountsThatAreNotWholeNumbersAndInsertsNothing) {
    documentWithCaret("x", 0, 1);
    clickHtmlButton("BtnHTML_Table");
    auto* table = dialog<TableGeneratorDialog>();
    table->rowsEdit()->setText(QStringLiteral("2,5"));
    table->positionBox()->setCurrentIndex(2);
    table->createButton()->click();
    EXPECT_EQ(activeText(), "x");
    EXPECT_TRUE(table->isVisible());
    ASSERT_EQ(prompts.askedTexts(AskedPrompt::Kind::Message).size(), 1);
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Message).first(),
              QStringLiteral("Pole \"Rzędów:\" musi zawierać liczbę całkowitą, a zawiera \"2,5\". "
                             "Nie wstawiono tabeli."));

    table->rowsEdit()->setText(QStringLiteral("2"));
    table->columnsEdit()->setText(QStringLiteral("2"));
    table->borderBox()->setValue(1);
    table->createButton()->click();
    EXPECT_FALSE(table->isVisible());
    EXPECT_EQ(activeText(),
              "x\r\n<CENTER>\r\n<TABLE  BORDER=\"1\">\r\n<TR>\r\n<TD> </TD>\r\n<TD> </TD>\r\n</TR>\r\n"
              "<TR>\r\n<TD> </TD>\r\n<TD> </TD>\r\n</TR>\r\n</TABLE>\r\n</CENTER>");
    EXPECT_EQ(ws().activeEditor()->caretLine(), 13);
    EXPECT_EQ(ws().activeEditor()->caretColumn(), 10);
}

TEST_F(GeneratorDialogs, TableUnitsColourPictureAndAttachmentList) {
    // The attachment list holds the open project's directories.
    QStringList& projectDirs = ProjectWindows::of(window.get())->project().directories();
    projectDirs = QStringList{QStringLiteral("img"), QStringLiteral("inc")};
    clickHtmlButton("BtnHTML_Table");
    auto* table = dialog<TableGeneratorDialog>();
    // The attachment list is filled when the dialog is shown and stays off with its box.
    EXPECT_EQ(entries(table->attachmentPathBox()), QStringList({"img", "inc"}));
    EXPECT_FALSE(table->attachmentPathBox()->isEnabled());
    table->attachmentBox()->setChecked(true);
    EXPECT_TRUE(table->attachmentPathBox()->isEnabled());

    // A unit button flips its caption; its hint says what the next click does.
    QToolButton* unit = table->widthUnitButton();
    EXPECT_EQ(unit->text(), QStringLiteral("piks."));
    EXPECT_EQ(unit->toolTip(), QStringLiteral("Zmienia jednostkę na %"));
    unit->click();
    EXPECT_EQ(unit->text(), QStringLiteral("%"));
    EXPECT_EQ(unit->toolTip(), QStringLiteral("Zmienia jednostkę na piksle"));
    table->widthBox()->setValue(100);
    table->heightBox()->setValue(50);

    // The swatch: a chosen colour clears the caption; a cancelled chooser changes nothing.
    EXPECT_EQ(table->colourSwatch()->text(), QStringLiteral("(Brak)"));
    prompts.queueColor(0x0000FF);
    table->colourSwatch()->click();
    EXPECT_EQ(table->colourSwatch()->text(), QString());
    prompts.queueCancel();
    table->colourSwatch()->click();

    // The picture: from the chooser with its filter, or dropped.
    prompts.queueFiles({QStringLiteral("/strony/tlo.gif")});
    table->pictureButton()->click();
    EXPECT_EQ(table->pictureEdit()->text(), QStringLiteral("/strony/tlo.gif"));
    ASSERT_EQ(prompts.asked().back().kind, AskedPrompt::Kind::OpenFiles);
    EXPECT_EQ(prompts.asked().back().fileRequest.filter,
              QStringLiteral("GIF i JPEG (*.gif,*.jpg,*.jpeg)|*.gif;*.jpg;*.jpeg"));

    window->settings().lowerCaseTags = true;
    documentWithCaret("", 0, 0);
    table->createButton()->click();
    EXPECT_EQ(activeText(),
              "\r\n<table  bgcolor=\"#FF0000\" width=\"100%\" height=\"50\" background=\"/strony/tlo.gif\">"
              "\r\n<tr>\r\n<td> </td>\r\n</tr>\r\n</table>");

    // Opened again: everything as left; the list is filled anew from the directories of now.
    projectDirs = QStringList{QStringLiteral("css")};
    clickHtmlButton("BtnHTML_Table");
    EXPECT_EQ(entries(table->attachmentPathBox()), QStringList({"css"}));
    EXPECT_EQ(table->widthUnitButton()->text(), QStringLiteral("%"));
    EXPECT_EQ(table->widthBox()->value(), 100);
    EXPECT_TRUE(table->attachmentBox()->isChecked());
    EXPECT_TRUE(prompts.unexpected().isEmpty());
}

TEST_F(GeneratorDialogs, MetaSectionArrivesLineByLine) {
    documentWithCaret("<HEAD>", 0, 6);
    clickHtmlButton("BtnHTML_Meta");
    auto* meta = dialog<MetaDialog>();
    EXPECT_EQ(meta->dateEdit()->date(), QDate(2000, 12, 3));
    EXPECT_EQ(meta->languageBox()->currentText(), QStringLiteral("(Nie określaj)"));
    meta->authorEdit()->setText(QStringLiteral("Łukasz"));
    meta->descriptionEdit()->setPlainText(QStringLiteral("Dwie\nlinie"));
    meta->refreshBox()->setValue(5);
    meta->refreshPageEdit()->setText(QStringLiteral("index.php"));
    meta->createButton()->click();
    EXPECT_FALSE(meta->isVisible());
    EXPECT_EQ(fromWin1250(activeText()),
              QStringLiteral(
                  "<HEAD>\r\n<META HTTP-EQUIV=\"content-type\" CONTENT=\"text/html;charset=windows-1250\">"
                  "\r\n<META NAME=\"Description\" CONTENT=\"Dwie\r\nlinie\">"
                  "\r\n<META NAME=\"Author\" CONTENT=\"Łukasz\">"
                  "\r\n<META HTTP-EQUIV=\"Creation-Date\" CONTENT=\"2000-12-03\">"
                  "\r\n<META HTTP-EQUIV=\"Refresh\" CONTENT=\"5; url=index.php\">"));
    EXPECT_EQ(ws().activeEditor()->caretLine(), 7);

    clickHtmlButton("BtnHTML_Meta");
    EXPECT_EQ(meta->authorEdit()->text(), QStringLiteral("Łukasz"));
    meta->clearDescriptionButton()->click();
    EXPECT_TRUE(meta->descriptionEdit()->toPlainText().isEmpty());
    EXPECT_EQ(meta->authorEdit()->maxLength(), 200);
}

TEST_F(GeneratorDialogs, DocumentTypeGoesToTheCaretWithoutALineBreak) {
    documentWithCaret("ab", 0, 1);
    ws().activeEditor()->setSelection(0, 1, 0, 2); // "b" selected
    clickHtmlButton("BtnHTML_Version");
    auto* type = dialog<DocumentTypeDialog>();
    EXPECT_TRUE(type->isModal());
    EXPECT_EQ(type->versionBox()->count(), 7);
    EXPECT_EQ(type->versionBox()->currentIndex(), 0);
    type->versionBox()->setCurrentIndex(5);
    window->settings().lowerCaseTags = true; // declarations are never case-changed
    type->okButton()->click();
    EXPECT_FALSE(type->isVisible());
    EXPECT_EQ(activeText(), "a<!DOCTYPE HTML PUBLIC  \"-//IETF//DTD HTML 2.0//EN\">");
    clickHtmlButton("BtnHTML_Version");
    EXPECT_EQ(type->versionBox()->currentIndex(), 5);
    type->cancelButton()->click();
    EXPECT_EQ(activeText(), "a<!DOCTYPE HTML PUBLIC  \"-//IETF//DTD HTML 2.0//EN\">");
}

TEST_F(GeneratorDialogs, FontPanelClosesAfterInsertingAndTheToolWindowStays) {
    documentWithCaret("", 0, 0);
    clickHtmlButton("BtnHTML_Font");
    auto* font = dialog<FontWindow>();
    EXPECT_TRUE(font->isPanel());
    EXPECT_TRUE(font->closeButton()->isVisibleTo(font));
    auto* fontButton = window->findChild<QToolButton*>(QStringLiteral("BtnHTML_Font"));
    EXPECT_EQ(font->pos(), fontButton->mapToGlobal(QPoint(0, fontButton->height())));
    EXPECT_EQ(font->faceBox()->currentText(), QString());
    font->insertButton()->click();
    EXPECT_EQ(activeText(), "<FONT COLOR=\"Black\" SIZE=\"-7\">   </FONT>");
    EXPECT_FALSE(font->isVisible());

    // As a tool window it stays open; a colour from "Dodatkowy..." is used until the list changes.
    clickHtmlButton("BtnHTML_Font");
    font->switchButton()->click();
    EXPECT_FALSE(font->isPanel());
    EXPECT_TRUE(font->isVisible());
    EXPECT_FALSE(font->closeButton()->isVisibleTo(font));
    prompts.queueColor(0xFF0000);
    font->extraColourButton()->click();
    EXPECT_TRUE(font->colourFromSwatch());
    font->baseFontBox()->setChecked(true);
    font->sizeModeBox()->setCurrentIndex(0);
    documentWithCaret("", 0, 0);
    font->insertButton()->click();
    EXPECT_EQ(activeText(), "<BASEFONT COLOR=\"#0000FF\">");
    EXPECT_TRUE(font->isVisible());

    font->basicColourBox()->setCurrentIndex(9); // Red
    EXPECT_FALSE(font->colourFromSwatch());
    documentWithCaret("", 0, 0);
    font->insertButton()->click();
    EXPECT_EQ(activeText(), "<BASEFONT COLOR=\"Red\">");
    font->close();
}

TEST_F(GeneratorDialogs, ColourCommandInsertsTheChosenColourAtTheCaret) {
    documentWithCaret("color=", 0, 6);
    prompts.queueColor(0xFF0000); // pure blue
    clickHtmlButton("BtnHTML_InsertColor");
    EXPECT_EQ(activeText(), "color=#0000FF");
    prompts.queueCancel();
    clickHtmlButton("BtnHTML_InsertColor");
    EXPECT_EQ(activeText(), "color=#0000FF");
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::ChooseColor).size(), 2);
    EXPECT_TRUE(prompts.allAnswersUsed());
}
