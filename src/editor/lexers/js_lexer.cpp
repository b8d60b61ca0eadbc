#include "editor/lexers/js_lexer.h"

#include "editor/lexers/lexer_support.h"

#include <algorithm>
#include <cstring>

namespace wertan::lexers {

using namespace detail;

namespace {

// clang-format off
constexpr std::string_view kReservedWords[] = {
    "abs", "acos", "action", "alert", "alinkColor", "Anchor", "anchors", "appCodeName", "Applet", "applets",
    "appName", "appVersion", "Area", "arguments", "Array", "asin", "atan", "atan2", "back", "bgColor", "big",
    "blink", "blur", "bold", "Boolean", "border", "break", "Button", "caller", "ceil", "charAt", "Checkbox",
    "checked", "clearTimeout", "click", "close", "closed", "comment", "complete", "confirm", "constructor",
    "continue", "cookie", "cos", "current", "Date", "defaultChecked", "defaultSelected", "defaultStatus",
    "defaultValue", "description", "document", "domain", "E", "elements", "else", "embeds", "enabledPlugin",
    "encoding", "escape", "eval", "exp", "fgColor", "filename", "FileUpload", "fixed", "floor", "focus",
    "fontcolor", "fontsize", "for", "Form", "forms", "forward", "Frame", "frames", "Function", "getDate",
    "getDay", "getHours", "getMinutes", "getMonth", "getSeconds", "getTime", "getTimezoneOffset", "getYear",
    "go", "hash", "height", "Hidden", "history", "host", "hostname", "href", "hspace", "if", "Image",
    "images", "in", "index", "indexOf", "isNaN", "italics", "javaEnabled", "join", "lastIndexOf",
    "lastModified", "length", "Link", "linkColor", "links", "LN10", "LN2", "location", "log", "LOG10E",
    "LOG2E", "loop", "lowsrc", "Math", "max", "MAX_VALUE", "method", "MimeType", "mimeTypes", "min",
    "MIN_VALUE", "name", "NaN", "navigator", "NEGATIVE_INFINITY", "new", "next", "Number", "object",
    "onAbort", "onBlur", "onChange", "onClick", "onError", "onFocus", "onLoad", "onMouseOut", "onMouseOver",
    "onReset", "onSelect", "onSubmit", "onUnload", "open", "opener", "Option", "options", "parent", "parse",
    "parseFloat", "parseInt", "Password", "pathname", "PI", "Plugin", "plugins", "port", "POSITIVE_INFINITY",
    "pow", "previous", "prompt", "property", "protocol", "prototype", "Radio", "random", "referrer",
    "refresh", "reload", "replace", "reset", "return", "reverse", "round", "scroll", "search", "Select",
    "selected", "selectedIndex", "self", "setDate", "setHours", "setMinutes", "setMonth", "setSeconds",
    "setTime", "setTimeout", "setYear", "sin", "small", "sort", "split", "sqrt", "SQRT1_2", "SQRT2", "src",
    "status", "strike", "String", "sub", "submit", "substring", "suffixes", "sup", "taint", "taintEnabled",
    "tan", "target", "Text", "Textarea", "this", "title", "toGMTString", "toLocaleString", "toLowerCase",
    "top", "toString", "toUpperCase", "type", "unescape", "untaint", "URL", "userAgent", "UTC", "value",
    "valueOf", "var", "vlinkColor", "vspace", "while", "width", "window", "with", "write", "writeln",
};
// clang-format on
static_assert(std::size(kReservedWords) == 240);

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
    kQuote,
    kSlash,
    kDot,
    kAmp,   // & : "&&", "&="
    kPipe,  // | : "||", "|="
    kPlus,  // + : "++", "+="
    kMinus, // - : "--", "-=", "->"
    kOpEq,  // % * : doubled by "="
    kPunct, // ( ) , { } ~
    kOther, // ! : ; < = > ? @ [ \ ] ^ ` and 127 to 255, drawn as strings
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
        else
            switch (c) {
            case '$':
                k = kDollar;
                break;
            case '#':
                k = kHash;
                break;
            case '"':
            case '\'':
                k = kQuote;
                break;
            case '/':
                k = kSlash;
                break;
            case '.':
                k = kDot;
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
            case '%':
            case '*':
                k = kOpEq;
                break;
            case '(':
            case ')':
            case ',':
            case '{':
            case '}':
            case '~':
                k = kPunct;
                break;
            default:
                k = kOther;
                break;
            }
        table[std::size_t(c)] = k;
    }
    return table;
}();

constexpr auto kNumberChar =
    makeByteSet([](int c) { return isDigit(c) || c == '.' || c == 'E' || c == 'e'; });

} // namespace

std::span<const std::string_view> jsReservedWords() {
    return kReservedWords;
}

LineState lexJsLinePart(std::string_view line, LineState state, TokenBuffer& tokens, std::size_t stopAt,
                        std::size_t* stoppedAt) {
    if (stoppedAt) *stoppedAt = line.size();
    checkLineLength(line.size());
    const auto* s = reinterpret_cast<const Byte*>(line.data());
    const std::size_t n = line.size();
    constexpr auto npos = std::string_view::npos;
    TokenWriter out(tokens, n);
    JsMode mode = state.mode == 1 ? JsMode::BlockComment : JsMode::Code;
    std::size_t pos = 0;

    if (mode == JsMode::BlockComment && n > 0) {
        const std::size_t end = findCommentEnd(s, n, 0);
        if (end == npos) {
            out.add(0, n, Attribute::Comment);
            return LineState{Byte(mode)};
        }
        pos = end + 2;
        out.add(0, pos, Attribute::Comment);
        mode = JsMode::Code;
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
            while (pos < n && kHexDigit[s[pos]])
                ++pos;
            attribute = Attribute::Number;
            break;
        case kHash:
            while (pos < n && kDigit[s[pos]])
                ++pos;
            attribute = Attribute::String;
            break;
        case kQuote: {
            attribute = Attribute::String;
            // Three quotes of a kind open the string together.
            if (next == c && pos + 1 < n && s[pos + 1] == c) pos += 2;
            const void* hit = pos < n ? std::memchr(s + pos, c, n - pos) : nullptr;
            pos = hit ? std::size_t(static_cast<const Byte*>(hit) - s) + 1 : n;
            break;
        }
        case kSlash:
            if (next == '*') {
                attribute = Attribute::Comment;
                const std::size_t end = findCommentEnd(s, n, pos + 1);
                if (end == npos) {
                    pos = n;
                    mode = JsMode::BlockComment;
                } else {
                    pos = end + 2;
                }
            } else if (next == '/') {
                pos = n;
                attribute = Attribute::Comment;
            } else {
                pos += next == '=';
            }
            break;
        case kDot:
            if (next == '.' && pos + 1 < n && s[pos + 1] == '.') pos += 2;
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
        case kOpEq:
            pos += next == '=';
            break;
        case kPunct:
            break;
        case kOther:
            attribute = Attribute::String;
            break;
        }
        out.add(start, pos, attribute);
    }
    if (stoppedAt) *stoppedAt = pos;
    return LineState{Byte(mode)};
}

LineState lexJsLine(std::string_view line, LineState state, TokenBuffer& tokens) {
    return lexJsLinePart(line, state, tokens, std::string_view::npos, nullptr);
}

} // namespace wertan::lexers
