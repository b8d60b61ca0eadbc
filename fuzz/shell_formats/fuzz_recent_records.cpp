// Arbitrary bytes as config/reloaddoc.dat2: whole records only, compaction without empty slots,
// repeats or more than 199 entries, an exact write-back, and the menu and grid texts of any time
// value (also not-a-number, infinities and dates outside every calendar).
#include "settings/reopen_list.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <set>
#include <string_view>

using namespace wertan;

namespace {
bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the read limit, around the program's own limits of 199 and 200.
    const int limit = int(data[0]) % 3 == 0 ? kRecentReadLimit : int(data[0]);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::vector<RecentDocument> documents = decodeRecentRecords(bytes, limit);
    const std::size_t whole = bytes.size() / kRecentRecordSize;
    if (documents.size() != std::min<std::size_t>(whole, std::size_t(limit))) __builtin_trap();

    const std::vector<RecentDocument> compact = compactRecentDocuments(documents);
    if (compact.size() > std::size_t(kRecentMaxRecords)) __builtin_trap();
    std::set<std::string> paths;
    for (const RecentDocument& d : compact) {
        if (d.isEmptySlot() || d.path.size() > kRecentPathCapacity) __builtin_trap();
        if (!paths.insert(d.path).second) __builtin_trap();
    }
    const std::string encoded = encodeRecentRecords(compact);
    if (encoded.size() != compact.size() * kRecentRecordSize) __builtin_trap();
    const std::vector<RecentDocument> back = decodeRecentRecords(encoded, kRecentReadLimit);
    if (back.size() != compact.size()) __builtin_trap();
    for (std::size_t i = 0; i < back.size(); ++i)
        if (back[i].path != compact[i].path || !sameBits(back[i].savedAt, compact[i].savedAt))
            __builtin_trap();

    if (recentMenuItems(compact).size() > std::size_t(kRecentMenuItems)) __builtin_trap();
    const std::vector<RecentGridRow> rows = recentGridRows(compact);
    if (rows.size() != std::max<std::size_t>(compact.size(), 1)) __builtin_trap();
    for (const RecentDocument& d : documents) {
        const std::string menuDate = formatRecentMenuDate(d.savedAt);
        const std::string gridTime = formatRecentGridTime(d.savedAt);
        if (menuDate.empty() != gridTime.empty()) __builtin_trap();
    }
    return 0;
}
