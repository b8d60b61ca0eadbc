#include "editor/lexers/sql_lexer.h"

#include "editor/lexers/lexer_support.h"

#include <algorithm>
#include <cstring>

namespace wertan::lexers {

using namespace detail;

namespace {

// clang-format off
constexpr std::string_view kReservedWords[] = {
    "ACTIVE", "AFTER", "ALL", "ALTER", "AND", "ANY", "AS", "ASC", "ASCENDING", "AT", "AUTO", "BASE_NAME",
    "BEFORE", "BEGIN", "BETWEEN", "BY", "CACHE", "CAST", "CHECK", "COLUMN", "COMMIT", "COMMITTED", "COMPUTED",
    "CONDITIONAL", "CONSTRAINT", "CONTAINING", "COUNT", "CREATE", "CURRENT", "CURSOR", "DATABASE", "DEBUG",
    "DECLARE", "DEFAULT", "DELETE", "DESC", "DESCENDING", "DISTINCT", "DO", "DOMAIN", "DROP", "ELSE", "END",
    "ENTRY_POINT", "ESCAPE", "EXCEPTION", "EXECUTE", "EXISTS", "EXIT", "EXTERNAL", "EXTRACT", "FILTER", "FOR",
    "FOREIGN", "FROM", "FULL", "FUNCTION", "GENERATOR", "GRANT", "GROUP", "HAVING", "IF", "IN", "INACTIVE",
    "INDEX", "INNER", "INSERT", "INTO", "IS", "ISOLATION", "JOIN", "KEY", "LEFT", "LEVEL", "LIKE", "MERGE",
    "NAMES", "NO", "NOT", "NULL", "OF", "ON", "ONLY", "OR", "ORDER", "OUTER", "PARAMETER", "PASSWORD", "PLAN",
    "POSITION", "PRIMARY", "PRIVILEGES", "PROCEDURE", "PROTECTED", "READ", "RETAIN", "RETURNS", "REVOKE",
    "RIGHT", "ROLLBACK", "SCHEMA", "SELECT", "SET", "SHADOW", "SHARED", "SNAPSHOT", "SOME", "SUSPEND",
    "TABLE", "THEN", "TO", "TRANSACTION", "TRIGGER", "UNCOMMITTED", "UNION", "UNIQUE", "UPDATE", "USER",
    "USING", "VIEW", "WAIT", "WHEN", "WHERE", "WHILE", "WITH", "WORK",
};
// clang-format on
static_assert(std::size(kReservedWords) == 126);

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
    kDot,
    kHash,
    kMinus,
    kSlash,
    kSingleQuote,
    kDoubleQuote,
    kSingle, // every other byte: a one-byte symbol or other character
};

constexpr auto kClass = [] {
    std::array<Byte, 256> table{};
    for (int c = 0; c < 256; ++c) {
        Class k = kSingle;
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
        else if (c == '.')
            k = kDot;
        else if (c == '#')
            k = kHash;
        else if (c == '-')
            k = kMinus;
        else if (c == '/')
            k = kSlash;
        else if (c == '\'')
            k = kSingleQuote;
        else if (c == '"')
            k = kDoubleQuote;
        table[std::size_t(c)] = k;
    }
    return table;
}();

// Characters that continue a number: - . 0-9 A-F X _ a-f x (the minus only after e or E).
constexpr auto kNumberChar = makeByteSet(
    [](int c) { return c == '-' || c == '.' || c == '_' || c == 'X' || c == 'x' || isHexDigit(c); });

// The end of a number whose remaining characters start at `pos`.
std::size_t NumberEnd(const Byte* s, std::size_t n, std::size_t pos) {
    while (pos < n && kNumberChar[s[pos]]) {
        const Byte c = s[pos];
        if (c == '.' && pos + 1 < n && s[pos + 1] == '.') break;
        if (c == '-' && s[pos - 1] != 'e' && s[pos - 1] != 'E') break;
        ++pos;
    }
    return pos;
}

} // namespace

std::span<const std::string_view> sqlReservedWords() {
    return kReservedWords;
}

LineState lexSqlLinePart(std::string_view line, LineState state, TokenBuffer& tokens, std::size_t stopAt,
                         std::size_t* stoppedAt) {
    if (stoppedAt) *stoppedAt = line.size();
    checkLineLength(line.size());
    const auto* s = reinterpret_cast<const Byte*>(line.data());
    const std::size_t n = line.size();
    constexpr auto npos = std::string_view::npos;
    TokenWriter out(tokens, n);
    SqlMode mode = state.mode == 1 ? SqlMode::BlockComment : SqlMode::Code;
    std::size_t pos = 0;

    if (mode == SqlMode::BlockComment && n > 0) {
        const std::size_t end = findCommentEnd(s, n, 0);
        if (end == npos) {
            out.add(0, n, Attribute::Comment);
            return LineState{Byte(mode)};
        }
        pos = end + 2;
        out.add(0, pos, Attribute::Comment);
        mode = SqlMode::Code;
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
        case kSingle:
            break;
        case kCr:
            pos += next == '\n';
            break;
        case kBlank:
            while (pos < n && kBlankRun[s[pos]])
                ++pos;
            break;
        case kWord:
            while (pos < n && kIdentChar[s[pos]])
                ++pos;
            attribute =
                reserved.contains(s + start, pos - start) ? Attribute::ReservedWord : Attribute::Identifier;
            break;
        case kDigitStart:
            pos = NumberEnd(s, n, pos);
            attribute = Attribute::Number;
            break;
        case kDot:
            if (kDigit[next]) {
                pos = NumberEnd(s, n, pos);
                attribute = Attribute::Number;
            }
            break;
        case kHash:
            pos = n;
            attribute = Attribute::Comment;
            break;
        case kMinus:
            if (next == '-') {
                pos = n;
                attribute = Attribute::Comment;
            }
            break;
        case kSlash:
            if (next == '*') {
                attribute = Attribute::Comment;
                const std::size_t end = findCommentEnd(s, n, pos + 1);
                if (end == npos) {
                    pos = n;
                    mode = SqlMode::BlockComment;
                } else {
                    pos = end + 2;
                }
            } else if (next == '/') {
                pos = n;
                attribute = Attribute::Comment;
            }
            break;
        case kSingleQuote: {
            attribute = Attribute::String;
            const void* hit = std::memchr(s + pos, '\'', n - pos);
            pos = hit ? std::size_t(static_cast<const Byte*>(hit) - s) + 1 : n;
            break;
        }
        case kDoubleQuote: {
            attribute = Attribute::String;
            // Three double quotes open the string together.
            if (next == '"' && pos + 1 < n && s[pos + 1] == '"') pos += 2;
            const std::size_t from = pos;
            for (;;) {
                const void* hit = pos < n ? std::memchr(s + pos, '"', n - pos) : nullptr;
                if (!hit) {
                    pos = n;
                    break;
                }
                const std::size_t at = std::size_t(static_cast<const Byte*>(hit) - s);
                pos = at + 1;
                if (at == from || s[at - 1] != '\\') break;
            }
            break;
        }
        }
        out.add(start, pos, attribute);
    }
    if (stoppedAt) *stoppedAt = pos;
    return LineState{Byte(mode)};
}

LineState lexSqlLine(std::string_view line, LineState state, TokenBuffer& tokens) {
    return lexSqlLinePart(line, state, tokens, std::string_view::npos, nullptr);
}

} // namespace wertan::lexers
