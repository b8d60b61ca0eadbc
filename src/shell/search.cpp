#include "shell/search.h"

namespace wertan {

namespace {

char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool isWordByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '_' ||
           b >= 0x80;
}

bool matchesAt(std::string_view text, std::string_view needle, std::size_t at, const SearchOptions& options) {
    for (std::size_t i = 0; i < needle.size(); ++i) {
        const char a = text[at + i];
        const char b = needle[i];
        if (options.matchCase ? a != b : foldAscii(a) != foldAscii(b)) return false;
    }
    if (options.wholeWords) {
        if (at > 0 && isWordByte(text[at - 1])) return false;
        const std::size_t end = at + needle.size();
        if (end < text.size() && isWordByte(text[end])) return false;
    }
    return true;
}

// Keeps a copy of the editor's text in step with the replacements made through the target.
struct Mirror {
    std::string text;
    void replace(TextRange range, std::string_view replacement) {
        text.replace(range.start, range.end - range.start, replacement);
    }
};

} // namespace

std::optional<TextRange> findInText(std::string_view text, std::string_view needle, std::size_t from,
                                    const SearchOptions& options) {
    const std::size_t n = needle.size();
    if (n == 0 || n > text.size()) return std::nullopt;
    if (from > text.size()) from = text.size();
    if (options.backwards) {
        if (from < n) return std::nullopt;
        for (std::size_t at = from - n + 1; at-- > 0;)
            if (matchesAt(text, needle, at, options)) return TextRange{at, at + n};
        return std::nullopt;
    }
    for (std::size_t at = from; at + n <= text.size(); ++at)
        if (matchesAt(text, needle, at, options)) return TextRange{at, at + n};
    return std::nullopt;
}

bool findNext(const SearchDialogState& dialog, SearchTarget& target) {
    if (dialog.findText.empty()) return false;
    const SearchOptions options{dialog.up, dialog.matchCase, dialog.wholeWords};
    const auto found = findInText(target.text(), dialog.findText, target.caret(), options);
    if (!found) return false;
    target.select(*found, options.backwards);
    return true;
}

int replaceNext(SearchDialogState& dialog, SearchTarget& target, bool all) {
    if (dialog.findText.empty()) return 0;
    dialog.up = true;
    findNext(dialog, target);

    const SearchOptions forwards{false, dialog.matchCase, dialog.wholeWords};
    Mirror mirror{target.text()};
    std::size_t from = target.caret();
    int count = 0;
    while (const auto found = findInText(mirror.text, dialog.findText, from, forwards)) {
        target.replace(*found, dialog.replaceText);
        mirror.replace(*found, dialog.replaceText);
        from = found->start + dialog.replaceText.size();
        ++count;
        if (!all) break;
    }
    return count;
}

} // namespace wertan
