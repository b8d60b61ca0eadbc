#include "text/counted_text.h"

#include <algorithm>

namespace wertan {

void appendCountedText(std::string& out, std::string_view text, std::size_t capacity) {
    const std::size_t length = std::min({text.size(), capacity, std::size_t(255)});
    out.push_back(static_cast<char>(length));
    out.append(text.substr(0, length));
    out.append(capacity - length, '\0');
}

std::string readCountedText(std::string_view field, std::size_t capacity) {
    if (field.empty()) return {};
    const std::size_t length =
        std::min({std::size_t(static_cast<unsigned char>(field[0])), capacity, field.size() - 1});
    return std::string(field.substr(1, length));
}

} // namespace wertan
