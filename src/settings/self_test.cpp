#include "settings/self_test.h"

#include "text/win1250.h"

#include <QFileInfo>

namespace wertan {

namespace {
const QString kPresent = QStringLiteral(" - JEST");

struct FixedRow {
    const QString& relativePath;
    const char* presentLabel;
    const char* missingLabel;
    const char* command; // null: nothing to disable
};
} // namespace

SelfTestReport runSelfTest(const ProgramPaths& paths, const SelfTestFileCheck& exists,
                           const SelfTestSetup& setup, const RestoreProgramOptions& restore) {
    SelfTestReport report;
    auto check = [&](const QString& relativePath, const QString& presentLabel, const QString& missingLabel,
                     const QStringList& commands) {
        const QString path = paths.file(relativePath);
        if (exists(path)) {
            report.lines << presentLabel + path + kPresent;
            return true;
        }
        report.lines << missingLabel + path;
        report.commandsToDisable << commands;
        report.allPresent = false;
        return false;
    };
    auto fixed = [&](const FixedRow& row) {
        return check(row.relativePath, QString::fromUtf8(row.presentLabel),
                     QString::fromUtf8(row.missingLabel),
                     row.command ? QStringList{QString::fromLatin1(row.command)} : QStringList{});
    };
    auto companion = [&](const std::optional<SelfTestCompanion>& c) {
        if (c) check(c->relativePath, c->presentLabel, c->missingLabel, c->commands);
    };

    fixed({kSelfTestHelpMain, "Główny plik pomocy:", "Brak głównego pliku pomocy:", "MenuHelp_Main"});
    fixed({kSelfTestHelpProgram, "Plik pomocy:", "Brak pliku pomocy:", "MenuHelp_Program"});
    fixed({kSelfTestHelpIndex, "Indeks pomocy:", "Brak indeksu pomocy:", "MenuHelp_Index"});
    companion(setup.gifAnimator);
    companion(setup.presentation);
    if (!fixed({kSelfTestOptions,
                "Główny plik konfiguracyjny:", "Brak głównego pliku konfiguracyjnego!:", nullptr})) {
        // The options file is written anew with its defaults; the line says only what happened.
        QString error;
        const bool restored = restore && restore(&error);
        report.lines << (restored ? QStringLiteral("-- Przywrócenie ustawień domyślnych... Wykonano.")
                                  : QStringLiteral("-- Przywrócenie ustawień domyślnych... Nie wykonano: ") +
                                        (error.isEmpty() ? QStringLiteral("brak zapisu.") : error));
    }
    fixed({kSelfTestFunctions3, "Plik zawierający funkcje PHP3 ",
           "Brak pliku zawierającego funkcje PHP3: ", nullptr});
    fixed({kSelfTestFunctions4, "Plik zawierający funkcje PHP4 ",
           "Brak pliku zawierającego funkcje PHP4: ", nullptr});
    return report;
}

bool selfTestFilePresent(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

std::string selfTestReportFile(const QStringList& lines) {
    std::string bytes;
    for (const QString& line : lines)
        bytes += toWin1250(line) + "\r\n";
    return bytes;
}

} // namespace wertan
