#include "settings/program_options.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace wertan;
using wertan::test::TempDir;

namespace {

std::string asString(const QByteArray& bytes) {
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

// A record laid out by hand: counted texts at 0 and 256, single bytes at 512, 513 and 514.
std::string handRecord(const std::string& browser, const std::string& root, int tagCase, int open, int save) {
    std::string r(515, '\0');
    r[0] = char(browser.size());
    r.replace(1, browser.size(), browser);
    r[256] = char(root.size());
    r.replace(257, root.size(), root);
    r[512] = char(tagCase);
    r[513] = char(open);
    r[514] = char(save);
    return r;
}

ProgramOptionsForm sampleForm() {
    ProgramOptionsForm form;
    form.browserPath = "/usr/bin/firefox";
    form.documentRoot = "/srv/www/\xB9\x9C"; // ą ś
    form.lowerCaseTags = true;
    form.onOpen = {true, ConversionListItem::Iso88592};
    form.onSave = {true, ConversionListItem::Windows1250};
    return form;
}

} // namespace

TEST(ProgramOptionsRecord, WrittenRecordEqualsTheExpectedBytes) {
    const ProgramOptionsRecord record{"/usr/bin/xdg-open", "/home/ala/public_html", 1, 0, 2};
    const std::string bytes = encodeProgramOptions(record);
    ASSERT_EQ(bytes.size(), 515u);
    EXPECT_EQ(bytes, handRecord("/usr/bin/xdg-open", "/home/ala/public_html", 1, 0, 2));
    EXPECT_EQ(encodeProgramOptions({}), handRecord("", "", 0, 2, 2));
}

TEST(ProgramOptionsRecord, TextsAreCutTo255Bytes) {
    const std::string longRoot(300, 'r');
    const std::string exact(255, 'b');
    const std::string bytes = encodeProgramOptions({exact, longRoot, 0, 2, 2});
    EXPECT_EQ(bytes, handRecord(exact, longRoot.substr(0, 255), 0, 2, 2));
    ProgramOptionsRecord back;
    ASSERT_TRUE(decodeProgramOptions(bytes, &back));
    EXPECT_EQ(back.browserPath, exact);
    EXPECT_EQ(back.documentRoot, longRoot.substr(0, 255));

    // The dialog's fields are cut the same way when the record is built.
    ProgramOptionsForm form;
    form.documentRoot = longRoot;
    EXPECT_EQ(recordFromForm(form).documentRoot, longRoot.substr(0, 255));
}

TEST(ProgramOptionsRecord, AHandBuiltRecordReadsBack) {
    std::string bytes = handRecord("C:\\Program Files\\br.exe", "/home/\xB3\x61", 0, 1, 0);
    // Bytes after a text's length do not count, and bytes after the record are not read.
    bytes[1 + 24] = 'X';
    bytes[257 + 10] = 'Y';
    bytes += "trailing";
    ProgramOptionsRecord record;
    ASSERT_TRUE(decodeProgramOptions(bytes, &record));
    EXPECT_EQ(record, (ProgramOptionsRecord{"C:\\Program Files\\br.exe", "/home/\xB3\x61", 0, 1, 0}));

    ProgramOptionsRecord untouched{"keep", "keep", 1, 1, 1};
    EXPECT_FALSE(decodeProgramOptions(bytes.substr(0, 514), &untouched));
    EXPECT_FALSE(decodeProgramOptions("", &untouched));
    EXPECT_EQ(untouched, (ProgramOptionsRecord{"keep", "keep", 1, 1, 1}));
}

TEST(ProgramOptionsForm, ConversionFieldCoding) {
    using Item = ConversionListItem;
    const struct {
        ConversionChoice before;
        int code;
        ConversionChoice after;
    } cases[] = {
        {{false, Item::Windows1250}, 0, {true, Item::Iso88592}},
        {{false, Item::Iso88592}, 1, {true, Item::Windows1250}},
        {{true, Item::Iso88592}, 2, {false, Item::Iso88592}}, // the list keeps its entry
        {{true, Item::Iso88592}, 7, {true, Item::Iso88592}},  // other values change nothing
        {{false, Item::Windows1250}, 255, {false, Item::Windows1250}},
    };
    for (const auto& c : cases) {
        ConversionChoice choice = c.before;
        applyConversionCode(c.code, &choice);
        EXPECT_EQ(choice, c.after) << c.code;
    }
    EXPECT_EQ(conversionCode({false, Item::Iso88592}), 2);
    EXPECT_EQ(conversionCode({true, Item::Windows1250}), 1);
    EXPECT_EQ(conversionCode({true, Item::Iso88592}), 0);
}

TEST(ProgramOptionsForm, FilledFromARecordBuiltBackAndPublished) {
    ProgramOptionsForm form = initialProgramOptionsForm(QStringLiteral("/home/ala"));
    EXPECT_EQ(form.browserPath, "/usr/bin/xdg-open");
    EXPECT_EQ(form.documentRoot, "/home/ala/public_html");
    EXPECT_FALSE(form.lowerCaseTags);
    EXPECT_EQ(form.onOpen, (ConversionChoice{false, ConversionListItem::Windows1250}));
    EXPECT_EQ(form.onSave, (ConversionChoice{false, ConversionListItem::Windows1250}));
    EXPECT_EQ(initialProgramOptionsForm(QStringLiteral("/home/ala/")).documentRoot, "/home/ala/public_html");

    // Tag case: 0 upper case, any other value lower case; a conversion byte of 7 leaves its field.
    const struct {
        int tagCase;
        bool lower;
    } tagCases[] = {{0, false}, {1, true}, {5, true}};
    for (const auto& c : tagCases) {
        ProgramOptionsForm f = form;
        fillProgramOptionsForm({"b", "r", std::uint8_t(c.tagCase), 7, 0}, &f);
        EXPECT_EQ(f.lowerCaseTags, c.lower) << c.tagCase;
        EXPECT_EQ(f.browserPath, "b");
        EXPECT_EQ(f.documentRoot, "r");
        EXPECT_EQ(f.onOpen, form.onOpen);
        EXPECT_EQ(f.onSave, (ConversionChoice{true, ConversionListItem::Iso88592}));
    }

    const ProgramOptionsForm sample = sampleForm();
    EXPECT_EQ(recordFromForm(sample),
              (ProgramOptionsRecord{"/usr/bin/firefox", "/srv/www/\xB9\x9C", 1, 0, 1}));
    EXPECT_EQ(publishProgramOptions(sample),
              (PublishedProgramOptions{"/usr/bin/firefox", "/srv/www/\xB9\x9C", true, 0, 1}));
    ProgramOptionsForm cleared = sample;
    cleared.onOpen.ticked = false;
    EXPECT_EQ(recordFromForm(cleared).openConversion, 2);
    EXPECT_EQ(publishProgramOptions(cleared).openConversion, 2);
}

TEST(ProgramOptionsFile, MissingFileIsCreatedFromTheFieldsWithNoFixedConversion) {
    TempDir dir;
    const QString path = dir.file(QStringLiteral("prog.dat2"));
    ProgramOptionsForm form = initialProgramOptionsForm(QStringLiteral("/home/ala"));
    form.onOpen = {true, ConversionListItem::Windows1250}; // whatever the boxes show, 2 is written
    form.onSave = {true, ConversionListItem::Iso88592};
    const ProgramOptionsForm before = form;
    const ProgramOptionsLoadResult result = loadProgramOptions(path, &form);
    EXPECT_TRUE(result.ok());
    EXPECT_TRUE(result.recreated);
    EXPECT_FALSE(result.loaded);
    EXPECT_EQ(result.message,
              QStringLiteral(
                  "Brak głownego pliku konfiguracyjnego!\rPrzywracam ustawienia domyślne...\rWykonano."));
    EXPECT_EQ(form, before);
    EXPECT_EQ(asString(test::readAll(path)),
              handRecord("/usr/bin/xdg-open", "/home/ala/public_html", 0, 2, 2));

    // The next load reads the file and shows no message.
    const ProgramOptionsLoadResult again = loadProgramOptions(path, &form);
    EXPECT_TRUE(again.loaded);
    EXPECT_TRUE(again.message.isEmpty());
    EXPECT_FALSE(form.onOpen.ticked);
    EXPECT_FALSE(form.onSave.ticked);
}

TEST(ProgramOptionsFile, SavedFieldsLoadBackAndCancelDiscardsEdits) {
    TempDir dir;
    const QString path = dir.file(QStringLiteral("prog.dat2"));
    QString error;
    ASSERT_TRUE(saveProgramOptions(path, sampleForm(), &error)) << error.toStdString();
    EXPECT_EQ(asString(test::readAll(path)), handRecord("/usr/bin/firefox", "/srv/www/\xB9\x9C", 1, 0, 1));

    ProgramOptionsForm form = sampleForm();
    form.documentRoot = "edited";
    form.lowerCaseTags = false;
    const ProgramOptionsLoadResult result = loadProgramOptions(path, &form);
    EXPECT_TRUE(result.ok());
    EXPECT_TRUE(result.loaded);
    EXPECT_EQ(form, sampleForm());
}

TEST(ProgramOptionsFile, ShortOrUnreadableFileIsReportedAndNothingIsApplied) {
    TempDir dir;
    const QString shortPath = dir.write(QStringLiteral("prog.dat2"), QByteArray(514, '\x01'));
    const QString folderPath = dir.file(QStringLiteral("folder.dat2"));
    ASSERT_TRUE(QDir().mkpath(folderPath));
    const struct {
        QString path;
        QString errorStart;
    } cases[] = {
        {shortPath, QStringLiteral("Nie można odczytać pliku %1.\nOdczyt poza końcem pliku.").arg(shortPath)},
        {folderPath, QStringLiteral("Nie można ")},
    };
    for (const auto& c : cases) {
        ProgramOptionsForm form = sampleForm();
        const ProgramOptionsLoadResult result = loadProgramOptions(c.path, &form);
        EXPECT_FALSE(result.ok());
        EXPECT_FALSE(result.loaded);
        EXPECT_FALSE(result.recreated);
        EXPECT_TRUE(result.message.isEmpty());
        EXPECT_TRUE(result.error.startsWith(c.errorStart)) << result.error.toStdString();
        EXPECT_EQ(form, sampleForm());
    }
    // The short file is not replaced by a load.
    EXPECT_EQ(test::readAll(shortPath), QByteArray(514, '\x01'));
}

TEST(ProgramOptionsFile, FailedWritesAreReportedAndKeepTheOldFile) {
    TempDir dir;
    // A missing config folder: the message, then the error of the write.
    const QString inMissing = dir.file(QStringLiteral("config/prog.dat2"));
    ProgramOptionsForm form = initialProgramOptionsForm(QStringLiteral("/home/ala"));
    const ProgramOptionsLoadResult result = loadProgramOptions(inMissing, &form);
    EXPECT_FALSE(result.message.isEmpty());
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.recreated);
    EXPECT_TRUE(result.error.startsWith(QStringLiteral("Nie można zapisać pliku ")))
        << result.error.toStdString();
    QString error;
    EXPECT_FALSE(saveProgramOptions(inMissing, form, &error));
    EXPECT_FALSE(error.isEmpty());

    // A write cut short leaves the old record whole.
    const QString path = dir.file(QStringLiteral("prog.dat2"));
    ASSERT_TRUE(saveProgramOptions(path, form, &error));
    const QByteArray old = test::readAll(path);
    {
        test::FileSizeLimit limit(100);
        EXPECT_FALSE(saveProgramOptions(path, sampleForm(), &error));
    }
    EXPECT_EQ(test::readAll(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("prog.dat2")});
}
