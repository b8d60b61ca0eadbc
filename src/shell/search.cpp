#include "shell/search.h"

#include <array>
#include <cstring>

namespace wertan {

namespace {

constexpr std::array<unsigned char, 256> kFold = [] {
    std::array<unsigned char, 256> fold{};
    for (int c = 0; c < 256; ++c)
        fold[std::size_t(c)] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return fold;
}();

unsigned char foldAscii(char c) {
    return kFold[static_cast<unsigned char>(c)];
}

bool isWordByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '_' ||
           b >= 0x80;
}

// Whether the needle's bytes stand at `at` (the caller has checked the first byte).
bool bytesMatchAt(std::string_view text, std::string_view needle, std::size_t at, bool matchCase) {
    if (matchCase) return std::memcmp(text.data() + at, needle.data(), needle.size()) == 0;
    for (std::size_t i = 1; i < needle.size(); ++i)
        if (foldAscii(text[at + i]) != foldAscii(needle[i])) return false;
    return true;
}

bool wordBoundsAt(std::string_view text, std::size_t at, std::size_t length) {
    if (at > 0 && isWordByte(text[at - 1])) return false;
    const std::size_t end = at + length;
    return end >= text.size() || !isWordByte(text[end]);
}

// The first match starting at or after `from`. The first byte of the needle is looked for with
// memchr (both letter cases when case is folded), so a pass over a large text costs little more
// than reading it.
std::optional<std::size_t> findForwards(std::string_view text, std::string_view needle, std::size_t from,
                                        const SearchOptions& options) {
    const std::size_t n = needle.size();
    const unsigned char first = static_cast<unsigned char>(needle[0]);
    const unsigned char lower = foldAscii(needle[0]);
    const unsigned char upper =
        (lower >= 'a' && lower <= 'z') ? static_cast<unsigned char>(lower - 32) : lower;
    const bool twoCases = !options.matchCase && lower != upper;
    const std::size_t lastStart = text.size() - n;
    std::size_t at = from;
    while (at <= lastStart) {
        const char* base = text.data();
        const std::size_t span = lastStart - at + 1;
        const void* hit = std::memchr(base + at, options.matchCase ? first : lower, span);
        std::size_t candidate = hit ? std::size_t(static_cast<const char*>(hit) - base) : text.size();
        if (twoCases) {
            const std::size_t limit = hit ? candidate - at : span;
            if (const void* other = std::memchr(base + at, upper, limit))
                candidate = std::size_t(static_cast<const char*>(other) - base);
        }
        if (candidate > lastStart) return std::nullopt;
        if (bytesMatchAt(text, needle, candidate, options.matchCase) &&
            (!options.wholeWords || wordBoundsAt(text, candidate, n)))
            return candidate;
        at = candidate + 1;
    }
    return std::nullopt;
}

} // namespace

std::optional<TextRange> findInText(std::string_view text, std::string_view needle, std::size_t from,
                                    const SearchOptions& options) {
    const std::size_t n = needle.size();
    if (n == 0 || n > text.size()) return std::nullopt;
    if (from > text.size()) from = text.size();
    if (options.backwards) {
        if (from < n) return std::nullopt;
        const unsigned char first = foldAscii(needle[0]);
        for (std::size_t at = from - n + 1; at-- > 0;) {
            const bool firstMatches =
                options.matchCase ? text[at] == needle[0] : foldAscii(text[at]) == first;
            if (firstMatches && bytesMatchAt(text, needle, at, options.matchCase) &&
                (!options.wholeWords || wordBoundsAt(text, at, n)))
                return TextRange{at, at + n};
        }
        return std::nullopt;
    }
    if (const auto at = findForwards(text, needle, from, options)) return TextRange{*at, *at + n};
    return std::nullopt;
}

ReplaceAllResult replaceAllInText(std::string_view text, std::string_view needle,
                                  std::string_view replacement, const SearchOptions& options) {
    ReplaceAllResult result;
    if (needle.empty() || needle.size() > text.size()) return result;
    const SearchOptions forwards{false, options.matchCase, options.wholeWords};
    std::size_t from = 0;
    std::size_t copiedTo = 0;
    while (const auto at = findForwards(text, needle, from, forwards)) {
        if (result.count == 0) {
            result.span.start = *at;
            copiedTo = *at;
        }
        result.replacement.append(text.substr(copiedTo, *at - copiedTo));
        result.replacement.append(replacement);
        copiedTo = *at + needle.size();
        from = copiedTo;
        ++result.count;
        if (from > text.size() - needle.size()) break;
    }
    if (result.count > 0) result.span.end = copiedTo;
    return result;
}

bool findNext(const SearchDialogState& dialog, SearchTarget& target) {
    if (dialog.findText.empty()) return false;
    const SearchOptions options{dialog.up, dialog.matchCase, dialog.wholeWords};
    const auto found = findInText(target.text(), dialog.findText, target.caret(), options);
    if (!found) return false;
    target.select(*found, options.backwards);
    return true;
}

int replaceNext(SearchDialogState& dialog, SearchTarget& target) {
    if (dialog.findText.empty()) return 0;
    dialog.up = true;
    findNext(dialog, target);
    const SearchOptions forwards{false, dialog.matchCase, dialog.wholeWords};
    const auto found = findInText(target.text(), dialog.findText, target.caret(), forwards);
    if (!found) return 0;
    target.replace(*found, dialog.replaceText);
    return 1;
}

std::size_t replaceAll(const SearchDialogState& dialog, SearchTarget& target) {
    if (dialog.findText.empty()) return 0;
    const SearchOptions options{false, dialog.matchCase, dialog.wholeWords};
    ReplaceAllResult result = replaceAllInText(target.text(), dialog.findText, dialog.replaceText, options);
    if (result.count > 0) target.replace(result.span, result.replacement);
    return result.count;
}

PluralForm polishPluralForm(unsigned long long count) {
    if (count == 1) return PluralForm::One;
    const unsigned long long lastTwo = count % 100;
    const unsigned long long last = count % 10;
    if (last >= 2 && last <= 4 && !(lastTwo >= 12 && lastTwo <= 14)) return PluralForm::Few;
    return PluralForm::Many;
}

} // namespace wertan
