#include "text/win1250.h"

#include <gtest/gtest.h>

using namespace wertan;

TEST(Win1250, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(char(b));
    EXPECT_EQ(toWin1250(fromWin1250(all)), all);
    std::size_t lost = 99;
    EXPECT_EQ(utf8ToWin1250(win1250ToUtf8(all), &lost), all);
    EXPECT_EQ(lost, 0u);
    // Both routes agree.
    const QByteArray viaQt = fromWin1250(all).toUtf8();
    EXPECT_EQ(std::string(viaQt.constData(), std::size_t(viaQt.size())), win1250ToUtf8(all));
}

TEST(Win1250, MapsPolishLettersAndUnassignedBytes) {
    const struct {
        unsigned char byte;
        char16_t unicode;
    } cases[] = {{0xA5, u'Ą'}, {0xB9, u'ą'}, {0xC6, u'Ć'}, {0xE6, u'ć'}, {0xCA, u'Ę'}, {0xEA, u'ę'},
                 {0xA3, u'Ł'}, {0xB3, u'ł'}, {0xD1, u'Ń'}, {0xF1, u'ń'}, {0xD3, u'Ó'}, {0xF3, u'ó'},
                 {0x8C, u'Ś'}, {0x9C, u'ś'}, {0x8F, u'Ź'}, {0x9F, u'ź'}, {0xAF, u'Ż'}, {0xBF, u'ż'},
                 {0x80, u'€'}, {0x81, 0x81},  {0x83, 0x83},  {0x88, 0x88},  {0x90, 0x90},  {0x98, 0x98}};
    for (const auto& c : cases)
        EXPECT_EQ(win1250ToUnicode(c.byte), c.unicode) << int(c.byte);
}

TEST(Win1250, CountsCharactersOutsideTheCodePage) {
    std::size_t lost = 0;
    EXPECT_EQ(toWin1250(QStringLiteral("a\u4e2db\U0001F600"), &lost), "a?b?");
    EXPECT_EQ(lost, 2u);
    // Broken UTF-8 (a lone continuation byte, a cut sequence) is replaced, never read past the end.
    EXPECT_EQ(utf8ToWin1250("x\x80y\xC5", &lost), "x?y?");
    EXPECT_EQ(lost, 2u);
}
