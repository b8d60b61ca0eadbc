#pragma once
// The local file a download writes: the bytes go to a temporary file beside the target (beside
// the end of its chain of links, when it is a link), which replaces it only when the download is
// complete. A failed or abandoned download leaves the earlier file as it was and no temporary
// file behind. The data is not forced to disk: a downloaded copy can always be fetched again, and
// a sync per file would dominate the time of many small downloads.
#include <QString>
#include <QTemporaryFile>

#include <memory>

namespace wertan::ftp {

class DownloadFile {
public:
    explicit DownloadFile(const QString& target) : target_(target) {}

    // Creates the temporary file; false when the target cannot be written (a folder, a
    // read-only file, a missing or read-only directory).
    bool open();
    bool write(const char* data, qint64 size);
    // Puts the complete file in place of the target.
    bool commit();
    // Drops what has been written.
    void cancel();
    // The reason for the last failure, in Polish for the common causes.
    QString errorString() const { return error_; }

private:
    QString target_;
    QString final_; // the end of the target's chain of links
    std::unique_ptr<QTemporaryFile> temp_;
    QString error_;
};

} // namespace wertan::ftp
