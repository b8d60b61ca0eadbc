#pragma once
// How a document's text is stored in its file: its encoding, whether a UTF-8 file starts with a
// byte order mark, and the line end that new lines get. Detected when a file is opened and kept
// so that saving writes the text back the way it came.
#include <cstddef>
#include <string>
#include <string_view>

namespace wertan {

enum class TextEncoding { Windows1250, Utf8 };
enum class LineEnd { Lf, CrLf, Cr };

struct TextFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false;
    LineEnd lineEnd = LineEnd::Lf;
    bool operator==(const TextFormat&) const = default;
};

inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF, no sequence cut short); hasNonAscii tells whether any byte is 0x80 or above.
bool isValidUtf8(std::string_view bytes, bool* hasNonAscii = nullptr);

// The format of a file's bytes: UTF-8 when it starts with the byte order mark, or when it is
// valid UTF-8 holding at least one non-ASCII character; Windows-1250 when it holds bytes that are
// not UTF-8. Pure ASCII reads the same in both and gets asciiEncoding (the encoding the user keeps
// new documents in), which decides only how letters typed later are written. The line end is the
// one most lines use; a file without line breaks gets fallbackLineEnd.
TextFormat detectTextFormat(std::string_view bytes, LineEnd fallbackLineEnd = LineEnd::Lf,
                            TextEncoding asciiEncoding = TextEncoding::Windows1250);

// The line end that most lines of the text end with (ties: CR LF, then LF, then CR); the
// fallback when the text has none.
LineEnd dominantLineEnd(std::string_view text, LineEnd fallback);

// The text after a UTF-8 byte order mark, or all of it when it has none.
std::string_view withoutUtf8Mark(std::string_view bytes);

// Whether a file's bytes hold a NUL byte: no text file of any encoding the program reads does.
bool looksBinary(std::string_view bytes);

std::string_view lineEndBytes(LineEnd end);

// Line breaks in a text (CR LF, LF or CR) written as the given line end.
std::string withLineEnds(std::string_view text, LineEnd end);

// The name the program shows for an encoding ("UTF-8", "UTF-8 z BOM", "Windows-1250").
std::string_view encodingName(const TextFormat& format);

} // namespace wertan
