#include "settings/reopen_list.h"
#include "support/temp_dir.h"

#include <QDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace wertan;
using wertan::test::TempDir;

namespace {

std::string asString(const QByteArray& bytes) {
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}
QByteArray asBytes(const std::string& s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}

// 36955.5: noon of 5 March 2001, as a little-endian IEEE double.
const std::string kNoon5March2001("\x00\x00\x00\x00\x70\x0B\xE2\x40", 8);
// -1.25: 29 December 1899, 06:00.
const std::string kMinusOneAndAQuarter("\x00\x00\x00\x00\x00\x00\xF4\xBF", 8);

// A record laid out by hand: the length byte, 255 path bytes, then the 8 bytes of the time.
std::string handRecord(const std::string& path, const std::string& time, char filler = '\0') {
    std::string r(264, filler);
    r[0] = char(path.size());
    r.replace(1, path.size(), path);
    r.replace(256, 8, time);
    return r;
}

std::vector<std::string> paths(const std::vector<RecentDocument>& documents) {
    std::vector<std::string> out;
    for (const auto& d : documents)
        out.push_back(d.path);
    return out;
}

struct ListFile {
    TempDir dir;
    QString path = dir.file(QStringLiteral("reloaddoc.dat2"));
    RecentList refresh() {
        RecentList list;
        QString error;
        EXPECT_TRUE(refreshRecentDocuments(path, &list, &error)) << error.toStdString();
        return list;
    }
    void add(const QString& document, double at) {
        QString error;
        bool recorded = false;
        EXPECT_TRUE(addRecentDocument(path, document, at, &error, &recorded)) << error.toStdString();
        EXPECT_TRUE(recorded);
    }
};

} // namespace

TEST(RecentRecords, WrittenRecordEqualsTheExpectedBytes) {
    EXPECT_EQ(encodeRecentRecord({"/www/a.php", 36955.5}), handRecord("/www/a.php", kNoon5March2001));
    EXPECT_EQ(encodeRecentRecord({"C:\\www\\\xB9.php", -1.25}),
              handRecord("C:\\www\\\xB9.php", kMinusOneAndAQuarter));
    // A path longer than the field is cut to 255 bytes.
    const std::string longPath = "/" + std::string(299, 'p');
    EXPECT_EQ(encodeRecentRecord({longPath, 36955.5}), handRecord(longPath.substr(0, 255), kNoon5March2001));
    EXPECT_EQ(encodeRecentRecord({std::string(255, 'q'), 0}).size(), 264u);
}

TEST(RecentRecords, AHandBuiltFileReadsBack) {
    const std::string bytes = handRecord("/a.php", kNoon5March2001, 'Z') + handRecord("", kNoon5March2001) +
                              handRecord("/b.php", kMinusOneAndAQuarter) +
                              std::string(100, 'T'); // a partial record
    const std::vector<RecentDocument> documents = decodeRecentRecords(bytes, kRecentReadLimit);
    ASSERT_EQ(documents.size(), 3u);
    EXPECT_EQ(documents[0], (RecentDocument{"/a.php", 36955.5}));
    EXPECT_TRUE(documents[1].isEmptySlot());
    EXPECT_EQ(documents[2], (RecentDocument{"/b.php", -1.25}));
    EXPECT_EQ(decodeRecentRecords(bytes, 2).size(), 2u);
    EXPECT_TRUE(decodeRecentRecords(bytes.substr(0, 263), kRecentReadLimit).empty());
    // Empty slots are never written back.
    EXPECT_EQ(encodeRecentRecords(documents),
              handRecord("/a.php", kNoon5March2001) + handRecord("/b.php", kMinusOneAndAQuarter));
}

TEST(RecentRecords, CompactionKeepsTheNewestCopyAndAtMost199) {
    const std::vector<RecentDocument> documents = {{"/a", 3}, {"", 0},   {"/b", 2},
                                                   {"/a", 1}, {"/A", 1}, {"/b", 0}};
    EXPECT_EQ(compactRecentDocuments(documents),
              (std::vector<RecentDocument>{{"/a", 3}, {"/b", 2}, {"/A", 1}}));
    std::vector<RecentDocument> many;
    for (int i = 0; i < 250; ++i)
        many.push_back({"/d" + std::to_string(i), double(i)});
    const auto compacted = compactRecentDocuments(many);
    ASSERT_EQ(compacted.size(), 199u);
    EXPECT_EQ(compacted.back().path, "/d198");
}

TEST(RecentDates, DaysSince30December1899) {
    const struct {
        double days;
        const char* menu;
        const char* grid;
    } cases[] = {
        {36955.0 + (9 * 3600 + 5 * 60 + 7) / 86400.0, "5.3.2001", "09:05:07 5.03.2001"},
        {36955.5, "5.3.2001", "12:00:00 5.03.2001"},
        {0.0, "30.12.1899", "00:00:00 30.12.1899"},
        {-1.25, "29.12.1899", "06:00:00 29.12.1899"},
        {45000.99999, "15.3.2023", "23:59:59 15.03.2023"},
        {36955.9999999999, "6.3.2001", "00:00:00 6.03.2001"}, // rounds to the next midnight
        {std::nan(""), "", ""},
        {1e300, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatRecentMenuDate(c.days), c.menu) << c.days;
        EXPECT_EQ(formatRecentGridTime(c.days), c.grid) << c.days;
    }
    const QDateTime moment(QDate(2001, 3, 5), QTime(9, 5, 7));
    const double days = dateTimeToDays(moment);
    EXPECT_NEAR(days, 36955.378553240740, 1e-9);
    EXPECT_EQ(daysToDateTime(days), moment);
    EXPECT_DOUBLE_EQ(dateTimeToDays(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    EXPECT_FALSE(daysToDateTime(std::nan("")).isValid());
    const double now = currentRecentTime();
    EXPECT_LT(std::fabs(now - dateTimeToDays(QDateTime::currentDateTime())), 1.0 / 86400);
}

TEST(RecentViews, MenuItemsAndGridRows) {
    std::vector<RecentDocument> documents;
    for (int i = 0; i < 12; ++i)
        documents.push_back({"/www/" + std::to_string(i) + ".php", 36955.5});
    const auto items = recentMenuItems(documents);
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items[0].caption, "/www/0.php");
    EXPECT_EQ(items[0].path, "/www/0.php");
    EXPECT_EQ(items[0].hint, "/www/0.php|Otwiera ponownie plik: /www/0.php [5.3.2001]");
    EXPECT_EQ(items[9].caption, "/www/9.php");

    const auto rows = recentGridRows(documents);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0].number, "1");
    EXPECT_EQ(rows[11].number, "12");
    EXPECT_EQ(rows[11].path, "/www/11.php");
    EXPECT_EQ(rows[11].savedAt, "12:00:00 5.03.2001");
    const auto none = recentGridRows({});
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].number, "");
    EXPECT_EQ(none[0].path, "");
    EXPECT_EQ(recentGridHeadings(), (std::vector<std::string>{"Lp.", "Plik", "Ostatnio modyfikowany"}));
    EXPECT_TRUE(recentMenuItems({}).empty());
}

TEST(RecentFile, MissingFileIsEmptyAndTheFirstSaveCreatesIt) {
    ListFile list;
    const RecentList before = list.refresh();
    EXPECT_FALSE(before.fileExists);
    EXPECT_TRUE(before.documents.empty());
    EXPECT_FALSE(QFile::exists(list.path)); // refreshing creates nothing

    list.add(QStringLiteral("/www/a.php"), 36955.5);
    EXPECT_EQ(asString(test::readAll(list.path)), handRecord("/www/a.php", kNoon5March2001));
    const RecentList after = list.refresh();
    EXPECT_TRUE(after.fileExists);
    EXPECT_EQ(after.documents, (std::vector<RecentDocument>{{"/www/a.php", 36955.5}}));
}

TEST(RecentFile, SavingAgainMovesThePathToTheTopAndLetterCaseCounts) {
    ListFile list;
    list.add(QStringLiteral("/www/a.php"), 1);
    list.add(QStringLiteral("/www/b.php"), 2);
    list.add(QStringLiteral("/www/a.php"), 3);
    list.add(QStringLiteral("C:\\A.PHP"), 4);
    list.add(QStringLiteral("c:\\a.php"), 5);
    EXPECT_EQ(list.refresh().documents,
              (std::vector<RecentDocument>{
                  {"c:\\a.php", 5}, {"C:\\A.PHP", 4}, {"/www/a.php", 3}, {"/www/b.php", 2}}));
    EXPECT_EQ(test::readAll(list.path).size(), 4 * 264);
    // A Polish letter is kept as its Windows-1250 byte.
    list.add(QStringLiteral("/www/ą.php"), 6);
    EXPECT_EQ(list.refresh().documents.front().path, "/www/\xB9.php");
}

TEST(RecentFile, After250SavesTheFileHolds199Records) {
    ListFile list;
    for (int i = 0; i < 250; ++i)
        list.add(QStringLiteral("/www/%1.php").arg(i), double(i));
    EXPECT_EQ(test::readAll(list.path).size(), 199 * 264);
    const RecentList result = list.refresh();
    ASSERT_EQ(result.documents.size(), 199u);
    EXPECT_EQ(result.documents.front().path, "/www/249.php");
    EXPECT_EQ(result.documents.back().path, "/www/51.php");
    const auto items = recentMenuItems(result.documents);
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items.back().path, "/www/240.php");
}

TEST(RecentFile, RefreshCompactsAForeignFileAndLeavesACompactOneAlone) {
    ListFile list;
    std::string foreign = handRecord("/a", kNoon5March2001) + handRecord("", kNoon5March2001) +
                          handRecord("/b", kNoon5March2001) + handRecord("/a", kMinusOneAndAQuarter);
    for (int i = 0; i < 205; ++i)
        foreign += handRecord("/n" + std::to_string(i), kNoon5March2001);
    list.dir.write(QStringLiteral("reloaddoc.dat2"), asBytes(foreign));
    const RecentList result = list.refresh();
    // At most 200 records are read; the empty slot and the older "/a" go; 199 are kept.
    ASSERT_EQ(result.documents.size(), 198u);
    EXPECT_EQ(paths(result.documents)[0], "/a");
    EXPECT_EQ(paths(result.documents)[1], "/b");
    EXPECT_EQ(paths(result.documents).back(), "/n195");
    EXPECT_EQ(test::readAll(list.path).size(), 198 * 264);

    // A compact file is not written again: with writes limited to 10 bytes the refresh still works.
    test::FileSizeLimit limit(10);
    EXPECT_EQ(list.refresh().documents.size(), 198u);
}

TEST(RecentFile, ClearingLeavesAnEmptyFileAndOneEmptyRow) {
    ListFile list;
    list.add(QStringLiteral("/www/a.php"), 1);
    QString error;
    ASSERT_TRUE(clearRecentDocuments(list.path, &error)) << error.toStdString();
    EXPECT_TRUE(QFile::exists(list.path));
    EXPECT_EQ(test::readAll(list.path).size(), 0);
    const RecentList result = list.refresh();
    EXPECT_TRUE(result.fileExists);
    EXPECT_TRUE(result.documents.empty());
    EXPECT_TRUE(recentMenuItems(result.documents).empty());
    EXPECT_EQ(recentGridRows(result.documents).size(), 1u);
}

TEST(RecentFile, PathsTheRecordCannotHoldAreNotRecorded) {
    ListFile list;
    list.add(QStringLiteral("/www/a.php"), 1);
    const QByteArray before = test::readAll(list.path);
    for (const QString& path : {QStringLiteral("/www/\u4e2d.php"),
                                QStringLiteral("/") + QString(255, QLatin1Char('x')), QString()}) {
        QString error;
        bool recorded = true;
        EXPECT_TRUE(addRecentDocument(list.path, path, 2, &error, &recorded));
        EXPECT_FALSE(recorded);
        EXPECT_TRUE(error.isEmpty());
    }
    EXPECT_EQ(test::readAll(list.path), before);
    list.add(QStringLiteral("/") + QString(254, QLatin1Char('x')), 3); // exactly 255 bytes fit
}

TEST(RecentFile, ReadAndWriteFailuresAreReported) {
    TempDir dir;
    const struct {
        QString path;
        const char* errorStart;
    } cases[] = {
        {dir.file(QStringLiteral("config/reloaddoc.dat2")), "Nie można zapisać pliku "}, // missing folder
        {dir.path(), "Nie można "}, // a folder in its place
    };
    for (const auto& c : cases) {
        QString error;
        bool recorded = true;
        EXPECT_FALSE(addRecentDocument(c.path, QStringLiteral("/www/a.php"), 1, &error, &recorded));
        EXPECT_FALSE(recorded);
        EXPECT_TRUE(error.startsWith(QString::fromUtf8(c.errorStart))) << error.toStdString();
    }
    RecentList list;
    list.fileExists = true;
    list.documents.push_back({"/kept", 1});
    QString error;
    EXPECT_FALSE(refreshRecentDocuments(dir.path(), &list, &error));
    EXPECT_EQ(list.documents.size(), 1u); // left as it was
    EXPECT_FALSE(clearRecentDocuments(dir.file(QStringLiteral("config/reloaddoc.dat2")), &error));

    // A write cut short keeps the old list.
    ListFile file;
    file.add(QStringLiteral("/www/a.php"), 1);
    const QByteArray old = test::readAll(file.path);
    {
        test::FileSizeLimit limit(300);
        EXPECT_FALSE(addRecentDocument(file.path, QStringLiteral("/www/b.php"), 2, &error));
    }
    EXPECT_EQ(test::readAll(file.path), old);
}
