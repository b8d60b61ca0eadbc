#include "text/text_format.h"

#include <gtest/gtest.h>
#include <string>

using namespace wertan;
using namespace std::string_literals;

TEST(TextFormat, Utf8ValidityOnItsEdgeCases) {
    struct Case {
        const char* name;
        std::string bytes;
        bool valid;
        bool nonAscii;
    };
    const Case cases[] = {
        {"empty", "", true, false},
        {"ascii", "abc\r\n", true, false},
        {"polish letters", "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87", true, true},
        {"mark alone", "\xEF\xBB\xBF", true, true},
        {"four-byte character", "\xF0\x9F\x98\x80", true, true},
        {"highest code point", "\xF4\x8F\xBF\xBF", true, true},
        {"sequence cut at the end", "abc\xC5", false, false},
        {"three-byte sequence cut at the end", "abc\xE2\x82", false, false},
        {"lone continuation byte", "a\x80z", false, false},
        {"overlong two-byte", "\xC0\xAF", false, false},
        {"overlong three-byte", "\xE0\x80\xAF", false, false},
        {"overlong four-byte", "\xF0\x80\x80\xAF", false, false},
        {"surrogate", "\xED\xA0\x80", false, false},
        {"above U+10FFFF", "\xF4\x90\x80\x80", false, false},
        {"lead byte F5", "\xF5\x80\x80\x80", false, false},
        {"windows-1250 text", "Za\xBF\xF3\xB3\xE6", false, false},
        {"bad byte after a long ASCII run", std::string(37, 'x') + "\xB9", false, false},
    };
    for (const Case& c : cases) {
        bool nonAscii = false;
        EXPECT_EQ(isValidUtf8(c.bytes, &nonAscii), c.valid) << c.name;
        if (c.valid) {
            EXPECT_EQ(nonAscii, c.nonAscii) << c.name;
        }
    }
}

TEST(TextFormat, DetectsEncodingMarkAndLineEnd) {
    struct Case {
        const char* name;
        std::string bytes;
        TextFormat expected;
    };
    const Case cases[] = {
        {"empty file", "", {TextEncoding::Windows1250, false, LineEnd::Lf}},
        {"ascii only", "<?php\necho 1;\n", {TextEncoding::Windows1250, false, LineEnd::Lf}},
        {"utf-8 with LF", "Kraków\n", {TextEncoding::Utf8, false, LineEnd::Lf}},
        {"utf-8 mark and CR LF", "\xEF\xBB\xBFx\r\ny\r\n", {TextEncoding::Utf8, true, LineEnd::CrLf}},
        {"mark alone", "\xEF\xBB\xBF", {TextEncoding::Utf8, true, LineEnd::Lf}},
        {"windows-1250 CR LF", "Krak\xF3w\r\n", {TextEncoding::Windows1250, false, LineEnd::CrLf}},
        {"not valid utf-8", "\xC5\xBC\x80", {TextEncoding::Windows1250, false, LineEnd::Lf}},
        {"old Mac line ends", "a\rb\rc", {TextEncoding::Windows1250, false, LineEnd::Cr}},
        {"mixed: most lines LF", "a\r\nb\nc\nd\r", {TextEncoding::Windows1250, false, LineEnd::Lf}},
        {"CR at the very end is a lone CR", "a\r", {TextEncoding::Windows1250, false, LineEnd::Cr}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(detectTextFormat(c.bytes), c.expected) << c.name;
    EXPECT_EQ(detectTextFormat("no breaks", LineEnd::CrLf).lineEnd, LineEnd::CrLf);
    // ASCII reads the same in both encodings: it takes the encoding asked for; other text does not.
    EXPECT_EQ(detectTextFormat("<?php\n", LineEnd::Lf, TextEncoding::Utf8).encoding, TextEncoding::Utf8);
    EXPECT_EQ(detectTextFormat("Krak\xF3w", LineEnd::Lf, TextEncoding::Utf8).encoding,
              TextEncoding::Windows1250);
    EXPECT_EQ(detectTextFormat("", LineEnd::Lf, TextEncoding::Utf8).encoding, TextEncoding::Utf8);
}

TEST(TextFormat, LineBreaksOfInsertedTextFollowTheDocument) {
    EXPECT_EQ(withLineEnds("a\r\nb\nc\rd", LineEnd::Lf), "a\nb\nc\nd");
    EXPECT_EQ(withLineEnds("a\nb\r\n", LineEnd::CrLf), "a\r\nb\r\n");
    EXPECT_EQ(withLineEnds("a\r\n\n", LineEnd::Cr), "a\r\r");
    EXPECT_EQ(withLineEnds("", LineEnd::CrLf), "");
}

TEST(TextFormat, BinaryFilesAreThoseWithNulBytes) {
    EXPECT_TRUE(looksBinary("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR"s));
    EXPECT_FALSE(looksBinary("plain text\n"));
    EXPECT_FALSE(looksBinary(""));
    EXPECT_EQ(withoutUtf8Mark("\xEF\xBB\xBFx"), "x");
    EXPECT_EQ(withoutUtf8Mark("\xEF\xBBx"), "\xEF\xBBx");
}
