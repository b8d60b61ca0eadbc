#include "ftp/ftp_reply.h"

#include <gtest/gtest.h>

#include <climits>

using namespace wertan::ftp;

namespace {

std::vector<std::string> feed(const std::vector<std::string>& chunks, std::size_t* pending = nullptr) {
    ReplyLineBuffer buffer;
    std::vector<std::string> lines;
    for (const std::string& chunk : chunks)
        buffer.append(chunk, lines);
    if (pending) *pending = buffer.pendingSize();
    return lines;
}

} // namespace

TEST(ReplyLineBuffer, CutsLinesAtLineFeedsWhateverTheChunks) {
    struct Case {
        const char* name;
        std::vector<std::string> chunks;
        std::vector<std::string> lines;
        std::size_t pending;
    };
    const std::vector<Case> cases = {
        {"cr lf", {"220 Gotowy\r\n"}, {"220 Gotowy"}, 0},
        {"bare lf", {"220 Gotowy\n331 Haslo\n"}, {"220 Gotowy", "331 Haslo"}, 0},
        {"split across chunks", {"22", "0 Got", "owy\r", "\n2"}, {"220 Gotowy"}, 1},
        {"trailing cr run removed", {"200 OK\r\r\r\n"}, {"200 OK"}, 0},
        {"lone cr is not an end", {"200 A\rB\n"}, {"200 A\rB"}, 0},
        {"empty lines kept", {"\r\n\n"}, {"", ""}, 0},
        {"no line feed yet", {"220 czeka"}, {}, 9},
    };
    for (const Case& c : cases) {
        std::size_t pending = 0;
        EXPECT_EQ(feed(c.chunks, &pending), c.lines) << c.name;
        EXPECT_EQ(pending, c.pending) << c.name;
    }
}

TEST(ReplyLineBuffer, CutsARunWithoutLineFeedAtTheBufferSize) {
    const std::string longRun(ReplyLineBuffer::kCapacity + 10, 'x');
    std::size_t pending = 0;
    const std::vector<std::string> lines = feed({longRun + "\n"}, &pending);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(ReplyLineBuffer::kCapacity, 'x'));
    EXPECT_EQ(lines[1], std::string(10, 'x'));
    EXPECT_EQ(pending, 0u);
}

TEST(ParseReplyLine, ReadsCodeAndContinuation) {
    struct Case {
        const char* line;
        bool hasCode;
        int code;
        bool continued;
    };
    const Case cases[] = {
        {"220 Gotowy", true, 220, false},
        {"220-Witaj", true, 220, true},
        {"220", true, 220, false},
        {"  220 spacje na poczatku", false, 0, false},
        {"Witaj bez kodu", false, 0, false},
        {"", false, 0, false},
        {"5 krotki kod", true, 5, false},
        {"2201-dlugi kod", true, 2201, true},
        {"99999999999999999999 ogromny", true, INT_MAX, false},
        {"257\"/\"", true, 257, false},
    };
    for (const Case& c : cases) {
        const ReplyLine r = parseReplyLine(c.line);
        EXPECT_EQ(r.hasCode, c.hasCode) << c.line;
        EXPECT_EQ(r.code, c.code) << c.line;
        EXPECT_EQ(r.continued, c.continued) << c.line;
    }
}

TEST(ExtractReplyDirectory, TakesTheFirstQuotedTextWithDoubledQuotes) {
    const std::pair<const char*, const char*> cases[] = {
        {R"(257 "/home/a ""b""" is current directory)", R"(/home/a "b")"},
        {R"(257 "/" is current)", "/"},
        {R"(257 "" empty)", ""},
        {R"(257 "/a" and "/b")", "/a"},
        {"250 CWD command successful", ""},
        {R"(257 "/unterminated)", ""},
        {R"(257 "/ends with doubled quote"")", ""},
        {R"(257"/x")", "/x"},
        {R"(2"57 "/y")", "57 "},
    };
    for (const auto& [line, directory] : cases)
        EXPECT_EQ(extractReplyDirectory(line), directory) << line;
}

TEST(ExtractReplySize, TakesTheNumberAfterTheCode) {
    const std::pair<const char*, std::int64_t> cases[] = {
        {"213 1514", 1514},
        {"213   42 bytes", 42},
        {"213 0", 0},
        {"213 abc", 0},
        {"213", 0},
        {"213 4294967296", 4294967296LL},
        {"213 99999999999999999999999", INT64_MAX},
    };
    for (const auto& [line, size] : cases)
        EXPECT_EQ(extractReplySize(line), size) << line;
}

TEST(ParsePasvReply, FindsSixNumbersAfterTheCode) {
    struct Case {
        const char* line;
        bool ok;
        std::uint32_t ipv4;
        std::uint16_t port;
    };
    const Case cases[] = {
        {"227 Entering Passive Mode (127,0,0,1,195,80).", true, 0x7F000001, 195 * 256 + 80},
        {"227 Entering Passive Mode 10,1,2,3,4,5", true, 0x0A010203, 4 * 256 + 5},
        {"227 =192,168,0,1,0,21", true, 0xC0A80001, 21},
        {"227 Model 2 (127,0,0,1,1,2)", true, 0x7F000001, 258},
        {"227 (256,0,0,1,1,2)", false, 0, 0},
        {"227 (127,0,0,1,0,0)", false, 0, 0},
        {"227 (127,0,0,1,1)", false, 0, 0},
        {"227 (1270,0,0,1,1,2)", false, 0, 0},
        {"227 no numbers", false, 0, 0},
    };
    for (const Case& c : cases) {
        const std::optional<PassiveAddress> a = parsePasvReply(c.line);
        ASSERT_EQ(a.has_value(), c.ok) << c.line;
        if (a) {
            EXPECT_EQ(a->ipv4, c.ipv4) << c.line;
            EXPECT_EQ(a->port, c.port) << c.line;
        }
    }
}

TEST(ParseEpsvReply, ReadsThePortBetweenDelimiters) {
    const std::pair<const char*, std::optional<std::uint16_t>> cases[] = {
        {"229 Entering Extended Passive Mode (|||6446|)", 6446},
        {"229 (!!!21!)", 21},
        {"229 (|||65535|)", 65535},
        {"229 (|||65536|)", std::nullopt},
        {"229 (|||0|)", std::nullopt},
        {"229 (||6446|)", std::nullopt},
        {"229 (|||6446!)", std::nullopt},
        {"229 (|||6446", std::nullopt},
        {"229 (111222|)", std::nullopt},
        {"229 no parenthesis", std::nullopt},
        {"229 (", std::nullopt},
    };
    for (const auto& [line, port] : cases)
        EXPECT_EQ(parseEpsvReply(line), port) << line;
}

TEST(FormatPortArgument, WritesAddressBytesAndPortBytes) {
    EXPECT_EQ(formatPortArgument(0x7F000001, 195 * 256 + 80), "127,0,0,1,195,80");
    EXPECT_EQ(formatPortArgument(0xC0A8FF0A, 21), "192,168,255,10,0,21");
    EXPECT_EQ(formatPortArgument(0, 65535), "0,0,0,0,255,255");
}
