#pragma once
// Internal helpers of the lexers: byte tables, ASCII case folding, keyword sets, the token writer.
#include "editor/lexers/lexer_types.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wertan::lexers::detail {

using Byte = unsigned char;

// A table of 256 flags, built at compile time from a predicate over the byte value.
template <typename Pred> constexpr std::array<bool, 256> makeByteSet(Pred pred) {
    std::array<bool, 256> set{};
    for (int c = 0; c < 256; ++c)
        set[std::size_t(c)] = pred(c);
    return set;
}

constexpr bool isAsciiLetter(int c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
constexpr bool isDigit(int c) {
    return c >= '0' && c <= '9';
}
constexpr bool isHexDigit(int c) {
    return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Letters, digits and the underscore: the identifier characters of every language here.
inline constexpr auto kIdentChar =
    makeByteSet([](int c) { return isAsciiLetter(c) || isDigit(c) || c == '_'; });
inline constexpr auto kDigit = makeByteSet([](int c) { return isDigit(c); });
inline constexpr auto kHexDigit = makeByteSet([](int c) { return isHexDigit(c); });
// The bytes that continue a run of blanks: 1 to 9, 11, 12 and 14 to 32.
inline constexpr auto kBlankRun =
    makeByteSet([](int c) { return c >= 1 && c <= 32 && c != '\n' && c != '\r'; });

// ASCII-only lower-case folding; every other byte maps to itself.
inline constexpr auto kFoldLower = [] {
    std::array<Byte, 256> fold{};
    for (int c = 0; c < 256; ++c)
        fold[std::size_t(c)] = Byte(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return fold;
}();

// A set of words matched whole and without regard to ASCII letter case. Open addressing over a
// table four times the size of the list, hashed on the length and three folded bytes, so a lookup
// costs one hash and usually one comparison.
class KeywordSet {
public:
    explicit KeywordSet(std::span<const std::string_view> words);

    bool contains(const Byte* text, std::size_t length) const noexcept {
        if (length == 0 || length > maxLength_) return false;
        std::size_t slot = slotOf(text, length);
        for (;;) {
            const std::uint16_t index = slots_[slot];
            if (index == kEmpty) return false;
            const Entry& entry = entries_[index];
            if (entry.length == length && equalFolded(folded_.data() + entry.offset, text, length))
                return true;
            slot = (slot + 1) & mask_;
        }
    }
    std::size_t size() const noexcept { return entries_.size(); }

private:
    struct Entry {
        std::uint32_t offset;
        std::uint32_t length;
    };
    static constexpr std::uint16_t kEmpty = 0xFFFF;

    // Fibonacci hashing of the length and the folded first, middle and last bytes; the
    // top bits of the product pick the slot.
    static std::uint32_t hash(const Byte* text, std::size_t length) noexcept {
        const std::uint32_t key = std::uint32_t(length) | std::uint32_t(kFoldLower[text[0]]) << 8 |
                                  std::uint32_t(kFoldLower[text[length >> 1]]) << 16 |
                                  std::uint32_t(kFoldLower[text[length - 1]]) << 24;
        return key * 0x9E3779B1u;
    }
    std::size_t slotOf(const Byte* text, std::size_t length) const noexcept {
        return hash(text, length) >> shift_;
    }
    static bool equalFolded(const char* folded, const Byte* text, std::size_t length) noexcept {
        for (std::size_t i = 0; i < length; ++i)
            if (Byte(folded[i]) != kFoldLower[text[i]]) return false;
        return true;
    }

    std::string folded_;
    std::vector<Entry> entries_;
    std::vector<std::uint16_t> slots_;
    std::size_t mask_ = 0;
    unsigned shift_ = 32;
    std::size_t maxLength_ = 0;
};

// Writes tokens into a prepared TokenBuffer. A line of n bytes has at most n tokens, so the buffer
// is prepared once per line and writing needs no bounds checks.
class TokenWriter {
public:
    TokenWriter(TokenBuffer& buffer, std::size_t lineLength)
        : buffer_(buffer), first_(buffer.prepare(lineLength)), next_(first_) {}
    ~TokenWriter() { buffer_.setSize(std::size_t(next_ - first_)); }
    TokenWriter(const TokenWriter&) = delete;
    TokenWriter& operator=(const TokenWriter&) = delete;

    void add(std::size_t start, std::size_t end, Attribute attribute) noexcept {
        *next_++ = Token{std::uint32_t(start), std::uint32_t(end - start), attribute};
    }

private:
    TokenBuffer& buffer_;
    Token* first_;
    Token* next_;
};

// Throws std::length_error for a line too long for 32-bit token offsets.
void checkLineLength(std::size_t length);

// Position of the first "*/" at or after `from`, or npos.
std::size_t findCommentEnd(const Byte* text, std::size_t length, std::size_t from) noexcept;

} // namespace wertan::lexers::detail
