#pragma once
// A private temporary folder for one test, removed with the fixture.
#include "support/qt_printers.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <string>

namespace wertan::test {

class TempDir {
public:
    TempDir();
    QString path() const { return dir_.path(); }
    // Full path of a file inside the folder.
    QString file(const QString& name) const;
    // Writes bytes to a file inside the folder and returns its full path.
    QString write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};

// Limits the size of files this process writes, so that a write fails on demand (even for root).
class FileSizeLimit {
public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long long previousSoft_;
};

QByteArray readAll(const QString& path);
QByteArray bytes(const std::string& s);

} // namespace wertan::test
