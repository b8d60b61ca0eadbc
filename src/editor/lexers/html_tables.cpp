#include "editor/lexers/html_tables.h"

#include "editor/lexers/lexer_support.h"

#include <array>
#include <cstdint>

namespace wertan::lexers {

namespace {

// clang-format off
constexpr std::string_view kTagNames[] = {
    "!DOCTYPE", "A", "ABBR", "ACRONYM", "ADDRESS", "APPLET", "AREA", "B", "BASE", "BASEFONT", "BGSOUND",
    "BIG", "BLINK", "BLOCKQUOTE", "BODY", "BR", "BUTTON", "CAPTION", "CENTER", "CITE", "CODE", "COL",
    "COLGROUP", "COMMENT", "DD", "DEL", "DFN", "DIR", "DIV", "DL", "DT", "EM", "EMBED", "FIELDSET", "FONT",
    "FORM", "FRAME", "FRAMESET", "H1", "H2", "H3", "H4", "H5", "H6", "HEAD", "HR", "HTML", "I", "IFRAME",
    "ILAYER", "IMG", "INPUT", "INS", "ISINDEX", "KBD", "KEYGEN", "LABEL", "LAYER", "LEGEND", "LI", "LINK",
    "LISTING", "MAP", "MARQUEE", "MENU", "META", "MULTICOL", "NEXTID", "NOBR", "NOEMBED", "NOFRAMES",
    "NOLAYER", "NOSCRIPT", "OBJECT", "OL", "OPTION", "P", "PARAM", "PLAINTEXT", "PRE", "Q", "S", "SAMP",
    "SCRIPT", "SELECT", "SERVER", "SMALL", "SPACER", "SPAN", "STRIKE", "STRONG", "STYLE", "SUB", "SUP",
    "TABLE", "TBODY", "TD", "TEXTAREA", "TFOOT", "TH", "THEAD", "TITLE", "TR", "TT", "U", "UL", "VAR", "WBR",
    "XMP",
    // Closing forms exist only for these names.
    "/A", "/ABBR", "/ACRONYM", "/ADDRESS", "/APPLET", "/B", "/BIG", "/BLINK", "/BLOCKQUOTE", "/BODY",
    "/BUTTON", "/CAPTION", "/CENTER", "/CITE", "/CODE", "/COLGROUP", "/COMMENT", "/DD", "/DEL", "/DFN",
    "/DIR", "/DIV", "/DL", "/DT", "/EM", "/EMBED", "/FIELDSET", "/FONT", "/FORM", "/FRAMESET", "/H1", "/H2",
    "/H3", "/H4", "/H5", "/H6", "/HEAD", "/HTML", "/I", "/IFRAME", "/ILAYER", "/INS", "/KBD", "/LABEL",
    "/LAYER", "/LEGEND", "/LI", "/LISTING", "/MAP", "/MARQUEE", "/MENU", "/MULTICOL", "/NOBR", "/NOEMBED",
    "/NOFRAMES", "/NOLAYER", "/NOSCRIPT", "/OBJECT", "/OL", "/OPTION", "/P", "/PRE", "/Q", "/S", "/SAMP",
    "/SCRIPT", "/SELECT", "/SERVER", "/SMALL", "/SPAN", "/STRIKE", "/STRONG", "/STYLE", "/SUB", "/SUP",
    "/TABLE", "/TBODY", "/TD", "/TEXTAREA", "/TFOOT", "/TH", "/THEAD", "/TITLE", "/TR", "/TT", "/U", "/UL",
    "/VAR", "/XMP",
};
// clang-format on

// clang-format off
constexpr std::string_view kEntities[] = {
    "&amp;", "&lt;", "&gt;", "&quot;", "&trade;", "&nbsp;", "&copy;", "&reg;", "&Agrave;", "&Aacute;",
    "&Acirc;", "&Atilde;", "&Auml;", "&Aring;", "&AElig;", "&Ccedil;", "&Egrave;", "&Eacute;", "&Ecirc;",
    "&Euml;", "&Igrave;", "&Iacute;", "&Icirc;", "&Iuml;", "&ETH;", "&Ntilde;", "&Ograve;", "&Oacute;",
    "&Ocirc;", "&Otilde;", "&Ouml;", "&Oslash;", "&Ugrave;", "&Uacute;", "&Ucirc;", "&Uuml;", "&Yacute;",
    "&THORN;", "&szlig;", "&agrave;", "&aacute;", "&acirc;", "&atilde;", "&auml;", "&aring;", "&aelig;",
    "&ccedil;", "&egrave;", "&eacute;", "&ecirc;", "&euml;", "&igrave;", "&iacute;", "&icirc;", "&iuml;",
    "&eth;", "&ntilde;", "&ograve;", "&oacute;", "&ocirc;", "&otilde;", "&ouml;", "&oslash;", "&ugrave;",
    "&uacute;", "&ucirc;", "&uuml;", "&yacute;", "&thorn;", "&yuml;", "&iexcl;", "&cent;", "&pound;",
    "&curren;", "&yen;", "&brvbar;", "&sect;", "&uml;", "&ordf;", "&laquo;", "&shy;", "&macr;", "&deg;",
    "&plusmn;", "&sup2;", "&sup3;", "&acute;", "&micro;", "&middot;", "&cedil;", "&sup1;", "&ordm;",
    "&raquo;", "&frac14;", "&frac12;", "&frac34;", "&iquest;", "&times;", "&divide", "&euro;", "&#9;",
    "&#127;", "&#128;", "&#129;", "&#130;", "&#131;", "&#132;", "&ldots;", "&#134;", "&#135;", "&#136;",
    "&#137;", "&#138;", "&#139;", "&#140;", "&#141;", "&#142;", "&#143;", "&#144;", "&#152;", "&#153;",
    "&#154;", "&#155;", "&#156;", "&#157;", "&#158;", "&#159;", "&#161;", "&#162;", "&#163;", "&#164;",
    "&#165;", "&#166;", "&#167;", "&#168;", "&#170;", "&#175;", "&#176;", "&#177;", "&#178;", "&#180;",
    "&#181;", "&#183;", "&#184;", "&#185;", "&#186;", "&#188;", "&#189;", "&#190;", "&#191;", "&#215;",
};
// clang-format on

using detail::Byte;
using detail::kFoldLower;

// Entities are bucketed by the two folded bytes after the ampersand; a bucket keeps list order, so
// trying its entries in turn still lets the first match of the whole list win.
constexpr std::size_t kBucketBits = 6;
constexpr std::size_t kBucketCount = std::size_t(1) << (2 * kBucketBits);
constexpr std::size_t kEntityCount = std::size(kEntities);

constexpr std::size_t BucketOf(Byte first, Byte second) {
    constexpr std::size_t mask = (std::size_t(1) << kBucketBits) - 1;
    return ((kFoldLower[first] & mask) << kBucketBits) | (kFoldLower[second] & mask);
}

struct EntityIndex {
    std::array<std::uint16_t, kBucketCount + 1> begin{};
    std::array<std::uint8_t, kEntityCount> entries{};
};

constexpr EntityIndex kEntityIndex = [] {
    EntityIndex index{};
    std::array<std::uint16_t, kBucketCount + 1> count{};
    for (std::string_view entity : kEntities)
        ++count[BucketOf(Byte(entity[1]), Byte(entity[2])) + 1];
    for (std::size_t b = 0; b < kBucketCount; ++b)
        count[b + 1] = std::uint16_t(count[b + 1] + count[b]);
    index.begin = count;
    std::array<std::uint16_t, kBucketCount + 1> fill = count;
    for (std::size_t i = 0; i < kEntityCount; ++i) {
        const std::size_t bucket = BucketOf(Byte(kEntities[i][1]), Byte(kEntities[i][2]));
        index.entries[fill[bucket]++] = std::uint8_t(i);
    }
    return index;
}();

static_assert(std::size(kTagNames) == 198);
static_assert(kEntityCount == 151);

} // namespace

std::span<const std::string_view> htmlTagNames() {
    return kTagNames;
}
std::span<const std::string_view> htmlEntities() {
    return kEntities;
}

namespace detail {

std::size_t matchHtmlEntity(const Byte* text, std::size_t available) noexcept {
    if (available < 3) return 0;
    const std::size_t bucket = BucketOf(text[1], text[2]);
    for (std::size_t i = kEntityIndex.begin[bucket]; i < kEntityIndex.begin[bucket + 1]; ++i) {
        const std::string_view entity = kEntities[kEntityIndex.entries[i]];
        if (entity.size() > available) continue;
        std::size_t k = 1;
        while (k < entity.size() && kFoldLower[Byte(entity[k])] == kFoldLower[text[k]])
            ++k;
        if (k == entity.size()) return k;
    }
    return 0;
}

bool isHtmlTagName(const Byte* text, std::size_t length) noexcept {
    static const KeywordSet set{kTagNames};
    return set.contains(text, length);
}

} // namespace detail

} // namespace wertan::lexers
