// The options dialog and config/prog.dat2: start-up, showing, "&OK", "&Anuluj" and the failures.
#include "main_window_harness.h"
#include "settings/program_options.h"
#include "settings/ui/program_options_dialog.h"
#include "text/win1250.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace wertan;
using namespace wertan::test;

namespace {

// A record by hand: counted texts of 255 bytes, then tag case and the two conversions.
QByteArray record(const QByteArray& browser, const QByteArray& root, char tagCase, char onOpen, char onSave) {
    QByteArray out;
    for (const QByteArray& text : {browser, root}) {
        out += char(text.size());
        out += text;
        out += QByteArray(255 - text.size(), '\0');
    }
    out += tagCase;
    out += onOpen;
    out += onSave;
    return out;
}

class ProgramOptionsDialogTest : public MainWindowHarness {
protected:
    QString file() { return programDir + QStringLiteral("/config/prog.dat2"); }
    ProgramOptionsDialog* dialog() { return window->findChild<ProgramOptionsDialog*>(); }
    // Starts the program with the options file holding these bytes (or missing).
    void startWith(const std::optional<QByteArray>& bytes) {
        QFile::remove(file());
        if (bytes) dir.write(QStringLiteral("program/config/prog.dat2"), *bytes);
        prompts.clear();
        start({});
    }
    QString home() { return QDir::homePath(); }
};

} // namespace

TEST_F(ProgramOptionsDialogTest, AMissingFileIsReportedOnceAndWrittenWithTheDefaults) {
    startWith(std::nullopt);
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Message),
              QStringList{QStringLiteral("Brak głownego pliku konfiguracyjnego!\rPrzywracam ustawienia "
                                         "domyślne...\rWykonano.")});
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Error).isEmpty());
    const QByteArray root = (home() + QStringLiteral("/public_html")).toUtf8();
    EXPECT_EQ(readAll(file()), record("/usr/bin/xdg-open", root, 0, 2, 2));
    const ShellSettings& s = window->settings();
    EXPECT_EQ(s.browserPath, QStringLiteral("/usr/bin/xdg-open"));
    EXPECT_EQ(s.documentRoot, QString::fromUtf8(root));
    EXPECT_FALSE(s.lowerCaseTags);
    EXPECT_EQ(s.openConversion, 2);
    EXPECT_EQ(s.saveConversion, 2);
}

TEST_F(ProgramOptionsDialogTest, TheFileIsPublishedAtStartUp) {
    startWith(record("/usr/bin/firefox", "/srv/www", 1, 0, 1));
    EXPECT_TRUE(prompts.asked().empty());
    const ShellSettings& s = window->settings();
    EXPECT_EQ(s.browserPath, QStringLiteral("/usr/bin/firefox"));
    EXPECT_EQ(s.documentRoot, QStringLiteral("/srv/www"));
    EXPECT_TRUE(s.lowerCaseTags);
    EXPECT_EQ(s.openConversion, 0);
    EXPECT_EQ(s.saveConversion, 1);
    // Lower-case tags reach the tag insertions.
    ws().activeEditor()->setDocumentBytes("");
    run("MenuInsert_NoScript");
    EXPECT_EQ(activeText(), "\n<noscript>\n \n</noscript>");
}

TEST_F(ProgramOptionsDialogTest, AShortFileIsReportedAndNothingIsApplied) {
    QByteArray shortFile = record("/usr/bin/firefox", "/srv/www", 1, 0, 1);
    shortFile.chop(1);
    startWith(shortFile);
    const QStringList errors = prompts.askedTexts(AskedPrompt::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("prog.dat2"))) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral("Odczyt poza końcem pliku."))) << errors[0].toStdString();
    const ShellSettings& s = window->settings();
    EXPECT_EQ(s.documentRoot, defaultDocumentRoot());
    EXPECT_TRUE(s.browserPath.isEmpty());
    EXPECT_FALSE(s.lowerCaseTags);
    EXPECT_EQ(s.saveConversion, 0);
    EXPECT_EQ(readAll(file()).size(), 514) << "the file is left as it was";
    EXPECT_EQ(ws().count(), 1) << "start-up goes on";
}

TEST_F(ProgramOptionsDialogTest, TheDialogShowsTheSavedValuesInItsFourBands) {
    startWith(record("/usr/bin/firefox", "/srv/www", 1, 0, 2));
    run("MenuTools_Options");
    ProgramOptionsDialog* d = dialog();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(d->isModal());
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Konfiguracja Wertan PHP"));
    EXPECT_FALSE(d->windowFlags() & Qt::WindowCloseButtonHint) << "no close box";
    EXPECT_EQ(d->bandsExpanded(), (QList<bool>{true, true, false, false}));
    EXPECT_EQ(d->browserField()->text(), QStringLiteral("/usr/bin/firefox"));
    EXPECT_EQ(d->documentRootField()->text(), QStringLiteral("/srv/www"));
    EXPECT_TRUE(d->lowerCaseButton()->isChecked());
    EXPECT_TRUE(d->openConversionBox()->isChecked());
    EXPECT_EQ(d->openConversionList()->currentText(), QStringLiteral("ISO-8859-2"));
    EXPECT_TRUE(d->openConversionList()->isEnabled());
    EXPECT_FALSE(d->saveConversionBox()->isChecked());
    EXPECT_EQ(d->saveConversionList()->currentText(), QStringLiteral("Windows-1250"));
    EXPECT_FALSE(d->saveConversionList()->isEnabled()) << "a list is enabled only while its box is ticked";
    d->saveConversionBox()->setChecked(true);
    EXPECT_TRUE(d->saveConversionList()->isEnabled());
    // Escape and the window's close do not leave the dialog.
    d->reject();
    d->close();
    EXPECT_TRUE(d->isVisible());
    d->cancelButton()->click();
    EXPECT_FALSE(d->isVisible());
}

TEST_F(ProgramOptionsDialogTest, OkPublishesAndWritesTheFields) {
    run("MenuTools_Options");
    ProgramOptionsDialog* d = dialog();
    d->browserField()->setText(QStringLiteral("/opt/przeglądarka"));
    d->documentRootField()->setText(QString(300, QLatin1Char('r')));
    d->lowerCaseButton()->setChecked(true);
    d->openConversionBox()->setChecked(true);
    d->openConversionList()->setCurrentIndex(1); // ISO-8859-2
    d->saveConversionBox()->setChecked(true);    // Windows-1250
    d->okButton()->click();
    EXPECT_FALSE(d->isVisible());
    const QByteArray browser = QByteArray::fromStdString(toWin1250(QStringLiteral("/opt/przeglądarka")));
    EXPECT_EQ(readAll(file()), record(browser, QByteArray(255, 'r'), 1, 0, 1))
        << "a text of 300 characters is stored as its first 255";
    const ShellSettings& s = window->settings();
    EXPECT_EQ(s.browserPath, QStringLiteral("/opt/przeglądarka"));
    EXPECT_EQ(s.documentRoot, QString(300, QLatin1Char('r'))) << "the fields are published as typed";
    EXPECT_TRUE(s.lowerCaseTags);
    EXPECT_EQ(s.openConversion, 0);
    EXPECT_EQ(s.saveConversion, 1);
    // Clearing a box stores 2.
    run("MenuTools_Options");
    d->openConversionBox()->setChecked(false);
    d->okButton()->click();
    EXPECT_EQ(readAll(file()).at(513), char(2));
    EXPECT_EQ(window->settings().openConversion, 2);
}

TEST_F(ProgramOptionsDialogTest, CancelDiscardsTheEditsAndLeavesTheSettings) {
    const ShellSettings before = window->settings();
    run("MenuTools_Options");
    ProgramOptionsDialog* d = dialog();
    const QString saved = d->documentRootField()->text();
    d->documentRootField()->setText(QStringLiteral("/inny/katalog"));
    d->lowerCaseButton()->setChecked(true);
    d->cancelButton()->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->documentRootField()->text(), saved) << "the fields are read again from the file";
    EXPECT_FALSE(d->lowerCaseButton()->isChecked());
    EXPECT_EQ(window->settings().documentRoot, before.documentRoot);
    EXPECT_EQ(window->settings().lowerCaseTags, before.lowerCaseTags);
    run("MenuTools_Options");
    EXPECT_EQ(d->documentRootField()->text(), saved);
}

TEST_F(ProgramOptionsDialogTest, AnUnknownConversionByteLeavesItsFieldAsItWas) {
    startWith(record("/b", "/r", 0, 7, 0));
    run("MenuTools_Options");
    ProgramOptionsDialog* d = dialog();
    EXPECT_FALSE(d->openConversionBox()->isChecked()) << "as the dialog was made";
    EXPECT_EQ(d->openConversionList()->currentText(), QStringLiteral("Windows-1250"));
    EXPECT_TRUE(d->saveConversionBox()->isChecked());
    EXPECT_EQ(d->saveConversionList()->currentText(), QStringLiteral("ISO-8859-2"));
}

TEST_F(ProgramOptionsDialogTest, AFileMissingWhenShownOrCancelledIsWrittenFromTheFields) {
    run("MenuTools_Options");
    ProgramOptionsDialog* d = dialog();
    d->documentRootField()->setText(QStringLiteral("/wpisany"));
    d->saveConversionBox()->setChecked(true);
    QFile::remove(file());
    prompts.clear();
    d->cancelButton()->click();
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Message).size(), 1);
    EXPECT_EQ(readAll(file()).mid(256, 9), QByteArray("\x08/wpisany"));
    EXPECT_EQ(readAll(file()).mid(512), QByteArray("\x00\x02\x02", 3)) << "conversions are written as 2";
    // When the dialog is to be shown, it stays closed after the message.
    QFile::remove(file());
    run("MenuTools_Options");
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Message).size(), 2);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(readAll(file()).size(), 515);
}

TEST_F(ProgramOptionsDialogTest, AFailedWriteKeepsTheDialogOpenWithTheValuesPublished) {
    run("MenuTools_Options");
    ProgramOptionsDialog* d = dialog();
    d->documentRootField()->setText(QStringLiteral("/nowy"));
    QDir(programDir + QStringLiteral("/config")).removeRecursively();
    d->okButton()->click();
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Error).size(), 1);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(window->settings().documentRoot, QStringLiteral("/nowy"));
}

TEST_F(ProgramOptionsDialogTest, APathOutsideTheCodePageIsRefusedInsteadOfStoredDamaged) {
    const QByteArray before = readAll(file());
    run("MenuTools_Options");
    ProgramOptionsDialog* d = dialog();
    d->documentRootField()->setText(QStringLiteral("/strony/Москва"));
    d->okButton()->click();
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Error).size(), 1);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(readAll(file()), before);
    EXPECT_NE(window->settings().documentRoot, QStringLiteral("/strony/Москва"));
}

TEST_F(ProgramOptionsDialogTest, BrowseButtonsFillTheirFields) {
    run("MenuTools_Options");
    ProgramOptionsDialog* d = dialog();
    prompts.queueFiles({QStringLiteral("/usr/bin/konqueror")});
    d->findChild<QToolButton*>(QStringLiteral("BtnBrowseBrowser"))->click();
    EXPECT_EQ(d->browserField()->text(), QStringLiteral("/usr/bin/konqueror"));
    EXPECT_TRUE(prompts.asked().back().fileRequest.filter.startsWith(
        QStringLiteral("Przeglądarka internetowa (*.EXE)|*.exe")));
    prompts.queueText(QStringLiteral("/var/www"));
    d->findChild<QToolButton*>(QStringLiteral("BtnBrowseDocumentRoot"))->click();
    EXPECT_EQ(d->documentRootField()->text(), QStringLiteral("/var/www"));
    prompts.queueCancel();
    d->findChild<QToolButton*>(QStringLiteral("BtnBrowseDocumentRoot"))->click();
    EXPECT_EQ(d->documentRootField()->text(), QStringLiteral("/var/www"))
        << "a cancelled chooser changes nothing";
    EXPECT_TRUE(prompts.unexpected().isEmpty());
}

TEST_F(ProgramOptionsDialogTest, AFileThatCannotBeCreatedAtStartUpIsReportedAfterTheMessage) {
    QDir(programDir + QStringLiteral("/config")).removeRecursively();
    prompts.clear();
    start({});
    // The missing server settings (read earlier in the start-up) are reported first; the FTP
    // options file of the same missing folder after the program options, the same way.
    ASSERT_EQ(prompts.asked().size(), 5u);
    EXPECT_EQ(prompts.asked()[0].kind, AskedPrompt::Kind::Error);
    EXPECT_TRUE(prompts.asked()[0].text.contains(QStringLiteral("path.dat")));
    EXPECT_EQ(prompts.asked()[1].kind, AskedPrompt::Kind::Message);
    EXPECT_EQ(prompts.asked()[2].kind, AskedPrompt::Kind::Error);
    EXPECT_EQ(prompts.asked()[3].text, ftp::missingOptionsMessage());
    EXPECT_EQ(prompts.asked()[4].kind, AskedPrompt::Kind::Error);
    EXPECT_EQ(window->settings().documentRoot, defaultDocumentRoot())
        << "the settings keep their starting values";
    EXPECT_TRUE(window->settings().browserPath.isEmpty());
}
