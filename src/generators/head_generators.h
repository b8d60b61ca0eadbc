#pragma once
// The META section of a document head, the document type declarations, the FONT and BASEFONT
// element and a colour value. Texts are Windows-1250 bytes.
#include "generators/form_elements.h"

#include <QDate>
#include <array>
#include <cstdint>
#include <string>

namespace wertan {

// "(Nie określaj)": the language entry that writes no Language line.
extern const char* const kLanguageUnspecified;
// The language list of the META dialog, "(Nie określaj)" first.
extern const std::array<const char*, 6> kMetaLanguages;
extern const std::array<const char*, 2> kMetaCharsets;

struct MetaOptions {
    std::string charset = "windows-1250";
    std::string language = kLanguageUnspecified;
    std::string author;
    std::string email;
    QDate date{2000, 12, 3};
    int refreshSeconds = 0;
    std::string refreshPage;
    // The description as typed, line breaks as CR LF.
    std::string description;
    bool generatorInfo = false;
};

// The language code of a META Language line: the code of a listed language name, the text itself
// for anything else typed (a code such as "cs"), nothing for "(Nie określaj)" or an empty text.
std::string metaLanguageCode(const std::string& language);
// The Creation-Date value: the date as year-month-day ("2000-12-03").
std::string metaDateText(const QDate& date);
GeneratedLines metaLines(const MetaOptions& options, bool lowerCaseTags);

// The seven document type declarations, in the order of the list; written exactly as they stand.
const std::array<std::string, 7>& documentTypes();

// The sixteen basic HTML colours by their English names, in the order of the list, with their
// colour numbers (red in the low byte) for the swatches.
struct BasicColour {
    const char* name;
    std::uint32_t colour;
};
extern const std::array<BasicColour, 16> kBasicColours;

// "Pomiń", "Zmniejsz o", "Ustaw na", "Zwiększ o": the size choices of the font window.
extern const std::array<const char*, 4> kFontSizeModes;

struct FontOptions {
    std::string face;
    // The colour source: the swatch chosen with "Dodatkowy..." or the basic colour list.
    bool colourFromSwatch = false;
    std::uint32_t swatchColour = 0;
    std::string basicColour = "Black";
    std::string sizeMode = kFontSizeModes[1];
    int size = 7;
    bool baseFont = false;
};

std::string fontText(const FontOptions& options, bool lowerCaseTags);

// "#RRGGBB" of a colour number (red in the low byte).
std::string colourText(std::uint32_t colour);

} // namespace wertan
