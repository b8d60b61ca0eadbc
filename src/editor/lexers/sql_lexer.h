#pragma once
// Colouring of SQL documents. SQL has no Space attribute: blanks and line ends take Symbol.
#include "editor/lexers/lexer_types.h"

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

std::span<const std::string_view> sqlReservedWords();

} // namespace wertan::lexers
