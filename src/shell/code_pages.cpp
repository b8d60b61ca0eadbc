#include "shell/code_pages.h"

#include "text/text_utils.h"
#include "text/win1250.h"

namespace wertan {

namespace {

// ą Ą ś Ś ź Ź: the ISO-8859-2 byte and the Windows-1250 byte of each letter.
constexpr struct {
    unsigned char iso;
    unsigned char win;
} kDifferingLetters[] = {{0xB1, 0xB9}, {0xA1, 0xA5}, {0xB6, 0x9C}, {0xA6, 0x8C}, {0xBC, 0x9F}, {0xAC, 0x8F}};

ByteTable identity() {
    ByteTable table{};
    for (int b = 0; b < 256; ++b)
        table[std::size_t(b)] = static_cast<unsigned char>(b);
    return table;
}

ByteTable buildToWindows() {
    ByteTable table = identity();
    for (const auto& letter : kDifferingLetters)
        table[letter.iso] = letter.win;
    return table;
}

ByteTable buildToIso() {
    ByteTable table = identity();
    for (const auto& letter : kDifferingLetters)
        table[letter.win] = letter.iso;
    return table;
}

constexpr std::string_view kIsoMarker = "\"text/html;charset=iso-8859-2\"";
// The marker as the documents of the time wrote it, and the spelling of the program's own META line.
constexpr std::string_view kWindowsMarkers[] = {"\"text/html;charset=window-1250\"",
                                                "\"text/html;charset=windows-1250\""};

bool containsNoCase(std::string_view text, std::string_view marker) {
    // Markers are ASCII, so folding the text's ASCII letters is enough.
    return asciiLower(text).find(marker) != std::string::npos;
}

} // namespace

const ByteTable& toWindows1250Table() {
    static const ByteTable table = buildToWindows();
    return table;
}

const ByteTable& toIso88592Table() {
    static const ByteTable table = buildToIso();
    return table;
}

const ByteTable& tableFor(CodePage target) {
    return target == CodePage::Windows1250 ? toWindows1250Table() : toIso88592Table();
}

void convertInPlace(std::string& text, const ByteTable& table) {
    for (char& c : text)
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);
}

std::string convertBytes(std::string_view text, const ByteTable& table) {
    std::string out(text);
    convertInPlace(out, table);
    return out;
}

QString convertText(const QString& text, const ByteTable& table) {
    QString out = text;
    for (QChar& ch : out) {
        unsigned char byte = 0;
        // Surrogate halves have no byte in the code page and pass unchanged.
        if (unicodeToWin1250(ch.unicode(), &byte)) ch = QChar(win1250ToUnicode(table[byte]));
    }
    return out;
}

bool hasIso88592Marker(std::string_view text) {
    return containsNoCase(text, kIsoMarker);
}

bool hasWindows1250Marker(std::string_view text) {
    for (std::string_view marker : kWindowsMarkers)
        if (containsNoCase(text, marker)) return true;
    return false;
}

std::optional<CodePage> saveConversionFor(int saveConversion, std::string_view text) {
    switch (saveConversion) {
    case int(CodePage::Iso88592):
        return CodePage::Iso88592;
    case int(CodePage::Windows1250):
        return CodePage::Windows1250;
    case kNoFixedConversion:
        if (hasIso88592Marker(text)) return CodePage::Iso88592;
        if (hasWindows1250Marker(text)) return CodePage::Windows1250;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<CodePage> saveConversionFor(int saveConversion, const QString& text) {
    // The markers are ASCII: characters outside the code page cannot be part of one.
    return saveConversionFor(saveConversion, toWin1250(text));
}

} // namespace wertan
