#pragma once
// The skeleton of an HTML table: an optional alignment wrapper, the table line with its attributes,
// rows of empty cells. Texts are Windows-1250 bytes.
#include "generators/form_elements.h"

#include <cstdint>
#include <optional>
#include <string>

namespace wertan {

// "(Domyślne)", "Do lewej", "Wyśrodkowana", "Do prawej": the choices of "Położenie tabeli:".
extern const char* const kTablePositions[4];
// "(Brak)": the caption of an unset colour swatch and the text of an unset picture field.
extern const char* const kNothingChosen;

struct TableOptions {
    std::string columns = "1"; // read as a whole number
    std::string rows = "1";
    std::string position = kTablePositions[0];
    int border = 0;
    int cellPadding = 0;
    int cellSpacing = 0;
    std::optional<std::uint32_t> background; // colour number, red in the low byte
    std::string picture = kNothingChosen;
    int width = 0;
    bool widthInPercent = false;
    int height = 0;
    bool heightInPercent = false;
};

struct TableResult {
    GeneratedLines lines;
    // A Polish message when the table cannot be written; then there are no lines.
    std::string error;
    bool ok() const { return error.empty(); }
};

// The most cells a table may have; a larger table is refused with a message instead of filling
// the document with hundreds of thousands of lines.
constexpr long long kMaxTableCells = 10000;

// A whole number as the count fields take it: optional spaces around an optional sign and decimal
// digits, within the range of a 32-bit integer.
std::optional<int> parseWholeNumber(std::string_view text);

TableResult tableLines(const TableOptions& options, bool lowerCaseTags);

} // namespace wertan
