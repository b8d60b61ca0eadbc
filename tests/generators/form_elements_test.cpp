// The form element generators, the value grid and the choice lists built from it.
#include "generators/form_elements.h"
#include "generators/value_grid.h"
#include "text/win1250.h"

#include <functional>
#include <gtest/gtest.h>

using namespace wertan;

namespace {

// Windows-1250 bytes of a text written here in UTF-8.
std::string w(const char* utf8) {
    return utf8ToWin1250(utf8);
}

struct Case {
    const char* name;
    std::function<GeneratedLines(bool lower)> generate;
    GeneratedLines upper;
    GeneratedLines lower;
};

void runCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.generate(false), c.upper);
        EXPECT_EQ(c.generate(true), c.lower);
    }
}

} // namespace

TEST(FormElements, FormStartEndAndTextField) {
    runCases({
        {"form start with the defaults",
         [](bool l) { return formStartLines({}, l); },
         {R"(<FORM ACTION="" METHOD="POST">)"},
         {R"(<form action="" method="POST">)"}},
        {"form start keeps the typed action and method as typed",
         [](bool l) {
             return formStartLines({"Skrypt.PHP?a=B", "GET"}, l);
         },
         {R"(<FORM ACTION="Skrypt.PHP?a=B" METHOD="GET">)"},
         {R"(<form action="Skrypt.PHP?a=B" method="GET">)"}},
        {"form end", [](bool l) { return formEndLines(l); }, {"</FORM>"}, {"</form>"}},
        {"text field without a default value",
         [](bool l) {
             return textFieldLines({"x", ""}, l);
         },
         {R"(<INPUT NAME="x">)"},
         {R"(<input name="x">)"}},
        {"text field with a default value",
         [](bool l) {
             return textFieldLines({"x", "a b"}, l);
         },
         {R"(<INPUT NAME="x" VALUE="a b">)"},
         {R"(<input name="x" value="a b">)"}},
        {"text field with an empty name and a Polish value",
         [](bool l) {
             return textFieldLines({"", w("Zażółć")}, l);
         },
         {w(R"(<INPUT NAME="" VALUE="Zażółć">)")},
         {w(R"(<input name="" value="Zażółć">)")}},
        {"button with the defaults",
         [](bool l) { return buttonLines({}, l); },
         {R"(<INPUT TYPE="submit" VALUE="Przycisk">)"},
         {R"(<input type="submit" value="Przycisk">)"}},
        {"button with a typed type",
         [](bool l) {
             return buttonLines({"RESET", ""}, l);
         },
         {R"(<INPUT TYPE="RESET" VALUE="">)"},
         {R"(<input type="RESET" value="">)"}},
    });
}

TEST(FormElements, TextArea) {
    auto area = [](std::string name, std::string rows, std::string cols, std::string wrap,
                   std::vector<std::string> value) {
        TextAreaOptions o;
        o.name = std::move(name);
        o.rows = std::move(rows);
        o.columns = std::move(cols);
        o.wrap = std::move(wrap);
        o.defaultLines = std::move(value);
        return o;
    };
    runCases({
        {"the defaults with a name",
         [&](bool l) { return textAreaLines(area("opis", "10", "50", "(brak)", {}), l); },
         {R"(<TEXTAREA NAME="opis" ROWS="10" COLS="50"> )", "</TEXTAREA>"},
         {R"(<textarea name="opis" rows="10" cols="50"> )", "</textarea>"}},
        {"rows and columns emptied, wrap virtual",
         [&](bool l) { return textAreaLines(area("x", "", "", "virtual", {}), l); },
         {R"(<TEXTAREA NAME="x" WRAP="virtual"> )", "</TEXTAREA>"},
         {R"(<textarea name="x" wrap="virtual"> )", "</textarea>"}},
        {"a wrap of (BRAK) in capitals is written: that comparison is exact",
         [&](bool l) { return textAreaLines(area("x", "", "", "(BRAK)", {}), l); },
         {R"x(<TEXTAREA NAME="x" WRAP="(BRAK)"> )x", "</TEXTAREA>"},
         {R"x(<textarea name="x" wrap="(BRAK)"> )x", "</textarea>"}},
        {"rows and columns are not checked as numbers",
         [&](bool l) { return textAreaLines(area("", "abc", "5x", "(brak)", {}), l); },
         {R"(<TEXTAREA NAME="" ROWS="abc" COLS="5x"> )", "</TEXTAREA>"},
         {R"(<textarea name="" rows="abc" cols="5x"> )", "</textarea>"}},
        {"every default line as a line of its own, unchanged",
         [&](bool l) {
             return textAreaLines(area("x", "", "", "(brak)", {"Ala <B>ma</B>", "", "  kota"}), l);
         },
         {R"(<TEXTAREA NAME="x"> )", "Ala <B>ma</B>", "", "  kota", "</TEXTAREA>"},
         {R"(<textarea name="x"> )", "Ala <B>ma</B>", "", "  kota", "</textarea>"}},
    });
}

TEST(FormElements, MemoLinesSplitAtEveryLineEnd) {
    const struct {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\nb\n", {"a", "b"}}, // a line end after the last line adds no line
        {"\n", {""}},           // but a lone line end is one empty line
        {"a\n\nb", {"a", "", "b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(memoLines(c.text), c.lines);
    }
}

TEST(FormElements, SelectionList) {
    auto list = [](std::string size, std::string kind, std::vector<std::string> values,
                   std::string selected) {
        SelectionListOptions o;
        o.name = "x";
        o.size = std::move(size);
        o.selectionKind = std::move(kind);
        o.values = std::move(values);
        o.selected = std::move(selected);
        return o;
    };
    const std::string dropDown = w("(Rozwijana lista)");
    const std::string none = w("(Żadna)");
    runCases({
        {"values a, empty, c with c chosen",
         [&](bool l) {
             return selectionListLines(list(dropDown, "Pojedyncze", {"a", "", "c"}, "c"), l);
         },
         {R"(<SELECT NAME="x"> )", "<OPTION> a", "<OPTION> ", "<OPTION SELECTED> c", "</SELECT>"},
         {R"(<select name="x"> )", "<option> a", "<option> ", "<option selected> c", "</select>"}},
        {"the drop-down size in capitals writes no SIZE",
         [&](bool l) { return selectionListLines(list("(ROZWIJANA LISTA)", "Pojedyncze", {"a"}, none), l); },
         {R"(<SELECT NAME="x"> )", "<OPTION> a", "</SELECT>"},
         {R"(<select name="x"> )", "<option> a", "</select>"}},
        {"an empty size writes no SIZE",
         [&](bool l) { return selectionListLines(list("", "Pojedyncze", {""}, none), l); },
         {R"(<SELECT NAME="x"> )", "<OPTION> ", "</SELECT>"},
         {R"(<select name="x"> )", "<option> ", "</select>"}},
        {"size 5 and several choices",
         [&](bool l) { return selectionListLines(list("5", "Wielopozycyjne", {"a"}, none), l); },
         {R"(<SELECT NAME="x" SIZE="5" MULTIPLE> )", "<OPTION> a", "</SELECT>"},
         {R"(<select name="x" size="5" multiple> )", "<option> a", "</select>"}},
        {"the choice ignores case and marks every equal value",
         [&](bool l) {
             return selectionListLines(list(dropDown, "Pojedyncze", {"Tak", "nie", "TAK"}, "tak"), l);
         },
         {R"(<SELECT NAME="x"> )", "<OPTION SELECTED> Tak", "<OPTION> nie", "<OPTION SELECTED> TAK",
          "</SELECT>"},
         {R"(<select name="x"> )", "<option selected> Tak", "<option> nie", "<option selected> TAK",
          "</select>"}},
        {"(Żadna) marks no row, unless a value is that text in another case",
         [&](bool l) {
             return selectionListLines(list(dropDown, "Pojedyncze", {"a", w("(ŻADNA)")}, none), l);
         },
         {R"(<SELECT NAME="x"> )", "<OPTION> a", w("<OPTION SELECTED> (ŻADNA)"), "</SELECT>"},
         {R"(<select name="x"> )", "<option> a", w("<option selected> (ŻADNA)"), "</select>"}},
    });
}

TEST(FormElements, CheckBoxesAndRadioGroups) {
    const std::vector<ValueLabel> rows = {{"1", "Jeden"}, {"2", "Dwa"}};
    runCases({
        {"check boxes on one line",
         [&](bool l) {
             return checkBoxGroupLines({"k", rows, false}, l);
         },
         {R"(<INPUT TYPE="checkbox" NAME="k" VALUE="1"> Jeden)",
          R"(<INPUT TYPE="checkbox" NAME="k" VALUE="2"> Dwa)"},
         {R"(<input type="checkbox" name="k" value="1"> Jeden)",
          R"(<input type="checkbox" name="k" value="2"> Dwa)"}},
        {"check boxes in separate lines: <BR> right after the label",
         [&](bool l) {
             return checkBoxGroupLines({"k", rows, true}, l);
         },
         {R"(<INPUT TYPE="checkbox" NAME="k" VALUE="1"> Jeden<BR>)",
          R"(<INPUT TYPE="checkbox" NAME="k" VALUE="2"> Dwa<BR>)"},
         {R"(<input type="checkbox" name="k" value="1"> Jeden<br>)",
          R"(<input type="checkbox" name="k" value="2"> Dwa<br>)"}},
        {"an empty check box row is written too",
         [&](bool l) {
             return checkBoxGroupLines({"", {{"", ""}}, false}, l);
         },
         {R"(<INPUT TYPE="checkbox" NAME="" VALUE=""> )"},
         {R"(<input type="checkbox" name="" value=""> )"}},
        {"radio group in separate lines with the second row chosen",
         [&](bool l) {
             return radioGroupLines({"r", rows, "2", true}, l);
         },
         {R"(<INPUT TYPE="radio" NAME="r" VALUE="1"> Jeden <BR>)",
          R"(<INPUT TYPE="radio" NAME="r" VALUE="2" checked> Dwa <BR>)"},
         {R"(<input type="radio" name="r" value="1"> Jeden <br>)",
          R"(<input type="radio" name="r" value="2" checked> Dwa <br>)"}},
        {"radio group with nothing chosen, on one line",
         [&](bool l) {
             return radioGroupLines({"r", rows, w("(Żadna)"), false}, l);
         },
         {R"(<INPUT TYPE="radio" NAME="r" VALUE="1"> Jeden)",
          R"(<INPUT TYPE="radio" NAME="r" VALUE="2"> Dwa)"},
         {R"(<input type="radio" name="r" value="1"> Jeden)",
          R"(<input type="radio" name="r" value="2"> Dwa)"}},
        {"the radio choice ignores case",
         [&](bool l) {
             return radioGroupLines({"r", {{"Abc", "x"}}, "aBC", false}, l);
         },
         {R"(<INPUT TYPE="radio" NAME="r" VALUE="Abc" checked> x)"},
         {R"(<input type="radio" name="r" value="Abc" checked> x)"}},
    });
}

TEST(FormElements, ChoiceEntriesSkipEmptyAndSingleSpaceValues) {
    EXPECT_EQ(choiceEntries({}), std::vector<std::string>{w("(Żadna)")});
    EXPECT_EQ(choiceEntries({"a", "", " ", "c", "  ", "a"}),
              (std::vector<std::string>{w("(Żadna)"), "a", "c", "  ", "a"}));
}

TEST(ValueGridRules, AddRemoveClearAndMove) {
    ValueGrid grid(2);
    EXPECT_EQ(grid.rowCount(), 1);

    // "Usuń rząd" on the only row empties it and keeps it.
    grid.setCell(0, 0, "a");
    grid.setCell(1, 0, "A");
    grid.removeRow();
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.column(0), std::vector<std::string>{""});
    EXPECT_EQ(grid.column(1), std::vector<std::string>{""});

    // 200 value rows at most.
    for (int i = 1; i < ValueGrid::kMaxRows; ++i)
        EXPECT_TRUE(grid.addRow());
    EXPECT_EQ(grid.rowCount(), 200);
    EXPECT_FALSE(grid.addRow());
    EXPECT_EQ(grid.rowCount(), 200);

    // "Usuń rząd" removes the last row.
    grid.setCell(0, 199, "last");
    grid.removeRow();
    EXPECT_EQ(grid.rowCount(), 199);
    grid.addRow();
    EXPECT_EQ(grid.cell(0, 199), ""); // the removed row's text does not come back

    // A dragged row moves; the others shift.
    for (int r = 0; r < 4; ++r)
        grid.setCell(0, r, std::string(1, char('a' + r)));
    grid.moveRow(0, 2);
    EXPECT_EQ(grid.cell(0, 0), "b");
    EXPECT_EQ(grid.cell(0, 1), "c");
    EXPECT_EQ(grid.cell(0, 2), "a");
    grid.moveRow(3, 0);
    EXPECT_EQ(grid.cell(0, 0), "d");
    grid.moveRow(0, 500); // outside the grid: nothing moves
    EXPECT_EQ(grid.cell(0, 0), "d");

    // "Wyczyść rzędy" leaves one empty row.
    grid.clearRows();
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.column(0), std::vector<std::string>{""});
}
