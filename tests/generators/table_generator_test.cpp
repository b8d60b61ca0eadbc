// The table generator: wrapper, attributes, rows and cells, and the counts it refuses.
#include "generators/table_generator.h"
#include "text/win1250.h"

#include <functional>
#include <gtest/gtest.h>

using namespace wertan;

namespace {

std::string w(const char* utf8) {
    return utf8ToWin1250(utf8);
}

TableOptions with(const std::function<void(TableOptions&)>& change) {
    TableOptions o;
    change(o);
    return o;
}

} // namespace

TEST(TableGenerator, LinesInBothTagCases) {
    const struct {
        const char* name;
        TableOptions options;
        GeneratedLines upper;
        GeneratedLines lower;
    } cases[] = {
        {"all defaults",
         TableOptions{},
         {"<TABLE >", "<TR>", "<TD> </TD>", "</TR>", "</TABLE>"},
         {"<table >", "<tr>", "<td> </td>", "</tr>", "</table>"}},
        {"centred, border 1, two rows of two",
         with([](TableOptions& o) {
             o.position = w("Wyśrodkowana");
             o.border = 1;
             o.rows = "2";
             o.columns = "2";
         }),
         {"<CENTER>", R"(<TABLE  BORDER="1">)", "<TR>", "<TD> </TD>", "<TD> </TD>", "</TR>", "<TR>",
          "<TD> </TD>", "<TD> </TD>", "</TR>", "</TABLE>", "</CENTER>"},
         {"<center>", R"(<table  border="1">)", "<tr>", "<td> </td>", "<td> </td>", "</tr>", "<tr>",
          "<td> </td>", "<td> </td>", "</tr>", "</table>", "</center>"}},
        {"to the left: the quoted alignment is never case-changed",
         with([](TableOptions& o) {
             o.position = "Do lewej";
             o.border = 1;
         }),
         {R"(<DIV ALIGN="left">)", R"(<TABLE  BORDER="1">)", "<TR>", "<TD> </TD>", "</TR>", "</TABLE>",
          "</DIV>"},
         {R"(<div align="left">)", R"(<table  border="1">)", "<tr>", "<td> </td>", "</tr>", "</table>",
          "</div>"}},
        {"to the right",
         with([](TableOptions& o) { o.position = "Do prawej"; }),
         {R"(<DIV ALIGN="right">)", "<TABLE >", "<TR>", "<TD> </TD>", "</TR>", "</TABLE>", "</DIV>"},
         {R"(<div align="right">)", "<table >", "<tr>", "<td> </td>", "</tr>", "</table>", "</div>"}},
        {"a position typed in another case gives no wrapper",
         with([](TableOptions& o) { o.position = "do lewej"; }),
         {"<TABLE >", "<TR>", "<TD> </TD>", "</TR>", "</TABLE>"},
         {"<table >", "<tr>", "<td> </td>", "</tr>", "</table>"}},
        {"every attribute, in its order",
         with([](TableOptions& o) {
             o.border = 2;
             o.cellPadding = 3;
             o.cellSpacing = 4;
             o.background = 0x0000FF; // pure red: red is the low byte
             o.width = 100;
             o.widthInPercent = true;
             o.height = 50;
             o.picture = "obrazy/Tlo.GIF";
         }),
         {R"(<TABLE  BORDER="2" CELLPADDING="3" CELLSPACING="4" BGCOLOR="#FF0000" WIDTH="100%" HEIGHT="50" BACKGROUND="obrazy/Tlo.GIF">)",
          "<TR>", "<TD> </TD>", "</TR>", "</TABLE>"},
         {R"(<table  border="2" cellpadding="3" cellspacing="4" bgcolor="#FF0000" width="100%" height="50" background="obrazy/Tlo.GIF">)",
          "<tr>", "<td> </td>", "</tr>", "</table>"}},
        {"height in percent, width in pixels",
         with([](TableOptions& o) {
             o.width = 640;
             o.height = 75;
             o.heightInPercent = true;
             o.background = 0x00FFEEDD;
         }),
         {R"(<TABLE  BGCOLOR="#DDEEFF" WIDTH="640" HEIGHT="75%">)", "<TR>", "<TD> </TD>", "</TR>",
          "</TABLE>"},
         {R"(<table  bgcolor="#DDEEFF" width="640" height="75%">)", "<tr>", "<td> </td>", "</tr>",
          "</table>"}},
        {"no rows",
         with([](TableOptions& o) { o.rows = "0"; }),
         {"<TABLE >", "</TABLE>"},
         {"<table >", "</table>"}},
        {"negative rows count as none",
         with([](TableOptions& o) { o.rows = "-3"; }),
         {"<TABLE >", "</TABLE>"},
         {"<table >", "</table>"}},
        {"rows without cells",
         with([](TableOptions& o) {
             o.rows = "2";
             o.columns = "0";
         }),
         {"<TABLE >", "<TR>", "</TR>", "<TR>", "</TR>", "</TABLE>"},
         {"<table >", "<tr>", "</tr>", "<tr>", "</tr>", "</table>"}},
        {"counts with spaces around and a plus sign",
         with([](TableOptions& o) {
             o.rows = " +1 ";
             o.columns = "\t2";
         }),
         {"<TABLE >", "<TR>", "<TD> </TD>", "<TD> </TD>", "</TR>", "</TABLE>"},
         {"<table >", "<tr>", "<td> </td>", "<td> </td>", "</tr>", "</table>"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TableResult upper = tableLines(c.options, false);
        EXPECT_TRUE(upper.ok()) << upper.error;
        EXPECT_EQ(upper.lines, c.upper);
        EXPECT_EQ(tableLines(c.options, true).lines, c.lower);
    }
}

TEST(TableGenerator, CountsThatAreNotWholeNumbersInsertNothing) {
    const struct {
        const char* rows;
        const char* columns;
        const char* field; // named in the message
    } cases[] = {
        {"2,5", "1", "Rzędów:"}, {"2.5", "1", "Rzędów:"}, {"", "1", "Rzędów:"},
        {"abc", "1", "Rzędów:"}, {"1e3", "1", "Rzędów:"}, {"99999999999", "1", "Rzędów:"},
        {"1", "dwa", "Kolumn:"}, {"1", " ", "Kolumn:"},   {"1", "3 4", "Kolumn:"},
        {"1", "--2", "Kolumn:"}, {"1", "+-2", "Kolumn:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.rows) + " / " + c.columns);
        TableOptions options;
        options.rows = c.rows;
        options.columns = c.columns;
        options.position = w("Wyśrodkowana");
        const TableResult result = tableLines(options, false);
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.lines.empty());
        const QString message = fromWin1250(result.error);
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.field))) << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("Nie wstawiono tabeli."))) << message.toStdString();
    }
}

TEST(TableGenerator, ATableOfTooManyCellsIsRefused) {
    TableOptions options;
    options.rows = "100";
    options.columns = "100";
    const TableResult largest = tableLines(options, false);
    ASSERT_TRUE(largest.ok());
    EXPECT_EQ(largest.lines.size(), 2u + 100u * 102u);

    options.columns = "101";
    const TableResult tooMany = tableLines(options, false);
    EXPECT_FALSE(tooMany.ok());
    EXPECT_TRUE(tooMany.lines.empty());
    EXPECT_TRUE(fromWin1250(tooMany.error).contains(QStringLiteral("zbyt duża"))) << tooMany.error;

    // Rows without cells still write two lines each: a huge count of them is refused too.
    options.rows = "2000000000";
    options.columns = "0";
    EXPECT_FALSE(tableLines(options, false).ok());
}

TEST(TableGenerator, WholeNumbers) {
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"0", 0},
        {"17", 17},
        {"-4", -4},
        {"+4", 4},
        {"  12  ", 12},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483648LL},
        {"2147483648", {}},
        {"", {}},
        {"   ", {}},
        {"1,5", {}},
        {"0x10", {}},
        {"1 2", {}},
        {"+", {}},
        {"-", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseWholeNumber(c.text), c.value);
    }
}

TEST(TableGenerator, PositionNamesAreTheListedTexts) {
    EXPECT_EQ(fromWin1250(kTablePositions[0]), QStringLiteral("(Domyślne)"));
    EXPECT_EQ(fromWin1250(kTablePositions[2]), QStringLiteral("Wyśrodkowana"));
    EXPECT_EQ(fromWin1250(kNothingChosen), QStringLiteral("(Brak)"));
}
