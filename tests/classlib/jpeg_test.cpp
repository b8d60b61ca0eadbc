// The wizard's pictures decoded through libjpeg: a fixture, the delivered pages, broken data.
#include "classlib/jpeg_picture.h"
#include "text/document_text.h"

#include <gtest/gtest.h>

using namespace wertan;

namespace {
std::string readAll(const QString& path) {
    std::string bytes;
    QString error;
    EXPECT_TRUE(readFileBytes(path, &bytes, &error)) << error.toStdString();
    return bytes;
}
} // namespace

TEST(JpegPicture, DecodesTheFixture) {
    const DecodedPicture picture =
        decodeJpeg(readAll(QStringLiteral(WERTAN_CLASSLIB_FIXTURES "/red8x4.jpg")));
    ASSERT_TRUE(picture.ok()) << picture.error;
    EXPECT_EQ(picture.width, 8);
    EXPECT_EQ(picture.height, 4);
    ASSERT_EQ(picture.rgb.size(), 8u * 4u * 3u);
    for (std::size_t i = 0; i < picture.rgb.size(); i += 3) {
        EXPECT_GT(picture.rgb[i], 240);
        EXPECT_LT(picture.rgb[i + 1], 16);
        EXPECT_LT(picture.rgb[i + 2], 16);
    }
}

TEST(JpegPicture, DecodesTheWizardPages) {
    for (int page = 1; page <= 8; ++page) {
        SCOPED_TRACE(page);
        const DecodedPicture picture = decodeJpeg(
            readAll(QStringLiteral(WERTAN_PROGRAM_DIR "/data/classes/wizard/page%1.jpg").arg(page)));
        ASSERT_TRUE(picture.ok()) << picture.error;
        EXPECT_EQ(picture.width, 160);
        EXPECT_EQ(picture.height, 300);
    }
}

TEST(JpegPicture, BrokenDataGivesAnErrorNotACrash) {
    const std::string good = readAll(QStringLiteral(WERTAN_CLASSLIB_FIXTURES "/red8x4.jpg"));
    for (const std::string& bad : {std::string(), std::string("not a jpeg"), good.substr(0, 40)}) {
        const DecodedPicture picture = decodeJpeg(bad);
        EXPECT_FALSE(picture.ok());
        EXPECT_FALSE(picture.error.empty());
    }
}
