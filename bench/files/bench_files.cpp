// bench_files: what opening and saving a large document costs, and what the token dump tool needs
// for a large input. Each measure runs in a child process of its own, so its peak memory (the
// child's maximum resident set) is its own; a baseline child that only starts the editor is
// measured too. The document is the generated PHP corpus (Windows-1250, CR LF) of
// WERTAN_FILES_MB (default 200) * 2^20 bytes, in a temporary folder (WERTAN_FILES_DIR, default
// the system's temporary folder).
//
//   open            read the file and load it into a page's editor
//   save            save the loaded text as the program does: converted and written in pieces
//   save-whole      for comparison: the whole text converted, then its line ends, then written
//   wertan-lex      the token dump tool on the file through standard input, output discarded
#include "corpus.h"
#include "editor/ui/code_editor.h"
#include "text/document_text.h"
#include "text/win1250.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Figure {
    double seconds = 0; // of the measured step alone
    long peakKb = 0;    // the child's maximum resident set
    long stepKb = -1;   // the peak during the step above the resident set before it
    bool ok = false;
};

// A line of /proc/self/status in KB ("VmRSS", "VmHWM").
long statusKb(const char* key) {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return -1;
    char line[256];
    long value = -1;
    const std::size_t length = std::strlen(key);
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, key, length) == 0 && line[length] == ':') value = std::atol(line + length + 1);
    std::fclose(status);
    return value;
}

// The step's own peak: the resident set before it, and the highest it reached during it (the
// recorded peak is reset first).
struct StepPeak {
    long before = statusKb("VmRSS");
    StepPeak() {
        if (FILE* clear = std::fopen("/proc/self/clear_refs", "w")) {
            std::fputs("5", clear);
            std::fclose(clear);
        }
    }
    long added() const { return statusKb("VmHWM") - before; }
};

struct StepResult {
    double seconds;
    long stepKb;
};

// Runs `body` in a child; the body returns the seconds of its measured step (negative on failure)
// and the step's own peak when it measured one.
Figure inChild(const std::function<StepResult()>& body) {
    int channel[2];
    if (::pipe(channel) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(channel[0]);
        const StepResult result = body();
        [[maybe_unused]] const ssize_t n = ::write(channel[1], &result, sizeof result);
        ::_exit(result.seconds < 0 ? 1 : 0);
    }
    ::close(channel[1]);
    Figure figure;
    StepResult result{-1, -1};
    if (::read(channel[0], &result, sizeof result) != sizeof result) result = {-1, -1};
    const double seconds = result.seconds;
    figure.stepKb = result.stepKb;
    ::close(channel[0]);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    figure.seconds = seconds;
    figure.peakKb = usage.ru_maxrss;
    figure.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && seconds >= 0;
    return figure;
}

double since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A child's editor with the file loaded; the time of the load when asked.
bool loadInto(wertan::CodeEditor& editor, const QString& path, double* seconds) {
    const auto start = Clock::now();
    std::string bytes;
    QString error;
    if (!wertan::readFileBytes(path, &bytes, &error)) return false;
    editor.setDocumentBytes(bytes);
    if (seconds) *seconds = since(start);
    return true;
}

// "added" is the step's own peak where it measured one, else the peak above `baselineKb`.
void print(const char* what, const Figure& figure, long baselineKb, double megabytes) {
    if (!figure.ok) {
        std::printf("%-12s failed\n", what);
        return;
    }
    const double peakMb = double(figure.peakKb) / 1024.0;
    const double addedMb = double(figure.stepKb >= 0 ? figure.stepKb : figure.peakKb - baselineKb) / 1024.0;
    std::printf("%-12s %9.2f s %10.0f MB %10.0f MB %8.2f\n", what, figure.seconds, peakMb, addedMb,
                addedMb / megabytes);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const int megabytes =
        qEnvironmentVariableIsSet("WERTAN_FILES_MB") ? qEnvironmentVariableIntValue("WERTAN_FILES_MB") : 200;
    const QString base = qEnvironmentVariableIsSet("WERTAN_FILES_DIR")
                             ? qEnvironmentVariable("WERTAN_FILES_DIR")
                             : QDir::tempPath();
    QTemporaryDir folder(base + QStringLiteral("/bench-files-XXXXXX"));
    if (!folder.isValid()) {
        std::fprintf(stderr, "bench_files: no temporary folder in %s\n", qPrintable(base));
        return 1;
    }
    const QString path = folder.filePath(QStringLiteral("large.php"));
    {
        const std::string text = wertan::lexers::bench::GenerateCorpus(wertan::lexers::Language::Php,
                                                                       std::size_t(megabytes) << 20);
        QString error;
        if (!wertan::writeFileAtomically(path, text, &error)) {
            std::fprintf(stderr, "bench_files: %s\n", qPrintable(error));
            return 1;
        }
    }
    const double size = double(QFileInfo(path).size()) / (1024.0 * 1024.0);
    std::printf("document: %.0f MB of generated PHP (Windows-1250, CR LF)\n\n", size);
    std::printf("%-12s %11s %13s %13s %8s\n", "measure", "time", "peak", "added", "per byte");

    auto withEditor = [&](const std::function<StepResult(wertan::CodeEditor&)>& step) {
        return inChild([&] {
            QApplication app(argc, argv);
            wertan::CodeEditor editor;
            return step(editor);
        });
    };
    const Figure baseline = withEditor([](wertan::CodeEditor&) { return StepResult{0.0, -1}; });
    print("baseline", baseline, baseline.peakKb, size);
    print("open", withEditor([&](wertan::CodeEditor& editor) {
              double seconds = -1;
              const StepPeak peak;
              const bool loaded = loadInto(editor, path, &seconds);
              return StepResult{loaded ? seconds : -1.0, peak.added()};
          }),
          baseline.peakKb, size);
    const Figure loaded = withEditor([&](wertan::CodeEditor& editor) {
        const bool ok = loadInto(editor, path, nullptr);
        // What stays once the load is over.
        return StepResult{ok ? 0.0 : -1.0, statusKb("VmRSS")};
    });
    Figure kept = loaded;
    kept.stepKb = loaded.stepKb - baseline.peakKb;
    print("loaded", kept, baseline.peakKb, size);
    const QString target = folder.filePath(QStringLiteral("saved.php"));
    print("save", withEditor([&](wertan::CodeEditor& editor) {
              if (!loadInto(editor, path, nullptr)) return StepResult{-1.0, -1};
              const StepPeak peak;
              const auto start = Clock::now();
              const wertan::DocumentFileBytes bytes(editor.documentUtf8(), wertan::TextEncoding::Windows1250);
              QString error;
              if (!wertan::writeFileAtomically(
                      target, bytes.size(), [&](const wertan::PieceSink& put) { return bytes.produce(put); },
                      &error))
                  return StepResult{-1.0, -1};
              return StepResult{since(start), peak.added()};
          }),
          baseline.peakKb, size);
    print("save-whole", withEditor([&](wertan::CodeEditor& editor) {
              if (!loadInto(editor, path, nullptr)) return StepResult{-1.0, -1};
              const StepPeak peak;
              const auto start = Clock::now();
              const std::string bytes = wertan::toCrLfLines(editor.documentBytes());
              QString error;
              if (!wertan::writeFileAtomically(target, bytes, &error)) return StepResult{-1.0, -1};
              return StepResult{since(start), peak.added()};
          }),
          baseline.peakKb, size);
    std::printf("(added: for open, save and save-whole the peak during the step above the memory in use\n"
                " before it; for loaded what the loaded document keeps above the baseline)\n\n");

    const Figure lex = inChild([&] {
        const auto start = Clock::now();
        const pid_t tool = ::fork();
        if (tool == 0) {
            const int in = ::open(QFile::encodeName(path).constData(), O_RDONLY);
            const int out = ::open("/dev/null", O_WRONLY);
            ::dup2(in, 0);
            ::dup2(out, 1);
            ::execl(WERTAN_TOOLS_DIR "/wertan-lex", "wertan-lex", "php", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(tool, &status, 0);
        return StepResult{WIFEXITED(status) && WEXITSTATUS(status) == 0 ? since(start) : -1.0, -1};
    });
    // The child that runs the tool only waits; its children's peak is the tool's.
    print("wertan-lex", lex, 0, size);
    return 0;
}
