#pragma once
// Counted text fields of the binary configuration files: a field of capacity N takes N + 1 bytes, a
// length byte then N bytes of Windows-1250 text of which the first length bytes count.
#include <cstddef>
#include <string>
#include <string_view>

namespace wertan {

// Appends the field: the text cut to the capacity, its length, and zeros after it.
void appendCountedText(std::string& out, std::string_view text, std::size_t capacity);
// Reads the field at the start of `field` (which holds at least capacity + 1 bytes). A length byte
// above the capacity counts as the capacity.
std::string readCountedText(std::string_view field, std::size_t capacity);

} // namespace wertan
