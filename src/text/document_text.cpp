#include "text/document_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace wertan {

std::string toCrLfLines(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32 + 2);
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        // Copy the run of ordinary bytes in one go; large files stay fast.
        std::size_t j = i;
        while (j < n && text[j] != '\r' && text[j] != '\n')
            ++j;
        out.append(text.data() + i, j - i);
        if (j == n)
            break;
        if (text[j] == '\r' && j + 1 < n && text[j + 1] == '\n')
            ++j;
        out.append("\r\n", 2);
        i = j + 1;
    }
    if (!out.empty() && !(out.size() >= 2 && out[out.size() - 2] == '\r' && out.back() == '\n'))
        out.append("\r\n", 2);
    return out;
}

DocumentKind documentKindForExtension(const QString& extension) {
    const QString e = extension.toLower();
    if (e == QLatin1String(".php3") || e == QLatin1String(".inc"))
        return DocumentKind::Php;
    if (e == QLatin1String(".sql"))
        return DocumentKind::Sql;
    if (e == QLatin1String(".htm") || e == QLatin1String(".html"))
        return DocumentKind::Html;
    return DocumentKind::Other;
}

bool isRemotePath(const QString& path) { return path.left(5).toLower() == kRemoteMarker; }

QString untitledName(int counter) { return QStringLiteral("Beznazwy") + QString::number(counter); }

int unchangedMark(bool remote) { return remote ? 2 : 0; }

QStringList filesToOpen(const QStringList& chosen) {
    qsizetype count = chosen.size() % 256;
    if (count == 0 && !chosen.isEmpty())
        count = 256;
    return chosen.mid(0, count);
}

QString pathNamedBySelection(const QString& selection, const QString& activeDocumentPath) {
    if (QDir::isAbsolutePath(selection))
        return selection;
    QString directory;
    const qsizetype cut = activeDocumentPath.lastIndexOf(QDir::separator());
    if (cut >= 0 && !isRemotePath(activeDocumentPath))
        directory = activeDocumentPath.left(cut + 1);
    // The doubled separator from joining is kept; the file system reads it as one.
    return directory + QDir::separator() + selection;
}

QString upperExtension(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot).toUpper();
}

bool readFileBytes(const QString& path, std::string* bytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Nie można otworzyć pliku %1.\n%2").arg(QDir::toNativeSeparators(path),
                                                                          file.errorString());
        return false;
    }
    const qint64 size = file.size();
    bytes->resize(std::size_t(size));
    qint64 total = 0;
    while (total < size) {
        const qint64 got = file.read(bytes->data() + total, size - total);
        if (got <= 0)
            break;
        total += got;
    }
    if (total != size) {
        // A file that changes size while it is read (or a special file): read what is there.
        if (file.error() != QFileDevice::NoError) {
            if (error)
                *error = QStringLiteral("Nie można odczytać pliku %1.\n%2").arg(QDir::toNativeSeparators(path),
                                                                              file.errorString());
            return false;
        }
        bytes->resize(std::size_t(total));
        const QByteArray rest = file.readAll();
        bytes->append(rest.constData(), std::size_t(rest.size()));
    }
    return true;
}

#ifdef Q_OS_UNIX
namespace {
QString systemReason(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

// Writes every byte or fails; a short write (a full disk, a size limit) is an error.
bool writeAllBytes(int fd, std::string_view bytes, int* code) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *code = errno;
            return false;
        }
        if (n == 0) {
            *code = ENOSPC;
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}
} // namespace

bool writeFileAtomically(const QString& path, std::string_view bytes, QString* error) {
    const QFileInfo info(path);
    // Write through a symbolic link to its target, so the link stays a link.
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    const QByteArray targetName = QFile::encodeName(target);
    auto fail = [&](int code) {
        if (error)
            *error = QStringLiteral("Nie można zapisać pliku %1.\n%2").arg(QDir::toNativeSeparators(path),
                                                                         systemReason(code));
        return false;
    };

    struct stat old {};
    const bool existed = ::stat(targetName.constData(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode))
        return fail(EISDIR);

    QByteArray tempName = targetName + ".wertan-XXXXXX";
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        return fail(errno);
    int code = 0;
    bool ok = writeAllBytes(fd, bytes, &code);
    if (ok) {
        mode_t mode = 0;
        if (existed) {
            mode = old.st_mode & 07777;
            // Keep the owner where the system lets us; a failure here is not a failed save.
            [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode = 0666 & ~mask;
        }
        if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) {
            code = errno;
            ok = false;
        }
    }
    if (::close(fd) != 0 && ok) {
        code = errno;
        ok = false;
    }
    if (ok && ::rename(tempName.constData(), targetName.constData()) != 0) {
        code = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(tempName.constData());
        return fail(code);
    }
    return true;
}
#else
bool writeFileAtomically(const QString& path, std::string_view bytes, QString* error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) &&
        file.commit())
        return true;
    if (error)
        *error = QStringLiteral("Nie można zapisać pliku %1.\n%2").arg(QDir::toNativeSeparators(path),
                                                                     file.errorString());
    file.cancelWriting();
    return false;
}
#endif

} // namespace wertan
