#include "text/text_format.h"

#include <cstdint>
#include <cstring>

namespace wertan {

bool isValidUtf8(std::string_view bytes, bool* hasNonAscii) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    bool nonAscii = false;
    std::size_t i = 0;
    while (i < n) {
        // Runs of ASCII are the common case: step over them eight bytes at a time.
        while (i + 8 <= n) {
            std::uint64_t word;
            std::memcpy(&word, p + i, 8);
            if (word & 0x8080808080808080ULL) break;
            i += 8;
        }
        if (i >= n) break;
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        nonAscii = true;
        std::size_t length;
        unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0) low = 0xA0;  // overlong
            if (c == 0xED) high = 0x9F; // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0) low = 0x90;  // overlong
            if (c == 0xF4) high = 0x8F; // above U+10FFFF
        } else {
            return false; // a continuation byte alone, C0/C1 overlong leads, F5..FF
        }
        if (i + length > n) return false;
        if (p[i + 1] < low || p[i + 1] > high) return false;
        for (std::size_t k = 2; k < length; ++k)
            if ((p[i + k] & 0xC0) != 0x80) return false;
        i += length;
    }
    if (hasNonAscii) *hasNonAscii = nonAscii;
    return true;
}

LineEnd dominantLineEnd(std::string_view text, LineEnd fallback) {
    std::size_t lf = 0, crlf = 0, cr = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        const void* hit = std::memchr(p, '\n', std::size_t(end - p));
        const char* nl = hit ? static_cast<const char*>(hit) : end;
        // Lone CRs in the stretch before the LF (or the end).
        for (const char* q = static_cast<const char*>(std::memchr(p, '\r', std::size_t(nl - p))); q;
             q = static_cast<const char*>(std::memchr(q + 1, '\r', std::size_t(nl - q - 1)))) {
            if (q + 1 == nl && nl != end)
                ++crlf;
            else
                ++cr;
            if (q + 1 >= nl) break;
        }
        if (nl == end) break;
        if (!(nl > p && nl[-1] == '\r')) ++lf;
        p = nl + 1;
    }
    if (lf == 0 && crlf == 0 && cr == 0) return fallback;
    if (crlf >= lf && crlf >= cr) return LineEnd::CrLf;
    if (lf >= cr) return LineEnd::Lf;
    return LineEnd::Cr;
}

std::string_view withoutUtf8Mark(std::string_view bytes) {
    return bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark ? bytes.substr(kUtf8Mark.size()) : bytes;
}

TextFormat detectTextFormat(std::string_view bytes, LineEnd fallbackLineEnd, TextEncoding asciiEncoding) {
    TextFormat format;
    const std::string_view text = withoutUtf8Mark(bytes);
    format.byteOrderMark = text.size() != bytes.size();
    bool nonAscii = false;
    if (format.byteOrderMark) {
        format.encoding = TextEncoding::Utf8;
    } else if (isValidUtf8(bytes, &nonAscii)) {
        format.encoding = nonAscii ? TextEncoding::Utf8 : asciiEncoding;
    } else {
        format.encoding = TextEncoding::Windows1250;
    }
    format.lineEnd = dominantLineEnd(text, fallbackLineEnd);
    return format;
}

bool looksBinary(std::string_view bytes) {
    return std::memchr(bytes.data(), '\0', bytes.size()) != nullptr;
}

std::string_view lineEndBytes(LineEnd end) {
    switch (end) {
    case LineEnd::CrLf:
        return "\r\n";
    case LineEnd::Cr:
        return "\r";
    case LineEnd::Lf:
        break;
    }
    return "\n";
}

std::string withLineEnds(std::string_view text, LineEnd end) {
    const std::string_view eol = lineEndBytes(end);
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += eol;
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += eol;
        } else {
            out += c;
        }
    }
    return out;
}

std::string_view encodingName(const TextFormat& format) {
    if (format.encoding == TextEncoding::Windows1250) return "Windows-1250";
    return format.byteOrderMark ? "UTF-8 z BOM" : "UTF-8";
}

} // namespace wertan
