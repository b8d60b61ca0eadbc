#pragma once
// Conversion between the two code pages of Polish web pages, ISO-8859-2 and Windows-1250. Only the
// six letters whose bytes differ (ą Ą ś Ś ź Ź) are converted; every other byte stays as it is.
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace wertan {

// The codes of the conversion options: 0 to ISO-8859-2, 1 to Windows-1250, 2 no fixed conversion.
enum class CodePage { Iso88592 = 0, Windows1250 = 1 };
inline constexpr int kNoFixedConversion = 2;

using ByteTable = std::array<unsigned char, 256>;

// ISO-8859-2 bytes of the six letters to their Windows-1250 bytes; all else unchanged.
const ByteTable& toWindows1250Table();
// Windows-1250 bytes of the six letters to their ISO-8859-2 bytes; all else unchanged.
const ByteTable& toIso88592Table();
const ByteTable& tableFor(CodePage target);

// Every byte through the table. Line ends are bytes like any other and stay as they are.
std::string convertBytes(std::string_view text, const ByteTable& table);
void convertInPlace(std::string& text, const ByteTable& table);
// The same on text the editor holds: each character that has a Windows-1250 byte goes through the
// table; characters outside the code page are left alone, so nothing is lost.
QString convertText(const QString& text, const ByteTable& table);

// The charset markers of a document. A line carries a marker when it contains the marker text
// anywhere, double quotes included, ASCII case ignored. The Windows marker is accepted spelled
// "window-1250" and "windows-1250", so the META line the program writes itself is recognised.
bool hasIso88592Marker(std::string_view text);
bool hasWindows1250Marker(std::string_view text);

// The conversion to run before a document is saved, for the save-conversion option: 0 and 1 name
// their code page; 2 follows the document's charset marker (ISO-8859-2 checked first), and no
// marker means no conversion. Any other option value converts nothing.
std::optional<CodePage> saveConversionFor(int saveConversion, std::string_view text);
std::optional<CodePage> saveConversionFor(int saveConversion, const QString& text);

} // namespace wertan
