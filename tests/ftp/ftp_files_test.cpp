// The stored FTP sites and options: their binary records, the missing-file rules and the
// privacy of the files and folders that hold passwords and remote documents.
#include "ftp/ftp_options.h"
#include "ftp/ftp_sites.h"
#include "ftp/private_files.h"
#include "ftp/remote_document.h"
#include "platform/settings_store.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace wertan;
using namespace wertan::ftp;
using wertan::test::TempDir;

namespace {

// A counted field written by hand at its offset: length byte, text, then filler.
void putField(std::string& record, std::size_t offset, std::size_t capacity, const std::string& text,
              char filler = '\0') {
    record[offset] = char(text.size());
    for (std::size_t i = 0; i < capacity; ++i)
        record[offset + 1 + i] = i < text.size() ? text[i] : filler;
}

std::string siteRecord(const std::string& name, const std::string& address, const std::string& login,
                       const std::string& password, bool inUse, char filler = '\0') {
    std::string r(560, '\0');
    putField(r, 0, 150, name, filler);
    putField(r, 151, 255, address, filler);
    putField(r, 407, 100, login, filler);
    putField(r, 508, 50, password, filler);
    r[559] = inUse ? 1 : 0;
    return r;
}

std::string optionsRecord(const std::string& host, const std::string& port, const std::string& login,
                          const std::string& password, std::array<char, 5> flags) {
    std::string r(484, '\0');
    putField(r, 0, 255, host);
    putField(r, 256, 20, port);
    putField(r, 277, 100, login);
    putField(r, 378, 100, password);
    for (std::size_t i = 0; i < 5; ++i)
        r[479 + i] = flags[i];
    return r;
}

int modeOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return -1;
    return int(info.st_mode & 07777);
}

std::string fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

} // namespace

TEST(SiteRecords, ThreeHandBuiltRecordsReadInOrderAndWriteBackIdentically) {
    const std::string bytes = siteRecord("Domowy", "ftp.example.pl", "jan", "tajne", true) +
                              siteRecord("Firma \xB9\xEA", "10.0.0.5", "admin", "", false) +
                              siteRecord("", "", "", "", false);
    const std::vector<FtpSite> sites = decodeSites(bytes);
    ASSERT_EQ(sites.size(), 3u);
    EXPECT_EQ(sites[0], (FtpSite{"Domowy", "ftp.example.pl", "jan", "tajne", true}));
    EXPECT_EQ(sites[1], (FtpSite{"Firma \xB9\xEA", "10.0.0.5", "admin", "", false}));
    EXPECT_EQ(sites[2], FtpSite{});
    EXPECT_EQ(encodeSites(sites), bytes);
    EXPECT_EQ(encodeSites(sites).size(), 1680u);
}

TEST(SiteRecords, BytesAfterTheTextCarryNoMeaningAndAreWrittenAsZeros) {
    const std::string withFiller = siteRecord("abc", "host", "u", "p", false, 'x');
    const FtpSite site = decodeSite(withFiller);
    EXPECT_EQ(site, (FtpSite{"abc", "host", "u", "p", false}));
    EXPECT_EQ(encodeSite(site), siteRecord("abc", "host", "u", "p", false));
}

TEST(SiteRecords, TextsLongerThanTheirFieldsAreCut) {
    FtpSite site{std::string(200, 'n'), std::string(300, 'a'), std::string(120, 'l'), std::string(60, 'p'),
                 true};
    const FtpSite back = decodeSite(encodeSite(site));
    EXPECT_EQ(back.name, std::string(150, 'n'));
    EXPECT_EQ(back.address, std::string(255, 'a'));
    EXPECT_EQ(back.login, std::string(100, 'l'));
    EXPECT_EQ(back.password, std::string(50, 'p'));

    FtpSiteList list;
    list.add();
    ASSERT_TRUE(list.setName(std::string(200, 'N')));
    list.setPassword(std::string(60, 'P'));
    EXPECT_EQ(list.site(0).name, std::string(150, 'N'));
    EXPECT_EQ(list.site(0).password, std::string(50, 'P'));
}

TEST(SiteRecords, APartialRecordAtTheEndIsNotRead) {
    const std::string bytes = siteRecord("a", "b", "c", "d", false) + std::string(100, '\0');
    EXPECT_EQ(decodeSites(bytes).size(), 1u);
}

TEST(SiteList, AddRemoveAndCurrentSite) {
    FtpSiteList list;
    EXPECT_EQ(list.currentIndex(), -1);
    list.removeCurrent(); // nothing happens with an empty list
    EXPECT_TRUE(list.isEmpty());

    list.setSites({{"a", "", "", "", false}, {"b", "", "", "", false}, {"c", "", "", "", false}});
    EXPECT_EQ(list.currentIndex(), 0);
    ASSERT_TRUE(list.add());
    EXPECT_EQ(list.currentIndex(), 3);
    EXPECT_EQ(list.site(3).name, "Nowy serwer");

    struct Case {
        int current;
        std::vector<std::string> names;
        int after;
    };
    for (const Case& c : {Case{2, {"a", "b", "Nowy serwer"}, 1}, Case{0, {"b", "Nowy serwer"}, 0},
                          Case{1, {"b"}, 0}, Case{0, {}, -1}}) {
        list.setCurrentIndex(c.current);
        list.removeCurrent();
        EXPECT_EQ(list.names(), c.names);
        EXPECT_EQ(list.currentIndex(), c.after);
    }
}

TEST(SiteList, BlankNamesAreRefusedAndTheListHoldsAtMostAHundred) {
    FtpSiteList list;
    list.add();
    for (const char* blank : {"", " "})
        EXPECT_FALSE(list.setName(blank));
    EXPECT_EQ(list.site(0).name, "Nowy serwer");
    EXPECT_TRUE(list.setName("  x"));

    std::vector<FtpSite> many(120);
    list.setSites(many);
    EXPECT_EQ(list.count(), 100);
    EXPECT_TRUE(list.isFull());
    EXPECT_FALSE(list.add());
}

TEST(SiteFile, MissingFileGivesTheMessageAndIsRecreatedWithOneEmptyRecord) {
    TempDir dir;
    const QString path = dir.file(QStringLiteral("sftp.dat2"));
    const SiteFileLoad first = loadSiteFile(path);
    EXPECT_EQ(first.message,
              QStringLiteral("Nie można wczytać ustawień serwerów FTP - Przywracanie domyślnych ustawień!"));
    EXPECT_TRUE(first.error.isEmpty());
    EXPECT_TRUE(first.sites.empty());
    EXPECT_EQ(fileBytes(path), std::string(560, '\0'));
    EXPECT_EQ(modeOf(path), 0600);

    const SiteFileLoad second = loadSiteFile(path);
    EXPECT_TRUE(second.message.isEmpty());
    EXPECT_EQ(second.sites, std::vector<FtpSite>{FtpSite{}});
}

TEST(SiteFile, IsReadableByItsOwnerOnlyOnEveryWrite) {
    TempDir dir;
    const QString path = dir.file(QStringLiteral("sftp.dat2"));
    const std::vector<FtpSite> sites{{"a", "h", "u", "haslo", true}};
    ASSERT_TRUE(writeSiteFile(path, sites, nullptr));
    EXPECT_EQ(modeOf(path), 0600);

    // A file that others could read is narrowed when written, and also when only read.
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0644), 0);
    ASSERT_TRUE(writeSiteFile(path, sites, nullptr));
    EXPECT_EQ(modeOf(path), 0600);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
    EXPECT_EQ(loadSiteFile(path).sites, sites);
    EXPECT_EQ(modeOf(path), 0600);
}

TEST(SiteFile, RecordsPastTheHundredthAreKeptWhenTheListIsWritten) {
    TempDir dir;
    const QString path = dir.file(QStringLiteral("sftp.dat2"));
    std::string bytes;
    for (int i = 0; i < 102; ++i)
        bytes += siteRecord("s" + std::to_string(i), "", "", "", false);
    dir.write(QStringLiteral("sftp.dat2"), QByteArray::fromStdString(bytes));
    SiteFileLoad load = loadSiteFile(path);
    ASSERT_EQ(load.sites.size(), 100u);
    EXPECT_EQ(load.sites.back().name, "s99");
    load.sites[0].name = "zmieniony";
    ASSERT_TRUE(writeSiteFile(path, load.sites, nullptr, load.extraRecords));
    const std::string written = fileBytes(path);
    ASSERT_EQ(written.size(), 102u * 560u);
    EXPECT_EQ(decodeSite(written.substr(0, 560)).name, "zmieniony");
    EXPECT_EQ(written.substr(100 * 560), bytes.substr(100 * 560));
}

TEST(OptionsRecord, HandBuiltRecordReadsAndWritesBackIdentically) {
    const std::string bytes = optionsRecord("ftp.example.pl", "2121", "jan", "tajne", {0, 1, 0, 1, 1});
    FtpOptions options;
    ASSERT_TRUE(decodeOptions(bytes, &options));
    EXPECT_EQ(options.host, "ftp.example.pl");
    EXPECT_EQ(options.port, "2121");
    EXPECT_EQ(options.login, "jan");
    EXPECT_EQ(options.password, "tajne");
    EXPECT_FALSE(options.anonymous);
    EXPECT_TRUE(options.connectWhenBrowsing);
    EXPECT_FALSE(options.connectWhenSaving);
    EXPECT_TRUE(options.disconnectAfterOpening);
    EXPECT_TRUE(options.disconnectAfterSaving);
    EXPECT_EQ(encodeOptions(options), bytes);
    EXPECT_FALSE(decodeOptions(bytes.substr(0, 483), &options));
}

TEST(OptionsRecord, DefaultsAndCutTexts) {
    EXPECT_EQ(encodeOptions(FtpOptions{}), optionsRecord("localhost", "ftp", "root", "", {0, 0, 0, 0, 0}));
    FtpOptionsForm form;
    form.host = std::string(300, 'h');
    form.port = std::string(30, '2');
    form.login = std::string(120, 'l');
    form.password = std::string(120, 'p');
    form.savePassword = true;
    FtpOptions back;
    ASSERT_TRUE(decodeOptions(encodeOptions(recordToStore(form)), &back));
    EXPECT_EQ(back.host.size(), 255u);
    EXPECT_EQ(back.port.size(), 20u);
    EXPECT_EQ(back.login.size(), 100u);
    EXPECT_EQ(back.password.size(), 100u);
}

TEST(OptionsForm, AForgottenPasswordIsNotStoredButStillUsedForThisRun) {
    FtpOptionsForm form;
    form.login = "jan";
    form.password = "tajne";
    form.savePassword = false;
    EXPECT_EQ(recordToStore(form).password, "");
    EXPECT_EQ(optionsFromForm(form).password, "tajne");
    form.savePassword = true;
    EXPECT_EQ(recordToStore(form).password, "tajne");

    FtpOptions stored;
    stored.password = "x";
    EXPECT_TRUE(formFromOptions(stored).savePassword);
    stored.password.clear();
    EXPECT_FALSE(formFromOptions(stored).savePassword);
}

TEST(OptionsForm, EachAutomationBoxKeepsTheFlagItsCaptionNames) {
    struct Case {
        bool FtpOptionsForm::*box;
        std::size_t byte;
    };
    for (const Case& c :
         {Case{&FtpOptionsForm::connectOnOpenDialog, 480}, Case{&FtpOptionsForm::connectOnSave, 481},
          Case{&FtpOptionsForm::disconnectAfterOpen, 482}, Case{&FtpOptionsForm::disconnectAfterSave, 483}}) {
        FtpOptionsForm form;
        form.*c.box = true;
        const std::string bytes = encodeOptions(recordToStore(form));
        for (std::size_t at = 479; at < 484; ++at)
            EXPECT_EQ(bytes[at], at == c.byte ? 1 : 0) << "byte " << at;
        FtpOptions back;
        ASSERT_TRUE(decodeOptions(bytes, &back));
        EXPECT_EQ(formFromOptions(back), form);
    }
}

TEST(OptionsFile, MissingFileGivesTheMessageAndTheDefaultsArePrivate) {
    TempDir dir;
    const QString path = dir.file(QStringLiteral("ftp.dat2"));
    const OptionsFileLoad load = loadOptionsFile(path);
    EXPECT_EQ(
        load.message,
        QStringLiteral("Brak pliku konfiguracyjnego FTP!\rPrzywracam ustawienia domyślne...\rWykonano."));
    EXPECT_EQ(load.options, FtpOptions{});
    EXPECT_EQ(fileBytes(path), encodeOptions(FtpOptions{}));
    EXPECT_EQ(modeOf(path), 0600);

    dir.write(QStringLiteral("short.dat2"), QByteArray(100, '\0'));
    const OptionsFileLoad shortFile = loadOptionsFile(dir.file(QStringLiteral("short.dat2")));
    EXPECT_FALSE(shortFile.loaded);
    EXPECT_TRUE(shortFile.error.contains(QStringLiteral("Odczyt poza końcem pliku.")));
}

TEST(PassiveMode, IsOnUntilTheUserTurnsItOff) {
    TempDir dir;
    SettingsStore store(dir.file(QStringLiteral("settings.ini")));
    EXPECT_TRUE(readPassiveMode(store));
    writePassiveMode(store, false);
    EXPECT_FALSE(readPassiveMode(store));
    EXPECT_EQ(store.readInt(QStringLiteral("\\Software\\Wertan PHP\\FTP"), QStringLiteral("PassiveMode")), 0);
    writePassiveMode(store, true);
    EXPECT_TRUE(readPassiveMode(store));
}

TEST(WorkingFolder, IsPrivateAndNeverAFolderSomeoneElsePlanted) {
    TempDir dir;
    QString error;
    const QString folder = makeFtpWorkingFolder(dir.path(), &error);
    ASSERT_FALSE(folder.isEmpty()) << error.toStdString();
    EXPECT_EQ(modeOf(folder), 0700);
    // An existing folder of ours with wider rights is narrowed.
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
    EXPECT_EQ(makeFtpWorkingFolder(dir.path(), &error), folder);
    EXPECT_EQ(modeOf(folder), 0700);

    // A link at the folder's name is not followed: a fresh private folder is made instead.
    TempDir other;
    TempDir target;
    const QString planted = QDir(other.path()).filePath(QFileInfo(folder).fileName());
    ASSERT_TRUE(QFile::link(target.path(), planted));
    const QString fresh = makeFtpWorkingFolder(other.path(), &error);
    ASSERT_FALSE(fresh.isEmpty());
    EXPECT_NE(fresh, planted);
    EXPECT_FALSE(QFileInfo(fresh).isSymLink());
    EXPECT_EQ(modeOf(fresh), 0700);
}

TEST(WorkingFolder, SameNamedFilesOfDifferentFoldersOrServersGetTheirOwnCopies) {
    const QString work = QStringLiteral("/w");
    const RemoteOrigin a = originFor("h", "21", "u", "/a", "index.php", QStringLiteral("a/index.php"), work);
    const RemoteOrigin b = originFor("h", "21", "u", "/b", "index.php", QStringLiteral("b/index.php"), work);
    const RemoteOrigin c = originFor("g", "21", "u", "/a", "index.php", QStringLiteral("a/index.php"), work);
    const RemoteOrigin again =
        originFor("h", "21", "u", "/a", "index.php", QStringLiteral("a/index.php"), work);
    EXPECT_EQ(a.remoteFile, "/a/index.php");
    EXPECT_EQ(QFileInfo(a.localCopy).fileName(), QStringLiteral("index.php"));
    EXPECT_NE(a.localCopy, b.localCopy);
    EXPECT_NE(a.localCopy, c.localCopy);
    EXPECT_EQ(a.localCopy, again.localCopy);
    EXPECT_TRUE(a.localCopy.startsWith(work + QLatin1Char('/')));

    // Names that cannot be a local file get no local copy.
    for (const char* name : {"..", ".", ""})
        EXPECT_TRUE(
            originFor("h", "21", "u", "/a", name, QString::fromLatin1(name), work).localCopy.isEmpty())
            << name;
}
