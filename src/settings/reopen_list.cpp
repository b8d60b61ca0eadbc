#include "settings/reopen_list.h"

#include "text/counted_text.h"
#include "text/document_text.h"
#include "text/win1250.h"

#include <QFileInfo>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <unordered_set>

namespace wertan {

namespace {

constexpr std::size_t kTimeOffset = 256;
constexpr qint64 kMsecsPerDay = 86400000;
const QDate kDayZero(1899, 12, 30);

void appendDouble(std::string& out, double value) {
    std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) {
        out.push_back(static_cast<char>(bits & 0xFF));
        bits >>= 8;
    }
}

double readDouble(std::string_view bytes) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | static_cast<unsigned char>(bytes[std::size_t(i)]);
    return std::bit_cast<double>(bits);
}

struct DayAndTime {
    QDate date;
    int msecs = 0;
};

// Days before 30 December 1899 are negative; the fraction is the time of day in either case.
bool splitDays(double days, DayAndTime* out) {
    // Years 100 to 9999, the range the stored dates may name.
    if (!std::isfinite(days) || days < -657434.0 || days >= 2958466.0) return false;
    const double whole = std::trunc(days);
    qint64 msecs = std::llround(std::fabs(days - whole) * double(kMsecsPerDay));
    qint64 day = qint64(whole);
    if (msecs >= kMsecsPerDay) { // rounding reached midnight
        msecs -= kMsecsPerDay;
        ++day;
    }
    out->date = kDayZero.addDays(day);
    out->msecs = int(msecs);
    return out->date.isValid();
}

std::string latin(const QString& text) {
    return text.toStdString();
}

} // namespace

std::string encodeRecentRecord(const RecentDocument& document) {
    std::string out;
    out.reserve(kRecentRecordSize);
    appendCountedText(out, document.path, kRecentPathCapacity);
    appendDouble(out, document.savedAt);
    return out;
}

std::vector<RecentDocument> decodeRecentRecords(std::string_view bytes, int limit) {
    std::vector<RecentDocument> documents;
    for (std::size_t at = 0; at + kRecentRecordSize <= bytes.size() && int(documents.size()) < limit;
         at += kRecentRecordSize) {
        const std::string_view record = bytes.substr(at, kRecentRecordSize);
        documents.push_back({readCountedText(record.substr(0, kTimeOffset), kRecentPathCapacity),
                             readDouble(record.substr(kTimeOffset, 8))});
    }
    return documents;
}

std::string encodeRecentRecords(const std::vector<RecentDocument>& documents) {
    std::string out;
    for (const RecentDocument& d : documents)
        if (!d.isEmptySlot()) out += encodeRecentRecord(d);
    return out;
}

std::vector<RecentDocument> compactRecentDocuments(const std::vector<RecentDocument>& documents) {
    std::vector<RecentDocument> out;
    std::unordered_set<std::string> seen;
    for (const RecentDocument& d : documents) {
        if (int(out.size()) == kRecentMaxRecords) break;
        if (d.isEmptySlot() || !seen.insert(d.path).second) continue;
        out.push_back(d);
    }
    return out;
}

double dateTimeToDays(const QDateTime& dateTime) {
    const double day = double(kDayZero.daysTo(dateTime.date()));
    const double fraction = double(dateTime.time().msecsSinceStartOfDay()) / double(kMsecsPerDay);
    return day >= 0 ? day + fraction : day - fraction;
}

double currentRecentTime() {
    return dateTimeToDays(QDateTime::currentDateTime());
}

QDateTime daysToDateTime(double days) {
    DayAndTime parts;
    if (!splitDays(days, &parts)) return {};
    return QDateTime(parts.date, QTime::fromMSecsSinceStartOfDay(parts.msecs));
}

std::string formatRecentMenuDate(double days) {
    DayAndTime parts;
    if (!splitDays(days, &parts)) return {};
    const QDate& d = parts.date;
    return latin(
        QStringLiteral("%1.%2.%3").arg(d.day()).arg(d.month()).arg(d.year(), 4, 10, QLatin1Char('0')));
}

std::string formatRecentGridTime(double days) {
    DayAndTime parts;
    if (!splitDays(days, &parts)) return {};
    const QDate& d = parts.date;
    const QTime t = QTime::fromMSecsSinceStartOfDay(parts.msecs);
    const QLatin1Char zero('0');
    return latin(QStringLiteral("%1:%2:%3 %4.%5.%6")
                     .arg(t.hour(), 2, 10, zero)
                     .arg(t.minute(), 2, 10, zero)
                     .arg(t.second(), 2, 10, zero)
                     .arg(d.day())
                     .arg(d.month(), 2, 10, zero)
                     .arg(d.year(), 4, 10, zero));
}

std::vector<RecentMenuItem> recentMenuItems(const std::vector<RecentDocument>& documents) {
    std::vector<RecentMenuItem> items;
    for (const RecentDocument& d : documents) {
        if (int(items.size()) == kRecentMenuItems) break;
        if (d.isEmptySlot()) continue;
        items.push_back(
            {d.path,
             d.path + "|Otwiera ponownie plik: " + d.path + " [" + formatRecentMenuDate(d.savedAt) + "]",
             d.path});
    }
    return items;
}

std::vector<std::string> recentGridHeadings() {
    return {"Lp.", "Plik", "Ostatnio modyfikowany"};
}

std::vector<RecentGridRow> recentGridRows(const std::vector<RecentDocument>& documents) {
    std::vector<RecentGridRow> rows;
    for (const RecentDocument& d : documents)
        if (!d.isEmptySlot())
            rows.push_back({std::to_string(rows.size() + 1), d.path, formatRecentGridTime(d.savedAt)});
    if (rows.empty()) rows.push_back({});
    return rows;
}

namespace {

// The records at the start of the file, or none when it is missing.
bool readRecords(const QString& listPath, bool* exists, std::string* bytes,
                 std::vector<RecentDocument>* documents, QString* error) {
    *exists = QFileInfo::exists(listPath);
    documents->clear();
    bytes->clear();
    if (!*exists) return true;
    if (!readFileBytes(listPath, bytes, error)) return false;
    *documents = decodeRecentRecords(*bytes, kRecentReadLimit);
    return true;
}

} // namespace

bool addRecentDocument(const QString& listPath, const QString& documentPath, double savedAt, QString* error,
                       bool* recorded) {
    if (recorded) *recorded = false;
    std::size_t unrepresentable = 0;
    const std::string path = toWin1250(documentPath, &unrepresentable);
    if (path.empty() || unrepresentable != 0 || path.size() > kRecentPathCapacity) return true;

    bool exists = false;
    std::string bytes;
    std::vector<RecentDocument> documents;
    if (!readRecords(listPath, &exists, &bytes, &documents, error)) return false;
    documents.insert(documents.begin(), RecentDocument{path, savedAt});
    if (!writeFileAtomically(listPath, encodeRecentRecords(compactRecentDocuments(documents)), error))
        return false;
    if (recorded) *recorded = true;
    return true;
}

bool refreshRecentDocuments(const QString& listPath, RecentList* list, QString* error) {
    RecentList fresh;
    std::string bytes;
    std::vector<RecentDocument> documents;
    if (!readRecords(listPath, &fresh.fileExists, &bytes, &documents, error)) return false;
    if (fresh.fileExists) {
        fresh.documents = compactRecentDocuments(documents);
        const std::string compacted = encodeRecentRecords(fresh.documents);
        if (compacted != bytes && !writeFileAtomically(listPath, compacted, error)) return false;
    }
    *list = std::move(fresh);
    return true;
}

bool clearRecentDocuments(const QString& listPath, QString* error) {
    return writeFileAtomically(listPath, std::string_view{}, error);
}

} // namespace wertan
