#include "editor/colour_scheme.h"

#include "platform/settings_store.h"
#include "text/text_utils.h"

#include <algorithm>

namespace wertan {

namespace {

const QString kBackground = QStringLiteral("Background");
const QString kForeground = QStringLiteral("Foreground");
const QString kStyle = QStringLiteral("Style");

HighlighterAttribute attr(const char* name, ColourNumber foreground = kNoColour, int style = 0,
                          ColourNumber background = kNoColour) {
    return {name, background, foreground, style};
}

void sortAttributes(std::vector<HighlighterAttribute>& attributes) {
    std::stable_sort(attributes.begin(), attributes.end(),
                     [](const auto& a, const auto& b) { return asciiLower(a.name) < asciiLower(b.name); });
}

} // namespace

int ColourScheme::indexOf(std::string_view name) const {
    for (std::size_t i = 0; i < attributes.size(); ++i)
        if (attributes[i].name == name) return int(i);
    return -1;
}

QString schemeLanguageName(SchemeLanguage language) {
    switch (language) {
    case SchemeLanguage::Php:
        return QStringLiteral("PHP");
    case SchemeLanguage::Html:
        return QStringLiteral("HTML Document");
    case SchemeLanguage::Sql:
        return QStringLiteral("SQL");
    case SchemeLanguage::JavaScript:
        return QStringLiteral("Javascript");
    case SchemeLanguage::Css:
        return QStringLiteral("Cascading Stylesheets");
    case SchemeLanguage::VbScript:
        return QStringLiteral("MS VBScript");
    }
    return {};
}

std::optional<SchemeLanguage> schemeLanguageForName(const QString& name) {
    for (SchemeLanguage language : schemeLanguageOrder())
        if (schemeLanguageName(language) == name) return language;
    return std::nullopt;
}

QString schemeStoreName(SchemeLanguage language) {
    switch (language) {
    case SchemeLanguage::Php:
        return QStringLiteral("PHP");
    case SchemeLanguage::Html:
        return QStringLiteral("HTML");
    case SchemeLanguage::Sql:
        return QStringLiteral("SQL");
    case SchemeLanguage::JavaScript:
        return QStringLiteral("JavaScript");
    case SchemeLanguage::Css:
        return QStringLiteral("Css");
    case SchemeLanguage::VbScript:
        return QStringLiteral("VBS");
    }
    return {};
}

SchemeLanguage schemeLanguageFor(ColouringKind kind) {
    switch (kind) {
    case ColouringKind::Php:
        return SchemeLanguage::Php;
    case ColouringKind::Css:
        return SchemeLanguage::Css;
    case ColouringKind::Sql:
        return SchemeLanguage::Sql;
    case ColouringKind::Html:
        return SchemeLanguage::Html;
    case ColouringKind::JavaScript:
        return SchemeLanguage::JavaScript;
    }
    return SchemeLanguage::Php;
}

std::optional<ColouringKind> colouringKindFor(SchemeLanguage language) {
    switch (language) {
    case SchemeLanguage::Php:
        return ColouringKind::Php;
    case SchemeLanguage::Html:
        return ColouringKind::Html;
    case SchemeLanguage::Sql:
        return ColouringKind::Sql;
    case SchemeLanguage::JavaScript:
        return ColouringKind::JavaScript;
    case SchemeLanguage::Css:
        return ColouringKind::Css;
    case SchemeLanguage::VbScript:
        return std::nullopt;
    }
    return std::nullopt;
}

const std::array<SchemeLanguage, 6>& schemeLanguageOrder() {
    static const std::array<SchemeLanguage, 6> order{SchemeLanguage::Css,        SchemeLanguage::Php,
                                                     SchemeLanguage::JavaScript, SchemeLanguage::VbScript,
                                                     SchemeLanguage::Html,       SchemeLanguage::Sql};
    return order;
}

ColourScheme startingScheme(SchemeLanguage language) {
    const ColourNumber black = rgbColour(0, 0, 0);
    const ColourNumber red = rgbColour(255, 0, 0);
    ColourScheme scheme;
    scheme.language = language;
    auto& a = scheme.attributes;
    switch (language) {
    case SchemeLanguage::Php:
        a = {attr("Comment", rgbColour(128, 128, 128), StyleItalic),
             attr("Identifier"),
             attr("Invalid symbol", black),
             attr("Number", rgbColour(0, 128, 0)),
             attr("Reserved word", kNoColour, StyleBold),
             attr("Space"),
             attr("String", rgbColour(128, 0, 0)),
             attr("Symbol", red),
             attr("Variable")};
        break;
    case SchemeLanguage::Html:
        a = {attr("Asp", black, 0, rgbColour(255, 255, 0)),
             attr("Comment"),
             attr("Escape ampersand", rgbColour(0, 255, 0), StyleBold),
             attr("Identifier", kNoColour, StyleBold),
             attr("Reserved word", rgbColour(128, 0, 255), StyleBold),
             attr("Space"),
             attr("Symbol", kNoColour, StyleBold),
             attr("Text"),
             attr("Unknown word", red, StyleBold),
             attr("Value", rgbColour(0, 128, 255))};
        break;
    case SchemeLanguage::Sql:
        a = {attr("Comment", kNoColour, StyleItalic),     attr("Identifier"), attr("Number"),
             attr("Reserved word", kNoColour, StyleBold), attr("String"),     attr("Symbol")};
        break;
    case SchemeLanguage::JavaScript:
        a = {attr("Comment", rgbColour(255, 128, 0), StyleItalic),
             attr("Identifier"),
             attr("Number"),
             attr("Reserved word", kNoColour, StyleBold),
             attr("Space"),
             attr("String", rgbColour(64, 0, 0)),
             attr("Symbol")};
        break;
    case SchemeLanguage::Css:
        a = {attr("Comment", kNoColour, StyleItalic),
             attr("Identifier"),
             attr("Key", kNoColour, StyleBold),
             attr("Number"),
             attr("Space"),
             attr("String"),
             attr("Symbol")};
        break;
    case SchemeLanguage::VbScript:
        a = {attr("Comment", kNoColour, StyleItalic),
             attr("Identifier"),
             attr("Number"),
             attr("Reserved word", kNoColour, StyleBold),
             attr("Space"),
             attr("String"),
             attr("Symbol")};
        break;
    }
    sortAttributes(a);
    return scheme;
}

QString highlightersKey() {
    return QStringLiteral("\\Software\\Wertan PHP\\Highlighters");
}

QString schemeKey(SchemeLanguage language) {
    return highlightersKey() + QLatin1Char('\\') + schemeStoreName(language);
}

bool highlightersStored(const SettingsStore& store) {
    return store.keyExists(highlightersKey());
}

bool loadColourScheme(const SettingsStore& store, ColourScheme& scheme) {
    const QString key = schemeKey(scheme.language);
    if (!store.keyExists(key)) return false;
    for (auto& attribute : scheme.attributes) {
        const QString subKey = key + QLatin1Char('\\') + QString::fromStdString(attribute.name);
        if (!store.keyExists(subKey)) return false;
        if (const auto v = store.readInt(subKey, kBackground))
            attribute.background = ColourNumber(quint32(*v));
        if (const auto v = store.readInt(subKey, kForeground))
            attribute.foreground = ColourNumber(quint32(*v));
        if (const auto v = store.readInt(subKey, kStyle))
            attribute.style = *v & (StyleBold | StyleItalic | StyleUnderline | StyleStrikeOut);
    }
    return true;
}

bool saveColourScheme(SettingsStore& store, const ColourScheme& scheme) {
    const QString key = schemeKey(scheme.language);
    for (const auto& attribute : scheme.attributes) {
        const QString subKey = key + QLatin1Char('\\') + QString::fromStdString(attribute.name);
        store.writeInt(subKey, kBackground, qint32(attribute.background));
        store.writeInt(subKey, kForeground, qint32(attribute.foreground));
        store.writeInt(subKey, kStyle, qint32(attribute.style));
    }
    return store.sync().isEmpty();
}

} // namespace wertan
