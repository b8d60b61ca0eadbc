#include "ftp/download_file.h"

#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace wertan::ftp {

bool DownloadFile::open() {
    const QFileInfo target(target_);
    if (target.isDir()) {
        error_ = QStringLiteral("Is a directory");
        return false;
    }
    // A file marked read-only is never replaced, not even by a user the system would let.
    if (target.exists() && (!target.isWritable() || !(target.permissions() & QFileDevice::WriteOwner))) {
        error_ = QStringLiteral("Permission denied");
        return false;
    }
    temp_ = std::make_unique<QTemporaryFile>(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!temp_->open()) {
        error_ = temp_->errorString();
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
    if (temp_->write(data, size) == size) return true;
    error_ = temp_->errorString();
    return false;
}

bool DownloadFile::commit() {
    if (!temp_) return false;
    if (!temp_->flush()) {
        error_ = temp_->errorString();
        cancel();
        return false;
    }
    const QString tempName = temp_->fileName();
    temp_->close();
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(tempName.toStdU16String()),
                            std::filesystem::path(target_.toStdU16String()), error);
    if (error) {
        error_ = QString::fromLocal8Bit(error.message().c_str());
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
