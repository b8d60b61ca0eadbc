// The program at start and at exit where its files are not what they should be: special files in
// place of stored files and documents, damaged and absurd settings, very large files.
#include "main_window_harness.h"

#include "text/document_text.h"

#include <QScreen>
#include <QSplitter>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace wertan;
using namespace wertan::test;

namespace {

QStringList errorsOf(const ScriptedPrompts& prompts) {
    return prompts.askedTexts(AskedPrompt::Kind::Error);
}

using FilesUnderFaults = MainWindowHarness;

// Special files named on the command line: a message naming the path and why; nothing opens.
struct CommandLineCase {
    const char* what;
    const char* kind; // "fifo", "folder" or a system path
    const char* reason;
};

const CommandLineCase kCommandLineCases[] = {
    {"a FIFO", "fifo", "To jest potok (FIFO), a nie zwykły plik"},
    {"a folder", "folder", "To jest folder, a nie plik"},
    {"an endless device", "/dev/zero", "To jest urządzenie, a nie zwykły plik"},
    {"an empty device", "/dev/null", "To jest urządzenie, a nie zwykły plik"},
};

TEST_F(FilesUnderFaults, SpecialFilesOnTheCommandLineAreReportedAndNotOpened) {
    for (const CommandLineCase& c : kCommandLineCases) {
        prompts.clear();
        QString path = QString::fromUtf8(c.kind);
        if (path == QLatin1String("fifo")) {
            path = dir.file(QStringLiteral("pipe.php"));
            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        } else if (path == QLatin1String("folder")) {
            path = dir.file(QStringLiteral("folder.php"));
            QDir().mkpath(path);
        }
        start({path});
        const QStringList errors = errorsOf(prompts);
        ASSERT_EQ(errors.size(), 1) << c.what << ": " << errors.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(errors[0],
                  QStringLiteral("Nie można otworzyć pliku %1.\n%2.").arg(path, QString::fromUtf8(c.reason)))
            << c.what;
        EXPECT_EQ(ws().count(), 1) << c.what << ": only the untitled document";
    }
}

TEST_F(FilesUnderFaults, AFileOfUnknownSizeOnTheCommandLineIsReadToItsEnd) {
    start({QStringLiteral("/proc/self/status")});
    EXPECT_EQ(errorsOf(prompts), QStringList());
    ASSERT_EQ(ws().count(), 2);
    EXPECT_EQ(ws().page(1)->caption(), QStringLiteral("status"));
    EXPECT_NE(text(1).find("Pid:"), std::string::npos);
}

TEST_F(FilesUnderFaults, AMissingFileOnTheCommandLineStillOpensNothingQuietly) {
    start({dir.file(QStringLiteral("none.php"))});
    EXPECT_EQ(errorsOf(prompts), QStringList());
    EXPECT_EQ(ws().count(), 1);
}

// FIFOs where the stored files and the data files read at start should be: the program starts,
// says which file and why, and leaves the FIFO as it is.
const char* const kStoredFiles[] = {"config/prog.dat2", "config/reloaddoc.dat2", "data/styltags.dat"};

TEST_F(FilesUnderFaults, AFifoInPlaceOfAStoredFileDoesNotHangTheStart) {
    for (const char* stored : kStoredFiles) {
        const QString path = programDir + QLatin1Char('/') + QString::fromLatin1(stored);
        QFile::remove(path);
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0) << stored;
        prompts.clear();
        start({});
        const QStringList errors = errorsOf(prompts);
        EXPECT_TRUE(errors.join(QLatin1Char('\n'))
                        .contains(QStringLiteral("%1.\nTo jest potok (FIFO), a nie zwykły plik")
                                      .arg(QDir::toNativeSeparators(path))))
            << stored << ": " << errors.join(QLatin1Char('|')).toStdString();
        struct stat st {};
        ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0);
        EXPECT_TRUE(S_ISFIFO(st.st_mode)) << stored << ": not replaced";
        // Saving a document goes on, though the reopen list cannot be read.
        const QString document = fileIn(QStringLiteral("page.php"), "old\r\n");
        ASSERT_NE(ws().openDocument(document, QStringLiteral(".PHP")), nullptr) << stored;
        type(QStringLiteral("new "));
        run("MenuFile_Save");
        EXPECT_EQ(readAll(document), QByteArray("new old\r\n")) << stored;
        window.reset();
        QFile::remove(path);
        QFile::copy(QString::fromUtf8(WERTAN_BUILD_PROGRAM_DIR) + QLatin1Char('/') +
                        QString::fromLatin1(stored),
                    path);
    }
}

// A damaged settings file: one message at start, the file kept beside under a dated name, a quiet
// exit, and a sound file afterwards.
TEST_F(FilesUnderFaults, ADamagedSettingsFileIsSetAsideAndReportedOnce) {
    const QString settings = dir.file(QStringLiteral("settings.ini"));
    std::mt19937 random(11);
    QByteArray damaged(50 * 1024, '\0');
    for (char& b : damaged)
        b = char(random());
    window.reset();
    store.reset();
    dir.write(QStringLiteral("settings.ini"), damaged);
    store = std::make_unique<SettingsStore>(settings);
    prompts.clear();
    start({});
    QStringList errors = errorsOf(prompts);
    ASSERT_EQ(errors.size(), 1) << errors.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral("jest uszkodzony"))) << errors[0].toStdString();
    const QStringList kept = QDir(dir.path()).entryList({QStringLiteral("settings.ini.uszkodzony-*")});
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(errors[0].contains(kept[0])) << errors[0].toStdString();
    EXPECT_EQ(readAll(dir.file(kept[0])), damaged) << "the damaged file is kept as it was";

    window->close();
    EXPECT_EQ(errorsOf(prompts).size(), 1) << "a quiet run and a quiet exit";
    window.reset();
    store.reset();
    QSettings written(settings, QSettings::IniFormat);
    EXPECT_EQ(written.status(), QSettings::NoError);
    EXPECT_TRUE(written.contains(QStringLiteral("Software/Wertan PHP/Main/FormMainPHP/PanelLeft.Width")));
    store = std::make_unique<SettingsStore>(settings);
    EXPECT_EQ(store->takeDamageReport(), QString()) << "the new file is sound";
}

TEST_F(FilesUnderFaults, AFifoInPlaceOfTheSettingsFileDoesNotHangTheStartAndStaysAFifo) {
    const QString settings = dir.file(QStringLiteral("settings.ini"));
    window.reset();
    store.reset();
    QFile::remove(settings);
    ASSERT_EQ(::mkfifo(QFile::encodeName(settings).constData(), 0644), 0);
    store = std::make_unique<SettingsStore>(settings);
    prompts.clear();
    start({});
    const QStringList errors = errorsOf(prompts);
    ASSERT_EQ(errors.size(), 1) << errors.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral("%1 nie jest zwykłym plikiem").arg(settings)))
        << errors[0].toStdString();
    window->close();
    EXPECT_EQ(errorsOf(prompts).size(), 1) << "a quiet exit";
    window.reset();
    store.reset();
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(settings).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "not replaced";
}

// Absurd layout values are kept on the screen, and what is written back at exit is sound.
struct LayoutCase {
    const char* name;
    const char* value;
};

const LayoutCase kLayoutCases[] = {
    {"PanelLeft.Width", "2147483647"},  {"PanelLeft.Width", "99999"},
    {"PanelLeft.Width", "-2147483648"}, {"PageControl.TabHeight", "2147483647"},
    {"PageControl.TabWidth", "-7"},
};

TEST_F(FilesUnderFaults, AbsurdLayoutValuesAreClampedToTheScreen) {
    const int screenWidth = QApplication::primaryScreen()->availableGeometry().width();
    for (const LayoutCase& c : kLayoutCases) {
        window.reset();
        store->writeText(MainWindow::layoutKey(), QString::fromLatin1(c.name), QString::fromLatin1(c.value));
        start({});
        window->show();
        QApplication::processEvents();
        const QList<int> sizes = window->mainSplitter()->sizes();
        EXPECT_LE(sizes.value(0), screenWidth - 200) << c.name << "=" << c.value;
        EXPECT_GT(sizes.value(1), 0) << c.name << "=" << c.value << ": the editor area stays";
        window->close();
        const int back = store->readText(MainWindow::layoutKey(), QString::fromLatin1(c.name))->toInt();
        if (QString::fromLatin1(c.name) == QLatin1String("PanelLeft.Width")) {
            EXPECT_GE(back, 40) << c.value;
            EXPECT_LE(back, screenWidth) << c.value;
        } else {
            EXPECT_EQ(back, 0) << c.name << "=" << c.value;
        }
        store->writeText(MainWindow::layoutKey(), QString::fromLatin1(c.name), QStringLiteral("0"));
    }
    EXPECT_EQ(errorsOf(prompts), QStringList());
}

// A file above the large-file size is opened only when the user agrees; the question comes before
// anything is read.
TEST_F(FilesUnderFaults, AVeryLargeFileIsOpenedOnlyAfterAQuestion) {
    const QString path = dir.file(QStringLiteral("big.php"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(kLargeFileBytes) + 1)); // sparse: no disk space is used
    }
    prompts.queueAnswer(Answer::No);
    EXPECT_EQ(ws().openDocument(path, QStringLiteral(".PHP")), nullptr);
    const QStringList questions = prompts.askedTexts(AskedPrompt::Kind::Confirm);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].startsWith(QStringLiteral("Plik %1 ma 100 MB.").arg(path)))
        << questions[0].toStdString();
    EXPECT_EQ(ws().count(), 1);

    prompts.clear();
    const QString small = fileIn(QStringLiteral("small.php"), "<?php ?>\r\n");
    EXPECT_NE(ws().openDocument(small, QStringLiteral(".PHP")), nullptr);
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Confirm), QStringList())
        << "no question for a usual file";
}

// A save that fails says why in Polish.
TEST_F(FilesUnderFaults, AFailedSaveGivesThePolishReason) {
    const QString path = fileIn(QStringLiteral("keep.php"), "old\r\n");
    ws().openDocument(path, QStringLiteral(".PHP"));
    type(QString(3000, QLatin1Char('n')));
    {
        FileSizeLimit limit(1024);
        run("MenuFile_Save");
    }
    const QStringList errors = errorsOf(prompts);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], QStringLiteral("Nie można zapisać pliku %1.\nPlik jest za duży.").arg(path));
    EXPECT_EQ(readAll(path), QByteArray("old\r\n"));
}

} // namespace
