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

// Scans the start of a line: as lexLine, but the scan stops at the first token boundary at or after
// `stopAt` that lies before the end of `line`, and returns the scan state there; `stoppedAt` gets
// that boundary (the line's length when the scan reached its end). Scanning the rest of the line
// from the boundary, in the returned state, gives the tokens that one scan of the whole line gives,
// so a long line can be coloured piece by piece from checkpoints. A token may look a few bytes past
// its end: `line` must reach at least kLookahead bytes past the boundary, or to the line's real end,
// for the tokens before the boundary to be those of the whole line.
using LinePartLexer = LineState (*)(std::string_view line, LineState state, TokenBuffer& tokens,
                                    std::size_t stopAt, std::size_t* stoppedAt);
LinePartLexer partLexerFor(Language language);
inline LineState lexLinePart(Language language, std::string_view line, LineState state, TokenBuffer& tokens,
                             std::size_t stopAt, std::size_t* stoppedAt) {
    return partLexerFor(language)(line, state, tokens, stopAt, stoppedAt);
}
// The most bytes past its end that a token's scan reads (an entity after HTML text is the longest).
inline constexpr std::size_t kLookahead = 16;

// One more than the highest line state mode of the language.
int modeCount(Language language);

} // namespace wertan::lexers
