#pragma once
// The list of recently saved documents, config\reloaddoc.dat2: records of 264 bytes, newest first,
// no header.
//
//   offset  size  field
//        0     1  path length (0 to 255; 0 is an empty slot, never written back)
//        1   255  path, Windows-1250, zeros after the text
//      256     8  saved at: little-endian IEEE double, days since 30 December 1899 with the time
//                 of day as the fraction (local time)
//
// After every update the file holds no path twice (paths compare byte for byte) and at most 199
// records. The submenu "Otwórz ponownie" shows the ten newest; the dialog's grid shows them all.
#include <QDateTime>
#include <QString>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wertan {

inline constexpr std::size_t kRecentRecordSize = 264;
inline constexpr std::size_t kRecentPathCapacity = 255;
inline constexpr int kRecentMaxRecords = 199;
inline constexpr int kRecentReadLimit = 200;
inline constexpr int kRecentMenuItems = 10;

struct RecentDocument {
    std::string path; // Windows-1250; empty for an empty slot
    double savedAt = 0;
    bool isEmptySlot() const { return path.empty(); }
    bool operator==(const RecentDocument&) const = default;
};

// ---- Records ------------------------------------------------------------------------------------

// One record; a path longer than 255 bytes is cut to 255.
std::string encodeRecentRecord(const RecentDocument& document);
// The whole records at the start of the bytes, at most `limit`; a trailing partial record is not
// read. Empty slots are returned as such.
std::vector<RecentDocument> decodeRecentRecords(std::string_view bytes, int limit);
// The file's bytes for a list: one record per entry, empty slots left out.
std::string encodeRecentRecords(const std::vector<RecentDocument>& documents);

// The list after compaction: empty slots dropped, the newest copy of each path kept, at most 199.
std::vector<RecentDocument> compactRecentDocuments(const std::vector<RecentDocument>& documents);

// ---- Dates ----------------------------------------------------------------------------------------

// A local date and time as days since 30 December 1899.
double dateTimeToDays(const QDateTime& dateTime);
// The present moment in that form.
double currentRecentTime();
// The moment a value names, to the millisecond; invalid for a value outside the years 100 to 9999
// or not a number.
QDateTime daysToDateTime(double days);
// "d.m.yyyy", for the submenu's hints; empty for an invalid value.
std::string formatRecentMenuDate(double days);
// "hh:nn:ss d.mm.yyyy" (minutes as nn), for the dialog's grid; empty for an invalid value.
std::string formatRecentGridTime(double days);

// ---- What the views show --------------------------------------------------------------------------

struct RecentMenuItem {
    std::string caption; // the path
    std::string hint;    // path|Otwiera ponownie plik: path [d.m.yyyy]
    std::string path;
};
// Items for the ten newest entries, newest first (shown above the separator and "Więcej...").
std::vector<RecentMenuItem> recentMenuItems(const std::vector<RecentDocument>& documents);

struct RecentGridRow {
    std::string number; // from 1
    std::string path;
    std::string savedAt;
};
// The grid's headings "Lp.", "Plik" and "Ostatnio modyfikowany" (Windows-1250).
std::vector<std::string> recentGridHeadings();
// One row per entry; a single empty row when there is none.
std::vector<RecentGridRow> recentGridRows(const std::vector<RecentDocument>& documents);

// ---- The file -------------------------------------------------------------------------------------

struct RecentList {
    bool fileExists = false;
    std::vector<RecentDocument> documents; // newest first, at most 199
};

// Records a save over a local file: the path goes to the top with the given time, an older entry
// of the same path goes away, and the list keeps at most 199 entries. A missing file is created.
// A path the record cannot hold exactly (longer than 255 bytes, or with characters outside
// Windows-1250) is not recorded, since it could never be reopened; `recorded` tells. False with a
// Polish message and the system's reason when the file cannot be read or written; the caller then
// does not go on to write the document.
bool addRecentDocument(const QString& listPath, const QString& documentPath, double savedAt, QString* error,
                       bool* recorded = nullptr);
// Reads the list for the submenu and the grid, compacting the file first (it is written back only
// when compaction changes it). A missing file gives fileExists false and no entries.
bool refreshRecentDocuments(const QString& listPath, RecentList* list, QString* error);
// "&Wyczyść": the file becomes empty.
bool clearRecentDocuments(const QString& listPath, QString* error);

} // namespace wertan
