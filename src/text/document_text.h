#pragma once
// The rules of documents that need no window: line ends, document kinds by extension, remote
// paths, file reading and atomic writing.
#include "text/text_format.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace wertan {

// Documents are written as lines joined by CR LF with a CR LF after the last line. A text that is
// already in that form comes back unchanged, so a file opened and saved unchanged is identical.
std::string toCrLfLines(std::string_view text);

// What a document gets by its file extension (compared without regard to ASCII case).
enum class DocumentKind { Php, Sql, Html, Other };
DocumentKind documentKindForExtension(const QString& extension);

// "[ftp]" in any case at the start of the path marks a document opened from an FTP site.
inline const QString kRemoteMarker = QStringLiteral("[ftp]");
bool isRemotePath(const QString& path);

// The untitled caption (and path) for a counter value: "Beznazwy" followed by the number.
QString untitledName(int counter);

// Marks select the tab picture: 0 local unchanged, 1 local changed, 2 remote unchanged, 3 remote changed.
int unchangedMark(bool remote);

// Of the files chosen in the open dialog, the ones that are opened: the count is kept in 8 bits.
QStringList filesToOpen(const QStringList& chosen);

// The file named by a selection: an absolute name as it is, otherwise beside the active document
// (the directory part with its separator, then a separator, then the name).
QString pathNamedBySelection(const QString& selection, const QString& activeDocumentPath);

// The extension with its dot, upper-cased ("a.php3" gives ".PHP3"); empty when there is none.
QString upperExtension(const QString& path);

// Files above this size are opened only after the user agrees. A file whose size the system does
// not report (as those under /proc) is read to its end, up to this size.
inline constexpr std::uint64_t kLargeFileBytes = 100ull * 1024 * 1024;

// Reads a whole regular file to its end. Anything else (a folder, a FIFO, a device, a socket) is
// refused without being opened for reading, so no reader can hang on it. On failure returns false
// and sets a Polish message naming the path and the reason.
bool readFileBytes(const QString& path, std::string* bytes, QString* error);

// The file a chain of symbolic links ends at (the path itself when it is no link); the end may not
// exist yet. Relative links are taken from the folder of the link. Empty with `code` set when the
// chain cannot be followed (a loop, an unreadable link).
QString followSymlinks(const QString& path, int* code = nullptr);

// Replaces a file atomically: the bytes go to a temporary file beside it, which is checked (a short
// write is a failure), synced and renamed over the old one. A chain of symbolic links is followed
// to its end, which gets the text; the links stay links. The old file's permissions, owner and
// group are kept. A file the user may not write, or one that is not a regular file, is refused.
// Where no temporary file can be made beside the file (a folder the user may not write), or the
// owner or group could not be kept by a rename, the file is written in place after the space for
// the new bytes has been reserved. On failure the old file is left as it was and no temporary file
// remains. Temporary files of this program's naming that an earlier, interrupted save left beside
// the file, and that no running process holds, are removed.
bool writeFileAtomically(const QString& path, std::string_view bytes, QString* error);

// The same for bytes produced in pieces, so a large text is not copied whole: `pieces` hands every
// piece in order to the function it gets and returns false when that function did or when it gives
// up; `size` is the number of bytes it will hand over.
using PieceSink = std::function<bool(std::string_view piece)>;
using PieceSource = std::function<bool(const PieceSink& put)>;
bool writeFileAtomically(const QString& path, std::uint64_t size, const PieceSource& pieces, QString* error);

// The bytes a document's text (UTF-8, as the editor holds it) is saved as: in the document's
// encoding (with the UTF-8 byte order mark when asked), every line end as the text holds it. They
// are produced in pieces of about `pieceSize` bytes, so a large document is saved without a second
// copy of it in memory.
class DocumentFileBytes {
public:
    DocumentFileBytes(std::string_view utf8, TextEncoding encoding, bool byteOrderMark = false,
                      std::size_t pieceSize = 1 << 20);
    // The number of bytes produce() hands over.
    std::uint64_t size() const { return size_; }
    // Characters the code page has no byte for (written as "?").
    std::size_t unrepresentable() const { return unrepresentable_; }
    // Hands the pieces in order to `put`; false as soon as `put` is.
    bool produce(const PieceSink& put) const;

private:
    // Without `put`, only counts.
    bool run(const PieceSink* put, std::uint64_t* size, std::size_t* lost) const;
    std::string_view utf8_;
    TextEncoding encoding_;
    bool byteOrderMark_;
    std::size_t pieceSize_;
    std::uint64_t size_ = 0;
    std::size_t unrepresentable_ = 0;
};

} // namespace wertan
