#include "editor/lexers/css_lexer.h"

#include "editor/lexers/lexer_support.h"

#include <algorithm>
#include <cstring>

namespace wertan::lexers {

using namespace detail;

namespace {

// clang-format off
constexpr std::string_view kKeyWords[] = {
    "align", "background", "bottom", "color", "em", "face", "family", "font", "height", "horizontal", "left",
    "line", "margin", "overflow", "padding", "position", "pt", "px", "right", "shape", "size", "text", "top",
    "vertical", "weight", "width",
};
// clang-format on
static_assert(std::size(kKeyWords) == 26);

const KeywordSet& KeyWords() {
    static const KeywordSet set{kKeyWords};
    return set;
}

enum Class : Byte {
    kNul,
    kLf,
    kCr,
    kBlank,
    kWord,
    kDigitStart,
    kHexStart, // # $
    kQuote,
    kBrace,
    kParen,
    kSlash,
    kOther,
};

constexpr auto kClass = [] {
    std::array<Byte, 256> table{};
    for (int c = 0; c < 256; ++c) {
        Class k = kOther;
        if (c == 0)
            k = kNul;
        else if (c == '\n')
            k = kLf;
        else if (c == '\r')
            k = kCr;
        else if (c <= 32)
            k = kBlank;
        else if (isAsciiLetter(c) || c == '_')
            k = kWord;
        else if (isDigit(c))
            k = kDigitStart;
        else if (c == '#' || c == '$')
            k = kHexStart;
        else if (c == '\'')
            k = kQuote;
        else if (c == '{' || c == '}')
            k = kBrace;
        else if (c == '(' || c == ')')
            k = kParen;
        else if (c == '/')
            k = kSlash;
        table[std::size_t(c)] = k;
    }
    return table;
}();

constexpr auto kNumberChar =
    makeByteSet([](int c) { return isDigit(c) || c == '.' || c == 'E' || c == 'e'; });

} // namespace

std::span<const std::string_view> cssKeyWords() {
    return kKeyWords;
}

LineState lexCssLinePart(std::string_view line, LineState state, TokenBuffer& tokens, std::size_t stopAt,
                         std::size_t* stoppedAt) {
    if (stoppedAt) *stoppedAt = line.size();
    checkLineLength(line.size());
    const auto* s = reinterpret_cast<const Byte*>(line.data());
    const std::size_t n = line.size();
    constexpr auto npos = std::string_view::npos;
    TokenWriter out(tokens, n);
    CssMode mode = state.mode == 1 ? CssMode::BlockComment : CssMode::Code;
    std::size_t pos = 0;

    if (mode == CssMode::BlockComment && n > 0) {
        const std::size_t end = findCommentEnd(s, n, 0);
        if (end == npos) {
            out.add(0, n, Attribute::Comment);
            return LineState{Byte(mode)};
        }
        pos = end + 2;
        out.add(0, pos, Attribute::Comment);
        mode = CssMode::Code;
    }

    const KeywordSet& keys = KeyWords();
    const std::size_t limit = std::min(n, stopAt);
    while (pos < limit) {
        const std::size_t start = pos;
        const Byte c = s[pos++];
        const Byte next = pos < n ? s[pos] : 0;
        Attribute attribute = Attribute::Identifier;
        switch (Class(kClass[c])) {
        case kNul:
        case kLf:
            attribute = Attribute::Space;
            break;
        case kCr:
            pos += next == '\n';
            attribute = Attribute::Space;
            break;
        case kBlank:
            while (pos < n && kBlankRun[s[pos]])
                ++pos;
            attribute = Attribute::Space;
            break;
        case kWord:
            while (pos < n && kIdentChar[s[pos]])
                ++pos;
            attribute = keys.contains(s + start, pos - start) ? Attribute::Key : Attribute::Identifier;
            break;
        case kDigitStart:
            while (pos < n && kNumberChar[s[pos]]) {
                if (s[pos] == '.' && pos + 1 < n && s[pos + 1] == '.') break;
                ++pos;
            }
            attribute = Attribute::Number;
            break;
        case kHexStart:
            while (pos < n && kHexDigit[s[pos]])
                ++pos;
            attribute = Attribute::Number;
            break;
        case kQuote: {
            attribute = Attribute::String;
            // Three single quotes open the string together.
            if (next == '\'' && pos + 1 < n && s[pos + 1] == '\'') pos += 2;
            const void* hit = pos < n ? std::memchr(s + pos, '\'', n - pos) : nullptr;
            pos = hit ? std::size_t(static_cast<const Byte*>(hit) - s) + 1 : n;
            break;
        }
        case kBrace:
            while (pos < n && kDigit[s[pos]])
                ++pos;
            attribute = Attribute::String;
            break;
        case kParen:
            attribute = Attribute::Symbol;
            break;
        case kSlash:
            if (next == '*') {
                attribute = Attribute::Comment;
                const std::size_t end = findCommentEnd(s, n, pos + 1);
                if (end == npos) {
                    pos = n;
                    mode = CssMode::BlockComment;
                } else {
                    pos = end + 2;
                }
            } else {
                attribute = Attribute::Symbol;
            }
            break;
        case kOther:
            break;
        }
        out.add(start, pos, attribute);
    }
    if (stoppedAt) *stoppedAt = pos;
    return LineState{Byte(mode)};
}

LineState lexCssLine(std::string_view line, LineState state, TokenBuffer& tokens) {
    return lexCssLinePart(line, state, tokens, std::string_view::npos, nullptr);
}

} // namespace wertan::lexers
