#pragma once
// Colouring of PHP pages. The whole page is scanned as PHP code: there is no HTML mode outside the
// PHP marks, so "<?php" is the symbols "<" and "?" and the identifier php.
#include "editor/lexers/lexer_types.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace wertan::lexers {

// What a PHP line leaves open for the next one.
enum class PhpMode : std::uint8_t {
    Code = 0,
    SingleQuoted = 1,
    DoubleQuoted = 2,
    BlockComment = 3,
};

// Scans one line without its line break, starting in `state`; fills `tokens` and returns the state
// for the next line.
LineState lexPhpLine(std::string_view line, LineState state, TokenBuffer& tokens);
// The same scan, stopped at the first token boundary at or after `stopAt` (see lexLinePart).
LineState lexPhpLinePart(std::string_view line, LineState state, TokenBuffer& tokens, std::size_t stopAt,
                         std::size_t* stoppedAt);

// The 55 reserved words, as listed in the colour scheme's documentation.
std::span<const std::string_view> phpReservedWords();

} // namespace wertan::lexers
