// Pictures of the generator dialogs for docs/screenshots. Runs only when WERTAN_SCREENSHOT_DIR
// names the folder to write them to.
#include "generators/ui/document_type_dialog.h"
#include "generators/ui/font_window.h"
#include "generators/ui/form_element_dialogs.h"
#include "generators/ui/meta_dialog.h"
#include "generators/ui/table_generator_dialog.h"
#include "generators/ui/value_grid_editor.h"
#include "shell/main_window_harness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>

using namespace wertan;
using namespace wertan::test;

namespace {

using GeneratorScreenshots = MainWindowHarness;

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void fillGrid(ValueGridEditor* grid, const QList<QStringList>& rows) {
    for (int r = 0; r < rows.size(); ++r) {
        if (r > 0) grid->addButton()->click();
        for (int c = 0; c < rows[r].size(); ++c)
            grid->table()->item(r, c)->setText(rows[r][c]);
    }
}

} // namespace

TEST_F(GeneratorScreenshots, DialogsForTheDocumentation) {
    const QString folder = qEnvironmentVariable("WERTAN_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "set WERTAN_SCREENSHOT_DIR to write the pictures";
    const QDir out(folder);
    auto shoot = [&](QWidget* w, const char* name) {
        settle();
        EXPECT_TRUE(w->grab().save(out.filePath(QString::fromLatin1(name)))) << name;
        w->hide();
    };
    auto click = [&](const char* button) {
        window->findChild<QToolButton*>(QString::fromLatin1(button))->click();
        settle();
    };

    click("BtnInsertNewhForm");
    auto* form = window->findChild<FormStartDialog*>();
    form->actionEdit()->setText(QStringLiteral("zapisz.php"));
    shoot(form, "form_start_dialog.png");

    click("BtnH_FEdit");
    auto* field = window->findChild<TextFieldDialog*>();
    field->nameEdit()->setText(QStringLiteral("nazwisko"));
    field->valueEdit()->setText(QStringLiteral("Kowalski"));
    shoot(field, "text_field_dialog.png");

    click("BtnH_FMemo");
    auto* area = window->findChild<TextAreaDialog*>();
    area->nameEdit()->setText(QStringLiteral("opis"));
    area->valueEdit()->setPlainText(QStringLiteral("Zażółć gęślą jaźń\nDruga linia"));
    shoot(area, "text_area_dialog.png");

    click("BtnH_FButton");
    shoot(window->findChild<ButtonDialog*>(), "button_dialog.png");

    click("BtnH_FComboBox");
    auto* list = window->findChild<SelectionListDialog*>();
    list->nameEdit()->setText(QStringLiteral("miasto"));
    fillGrid(list->values(), {{"Kraków"}, {"Łódź"}, {"Poznań"}});
    list->values()->addButton()->click();
    list->values()->removeButton()->click(); // rebuilds the chooser
    list->selectedBox()->setCurrentIndex(2);
    shoot(list, "selection_list_dialog.png");

    click("BtnH_FChecked");
    auto* checks = window->findChild<CheckBoxGroupDialog*>();
    checks->nameEdit()->setText(QStringLiteral("zainteresowania"));
    fillGrid(checks->values(), {{"sport", "Sport"}, {"muzyka", "Muzyka"}});
    checks->separateLinesBox()->setChecked(true);
    shoot(checks, "check_boxes_dialog.png");

    click("BtnH_FRadio");
    auto* radio = window->findChild<RadioGroupDialog*>();
    radio->nameEdit()->setText(QStringLiteral("odpowiedz"));
    fillGrid(radio->values(), {{"tak", "Tak"}, {"nie", "Nie"}});
    radio->values()->addButton()->click();
    radio->values()->removeButton()->click();
    radio->selectedBox()->setCurrentIndex(1);
    shoot(radio, "radio_group_dialog.png");

    click("BtnHTML_Table");
    auto* table = window->findChild<TableGeneratorDialog*>();
    table->rowsEdit()->setText(QStringLiteral("3"));
    table->columnsEdit()->setText(QStringLiteral("2"));
    table->positionBox()->setCurrentIndex(2);
    table->borderBox()->setValue(1);
    table->widthBox()->setValue(100);
    table->widthUnitButton()->click();
    prompts.queueColor(0xCCEEFF);
    table->colourSwatch()->click();
    table->attachmentBox()->setChecked(true);
    shoot(table, "table_dialog.png");

    click("BtnHTML_Meta");
    auto* meta = window->findChild<MetaDialog*>();
    meta->authorEdit()->setText(QStringLiteral("Jan Kowalski"));
    meta->descriptionEdit()->setPlainText(QStringLiteral("Strona o programowaniu w PHP."));
    meta->generatorInfoBox()->setChecked(true);
    shoot(meta, "meta_dialog.png");

    click("BtnHTML_Version");
    shoot(window->findChild<DocumentTypeDialog*>(), "document_type_dialog.png");

    click("BtnHTML_Font");
    auto* font = window->findChild<FontWindow*>();
    shoot(font, "font_panel.png");
    click("BtnHTML_Font");
    font->switchButton()->click();
    font->baseFontBox()->setChecked(true);
    shoot(font, "font_tool_window.png");
}
