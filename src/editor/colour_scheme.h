#pragma once
// Colour schemes: the named attributes of each colouring language with their colours and styles,
// their starting values, and their layout in the settings store.
#include "editor/colour_number.h"
#include "editor/colouring_kind.h"

#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace wertan {

class SettingsStore;

struct HighlighterAttribute {
    std::string name;
    ColourNumber background = kNoColour;
    ColourNumber foreground = kNoColour;
    int style = 0; // StyleBits: 1 bold, 2 italic, 4 underline, 8 strike-out
    bool operator==(const HighlighterAttribute&) const = default;
};

// The six colouring languages of the options; VBScript is edited and stored but colours no page.
enum class SchemeLanguage { Php, Html, Sql, JavaScript, Css, VbScript };

struct ColourScheme {
    SchemeLanguage language = SchemeLanguage::Php;
    // In alphabetical order of their names, letter case ignored.
    std::vector<HighlighterAttribute> attributes;

    // Index of the attribute with this exact name, or -1.
    int indexOf(std::string_view name) const;
    bool operator==(const ColourScheme&) const = default;
};

// "PHP", "HTML Document", "SQL", "Javascript", "Cascading Stylesheets", "MS VBScript".
QString schemeLanguageName(SchemeLanguage language);
std::optional<SchemeLanguage> schemeLanguageForName(const QString& name);
// The name of the scheme's key under the Highlighters key: "PHP", "HTML", "SQL", "JavaScript", "Css", "VBS".
QString schemeStoreName(SchemeLanguage language);
SchemeLanguage schemeLanguageFor(ColouringKind kind);
std::optional<ColouringKind> colouringKindFor(SchemeLanguage language);

// The order of the options dialog's language list, which is also the order schemes are saved in:
// CSS, PHP, JavaScript, VBScript, HTML, SQL.
const std::array<SchemeLanguage, 6>& schemeLanguageOrder();

ColourScheme startingScheme(SchemeLanguage language);

QString highlightersKey();
QString schemeKey(SchemeLanguage language);

// Whether anything of the colour schemes has ever been stored.
bool highlightersStored(const SettingsStore& store);

// Reads one scheme over the given one, attribute by attribute in order. False when the scheme's key
// or one of its attribute subkeys is missing; the attributes read before that keep what was read,
// the rest keep their values.
bool loadColourScheme(const SettingsStore& store, ColourScheme& scheme);
// Writes the scheme's key with one subkey per attribute; false when the store could not be written.
bool saveColourScheme(SettingsStore& store, const ColourScheme& scheme);

} // namespace wertan
