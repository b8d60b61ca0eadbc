#include "editor/lexers/token_dump.h"

namespace wertan::lexers {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c != '\n' && c != '\r') continue;
        lines.push_back(text.substr(start, pos - start));
        if (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
        start = pos + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

void LineSplitter::feed(std::string_view block, const LineSink& sink) {
    std::size_t pos = 0;
    if (skipLf_ && !block.empty()) {
        skipLf_ = false;
        if (block[0] == '\n') pos = 1;
    }
    std::size_t start = pos;
    for (; pos < block.size(); ++pos) {
        const char c = block[pos];
        if (c != '\n' && c != '\r') continue;
        if (pending_.empty()) {
            sink(block.substr(start, pos - start));
        } else {
            pending_.append(block.data() + start, pos - start);
            sink(pending_);
            pending_.clear();
        }
        if (c == '\r') {
            if (pos + 1 == block.size())
                skipLf_ = true;
            else if (block[pos + 1] == '\n')
                ++pos;
        }
        start = pos + 1;
    }
    pending_.append(block.data() + start, block.size() - start);
}

void LineSplitter::finish(const LineSink& sink) {
    if (!pending_.empty()) sink(pending_);
    pending_.clear();
    skipLf_ = false;
}

std::vector<LexedLine> lexDocument(Language language, std::span<const std::string_view> lines) {
    const LineLexer lex = lexerFor(language);
    std::vector<LexedLine> result;
    result.reserve(lines.size());
    TokenBuffer buffer;
    LineState state;
    for (std::string_view line : lines) {
        state = lex(line, state, buffer);
        result.push_back(LexedLine{{buffer.begin(), buffer.end()}, state});
    }
    return result;
}

void appendTokenDump(std::string& out, std::string_view line, std::span<const Token> tokens) {
    for (const Token& token : tokens) {
        out += attributeName(token.attribute);
        out += '\t';
        for (char c : line.substr(token.start, token.length)) {
            switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += c;
            }
        }
        out += '\n';
    }
    out += '\n';
}

std::string dumpTokens(Language language, std::string_view text) {
    const LineLexer lex = lexerFor(language);
    std::string out;
    TokenBuffer buffer;
    LineState state;
    for (std::string_view line : splitLines(text)) {
        state = lex(line, state, buffer);
        appendTokenDump(out, line, buffer.view());
    }
    return out;
}

} // namespace wertan::lexers
