#include "generators/table_generator.h"

#include "text/tag_case.h"
#include "text/text_utils.h"
#include "text/win1250.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace wertan {

const char* const kTablePositions[4] = {"(Domy\x9C"
                                        "lne)",
                                        "Do lewej",
                                        "Wy\x9C"
                                        "rodkowana",
                                        "Do prawej"};
const char* const kNothingChosen = "(Brak)";

std::optional<int> parseWholeNumber(std::string_view text) {
    auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-') return std::nullopt;
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < INT_MIN || value > INT_MAX) return std::nullopt;
    return int(value);
}

namespace {

enum class Wrapper { None, Left, Centre, Right };

Wrapper wrapperOf(const std::string& position) {
    // Exact comparison: "do lewej" typed in lower case writes no wrapper.
    if (position == kTablePositions[1]) return Wrapper::Left;
    if (position == kTablePositions[2]) return Wrapper::Centre;
    if (position == kTablePositions[3]) return Wrapper::Right;
    return Wrapper::None;
}

std::string notWholeMessage(const char* fieldUtf8, const std::string& typed) {
    return utf8ToWin1250("Pole \"") + utf8ToWin1250(fieldUtf8) +
           utf8ToWin1250("\" musi zawierać liczbę całkowitą, a zawiera \"") + typed +
           utf8ToWin1250("\". Nie wstawiono tabeli.");
}

// ` NAME="n"` or ` NAME="n%"`.
std::string sizeAttribute(const char* name, int value, bool percent, bool lower) {
    return " " + applyTagCase(name, lower) + "\"" + std::to_string(value) + (percent ? "%" : "") + "\"";
}

} // namespace

TableResult tableLines(const TableOptions& options, bool lower) {
    TableResult result;
    const std::optional<int> rows = parseWholeNumber(options.rows);
    if (!rows) {
        result.error = notWholeMessage("Rzędów:", options.rows);
        return result;
    }
    const std::optional<int> columns = parseWholeNumber(options.columns);
    if (!columns) {
        result.error = notWholeMessage("Kolumn:", options.columns);
        return result;
    }
    // A row without cells still costs lines: it counts as one cell.
    if (*rows > 0 && (long long)*rows * std::max(1, *columns) > kMaxTableCells) {
        result.error = utf8ToWin1250("Tabela o " + std::to_string(*rows) + " rzędach i " +
                                     std::to_string(*columns) + " kolumnach byłaby zbyt duża (najwyżej " +
                                     std::to_string(kMaxTableCells) + " komórek). Nie wstawiono tabeli.");
        return result;
    }

    GeneratedLines& lines = result.lines;
    const Wrapper wrapper = wrapperOf(options.position);
    switch (wrapper) {
    case Wrapper::Left:
        lines.push_back(applyTagCase("<DIV ALIGN=", lower) + "\"left\">");
        break;
    case Wrapper::Centre:
        lines.push_back(applyTagCase("<CENTER>", lower));
        break;
    case Wrapper::Right:
        lines.push_back(applyTagCase("<DIV ALIGN=", lower) + "\"right\">");
        break;
    case Wrapper::None:
        break;
    }

    std::string attributes;
    if (options.border > 0) attributes += sizeAttribute("BORDER=", options.border, false, lower);
    if (options.cellPadding > 0)
        attributes += sizeAttribute("CELLPADDING=", options.cellPadding, false, lower);
    if (options.cellSpacing > 0)
        attributes += sizeAttribute("CELLSPACING=", options.cellSpacing, false, lower);
    if (options.background)
        attributes +=
            " " + applyTagCase("BGCOLOR=", lower) + "\"#" + colorToHtmlHex(*options.background) + "\"";
    if (options.width > 0)
        attributes += sizeAttribute("WIDTH=", options.width, options.widthInPercent, lower);
    if (options.height > 0)
        attributes += sizeAttribute("HEIGHT=", options.height, options.heightInPercent, lower);
    if (options.picture != kNothingChosen)
        attributes += " " + applyTagCase("BACKGROUND=", lower) + "\"" + options.picture + "\"";
    lines.push_back(applyTagCase("<TABLE", lower) + " " + attributes + ">");

    const std::string cell = applyTagCase("<TD>", lower) + " " + applyTagCase("</TD>", lower);
    for (int r = 0; r < *rows; ++r) {
        lines.push_back(applyTagCase("<TR>", lower));
        for (int c = 0; c < *columns; ++c)
            lines.push_back(cell);
        lines.push_back(applyTagCase("</TR>", lower));
    }
    lines.push_back(applyTagCase("</TABLE>", lower));

    if (wrapper == Wrapper::Left || wrapper == Wrapper::Right) lines.push_back(applyTagCase("</DIV>", lower));
    if (wrapper == Wrapper::Centre) lines.push_back(applyTagCase("</CENTER>", lower));
    return result;
}

} // namespace wertan
