#include "editor/lexers/html_lexer.h"

#include "editor/lexers/html_tables.h"
#include "editor/lexers/lexer_support.h"

#include <algorithm>
#include <cstring>

namespace wertan::lexers {

using namespace detail;

namespace {

constexpr auto npos = std::string_view::npos;

// Bytes that end a text token: control characters, "<" and "&" (where an entity may begin).
constexpr auto kTextStop = makeByteSet([](int c) { return c < 32 || c == '<' || c == '&'; });
// Bytes that continue a run of blanks; unlike the other languages a tab ends the run.
constexpr auto kHtmlBlankRun = makeByteSet([](int c) { return kBlankRun[std::size_t(c)] && c != '\t'; });
constexpr auto kTagNameChar = makeByteSet([](int c) { return isAsciiLetter(c) || c == '!' || c == '/'; });
// Bytes that end an unquoted value: blanks, control characters and ">".
constexpr auto kValueStop = makeByteSet([](int c) { return c <= 32 || c == '>'; });
// Bytes that end an attribute name.
constexpr auto kNameStop = makeByteSet([](int c) { return c <= 32 || c == '"' || c == '=' || c == '>'; });

enum Class : Byte {
    kByState, // chosen by the scan state
    kNul,
    kLf,
    kCr,
    kBlank,
    kLess,
    kGreater,
    kEqual,
    kQuote,
    kAmp,
};

constexpr auto kClass = [] {
    std::array<Byte, 256> table{};
    for (int c = 0; c < 256; ++c) {
        Class k = kByState;
        if (c == 0)
            k = kNul;
        else if (c == '\n')
            k = kLf;
        else if (c == '\r')
            k = kCr;
        else if (c <= 32)
            k = kBlank;
        else if (c == '<')
            k = kLess;
        else if (c == '>')
            k = kGreater;
        else if (c == '=')
            k = kEqual;
        else if (c == '"')
            k = kQuote;
        else if (c == '&')
            k = kAmp;
        table[std::size_t(c)] = k;
    }
    return table;
}();

// The position after the first whole occurrence of the two- or three-byte end mark at or after
// `from`, or npos.
std::size_t FindEndMark(const Byte* s, std::size_t n, std::size_t from, std::string_view mark) {
    const std::size_t m = mark.size();
    while (from + m <= n) {
        const void* hit = std::memchr(s + from, mark[0], n - from - m + 1);
        if (!hit) return npos;
        const std::size_t at = std::size_t(static_cast<const Byte*>(hit) - s);
        if (std::memcmp(s + at, mark.data(), m) == 0) return at + m;
        from = at + 1;
    }
    return npos;
}

} // namespace

LineState lexHtmlLinePart(std::string_view line, LineState state, TokenBuffer& tokens, std::size_t stopAt,
                          std::size_t* stoppedAt) {
    if (stoppedAt) *stoppedAt = line.size();
    checkLineLength(line.size());
    const auto* s = reinterpret_cast<const Byte*>(line.data());
    const std::size_t n = line.size();
    TokenWriter out(tokens, n);
    HtmlMode mode = state.mode <= 6 ? HtmlMode(state.mode) : HtmlMode::Text;
    std::size_t pos = 0;

    const std::size_t limit = std::min(n, stopAt);
    while (pos < limit) {
        const std::size_t start = pos;
        const Byte c = s[pos];

        if (mode == HtmlMode::ServerScript || mode == HtmlMode::Comment) {
            const bool script = mode == HtmlMode::ServerScript;
            const std::size_t end = FindEndMark(s, n, pos, script ? "%>" : "-->");
            if (end == npos) {
                pos = n;
            } else {
                pos = end;
                mode = HtmlMode::Text;
            }
            out.add(start, pos, script ? Attribute::Asp : Attribute::Comment);
            continue;
        }

        if (mode == HtmlMode::Text && c >= 32 && c != '<') {
            if (c == '&' && matchHtmlEntity(s + pos, n - pos) != 0) {
                mode = HtmlMode::EntityPending;
                continue;
            }
            ++pos;
            while (pos < n) {
                const Byte b = s[pos];
                if (!kTextStop[b]) {
                    ++pos;
                    continue;
                }
                if (b != '&') break;
                if (matchHtmlEntity(s + pos, n - pos) != 0) {
                    mode = HtmlMode::EntityPending;
                    break;
                }
                ++pos;
            }
            out.add(start, pos, Attribute::Text);
            continue;
        }

        ++pos;
        const Byte next = pos < n ? s[pos] : 0;
        switch (Class(kClass[c])) {
        case kNul:
        case kLf:
            out.add(start, pos, Attribute::Space);
            break;
        case kCr:
            pos += next == '\n';
            out.add(start, pos, Attribute::Space);
            break;
        case kBlank:
            while (pos < n && kHtmlBlankRun[s[pos]])
                ++pos;
            out.add(start, pos, Attribute::Space);
            break;
        case kLess:
            if (next == '!' && n - pos >= 3 && s[pos + 1] == '-' && s[pos + 2] == '-') {
                pos += 3;
                mode = HtmlMode::Comment;
                out.add(start, pos, Attribute::Comment);
            } else if (next == '%') {
                ++pos;
                mode = HtmlMode::ServerScript;
                out.add(start, pos, Attribute::Asp);
            } else {
                mode = HtmlMode::TagStart;
                out.add(start, pos, Attribute::Symbol);
            }
            break;
        case kGreater:
            mode = HtmlMode::Text;
            out.add(start, pos, Attribute::Symbol);
            break;
        case kEqual:
            mode = HtmlMode::ValueExpected;
            out.add(start, pos, Attribute::Symbol);
            break;
        case kQuote: {
            const void* hit = std::memchr(s + pos, '"', n - pos);
            pos = hit ? std::size_t(static_cast<const Byte*>(hit) - s) + 1 : n;
            if (mode == HtmlMode::ValueExpected) mode = HtmlMode::InsideTag;
            out.add(start, pos, Attribute::Value);
            break;
        }
        case kAmp:
            // Outside a pending entity the ampersand starts text again; an entity that is not
            // there after all (possible only from a made-up start state) is text too.
            pos = start;
            if (mode == HtmlMode::EntityPending) {
                if (const std::size_t length = matchHtmlEntity(s + pos, n - pos)) {
                    pos += length;
                    out.add(start, pos, Attribute::EscapeAmpersand);
                }
            }
            mode = HtmlMode::Text;
            break;
        case kByState:
            if (mode == HtmlMode::TagStart) {
                pos = start;
                while (pos < n && kTagNameChar[s[pos]])
                    ++pos;
                while (pos < n && kDigit[s[pos]])
                    ++pos;
                mode = HtmlMode::InsideTag;
                if (pos > start)
                    out.add(start, pos,
                            isHtmlTagName(s + start, pos - start) ? Attribute::ReservedWord
                                                                  : Attribute::UnknownWord);
            } else if (mode == HtmlMode::ValueExpected) {
                while (pos < n && !kValueStop[s[pos]])
                    ++pos;
                mode = HtmlMode::InsideTag;
                out.add(start, pos, Attribute::Value);
            } else {
                while (pos < n && !kNameStop[s[pos]])
                    ++pos;
                out.add(start, pos, Attribute::Identifier);
            }
            break;
        }
    }
    if (stoppedAt) *stoppedAt = pos;
    return LineState{Byte(mode)};
}

LineState lexHtmlLine(std::string_view line, LineState state, TokenBuffer& tokens) {
    return lexHtmlLinePart(line, state, tokens, std::string_view::npos, nullptr);
}

} // namespace wertan::lexers
