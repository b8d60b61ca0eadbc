#include "text/text_utils.h"

#include <cstdio>

namespace wertan {

namespace {
char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}
char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}
int len8(std::string_view text) {
    return int(text.size() % 256);
}
// Character at a 1-based position, or nothing past the end.
bool charAt(std::string_view text, int position, char* out) {
    if (position < 1 || std::size_t(position) > text.size()) return false;
    *out = text[std::size_t(position - 1)];
    return true;
}
} // namespace

std::string boolToText(bool flag) {
    return flag ? "True" : "False";
}

bool textToBool(std::string_view text) {
    const std::string upper = asciiUpper(text);
    return upper == "TRUE" || upper == "TAK";
}

std::string asciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = lowerAscii(c);
    return out;
}

std::string asciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = upperAscii(c);
    return out;
}

int findTextNoCase(std::string_view needle, std::string_view line, int start) {
    start &= 0xFF;
    const std::string lowNeedle = asciiLower(needle);
    const int lineLength = len8(line);
    if (lineLength < start) return -1;
    const int needleLength = len8(lowNeedle);
    if (needleLength == 0 || line.empty()) return -1;
    // The candidate count is an 8-bit number: L - start + 1 candidates, wrapping at 256.
    const int candidates = (lineLength - start + 1) & 0xFF;
    for (int k = 0; k < candidates; ++k) {
        const int p = start + k;
        if (p < 1) continue; // position 0 never matches
        bool match = true;
        for (int i = 1; i <= needleLength; ++i) {
            char c = 0;
            if (!charAt(line, p + i - 1, &c) || lowerAscii(c) != lowNeedle[std::size_t(i - 1)]) {
                match = false;
                break;
            }
        }
        if (match) return p;
    }
    return -1;
}

std::string copyRange(std::string_view text, int start, int count) {
    if (text.empty()) return {};
    start &= 0xFF;
    count &= 0xFF;
    if (count == 0) count = (len8(text) - start) & 0xFF;
    const int end = (start + count) & 0xFF;
    if (end < start) return {};
    std::string out;
    for (int p = start; p <= end; ++p) {
        char c = 0;
        if (charAt(text, p, &c)) out.push_back(c);
    }
    return out;
}

std::string extractBetween(char open, char close, std::string_view text, int start) {
    start &= 0xFF;
    const std::string low = asciiLower(text);
    const int length = len8(low);
    if (length < start) return {};
    std::string collected;
    bool inside = false;
    for (int p = start; p <= length; ++p) {
        char c = 0;
        if (!charAt(low, p, &c)) continue;
        if (c == close && inside) return collected;
        if (inside) collected.push_back(c);
        if (c == open && !inside) inside = true;
    }
    return {};
}

std::string reverseHexPairs(std::string_view text) {
    // A shorter text gives what its pairs hold, as a copy past the end gives nothing.
    auto pair = [&](std::size_t at) { return at < text.size() ? text.substr(at, 2) : std::string_view(); };
    std::string out;
    out += pair(4);
    out += pair(2);
    out += pair(0);
    return out;
}

std::string colorToHtmlHex(std::uint32_t color) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%06X", color);
    // The number reads blue, green, red; the first six digits are reordered to red, green, blue.
    return reverseHexPairs(std::string_view(digits, 6));
}

std::string languageToCode(std::string_view name) {
    // The names are Windows-1250 bytes: "Amerykański" carries 0xF1 for the small n with acute.
    if (name == "Polski") return "pl";
    if (name == "Angielski") return "en";
    if (name == "Ameryka\xF1ski angielski") return "en-us";
    if (name == "Niemiecki") return "de";
    if (name == "Francuski") return "fr";
    return "pl";
}

std::string extractUrlFileName(std::string_view path) {
    const auto pos = path.find_last_of("/:");
    if (pos == std::string_view::npos) return std::string(path);
    return std::string(path.substr(pos + 1));
}

std::string extractDosPath(std::string_view path) {
    const auto pos = path.find_last_of("\\:");
    if (pos == std::string_view::npos) return {};
    return std::string(path.substr(0, pos + 1));
}

std::string removeChar(char ch, std::string_view text) {
    std::string out;
    const int length = len8(text);
    for (int p = 1; p <= length; ++p)
        if (text[std::size_t(p - 1)] != ch) out.push_back(text[std::size_t(p - 1)]);
    return out;
}

TextGrid::TextGrid(int columns, int rows, int fixedCols, int fixedRowsCount)
    : fixedColumns(fixedCols), fixedRows(fixedRowsCount) {
    resize(columns, rows);
}

void TextGrid::resize(int columns, int rows) {
    columnCount = columns;
    rowCount = rows;
    cells.resize(std::size_t(columns));
    for (auto& column : cells)
        column.resize(std::size_t(rows));
}

void clearGrid(TextGrid& grid, bool shrinkColumns, bool shrinkRows) {
    for (int c = 1; c < grid.columnCount; ++c)
        for (int r = 1; r < grid.rowCount; ++r)
            grid.cell(c, r).clear();
    grid.resize(shrinkColumns ? grid.fixedColumns + 1 : grid.columnCount,
                shrinkRows ? grid.fixedRows + 1 : grid.rowCount);
}

void clearTextArray(std::vector<std::string>& texts, int highestIndex) {
    if (highestIndex < 0) return;
    if (texts.size() < std::size_t(highestIndex) + 1) texts.resize(std::size_t(highestIndex) + 1);
    for (int i = 0; i <= highestIndex; ++i)
        texts[std::size_t(i)].clear();
}

} // namespace wertan
