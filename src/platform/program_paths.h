#pragma once
// The program directory and the files under it. The system writes relative program paths with
// backslashes ("config\prog.dat2"); they become native separators here.
#include <QString>

namespace wertan {

class ProgramPaths {
public:
    // The directory is kept with a trailing separator.
    explicit ProgramPaths(QString directory);
    const QString& directory() const { return directory_; }
    // The program directory followed by the relative path; a doubled separator from joining is kept.
    QString file(const QString& relativePath) const;

private:
    QString directory_;
};

// Turns a path written with backslashes into native separators.
QString nativeSeparators(QString path);

} // namespace wertan
