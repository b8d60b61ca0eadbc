#pragma once
// Colouring of SQL documents. SQL has no Space attribute: blanks and line ends take Symbol.
#include "editor/lexers/lexer_types.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace wertan::lexers {

// What an SQL line leaves open for the next one; strings never run on.
enum class SqlMode : std::uint8_t {
    Code = 0,
    BlockComment = 1,
};

LineState lexSqlLine(std::string_view line, LineState state, TokenBuffer& tokens);
// The same scan, stopped at the first token boundary at or after `stopAt` (see lexLinePart).
LineState lexSqlLinePart(std::string_view line, LineState state, TokenBuffer& tokens, std::size_t stopAt,
                         std::size_t* stoppedAt);

std::span<const std::string_view> sqlReservedWords();

} // namespace wertan::lexers
