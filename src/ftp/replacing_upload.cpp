#include "ftp/replacing_upload.h"

#include "ftp/remote_listing.h"

namespace wertan::ftp {

namespace {

void note(FtpClient& client, const std::string& text) {
    if (client.onDisplay) client.onDisplay("! " + text);
}

bool runRequest(FtpClient& client, const RequestRunner& run, FtpRequest kind) {
    if (run) return run(kind);
    switch (kind) {
    case FtpRequest::Put:
        return client.put();
    case FtpRequest::Rename:
        return client.rename();
    case FtpRequest::Dele:
        return client.dele();
    default:
        return false;
    }
}

// A refusal of the name itself (no permission to create it, a name the server does not allow),
// which the target's own name may not meet. A full disk, a dropped connection or an abort are
// no such thing: a direct store would then only cut the target short.
bool refusedName(int code) {
    return code == 550 || code == 553;
}

} // namespace

std::string temporaryUploadName(const std::string& remoteFile) {
    const std::string name = remoteNameOf(remoteFile);
    const std::size_t slash = remoteFile.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : remoteFile.substr(0, slash + 1);
    return folder + "~wertan-" + name;
}

ReplacingUploadResult uploadReplacing(FtpClient& client, const QString& localFile,
                                      const std::string& remoteFile, const RequestRunner& run) {
    ReplacingUploadResult result;
    const std::string temporary = temporaryUploadName(remoteFile);
    auto storeDirect = [&] {
        client.localFileName = localFile;
        client.hostFileName = remoteFile;
        result.direct = true;
        result.ok = runRequest(client, run, FtpRequest::Put);
        if (!result.ok) result.failure = client.errorMessage();
    };
    auto dropTemporary = [&] {
        if (!client.connected()) return;
        client.hostFileName = temporary;
        runRequest(client, run, FtpRequest::Dele);
    };

    client.localFileName = localFile;
    client.hostFileName = temporary;
    if (!runRequest(client, run, FtpRequest::Put)) {
        result.failure = client.errorMessage();
        if (client.connected() && refusedName(client.replyCode())) {
            note(client, "Serwer nie przyjął pliku tymczasowego; zapis bezpośrednio pod nazwą pliku");
            storeDirect();
            return result;
        }
        dropTemporary();
        return result;
    }
    client.hostFileName = temporary;
    client.renameTo = remoteFile;
    if (runRequest(client, run, FtpRequest::Rename)) {
        result.ok = true;
        return result;
    }
    if (!client.connected()) {
        // The whole file is on the server under the temporary name; the target is untouched.
        result.failure = client.errorMessage();
        return result;
    }
    note(client, "Serwer nie zmienił nazwy pliku tymczasowego; zapis bezpośrednio pod nazwą pliku");
    storeDirect();
    dropTemporary();
    return result;
}

} // namespace wertan::ftp
