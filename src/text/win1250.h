#pragma once
// Windows-1250, the code page of every text of the system. The five bytes the code page leaves
// unassigned map to U+0081, U+0083, U+0088, U+0090 and U+0098, so every byte string survives a
// round trip through Unicode.
#include <QString>
#include <string>
#include <string_view>

namespace wertan {

// The Unicode character of one Windows-1250 byte.
char16_t win1250ToUnicode(unsigned char byte);
// The Windows-1250 byte of a character; false when the code page has none.
bool unicodeToWin1250(char32_t ch, unsigned char* byte);

QString fromWin1250(std::string_view bytes);
// Characters outside the code page become '?'; their number is reported when asked.
std::string toWin1250(const QString& text, std::size_t* unrepresentable = nullptr);

// Direct conversions for the editor, which holds its text as UTF-8.
std::string win1250ToUtf8(std::string_view bytes);
std::string utf8ToWin1250(std::string_view utf8, std::size_t* unrepresentable = nullptr);

} // namespace wertan
