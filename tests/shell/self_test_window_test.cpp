// The self-test window and the about box through the main window: the test run at start-up, the
// commands it disables (and keeps disabled), "Start", "&Zapisz jako...", the help fallback page.
#include "browser/help_pages.h"
#include "main_window_harness.h"
#include "settings/program_options.h"
#include "settings/ui/self_test_window.h"
#include "shell/ui/about_box.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <Qsci/qsciglobal.h>

using namespace wertan;
using namespace wertan::test;

namespace {

class SelfTestWindowTest : public MainWindowHarness {
protected:
    SelfTestWindow* selfTest() { return window->findChild<SelfTestWindow*>(); }
    QStringList report() { return selfTest()->reportLines(); }
    bool enabled(const char* name) { return window->action(QString::fromLatin1(name))->isEnabled(); }

    // Makes the private program tree's help folder real (its entries linked to the staged ones), so
    // a test can take one help page away.
    void detachHelpTree() {
        const QDir staged(QString::fromUtf8(WERTAN_BUILD_PROGRAM_DIR));
        for (const QString& folder : {QStringLiteral("pomoc"), QStringLiteral("pomoc/pomoc")}) {
            const QString target = programDir + QLatin1Char('/') + folder;
            QFile::remove(target); // the link to the staged folder
            QDir().mkpath(target);
            const QDir source(staged.filePath(folder));
            for (const QString& entry : source.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
                if (!QFileInfo::exists(target + QLatin1Char('/') + entry))
                    QFile::link(source.filePath(entry), target + QLatin1Char('/') + entry);
        }
    }
    QString programFile(const QString& relative) { return ProgramPaths(programDir).file(relative); }
};

TEST_F(SelfTestWindowTest, FreshBuildPassesTheSelfTestWithoutAnyMessage) {
    EXPECT_TRUE(prompts.asked().empty());
    ASSERT_NE(selfTest(), nullptr);
    EXPECT_FALSE(selfTest()->isVisible());
    const QStringList lines = report();
    ASSERT_EQ(lines.size(), 6) << lines.join(QLatin1Char('\n')).toStdString();
    for (const QString& line : lines)
        EXPECT_TRUE(line.endsWith(QStringLiteral(" - JEST"))) << line.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("Główny plik pomocy:") +
                            programFile(QStringLiteral("pomoc\\main.htm")) + QStringLiteral(" - JEST"));
    for (const char* name : {"MenuHelp_Main", "MenuHelp_Program", "MenuHelp_Index"})
        EXPECT_TRUE(enabled(name)) << name;
    EXPECT_TRUE(selfTest()->disabledCommands().isEmpty());
    EXPECT_EQ(window->services().paths.file(helpButtonPage(enabled("MenuHelp_Main"))),
              programFile(QStringLiteral("pomoc\\main.htm")));
}

TEST_F(SelfTestWindowTest, FirstStartWithoutTheOptionsFileAsksOnlyAboutTheOptions) {
    // The options file lost since the build wrote it: the options dialog says so and writes the defaults;
    // that is the only message, and the self-test finds the file.
    ASSERT_TRUE(QFile::remove(programFile(QStringLiteral("config\\prog.dat2"))));
    prompts.clear();
    start({});
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].kind, AskedPrompt::Kind::Message);
    EXPECT_EQ(prompts.asked()[0].text, missingProgramOptionsMessage());
    for (const QString& line : report())
        EXPECT_TRUE(line.endsWith(QStringLiteral(" - JEST"))) << line.toStdString();
}

TEST_F(SelfTestWindowTest, MissingHelpPageDisablesItsCommandWhichStaysDisabledWhenThePageReturns) {
    struct Case {
        QString page;
        const char* command;
        QString missingLine;
        int line;
    };
    const Case cases[] = {
        {QStringLiteral("pomoc/main.htm"), "MenuHelp_Main", QStringLiteral("Brak głównego pliku pomocy:"), 0},
        {QStringLiteral("pomoc/pomoc/pomoc.htm"), "MenuHelp_Program", QStringLiteral("Brak pliku pomocy:"),
         1},
        {QStringLiteral("pomoc/pomoc/indeks.htm"), "MenuHelp_Index", QStringLiteral("Brak indeksu pomocy:"),
         2},
    };
    detachHelpTree();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        const QString page = programDir + QLatin1Char('/') + c.page;
        const QString target = QFile::symLinkTarget(page);
        ASSERT_TRUE(QFile::remove(page));
        start({});
        EXPECT_TRUE(prompts.asked().empty());
        EXPECT_EQ(report()[c.line], c.missingLine + ProgramPaths(programDir).directory() +
                                        QString(c.page).replace(QLatin1Char('/'), QDir::separator()));
        EXPECT_FALSE(enabled(c.command));
        if (c.line == 0) {
            EXPECT_EQ(window->services().paths.file(helpButtonPage(enabled("MenuHelp_Main"))),
                      programFile(QStringLiteral("pomoc\\pomoc\\pomoc.htm")));
        }

        // The page comes back: "Start" reports it present, the command stays disabled.
        ASSERT_TRUE(QFile::link(target, page));
        run("MenuTools_AutoTest");
        EXPECT_TRUE(selfTest()->isVisible());
        selfTest()->startButton()->click();
        EXPECT_TRUE(report()[c.line].endsWith(QStringLiteral(" - JEST")));
        EXPECT_FALSE(enabled(c.command));
        EXPECT_TRUE(selfTest()->disabledCommands().contains(QString::fromLatin1(c.command)));
        selfTest()->okButton()->click();
        EXPECT_FALSE(selfTest()->isVisible());
    }
}

TEST_F(SelfTestWindowTest, OptionsFileRemovedWhileRunningIsReportedAndWrittenAnew) {
    const QString options = programFile(QStringLiteral("config\\prog.dat2"));
    ASSERT_TRUE(QFile::remove(options));
    run("MenuTools_AutoTest");
    selfTest()->startButton()->click();
    const QStringList lines = report();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[3], QStringLiteral("Brak głównego pliku konfiguracyjnego!:") + options);
    EXPECT_EQ(lines[4], QStringLiteral("-- Przywrócenie ustawień domyślnych... Wykonano."));
    ProgramOptionsRecord record;
    QString error;
    ASSERT_TRUE(readProgramOptions(options, &record, &error)) << error.toStdString();
    EXPECT_EQ(record, recordFromForm(initialProgramOptionsForm()));
    // The next run finds it again.
    selfTest()->startButton()->click();
    EXPECT_EQ(report().size(), 6);
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(SelfTestWindowTest, SaveAsWritesTheReportAndReportsAFailure) {
    const QString target = dir.file(QStringLiteral("wynik.txt"));
    dir.write(QStringLiteral("wynik.txt"), "stara treść");
    prompts.queueFiles({target});
    selfTest()->saveButton()->click();
    ASSERT_EQ(prompts.asked().size(), 1u);
    const FileDialogRequest& request = prompts.asked()[0].fileRequest;
    EXPECT_EQ(request.fileName, QStringLiteral("autotest.txt"));
    EXPECT_EQ(request.filter, QStringLiteral("Plik tekstowy (*.TXT)|*.txt"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("txt"));
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), selfTestReportFile(report()));

    // A cancelled chooser writes nothing; a folder that does not exist is reported.
    prompts.clear();
    prompts.queueCancel();
    selfTest()->saveButton()->click();
    prompts.queueFiles({dir.file(QStringLiteral("brak/wynik.txt"))});
    selfTest()->saveButton()->click();
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Error).size(), 1);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("brak/wynik.txt"))));
}

TEST_F(SelfTestWindowTest, AboutBoxNamesTheProgramItsVersionAndItsLibraries) {
    run("MenuHelp_About");
    auto* about = window->findChild<AboutBox*>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    const QString program = about->programLabel()->text();
    EXPECT_TRUE(program.contains(QStringLiteral("Wertan PHP")));
    EXPECT_TRUE(program.contains(QStringLiteral("Wersja ") + programVersion()));
    EXPECT_FALSE(programVersion().isEmpty());
    EXPECT_NE(programVersion(), QStringLiteral("?"));
    const QString libraries = about->librariesLabel()->text();
    for (const QString& expected :
         {QStringLiteral("Qt"), QString::fromLatin1(qVersion()), QStringLiteral("QScintilla"),
          QStringLiteral(QSCINTILLA_VERSION_STR), QStringLiteral("libjpeg"), QStringLiteral("Qt WebEngine"),
          QStringLiteral("GNU LGPL 3"), QStringLiteral("GNU GPL 3")})
        EXPECT_TRUE(libraries.contains(expected)) << expected.toStdString();
    EXPECT_EQ(builtOnLibraries().size(), 4u);
    EXPECT_EQ(about->aboutQtButton()->text(), QStringLiteral("O &Qt..."));
    about->okButton()->click();
    EXPECT_FALSE(about->isVisible());
}

TEST_F(SelfTestWindowTest, PicturesForTheDocumentation) {
    const QString folder = qEnvironmentVariable("WERTAN_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "set WERTAN_SCREENSHOT_DIR to write the pictures";
    const QDir out(folder);
    run("MenuTools_AutoTest");
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    EXPECT_TRUE(selfTest()->grab().save(out.filePath(QStringLiteral("self_test_window.png"))));
    selfTest()->okButton()->click();
    run("MenuHelp_About");
    auto* about = window->findChild<AboutBox*>();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    EXPECT_TRUE(about->grab().save(out.filePath(QStringLiteral("about_box.png"))));
}

} // namespace
