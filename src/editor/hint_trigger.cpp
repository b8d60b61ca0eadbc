#include "editor/hint_trigger.h"

namespace wertan {

bool isHintDelimiter(char ch) {
    return std::string_view(" .{}()=*[]+-/\\$").find(ch) != std::string_view::npos;
}

std::string wordBeforeCaret(std::string_view line, int column) {
    // Positions are 1-based: S[p] is line[p - 1].
    const long long length = static_cast<long long>(line.size());
    long long p = static_cast<long long>(column) - 1;
    if (p > length) p = length; // the caret beyond the line end sees the end of the line first
    const long long end = p;
    while (p >= 1 && !isHintDelimiter(line[std::size_t(p - 1)]))
        --p;
    if (end <= p) return {};
    return std::string(line.substr(std::size_t(p), std::size_t(end - p)));
}

std::string wordAroundCaret(std::string_view line, int column) {
    const long long length = static_cast<long long>(line.size());
    const long long k = column;
    long long i = k;
    while (i >= 1 && i <= length && !isHintDelimiter(line[std::size_t(i - 1)]))
        --i;
    long long e = k;
    while (e >= 1 && e <= length && !isHintDelimiter(line[std::size_t(e - 1)]))
        ++e;
    if (e - 1 < i + 1) return {};
    return std::string(line.substr(std::size_t(i), std::size_t(e - 1 - i)));
}

std::vector<std::string> hintTriggerWords(std::string_view line, int column) {
    std::vector<std::string> words;
    const long long length = static_cast<long long>(line.size());
    if (column < 1 || column > length + 1) return words;
    const bool atEnd = column == length + 1;
    const char next = atEnd ? '\0' : line[std::size_t(column - 1)];
    if (atEnd || next == ' ') words.push_back(wordBeforeCaret(line, column));
    if (atEnd || !isHintDelimiter(next)) words.push_back(wordAroundCaret(line, column));
    return words;
}

} // namespace wertan
