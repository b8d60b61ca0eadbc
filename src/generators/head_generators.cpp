#include "generators/head_generators.h"

#include "text/tag_case.h"
#include "text/text_utils.h"

namespace wertan {

const char* const kLanguageUnspecified = "(Nie okre\x9C"
                                         "laj)";
const std::array<const char*, 6> kMetaLanguages = {kLanguageUnspecified,       "Polski",    "Angielski",
                                                   "Ameryka\xF1ski angielski", "Niemiecki", "Francuski"};
const std::array<const char*, 2> kMetaCharsets = {"windows-1250", "iso-8859-2"};

const std::array<BasicColour, 16> kBasicColours = {{{"Black", 0x000000},
                                                    {"Maroon", 0x000080},
                                                    {"Green", 0x008000},
                                                    {"Olive", 0x008080},
                                                    {"Navy", 0x800000},
                                                    {"Purple", 0x800080},
                                                    {"Teal", 0x808000},
                                                    {"Gray", 0x808080},
                                                    {"Silver", 0xC0C0C0},
                                                    {"Red", 0x0000FF},
                                                    {"Lime", 0x00FF00},
                                                    {"Yellow", 0x00FFFF},
                                                    {"Blue", 0xFF0000},
                                                    {"Fuchsia", 0xFF00FF},
                                                    {"Aqua", 0xFFFF00},
                                                    {"White", 0xFFFFFF}}};

const std::array<const char*, 4> kFontSizeModes = {"Pomi\xF1", "Zmniejsz o", "Ustaw na",
                                                   "Zwi\xEA"
                                                   "ksz o"};

namespace {

// <META NAME="name" CONTENT="value">: the attribute names tag-cased, the quoted name never.
std::string metaLine(const char* kindPiece, const char* name, const std::string& value, bool lower) {
    return applyTagCase("<META", lower) + " " + applyTagCase(kindPiece, lower) + "\"" + name + "\" " +
           applyTagCase("CONTENT=", lower) + "\"" + value + "\">";
}

} // namespace

std::string metaLanguageCode(const std::string& language) {
    if (language.empty() || language == kLanguageUnspecified) return {};
    for (std::size_t i = 1; i < kMetaLanguages.size(); ++i)
        if (language == kMetaLanguages[i]) return languageToCode(language);
    return language;
}

std::string metaDateText(const QDate& date) {
    return date.toString(QStringLiteral("yyyy-MM-dd")).toStdString();
}

GeneratedLines metaLines(const MetaOptions& o, bool lower) {
    GeneratedLines lines;
    if (!o.charset.empty())
        lines.push_back(metaLine("HTTP-EQUIV=", "content-type", "text/html;charset=" + o.charset, lower));
    if (!o.description.empty()) lines.push_back(metaLine("NAME=", "Description", o.description, lower));
    if (const std::string code = metaLanguageCode(o.language); !code.empty())
        lines.push_back(metaLine("NAME=", "Language", code, lower));
    if (!o.author.empty()) lines.push_back(metaLine("NAME=", "Author", o.author, lower));
    if (!o.email.empty()) lines.push_back(metaLine("HTTP-EQUIV=", "Reply-to", o.email, lower));
    if (o.generatorInfo) lines.push_back(metaLine("NAME=", "Generator", "Wertan PHP 2000", lower));
    lines.push_back(metaLine("HTTP-EQUIV=", "Creation-Date", metaDateText(o.date), lower));
    if (o.refreshSeconds > 0) {
        std::string content = std::to_string(o.refreshSeconds);
        if (!o.refreshPage.empty()) content += "; url=" + o.refreshPage;
        lines.push_back(metaLine("HTTP-EQUIV=", "Refresh", content, lower));
    }
    return lines;
}

const std::array<std::string, 7>& documentTypes() {
    static const std::array<std::string, 7> types = {
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Final//EN\">",
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">",
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">",
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Draft//EN\">",
        "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN//3.2\">",
        "<!DOCTYPE HTML PUBLIC  \"-//IETF//DTD HTML 2.0//EN\">",
        "<!DOCTYPE HTML PUBLIC  \"-//IETF//DTD HTML Level 1//EN\">"};
    return types;
}

std::string fontText(const FontOptions& o, bool lower) {
    std::string text = applyTagCase(o.baseFont ? "<BASEFONT" : "<FONT", lower);
    if (!o.face.empty() && o.face != " ") text += " " + applyTagCase("FACE=", lower) + "\"" + o.face + "\"";
    text += " " + applyTagCase("COLOR=", lower) + "\"" +
            (o.colourFromSwatch ? "#" + colorToHtmlHex(o.swatchColour) : o.basicColour) + "\"";
    const std::string mode = asciiLower(o.sizeMode);
    const std::string n = std::to_string(o.size);
    std::string size;
    if (mode == asciiLower(kFontSizeModes[1]))
        size = "-" + n;
    else if (mode == asciiLower(kFontSizeModes[2]))
        size = n;
    else if (mode == asciiLower(kFontSizeModes[3]))
        size = "+" + n;
    if (!size.empty()) text += " " + applyTagCase("SIZE=", lower) + "\"" + size + "\"";
    text += ">";
    if (!o.baseFont) text += "   " + applyTagCase("</FONT>", lower);
    return text;
}

std::string colourText(std::uint32_t colour) {
    return "#" + colorToHtmlHex(colour);
}

} // namespace wertan
