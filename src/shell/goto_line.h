#pragma once
// The go-to-line dialog: the bounds of its number, its five-row preview and the jump. Line numbers
// start at 0 or at 1 as the editors' gutter does; line indexes here are always 0-based.
#include <array>

namespace wertan {

struct GotoLineBounds {
    int lowest = 1;
    int highest = 1;
    bool enabled = true;
};

// The first line number: 0 or 1.
int firstLineNumber(bool numberFromZero);
// Bounds when the dialog opens on the active document: from the first number to the line count,
// less one when numbering from 0; the number box is enabled.
GotoLineBounds boundsOnOpen(int lineCount, bool numberFromZero);
// Bounds when another document is chosen in the list: as on opening, except that a document
// without lines allows only the first number and disables the number box.
GotoLineBounds boundsForChosenDocument(int lineCount, bool numberFromZero);

struct GotoPreviewRow {
    bool shown = false; // an emptied row shows nothing
    int number = 0;     // the line number written in the row
    int lineIndex = -1; // 0-based line whose text the row shows; -1 for a number without text
};
// Rows 1 to 5 (index 0 to 4) for the number v over a document of lineCount lines; row 3 (index 2)
// is the highlighted one.
std::array<GotoPreviewRow, 5> previewRows(int v, int lineCount, bool numberFromZero);

struct GotoLineJump {
    int line = 0;    // 0-based line the caret goes to (its column is kept)
    int topLine = 0; // 0-based first visible line
};
// "&Idź" on the active document: the line of the middle row, kept inside the document (the
// number may have been bounded by another document of the list); the view scrolls so that the
// line stands 10 lines below the top, or as near as the start of the document allows.
GotoLineJump jumpTarget(int v, int activeLineCount, bool numberFromZero);

// The preview follows typing in the number box, except that a key that types something other than
// a top-row digit holds it until the next digit key or a click in the box.
class GotoPreviewGate {
public:
    void characterTyped(char ch) { open_ = ch >= '0' && ch <= '9'; }
    void clickedInBox() { open_ = true; }
    bool allowsRefresh() const { return open_; }

private:
    bool open_ = true;
};

} // namespace wertan
