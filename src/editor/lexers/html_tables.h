#pragma once
// The tag and entity lists of the HTML colouring.
#include <cstddef>
#include <span>
#include <string_view>

namespace wertan::lexers {

// Known tag names and their closing forms.
std::span<const std::string_view> htmlTagNames();
// Character entities in the order they are tried; the first that matches wins.
std::span<const std::string_view> htmlEntities();

namespace detail {
// Length of the first entity of the list that starts `text` (ASCII case ignored), or 0.
std::size_t matchHtmlEntity(const unsigned char* text, std::size_t available) noexcept;
bool isHtmlTagName(const unsigned char* text, std::size_t length) noexcept;
} // namespace detail

} // namespace wertan::lexers
