// Throughput of each colouring lexer on its own: a generated document of at least 20 MB per
// language (WERTAN_LEX_CORPUS_MB to change it), split into lines once, then lexed line by line from
// each line's state as an editor colours a whole document. MB/s counts the bytes handed to the
// lexer (line breaks excluded), in units of 10^6 bytes, per second of CPU time (the machines this
// runs on are shared; lexed_MB divided by the wall time gives the wall-clock figure).
#include "corpus.h"
#include "editor/lexers/lexers.h"
#include "editor/lexers/token_dump.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace wertan::lexers;

struct Corpus {
    std::string text;
    std::vector<std::string_view> lines;
    std::size_t lexedBytes = 0;
};

const Corpus& CorpusFor(Language language) {
    static std::map<Language, Corpus> corpora;
    auto [it, inserted] = corpora.try_emplace(language);
    if (inserted) {
        std::size_t megabytes = 20;
        if (const char* env = std::getenv("WERTAN_LEX_CORPUS_MB")) megabytes = std::strtoul(env, nullptr, 10);
        Corpus& c = it->second;
        c.text = bench::GenerateCorpus(language, megabytes * 1000 * 1000);
        c.lines = splitLines(c.text);
        for (std::string_view line : c.lines)
            c.lexedBytes += line.size();
    }
    return it->second;
}

void LexWholeCorpus(benchmark::State& state, Language language) {
    const Corpus& corpus = CorpusFor(language);
    const LineLexer lex = lexerFor(language);
    TokenBuffer tokens;
    std::size_t tokenCount = 0;
    for (auto _ : state) {
        LineState lineState;
        tokenCount = 0;
        for (std::string_view line : corpus.lines) {
            lineState = lex(line, lineState, tokens);
            tokenCount += tokens.size();
        }
        benchmark::DoNotOptimize(lineState);
        benchmark::DoNotOptimize(tokenCount);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * corpus.lexedBytes));
    state.counters["MB/s"] =
        benchmark::Counter(double(corpus.lexedBytes) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["corpus_MB"] = double(corpus.text.size()) / 1e6;
    state.counters["lexed_MB"] = double(corpus.lexedBytes) / 1e6;
    state.counters["bytes/token"] = double(corpus.lexedBytes) / double(tokenCount ? tokenCount : 1);
}

} // namespace

BENCHMARK_CAPTURE(LexWholeCorpus, php, Language::Php)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(LexWholeCorpus, html, Language::Html)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(LexWholeCorpus, sql, Language::Sql)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(LexWholeCorpus, js, Language::JavaScript)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(LexWholeCorpus, css, Language::Css)->Unit(benchmark::kMillisecond)->MinTime(2.0);

BENCHMARK_MAIN();
