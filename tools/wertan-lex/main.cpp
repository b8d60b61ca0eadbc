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

bool ReadAll(FILE* file, std::string& text) {
    char chunk[1 << 16];
    std::size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        text.append(chunk, count);
    return !std::ferror(file);
}

} // namespace

int main(int argc, char** argv) {
    using namespace wertan::lexers;
    if (argc < 2 || argc > 3) return Usage();
    Language language;
    if (!languageFromTag(argv[1], language)) return Usage();

    std::string text;
    FILE* input = argc == 3 ? std::fopen(argv[2], "rb") : stdin;
    const bool read = input && ReadAll(input, text);
    if (input && input != stdin) std::fclose(input);
    if (!read) {
        std::fprintf(stderr, "wertan-lex: cannot read %s\n", argc == 3 ? argv[2] : "standard input");
        return 1;
    }

    // Written line by line so a large file needs no second copy of its dump.
    const LineLexer lex = lexerFor(language);
    TokenBuffer tokens;
    LineState state;
    std::string out;
    for (std::string_view line : splitLines(text)) {
        state = lex(line, state, tokens);
        appendTokenDump(out, line, tokens.view());
        if (out.size() >= (1u << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
