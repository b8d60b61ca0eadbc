// META sections, document types, FONT and BASEFONT elements and colour values.
#include "generators/head_generators.h"
#include "text/win1250.h"

#include <functional>
#include <gtest/gtest.h>

using namespace wertan;

namespace {

std::string w(const char* utf8) {
    return utf8ToWin1250(utf8);
}

MetaOptions meta(const std::function<void(MetaOptions&)>& change) {
    MetaOptions o;
    change(o);
    return o;
}

FontOptions font(const std::function<void(FontOptions&)>& change) {
    FontOptions o;
    change(o);
    return o;
}

const std::string kCharset = R"(<META HTTP-EQUIV="content-type" CONTENT="text/html;charset=windows-1250">)";
const std::string kCharsetLower =
    R"(<meta http-equiv="content-type" content="text/html;charset=windows-1250">)";
const std::string kCreated = R"(<META HTTP-EQUIV="Creation-Date" CONTENT="2000-12-03">)";
const std::string kCreatedLower = R"(<meta http-equiv="Creation-Date" content="2000-12-03">)";

} // namespace

TEST(MetaSection, LinesInBothTagCases) {
    const struct {
        const char* name;
        MetaOptions options;
        GeneratedLines upper;
        GeneratedLines lower;
    } cases[] = {
        {"all defaults: the charset and the creation date",
         MetaOptions{},
         {kCharset, kCreated},
         {kCharsetLower, kCreatedLower}},
        {"the author; quoted names keep their case",
         meta([](MetaOptions& o) { o.author = "abc"; }),
         {kCharset, R"(<META NAME="Author" CONTENT="abc">)", kCreated},
         {kCharsetLower, R"(<meta name="Author" content="abc">)", kCreatedLower}},
        {"refresh with a page",
         meta([](MetaOptions& o) {
             o.refreshSeconds = 5;
             o.refreshPage = "index.php";
         }),
         {kCharset, kCreated, R"(<META HTTP-EQUIV="Refresh" CONTENT="5; url=index.php">)"},
         {kCharsetLower, kCreatedLower, R"(<meta http-equiv="Refresh" content="5; url=index.php">)"}},
        {"refresh without a page",
         meta([](MetaOptions& o) { o.refreshSeconds = 30; }),
         {kCharset, kCreated, R"(<META HTTP-EQUIV="Refresh" CONTENT="30">)"},
         {kCharsetLower, kCreatedLower, R"(<meta http-equiv="Refresh" content="30">)"}},
        {"refresh 0 writes no refresh line even with a page",
         meta([](MetaOptions& o) { o.refreshPage = "index.php"; }),
         {kCharset, kCreated},
         {kCharsetLower, kCreatedLower}},
        {"no charset", meta([](MetaOptions& o) { o.charset.clear(); }), {kCreated}, {kCreatedLower}},
        {"every line, in its order",
         meta([](MetaOptions& o) {
             o.charset = "iso-8859-2";
             o.language = "Niemiecki";
             o.author = w("Jan Kowalski");
             o.email = "jan@example.pl";
             o.date = QDate(2024, 2, 9);
             o.refreshSeconds = 100;
             o.refreshPage = "a.php3";
             o.description = w("Strona o \"kotach\"\r\ni psach");
             o.generatorInfo = true;
         }),
         {R"(<META HTTP-EQUIV="content-type" CONTENT="text/html;charset=iso-8859-2">)",
          "<META NAME=\"Description\" CONTENT=\"Strona o \"kotach\"\r\ni psach\">",
          R"(<META NAME="Language" CONTENT="de">)", R"(<META NAME="Author" CONTENT="Jan Kowalski">)",
          R"(<META HTTP-EQUIV="Reply-to" CONTENT="jan@example.pl">)",
          R"(<META NAME="Generator" CONTENT="Wertan PHP 2000">)",
          R"(<META HTTP-EQUIV="Creation-Date" CONTENT="2024-02-09">)",
          R"(<META HTTP-EQUIV="Refresh" CONTENT="100; url=a.php3">)"},
         {R"(<meta http-equiv="content-type" content="text/html;charset=iso-8859-2">)",
          "<meta name=\"Description\" content=\"Strona o \"kotach\"\r\ni psach\">",
          R"(<meta name="Language" content="de">)", R"(<meta name="Author" content="Jan Kowalski">)",
          R"(<meta http-equiv="Reply-to" content="jan@example.pl">)",
          R"(<meta name="Generator" content="Wertan PHP 2000">)",
          R"(<meta http-equiv="Creation-Date" content="2024-02-09">)",
          R"(<meta http-equiv="Refresh" content="100; url=a.php3">)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(metaLines(c.options, false), c.upper);
        EXPECT_EQ(metaLines(c.options, true), c.lower);
    }
}

TEST(MetaSection, LanguageCodes) {
    const struct {
        const char* language; // UTF-8
        const char* code;     // empty: no Language line
    } cases[] = {
        {"(Nie określaj)", ""},
        {"", ""},
        {"Polski", "pl"},
        {"Angielski", "en"},
        {"Amerykański angielski", "en-us"},
        {"Niemiecki", "de"},
        {"Francuski", "fr"},
        {"cs", "cs"},
        {"pl-PL", "pl-PL"},
        {"polski", "polski"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        EXPECT_EQ(metaLanguageCode(w(c.language)), c.code);
        MetaOptions options;
        options.language = w(c.language);
        const GeneratedLines lines = metaLines(options, false);
        if (*c.code)
            EXPECT_EQ(lines.at(1), std::string(R"(<META NAME="Language" CONTENT=")") + c.code + "\">");
        else
            EXPECT_EQ(lines.size(), 2u);
    }
    EXPECT_EQ(fromWin1250(kMetaLanguages[0]), QStringLiteral("(Nie określaj)"));
    EXPECT_EQ(fromWin1250(kMetaLanguages[3]), QStringLiteral("Amerykański angielski"));
}

TEST(MetaSection, CreationDateIsYearMonthDay) {
    EXPECT_EQ(metaDateText(QDate(2000, 12, 3)), "2000-12-03");
    EXPECT_EQ(metaDateText(QDate(1999, 1, 31)), "1999-01-31");
}

TEST(DocumentTypes, TheSevenDeclarationsAsListed) {
    const std::array<std::string, 7> expected = {
        R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Final//EN">)",
        R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 3.2 Final//EN">)",
        R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 3.2//EN">)",
        R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 3.2 Draft//EN">)",
        R"(<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN//3.2">)",
        R"(<!DOCTYPE HTML PUBLIC  "-//IETF//DTD HTML 2.0//EN">)",
        R"(<!DOCTYPE HTML PUBLIC  "-//IETF//DTD HTML Level 1//EN">)",
    };
    EXPECT_EQ(documentTypes(), expected);
}

TEST(FontElement, TextInBothTagCases) {
    const struct {
        const char* name;
        FontOptions options;
        const char* upper;
        const char* lower;
    } cases[] = {
        {"the defaults", FontOptions{}, R"(<FONT COLOR="Black" SIZE="-7">   </FONT>)",
         R"(<font color="Black" size="-7">   </font>)"},
        {"base font, Arial, set to 3", font([](FontOptions& o) {
             o.baseFont = true;
             o.face = "Arial";
             o.sizeMode = "Ustaw na";
             o.size = 3;
         }),
         R"(<BASEFONT FACE="Arial" COLOR="Black" SIZE="3">)",
         R"(<basefont face="Arial" color="Black" size="3">)"},
        {"larger by 2, a basic colour", font([](FontOptions& o) {
             o.sizeMode = w("Zwiększ o");
             o.size = 2;
             o.basicColour = "Navy";
         }),
         R"(<FONT COLOR="Navy" SIZE="+2">   </FONT>)", R"(<font color="Navy" size="+2">   </font>)"},
        {"size skipped", font([](FontOptions& o) { o.sizeMode = w("Pomiń"); }),
         R"(<FONT COLOR="Black">   </FONT>)", R"(<font color="Black">   </font>)"},
        {"base font skipping the size has no closing tag", font([](FontOptions& o) {
             o.baseFont = true;
             o.sizeMode = w("Pomiń");
         }),
         R"(<BASEFONT COLOR="Black">)", R"(<basefont color="Black">)"},
        {"the size choice ignores case", font([](FontOptions& o) {
             o.sizeMode = "USTAW NA";
             o.size = 1;
         }),
         R"(<FONT COLOR="Black" SIZE="1">   </FONT>)", R"(<font color="Black" size="1">   </font>)"},
        {"a colour from the swatch", font([](FontOptions& o) {
             o.colourFromSwatch = true;
             o.swatchColour = 0xFF0000; // pure blue
             o.basicColour = "Red";
         }),
         R"(<FONT COLOR="#0000FF" SIZE="-7">   </FONT>)", R"(<font color="#0000FF" size="-7">   </font>)"},
        {"a single space is no face", font([](FontOptions& o) { o.face = " "; }),
         R"(<FONT COLOR="Black" SIZE="-7">   </FONT>)", R"(<font color="Black" size="-7">   </font>)"},
        {"a face keeps its case", font([](FontOptions& o) { o.face = "Times New Roman"; }),
         R"(<FONT FACE="Times New Roman" COLOR="Black" SIZE="-7">   </FONT>)",
         R"(<font face="Times New Roman" color="Black" size="-7">   </font>)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fontText(c.options, false), c.upper);
        EXPECT_EQ(fontText(c.options, true), c.lower);
    }
}

TEST(ColourValue, HashAndRedGreenBlue) {
    const struct {
        std::uint32_t colour;
        const char* text;
    } cases[] = {{0xFF0000, "#0000FF"}, {0x0000FF, "#FF0000"}, {0x000000, "#000000"}, {0x123456, "#563412"}};
    for (const auto& c : cases)
        EXPECT_EQ(colourText(c.colour), c.text);
}

TEST(ColourValue, BasicColoursInListOrder) {
    QStringList names;
    for (const BasicColour& c : kBasicColours)
        names << QString::fromLatin1(c.name);
    EXPECT_EQ(names, QStringList({"Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Gray",
                                  "Silver", "Red", "Lime", "Yellow", "Blue", "Fuchsia", "Aqua", "White"}));
    // The swatch numbers match the HTML colours of the same names.
    EXPECT_EQ(colourText(kBasicColours[1].colour), "#800000");  // Maroon
    EXPECT_EQ(colourText(kBasicColours[13].colour), "#FF00FF"); // Fuchsia
    EXPECT_EQ(colourText(kBasicColours[14].colour), "#00FFFF"); // Aqua
}
