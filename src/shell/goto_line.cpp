#include "shell/goto_line.h"

#include <algorithm>

namespace wertan {

int firstLineNumber(bool numberFromZero) {
    return numberFromZero ? 0 : 1;
}

GotoLineBounds boundsOnOpen(int lineCount, bool numberFromZero) {
    const int first = firstLineNumber(numberFromZero);
    return {first, numberFromZero ? lineCount - 1 : lineCount, true};
}

GotoLineBounds boundsForChosenDocument(int lineCount, bool numberFromZero) {
    if (lineCount <= 0) {
        const int first = firstLineNumber(numberFromZero);
        return {first, first, false};
    }
    return boundsOnOpen(lineCount, numberFromZero);
}

std::array<GotoPreviewRow, 5> previewRows(int v, int lineCount, bool numberFromZero) {
    const int d = numberFromZero ? 0 : 1;
    const int index = v - d;
    auto lineOrNone = [&](int i) { return (i >= 0 && i < lineCount) ? i : -1; };
    std::array<GotoPreviewRow, 5> rows{};
    rows[2] = {true, v, lineOrNone(index)};
    if (index >= 1) rows[1] = {true, v - 1, lineOrNone(index - 1)};
    if (index >= 2) rows[0] = {true, v - 2, lineOrNone(index - 2)};
    if (index + 1 >= 0 && index + 1 < lineCount) rows[3] = {true, v + 1, index + 1};
    if (index + 2 >= 0 && index + 2 < lineCount) rows[4] = {true, v + 2, index + 2};
    return rows;
}

GotoLineJump jumpTarget(int v, int activeLineCount, bool numberFromZero) {
    const int last = std::max(activeLineCount - 1, 0);
    const int line = std::clamp(v - firstLineNumber(numberFromZero), 0, last);
    return {line, std::max(line - 10, 0)};
}

} // namespace wertan
