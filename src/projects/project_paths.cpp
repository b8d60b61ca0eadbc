#include "projects/project_paths.h"

#include <QDir>

namespace wertan {

namespace {
bool isSeparator(QChar c) {
#ifdef Q_OS_WIN
    return c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':');
#else
    return c == QLatin1Char('/');
#endif
}

qsizetype lastSeparator(const QString& path) {
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (isSeparator(path.at(i))) return i;
    return -1;
}
} // namespace

bool isAbsoluteProjectPath(const QString& path) {
    return !path.isEmpty() && QDir::isAbsolutePath(path);
}

QString joinProjectPath(const QString& directory, const QString& name) {
    return directory + QLatin1Char('/') + name;
}

QString appendToDirectory(const QString& directory, const QString& name) {
    if (!directory.isEmpty() && isSeparator(directory.back())) return directory + name;
    return joinProjectPath(directory, name);
}

QString directoryPart(const QString& path) {
    return path.left(lastSeparator(path) + 1);
}

QString fileNamePart(const QString& path) {
    return path.mid(lastSeparator(path) + 1);
}

QString resolveProjectEntry(const QString& projectDirectory, const QString& entry) {
    if (isAbsoluteProjectPath(entry) || projectDirectory.isEmpty()) return entry;
    if (entry.isEmpty()) return projectDirectory;
    return appendToDirectory(projectDirectory, entry);
}

bool sameDirectory(const QString& a, const QString& b) {
    return QDir::cleanPath(QDir::fromNativeSeparators(a)) == QDir::cleanPath(QDir::fromNativeSeparators(b));
}

} // namespace wertan
