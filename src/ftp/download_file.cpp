#include "ftp/download_file.h"

#include "text/document_text.h"
#include "text/error_text.h"

#include <QFileInfo>

#include <cerrno>
#include <filesystem>
#include <system_error>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace wertan::ftp {

bool DownloadFile::open() {
    // A link, or a chain of links, is followed: the file at its end gets the download and the
    // links stay links.
    int code = 0;
    const QString end = followSymlinks(target_, &code);
    if (end.isEmpty()) {
        error_ = polishErrorReason(code);
        return false;
    }
    final_ = end;
    const QFileInfo target(final_);
    if (target.isDir()) {
        error_ = polishErrorReason(EISDIR);
        return false;
    }
    if (target.exists() && !target.isFile()) {
        error_ = QStringLiteral("To nie jest zwykły plik");
        return false;
    }
    // A file marked read-only is never replaced, not even by a user the system would let.
    if (target.exists() && (!target.isWritable() || !(target.permissions() & QFileDevice::WriteOwner))) {
        error_ = polishErrorReason(EACCES);
        return false;
    }
    temp_ = std::make_unique<QTemporaryFile>(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!temp_->open()) {
        error_ = polishErrorReason(temp_->errorString());
        temp_.reset();
        return false;
    }
    // A replaced file keeps its permissions; a new one gets the usual ones of a document.
    temp_->setPermissions(target.exists() ? target.permissions()
                                          : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return true;
}

bool DownloadFile::write(const char* data, qint64 size) {
    if (!temp_) return false;
#ifdef Q_OS_UNIX
    // Written straight to the file: a buffered write reports a full disk late and without its cause.
    const int fd = temp_->handle();
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, std::size_t(size - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error_ = polishErrorReason(n < 0 ? errno : ENOSPC);
            return false;
        }
        done += n;
    }
    return true;
#else
    if (temp_->write(data, size) == size) return true;
    error_ = polishErrorReason(temp_->errorString());
    return false;
#endif
}

bool DownloadFile::commit() {
    if (!temp_) return false;
    if (!temp_->flush()) {
        error_ = polishErrorReason(temp_->errorString());
        cancel();
        return false;
    }
    const QString tempName = temp_->fileName();
    temp_->close();
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(tempName.toStdU16String()),
                            std::filesystem::path(final_.toStdU16String()), error);
    if (error) {
        error_ = polishErrorReason(error.value());
        cancel();
        return false;
    }
    temp_->setAutoRemove(false);
    temp_.reset();
    return true;
}

void DownloadFile::cancel() {
    temp_.reset(); // removes the temporary file
}

} // namespace wertan::ftp
