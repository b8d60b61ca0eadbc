#pragma once
// The colouring lexers of all five languages behind one entry point.
#include "editor/lexers/css_lexer.h"
#include "editor/lexers/html_lexer.h"
#include "editor/lexers/js_lexer.h"
#include "editor/lexers/lexer_types.h"
#include "editor/lexers/php_lexer.h"
#include "editor/lexers/sql_lexer.h"

#include <string_view>

namespace wertan::lexers {

using LineLexer = LineState (*)(std::string_view line, LineState state, TokenBuffer& tokens);

// The line scanner of a language.
LineLexer lexerFor(Language language);

// Scans one line of the language without its line break, starting in `state` (the state the
// previous line returned, or LineState{} for the first line). Fills `tokens`, which then cover the
// line exactly, and returns the state for the next line.
inline LineState lexLine(Language language, std::string_view line, LineState state, TokenBuffer& tokens) {
    return lexerFor(language)(line, state, tokens);
}

// One more than the highest line state mode of the language.
int modeCount(Language language);

} // namespace wertan::lexers
