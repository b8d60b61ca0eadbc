// Colouring through the editor, each figure against a reference run in the same process:
//
// - ColourWholeDocument: a generated PHP document of WERTAN_COLOUR_MB (default 20) * 10^6 bytes,
//   coloured whole through a page's editor and its lexer adapter, against QScintilla's own HTML
//   lexer (QsciLexerHTML, which colours the page's PHP blocks too) on the same text. Both write
//   every style into Scintilla; the ratio is printed at the end.
// - A large PHP document of WERTAN_LARGE_MB (default 50) * 10^6 bytes on a shown (offscreen) page:
//   opening it with the first screen painted, paging down, jumping into it, typing near its top
//   (with a block comment opened above) and near its end, and opening and closing a block comment
//   near its top; each with PHP colouring (/1) against the same page without colouring (/0).
// - Minified JavaScript: one line of 5 or 50 MB (the first argument), opened with the first screen
//   painted, and a character typed near its start or in its middle with the paint and the idle work
//   that follows; with JavaScript colouring (/1) against the same page without colouring (/0).
#include "corpus.h"
#include "editor/lexers/lexers.h"
#include "editor/ui/code_editor.h"
#include "editor/ui/colouring_component.h"
#include "editor/ui/lexer_adapter.h"
#include "text/win1250.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <Qsci/qscilexerhtml.h>
#include <QtTest/QTest>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace wertan;
using Base = QsciScintillaBase;

unsigned long u(long v) {
    return static_cast<unsigned long>(v);
}

std::size_t megabytes(const char* variable, std::size_t fallback) {
    const char* value = std::getenv(variable);
    const long n = value ? std::atol(value) : 0;
    return n > 0 ? std::size_t(n) : fallback;
}

// The generated PHP document (Windows-1250, CR LF), made once per size.
const std::string& phpDocument(std::size_t mb) {
    static std::map<std::size_t, std::string> documents;
    auto [it, made] = documents.try_emplace(mb);
    if (made) it->second = lexers::bench::GenerateCorpus(lexers::Language::Php, mb * 1000 * 1000);
    return it->second;
}

void setRates(benchmark::State& state, long bytes) {
    state.counters["MB/s"] =
        benchmark::Counter(double(bytes) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["doc_MB"] = double(bytes) / 1e6;
}

void ColourWholeDocument_wertan(benchmark::State& state) {
    const std::string& text = phpDocument(megabytes("WERTAN_COLOUR_MB", 20));
    ColouringComponent php(SchemeLanguage::Php);
    CodeEditor editor;
    editor.setColouring(&php);
    editor.setDocumentBytes(text);
    const long length = editor.SendScintilla(Base::SCI_GETLENGTH);
    for (auto _ : state) {
        editor.recolour();
        editor.SendScintilla(Base::SCI_COLOURISE, 0UL, -1L);
    }
    if (editor.SendScintilla(Base::SCI_GETENDSTYLED) != length)
        state.SkipWithError("not coloured to the end");
    setRates(state, length);
}

void ColourWholeDocument_QsciLexerHTML(benchmark::State& state) {
    const std::string utf8 = win1250ToUtf8(phpDocument(megabytes("WERTAN_COLOUR_MB", 20)));
    QsciScintilla editor;
    editor.setUtf8(true);
    editor.setLexer(new QsciLexerHTML(&editor));
    editor.SendScintilla(Base::SCI_APPENDTEXT, static_cast<unsigned long>(utf8.size()), utf8.data());
    const long length = editor.SendScintilla(Base::SCI_GETLENGTH);
    for (auto _ : state)
        editor.SendScintilla(Base::SCI_COLOURISE, 0UL, -1L);
    if (editor.SendScintilla(Base::SCI_GETENDSTYLED) != length)
        state.SkipWithError("not coloured to the end");
    setRates(state, length);
}

// A page as the program shows it: a window holding one editor with the pages' fixed settings.
struct Page {
    ColouringComponent php{SchemeLanguage::Php};
    QMainWindow window;
    CodeEditor* editor = new CodeEditor;

    explicit Page(bool coloured) {
        window.setCentralWidget(editor);
        editor->applyFixedSettings();
        window.resize(1000, 800);
        window.show();
        if (coloured) editor->setColouring(&php);
        QApplication::processEvents();
    }
    void paint() { editor->viewport()->repaint(); }
    // Lets idle work run until the text up to a position is coloured (a user pausing after a jump).
    void idleUntilStyled(long position) {
        QElapsedTimer deadline;
        deadline.start();
        while (editor->SendScintilla(Base::SCI_GETENDSTYLED) < position && deadline.elapsed() < 60000)
            QApplication::processEvents();
    }
    // Lets idle work (colouring outside the view) finish, as it does between the user's actions.
    void idle() {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
    long line(long position) const { return editor->SendScintilla(Base::SCI_LINEFROMPOSITION, u(position)); }
};

// Minified JavaScript: the generated scripts without their comments, joined into one line of at
// least `mb` * 10^6 bytes, behind a licence comment, as a build tool leaves it.
const std::string& minifiedJavaScript(std::size_t mb) {
    static std::map<std::size_t, std::string> lines;
    auto [it, made] = lines.try_emplace(mb);
    if (!made) return it->second;
    std::string& out = it->second;
    const std::size_t wanted = mb * 1000 * 1000;
    out = "/*! wertan-demo.min.js | (c) Wertan */ ";
    const std::string source =
        lexers::bench::GenerateCorpus(lexers::Language::JavaScript, wanted * 3 / 2 + 4096);
    lexers::TokenBuffer tokens;
    lexers::LineState state;
    std::size_t at = 0;
    while (out.size() < wanted && at < source.size()) {
        std::size_t e = source.find_first_of("\r\n", at);
        if (e == std::string::npos) e = source.size();
        const std::string_view line(source.data() + at, e - at);
        state = lexers::lexLine(lexers::Language::JavaScript, line, state, tokens);
        for (const lexers::Token& token : tokens) {
            if (token.attribute == lexers::Attribute::Comment) continue;
            if (token.attribute == lexers::Attribute::Space) {
                if (!out.empty() && out.back() != ' ') out += ' ';
                continue;
            }
            out.append(line.substr(token.start, token.length));
        }
        if (!out.empty() && out.back() != ' ') out += ' ';
        at = e + (e < source.size() && source[e] == '\r' && e + 1 < source.size() && source[e + 1] == '\n'
                      ? 2
                      : 1);
    }
    return out;
}

const std::string& largeDocument() {
    return phpDocument(megabytes("WERTAN_LARGE_MB", 50));
}

void OpenLargeDocument(benchmark::State& state) {
    const std::string& text = largeDocument();
    for (auto _ : state) {
        state.PauseTiming();
        auto page = std::make_unique<Page>(state.range(0) != 0);
        state.ResumeTiming();
        page->editor->setDocumentBytes(text);
        page->paint();
        state.PauseTiming();
        page.reset();
        state.ResumeTiming();
    }
    setRates(state, long(text.size()));
}

// The part of opening that converts Windows-1250 to the editor's UTF-8, against copying the bytes.
void ConvertLargeDocument(benchmark::State& state) {
    const std::string& text = largeDocument();
    for (auto _ : state) {
        if (state.range(0) != 0) {
            std::string utf8 = win1250ToUtf8(text);
            benchmark::DoNotOptimize(utf8.data());
        } else {
            std::string copy = text;
            benchmark::DoNotOptimize(copy.data());
        }
    }
    setRates(state, long(text.size()));
}

// One page down and its paint; from the top again at the end.
void PageDownLargeDocument(benchmark::State& state) {
    Page page(state.range(0) != 0);
    page.editor->setDocumentBytes(largeDocument());
    page.paint();
    const long lines = page.editor->SendScintilla(Base::SCI_GETLINECOUNT);
    for (auto _ : state) {
        page.editor->SendScintilla(Base::SCI_PAGEDOWN);
        page.paint();
        if (page.line(page.editor->SendScintilla(Base::SCI_GETCURRENTPOS)) >= lines - 100) {
            state.PauseTiming();
            page.editor->SendScintilla(Base::SCI_DOCUMENTSTART);
            page.paint();
            state.ResumeTiming();
        }
    }
}

// A jump to a line further down and its first paint, then idle time (outside the measure) as the
// user would leave between jumps; from the top again at the end.
void JumpIntoLargeDocument(benchmark::State& state) {
    Page page(state.range(0) != 0);
    page.editor->setDocumentBytes(largeDocument());
    page.paint();
    const long lines = page.editor->SendScintilla(Base::SCI_GETLINECOUNT);
    const long step = lines / 7;
    long target = 0;
    for (auto _ : state) {
        target = (target + step) % lines;
        page.editor->SendScintilla(Base::SCI_GOTOLINE, u(target));
        page.paint();
        state.PauseTiming();
        page.idle();
        state.ResumeTiming();
    }
}

// A character typed near the top with a block comment opened above it, and its paint.
void TypeNearTopOfLargeDocument(benchmark::State& state) {
    Page page(state.range(0) != 0);
    page.editor->setDocumentBytes(largeDocument());
    page.editor->SendScintilla(Base::SCI_INSERTTEXT,
                               u(page.editor->SendScintilla(Base::SCI_POSITIONFROMLINE, 2UL)), "/*");
    page.editor->setCursorPosition(4, 0);
    page.editor->setFocus();
    page.paint();
    page.idle();
    int typed = 0;
    for (auto _ : state) {
        QTest::keyClick(page.editor, Qt::Key_A);
        page.paint();
        if (++typed == 200) {
            state.PauseTiming();
            page.editor->SendScintilla(Base::SCI_DELETERANGE,
                                       u(page.editor->SendScintilla(Base::SCI_POSITIONFROMLINE, 4UL)), 200L);
            page.paint();
            typed = 0;
            state.ResumeTiming();
        }
    }
}

// A character typed on the last lines of the document, and its paint, once the text before them has
// been coloured in idle time.
void TypeNearEndOfLargeDocument(benchmark::State& state) {
    Page page(state.range(0) != 0);
    page.editor->setDocumentBytes(largeDocument());
    const long lines = page.editor->SendScintilla(Base::SCI_GETLINECOUNT);
    page.editor->setCursorPosition(int(lines - 3), 0);
    page.editor->setFocus();
    page.paint();
    page.idleUntilStyled(page.editor->SendScintilla(Base::SCI_POSITIONFROMLINE, u(lines - 3)));
    int typed = 0;
    for (auto _ : state) {
        QTest::keyClick(page.editor, Qt::Key_A);
        page.paint();
        if (++typed == 200) {
            state.PauseTiming();
            const long start = page.editor->SendScintilla(Base::SCI_POSITIONFROMLINE, u(lines - 3));
            page.editor->SendScintilla(Base::SCI_DELETERANGE, u(start), 200L);
            page.paint();
            typed = 0;
            state.ResumeTiming();
        }
    }
}

// A block comment opened at the start of line 3 and closed again, each with its paint.
void OpenAndCloseCommentNearTop(benchmark::State& state) {
    Page page(state.range(0) != 0);
    page.editor->setDocumentBytes(largeDocument());
    page.paint();
    const long at = page.editor->SendScintilla(Base::SCI_POSITIONFROMLINE, 2UL);
    std::size_t lexed = 0;
    for (auto _ : state) {
        const std::size_t before = page.editor->lexerAdapter().linesLexed();
        page.editor->SendScintilla(Base::SCI_INSERTTEXT, u(at), "/*");
        page.paint();
        page.editor->SendScintilla(Base::SCI_DELETERANGE, u(at), 2L);
        page.paint();
        lexed += page.editor->lexerAdapter().linesLexed() - before;
    }
    state.counters["lines_lexed"] = benchmark::Counter(double(lexed), benchmark::Counter::kAvgIterations);
}

// A page of minified JavaScript: colouring as the menu's JavaScript item gives it, or off.
struct ScriptPage : Page {
    ColouringComponent js{SchemeLanguage::JavaScript};
    explicit ScriptPage(bool coloured) : Page(false) {
        if (coloured) editor->setColouring(&js);
        QApplication::processEvents();
    }
};

// Opening one line of minified JavaScript and painting the first screen.
void OpenLongLine(benchmark::State& state) {
    const std::string& text = minifiedJavaScript(std::size_t(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto page = std::make_unique<ScriptPage>(state.range(1) != 0);
        state.ResumeTiming();
        page->editor->setDocumentBytes(text);
        page->paint();
        page->idle();
        state.PauseTiming();
        page.reset();
        state.ResumeTiming();
    }
    setRates(state, long(text.size()));
}

// A character typed into the line, its paint and the idle work after it: near the start of the line
// (/0) or in its middle, where the view has been scrolled (/1).
void TypeInLongLine(benchmark::State& state) {
    const std::string& text = minifiedJavaScript(std::size_t(state.range(0)));
    ScriptPage page(state.range(2) != 0);
    page.editor->setDocumentBytes(text);
    const long length = page.editor->SendScintilla(Base::SCI_GETLENGTH);
    const long at = state.range(1) != 0 ? length / 2 : 100;
    page.editor->SendScintilla(Base::SCI_GOTOPOS, u(at));
    page.editor->setFocus();
    page.paint();
    page.idle();
    int typed = 0;
    for (auto _ : state) {
        QTest::keyClick(page.editor, Qt::Key_A);
        page.paint();
        page.idle();
        if (++typed == 100) {
            state.PauseTiming();
            page.editor->SendScintilla(Base::SCI_DELETERANGE, u(at), 100L);
            page.paint();
            page.idle();
            typed = 0;
            state.ResumeTiming();
        }
    }
    state.counters["lexed_kB"] = benchmark::Counter(
        double(page.editor->lexerAdapter().longLineBytesLexed()) / 1e3, benchmark::Counter::kAvgIterations);
}

// Keeps each run's time so the ratio to its reference can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                const std::string& args = run.run_name.args;
                auto& t = times_[run.run_name.function_name + (args.empty() ? "" : "/" + args)];
                t.cpu += run.GetAdjustedCPUTime();
                t.real += run.GetAdjustedRealTime();
                ++t.runs;
            }
    }

    void printRatio(const std::string& name, const std::string& reference, const char* what) const {
        const auto a = times_.find(name);
        const auto b = times_.find(reference);
        if (a == times_.end() || b == times_.end()) return;
        std::printf("%-58s CPU %6.2f  wall %6.2f\n", what,
                    (a->second.cpu / a->second.runs) / (b->second.cpu / b->second.runs),
                    (a->second.real / a->second.runs) / (b->second.real / b->second.runs));
    }

private:
    struct Times {
        double cpu = 0, real = 0;
        int runs = 0;
    };
    std::map<std::string, Times> times_;
};

} // namespace

BENCHMARK(ColourWholeDocument_wertan)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(ColourWholeDocument_QsciLexerHTML)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(ConvertLargeDocument)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(OpenLargeDocument)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(PageDownLargeDocument)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(JumpIntoLargeDocument)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(14);
BENCHMARK(TypeNearTopOfLargeDocument)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(TypeNearEndOfLargeDocument)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(OpenAndCloseCommentNearTop)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(OpenLongLine)->Args({5, 1})->Args({5, 0})->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(OpenLongLine)->Args({50, 1})->Args({50, 0})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(TypeInLongLine)
    ->Args({5, 0, 1})
    ->Args({5, 0, 0})
    ->Args({5, 1, 1})
    ->Args({5, 1, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(TypeInLongLine)
    ->Args({50, 0, 1})
    ->Args({50, 0, 0})
    ->Args({50, 1, 1})
    ->Args({50, 1, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios (time against the reference; below 1 is faster):\n");
    reporter.printRatio("ColourWholeDocument_wertan", "ColourWholeDocument_QsciLexerHTML",
                        "whole-document colouring: adapter / QsciLexerHTML");
    const char* pairs[][2] = {
        {"ConvertLargeDocument", "Windows-1250 to UTF-8 / copying the bytes"},
        {"OpenLargeDocument", "open + first paint: coloured / plain"},
        {"PageDownLargeDocument", "page down + paint: coloured / plain"},
        {"JumpIntoLargeDocument", "jump + first paint: coloured / plain"},
        {"TypeNearTopOfLargeDocument", "keystroke near the top + paint: coloured / plain"},
        {"TypeNearEndOfLargeDocument", "keystroke near the end + paint: coloured / plain"},
        {"OpenAndCloseCommentNearTop", "open and close a comment + paints: coloured / plain"},
    };
    for (const auto& pair : pairs)
        reporter.printRatio(std::string(pair[0]) + "/1", std::string(pair[0]) + "/0", pair[1]);
    for (const char* mb : {"5", "50"}) {
        const std::string size(mb);
        reporter.printRatio("OpenLongLine/" + size + "/1", "OpenLongLine/" + size + "/0",
                            (size + " MB line of JavaScript, open + first paint: coloured / plain").c_str());
        reporter.printRatio(
            "TypeInLongLine/" + size + "/0/1", "TypeInLongLine/" + size + "/0/0",
            (size + " MB line, keystroke near its start + paint + idle: coloured / plain").c_str());
        reporter.printRatio(
            "TypeInLongLine/" + size + "/1/1", "TypeInLongLine/" + size + "/1/0",
            (size + " MB line, keystroke in its middle + paint + idle: coloured / plain").c_str());
    }
    benchmark::Shutdown();
    return 0;
}
