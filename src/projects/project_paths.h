#pragma once
// Paths of a project. A project's directory entries and file entries are either absolute paths or
// relative to the project directory: one base for creating, adding, moving, opening and removing.
// "/" separates path pieces (Qt accepts it on every platform); a path is absolute as the platform
// says (on Windows a drive or a network share).
#include <QString>

namespace wertan {

bool isAbsoluteProjectPath(const QString& path);
// The directory, one separator, the name. A directory that already ends with a separator keeps
// it, so the separator is doubled (the file system accepts that).
QString joinProjectPath(const QString& directory, const QString& name);
// The directory and the name with exactly one separator between them.
QString appendToDirectory(const QString& directory, const QString& name);
// The part up to and including the last separator; empty when there is none.
QString directoryPart(const QString& path);
// The part after the last separator; the whole path when there is none.
QString fileNamePart(const QString& path);
// An entry of the project as a path: an absolute entry as it stands, a relative one inside the
// project directory. With no project directory the entry stays as it is.
QString resolveProjectEntry(const QString& projectDirectory, const QString& entry);
// The same directory, however it is written ("a//b/" and "a/b" are the same).
bool sameDirectory(const QString& a, const QString& b);

} // namespace wertan
