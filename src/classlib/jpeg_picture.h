#pragma once
// JPEG pictures decoded with libjpeg's own decompression interface into 8-bit RGB rows.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wertan {

struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // width * 3 bytes per row, rows top to bottom
    std::string error;             // empty on success (libjpeg's own message otherwise)
    bool ok() const { return error.empty() && width > 0 && height > 0; }
};

DecodedPicture decodeJpeg(std::string_view bytes);

} // namespace wertan
