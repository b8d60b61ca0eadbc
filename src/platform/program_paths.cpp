#include "platform/program_paths.h"

#include <QDir>

namespace wertan {

QString nativeSeparators(QString path) {
#ifdef Q_OS_WIN
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
#else
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    return path;
}

ProgramPaths::ProgramPaths(QString directory) : directory_(nativeSeparators(std::move(directory))) {
    if (!directory_.endsWith(QDir::separator()))
        directory_ += QDir::separator();
}

QString ProgramPaths::file(const QString& relativePath) const { return directory_ + nativeSeparators(relativePath); }

} // namespace wertan
