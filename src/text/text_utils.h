#pragma once
// Small text functions shared by the shell, the generators, projects, templates and FTP.
// Texts are Windows-1250 byte strings; case folding is ASCII only; positions are 1-based.
// Functions marked 8-bit keep positions, counts and lengths modulo 256, as the stored formats
// and callers of the system expect.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wertan {

std::string boolToText(bool flag);
// True for "TRUE" or "TAK" in any ASCII case.
bool textToBool(std::string_view text);
// ASCII-only case folding.
std::string asciiLower(std::string_view text);
std::string asciiUpper(std::string_view text);

// 8-bit. 1-based position of the needle in the line at or after start; -1 when absent.
int findTextNoCase(std::string_view needle, std::string_view line, int start);
// 8-bit. Characters from start to start + count, both included; count 0 means to the end.
std::string copyRange(std::string_view text, int start, int count);
// 8-bit. Lower-cased text strictly between the first opening character at or after start and the
// next closing character; empty when either is missing.
std::string extractBetween(char open, char close, std::string_view text, int start);
// Characters 5-6, then 3-4, then 1-2.
std::string reverseHexPairs(std::string_view text);
// Colour number (red in the low byte) as six upper-case hex digits in the order red, green, blue.
std::string colorToHtmlHex(std::uint32_t color);
std::string languageToCode(std::string_view languageName);
// The part after the last slash or colon; the whole text when it has neither.
std::string extractUrlFileName(std::string_view path);
// The part up to and including the last backslash or colon; empty when it has neither.
std::string extractDosPath(std::string_view path);
// 8-bit. The text without any occurrence of the character.
std::string removeChar(char ch, std::string_view text);

// A grid of texts as a string grid holds them: cells[column][row].
struct TextGrid {
    int columnCount = 0;
    int rowCount = 0;
    int fixedColumns = 1;
    int fixedRows = 1;
    std::vector<std::vector<std::string>> cells;

    TextGrid() = default;
    TextGrid(int columns, int rows, int fixedCols = 1, int fixedRowsCount = 1);
    void resize(int columns, int rows);
    std::string& cell(int column, int row) { return cells[std::size_t(column)][std::size_t(row)]; }
    const std::string& cell(int column, int row) const {
        return cells[std::size_t(column)][std::size_t(row)];
    }
};

// Empties every cell outside column 0 and row 0; then optionally shrinks to one movable column/row.
void clearGrid(TextGrid& grid, bool shrinkColumns, bool shrinkRows);
// Sets elements 0 to highestIndex, both included, to the empty text.
void clearTextArray(std::vector<std::string>& texts, int highestIndex);

} // namespace wertan
