// wertan-lexcorpus LANG MEGABYTES FILE: writes the generated benchmark document of a language
// (php, html, sql, js, css) of at least MEGABYTES * 10^6 bytes, e.g. for opening it in the editor.
#include "corpus.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

int main(int argc, char** argv) {
    using namespace wertan::lexers;
    Language language;
    if (argc != 4 || !languageFromTag(argv[1], language) || std::atol(argv[2]) <= 0) {
        std::fputs("usage: wertan-lexcorpus php|html|sql|js|css MEGABYTES FILE\n", stderr);
        return 2;
    }
    const std::string text = bench::GenerateCorpus(language, std::size_t(std::atol(argv[2])) * 1000 * 1000);
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out.write(text.data(), std::streamsize(text.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "wertan-lexcorpus: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
