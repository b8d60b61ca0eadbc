#include "settings/self_test.h"
#include "text/win1250.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace wertan;

namespace {

const ProgramPaths kProgram(QStringLiteral("/prog/"));

// A file check over a set of missing relative paths (written with backslashes).
SelfTestFileCheck allBut(const QStringList& missing) {
    QSet<QString> absent;
    for (const QString& relative : missing)
        absent.insert(kProgram.file(relative));
    return [absent](const QString& path) { return !absent.contains(path); };
}

SelfTestSetup withCompanions() {
    SelfTestSetup setup;
    setup.gifAnimator = SelfTestCompanion{QStringLiteral("tools\\animator"),
                                          QStringLiteral("Animator GIF:"),
                                          QStringLiteral("Brak Animatora GIF:"),
                                          {QStringLiteral("MenuTools_Animator")}};
    setup.presentation =
        SelfTestCompanion{QStringLiteral("data\\prezentacja"),
                          QStringLiteral("Prezentacja Wertan PHP:"),
                          QStringLiteral("Prezentacja Wertan PHP:"),
                          {QStringLiteral("BtnPresentation"), QStringLiteral("MenuHelp_Presentation")}};
    return setup;
}

RestoreProgramOptions restoring(int* calls, bool succeeds = true) {
    return [calls, succeeds](QString* error) {
        ++*calls;
        if (!succeeds) *error = QStringLiteral("Brak dostępu.");
        return succeeds;
    };
}

TEST(SelfTest, AllFilesPresentGiveOneLinePerFileEachEndingWithJest) {
    int restores = 0;
    const SelfTestReport report = runSelfTest(kProgram, allBut({}), {}, restoring(&restores));
    EXPECT_EQ(report.lines,
              QStringList({
                  QStringLiteral("Główny plik pomocy:/prog/pomoc/main.htm - JEST"),
                  QStringLiteral("Plik pomocy:/prog/pomoc/pomoc/pomoc.htm - JEST"),
                  QStringLiteral("Indeks pomocy:/prog/pomoc/pomoc/indeks.htm - JEST"),
                  QStringLiteral("Główny plik konfiguracyjny:/prog/config/prog.dat2 - JEST"),
                  QStringLiteral("Plik zawierający funkcje PHP3 /prog/data/functions.dat - JEST"),
                  QStringLiteral("Plik zawierający funkcje PHP4 /prog/data/functions2.dat - JEST"),
              }));
    EXPECT_TRUE(report.commandsToDisable.isEmpty());
    EXPECT_TRUE(report.allPresent);
    EXPECT_EQ(restores, 0);

    // With both companion programs the report has eight lines, the presentation's too.
    const SelfTestReport eight = runSelfTest(kProgram, allBut({}), withCompanions(), restoring(&restores));
    ASSERT_EQ(eight.lines.size(), 8);
    for (const QString& line : eight.lines)
        EXPECT_TRUE(line.endsWith(QStringLiteral(" - JEST"))) << line.toStdString();
    EXPECT_EQ(eight.lines[3], QStringLiteral("Animator GIF:/prog/tools/animator - JEST"));
    EXPECT_EQ(eight.lines[4], QStringLiteral("Prezentacja Wertan PHP:/prog/data/prezentacja - JEST"));
}

TEST(SelfTest, EachMissingFileGivesItsBrakLineAndDisablesItsCommands) {
    struct Case {
        QString missing;
        int line;
        QString text;
        QStringList disabled;
    };
    const Case cases[] = {
        {QStringLiteral("pomoc\\main.htm"),
         0,
         QStringLiteral("Brak głównego pliku pomocy:/prog/pomoc/main.htm"),
         {QStringLiteral("MenuHelp_Main")}},
        {QStringLiteral("pomoc\\pomoc\\pomoc.htm"),
         1,
         QStringLiteral("Brak pliku pomocy:/prog/pomoc/pomoc/pomoc.htm"),
         {QStringLiteral("MenuHelp_Program")}},
        {QStringLiteral("pomoc\\pomoc\\indeks.htm"),
         2,
         QStringLiteral("Brak indeksu pomocy:/prog/pomoc/pomoc/indeks.htm"),
         {QStringLiteral("MenuHelp_Index")}},
        {QStringLiteral("tools\\animator"),
         3,
         QStringLiteral("Brak Animatora GIF:/prog/tools/animator"),
         {QStringLiteral("MenuTools_Animator")}},
        {QStringLiteral("data\\prezentacja"),
         4,
         QStringLiteral("Prezentacja Wertan PHP:/prog/data/prezentacja"),
         {QStringLiteral("BtnPresentation"), QStringLiteral("MenuHelp_Presentation")}},
        {QStringLiteral("data\\functions.dat"),
         6,
         QStringLiteral("Brak pliku zawierającego funkcje PHP3: /prog/data/functions.dat"),
         {}},
        {QStringLiteral("data\\functions2.dat"),
         7,
         QStringLiteral("Brak pliku zawierającego funkcje PHP4: /prog/data/functions2.dat"),
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.missing.toStdString());
        int restores = 0;
        const SelfTestReport report =
            runSelfTest(kProgram, allBut({c.missing}), withCompanions(), restoring(&restores));
        ASSERT_EQ(report.lines.size(), 8);
        EXPECT_EQ(report.lines[c.line], c.text);
        for (int i = 0; i < report.lines.size(); ++i)
            EXPECT_EQ(report.lines[i].endsWith(QStringLiteral(" - JEST")), i != c.line) << i;
        EXPECT_EQ(report.commandsToDisable, c.disabled);
        EXPECT_FALSE(report.allPresent);
        EXPECT_EQ(restores, 0);
    }
}

TEST(SelfTest, MissingOptionsFileIsRestoredAndTheSecondLineSaysWhetherItWorked) {
    for (const bool succeeds : {true, false}) {
        int restores = 0;
        const SelfTestReport report = runSelfTest(kProgram, allBut({QStringLiteral("config\\prog.dat2")}), {},
                                                  restoring(&restores, succeeds));
        EXPECT_EQ(restores, 1);
        ASSERT_EQ(report.lines.size(), 7);
        EXPECT_EQ(report.lines[3],
                  QStringLiteral("Brak głównego pliku konfiguracyjnego!:/prog/config/prog.dat2"));
        EXPECT_EQ(report.lines[4],
                  succeeds
                      ? QStringLiteral("-- Przywrócenie ustawień domyślnych... Wykonano.")
                      : QStringLiteral("-- Przywrócenie ustawień domyślnych... Nie wykonano: Brak dostępu."));
        EXPECT_TRUE(report.lines[5].startsWith(QStringLiteral("Plik zawierający funkcje PHP3 ")));
        EXPECT_TRUE(report.commandsToDisable.isEmpty());
    }
}

TEST(SelfTest, EveryFileMissingDisablesEveryCommandInReportOrder) {
    const SelfTestReport report =
        runSelfTest(kProgram, [](const QString&) { return false; }, withCompanions(), {});
    EXPECT_EQ(report.commandsToDisable,
              QStringList({QStringLiteral("MenuHelp_Main"), QStringLiteral("MenuHelp_Program"),
                           QStringLiteral("MenuHelp_Index"), QStringLiteral("MenuTools_Animator"),
                           QStringLiteral("BtnPresentation"), QStringLiteral("MenuHelp_Presentation")}));
    // Without a way to restore the options file, the report does not claim it was restored.
    EXPECT_EQ(report.lines[6],
              QStringLiteral("-- Przywrócenie ustawień domyślnych... Nie wykonano: brak zapisu."));
    EXPECT_EQ(report.lines.size(), 9);
}

TEST(SelfTest, ReportFileIsWindows1250WithCrLf) {
    EXPECT_EQ(selfTestReportFile({QStringLiteral("Główny"), QStringLiteral("b")}),
              toWin1250(QStringLiteral("Główny")) + "\r\nb\r\n");
    EXPECT_EQ(selfTestReportFile({QStringLiteral("Główny")}), std::string("G\xB3\xF3wny\r\n"));
}

} // namespace
