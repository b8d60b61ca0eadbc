#pragma once
// Colouring of style sheets. A hyphen is no identifier character, so font-family is the key word
// font, an other character and the key word family.
#include "editor/lexers/lexer_types.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace wertan::lexers {

// What a style sheet line leaves open for the next one.
enum class CssMode : std::uint8_t {
    Code = 0,
    BlockComment = 1,
};

LineState lexCssLine(std::string_view line, LineState state, TokenBuffer& tokens);
// The same scan, stopped at the first token boundary at or after `stopAt` (see lexLinePart).
LineState lexCssLinePart(std::string_view line, LineState state, TokenBuffer& tokens, std::size_t stopAt,
                         std::size_t* stoppedAt);

std::span<const std::string_view> cssKeyWords();

} // namespace wertan::lexers
