// Colour schemes: attributes and starting values per language, and their settings-store layout.
#include "editor/colour_scheme.h"
#include "platform/settings_store.h"
#include "support/temp_dir.h"
#include "text/text_utils.h"

#include <gtest/gtest.h>

namespace wertan {
namespace {

std::vector<std::string> namesOf(const ColourScheme& scheme) {
    std::vector<std::string> names;
    for (const auto& a : scheme.attributes)
        names.push_back(a.name);
    return names;
}

TEST(ColourScheme, LanguagesNamesAndStoreKeys) {
    const struct {
        SchemeLanguage language;
        const char* name;
        const char* store;
        std::vector<std::string> attributes;
    } cases[] = {
        {SchemeLanguage::Php,
         "PHP",
         "PHP",
         {"Comment", "Identifier", "Invalid symbol", "Number", "Reserved word", "Space", "String", "Symbol",
          "Variable"}},
        {SchemeLanguage::Html,
         "HTML Document",
         "HTML",
         {"Asp", "Comment", "Escape ampersand", "Identifier", "Reserved word", "Space", "Symbol", "Text",
          "Unknown word", "Value"}},
        {SchemeLanguage::Sql,
         "SQL",
         "SQL",
         {"Comment", "Identifier", "Number", "Reserved word", "String", "Symbol"}},
        {SchemeLanguage::JavaScript,
         "Javascript",
         "JavaScript",
         {"Comment", "Identifier", "Number", "Reserved word", "Space", "String", "Symbol"}},
        {SchemeLanguage::Css,
         "Cascading Stylesheets",
         "Css",
         {"Comment", "Identifier", "Key", "Number", "Space", "String", "Symbol"}},
        {SchemeLanguage::VbScript,
         "MS VBScript",
         "VBS",
         {"Comment", "Identifier", "Number", "Reserved word", "Space", "String", "Symbol"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(schemeLanguageName(c.language), QString::fromLatin1(c.name));
        EXPECT_EQ(schemeLanguageForName(QString::fromLatin1(c.name)), c.language);
        EXPECT_EQ(schemeStoreName(c.language), QString::fromLatin1(c.store));
        EXPECT_EQ(schemeKey(c.language), QStringLiteral("\\Software\\Wertan PHP\\Highlighters\\") + c.store);
        const ColourScheme scheme = startingScheme(c.language);
        EXPECT_EQ(scheme.language, c.language);
        EXPECT_EQ(namesOf(scheme), c.attributes) << c.name;
        for (std::size_t i = 1; i < scheme.attributes.size(); ++i)
            EXPECT_LT(asciiLower(scheme.attributes[i - 1].name), asciiLower(scheme.attributes[i].name));
    }
}

TEST(ColourScheme, DialogAndSaveOrder) {
    const std::array<SchemeLanguage, 6> expected{SchemeLanguage::Css,        SchemeLanguage::Php,
                                                 SchemeLanguage::JavaScript, SchemeLanguage::VbScript,
                                                 SchemeLanguage::Html,       SchemeLanguage::Sql};
    EXPECT_EQ(schemeLanguageOrder(), expected);
}

TEST(ColourScheme, KindsMapToTheirLanguages) {
    for (int k = 0; k <= 4; ++k) {
        const auto kind = ColouringKind(k);
        EXPECT_EQ(schemeLanguageName(schemeLanguageFor(kind)), languageName(kind));
        EXPECT_EQ(colouringKindFor(schemeLanguageFor(kind)), kind);
    }
    EXPECT_EQ(colouringKindFor(SchemeLanguage::VbScript), std::nullopt);
}

TEST(ColourScheme, StartingValues) {
    const ColourNumber none = kNoColour;
    const struct {
        SchemeLanguage language;
        const char* attribute;
        ColourNumber foreground;
        ColourNumber background;
        int style;
    } cases[] = {
        {SchemeLanguage::Php, "Comment", rgbColour(128, 128, 128), none, StyleItalic},
        {SchemeLanguage::Php, "Identifier", none, none, 0},
        {SchemeLanguage::Php, "Invalid symbol", rgbColour(0, 0, 0), none, 0},
        {SchemeLanguage::Php, "Number", rgbColour(0, 128, 0), none, 0},
        {SchemeLanguage::Php, "Reserved word", none, none, StyleBold},
        {SchemeLanguage::Php, "String", rgbColour(128, 0, 0), none, 0},
        {SchemeLanguage::Php, "Symbol", rgbColour(255, 0, 0), none, 0},
        {SchemeLanguage::Php, "Variable", none, none, 0},
        {SchemeLanguage::Html, "Asp", rgbColour(0, 0, 0), rgbColour(255, 255, 0), 0},
        {SchemeLanguage::Html, "Escape ampersand", rgbColour(0, 255, 0), none, StyleBold},
        {SchemeLanguage::Html, "Identifier", none, none, StyleBold},
        {SchemeLanguage::Html, "Reserved word", rgbColour(128, 0, 255), none, StyleBold},
        {SchemeLanguage::Html, "Symbol", none, none, StyleBold},
        {SchemeLanguage::Html, "Text", none, none, 0},
        {SchemeLanguage::Html, "Unknown word", rgbColour(255, 0, 0), none, StyleBold},
        {SchemeLanguage::Html, "Value", rgbColour(0, 128, 255), none, 0},
        {SchemeLanguage::Sql, "Comment", none, none, StyleItalic},
        {SchemeLanguage::Sql, "Reserved word", none, none, StyleBold},
        {SchemeLanguage::Sql, "String", none, none, 0},
        {SchemeLanguage::JavaScript, "Comment", rgbColour(255, 128, 0), none, StyleItalic},
        {SchemeLanguage::JavaScript, "Reserved word", none, none, StyleBold},
        {SchemeLanguage::JavaScript, "String", rgbColour(64, 0, 0), none, 0},
        {SchemeLanguage::Css, "Comment", none, none, StyleItalic},
        {SchemeLanguage::Css, "Key", none, none, StyleBold},
        {SchemeLanguage::VbScript, "Comment", none, none, StyleItalic},
        {SchemeLanguage::VbScript, "Reserved word", none, none, StyleBold},
    };
    for (const auto& c : cases) {
        const ColourScheme scheme = startingScheme(c.language);
        const int i = scheme.indexOf(c.attribute);
        ASSERT_GE(i, 0) << c.attribute;
        const auto& a = scheme.attributes[std::size_t(i)];
        EXPECT_EQ(a.foreground, c.foreground)
            << schemeLanguageName(c.language).toStdString() << " " << c.attribute;
        EXPECT_EQ(a.background, c.background)
            << schemeLanguageName(c.language).toStdString() << " " << c.attribute;
        EXPECT_EQ(a.style, c.style) << schemeLanguageName(c.language).toStdString() << " " << c.attribute;
    }
}

ColourScheme recoloured(SchemeLanguage language) {
    ColourScheme scheme = startingScheme(language);
    int n = 1;
    for (auto& a : scheme.attributes) {
        a.foreground = rgbColour(n, 2 * n, 3 * n);
        a.background = n % 2 ? kNoColour : systemColour(SystemColour::Window);
        a.style = n % 16;
        ++n;
    }
    return scheme;
}

TEST(ColourSchemeStore, RoundTripOfEveryLanguage) {
    test::TempDir dir;
    SettingsStore store(dir.file("store.ini"));
    for (SchemeLanguage language : schemeLanguageOrder())
        ASSERT_TRUE(saveColourScheme(store, recoloured(language)));
    SettingsStore reopened(dir.file("store.ini"));
    EXPECT_TRUE(highlightersStored(reopened));
    for (SchemeLanguage language : schemeLanguageOrder()) {
        ColourScheme loaded = startingScheme(language);
        EXPECT_TRUE(loadColourScheme(reopened, loaded));
        EXPECT_EQ(loaded, recoloured(language));
    }
}

TEST(ColourSchemeStore, LayoutIsOneSubkeyPerAttributeWithThreeIntegers) {
    test::TempDir dir;
    SettingsStore store(dir.file("store.ini"));
    ColourScheme php = startingScheme(SchemeLanguage::Php);
    php.attributes[size_t(php.indexOf("Reserved word"))].style = StyleBold | StyleUnderline;
    ASSERT_TRUE(saveColourScheme(store, php));
    QStringList expectedKeys;
    for (const auto& a : php.attributes)
        expectedKeys << QString::fromStdString(a.name);
    QStringList keys = store.subKeys(QStringLiteral("\\Software\\Wertan PHP\\Highlighters\\PHP"));
    keys.sort();
    expectedKeys.sort();
    EXPECT_EQ(keys, expectedKeys);
    const QString reserved = QStringLiteral("\\Software\\Wertan PHP\\Highlighters\\PHP\\Reserved word");
    EXPECT_EQ(store.readInt(reserved, QStringLiteral("Style")), 5);
    EXPECT_EQ(store.readInt(reserved, QStringLiteral("Foreground")), qint32(0x1FFFFFFF));
    EXPECT_EQ(store.readInt(reserved, QStringLiteral("Background")), qint32(0x1FFFFFFF));
    const QString string = QStringLiteral("\\Software\\Wertan PHP\\Highlighters\\PHP\\String");
    EXPECT_EQ(store.readInt(string, QStringLiteral("Foreground")), 128); // red in the low byte
}

TEST(ColourSchemeStore, MissingSchemeKeyFails) {
    test::TempDir dir;
    SettingsStore store(dir.file("store.ini"));
    ASSERT_TRUE(saveColourScheme(store, recoloured(SchemeLanguage::Css)));
    ColourScheme php = startingScheme(SchemeLanguage::Php);
    EXPECT_FALSE(loadColourScheme(store, php));
    EXPECT_EQ(php, startingScheme(SchemeLanguage::Php));
}

TEST(ColourSchemeStore, MissingAttributeStopsTheLoadThere) {
    test::TempDir dir;
    SettingsStore store(dir.file("store.ini"));
    ASSERT_TRUE(saveColourScheme(store, recoloured(SchemeLanguage::Php)));
    store.removeKey(QStringLiteral("\\Software\\Wertan PHP\\Highlighters\\PHP\\Number"));
    ColourScheme php = startingScheme(SchemeLanguage::Php);
    EXPECT_FALSE(loadColourScheme(store, php));
    const ColourScheme stored = recoloured(SchemeLanguage::Php);
    const ColourScheme starting = startingScheme(SchemeLanguage::Php);
    const int number = php.indexOf("Number");
    for (int i = 0; i < int(php.attributes.size()); ++i)
        EXPECT_EQ(php.attributes[size_t(i)], (i < number ? stored : starting).attributes[size_t(i)])
            << php.attributes[size_t(i)].name;
}

TEST(ColourSchemeStore, MissingValuesOfAPresentAttributeKeepTheirValues) {
    test::TempDir dir;
    SettingsStore store(dir.file("store.ini"));
    ASSERT_TRUE(saveColourScheme(store, startingScheme(SchemeLanguage::Sql)));
    const QString comment = QStringLiteral("\\Software\\Wertan PHP\\Highlighters\\SQL\\Comment");
    store.removeKey(comment);
    store.writeInt(comment, QStringLiteral("Foreground"), 255);
    ColourScheme sql = startingScheme(SchemeLanguage::Sql);
    EXPECT_TRUE(loadColourScheme(store, sql));
    const auto& a = sql.attributes[size_t(sql.indexOf("Comment"))];
    EXPECT_EQ(a.foreground, ColourNumber(255));
    EXPECT_EQ(a.background, kNoColour);
    EXPECT_EQ(a.style, StyleItalic);
}

TEST(ColourSchemeStore, UnwritableStoreReportsFailure) {
    test::TempDir dir;
    // A folder where the store's file should be cannot be written.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("store.ini")));
    SettingsStore store(dir.file("store.ini"));
    EXPECT_FALSE(saveColourScheme(store, startingScheme(SchemeLanguage::Php)));
}

} // namespace
} // namespace wertan
