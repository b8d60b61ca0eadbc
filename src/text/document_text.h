#pragma once
// The rules of documents that need no window: line ends, document kinds by extension, remote
// paths, file reading and atomic writing.
#include <QString>
#include <QStringList>
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

// Reads a whole file. On failure returns false and sets a Polish message with the system's reason.
bool readFileBytes(const QString& path, std::string* bytes, QString* error);
// Replaces a file atomically (write a temporary file beside it, then rename), keeping the old
// file's permissions and owner. Every byte is checked as written (a short write is a failure);
// on failure the old file is left as it was and no temporary file remains.
bool writeFileAtomically(const QString& path, std::string_view bytes, QString* error);

} // namespace wertan
