#pragma once
// Storing a file over a remote file without ever leaving that file cut short: the bytes go to a
// temporary name in the same remote folder, which is renamed over the target (RNFR, RNTO) only
// once the whole file has arrived. Where the server refuses the temporary name or the rename, the
// file is stored directly under its name, as a plain STOR would.
#include "ftp/ftp_client.h"

#include <QString>
#include <functional>
#include <string>

namespace wertan::ftp {

// The temporary name of an upload to remoteFile: "~wertan-" before the name, in the same folder.
// It keeps the extension, so a web server treats a half-sent page as the page itself and never
// serves its source as text; it starts with no dot, which some servers refuse to store.
std::string temporaryUploadName(const std::string& remoteFile);

struct ReplacingUploadResult {
    bool ok = false;
    bool direct = false; // the file was stored directly under its name
    std::string failure; // the reason of a failure, as the client reported it
};

// Runs one request on the client (put, rename or dele after setting its parameters) and tells
// whether it succeeded; the remote browser runs them through its logging command runner.
using RequestRunner = std::function<bool(FtpRequest kind)>;

// Uploads localFile as remoteFile (a full remote name or one relative to the current folder).
// After a failure the earlier remote file is as it was, and the temporary file is deleted where
// the connection still allows it. Progress and abort come through the client's onProgress.
ReplacingUploadResult uploadReplacing(FtpClient& client, const QString& localFile,
                                      const std::string& remoteFile, const RequestRunner& run = {});

} // namespace wertan::ftp
