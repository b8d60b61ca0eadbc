// "Zamień wszystko" of a word with tens of thousands of occurrences in a generated PHP document of
// WERTAN_REPLACE_MB (default 50) * 10^6 bytes:
//
// - ReplaceAll_editor: the replace-all of the find and replace dialogs on a page's editor (reading
//   the editor's text, finding every occurrence, and the one undoable edit that replaces them);
// - ReplaceAll_plain: a plain single pass over the same bytes with std::string::find and append,
//   the least any replace-all can cost;
// - ReplaceAll_editor_wholeWords: the same with "whole words only", which checks each match's
//   neighbours.
// The ratio of the editor's time to the plain pass is printed at the end.
#include "corpus.h"
#include "editor/ui/code_editor.h"
#include "shell/search.h"
#include "shell/ui/search_dialogs.h"
#include "text/win1250.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

using namespace wertan;

std::size_t megabytes() {
    const char* value = std::getenv("WERTAN_REPLACE_MB");
    const long n = value ? std::atol(value) : 0;
    return n > 0 ? std::size_t(n) : 50;
}

// The document in the editor's UTF-8, and the word replaced: a variable of the generated pages.
const std::string& document() {
    static const std::string text =
        win1250ToUtf8(lexers::bench::GenerateCorpus(lexers::Language::Php, megabytes() * 1000 * 1000));
    return text;
}
constexpr const char* kWord = "$wynik";
constexpr const char* kReplacement = "$rezultat";

std::size_t occurrences() {
    std::size_t count = 0;
    for (std::size_t at = document().find(kWord); at != std::string::npos; at = document().find(kWord, at + 1))
        ++count;
    return count;
}

void report(benchmark::State& state, std::size_t replaced) {
    state.counters["replaced"] = double(replaced);
    state.counters["doc_MB"] = double(document().size()) / 1e6;
}

void ReplaceAll_editor(benchmark::State& state, bool wholeWords) {
    CodeEditor editor;
    editor.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(document().size()),
                         document().data());
    SearchDialogState dialog;
    dialog.findText = kWord;
    dialog.replaceText = kReplacement;
    dialog.wholeWords = wholeWords;
    std::size_t replaced = 0;
    for (auto _ : state) {
        EditorSearchTarget target(&editor);
        replaced = replaceAll(dialog, target);
        state.PauseTiming();
        editor.SendScintilla(QsciScintillaBase::SCI_UNDO);
        state.ResumeTiming();
    }
    if (editor.documentUtf8() != document()) state.SkipWithError("undo did not restore the text");
    report(state, replaced);
}

void ReplaceAll_editor(benchmark::State& state) {
    ReplaceAll_editor(state, false);
}

void ReplaceAll_editor_wholeWords(benchmark::State& state) {
    ReplaceAll_editor(state, true);
}

void ReplaceAll_plain(benchmark::State& state) {
    const std::string& text = document();
    const std::string word = kWord;
    std::size_t replaced = 0;
    for (auto _ : state) {
        std::string out;
        out.reserve(text.size() + text.size() / 8);
        std::size_t from = 0;
        replaced = 0;
        for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, from)) {
            out.append(text, from, at - from);
            out.append(kReplacement);
            from = at + word.size();
            ++replaced;
        }
        out.append(text, from, std::string::npos);
        benchmark::DoNotOptimize(out.data());
    }
    report(state, replaced);
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                auto& t = times_[run.run_name.function_name];
                t.first += run.GetAdjustedRealTime();
                ++t.second;
            }
    }
    double mean(const std::string& name) const {
        const auto it = times_.find(name);
        return it == times_.end() ? 0 : it->second.first / it->second.second;
    }

private:
    std::map<std::string, std::pair<double, int>> times_;
};

} // namespace

BENCHMARK(ReplaceAll_plain)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ReplaceAll_editor)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ReplaceAll_editor_wholeWords)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    std::printf("document: %.1f MB, \"%s\" occurs %zu times\n", double(document().size()) / 1e6, kWord,
                occurrences());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double plain = reporter.mean("ReplaceAll_plain");
    if (plain > 0) {
        std::printf("\nWall time against the plain single pass:\n");
        std::printf("  editor replace-all: %.2f\n", reporter.mean("ReplaceAll_editor") / plain);
        std::printf("  editor replace-all, whole words: %.2f\n", reporter.mean("ReplaceAll_editor_wholeWords") / plain);
    }
    benchmark::Shutdown();
    return 0;
}
