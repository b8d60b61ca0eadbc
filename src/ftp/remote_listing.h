#pragma once
// Reading a directory listing (the raw output of LIST) into the folders and files the remote
// browser shows, and the paths a remote document is known by.
//
// Names are kept as the bytes the server sent, so that a name sent back in CWD or RETR is the
// same name; displayName turns them into text for the user (UTF-8 when the bytes are UTF-8, else
// Windows-1250).
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace wertan::ftp {

enum class RemoteItemKind {
    ParentFolder,
    Folder,
    PhpFile,
    HtmlFile,
    TextFile,
    IncludeFile,
    SqlFile,
    PlainFile
};

struct RemoteItem {
    std::string name; // as the server sent it
    RemoteItemKind kind = RemoteItemKind::PlainFile;
    bool isFolder() const { return kind == RemoteItemKind::Folder || kind == RemoteItemKind::ParentFolder; }
    bool operator==(const RemoteItem&) const = default;
};

struct RemoteListing {
    // The folders in listing order, then the files in listing order.
    std::vector<RemoteItem> items;
    // The folder names sorted (ASCII letters without regard to case), for "Szukaj w:".
    std::vector<std::string> folders;
};

// The listing's lines, cut at each line feed, without trailing carriage returns.
std::vector<std::string> listingLines(std::string_view bytes);

// The 1-based column where names start: among the first three lines, the first that has a space
// at or after column 52 gives the column after its last space (after its date and time when the
// line is of the Unix long form, so that a name holding spaces is not cut); else column 2.
int nameColumn(const std::vector<std::string>& lines);

// The name on a line: after the date and time of a Unix long form line ("drwxr-xr-x 2 owner group
// 4096 Jan 01 12:00 name"), else from the name column to the end of the line.
std::string nameOnLine(std::string_view line, int column);

// The listing pass: lines whose first character is neither "d" nor "-" are dropped (a "total"
// line, empty lines, links); folders come from the "d" lines ("." and "..." are never listed,
// ".." is the parent folder), files from the "-" lines, each by its extension.
RemoteListing parseListing(std::string_view bytes);

// The icon kind of a file, by its extension without regard to case.
RemoteItemKind fileKind(std::string_view name);

// The name as the user reads it: UTF-8 when the bytes are valid UTF-8 holding non-ASCII
// characters, else Windows-1250.
QString displayName(std::string_view raw);

// The remote path a document is marked with: the remote directory without its leading "/",
// a "/" when that is not empty, then the name ("/home/www" and "index.php" give
// "home/www/index.php"; "/" gives "index.php").
std::string remotePathFor(std::string_view directory, std::string_view name);

// The full remote name of a file in a directory as the server reported it ("/home/www" and
// "index.php" give "/home/www/index.php"). A file of an unknown directory keeps its bare name.
std::string remoteFileIn(std::string_view directory, std::string_view name);

// The directory part of a full remote name, and the name after the last "/".
std::string remoteDirectoryOf(std::string_view remoteFile);
std::string remoteNameOf(std::string_view remoteFile);

} // namespace wertan::ftp
