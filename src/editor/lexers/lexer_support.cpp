#include "editor/lexers/lexer_support.h"

#include <cstring>
#include <stdexcept>

namespace wertan::lexers::detail {

KeywordSet::KeywordSet(std::span<const std::string_view> words) {
    std::size_t tableSize = 16;
    shift_ = 28;
    while (tableSize < words.size() * 4) {
        tableSize *= 2;
        --shift_;
    }
    slots_.assign(tableSize, kEmpty);
    mask_ = tableSize - 1;
    for (std::string_view word : words) {
        if (word.empty()) continue;
        const auto* bytes = reinterpret_cast<const Byte*>(word.data());
        if (contains(bytes, word.size())) continue; // the same word in another letter case
        const Entry entry{std::uint32_t(folded_.size()), std::uint32_t(word.size())};
        for (Byte c : word)
            folded_.push_back(char(kFoldLower[c]));
        std::size_t slot = slotOf(bytes, word.size());
        while (slots_[slot] != kEmpty)
            slot = (slot + 1) & mask_;
        slots_[slot] = std::uint16_t(entries_.size());
        entries_.push_back(entry);
        if (word.size() > maxLength_) maxLength_ = word.size();
    }
}

void checkLineLength(std::size_t length) {
    if (length > kMaxLineLength) throw std::length_error("line too long to colour");
}

std::size_t findCommentEnd(const Byte* text, std::size_t length, std::size_t from) noexcept {
    while (from + 1 < length) {
        const void* star = std::memchr(text + from, '*', length - 1 - from);
        if (!star) return std::string_view::npos;
        const std::size_t at = std::size_t(static_cast<const Byte*>(star) - text);
        if (text[at + 1] == '/') return at;
        from = at + 1;
    }
    return std::string_view::npos;
}

} // namespace wertan::lexers::detail
