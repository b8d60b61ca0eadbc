// wertan-lex LANG [FILE]: prints the tokens the colouring lexer of LANG (php, html, sql, js, css)
// finds in FILE or in standard input, in the token dump format of the reference files.
#include "editor/lexers/token_dump.h"

#include <cstdio>
#include <string>

namespace {

int Usage() {
    std::fputs("usage: wertan-lex php|html|sql|js|css [FILE]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    using namespace wertan::lexers;
    if (argc < 2 || argc > 3) return Usage();
    Language language;
    if (!languageFromTag(argv[1], language)) return Usage();

    FILE* input = argc == 3 ? std::fopen(argv[2], "rb") : stdin;
    if (!input) {
        std::fprintf(stderr, "wertan-lex: cannot read %s\n", argv[2]);
        return 1;
    }

    // Read, lexed and written line by line as the input arrives: memory stays within the longest
    // line, and an endless input runs until it is stopped.
    const LineLexer lex = lexerFor(language);
    TokenBuffer tokens;
    LineState state;
    std::string out;
    bool written = true;
    auto dumpLine = [&](std::string_view line) {
        state = lex(line, state, tokens);
        appendTokenDump(out, line, tokens.view());
        if (out.size() >= (1u << 16)) {
            written = std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && written;
            out.clear();
        }
    };
    LineSplitter lines;
    static char block[1 << 16];
    std::size_t count;
    while (written && (count = std::fread(block, 1, sizeof block, input)) > 0)
        lines.feed(std::string_view(block, count), dumpLine);
    const bool read = !std::ferror(input);
    if (input != stdin) std::fclose(input);
    if (!read) {
        std::fprintf(stderr, "wertan-lex: cannot read %s\n", argc == 3 ? argv[2] : "standard input");
        return 1;
    }
    lines.finish(dumpLine);
    written = std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && written;
    return written && std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
