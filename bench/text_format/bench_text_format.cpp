// What detecting a file's format (UTF-8 validity, byte order mark, dominant line end, NUL check)
// adds to opening it: 50 MB of PHP text with Polish letters, against copying the same bytes once
// (the least any open does with them). The ratio is the detection's cost in copies of the file.
#include "text/text_format.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace {

const std::string& document() {
    static const std::string text = [] {
        const std::string line =
            "    echo '<p>Zażółć gęślą jaźń: ' . htmlspecialchars($row['miasto']) . '</p>';\n";
        std::string t;
        t.reserve(50'000'000 + line.size());
        while (t.size() < 50'000'000)
            t += line;
        return t;
    }();
    return text;
}

void CopyTheFile_reference(benchmark::State& state) {
    const std::string& text = document();
    std::string copy(text.size(), '\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), text.data(), text.size());
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(text.size()));
}

void DetectTextFormat(benchmark::State& state) {
    const std::string& text = document();
    for (auto _ : state) {
        const bool binary = wertan::looksBinary(text);
        const wertan::TextFormat format = wertan::detectTextFormat(text);
        benchmark::DoNotOptimize(binary);
        benchmark::DoNotOptimize(format);
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(text.size()));
}

} // namespace

BENCHMARK(CopyTheFile_reference)->Unit(benchmark::kMillisecond);
BENCHMARK(DetectTextFormat)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
