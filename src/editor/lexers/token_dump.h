#pragma once
// Reading lexer output: documents split into lines, lexed line by line, and the token dump format
// of the wertan-lex tool and of the reference files (keep it stable):
//   for each token one line "<attribute name>\t<token bytes>", the bytes with backslash, tab, CR
//   and LF written as \\, \t, \r and \n; after the tokens of each input line one empty line.
#include "editor/lexers/lexers.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wertan::lexers {

// Lines of a text split at LF, CR LF or CR, without their line breaks. A line break at the very end
// closes the last line without opening another; an empty text has no lines.
std::vector<std::string_view> splitLines(std::string_view text);

// The same split for a text that arrives in blocks: each line is handed over as soon as its line
// break has arrived, so only the line being read is held (a CR at the end of a block waits for the
// next block to tell whether an LF belongs to it). The lines are those splitLines() gives.
class LineSplitter {
public:
    using LineSink = std::function<void(std::string_view line)>;
    void feed(std::string_view block, const LineSink& sink);
    // The end of the text: hands over a last line that has no line break.
    void finish(const LineSink& sink);

private:
    std::string pending_; // the start of the line still being read
    bool skipLf_ = false; // the previous block ended with CR
};

// The tokens of one line and the state it leaves, as a whole-document pass produces them.
struct LexedLine {
    std::vector<Token> tokens;
    LineState endState;
};
// Lexes the lines in order, each starting in the state the previous one left.
std::vector<LexedLine> lexDocument(Language language, std::span<const std::string_view> lines);

// Appends the dump of one line's tokens (and the empty line after them) to `out`.
void appendTokenDump(std::string& out, std::string_view line, std::span<const Token> tokens);
// The dump of a whole text.
std::string dumpTokens(Language language, std::string_view text);

} // namespace wertan::lexers
