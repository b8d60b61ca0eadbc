#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <stdexcept>
#include <sys/resource.h>

namespace wertan::test {

TempDir::TempDir() {
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

QString TempDir::file(const QString& name) const { return dir_.filePath(name); }

QString TempDir::write(const QString& name, const QByteArray& bytes) const {
    const QString path = file(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
    return path;
}

FileSizeLimit::FileSizeLimit(long bytes) {
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG instead of a signal
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    previousSoft_ = limit.rlim_cur;
    limit.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(previousSoft_);
    setrlimit(RLIMIT_FSIZE, &limit);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QByteArray bytes(const std::string& s) { return QByteArray(s.data(), qsizetype(s.size())); }

} // namespace wertan::test
