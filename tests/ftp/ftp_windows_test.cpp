// The FTP windows through the main window, as a user works with them: the site and options
// dialogs, the remote browser over pyftpdlib on 127.0.0.1, opening a remote document, editing it
// and storing it back, failed uploads, aborting a transfer and disconnecting at exit.
#include "shell/main_window_harness.h"
#include "test_servers.h"

#include "ftp/ftp_options.h"
#include "ftp/ftp_sites.h"
#include "ftp/ui/ftp_options_band.h"
#include "ftp/ui/ftp_options_dialog.h"
#include "ftp/ui/ftp_sites_dialog.h"
#include "ftp/ui/ftp_status_window.h"
#include "ftp/ui/remote_browser_window.h"
#include "ftp/ui/signal_lamps.h"
#include "ftp/ui/store_back_dialog.h"
#include "text/text_format.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <sys/stat.h>

using namespace wertan;
using namespace wertan::test;

namespace {

void leave(QLineEdit* field) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &out);
}

QByteArray served(const TempDir& root, const QString& name) {
    QFile file(QDir(root.path()).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<brak pliku>");
}

int modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

class FtpWindows : public MainWindowHarness {
protected:
    void SetUp() override {
        // The FTP working folder goes under the system's temporary folder: this test's own.
        previousTemp_ = qgetenv("TMPDIR");
        QDir().mkpath(dir.file(QStringLiteral("tmp")));
        qputenv("TMPDIR", QFile::encodeName(dir.file(QStringLiteral("tmp"))));
        MainWindowHarness::SetUp();
        sites = window->findChild<FtpSitesDialog*>();
        options = window->findChild<FtpOptionsDialog*>();
        browser = window->findChild<RemoteBrowserWindow*>();
        ASSERT_TRUE(sites && options && browser);
        QDir(root.path()).mkpath(QStringLiteral("sub/deep"));
        QDir(root.path()).mkpath(QStringLiteral("inny"));
        root.write(QStringLiteral("index.php"), "<?php echo 'korzen'; ?>\r\n");
        root.write(QStringLiteral("sub/index.php"), "<?php echo 'sub'; ?>\r\n");
        root.write(QStringLiteral("sub/deep/strona.html"), "<html></html>\r\n");
        root.write(QStringLiteral("notatki.txt"), "notatki\r\n");
    }
    void TearDown() override {
        if (browser) browser->client().abort();
        if (previousTemp_.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", previousTemp_);
    }

    // Starts the server and sets the connection settings through "Opcje FTP".
    void startServer(const QStringList& faults = {}) {
        server = std::make_unique<PyFtpServer>(root.path(), QStringLiteral("127.0.0.1"), faults);
        ASSERT_TRUE(server->running()) << server->error().toStdString();
        run("MenuTools_FTPOptions");
        options->hostField()->setText(QStringLiteral("127.0.0.1"));
        options->portField()->setCurrentText(QString::number(server->port()));
        options->loginField()->setText(QStringLiteral("wertan"));
        options->passwordField()->setText(QStringLiteral("tajne"));
        options->savePasswordBox()->setChecked(true);
        options->okButton()->click();
    }
    void connectBrowser() {
        run("MenuFile_OpenNet");
        browser->connectButton()->click();
        ASSERT_TRUE(browser->connected()) << browser->statusWindow()->plainText().toStdString();
    }
    QListWidgetItem* item(const QString& name) {
        const auto found = browser->fileView()->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }
    QStringList viewNames() {
        QStringList names;
        for (int i = 0; i < browser->fileView()->count(); ++i)
            names << browser->fileView()->item(i)->text();
        return names;
    }
    void enterFolder(const QString& name) {
        QListWidgetItem* folder = item(name);
        ASSERT_NE(folder, nullptr) << name.toStdString();
        browser->openItem(folder);
    }
    // Chooses a file in the view and presses the action button.
    void actOn(const QString& name) {
        QListWidgetItem* file = item(name);
        ASSERT_NE(file, nullptr) << name.toStdString();
        browser->fileView()->setCurrentItem(file);
        ASSERT_EQ(browser->fileNameField()->text(), name);
        browser->actionButton()->click();
    }
    QStringList messages() { return prompts.askedTexts(AskedPrompt::Kind::Message); }
    // The bytes a save of the page writes: its text in its own encoding and line ends.
    QByteArray fileOf(DocumentPage* page) {
        std::string bytes = page->editor()->encodedText(page->format().encoding);
        if (page->format().encoding == TextEncoding::Utf8 && page->format().byteOrderMark)
            bytes.insert(0, kUtf8Mark);
        return QByteArray::fromStdString(bytes);
    }

    FtpSitesDialog* sites = nullptr;
    FtpOptionsDialog* options = nullptr;
    RemoteBrowserWindow* browser = nullptr;
    TempDir root;
    std::unique_ptr<PyFtpServer> server;

private:
    QByteArray previousTemp_;
};

} // namespace

TEST_F(FtpWindows, SiteDialogRecreatesAMissingFileAndStoresSitesPrivately) {
    const QString path = programDir + QStringLiteral("/data/sftp.dat2");
    ASSERT_TRUE(QFile::remove(path));
    run("MenuServers_FTPServery");
    EXPECT_EQ(messages(), QStringList{ftp::missingSitesMessage()});
    EXPECT_EQ(readAll(path), QByteArray(560, '\0'));
    EXPECT_FALSE(sites->siteList()->isEnabled());
    EXPECT_EQ(sites->currentSiteField()->text(), QStringLiteral("Brak"));

    sites->addButton()->click();
    EXPECT_EQ(sites->nameField()->text(), QStringLiteral("Nowy serwer"));
    sites->nameField()->setText(QString(200, QLatin1Char('n')));
    leave(sites->nameField());
    sites->addressField()->setText(QStringLiteral("ftp.example.pl"));
    leave(sites->addressField());
    sites->loginField()->setText(QStringLiteral("jan"));
    leave(sites->loginField());
    sites->passwordField()->setText(QString(60, QLatin1Char('p')));
    leave(sites->passwordField());
    sites->setCurrentButton()->click();
    EXPECT_EQ(sites->currentSiteField()->text(), QString(150, QLatin1Char('n')));

    // A blank name is refused with its message and not stored.
    sites->nameField()->setText(QStringLiteral(" "));
    leave(sites->nameField());
    EXPECT_EQ(messages().last(), QStringLiteral("Pole nazwy serwera nie może pozostać puste"));
    sites->nameField()->setText(QString(200, QLatin1Char('n')));

    sites->okButton()->click();
    const QByteArray bytes = readAll(path);
    ASSERT_EQ(bytes.size(), 560);
    EXPECT_EQ(ftp::decodeSite(bytes.toStdString()),
              (ftp::FtpSite{std::string(150, 'n'), "ftp.example.pl", "jan", std::string(50, 'p'), false}));
    EXPECT_EQ(modeOf(path), 0600);

    // The site is offered by the options dialog and applied with the port field.
    run("MenuTools_FTPOptions");
    ASSERT_EQ(options->siteList()->count(), 1);
    EXPECT_EQ(options->hostField()->text(), QStringLiteral("ftp.example.pl"));
    EXPECT_EQ(options->connectionSettings().login, "jan");
    EXPECT_EQ(options->connectionSettings().port, "ftp");
    EXPECT_TRUE(options->savePasswordBox()->isChecked());
    options->cancelButton()->click();
}

TEST_F(FtpWindows, OptionsDialogStoresTheRecordAndPassiveModeSeparately) {
    const QString path = programDir + QStringLiteral("/config/ftp.dat2");
    run("MenuTools_FTPOptions");
    ASSERT_TRUE(options->isVisible());
    QList<bool> expanded;
    for (FtpOptionsBand* band : options->bands())
        expanded << band->expanded();
    EXPECT_EQ(expanded, (QList<bool>{true, true, false, false}));
    EXPECT_TRUE(options->passiveBox()->isChecked()) << "passive mode is on by default";
    EXPECT_EQ(options->workingFolderField()->text(), QDir::toNativeSeparators(browser->workingFolder()));

    // Without "Zapamiętaj hasło" the typed password is used but not written.
    options->loginField()->setText(QStringLiteral("jan"));
    options->passwordField()->setText(QStringLiteral("tajne"));
    options->savePasswordBox()->setChecked(false);
    options->disconnectAfterSaveBox()->setChecked(true);
    options->passiveBox()->setChecked(false);
    options->okButton()->click();
    ftp::FtpOptions stored;
    ASSERT_TRUE(ftp::decodeOptions(readAll(path).toStdString(), &stored));
    EXPECT_EQ(stored.login, "jan");
    EXPECT_EQ(stored.password, "");
    EXPECT_TRUE(stored.disconnectAfterSaving);
    EXPECT_EQ(options->connectionSettings().password, "tajne");
    EXPECT_EQ(modeOf(path), 0600);
    EXPECT_FALSE(ftp::readPassiveMode(*store));

    // The anonymous presentation, remembered with its placeholder.
    run("MenuTools_FTPOptions");
    EXPECT_FALSE(options->passiveBox()->isChecked());
    options->anonymousBox()->click();
    EXPECT_EQ(options->loginField()->text(), QStringLiteral("anonymous"));
    EXPECT_FALSE(options->loginField()->isEnabled());
    EXPECT_EQ(options->passwordField()->text(), QStringLiteral("ja@host.pl"));
    EXPECT_EQ(options->passwordField()->echoMode(), QLineEdit::Normal);
    options->savePasswordBox()->setChecked(true);
    options->okButton()->click();
    ASSERT_TRUE(ftp::decodeOptions(readAll(path).toStdString(), &stored));
    EXPECT_TRUE(stored.anonymous);
    EXPECT_EQ(stored.login, "anonymous");
    EXPECT_EQ(stored.password, "ja@host.pl");

    // Clearing it empties both fields and masks the password again.
    run("MenuTools_FTPOptions");
    EXPECT_TRUE(options->anonymousBox()->isChecked());
    options->anonymousBox()->click();
    EXPECT_TRUE(options->loginField()->text().isEmpty());
    EXPECT_TRUE(options->passwordField()->text().isEmpty());
    EXPECT_EQ(options->passwordField()->echoMode(), QLineEdit::Password);
    options->cancelButton()->click();

    // A missing file: the message, the defaults, and the file written again.
    ASSERT_TRUE(QFile::remove(path));
    run("MenuTools_FTPOptions");
    EXPECT_EQ(messages().last(), ftp::missingOptionsMessage());
    EXPECT_EQ(readAll(path).toStdString(), ftp::encodeOptions(ftp::FtpOptions{}));
    options->cancelButton()->click();
}

TEST_F(FtpWindows, BrowserListsAndWalksARealServer) {
    startServer();
    run("MenuFile_OpenNet");
    EXPECT_EQ(browser->windowTitle(), QStringLiteral("Otwórz z sieciu..."));
    EXPECT_EQ(browser->stateText(), QStringLiteral("Niepołączony"));
    EXPECT_TRUE(browser->lamps()->red());
    EXPECT_FALSE(browser->disconnectButton()->isEnabled());
    browser->connectButton()->click();
    ASSERT_TRUE(browser->connected());
    EXPECT_EQ(browser->stateText(), QStringLiteral("Połączony"));
    EXPECT_TRUE(browser->lamps()->green());
    EXPECT_FALSE(browser->lamps()->red());
    EXPECT_EQ(browser->pathField()->text(), QStringLiteral("/"));
    EXPECT_EQ(viewNames(), (QStringList{QStringLiteral("inny"), QStringLiteral("sub"),
                                        QStringLiteral("index.php"), QStringLiteral("notatki.txt")}));
    EXPECT_TRUE(browser->commandsButton()->isEnabled());

    enterFolder(QStringLiteral("sub"));
    EXPECT_EQ(browser->pathField()->text(), QStringLiteral("/sub"));
    // pyftpdlib lists no ".." (the listing pass on listings that have one is tested on its own).
    EXPECT_EQ(viewNames(), (QStringList{QStringLiteral("deep"), QStringLiteral("index.php")}));
    EXPECT_EQ(browser->lookInList()->itemText(0), QStringLiteral("deep"));
    enterFolder(QStringLiteral("deep"));
    EXPECT_EQ(browser->pathField()->text(), QStringLiteral("/sub/deep"));
    EXPECT_EQ(viewNames(), QStringList{QStringLiteral("strona.html")});
    browser->upButton()->click();
    EXPECT_EQ(browser->pathField()->text(), QStringLiteral("/sub"));
    // "Szukaj w:" changes into the folder chosen there.
    browser->lookInList()->setCurrentIndex(0);
    emit browser->lookInList()->activated(0);
    EXPECT_EQ(browser->pathField()->text(), QStringLiteral("/sub/deep"));
    browser->upButton()->click();
    browser->upButton()->click();
    EXPECT_EQ(browser->pathField()->text(), QStringLiteral("/"));

    // The log has the session in its colours.
    const QString log = browser->statusWindow()->plainText();
    EXPECT_TRUE(log.contains(QStringLiteral("_________ Początek połączenia _________")));
    EXPECT_TRUE(log.contains(QStringLiteral("Polecenie - Wykonnano")));
    EXPECT_TRUE(log.contains(QStringLiteral("> EPSV"))) << "passive mode is the default";
    EXPECT_FALSE(log.contains(QStringLiteral("tajne")));

    run("MenuServers_FTPDisconnect");
    EXPECT_FALSE(browser->connected());
    EXPECT_EQ(browser->stateText(), QStringLiteral("Niepołączony"));
    EXPECT_TRUE(browser->fileView()->count() == 0);
    EXPECT_TRUE(browser->statusWindow()->plainText().contains(
        QStringLiteral("__________ Koniec połączenia __________")));
}

TEST_F(FtpWindows, OpenEditAndSaveStoresTheDocumentBackWhereItCameFrom) {
    startServer();
    connectBrowser();
    // index.php of the root and of sub: same names, different folders.
    actOn(QStringLiteral("index.php"));
    ASSERT_EQ(ws().count(), 2);
    EXPECT_FALSE(browser->isVisible());
    run("MenuFile_OpenNet");
    enterFolder(QStringLiteral("sub"));
    actOn(QStringLiteral("index.php"));
    ASSERT_EQ(ws().count(), 3);

    DocumentPage* rootPage = ws().page(1);
    DocumentPage* subPage = ws().page(2);
    EXPECT_EQ(subPage->caption(), QStringLiteral("index.php"));
    EXPECT_EQ(subPage->path(), QStringLiteral("[ftp]sub/index.php"));
    EXPECT_EQ(rootPage->path(), QStringLiteral("[ftp]index.php"));
    EXPECT_EQ(subPage->mark(), 2);
    EXPECT_EQ(text(2), "<?php echo 'sub'; ?>\r\n");
    EXPECT_EQ(text(1), "<?php echo 'korzen'; ?>\r\n");

    // Edit both, save the one in the subdirectory first: each goes back to its own folder.
    ws().activate(2);
    type(QStringLiteral("// zmiana w sub\r\n"));
    EXPECT_EQ(subPage->mark(), 3);
    ws().activate(1);
    type(QStringLiteral("// zmiana w korzeniu\r\n"));
    ws().activate(2);
    run("MenuFile_Save");
    EXPECT_EQ(served(root, QStringLiteral("sub/index.php")), fileOf(subPage));
    EXPECT_EQ(served(root, QStringLiteral("index.php")), QByteArray("<?php echo 'korzen'; ?>\r\n"));
    EXPECT_EQ(subPage->mark(), 2);
    EXPECT_FALSE(subPage->isChanged());

    ws().activate(1);
    run("MenuFile_Save");
    EXPECT_EQ(served(root, QStringLiteral("index.php")), fileOf(rootPage));
    EXPECT_EQ(served(root, QStringLiteral("sub/index.php")), fileOf(subPage));
    EXPECT_EQ(rootPage->mark(), 2);
    EXPECT_FALSE(QFile::exists(QDir(root.path()).filePath(QStringLiteral("sub/~wertan-index.php"))));

    // The local copies live apart, in the private working folder.
    const QString working = browser->workingFolder();
    EXPECT_TRUE(working.startsWith(dir.path()));
    EXPECT_EQ(modeOf(working), 0700);
    QStringList copies;
    QDirIterator it(working, {QStringLiteral("index.php")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString copy = it.next();
        if (readAll(copy).contains("zmiana")) copies << copy;
    }
    EXPECT_EQ(copies.size(), 2);
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Error).isEmpty());
}

TEST_F(FtpWindows, AFailedStoreBackKeepsTheDocumentChangedAndTheServerFileIntact) {
    struct Case {
        const char* what;
        QStringList faults;
    };
    const std::vector<Case> cases{
        {"the server refuses STOR", {QStringLiteral("--read-only"), QStringLiteral("sub")}},
        {"the connection drops mid-transfer", {QStringLiteral("--drop-stor-after"), QStringLiteral("65536")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startServer(c.faults);
        connectBrowser();
        enterFolder(QStringLiteral("sub"));
        actOn(QStringLiteral("index.php"));
        DocumentPage* page = ws().activePage();
        ASSERT_EQ(page->path(), QStringLiteral("[ftp]sub/index.php"));
        // Enough text that the upload is cut off before its end.
        type(QString(300000, QLatin1Char('x')) + QStringLiteral("\r\n"));
        run("MenuFile_Save");
        EXPECT_EQ(messages().last(),
                  QStringLiteral("Nie można zapisać pliku: sub/index.php\nNa serwerze ftp"));
        EXPECT_TRUE(page->isChanged());
        EXPECT_EQ(page->mark(), 3);
        EXPECT_TRUE(served(root, QStringLiteral("sub/index.php")) == QByteArray("<?php echo 'sub'; ?>\r\n"))
            << "the server file was changed";
        browser->client().abort();
        server.reset();
    }
}

TEST_F(FtpWindows, SaveModeStoresTheActiveDocumentInTheCurrentFolder) {
    startServer();
    run("MenuFile_New");
    type(QStringLiteral("// nowy plik\r\n"));
    run("MenuFile_SaveNet");
    EXPECT_EQ(browser->windowTitle(), QStringLiteral("Zapisz w sieciu..."));
    EXPECT_EQ(browser->actionButton()->text(), QStringLiteral("Zapisz"));
    browser->connectButton()->click();
    ASSERT_TRUE(browser->connected());
    enterFolder(QStringLiteral("sub"));
    browser->fileNameField()->setText(QStringLiteral("nowy.php"));
    browser->actionButton()->click();
    EXPECT_FALSE(browser->isVisible());
    DocumentPage* page = ws().activePage();
    EXPECT_EQ(page->caption(), QStringLiteral("nowy.php"));
    EXPECT_EQ(page->path(), QStringLiteral("[ftp]sub/nowy.php"));
    EXPECT_EQ(page->mark(), 2);
    EXPECT_FALSE(page->isChanged());
    EXPECT_EQ(served(root, QStringLiteral("sub/nowy.php")), fileOf(ws().activePage()));

    // A later plain save stores it back there.
    type(QStringLiteral("// jeszcze\r\n"));
    run("MenuFile_Save");
    EXPECT_EQ(served(root, QStringLiteral("sub/nowy.php")), fileOf(ws().activePage()));
    EXPECT_EQ(page->mark(), 2);
}

TEST_F(FtpWindows, StoreBackWithoutAConnectionAsksForOneOrMakesItByItself) {
    startServer();
    connectBrowser();
    enterFolder(QStringLiteral("sub"));
    actOn(QStringLiteral("index.php"));
    run("MenuServers_FTPDisconnect");
    ASSERT_FALSE(browser->connected());

    // Not connecting by itself: the "Zapisz" dialog offers "Połącz".
    type(QStringLiteral("// pierwsza\r\n"));
    bool offered = false;
    QTimer::singleShot(0, browser, [&] {
        offered = browser->storeBackDialog()->isVisible() &&
                  browser->storeBackDialog()->connectButton()->isVisible();
        browser->storeBackDialog()->connectButton()->click();
    });
    run("MenuFile_Save");
    EXPECT_TRUE(offered);
    EXPECT_EQ(served(root, QStringLiteral("sub/index.php")), fileOf(ws().activePage()));
    EXPECT_EQ(ws().activePage()->mark(), 2);
    EXPECT_FALSE(browser->storeBackDialog()->isVisible());

    // Cancelling that dialog keeps the document changed.
    run("MenuServers_FTPDisconnect");
    type(QStringLiteral("// druga\r\n"));
    QTimer::singleShot(0, browser, [&] { browser->storeBackDialog()->cancelButton()->click(); });
    run("MenuFile_Save");
    EXPECT_TRUE(ws().activePage()->isChanged());
    EXPECT_FALSE(browser->connected());

    // With "Łącz z serwerem ftp przy zapisywaniu pliku." and "Rozłaczaj po zapisaniu..." ticked,
    // store back connects, stores and disconnects by itself.
    run("MenuTools_FTPOptions");
    options->connectOnSaveBox()->setChecked(true);
    options->disconnectAfterSaveBox()->setChecked(true);
    options->okButton()->click();
    run("MenuFile_Save");
    EXPECT_EQ(served(root, QStringLiteral("sub/index.php")), fileOf(ws().activePage()));
    EXPECT_EQ(ws().activePage()->mark(), 2);
    EXPECT_FALSE(browser->connected());
}

TEST_F(FtpWindows, ALargeTransferShowsProgressCanBeAbortedAndKeepsTheWindowResponsive) {
    QByteArray big(48 * 1024 * 1024, 'a');
    root.write(QStringLiteral("duzy.txt"), big);
    big.clear();
    startServer();
    connectBrowser();
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(1);
    int shown = 0;
    QObject::connect(browser->gauge(), &QProgressBar::valueChanged, browser, [&](int value) {
        if (value <= 0) return;
        shown = value;
        EXPECT_TRUE(browser->abortButton()->isEnabled());
        browser->abortButton()->click();
    });
    const int pages = ws().count();
    actOn(QStringLiteral("duzy.txt"));
    EXPECT_GT(shown, 0) << "the gauge showed the transfer";
    EXPECT_LT(shown, 1000);
    EXPECT_GT(ticks, 0) << "timers kept running during the transfer";
    EXPECT_EQ(messages().last(), QStringLiteral("Nie można otworzyć pliku!"));
    EXPECT_EQ(ws().count(), pages);
    EXPECT_TRUE(browser->connected()) << "an aborted transfer keeps the session";
    EXPECT_FALSE(browser->abortButton()->isEnabled());
}

TEST_F(FtpWindows, FtpCommandsMenuMakesAFolderAsksASizeAndDeletesAFile) {
    startServer();
    connectBrowser();
    prompts.queueText(QStringLiteral("NowyFolder"));
    browser->makeFolder();
    EXPECT_TRUE(QDir(root.path()).exists(QStringLiteral("NowyFolder")));
    EXPECT_TRUE(viewNames().contains(QStringLiteral("NowyFolder")));

    browser->fileNameField()->setText(QStringLiteral("notatki.txt"));
    browser->askFileSize();
    EXPECT_EQ(messages().last(), QStringLiteral("Rozmiar pliku: 9 bytes"));

    browser->showDeleteDialog();
    ASSERT_TRUE(browser->deleteDialog()->isVisible());
    const auto found = browser->deleteList()->findItems(QStringLiteral("notatki.txt"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    browser->deleteList()->setCurrentItem(found.first());
    prompts.queueAnswer(Answer::Yes);
    browser->deleteDialog()->findChild<QPushButton*>(QStringLiteral("BtnOK"))->click();
    EXPECT_FALSE(QFile::exists(QDir(root.path()).filePath(QStringLiteral("notatki.txt"))));
    EXPECT_FALSE(viewNames().contains(QStringLiteral("notatki.txt")));
}

TEST_F(FtpWindows, TheAutomationSwitchesConnectWhenShownAndDisconnectAfterOpening) {
    startServer();
    run("MenuTools_FTPOptions");
    options->connectOnOpenDialogBox()->setChecked(true);
    options->disconnectAfterOpenBox()->setChecked(true);
    options->okButton()->click();
    browser->autoConnectDelayMs = 10;
    run("MenuFile_OpenNet");
    EXPECT_FALSE(browser->isEnabled()) << "the window waits for its own connect";
    for (QDeadlineTimer deadline(10000); !browser->connected() && !deadline.hasExpired();)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    ASSERT_TRUE(browser->connected());
    EXPECT_TRUE(browser->isEnabled());
    actOn(QStringLiteral("notatki.txt"));
    EXPECT_EQ(ws().activePage()->path(), QStringLiteral("[ftp]notatki.txt"));
    EXPECT_FALSE(browser->connected()) << "disconnected after the file was fetched";

    // Without the connect switches, "Anuluj" ends an open connection as it closes the browser.
    run("MenuTools_FTPOptions");
    options->connectOnOpenDialogBox()->setChecked(false);
    options->okButton()->click();
    connectBrowser();
    browser->cancelButton()->click();
    EXPECT_FALSE(browser->isVisible());
    EXPECT_FALSE(browser->connected());
}

TEST_F(FtpWindows, ActiveModeWhenPassiveIsTurnedOff) {
    startServer();
    run("MenuTools_FTPOptions");
    options->passiveBox()->setChecked(false);
    options->okButton()->click();
    connectBrowser();
    EXPECT_TRUE(browser->statusWindow()->plainText().contains(QStringLiteral("> PORT 127,0,0,1,")));
    EXPECT_TRUE(viewNames().contains(QStringLiteral("index.php")));
}

TEST_F(FtpWindows, EmergencyDisconnectAndDisconnectAtExit) {
    startServer();
    connectBrowser();
    run("MenuServers_FTPAbort");
    EXPECT_FALSE(browser->connected());
    run("MenuServers_FTPConnect");
    ASSERT_TRUE(browser->connected());
    browser->hide();
    window->close();
    EXPECT_FALSE(browser->connected());
}

TEST_F(FtpWindows, StatusWindowSavesItsLogAsText) {
    startServer();
    connectBrowser();
    const QString target = dir.file(QStringLiteral("ftpstatus.txt"));
    prompts.queueFiles({target});
    browser->statusWindow()->findChild<QPushButton*>(QStringLiteral("BtnSaveAs"))->click();
    const QByteArray saved = readAll(target);
    EXPECT_TRUE(saved.contains("Wersja Winsock: "));
    EXPECT_TRUE(saved.contains("> USER wertan\r\n"));
    EXPECT_TRUE(saved.endsWith("\r\n"));
    const AskedPrompt& asked = prompts.asked().back();
    EXPECT_EQ(asked.fileRequest.fileName, QStringLiteral("ftpstatus.txt"));
    EXPECT_EQ(asked.fileRequest.defaultExtension, QStringLiteral("txt"));
}

TEST_F(FtpWindows, PicturesForTheDocumentation) {
    const QString folder = qEnvironmentVariable("WERTAN_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "set WERTAN_SCREENSHOT_DIR to write the pictures";
    const QDir out(folder);
    auto settle = [] {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    };
    startServer();
    dir.write(
        QStringLiteral("program/data/sftp.dat2"),
        QByteArray::fromStdString(ftp::encodeSites({{"Serwer testowy", "127.0.0.1", "wertan", "tajne", true},
                                                    {"Moja strona", "ftp.example.pl", "jan", "", true}})));
    run("MenuServers_FTPServery");
    settle();
    EXPECT_TRUE(sites->grab().save(out.filePath(QStringLiteral("ftp_sites_dialog.png"))));
    sites->okButton()->click();

    run("MenuTools_FTPOptions");
    for (FtpOptionsBand* band : options->bands())
        band->setExpanded(true);
    options->portField()->setCurrentText(QString::number(server->port()));
    settle();
    EXPECT_TRUE(options->grab().save(out.filePath(QStringLiteral("ftp_options_dialog.png"))));
    options->hostField()->setText(QStringLiteral("127.0.0.1"));
    options->loginField()->setText(QStringLiteral("wertan"));
    options->passwordField()->setText(QStringLiteral("tajne"));
    options->okButton()->click();

    root.write(QStringLiteral("styl.css"), "body {}\r\n");
    root.write(QStringLiteral("baza.sql"), "select 1;\r\n");
    root.write(QStringLiteral("naglowek.inc"), "<?php ?>\r\n");
    root.write(QStringLiteral("strona.html"), "<html></html>\r\n");
    connectBrowser();
    browser->fileView()->setCurrentItem(item(QStringLiteral("index.php")));
    settle();
    EXPECT_TRUE(browser->grab().save(out.filePath(QStringLiteral("ftp_remote_browser.png"))));
}
