#include "shell/code_pages.h"
#include "text/win1250.h"

#include <gtest/gtest.h>

using namespace wertan;

namespace {

// ą Ą ś Ś ź Ź as ISO-8859-2 byte and Windows-1250 byte.
constexpr unsigned char kIso[] = {0xB1, 0xA1, 0xB6, 0xA6, 0xBC, 0xAC};
constexpr unsigned char kWin[] = {0xB9, 0xA5, 0x9C, 0x8C, 0x9F, 0x8F};

std::string allBytes() {
    std::string s;
    for (int b = 0; b < 256; ++b)
        s.push_back(char(b));
    return s;
}

} // namespace

TEST(CodePages, EveryByteOfBothTables) {
    for (int b = 0; b < 256; ++b) {
        unsigned char toWin = static_cast<unsigned char>(b);
        unsigned char toIso = static_cast<unsigned char>(b);
        for (int i = 0; i < 6; ++i) {
            if (b == kIso[i]) toWin = kWin[i];
            if (b == kWin[i]) toIso = kIso[i];
        }
        EXPECT_EQ(toWindows1250Table()[std::size_t(b)], toWin) << "byte " << b;
        EXPECT_EQ(toIso88592Table()[std::size_t(b)], toIso) << "byte " << b;
    }
    // Exactly six bytes move in each table, and the targets of one are untouched by the other.
    int movedWin = 0, movedIso = 0;
    for (int b = 0; b < 256; ++b) {
        movedWin += toWindows1250Table()[std::size_t(b)] != b;
        movedIso += toIso88592Table()[std::size_t(b)] != b;
    }
    EXPECT_EQ(movedWin, 6);
    EXPECT_EQ(movedIso, 6);
    EXPECT_EQ(&tableFor(CodePage::Windows1250), &toWindows1250Table());
    EXPECT_EQ(&tableFor(CodePage::Iso88592), &toIso88592Table());
}

TEST(CodePages, ConvertsTextByteForByte) {
    const std::string win = "\x9C"
                            "wiat \xB9 \xA5 \x8C \x9F \x8F \xEA\xF3\xB3\xF1\xE6\xBF\r\n"; // ś first
    const std::string iso = "\xB6"
                            "wiat \xB1 \xA1 \xA6 \xBC \xAC \xEA\xF3\xB3\xF1\xE6\xBF\r\n";
    EXPECT_EQ(convertBytes(win, toIso88592Table()), iso);
    EXPECT_EQ(convertBytes(iso, toWindows1250Table()), win);
    // A Windows-1250 text stays as it is under the conversion to Windows-1250.
    EXPECT_EQ(convertBytes(win, toWindows1250Table()), win);
    EXPECT_EQ(convertBytes("", toIso88592Table()), "");

    const std::string six(reinterpret_cast<const char*>(kIso), 6);
    EXPECT_EQ(convertBytes(convertBytes(six, toWindows1250Table()), toIso88592Table()), six);

    std::string inPlace = win;
    convertInPlace(inPlace, toIso88592Table());
    EXPECT_EQ(inPlace, iso);
}

TEST(CodePages, ConvertsEditorTextWithoutLosingOtherCharacters) {
    const std::string all = allBytes();
    for (const ByteTable* table : {&toWindows1250Table(), &toIso88592Table()})
        EXPECT_EQ(convertText(fromWin1250(all), *table), fromWin1250(convertBytes(all, *table)));
    // "±" is how the ISO-8859-2 ą reads in Windows-1250; characters outside the code page stay.
    EXPECT_EQ(convertText(QStringLiteral("±\u4e2d\U0001F600ą"), toWindows1250Table()),
              QStringLiteral("ą\u4e2d\U0001F600ą"));
}

TEST(CodePages, SaveConversionFollowsTheOptionAndTheCharsetMarker) {
    const struct {
        int option;
        const char* text;
        std::optional<CodePage> expected;
    } cases[] = {
        {0, "anything", CodePage::Iso88592},
        {1, "<META CONTENT=\"text/html;charset=iso-8859-2\">", CodePage::Windows1250},
        {2, "", std::nullopt},
        {2, "no marker here\r\n", std::nullopt},
        // The marker alone on a line, and inside the META line the program writes, in both tag cases.
        {2, "\"text/html;charset=iso-8859-2\"", CodePage::Iso88592},
        {2, "<html>\r\n<META HTTP-EQUIV=\"content-type\" CONTENT=\"text/html;charset=iso-8859-2\">\r\n",
         CodePage::Iso88592},
        {2, "<meta http-equiv=\"content-type\" content=\"text/html;charset=windows-1250\">",
         CodePage::Windows1250},
        {2, "<META HTTP-EQUIV=\"content-type\" CONTENT=\"text/html;charset=windows-1250\">",
         CodePage::Windows1250},
        {2, "x \"text/html;charset=window-1250\" y", CodePage::Windows1250},
        {2, "\"TEXT/HTML;CHARSET=ISO-8859-2\"", CodePage::Iso88592},
        // The ISO-8859-2 marker is looked for first, wherever it stands.
        {2, "\"text/html;charset=windows-1250\"\r\n\"text/html;charset=iso-8859-2\"", CodePage::Iso88592},
        // Quotes belong to the marker; other spellings do not match.
        {2, "text/html;charset=iso-8859-2", std::nullopt},
        {2, "\"text/html; charset=iso-8859-2\"", std::nullopt},
        {2, "\"text/html;charset=windows-1252\"", std::nullopt},
        {2, "\"text/html;charset=iso-8859-2", std::nullopt},
        // A marker cut by a line end is no marker.
        {2, "\"text/html;charset=\r\niso-8859-2\"", std::nullopt},
        {7, "\"text/html;charset=iso-8859-2\"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(saveConversionFor(c.option, std::string_view(c.text)), c.expected)
            << c.option << " " << c.text;
        EXPECT_EQ(saveConversionFor(c.option, QString::fromLatin1(c.text)), c.expected) << c.text;
    }
}
