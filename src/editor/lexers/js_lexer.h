#pragma once
// Colouring of JavaScript documents. Besides the language's keywords, the names of the browser
// object model (document, window, onClick, ...) are reserved words.
#include "editor/lexers/lexer_types.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace wertan::lexers {

// What a JavaScript line leaves open for the next one; strings never run on.
enum class JsMode : std::uint8_t {
    Code = 0,
    BlockComment = 1,
};

LineState lexJsLine(std::string_view line, LineState state, TokenBuffer& tokens);
// The same scan, stopped at the first token boundary at or after `stopAt` (see lexLinePart).
LineState lexJsLinePart(std::string_view line, LineState state, TokenBuffer& tokens, std::size_t stopAt,
                        std::size_t* stoppedAt);

std::span<const std::string_view> jsReservedWords();

} // namespace wertan::lexers
