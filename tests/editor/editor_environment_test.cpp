// The shared editor environment: loading and saving options and colours, applying options and
// colouring to pages, shared colouring components, and the hint triggers of pages.
#include "editor/hint_trigger.h"
#include "editor/ui/colouring_component.h"
#include "editor/ui/editor_environment.h"
#include "editor_test_support.h"
#include "platform/scripted/scripted_prompts.h"
#include "platform/settings_store.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QMenu>
#include <gtest/gtest.h>

namespace wertan {
namespace {

using test::settle;

const QString kReadFailed =
    QStringLiteral("Próba oczytu danych podświetlenia składni z rejestru nie powiodła się!");
const QString kWriteFailed =
    QStringLiteral("Próba zapisu danych podświetlenia składni z rejestru nie powiodła się!");

QStringList storedAttributes(SettingsStore& store, SchemeLanguage language) {
    QStringList keys = store.subKeys(schemeKey(language));
    keys.sort();
    return keys;
}

QStringList attributeNames(SchemeLanguage language) {
    QStringList names;
    for (const auto& a : startingScheme(language).attributes)
        names << QString::fromStdString(a.name);
    names.sort();
    return names;
}

class EnvironmentTest : public ::testing::Test {
protected:
    test::TempDir dir;
    QString storePath = dir.file("store.ini");
    ScriptedPrompts prompts;

    // Writes every scheme recoloured, as an earlier run would have left them.
    void storeAllSchemes(SettingsStore& store) {
        for (SchemeLanguage language : schemeLanguageOrder()) {
            ColourScheme scheme = startingScheme(language);
            for (auto& a : scheme.attributes) {
                a.foreground = rgbColour(1, 2, 3);
                a.style = StyleUnderline;
            }
            ASSERT_TRUE(saveColourScheme(store, scheme));
        }
    }
};

TEST_F(EnvironmentTest, FirstStartTakesTheStartingColoursSilentlyAndExitStoresEverything) {
    SettingsStore store(storePath);
    EditorEnvironment environment(store, prompts);
    test::EditorWindow page;
    environment.initialise(page.editor);
    EXPECT_TRUE(prompts.asked().empty());
    EXPECT_TRUE(environment.optionsReady());
    for (SchemeLanguage language : schemeLanguageOrder())
        EXPECT_EQ(environment.component(language)->scheme(), startingScheme(language));
    EXPECT_EQ(environment.colouringOf(page.editor), ColouringKind::Php);

    environment.save();
    EXPECT_TRUE(prompts.asked().empty());
    SettingsStore reopened(storePath);
    for (SchemeLanguage language : schemeLanguageOrder())
        EXPECT_EQ(storedAttributes(reopened, language), attributeNames(language))
            << schemeStoreName(language).toStdString();
    EXPECT_EQ(reopened.readText(editorOptionsKey(), QStringLiteral("FmwEdit.TabWidth")), QStringLiteral("8"));
}

TEST_F(EnvironmentTest, AMissingSchemeInAStoreThatHoldsSchemesIsReportedOnce) {
    SettingsStore store(storePath);
    storeAllSchemes(store);
    store.removeKey(schemeKey(SchemeLanguage::Html));
    EditorEnvironment environment(store, prompts);
    environment.initialise(nullptr);
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Message), QStringList{kReadFailed});
    EXPECT_EQ(environment.component(SchemeLanguage::Html)->scheme(), startingScheme(SchemeLanguage::Html));
    EXPECT_EQ(environment.component(SchemeLanguage::Sql)->attribute(0).foreground, rgbColour(1, 2, 3));
}

TEST_F(EnvironmentTest, AMissingAttributeSubkeyStopsThatSchemeOnly) {
    SettingsStore store(storePath);
    storeAllSchemes(store);
    store.removeKey(schemeKey(SchemeLanguage::Php) + QStringLiteral("\\Number"));
    EditorEnvironment environment(store, prompts);
    environment.initialise(nullptr);
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Message), QStringList{kReadFailed});
    const ColouringComponent* php = environment.component(SchemeLanguage::Php);
    const ColourScheme starting = startingScheme(SchemeLanguage::Php);
    for (const char* name : {"Comment", "Identifier", "Invalid symbol"}) {
        const auto& a = php->attribute(php->scheme().indexOf(name));
        EXPECT_EQ(a.foreground, rgbColour(1, 2, 3)) << name;
        EXPECT_EQ(a.style, StyleUnderline) << name;
    }
    for (const char* name : {"Number", "Reserved word", "Space", "String", "Symbol", "Variable"}) {
        const int i = php->scheme().indexOf(name);
        EXPECT_EQ(php->attribute(i), starting.attributes[size_t(i)]) << name;
    }
    EXPECT_EQ(environment.component(SchemeLanguage::Css)->attribute(0).style, StyleUnderline);
}

TEST_F(EnvironmentTest, OptionsAndColoursSurviveARun) {
    {
        SettingsStore store(storePath);
        EditorEnvironment environment(store, prompts);
        environment.initialise(nullptr);
        environment.options().tabWidth = 3;
        environment.options().font.name = QStringLiteral("DejaVu Sans Mono");
        environment.options().gutter.showLineNumbers = true;
        ColouringComponent* js = environment.component(SchemeLanguage::JavaScript);
        HighlighterAttribute a = js->attribute(js->scheme().indexOf("Number"));
        a.foreground = rgbColour(9, 8, 7);
        a.style = StyleBold | StyleStrikeOut;
        js->setAttribute(js->scheme().indexOf("Number"), a);
        environment.save();
    }
    SettingsStore store(storePath);
    EditorEnvironment environment(store, prompts);
    environment.initialise(nullptr);
    EXPECT_TRUE(prompts.asked().empty());
    EXPECT_EQ(environment.options().tabWidth, 3);
    EXPECT_EQ(environment.options().font.name, QStringLiteral("DejaVu Sans Mono"));
    EXPECT_TRUE(environment.options().gutter.showLineNumbers);
    const ColouringComponent* js = environment.component(SchemeLanguage::JavaScript);
    const auto& a = js->attribute(js->scheme().indexOf("Number"));
    EXPECT_EQ(a.foreground, rgbColour(9, 8, 7));
    EXPECT_EQ(a.style, StyleBold | StyleStrikeOut);
}

TEST_F(EnvironmentTest, AStoreThatCannotBeWrittenIsReported) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("store.ini")));
    SettingsStore store(storePath);
    EditorEnvironment environment(store, prompts);
    environment.initialise(nullptr);
    environment.save();
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Error).size(), 1);
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Message), QStringList(6, kWriteFailed));
}

class PagesTest : public EnvironmentTest {
protected:
    SettingsStore store{storePath};
    EditorEnvironment environment{store, prompts};

    int styleFlag(CodeEditor* editor, unsigned int message, SchemeLanguage language, const char* attribute) {
        const int index = environment.component(language)->scheme().indexOf(attribute);
        return int(editor->SendScintilla(
            message, static_cast<unsigned long>(ColouringComponent::styleOfAttribute(index))));
    }
};

TEST_F(PagesTest, SetupBeforeTheOptionsAreReadyGivesTheFixedSettingsOnly) {
    test::EditorWindow first(false);
    environment.setupEditor(first.editor);
    EXPECT_EQ(environment.colouringOf(first.editor), std::nullopt);
    EXPECT_TRUE(first.editor->reportsStatus());
    EXPECT_EQ(first.editor->gutterText(0), QStringLiteral("1"));
    environment.initialise(first.editor);
    EXPECT_EQ(environment.colouringOf(first.editor), ColouringKind::Php);
    // The options' line numbers are off on a fresh installation.
    EXPECT_EQ(first.editor->gutterText(0), QString());

    test::EditorWindow second(false);
    environment.setupEditor(second.editor);
    EXPECT_EQ(environment.colouringOf(second.editor), ColouringKind::Php);
}

TEST_F(PagesTest, ApplyCopiesThePageOptionsAndColours) {
    environment.initialise(nullptr);
    EditorOptions& o = environment.options();
    o.tabWidth = 4;
    o.font.pixelHeight = 15;
    o.rightEdge = 72;
    o.insertMode = false;
    o.gutter.showLineNumbers = true;
    o.gutter.leadingZeros = true;
    o.gutter.width = 77;                      // the template's only
    o.rightEdgeColour = rgbColour(255, 0, 0); // the template's only
    o.highlightCaretLine = true;              // the template's only
    test::EditorWindow page(false);
    environment.setupEditor(page.editor);
    environment.applyEditorOptions(page.editor, ColouringKind::Html);
    CodeEditor* e = page.editor;
    EXPECT_EQ(environment.colouringOf(e), ColouringKind::Html);
    EXPECT_EQ(e->SendScintilla(QsciScintillaBase::SCI_GETTABWIDTH), 4);
    EXPECT_EQ(e->SendScintilla(QsciScintillaBase::SCI_GETEDGECOLUMN), 72);
    EXPECT_EQ(e->SendScintilla(QsciScintillaBase::SCI_GETOVERTYPE), 1);
    EXPECT_EQ(e->options().font.pixelHeight, 15);
    EXPECT_EQ(e->gutterText(0), QStringLiteral("0001"));
    EXPECT_EQ(e->options().gutter.width, EditorOptions().gutter.width);
    EXPECT_EQ(e->options().rightEdgeColour, EditorOptions().rightEdgeColour);
    EXPECT_EQ(e->SendScintilla(QsciScintillaBase::SCI_GETCARETLINEVISIBLE), 0);
}

TEST_F(PagesTest, ColouringOffKeepsEverythingElseAndComesBackWithTheOptions) {
    environment.initialise(nullptr);
    test::EditorWindow page(false);
    environment.setupEditor(page.editor);
    environment.removeColouring(page.editor);
    EXPECT_EQ(environment.colouringOf(page.editor), std::nullopt);
    EXPECT_TRUE(environment.component(SchemeLanguage::Php)->editors().isEmpty());

    // Confirmed options reach a page without colouring, which stays without.
    environment.options().font.pixelHeight = 18;
    environment.reapplyEditorOptions(page.editor);
    EXPECT_EQ(environment.colouringOf(page.editor), std::nullopt);
    EXPECT_EQ(page.editor->options().font.pixelHeight, 18);

    environment.applyEditorOptions(page.editor, ColouringKind::Php);
    EXPECT_EQ(environment.colouringOf(page.editor), ColouringKind::Php);
    EXPECT_EQ(environment.component(SchemeLanguage::Php)->editors(), QList<CodeEditor*>{page.editor});
}

TEST_F(PagesTest, PagesOfOneLanguageShareTheirColours) {
    environment.initialise(nullptr);
    test::EditorWindow a(false), b(false), html(false);
    for (auto* page : {&a, &b, &html})
        environment.setupEditor(page->editor);
    environment.applyEditorOptions(html.editor, ColouringKind::Html);
    EXPECT_EQ(styleFlag(a.editor, QsciScintillaBase::SCI_STYLEGETBOLD, SchemeLanguage::Php, "Reserved word"),
              1);
    EXPECT_EQ(
        styleFlag(a.editor, QsciScintillaBase::SCI_STYLEGETITALIC, SchemeLanguage::Php, "Reserved word"), 0);

    ColouringComponent* php = environment.component(SchemeLanguage::Php);
    const int reserved = php->scheme().indexOf("Reserved word");
    HighlighterAttribute attribute = php->attribute(reserved);
    attribute.style = StyleItalic;
    attribute.foreground = rgbColour(0, 0, 255);
    php->setAttribute(reserved, attribute);
    for (auto* page : {&a, &b}) {
        EXPECT_EQ(styleFlag(page->editor, QsciScintillaBase::SCI_STYLEGETITALIC, SchemeLanguage::Php,
                            "Reserved word"),
                  1);
        EXPECT_EQ(styleFlag(page->editor, QsciScintillaBase::SCI_STYLEGETBOLD, SchemeLanguage::Php,
                            "Reserved word"),
                  0);
        EXPECT_EQ(styleFlag(page->editor, QsciScintillaBase::SCI_STYLEGETFORE, SchemeLanguage::Php,
                            "Reserved word"),
                  int(rgbColour(0, 0, 255)));
    }
    EXPECT_EQ(
        styleFlag(html.editor, QsciScintillaBase::SCI_STYLEGETITALIC, SchemeLanguage::Html, "Reserved word"),
        0);
}

TEST_F(PagesTest, AttributesWithoutColourTakeTheEditorsColours) {
    environment.options().colour = rgbColour(250, 240, 230);
    environment.options().font.colour = rgbColour(10, 20, 30);
    environment.initialise(nullptr);
    test::EditorWindow page(false);
    environment.setupEditor(page.editor);
    EXPECT_EQ(styleFlag(page.editor, QsciScintillaBase::SCI_STYLEGETBACK, SchemeLanguage::Php, "Variable"),
              int(rgbColour(250, 240, 230)));
    EXPECT_EQ(styleFlag(page.editor, QsciScintillaBase::SCI_STYLEGETFORE, SchemeLanguage::Php, "Variable"),
              int(rgbColour(10, 20, 30)));
    EXPECT_EQ(styleFlag(page.editor, QsciScintillaBase::SCI_STYLEGETFORE, SchemeLanguage::Php, "Number"),
              int(rgbColour(0, 128, 0)));
}

TEST_F(PagesTest, BasicSetUpReportsNothing) {
    environment.initialise(nullptr);
    test::EditorWindow page(false);
    QMenu menu;
    page.editor->setPopupMenu(&menu);
    environment.basicSetup(page.editor);
    environment.applyEditorOptions(page.editor, ColouringKind::Php);
    EXPECT_FALSE(page.editor->reportsStatus());
    EXPECT_EQ(page.editor->popupMenu(), nullptr);
    EXPECT_EQ(environment.colouringOf(page.editor), ColouringKind::Php);
}

TEST_F(PagesTest, CompletionListsHoldTheirWords) {
    EXPECT_TRUE(environment.phpCompletionWords().isEmpty());
    const QStringList& sql = environment.sqlCompletionWords();
    ASSERT_EQ(sql.size(), 159);
    EXPECT_EQ(sql.first(), QStringLiteral("action "));
    EXPECT_EQ(sql.last(), QStringLiteral("zerofill"));
}

class RecordedHints : public HintLookup {
public:
    bool visible = false;
    std::vector<std::string> words;
    bool hintsVisible() const override { return visible; }
    void showHint(const std::string& word) override { words.push_back(word); }
};

TEST_F(PagesTest, KeyReleasesAndCaretMovesLookUpHintsWhileTheWindowIsShown) {
    environment.initialise(nullptr);
    RecordedHints hints;
    environment.setHintLookup(&hints);
    test::EditorWindow page(false);
    environment.setupEditor(page.editor);
    environment.setupEditor(page.editor); // handlers are attached once
    settle();

    QTest::keyClicks(page.editor, QStringLiteral("str"));
    settle();
    EXPECT_TRUE(hints.words.empty());

    hints.visible = true;
    QTest::keyClick(page.editor, Qt::Key_L);
    // The key release looks up the word before the caret, then the empty word around it.
    ASSERT_GE(hints.words.size(), 2u);
    EXPECT_EQ(hints.words[0], "strl");
    EXPECT_EQ(hints.words[1], "");
    hints.words.clear();
    page.caretAt(0, 1);
    ASSERT_FALSE(hints.words.empty());
    EXPECT_EQ(hints.words.back(), "strl"); // the caret inside the word
}

} // namespace
} // namespace wertan
