// Editor options: fresh values, what pages copy, and the settings-store layout of the options.
#include "editor/editor_options.h"
#include "platform/settings_store.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace wertan {
namespace {

const QString kKey = QStringLiteral("\\Software\\Wertan PHP\\zkEditor\\FormEditOpts");

TEST(EditorOptions, FreshInstallationValues) {
    const EditorOptions o;
    EXPECT_EQ(o.font.name, QStringLiteral("Courier New"));
    EXPECT_EQ(o.font.pixelHeight, 11);
    EXPECT_EQ(o.font.style, 0);
    EXPECT_EQ(o.font.colour, systemColour(SystemColour::WindowText));
    EXPECT_EQ(o.font.charset, 1);
    EXPECT_EQ(o.colour, systemColour(SystemColour::Window));
    EXPECT_EQ(o.extraLineSpacing, 0);
    EXPECT_EQ(o.rightEdge, 80);
    EXPECT_EQ(o.rightEdgeColour, systemColour(SystemColour::ButtonFace));
    EXPECT_EQ(o.tabWidth, 8);
    EXPECT_EQ(o.insertCaret, CaretShape::VerticalLine);
    EXPECT_TRUE(o.insertMode);
    EXPECT_EQ(o.gutter.colour, systemColour(SystemColour::ButtonFace));
    EXPECT_EQ(o.gutter.width, 30);
    EXPECT_EQ(o.gutter.digitCount, 4);
    EXPECT_FALSE(o.gutter.showLineNumbers);
    EXPECT_FALSE(o.gutter.leadingZeros);
    EXPECT_FALSE(o.gutter.zeroStart);
    EXPECT_TRUE(o.gutter.visible);
    EXPECT_EQ(o.maxUndo, 10);
    EXPECT_TRUE(o.wantTabs);
    EXPECT_FALSE(o.highlightCaretLine);
}

TEST(EditorOptions, ValueNamesInStoreOrder) {
    const QStringList expected = {"FmwEdit.Cursor",
                                  "FmwEdit.Color",
                                  "FmwEdit.BookMarkOptions.EnableKeys",
                                  "FmwEdit.BookMarkOptions.GlyphsVisible",
                                  "FmwEdit.BookMarkOptions.LeftMargin",
                                  "FmwEdit.BookMarkOptions.Xoffset",
                                  "FmwEdit.ExtraLineSpacing",
                                  "FmwEdit.Font.Charset",
                                  "FmwEdit.Font.Color",
                                  "FmwEdit.Font.Height",
                                  "FmwEdit.Font.Name",
                                  "FmwEdit.Font.Pitch",
                                  "FmwEdit.Font.Size",
                                  "FmwEdit.Gutter.AutoSize",
                                  "FmwEdit.Gutter.Color",
                                  "FmwEdit.Gutter.Cursor",
                                  "FmwEdit.Gutter.DigitCount",
                                  "FmwEdit.Gutter.LeadingZeros",
                                  "FmwEdit.Gutter.ShowLineNumbers",
                                  "FmwEdit.Gutter.Visible",
                                  "FmwEdit.Gutter.Width",
                                  "FmwEdit.Gutter.ZeroStart",
                                  "FmwEdit.HideSelection",
                                  "FmwEdit.InsertCaret",
                                  "FmwEdit.InsertMode",
                                  "FmwEdit.MaxUndo",
                                  "FmwEdit.RightEdge",
                                  "FmwEdit.RightEdgeColor",
                                  "FmwEdit.SelectedColor.Background",
                                  "FmwEdit.SelectedColor.Foreground",
                                  "FmwEdit.SelectionMode",
                                  "FmwEdit.TabWidth",
                                  "FmwEdit.WantTabs"};
    EXPECT_EQ(editorOptionValueNames(), expected);
}

// Every option away from its fresh value, so a field that does not survive the store shows.
EditorOptions changedOptions() {
    EditorOptions o;
    o.cursor = 0;
    o.colour = rgbColour(10, 20, 30);
    o.bookmarks = {false, false, 5, 7};
    o.extraLineSpacing = -3;
    o.font.name = QStringLiteral("DejaVu Sans Mono");
    o.font.charset = 238;
    o.font.colour = rgbColour(1, 2, 3);
    o.font.pixelHeight = 16;
    o.font.pitch = 2;
    o.gutter = {true, rgbColour(200, 201, 202), 2, 6, true, true, false, 44, true};
    o.hideSelection = true;
    o.insertCaret = CaretShape::HalfBlock;
    o.insertMode = false;
    o.maxUndo = 250;
    o.rightEdge = 120;
    o.rightEdgeColour = rgbColour(255, 0, 0);
    o.selectedBackground = rgbColour(0, 0, 128);
    o.selectedForeground = rgbColour(255, 255, 255);
    o.selectionMode = SelectionMode::Line;
    o.tabWidth = 4;
    o.wantTabs = false;
    return o;
}

TEST(EditorOptionsStore, RoundTripKeepsEveryStoredOption) {
    test::TempDir dir;
    const EditorOptions saved = changedOptions();
    {
        SettingsStore store(dir.file("store.ini"));
        saveEditorOptions(store, saved);
        ASSERT_TRUE(store.sync().isEmpty());
    }
    SettingsStore store(dir.file("store.ini"));
    EditorOptions loaded;
    loadEditorOptions(store, loaded);
    EXPECT_EQ(loaded, saved);
}

TEST(EditorOptionsStore, WritesTextValuesUnderTheFormKey) {
    test::TempDir dir;
    SettingsStore store(dir.file("store.ini"));
    EditorOptions o;
    o.font.style = StyleBold;    // not stored
    o.highlightCaretLine = true; // not stored
    saveEditorOptions(store, o);
    const struct {
        const char* name;
        const char* text;
    } cases[] = {
        {"FmwEdit.Cursor", "4"},
        {"FmwEdit.Color", "-2147483643"},
        {"FmwEdit.Font.Color", "-2147483640"},
        {"FmwEdit.Font.Height", "11"},
        {"FmwEdit.Font.Size", "8"},
        {"FmwEdit.Font.Name", "Courier New"},
        {"FmwEdit.Gutter.Width", "30"},
        {"FmwEdit.Gutter.Visible", "1"},
        {"FmwEdit.Gutter.ShowLineNumbers", "0"},
        {"FmwEdit.InsertMode", "1"},
        {"FmwEdit.RightEdge", "80"},
        {"FmwEdit.TabWidth", "8"},
        {"FmwEdit.InsertCaret", "0"},
        {"FmwEdit.SelectionMode", "0"},
        {"FmwEdit.MaxUndo", "10"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(store.readText(kKey, c.name).value_or("<missing>"), QString::fromLatin1(c.text)) << c.name;
    EXPECT_EQ(store.subKeys(QStringLiteral("\\Software\\Wertan PHP\\zkEditor")), QStringList{"FormEditOpts"});
    EXPECT_FALSE(store.valueExists(kKey, QStringLiteral("FmwEdit.Font.Style")));
}

TEST(EditorOptionsStore, MissingValuesLeaveOptionsAsTheyAre) {
    test::TempDir dir;
    SettingsStore store(dir.file("store.ini"));
    store.writeText(kKey, QStringLiteral("FmwEdit.TabWidth"), QStringLiteral("3"));
    EditorOptions o = changedOptions();
    const EditorOptions before = o;
    loadEditorOptions(store, o);
    EXPECT_EQ(o.tabWidth, 3);
    o.tabWidth = before.tabWidth;
    EXPECT_EQ(o, before);
}

TEST(EditorOptionsStore, UnreadableAndOutOfRangeValues) {
    const struct {
        const char* name;
        const char* text;
        int EditorOptions::*field;
        int expected; // the fresh value when the text is ignored
    } cases[] = {
        {"FmwEdit.TabWidth", "abc", &EditorOptions::tabWidth, 8},
        {"FmwEdit.TabWidth", "", &EditorOptions::tabWidth, 8},
        {"FmwEdit.TabWidth", "0", &EditorOptions::tabWidth, 1},
        {"FmwEdit.TabWidth", "500", &EditorOptions::tabWidth, 16},
        {"FmwEdit.RightEdge", "-5", &EditorOptions::rightEdge, 0},
        {"FmwEdit.RightEdge", "99999999999999", &EditorOptions::rightEdge, 80},
        {"FmwEdit.ExtraLineSpacing", "-1000", &EditorOptions::extraLineSpacing, -99},
        {"FmwEdit.Cursor", "77", &EditorOptions::cursor, 21},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        SettingsStore store(dir.file("store.ini"));
        store.writeText(kKey, QString::fromLatin1(c.name), QString::fromLatin1(c.text));
        EditorOptions o;
        loadEditorOptions(store, o);
        EXPECT_EQ(o.*(c.field), c.expected) << c.name << " = '" << c.text << "'";
    }
}

TEST(EditorOptionsStore, EnumerationsOutsideTheirValuesAreIgnored) {
    test::TempDir dir;
    SettingsStore store(dir.file("store.ini"));
    store.writeText(kKey, QStringLiteral("FmwEdit.InsertCaret"), QStringLiteral("4"));
    store.writeText(kKey, QStringLiteral("FmwEdit.SelectionMode"), QStringLiteral("-1"));
    store.writeText(kKey, QStringLiteral("FmwEdit.Font.Name"), QStringLiteral("   "));
    EditorOptions o;
    loadEditorOptions(store, o);
    EXPECT_EQ(o.insertCaret, CaretShape::VerticalLine);
    EXPECT_EQ(o.selectionMode, SelectionMode::Normal);
    EXPECT_EQ(o.font.name, QStringLiteral("Courier New"));
}

TEST(EditorOptionsStore, FontSizeDecidesOverHeightAndNegativeHeightIsCharacterHeight) {
    const struct {
        const char* height;
        const char* size;
        int pixels;
    } cases[] = {{"-13", nullptr, 13}, {"13", nullptr, 13}, {"11", "12", 16}, {nullptr, "8", 11}};
    for (const auto& c : cases) {
        test::TempDir dir;
        SettingsStore store(dir.file("store.ini"));
        if (c.height)
            store.writeText(kKey, QStringLiteral("FmwEdit.Font.Height"), QString::fromLatin1(c.height));
        if (c.size) store.writeText(kKey, QStringLiteral("FmwEdit.Font.Size"), QString::fromLatin1(c.size));
        EditorOptions o;
        o.font.pixelHeight = 30;
        loadEditorOptions(store, o);
        EXPECT_EQ(o.font.pixelHeight, c.pixels)
            << (c.height ? c.height : "-") << "/" << (c.size ? c.size : "-");
    }
}

TEST(EditorOptionsStore, ColoursReadBackFromSignedAndUnsignedText) {
    for (const char* text : {"-2147483643", "2147483653"}) {
        test::TempDir dir;
        SettingsStore store(dir.file("store.ini"));
        store.writeText(kKey, QStringLiteral("FmwEdit.Color"), QString::fromLatin1(text));
        EditorOptions o;
        o.colour = 0;
        loadEditorOptions(store, o);
        EXPECT_EQ(o.colour, systemColour(SystemColour::Window)) << text;
    }
}

TEST(EditorOptions, PagesCopyOnlyTheirOptions) {
    const EditorOptions from = changedOptions();
    EditorOptions to;
    copyPageOptions(from, to);
    // Copied.
    EXPECT_EQ(to.font, from.font);
    EXPECT_EQ(to.extraLineSpacing, from.extraLineSpacing);
    EXPECT_EQ(to.insertMode, from.insertMode);
    EXPECT_EQ(to.insertCaret, from.insertCaret);
    EXPECT_EQ(to.rightEdge, from.rightEdge);
    EXPECT_EQ(to.colour, from.colour);
    EXPECT_EQ(to.gutter.colour, from.gutter.colour);
    EXPECT_EQ(to.gutter.digitCount, from.gutter.digitCount);
    EXPECT_EQ(to.gutter.showLineNumbers, from.gutter.showLineNumbers);
    EXPECT_EQ(to.gutter.leadingZeros, from.gutter.leadingZeros);
    EXPECT_EQ(to.gutter.zeroStart, from.gutter.zeroStart);
    EXPECT_EQ(to.tabWidth, from.tabWidth);
    // Shown by the template only.
    const EditorOptions fresh;
    EXPECT_EQ(to.gutter.width, fresh.gutter.width);
    EXPECT_EQ(to.rightEdgeColour, fresh.rightEdgeColour);
    EXPECT_EQ(to.highlightCaretLine, fresh.highlightCaretLine);
    EXPECT_EQ(to.selectionMode, fresh.selectionMode);
    EXPECT_EQ(to.wantTabs, fresh.wantTabs);
    EXPECT_EQ(to.bookmarks, fresh.bookmarks);
}

} // namespace
} // namespace wertan
