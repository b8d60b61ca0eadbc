#include "shell/goto_line.h"

#include <gtest/gtest.h>

using namespace wertan;

namespace {

struct Row {
    bool shown;
    int number;
    int lineIndex;
};
constexpr Row kEmpty{false, 0, -1};

void expectRows(int v, int lineCount, bool fromZero, const std::array<Row, 5>& expected) {
    const auto rows = previewRows(v, lineCount, fromZero);
    for (std::size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE("v=" + std::to_string(v) + " lines=" + std::to_string(lineCount) +
                     " fromZero=" + std::to_string(fromZero) + " row " + std::to_string(i + 1));
        EXPECT_EQ(rows[i].shown, expected[i].shown);
        if (expected[i].shown) {
            EXPECT_EQ(rows[i].number, expected[i].number);
            EXPECT_EQ(rows[i].lineIndex, expected[i].lineIndex);
        }
    }
}

} // namespace

TEST(GotoLine, BoundsForNumberingFromZeroAndFromOne) {
    const struct {
        int lines;
        bool fromZero;
        GotoLineBounds open;
        GotoLineBounds chosen;
    } cases[] = {
        {3, false, {1, 3, true}, {1, 3, true}},
        {3, true, {0, 2, true}, {0, 2, true}},
        {1, false, {1, 1, true}, {1, 1, true}},
        {1, true, {0, 0, true}, {0, 0, true}},
        // A document without lines allows only the first number; chosen in the list it disables the box.
        {0, false, {1, 0, true}, {1, 1, false}},
        {0, true, {0, -1, true}, {0, 0, false}},
    };
    for (const auto& c : cases) {
        const GotoLineBounds open = boundsOnOpen(c.lines, c.fromZero);
        const GotoLineBounds chosen = boundsForChosenDocument(c.lines, c.fromZero);
        EXPECT_EQ(open.lowest, c.open.lowest) << c.lines << c.fromZero;
        EXPECT_EQ(open.highest, c.open.highest) << c.lines << c.fromZero;
        EXPECT_EQ(open.enabled, c.open.enabled);
        EXPECT_EQ(chosen.lowest, c.chosen.lowest) << c.lines << c.fromZero;
        EXPECT_EQ(chosen.highest, c.chosen.highest) << c.lines << c.fromZero;
        EXPECT_EQ(chosen.enabled, c.chosen.enabled) << c.lines << c.fromZero;
    }
    EXPECT_EQ(firstLineNumber(true), 0);
    EXPECT_EQ(firstLineNumber(false), 1);
}

TEST(GotoLine, PreviewRowsNumberingFromOne) {
    // Three lines, v = 3: rows 1 to 3 show lines 1, 2, 3; rows 4 and 5 stay empty.
    expectRows(3, 3, false, {Row{true, 1, 0}, Row{true, 2, 1}, Row{true, 3, 2}, kEmpty, kEmpty});
    expectRows(1, 3, false, {kEmpty, kEmpty, Row{true, 1, 0}, Row{true, 2, 1}, Row{true, 3, 2}});
    expectRows(2, 3, false, {kEmpty, Row{true, 1, 0}, Row{true, 2, 1}, Row{true, 3, 2}, kEmpty});
    expectRows(5, 10, false,
               {Row{true, 3, 2}, Row{true, 4, 3}, Row{true, 5, 4}, Row{true, 6, 5}, Row{true, 7, 6}});
}

TEST(GotoLine, PreviewRowsNumberingFromZero) {
    // v = 0 shows only the middle row with the number 0 and the first line.
    expectRows(0, 1, true, {kEmpty, kEmpty, Row{true, 0, 0}, kEmpty, kEmpty});
    expectRows(0, 3, true, {kEmpty, kEmpty, Row{true, 0, 0}, Row{true, 1, 1}, Row{true, 2, 2}});
    expectRows(2, 3, true, {Row{true, 0, 0}, Row{true, 1, 1}, Row{true, 2, 2}, kEmpty, kEmpty});
    expectRows(4, 10, true,
               {Row{true, 2, 2}, Row{true, 3, 3}, Row{true, 4, 4}, Row{true, 5, 5}, Row{true, 6, 6}});
}

TEST(GotoLine, RowsWhoseLineIsMissingShowTheirNumberOnly) {
    // The number was bounded by a longer document than the one the preview shows.
    expectRows(6, 3, false, {Row{true, 4, -1}, Row{true, 5, -1}, Row{true, 6, -1}, kEmpty, kEmpty});
    expectRows(4, 3, false, {Row{true, 2, 1}, Row{true, 3, 2}, Row{true, 4, -1}, kEmpty, kEmpty});
    // An empty document: the middle row alone, without text.
    expectRows(0, 0, true, {kEmpty, kEmpty, Row{true, 0, -1}, kEmpty, kEmpty});
    expectRows(1, 0, false, {kEmpty, kEmpty, Row{true, 1, -1}, kEmpty, kEmpty});
}

TEST(GotoLine, JumpGoesToTheMiddleRowsLineWithTenLinesAbove) {
    const struct {
        int v, lines;
        bool fromZero;
        int line, top;
    } cases[] = {
        {3, 3, false, 2, 0},
        {1, 3, false, 0, 0},
        {0, 3, true, 0, 0},
        {25, 100, false, 24, 14},
        {25, 100, true, 25, 15},
        {11, 100, false, 10, 0},
        {50, 3, false, 2, 0}, // bounded by another
                              // document: the active one's
                              // last line
        {0, 0, true, 0, 0},
    };
    for (const auto& c : cases) {
        const GotoLineJump jump = jumpTarget(c.v, c.lines, c.fromZero);
        EXPECT_EQ(jump.line, c.line) << c.v << " " << c.lines;
        EXPECT_EQ(jump.topLine, c.top) << c.v << " " << c.lines;
    }
}

TEST(GotoLine, PreviewWaitsAfterANonDigitKeyUntilADigitOrAClick) {
    GotoPreviewGate gate;
    EXPECT_TRUE(gate.allowsRefresh());
    gate.characterTyped('7');
    EXPECT_TRUE(gate.allowsRefresh());
    gate.characterTyped('\b');
    EXPECT_FALSE(gate.allowsRefresh());
    gate.characterTyped('a');
    EXPECT_FALSE(gate.allowsRefresh());
    gate.characterTyped('0');
    EXPECT_TRUE(gate.allowsRefresh());
    gate.characterTyped('-');
    gate.clickedInBox();
    EXPECT_TRUE(gate.allowsRefresh());
}
