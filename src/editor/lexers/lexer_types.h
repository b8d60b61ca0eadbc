#pragma once
// Types shared by the colouring lexers: languages, colour attributes, tokens, the per-line state.
//
// A lexer scans the bytes of one line without its line break, starting from the state the previous
// line left, writes the line's tokens and returns the state for the next line. Lexers know no
// editor; the editor keeps each line's state in Scintilla's line state (LineState::encode/decode).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace wertan::lexers {

// The five colouring kinds of document pages, numbered as the pages number them.
enum class Language : std::uint8_t {
    Php = 0,
    Css = 1,
    Sql = 2,
    Html = 3,
    JavaScript = 4,
};
inline constexpr int kLanguageCount = 5;

// Every colour attribute of every language. A language uses a subset (LanguageAttributes); the
// values are stable and small, so an editor may use them directly as style numbers.
enum class Attribute : std::uint8_t {
    Asp = 0,
    Comment,
    EscapeAmpersand,
    Identifier,
    InvalidSymbol,
    Key,
    Number,
    ReservedWord,
    Space,
    String,
    Symbol,
    Text,
    UnknownWord,
    Value,
    Variable,
};
inline constexpr int kAttributeCount = 15;

// The attribute's name as colour schemes store and list it ("Reserved word", "Escape ampersand").
std::string_view attributeName(Attribute attribute);

// The language's colour scheme name ("PHP", "HTML Document", "SQL", "Javascript",
// "Cascading Stylesheets").
std::string_view languageName(Language language);
// The attributes of the language's colour scheme, in alphabetical order of their names.
std::span<const Attribute> languageAttributes(Language language);

// The short language tags of the token dump tool: php, html, sql, js, css. False when unknown.
bool languageFromTag(std::string_view tag, Language& language);
std::string_view languageTag(Language language);

// One token of a line: byte offset from the start of the line, length in bytes (never zero), and
// the attribute it is drawn with. Tokens of a line are contiguous and cover it exactly.
struct Token {
    std::uint32_t start;
    std::uint32_t length;
    Attribute attribute;

    friend bool operator==(const Token&, const Token&) = default;
};

// The state carried from the end of one line to the start of the next. `mode` holds the language's
// own scan state (PhpMode, HtmlMode, ... in the lexer headers); 0 is the state of a new text.
struct LineState {
    std::uint8_t mode = 0;

    friend bool operator==(const LineState&, const LineState&) = default;

    // Scintilla's integer line state. Values that no lexer produces decode to the start state.
    constexpr int encode() const noexcept { return mode; }
    static constexpr LineState decode(int value) noexcept {
        return value >= 0 && value < kModeLimit ? LineState{static_cast<std::uint8_t>(value)} : LineState{};
    }
    // One more than the highest mode of any language.
    static constexpr int kModeLimit = 8;
};

// The tokens of one line. The buffer is reused from line to line and only ever grows, so a scan
// allocates nothing once the longest line has been seen.
class TokenBuffer {
public:
    TokenBuffer() = default;
    TokenBuffer(const TokenBuffer&) = delete;
    TokenBuffer& operator=(const TokenBuffer&) = delete;
    TokenBuffer(TokenBuffer&&) noexcept = default;
    TokenBuffer& operator=(TokenBuffer&&) noexcept = default;

    std::size_t size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }
    const Token* begin() const noexcept { return tokens_.get(); }
    const Token* end() const noexcept { return tokens_.get() + size_; }
    const Token& operator[](std::size_t index) const noexcept { return tokens_[index]; }
    std::span<const Token> view() const noexcept { return {tokens_.get(), size_}; }

    // For lexers: room for at least `count` tokens, the buffer emptied; returns where to write.
    Token* prepare(std::size_t count);
    // For lexers: the number of tokens written since prepare().
    void setSize(std::size_t count) noexcept { size_ = count; }

private:
    std::unique_ptr<Token[]> tokens_;
    std::size_t capacity_ = 0;
    std::size_t size_ = 0;
};

// The longest line a lexer accepts (token offsets are 32-bit); longer lines throw std::length_error.
inline constexpr std::size_t kMaxLineLength = 0xFFFFFFFFu;

} // namespace wertan::lexers
