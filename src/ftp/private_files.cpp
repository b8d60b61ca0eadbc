#include "ftp/private_files.h"

#include "text/document_text.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace wertan::ftp {

namespace {
QString systemReason(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}
} // namespace

bool keepFilePrivate(const QString& path) {
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) return errno == ENOENT;
    if ((info.st_mode & 07777) == 0600) return true;
    return ::chmod(name.constData(), 0600) == 0;
#else
    Q_UNUSED(path);
    return true;
#endif
}

bool writePrivateFile(const QString& path, std::string_view bytes, QString* error) {
#ifdef Q_OS_UNIX
    // The atomic write keeps the mode of the file it replaces: narrow it first, or create the
    // file empty with mode 0600, so that the new bytes land in a private file.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
    } else if (errno == EEXIST) {
        if (!keepFilePrivate(path)) {
            if (error)
                *error = QStringLiteral("Nie można zapisać pliku %1.\n%2")
                             .arg(QDir::toNativeSeparators(path), systemReason(errno));
            return false;
        }
    } else {
        if (error)
            *error = QStringLiteral("Nie można zapisać pliku %1.\n%2")
                         .arg(QDir::toNativeSeparators(path), systemReason(errno));
        return false;
    }
#endif
    if (!writeFileAtomically(path, bytes, error)) return false;
    keepFilePrivate(path);
    return true;
}

bool ensurePrivateFolder(const QString& path, QString* error) {
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    auto fail = [&](const QString& reason) {
        if (error)
            *error = QStringLiteral("Nie można przygotować katalogu plików FTP %1.\n%2")
                         .arg(QDir::toNativeSeparators(path), reason);
        return false;
    };
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) return fail(systemReason(errno));
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0) return fail(systemReason(errno));
    if (S_ISLNK(info.st_mode)) return fail(QStringLiteral("Ścieżka jest dowiązaniem symbolicznym."));
    if (!S_ISDIR(info.st_mode)) return fail(systemReason(ENOTDIR));
    if (info.st_uid != ::geteuid()) return fail(QStringLiteral("Katalog należy do innego użytkownika."));
    if ((info.st_mode & 07777) != 0700 && ::chmod(name.constData(), 0700) != 0)
        return fail(systemReason(errno));
    return true;
#else
    if (QDir().mkpath(path)) return true;
    if (error) *error = QStringLiteral("Nie można utworzyć katalogu %1.").arg(QDir::toNativeSeparators(path));
    return false;
#endif
}

QString makeFtpWorkingFolder(const QString& parent, QString* error) {
#ifdef Q_OS_UNIX
    const QString fixed = QDir(parent).filePath(QStringLiteral("wertanphp-ftp-%1").arg(::geteuid()));
#else
    const QString fixed = QDir(parent).filePath(QStringLiteral("wertanphp-ftp"));
#endif
    QString reason;
    if (ensurePrivateFolder(fixed, &reason)) return fixed;
#ifdef Q_OS_UNIX
    // The name is taken (by another user, or by a link someone planted): make a fresh folder.
    QByteArray pattern = QFile::encodeName(QDir(parent).filePath(QStringLiteral("wertanphp-ftp-XXXXXX")));
    if (::mkdtemp(pattern.data())) return QFile::decodeName(pattern);
#endif
    if (error) *error = reason;
    return {};
}

QString makeFtpWorkingFolder(QString* error) {
    return makeFtpWorkingFolder(QDir::tempPath(), error);
}

QString localCopyFolder(const QString& workingFolder, std::string_view host, std::string_view port,
                        std::string_view login, std::string_view remoteFolder) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (std::string_view part : {host, port, login, remoteFolder}) {
        hash.addData(QByteArrayView(part.data(), qsizetype(part.size())));
        hash.addData(QByteArrayView("\0", 1));
    }
    return QDir(workingFolder).filePath(QString::fromLatin1(hash.result().toHex().left(16)));
}

} // namespace wertan::ftp
