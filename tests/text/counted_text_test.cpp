#include "text/counted_text.h"

#include <gtest/gtest.h>

using namespace wertan;

TEST(CountedText, WritesLengthTextAndZerosCutToTheCapacity) {
    const struct {
        std::string text;
        std::size_t capacity;
        std::string bytes;
    } cases[] = {
        {"", 4, std::string("\0\0\0\0\0", 5)},
        {"ab", 4,
         std::string("\x02"
                     "ab\0\0",
                     5)},
        {"abcd", 4,
         "\x04"
         "abcd"},
        {"abcdef", 4,
         "\x04"
         "abcd"},
        {"\xB9\x9C", 3, std::string("\x02\xB9\x9C\0", 4)},
    };
    for (const auto& c : cases) {
        std::string out = "pre";
        appendCountedText(out, c.text, c.capacity);
        EXPECT_EQ(out, "pre" + c.bytes) << c.text;
    }
    std::string full;
    appendCountedText(full, std::string(300, 'x'), 255);
    ASSERT_EQ(full.size(), 256u);
    EXPECT_EQ(static_cast<unsigned char>(full[0]), 255);
}

TEST(CountedText, ReadsOnlyTheCountedBytes) {
    const struct {
        std::string field;
        std::size_t capacity;
        std::string text;
    } cases[] = {
        {std::string("\x02"
                     "abXY",
                     5),
         4, "ab"}, // bytes after the text do not count
        {std::string("\0abcd", 5), 4, ""},
        {"\x04"
         "abcd",
         4, "abcd"},
        {"\x09"
         "abcd",
         4, "abcd"}, // a length above the capacity counts as the capacity
        {"\x09"
         "ab",
         4, "ab"}, // never past the bytes there are
        {"", 4, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readCountedText(c.field, c.capacity), c.text);
}
