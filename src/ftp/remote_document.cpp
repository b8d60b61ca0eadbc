#include "ftp/remote_document.h"

#include "ftp/private_files.h"
#include "ftp/remote_listing.h"
#include "text/text_utils.h"

#include <QDir>

#include <algorithm>

namespace wertan::ftp {

QString localCopyName(const QString& remotePath) {
    return QString::fromStdString(extractUrlFileName(remotePath.toStdString()));
}

bool isSafeLocalName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    return std::none_of(name.begin(), name.end(), [](QChar c) {
        return c == QLatin1Char('/') || c.unicode() < 0x20 || c.unicode() == 0x7F;
    });
}

RemoteOrigin originFor(std::string_view host, std::string_view port, std::string_view login,
                       std::string_view directory, std::string_view rawName, const QString& remotePath,
                       const QString& workingFolder) {
    RemoteOrigin origin{
        std::string(host), std::string(port), std::string(login), remoteFileIn(directory, rawName), {}};
    const QString name = localCopyName(remotePath);
    if (isSafeLocalName(name))
        origin.localCopy = QDir(localCopyFolder(workingFolder, host, port, login, directory)).filePath(name);
    return origin;
}

bool sameServer(const RemoteOrigin& origin, std::string_view host, std::string_view port,
                std::string_view login) {
    return origin.host == host && origin.port == port && origin.login == login;
}

} // namespace wertan::ftp
