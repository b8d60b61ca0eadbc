// "Właściwości edytora": its fields, the template editor taking every change at once, the colour
// schemes of the shared components, and the buttons.
#include "editor/ui/code_editor.h"
#include "editor/ui/colouring_component.h"
#include "editor/ui/editor_environment.h"
#include "editor/ui/editor_options_dialog.h"
#include "editor_test_support.h"
#include "platform/scripted/scripted_prompts.h"
#include "platform/settings_store.h"
#include "support/temp_dir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>
#include <gtest/gtest.h>

namespace wertan {
namespace {

using test::settle;

class OptionsDialogTest : public ::testing::Test {
protected:
    test::TempDir dir;
    SettingsStore store{dir.file("store.ini")};
    ScriptedPrompts prompts;
    EditorEnvironment environment{store, prompts};
    EditorOptionsDialog* dialog = nullptr;

    void SetUp() override {
        environment.initialise(nullptr);
        dialog = environment.optionsDialog();
        dialog->prepareToShow();
        dialog->show();
        settle();
    }
    void TearDown() override { dialog->hide(); }

    template <typename T> T* field(const char* name) {
        T* w = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QComboBox* language() { return field<QComboBox>("ComboLanguage"); }
    QListWidget* attributes() { return field<QListWidget>("ListAttributes"); }
    void chooseLanguage(const char* name) {
        language()->setCurrentIndex(language()->findText(QString::fromLatin1(name)));
        settle();
    }
    void chooseAttribute(const char* name) {
        const auto items = attributes()->findItems(QString::fromLatin1(name), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        attributes()->setCurrentItem(items.first());
    }
};

TEST_F(OptionsDialogTest, TextsAndLists) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Właściwości edytora"));
    QStringList bandTitles;
    for (int i = 0; i < 6; ++i)
        bandTitles << dialog->band(i)->findChild<QToolButton*>()->text();
    EXPECT_EQ(bandTitles, (QStringList{"Czcionka", "Wyświetlaj", "Edycja", "Rynna", "Podświetlanie składni",
                                       "Podgląd - Edytora"}));
    QStringList languages;
    for (int i = 0; i < language()->count(); ++i)
        languages << language()->itemText(i);
    EXPECT_EQ(languages, (QStringList{"(brak)", "Cascading Stylesheets", "PHP", "Javascript", "MS VBScript",
                                      "HTML Document", "SQL"}));
    auto* caret = field<QComboBox>("ComboCaret");
    QStringList shapes;
    for (int i = 0; i < caret->count(); ++i)
        shapes << caret->itemText(i);
    EXPECT_EQ(shapes, (QStringList{"Pionowa linia", "Pozioma linia", "Połowa kwadratu", "Kwadrat"}));
    EXPECT_EQ(field<QPushButton>("BtnOK")->text(), QStringLiteral("&OK"));
    EXPECT_EQ(field<QPushButton>("BtnCancel")->text(), QStringLiteral("&Anuluj"));
    EXPECT_EQ(field<QLabel>("LabelSample")->text(), QStringLiteral("AaBbCcDdEe 012345678 $%#"));
    EXPECT_EQ(field<QSpinBox>("EditLineSpacing")->minimum(), -99);
    EXPECT_EQ(field<QSpinBox>("EditLineSpacing")->maximum(), 99);
    EXPECT_EQ(field<QSpinBox>("EditRightEdge")->maximum(), 999);
    EXPECT_EQ(field<QSpinBox>("EditTabWidth")->minimum(), 1);
    EXPECT_EQ(field<QSpinBox>("EditTabWidth")->maximum(), 16);
    EXPECT_EQ(field<QSpinBox>("EditGutterWidth")->maximum(), 100);
    EXPECT_EQ(field<QSpinBox>("EditDigitCount")->maximum(), 99);

    const QStringList sample = dialog->previewEditor()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(sample.size(), 7);
    EXPECT_EQ(sample[0], QStringLiteral("// Przykladowy komentarz."));
    EXPECT_TRUE(sample[2].endsWith(QStringLiteral("wszystkich pól edycji ")));
    EXPECT_EQ(sample[6], QStringLiteral("do wszystkich aktualnie edytowanych dokumentów. "));
}

TEST_F(OptionsDialogTest, OpensWithTheTemplateFieldsAndNoLanguage) {
    const bool expanded[6] = {true, false, false, false, true, true};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(dialog->band(i)->isExpanded(), expanded[i]) << i;
    EXPECT_EQ(field<QLineEdit>("EditFontName")->text(), QStringLiteral("Courier New"));
    EXPECT_EQ(field<QSpinBox>("EditFontSize")->value(), 8);
    EXPECT_EQ(field<QSpinBox>("EditTabWidth")->value(), 8);
    EXPECT_EQ(field<QSpinBox>("EditRightEdge")->value(), 80);
    EXPECT_TRUE(field<QCheckBox>("CheckInsertMode")->isChecked());
    EXPECT_EQ(field<QSpinBox>("EditDigitCount")->value(), 4);
    EXPECT_EQ(language()->currentIndex(), 0);
    EXPECT_FALSE(attributes()->isEnabled());
    EXPECT_FALSE(field<ColourSwatch>("SwatchForeground")->isEnabled());
    EXPECT_FALSE(field<ColourSwatch>("SwatchAttributeBackground")->isEnabled());
    EXPECT_FALSE(field<QGroupBox>("GroupStyle")->isEnabled());
    EXPECT_EQ(dialog->previewEditor()->colouring(), nullptr);
}

TEST_F(OptionsDialogTest, ChoosingALanguageListsItsAttributesAndBrakDisablesThem) {
    chooseLanguage("PHP");
    EXPECT_TRUE(attributes()->isEnabled());
    EXPECT_TRUE(field<QGroupBox>("GroupStyle")->isEnabled());
    ASSERT_EQ(attributes()->count(), 9);
    EXPECT_EQ(attributes()->currentRow(), 0);
    EXPECT_EQ(attributes()->item(0)->text(), QStringLiteral("Comment"));
    EXPECT_EQ(field<ColourSwatch>("SwatchForeground")->colour(), rgbColour(128, 128, 128));
    EXPECT_TRUE(field<QCheckBox>("CheckItalic")->isChecked());
    EXPECT_FALSE(field<QCheckBox>("CheckBold")->isChecked());
    EXPECT_EQ(dialog->previewEditor()->colouring(), environment.component(SchemeLanguage::Php));

    chooseLanguage("(brak)");
    EXPECT_FALSE(attributes()->isEnabled());
    EXPECT_FALSE(field<QGroupBox>("GroupStyle")->isEnabled());
    EXPECT_EQ(dialog->previewEditor()->colouring(), nullptr);
}

TEST_F(OptionsDialogTest, AttributeChangesReachPagesAndSurviveCancel) {
    test::EditorWindow page(false);
    environment.setupEditor(page.editor);
    chooseLanguage("PHP");
    chooseAttribute("Reserved word");
    EXPECT_TRUE(field<QCheckBox>("CheckBold")->isChecked());
    field<QCheckBox>("CheckItalic")->setChecked(true);
    prompts.queueColor(rgbColour(0, 0, 200));
    field<ColourSwatch>("SwatchForeground")->click();

    QSignalSpy confirmed(&environment, &EditorEnvironment::optionsConfirmed);
    field<QPushButton>("BtnCancel")->click();
    EXPECT_EQ(confirmed.count(), 0);

    const ColouringComponent* php = environment.component(SchemeLanguage::Php);
    const int reserved = php->scheme().indexOf("Reserved word");
    EXPECT_EQ(php->attribute(reserved).style, StyleBold | StyleItalic);
    EXPECT_EQ(php->attribute(reserved).foreground, rgbColour(0, 0, 200));
    const auto style = static_cast<unsigned long>(ColouringComponent::styleOfAttribute(reserved));
    EXPECT_EQ(page.editor->SendScintilla(QsciScintillaBase::SCI_STYLEGETITALIC, style), 1);
    EXPECT_EQ(page.editor->SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, style),
              long(rgbColour(0, 0, 200)));
}

TEST_F(OptionsDialogTest, FieldsChangeTheTemplateAtOnceAndOkConfirms) {
    QSignalSpy confirmed(&environment, &EditorEnvironment::optionsConfirmed);
    field<QSpinBox>("EditTabWidth")->setValue(3);
    field<QSpinBox>("EditRightEdge")->setValue(100);
    field<QSpinBox>("EditLineSpacing")->setValue(4);
    field<QCheckBox>("CheckInsertMode")->setChecked(false);
    field<QComboBox>("ComboCaret")->setCurrentIndex(3);
    field<QCheckBox>("CheckLineNumbers")->setChecked(true);
    field<QCheckBox>("CheckZeroStart")->setChecked(true);
    prompts.queueColor(rgbColour(255, 255, 224));
    field<ColourSwatch>("SwatchBackground")->click();
    prompts.queueColor(rgbColour(200, 0, 0));
    field<ColourSwatch>("SwatchRightEdge")->click();
    prompts.queueColor(rgbColour(220, 220, 220));
    field<ColourSwatch>("SwatchGutter")->click();

    const EditorOptions& o = environment.options();
    EXPECT_EQ(o.tabWidth, 3);
    EXPECT_EQ(o.rightEdge, 100);
    EXPECT_EQ(o.extraLineSpacing, 4);
    EXPECT_FALSE(o.insertMode);
    EXPECT_EQ(o.insertCaret, CaretShape::Block);
    EXPECT_EQ(o.colour, rgbColour(255, 255, 224));
    EXPECT_EQ(o.rightEdgeColour, rgbColour(200, 0, 0));
    EXPECT_EQ(o.gutter.colour, rgbColour(220, 220, 220));
    CodeEditor* preview = dialog->previewEditor();
    EXPECT_EQ(preview->SendScintilla(QsciScintillaBase::SCI_GETTABWIDTH), 3);
    EXPECT_EQ(preview->SendScintilla(QsciScintillaBase::SCI_GETEDGECOLUMN), 100);
    EXPECT_EQ(preview->SendScintilla(QsciScintillaBase::SCI_GETEDGECOLOUR), long(rgbColour(200, 0, 0)));
    EXPECT_EQ(preview->SendScintilla(QsciScintillaBase::SCI_GETEXTRAASCENT) +
                  preview->SendScintilla(QsciScintillaBase::SCI_GETEXTRADESCENT),
              4);
    EXPECT_EQ(preview->paperColour(), QColor(255, 255, 224));
    EXPECT_EQ(preview->gutterText(0), QStringLiteral("0"));
    EXPECT_EQ(field<ColourSwatch>("SwatchBackground")->colour(), rgbColour(255, 255, 224));

    field<QPushButton>("BtnOK")->click();
    EXPECT_EQ(confirmed.count(), 1);
}

TEST_F(OptionsDialogTest, ACancelledColourDialogChangesNothing) {
    const ColourNumber before = environment.options().colour;
    prompts.queueCancel();
    field<ColourSwatch>("SwatchBackground")->click();
    EXPECT_EQ(environment.options().colour, before);
    EXPECT_TRUE(prompts.unexpected().isEmpty());
}

TEST_F(OptionsDialogTest, FontDialogAndSizeField) {
    FontChoice chosen;
    chosen.family = QStringLiteral("DejaVu Sans Mono");
    chosen.pixelHeight = 16;
    chosen.bold = true;
    chosen.color = rgbColour(0, 0, 128);
    prompts.queueFont(chosen);
    field<QPushButton>("BtnChooseFont")->click();
    EXPECT_EQ(environment.options().font.name, QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(environment.options().font.pixelHeight, 16);
    EXPECT_EQ(environment.options().font.style, StyleBold);
    EXPECT_EQ(environment.options().font.colour, rgbColour(0, 0, 128));
    EXPECT_EQ(field<QLineEdit>("EditFontName")->text(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(field<QSpinBox>("EditFontSize")->value(), 12);
    EXPECT_EQ(field<QLabel>("LabelSample")->font().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(dialog->previewEditor()->textFont().pixelSize(), 16);

    field<QSpinBox>("EditFontSize")->setValue(9);
    EXPECT_EQ(environment.options().font.pixelHeight, 12);
    EXPECT_EQ(field<QLabel>("LabelSample")->font().pixelSize(), 12);
}

TEST_F(OptionsDialogTest, GutterFieldsShowWhatTheTemplateTook) {
    field<QSpinBox>("EditGutterWidth")->setValue(55);
    field<QSpinBox>("EditDigitCount")->setValue(6);
    EXPECT_EQ(environment.options().gutter.width, 55);
    EXPECT_EQ(environment.options().gutter.digitCount, 6);
    EXPECT_EQ(field<QSpinBox>("EditGutterWidth")->value(), 55);
    EXPECT_EQ(dialog->previewEditor()->gutterPixelWidth(), 55);
    // Unreadable text in a number field is ignored.
    auto* width = field<QSpinBox>("EditGutterWidth");
    width->findChild<QLineEdit*>()->setText(QStringLiteral("abc"));
    QMetaObject::invokeMethod(width, "editingFinished");
    width->interpretText();
    EXPECT_EQ(environment.options().gutter.width, 55);
}

TEST_F(OptionsDialogTest, CaretLineHighlightShowsInThePreviewOnly) {
    field<QCheckBox>("CheckCaretLine")->setChecked(true);
    EXPECT_TRUE(environment.options().highlightCaretLine);
    EXPECT_EQ(dialog->previewEditor()->SendScintilla(QsciScintillaBase::SCI_GETCARETLINEVISIBLE), 1);
    EXPECT_EQ(dialog->previewEditor()->SendScintilla(QsciScintillaBase::SCI_GETCARETLINEBACK),
              long(rgbColour(0, 0, 255)));
    test::EditorWindow page(false);
    environment.setupEditor(page.editor);
    EXPECT_EQ(page.editor->SendScintilla(QsciScintillaBase::SCI_GETCARETLINEVISIBLE), 0);
}

TEST_F(OptionsDialogTest, PreviewCaretSelectsTheAttributeUnderIt) {
    chooseLanguage("PHP");
    chooseAttribute("String");
    CodeEditor* preview = dialog->previewEditor();
    preview->setFocus();
    // The attribute of the lexer's token under the caret.
    struct Case {
        int line, index;
        const char* attribute;
    };
    const Case cases[] = {
        {0, 17, "Comment"},   // inside "komentarz"
        {2, 0, "Identifier"}, // "To"
        {2, 2, "Space"},      // the blank after it
        {2, 31, "Symbol"},    // the comma after "podgladem"
        {3, 23, "Space"},     // the end of the line: no token there
        {1, 0, "Space"},      // an empty line
    };
    for (const Case& c : cases) {
        preview->setCursorPosition(c.line, c.index);
        settle();
        EXPECT_EQ(attributes()->currentItem()->text(), QString::fromLatin1(c.attribute))
            << c.line << ":" << c.index;
    }
    // SQL has no Space attribute: where no token is, the selection stays; blanks are SQL symbols.
    chooseLanguage("SQL");
    preview->setCursorPosition(2, 2);
    settle();
    EXPECT_EQ(attributes()->currentItem()->text(), QStringLiteral("Symbol"));
    chooseAttribute("Number");
    for (const auto& [line, index] : {std::pair{1, 0}, std::pair{3, 23}}) {
        preview->setCursorPosition(line, index);
        settle();
        EXPECT_EQ(attributes()->currentItem()->text(), QStringLiteral("Number")) << line;
    }
}

TEST_F(OptionsDialogTest, ExpandingABandRefreshesItsFields) {
    environment.options().tabWidth = 5;
    dialog->band(2)->setExpanded(true);
    EXPECT_EQ(field<QSpinBox>("EditTabWidth")->value(), 5);
}

} // namespace
} // namespace wertan
