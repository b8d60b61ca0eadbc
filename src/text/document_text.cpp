#include "text/document_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "text/error_text.h"
#include "text/win1250.h"

#include <cerrno>
#include <cstring>
#include <random>
#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
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

namespace {

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString openFailure(const QString& path, const QString& reason) {
    return QStringLiteral("Nie można otworzyć pliku %1.\n%2.").arg(nativePath(path), reason);
}

QString writeFailure(const QString& path, const QString& reason) {
    return QStringLiteral("Nie można zapisać pliku %1.\n%2.").arg(nativePath(path), reason);
}

} // namespace

#ifdef Q_OS_UNIX
namespace {

// Why something that is not a regular file is not read or replaced.
QString notRegularReason(mode_t mode) {
    if (S_ISDIR(mode)) return polishErrorReason(EISDIR);
    if (S_ISFIFO(mode)) return QStringLiteral("To jest potok (FIFO), a nie zwykły plik");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return QStringLiteral("To jest urządzenie, a nie zwykły plik");
    if (S_ISSOCK(mode)) return QStringLiteral("To jest gniazdo, a nie zwykły plik");
    return QStringLiteral("To nie jest zwykły plik");
}

int closeKeepingErrno(int fd) {
    const int saved = errno;
    const int result = ::close(fd);
    errno = saved;
    return result;
}

bool followLinks(QByteArray path, QByteArray* target, int* code) {
    // The limit of the system's own path walk.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0) {
            if (errno == ENOENT) {
                *target = path; // a new file, or a link whose end is still to be made
                return true;
            }
            *code = errno;
            return false;
        }
        if (!S_ISLNK(st.st_mode)) {
            *target = path;
            return true;
        }
        QByteArray link(qsizetype(st.st_size > 0 ? st.st_size + 1 : 4096), '\0');
        const ssize_t n = ::readlink(path.constData(), link.data(), std::size_t(link.size()));
        if (n < 0) {
            *code = errno;
            return false;
        }
        link.truncate(qsizetype(n));
        if (link.startsWith('/')) {
            path = link;
        } else {
            // Joined as text: the system resolves "dir/../x" through the real folder of the link.
            const qsizetype slash = path.lastIndexOf('/');
            path = (slash < 0 ? QByteArray() : path.left(slash + 1)) + link;
        }
    }
    *code = ELOOP;
    return false;
}

} // namespace

QString followSymlinks(const QString& path, int* code) {
    QByteArray target;
    int failure = 0;
    if (!followLinks(QFile::encodeName(path), &target, &failure)) {
        if (code) *code = failure;
        return {};
    }
    return QFile::decodeName(target);
}

bool readFileBytes(const QString& path, std::string* bytes, QString* error) {
    const QByteArray name = QFile::encodeName(path);
    auto fail = [&](const QString& reason) {
        if (error) *error = openFailure(path, reason);
        return false;
    };
    // Looked at before it is opened: opening a FIFO for reading waits for a writer for ever.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) return fail(polishErrorReason(errno));
    if (!S_ISREG(st.st_mode)) return fail(notRegularReason(st.st_mode));
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return fail(polishErrorReason(errno));
    // The name may have been replaced in between: what was opened is checked again.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const QString reason = S_ISREG(st.st_mode) ? polishErrorReason(errno) : notRegularReason(st.st_mode);
        ::close(fd);
        return fail(reason);
    }
    // A file is read to its end whatever size it reports (files under /proc report none), but
    // never more than its reported size or the large-file limit, whichever is bigger.
    const std::uint64_t limit = std::max<std::uint64_t>(std::uint64_t(st.st_size), kLargeFileBytes);
    bytes->clear();
    std::size_t total = 0;
    try {
        bytes->resize(std::size_t(st.st_size > 0 ? st.st_size : 64 * 1024));
        for (;;) {
            if (total == bytes->size()) {
                if (total >= limit) {
                    // One byte more tells whether the file goes on past the limit.
                    char probe;
                    const ssize_t more = ::read(fd, &probe, 1);
                    if (more == 0) break;
                    ::close(fd);
                    bytes->clear();
                    return fail(QStringLiteral("%1 (ponad %2 MB)")
                                    .arg(polishErrorReason(EFBIG))
                                    .arg(qulonglong(limit / (1024 * 1024))));
                }
                bytes->resize(std::size_t(std::min<std::uint64_t>(limit, std::uint64_t(total) * 2 + 4096)));
            }
            const ssize_t got = ::read(fd, bytes->data() + total, bytes->size() - total);
            if (got < 0) {
                if (errno == EINTR) continue;
                const int code = errno;
                ::close(fd);
                bytes->clear();
                if (error)
                    *error = QStringLiteral("Nie można odczytać pliku %1.\n%2.")
                                 .arg(nativePath(path), polishErrorReason(code));
                return false;
            }
            if (got == 0) break;
            total += std::size_t(got);
        }
    } catch (const std::bad_alloc&) {
        ::close(fd);
        bytes->clear();
        bytes->shrink_to_fit();
        return fail(polishErrorReason(ENOMEM));
    }
    ::close(fd);
    bytes->resize(total);
    return true;
}

namespace {

constexpr char kTemporaryMark[] = ".wertan-";
constexpr int kTemporaryRandomLength = 6;

bool isTemporaryNameOf(const char* entry, const QByteArray& base) {
    const std::size_t length = std::strlen(entry);
    const std::size_t markLength = sizeof kTemporaryMark - 1;
    if (length != std::size_t(base.size()) + markLength + kTemporaryRandomLength) return false;
    if (std::memcmp(entry, base.constData(), std::size_t(base.size())) != 0) return false;
    if (std::memcmp(entry + base.size(), kTemporaryMark, markLength) != 0) return false;
    for (std::size_t i = std::size_t(base.size()) + markLength; i < length; ++i) {
        const char c = entry[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

// Removes the temporary files that interrupted saves of `target` left beside it. A save holds a
// lock on its temporary file for as long as it runs, so one that can be locked belongs to no
// running process. Only regular files of the program's exact naming, still of mode 0600 (a save
// gives the file its final permissions only when it is complete), owned by this user or by the
// target's owner, are considered.
void removeLeftoverTemporaries(const QByteArray& folder, const QByteArray& base, uid_t targetOwner) {
    DIR* dir = ::opendir(folder.constData());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryNameOf(entry->d_name, base)) continue;
        const QByteArray name = folder + '/' + entry->d_name;
        struct stat before {};
        if (::lstat(name.constData(), &before) != 0 || !S_ISREG(before.st_mode) ||
            (before.st_mode & 07777) != 0600)
            continue;
        if (before.st_uid != ::geteuid() && before.st_uid != targetOwner) continue;
        const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat opened {};
        struct stat now {};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
            ::lstat(name.constData(), &now) == 0 && opened.st_dev == now.st_dev &&
            opened.st_ino == now.st_ino)
            ::unlink(name.constData());
        ::close(fd);
    }
    ::closedir(dir);
}

QByteArray randomTemporaryName(const QByteArray& folder, const QByteArray& base) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<int> pick(0, int(sizeof letters) - 2);
    QByteArray name = folder + '/' + base + kTemporaryMark;
    for (int i = 0; i < kTemporaryRandomLength; ++i)
        name += letters[pick(generator)];
    return name;
}

// Writes every byte or fails; a short write (a full disk, a size limit) is an error.
bool writeAllBytes(int fd, std::string_view bytes, int* code) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
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

// One replacement of a file, as writeFileAtomically describes it.
class FileReplacement {
public:
    FileReplacement(const QString& path, std::uint64_t size) : path_(path), size_(size) {}
    ~FileReplacement() { discardTemporary(); }

    bool run(const PieceSource& pieces, QString* error);

private:
    enum class Mode { Temporary, InPlace };
    bool prepare();
    bool createTemporary(bool* useInPlace);
    bool openInPlace();
    bool finishTemporary();
    bool finishInPlace();
    void discardTemporary();
    bool put(std::string_view piece);

    QString path_;
    std::uint64_t size_;
    QByteArray target_;
    QByteArray folder_;
    QByteArray base_;
    struct stat old_ {};
    bool existed_ = false;
    Mode mode_ = Mode::Temporary;
    int fd_ = -1;
    bool anonymous_ = false; // an O_TMPFILE file, named only when complete
    QByteArray tempName_;
    std::uint64_t written_ = 0;
    mode_t finalMode_ = 0600; // given just before the rename: until then a leftover shows as 0600
    int code_ = 0;
    QString reason_;
    bool touched_ = false; // the in-place write has changed the file
};

bool FileReplacement::run(const PieceSource& pieces, QString* error) {
    bool ok = prepare();
    if (ok) ok = pieces([this](std::string_view piece) { return put(piece); });
    if (ok) ok = mode_ == Mode::Temporary ? finishTemporary() : finishInPlace();
    if (ok) return true;
    discardTemporary();
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (error) {
        QString reason = !reason_.isEmpty() ? reason_ : polishErrorReason(code_);
        if (touched_)
            reason +=
                QStringLiteral(".\nPlik był zapisywany w miejscu i mógł zostać zapisany tylko częściowo");
        *error = writeFailure(path_, reason);
    }
    return false;
}

bool FileReplacement::prepare() {
    if (!followLinks(QFile::encodeName(path_), &target_, &code_)) return false;
    const qsizetype slash = target_.lastIndexOf('/');
    folder_ = slash < 0 ? QByteArray(".") : (slash == 0 ? QByteArray("/") : target_.left(slash));
    base_ = target_.mid(slash + 1);
    if (::stat(target_.constData(), &old_) == 0) {
        existed_ = true;
        if (!S_ISREG(old_.st_mode)) {
            reason_ = notRegularReason(old_.st_mode);
            return false;
        }
        // A file the user may not write is not replaced, though the folder would allow it.
        if (::faccessat(AT_FDCWD, target_.constData(), W_OK, AT_EACCESS) != 0) {
            code_ = errno;
            return false;
        }
    } else if (errno != ENOENT) {
        code_ = errno;
        return false;
    }
    removeLeftoverTemporaries(folder_, base_, existed_ ? old_.st_uid : ::geteuid());
    bool useInPlace = false;
    if (createTemporary(&useInPlace)) return true;
    if (!useInPlace) return false;
    return openInPlace();
}

bool FileReplacement::createTemporary(bool* useInPlace) {
    mode_ = Mode::Temporary;
#ifdef O_TMPFILE
    // An unnamed file until it is complete: a save that is killed leaves nothing behind.
    if (::access("/proc/self/fd", X_OK) == 0) {
        fd_ = ::open(folder_.constData(), O_WRONLY | O_TMPFILE | O_CLOEXEC, 0600);
        if (fd_ >= 0) anonymous_ = true;
    }
#endif
    if (fd_ < 0) {
        // A file system without unnamed files: a named one, which clean-up knows by its name.
        tempName_ = folder_ + '/' + base_ + kTemporaryMark + "XXXXXX";
        fd_ = ::mkstemp(tempName_.data());
        if (fd_ < 0)
            tempName_.clear();
        else
            ::fcntl(fd_, F_SETFD, FD_CLOEXEC);
    }
    if (fd_ < 0) {
        code_ = errno;
        // No file can be made beside the target: an existing file is written in place.
        *useInPlace = existed_ && (code_ == EACCES || code_ == EPERM);
        return false;
    }
    // Held while the save runs, so another save's clean-up leaves this file alone.
    ::flock(fd_, LOCK_EX);
    if (existed_) {
        struct stat mine {};
        if (::fstat(fd_, &mine) == 0 && (mine.st_uid != old_.st_uid || mine.st_gid != old_.st_gid) &&
            ::fchown(fd_, old_.st_uid, old_.st_gid) != 0) {
            // The rename would change who owns the file: it is written in place instead.
            discardTemporary();
            *useInPlace = true;
            return false;
        }
        finalMode_ = old_.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        finalMode_ = 0666 & ~mask;
    }
    return true;
}

bool FileReplacement::openInPlace() {
    mode_ = Mode::InPlace;
    code_ = 0;
    fd_ = ::open(target_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        code_ = errno;
        return false;
    }
    struct stat opened {};
    if (::fstat(fd_, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        reason_ = notRegularReason(opened.st_mode);
        return false;
    }
    old_ = opened;
    // The new bytes must fit before the first old byte is overwritten: a size limit is checked
    // and the disk space reserved, so a full disk or a quota refuses the save untouched.
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && size_ > limit.rlim_cur) {
        code_ = EFBIG;
        return false;
    }
    if (size_ > std::uint64_t(opened.st_size)) {
        const int result = ::posix_fallocate(fd_, 0, off_t(size_));
        if (result != 0) {
            // A refused reservation may still have lengthened the file: its old length comes back.
            [[maybe_unused]] const int restored = ::ftruncate(fd_, opened.st_size);
            code_ = result;
            return false;
        }
    }
    return true;
}

bool FileReplacement::put(std::string_view piece) {
    if (piece.empty()) return true;
    if (mode_ == Mode::InPlace) touched_ = true;
    if (!writeAllBytes(fd_, piece, &code_)) return false;
    written_ += piece.size();
    return true;
}

bool FileReplacement::finishTemporary() {
    // After the owner: changing the owner clears the set-user-ID and set-group-ID bits.
    if (::fchmod(fd_, finalMode_) != 0 || ::fsync(fd_) != 0) {
        code_ = errno;
        return false;
    }
    if (anonymous_) {
        // Named only now, under the lock, and renamed at once.
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_);
        for (int attempt = 0; attempt < 100 && tempName_.isEmpty(); ++attempt) {
            const QByteArray name = randomTemporaryName(folder_, base_);
            if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0)
                tempName_ = name;
            else if (errno != EEXIST) {
                code_ = errno;
                return false;
            }
        }
        if (tempName_.isEmpty()) {
            code_ = EEXIST;
            return false;
        }
    }
    if (::rename(tempName_.constData(), target_.constData()) != 0) {
        code_ = errno;
        return false;
    }
    tempName_.clear();
    // The rename is made lasting too; a folder that cannot be synced costs nothing else.
    const int dir = ::open(folder_.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    if (::close(fd_) != 0) {
        fd_ = -1;
        return true; // the file is in place and synced
    }
    fd_ = -1;
    return true;
}

bool FileReplacement::finishInPlace() {
    if (::ftruncate(fd_, off_t(written_)) != 0 || ::fsync(fd_) != 0) {
        code_ = errno;
        return false;
    }
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0) {
        code_ = errno;
        return false;
    }
    return true;
}

void FileReplacement::discardTemporary() {
    if (mode_ != Mode::Temporary) return;
    if (!tempName_.isEmpty()) {
        ::unlink(tempName_.constData());
        tempName_.clear();
    }
    if (fd_ >= 0) {
        closeKeepingErrno(fd_);
        fd_ = -1;
    }
    anonymous_ = false;
}

} // namespace

bool writeFileAtomically(const QString& path, std::uint64_t size, const PieceSource& pieces, QString* error) {
    FileReplacement replacement(path, size);
    return replacement.run(pieces, error);
}
#else
QString followSymlinks(const QString& path, int* code) {
    if (code) *code = 0;
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}

bool readFileBytes(const QString& path, std::string* bytes, QString* error) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (error) *error = openFailure(path, polishErrorReason(info.isDir() ? EISDIR : 0));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = openFailure(path, polishErrorReason(file.errorString()));
        return false;
    }
    const QByteArray all = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Nie można odczytać pliku %1.\n%2.")
                         .arg(nativePath(path), polishErrorReason(file.errorString()));
        return false;
    }
    bytes->assign(all.constData(), std::size_t(all.size()));
    return true;
}

bool writeFileAtomically(const QString& path, std::uint64_t, const PieceSource& pieces, QString* error) {
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok)
        ok = pieces([&file](std::string_view piece) {
            return file.write(piece.data(), qint64(piece.size())) == qint64(piece.size());
        });
    if (ok && file.commit()) return true;
    if (error) *error = writeFailure(path, polishErrorReason(file.errorString()));
    file.cancelWriting();
    return false;
}
#endif

DocumentFileBytes::DocumentFileBytes(std::string_view utf8, TextEncoding encoding, bool byteOrderMark,
                                     std::size_t pieceSize)
    : utf8_(utf8), encoding_(encoding), byteOrderMark_(byteOrderMark && encoding == TextEncoding::Utf8),
      pieceSize_(std::max<std::size_t>(pieceSize, 8)) {
    run(nullptr, &size_, &unrepresentable_);
}

bool DocumentFileBytes::produce(const PieceSink& put) const {
    return run(&put, nullptr, nullptr);
}

bool DocumentFileBytes::run(const PieceSink* put, std::uint64_t* size, std::size_t* lost) const {
    std::uint64_t total = 0;
    std::size_t unrepresentable = 0;
    if (byteOrderMark_) {
        total += kUtf8Mark.size();
        if (put && !(*put)(kUtf8Mark)) return false;
    }
    const std::size_t n = utf8_.size();
    if (encoding_ == TextEncoding::Utf8) {
        // The editor's text is the file's text: handed over as it is, line ends and all.
        for (std::size_t start = 0; start < n; start += pieceSize_) {
            const std::string_view piece = utf8_.substr(start, std::min(pieceSize_, n - start));
            total += piece.size();
            if (put && !(*put)(piece)) return false;
        }
    } else {
        std::size_t start = 0;
        while (start < n) {
            std::size_t end = std::min(n, start + pieceSize_);
            // A piece ends before a character, never inside one.
            for (int back = 0; back < 4 && end < n && end > start + 1 &&
                               (static_cast<unsigned char>(utf8_[end]) & 0xC0) == 0x80;
                 ++back)
                --end;
            std::size_t lostHere = 0;
            const std::string bytes = utf8ToWin1250(utf8_.substr(start, end - start), &lostHere);
            unrepresentable += lostHere;
            total += bytes.size();
            if (put && !(*put)(bytes)) return false;
            start = end;
        }
    }
    if (size) *size = total;
    if (lost) *lost = unrepresentable;
    return true;
}

bool writeFileAtomically(const QString& path, std::string_view bytes, QString* error) {
    return writeFileAtomically(
        path, bytes.size(), [bytes](const PieceSink& put) { return put(bytes); }, error);
}

} // namespace wertan
