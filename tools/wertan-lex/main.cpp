// wertan-lex LANG [FILE]: prints the tokens the colouring lexer of LANG (php, html, sql, js, css)
// finds in FILE or in standard input, in the token dump format of the reference files.
#include "editor/lexers/token_dump.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
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
    if (!LanguageFromTag(argv[1], language)) return Usage();

    std::string text;
    if (argc == 3) {
        std::ifstream file(argv[2], std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "wertan-lex: cannot open %s\n", argv[2]);
            return 1;
        }
        text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        if (file.bad()) {
            std::fprintf(stderr, "wertan-lex: cannot read %s\n", argv[2]);
            return 1;
        }
    } else {
        std::ostringstream input;
        input << std::cin.rdbuf();
        text = std::move(input).str();
    }

    // Written line by line so a large file needs no second copy of its dump.
    const LineLexer lex = LexerFor(language);
    TokenBuffer tokens;
    LineState state;
    std::string out;
    for (std::string_view line : SplitLines(text)) {
        state = lex(line, state, tokens);
        AppendTokenDump(out, line, tokens.view());
        if (out.size() >= (1u << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
