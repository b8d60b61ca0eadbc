#pragma once
// Colouring of HTML documents: text, tags with their attributes and values, comments, character
// entities and server-script blocks between "<%" and "%>". SCRIPT and STYLE contents are text.
#include "editor/lexers/lexer_types.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace wertan::lexers {

// The scan state of an HTML line, carried to the next line.
enum class HtmlMode : std::uint8_t {
    Text = 0,
    ServerScript = 1,
    Comment = 2,
    TagStart = 3, // after "<", the tag name expected
    InsideTag = 4,
    ValueExpected = 5, // after "=" inside a tag
    EntityPending = 6, // an entity begins at the scan position
};

LineState lexHtmlLine(std::string_view line, LineState state, TokenBuffer& tokens);
// The same scan, stopped at the first token boundary at or after `stopAt` (see lexLinePart).
LineState lexHtmlLinePart(std::string_view line, LineState state, TokenBuffer& tokens, std::size_t stopAt,
                          std::size_t* stoppedAt);

} // namespace wertan::lexers
