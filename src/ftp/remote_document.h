#pragma once
// Where a remote document comes from and where its local copy lives. A document opened from or
// saved to a server remembers its server (host, port, login) and its full remote name, so that a
// later save stores it back exactly there, and it has a local copy of its own in a folder for
// its remote folder, so that same-named files of different folders never share a copy.
#include <QString>
#include <string>
#include <string_view>

namespace wertan::ftp {

struct RemoteOrigin {
    std::string host;
    std::string port;
    std::string login;
    std::string remoteFile; // the full remote name, as the server's directory and listing gave it
    QString localCopy;      // the document's copy in the FTP working folder
    bool operator==(const RemoteOrigin&) const = default;
};

// The local name of a remote document as the document workspace forms it: the part of the
// remote path after its last "/" or ":".
QString localCopyName(const QString& remotePath);
// A local name that may be created in a folder: not empty, not "." or "..", no "/" and no
// control characters.
bool isSafeLocalName(const QString& name);

// The origin of a file in a remote directory of a server; the local copy lies in the folder of
// that remote directory inside the working folder. Empty localCopy when the name cannot be a local
// file name.
RemoteOrigin originFor(std::string_view host, std::string_view port, std::string_view login,
                       std::string_view directory, std::string_view rawName, const QString& remotePath,
                       const QString& workingFolder);

// The same server and login.
bool sameServer(const RemoteOrigin& origin, std::string_view host, std::string_view port,
                std::string_view login);

} // namespace wertan::ftp
