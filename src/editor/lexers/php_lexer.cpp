#include "editor/lexers/php_lexer.h"

#include "editor/lexers/lexer_support.h"

#include <algorithm>
#include <cstring>

namespace wertan::lexers {

using namespace detail;

namespace {

// clang-format off
constexpr std::string_view kReservedWords[] = {
    "__FILE__", "__LINE__", "and", "array", "break", "case", "cfunction", "class", "const", "continue",
    "default", "die", "do", "double", "echo", "else", "elseif", "empty", "endfor", "endif", "endswitch",
    "endwhile", "eval", "exit", "extends", "false", "float", "for", "function", "global", "highlight_file",
    "highlight_string", "if", "include", "int", "integer", "isset", "list", "new", "object", "old_function",
    "or", "print", "real", "require", "return", "show_source", "static", "string", "switch", "true", "unset",
    "var", "while", "xor",
};
// clang-format on
static_assert(std::size(kReservedWords) == 55);

const KeywordSet& ReservedWords() {
    static const KeywordSet set{kReservedWords};
    return set;
}

enum Class : Byte {
    kNul,
    kLf,
    kCr,
    kBlank,
    kWord,
    kDigitStart,
    kDollar,
    kHash,
    kSlash,
    kSingleQuote,
    kDoubleQuote,
    kAt,
    kOpEq,    // ! % * ^ : doubled by "="
    kAmp,     // & : "&&", "&="
    kPipe,    // | : "||", "|="
    kPlus,    // + : "++", "+="
    kMinus,   // - : "--", "-=", "->"
    kEqual,   // = : "==", "=>"
    kGreater, // > : ">=", ">>"
    kLess,    // < : "<<", "<<=", "<="
    kPunct,   // ( ) , . : ; ? [ ] { } ~
    kOther,   // \ ` and 127 to 255
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
        else if (c >= 127)
            k = kOther;
        else
            switch (c) {
            case '$':
                k = kDollar;
                break;
            case '#':
                k = kHash;
                break;
            case '/':
                k = kSlash;
                break;
            case '\'':
                k = kSingleQuote;
                break;
            case '"':
                k = kDoubleQuote;
                break;
            case '@':
                k = kAt;
                break;
            case '!':
            case '%':
            case '*':
            case '^':
                k = kOpEq;
                break;
            case '&':
                k = kAmp;
                break;
            case '|':
                k = kPipe;
                break;
            case '+':
                k = kPlus;
                break;
            case '-':
                k = kMinus;
                break;
            case '=':
                k = kEqual;
                break;
            case '>':
                k = kGreater;
                break;
            case '<':
                k = kLess;
                break;
            case '\\':
            case '`':
                k = kOther;
                break;
            default:
                k = kPunct;
                break;
            }
        table[std::size_t(c)] = k;
    }
    return table;
}();

// Characters that continue a number: - . 0-9 A-F a-f L l X x.
constexpr auto kNumberChar = makeByteSet([](int c) {
    return c == '-' || c == '.' || isHexDigit(c) || c == 'L' || c == 'l' || c == 'X' || c == 'x';
});

// End of a double-quoted string: the position after its closing quote, or npos. A quote directly
// after a backslash does not close it; `from` is the first byte inside the string.
std::size_t DoubleQuoteEnd(const Byte* s, std::size_t n, std::size_t from) {
    std::size_t pos = from;
    while (pos < n) {
        const void* hit = std::memchr(s + pos, '"', n - pos);
        if (!hit) return std::string_view::npos;
        const std::size_t at = std::size_t(static_cast<const Byte*>(hit) - s);
        if (at == from || s[at - 1] != '\\') return at + 1;
        pos = at + 1;
    }
    return std::string_view::npos;
}

std::size_t SingleQuoteEnd(const Byte* s, std::size_t n, std::size_t from) {
    const void* hit = from < n ? std::memchr(s + from, '\'', n - from) : nullptr;
    return hit ? std::size_t(static_cast<const Byte*>(hit) - s) + 1 : std::string_view::npos;
}

} // namespace

std::span<const std::string_view> phpReservedWords() {
    return kReservedWords;
}

LineState lexPhpLinePart(std::string_view line, LineState state, TokenBuffer& tokens, std::size_t stopAt,
                         std::size_t* stoppedAt) {
    if (stoppedAt) *stoppedAt = line.size();
    checkLineLength(line.size());
    const auto* s = reinterpret_cast<const Byte*>(line.data());
    const std::size_t n = line.size();
    constexpr auto npos = std::string_view::npos;
    TokenWriter out(tokens, n);
    PhpMode mode = state.mode <= 3 ? PhpMode(state.mode) : PhpMode::Code;
    std::size_t pos = 0;

    if (n == 0) return LineState{Byte(mode)};

    // A string or comment left open by the previous line.
    if (mode != PhpMode::Code) {
        std::size_t end = npos;
        Attribute attribute = Attribute::String;
        if (mode == PhpMode::SingleQuoted) {
            end = SingleQuoteEnd(s, n, 0);
        } else if (mode == PhpMode::DoubleQuoted) {
            end = DoubleQuoteEnd(s, n, 0);
        } else {
            attribute = Attribute::Comment;
            end = findCommentEnd(s, n, 0);
            if (end != npos) end += 2;
        }
        if (end == npos) {
            out.add(0, n, attribute);
            return LineState{Byte(mode)};
        }
        out.add(0, end, attribute);
        pos = end;
        mode = PhpMode::Code;
    }

    const KeywordSet& reserved = ReservedWords();
    const std::size_t limit = std::min(n, stopAt);
    while (pos < limit) {
        const std::size_t start = pos;
        const Byte c = s[pos++];
        const Byte next = pos < n ? s[pos] : 0;
        Attribute attribute = Attribute::Symbol;
        switch (Class(kClass[c])) {
        case kNul:
        case kLf:
            attribute = Attribute::Space;
            break;
        case kCr:
            if (next == '\n') ++pos;
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
            attribute =
                reserved.contains(s + start, pos - start) ? Attribute::ReservedWord : Attribute::Identifier;
            break;
        case kDigitStart:
            while (pos < n && kNumberChar[s[pos]]) {
                if (s[pos] == '.' && pos + 1 < n && s[pos + 1] == '.') break;
                ++pos;
            }
            attribute = Attribute::Number;
            break;
        case kDollar:
            while (pos < n && kIdentChar[s[pos]])
                ++pos;
            attribute = Attribute::Variable;
            break;
        case kHash:
            pos = n;
            attribute = Attribute::Comment;
            break;
        case kSlash:
            if (next == '*') {
                attribute = Attribute::Comment;
                const std::size_t end = findCommentEnd(s, n, pos + 1);
                if (end == npos) {
                    pos = n;
                    mode = PhpMode::BlockComment;
                } else {
                    pos = end + 2;
                }
            } else if (next == '/') {
                pos = n;
                attribute = Attribute::Comment;
            } else if (next == '=') {
                ++pos;
            }
            break;
        case kSingleQuote: {
            attribute = Attribute::String;
            const std::size_t end = SingleQuoteEnd(s, n, pos);
            if (end == npos) {
                pos = n;
                mode = PhpMode::SingleQuoted;
            } else {
                pos = end;
            }
            break;
        }
        case kDoubleQuote: {
            attribute = Attribute::String;
            const std::size_t end = DoubleQuoteEnd(s, n, pos);
            if (end == npos) {
                pos = n;
                mode = PhpMode::DoubleQuoted;
            } else {
                pos = end;
            }
            break;
        }
        case kAt:
            attribute = Attribute::InvalidSymbol;
            break;
        case kOpEq:
            pos += next == '=';
            break;
        case kAmp:
            pos += next == '&' || next == '=';
            break;
        case kPipe:
            pos += next == '|' || next == '=';
            break;
        case kPlus:
            pos += next == '+' || next == '=';
            break;
        case kMinus:
            pos += next == '-' || next == '=' || next == '>';
            break;
        case kEqual:
            pos += next == '=' || next == '>';
            break;
        case kGreater:
            pos += next == '=' || next == '>';
            break;
        case kLess:
            if (next == '<') {
                ++pos;
                pos += pos < n && s[pos] == '=';
            } else {
                pos += next == '=';
            }
            break;
        case kPunct:
            break;
        case kOther:
            attribute = Attribute::Identifier;
            break;
        }
        out.add(start, pos, attribute);
    }
    if (stoppedAt) *stoppedAt = pos;
    return LineState{Byte(mode)};
}

LineState lexPhpLine(std::string_view line, LineState state, TokenBuffer& tokens) {
    return lexPhpLinePart(line, state, tokens, std::string_view::npos, nullptr);
}

} // namespace wertan::lexers
