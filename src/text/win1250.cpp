#include "text/win1250.h"

#include <array>

namespace wertan {

namespace {
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Reverse map for the characters above U+007F, built once.
struct ReverseTable {
    std::array<unsigned char, 0x2200> byChar{}; // covers every character of the code page
    ReverseTable() {
        for (int i = 0; i < 128; ++i)
            byChar[kHigh[i]] = static_cast<unsigned char>(0x80 + i);
    }
};
const ReverseTable& reverse() {
    static const ReverseTable table;
    return table;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(char(c));
    } else if (c < 0x800) {
        out.push_back(char(0xC0 | (c >> 6)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(char(0xE0 | (c >> 12)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (c >> 18)));
        out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    }
}
} // namespace

char16_t win1250ToUnicode(unsigned char byte) { return byte < 0x80 ? char16_t(byte) : kHigh[byte - 0x80]; }

bool unicodeToWin1250(char32_t ch, unsigned char* byte) {
    if (ch < 0x80) {
        *byte = static_cast<unsigned char>(ch);
        return true;
    }
    if (ch >= reverse().byChar.size())
        return false;
    const unsigned char b = reverse().byChar[ch];
    if (b == 0)
        return false;
    *byte = b;
    return true;
}

QString fromWin1250(std::string_view bytes) {
    QString out(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar* d = out.data();
    for (std::size_t i = 0; i < bytes.size(); ++i)
        d[i] = QChar(win1250ToUnicode(static_cast<unsigned char>(bytes[i])));
    return out;
}

std::string toWin1250(const QString& text, std::size_t* unrepresentable) {
    std::string out;
    out.reserve(std::size_t(text.size()));
    std::size_t lost = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        unsigned char b = 0;
        if (unicodeToWin1250(c, &b)) {
            out.push_back(char(b));
        } else {
            out.push_back('?');
            ++lost;
        }
    }
    if (unrepresentable)
        *unrepresentable = lost;
    return out;
}

namespace {
// The UTF-8 bytes of 0x80 to 0xFF (two or three each), with their count in the last element.
struct Utf8Table {
    std::array<std::array<char, 4>, 128> codes{};
    Utf8Table() {
        for (std::size_t i = 0; i < 128; ++i) {
            std::string code;
            appendUtf8(code, kHigh[i]);
            for (std::size_t k = 0; k < code.size(); ++k)
                codes[i][k] = code[k];
            codes[i][3] = char(code.size());
        }
    }
};
} // namespace

// One pass measures, one writes: a large document converts at close to the speed of copying it.
std::string win1250ToUtf8(std::string_view bytes) {
    static const Utf8Table table;
    std::size_t size = bytes.size();
    for (unsigned char b : bytes)
        if (b >= 0x80)
            size += std::size_t(table.codes[b - 0x80][3]) - 1;
    std::string out(size, '\0');
    char* d = out.data();
    for (unsigned char b : bytes) {
        if (b < 0x80) {
            *d++ = char(b);
        } else {
            const auto& code = table.codes[b - 0x80];
            d[0] = code[0];
            d[1] = code[1];
            if (code[3] == 3)
                d[2] = code[2];
            d += code[3];
        }
    }
    return out;
}

std::string utf8ToWin1250(std::string_view utf8, std::size_t* unrepresentable) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t lost = 0;
    std::size_t i = 0;
    const std::size_t n = utf8.size();
    while (i < n) {
        const unsigned char b0 = static_cast<unsigned char>(utf8[i]);
        if (b0 < 0x80) {
            out.push_back(char(b0));
            ++i;
            continue;
        }
        char32_t c = 0;
        std::size_t len = 0;
        if ((b0 & 0xE0) == 0xC0) {
            c = b0 & 0x1F;
            len = 2;
        } else if ((b0 & 0xF0) == 0xE0) {
            c = b0 & 0x0F;
            len = 3;
        } else if ((b0 & 0xF8) == 0xF0) {
            c = b0 & 0x07;
            len = 4;
        }
        bool valid = len != 0 && i + len <= n;
        for (std::size_t k = 1; valid && k < len; ++k) {
            const unsigned char bk = static_cast<unsigned char>(utf8[i + k]);
            if ((bk & 0xC0) != 0x80)
                valid = false;
            else
                c = (c << 6) | (bk & 0x3F);
        }
        unsigned char b = 0;
        if (valid && unicodeToWin1250(c, &b)) {
            out.push_back(char(b));
            i += len;
        } else {
            out.push_back('?');
            ++lost;
            i += valid ? len : 1;
        }
    }
    if (unrepresentable)
        *unrepresentable = lost;
    return out;
}

} // namespace wertan
