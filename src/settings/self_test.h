#pragma once
// The self-test of the delivered files: one report line per checked file, and the commands to
// disable because their file is missing. Pure over a file check, so it runs without a window.
#include "platform/program_paths.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace wertan {

// A companion program started from the program directory (the GIF animator, the presentation).
struct SelfTestCompanion {
    QString relativePath; // written with backslashes
    QString presentLabel;
    QString missingLabel;
    QStringList commands; // stored command names that start it
};

struct SelfTestSetup {
    // The two companion rows; absent ones are left out of the report.
    std::optional<SelfTestCompanion> gifAnimator;
    std::optional<SelfTestCompanion> presentation;
};

struct SelfTestReport {
    QStringList lines;
    QStringList commandsToDisable; // stored command names, in report order
    bool allPresent = true;
};

// True when the file is there and can be read.
using SelfTestFileCheck = std::function<bool(const QString& path)>;
// Writes the general options file with its defaults; false with the reason.
using RestoreProgramOptions = std::function<bool(QString* error)>;

// The relative paths of the fixed rows.
inline const QString kSelfTestHelpMain = QStringLiteral("pomoc\\main.htm");
inline const QString kSelfTestHelpProgram = QStringLiteral("pomoc\\pomoc\\pomoc.htm");
inline const QString kSelfTestHelpIndex = QStringLiteral("pomoc\\pomoc\\indeks.htm");
inline const QString kSelfTestOptions = QStringLiteral("config\\prog.dat2");
inline const QString kSelfTestFunctions3 = QStringLiteral("data\\functions.dat");
inline const QString kSelfTestFunctions4 = QStringLiteral("data\\functions2.dat");

// Checks the files in their order and builds the report. A missing options file is written anew
// with `restore`, and the second line says whether that worked.
SelfTestReport runSelfTest(const ProgramPaths& paths, const SelfTestFileCheck& exists,
                           const SelfTestSetup& setup, const RestoreProgramOptions& restore);

// The default file check: a readable regular file.
bool selfTestFilePresent(const QString& path);

// The report as a text file: Windows-1250, lines ended by CR LF.
std::string selfTestReportFile(const QStringList& lines);

} // namespace wertan
