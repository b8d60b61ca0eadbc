#pragma once
// The two files of a project, both plain text in Windows-1250 with every line ended by CR LF, both
// named after the project and kept in its directory.
//
// Project description (name.phq), read by line position (the comment lines are not looked at):
//   1  "// Nazwa projektu"
//   2  project name
//   3  "// Katalog projektu"
//   4  project directory
//   5  "// W root"
//   6  "True" or "False": the directory lies under the server's document root; read as true for
//      "TRUE" or "TAK" in any letter case
//   7  "// Katalogi:"
//   8… one project directory entry per line, in order
//
// Project file list (name.phf): one path per line, nothing else; an empty list is an empty file.
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace wertan {

struct ProjectDescription {
    QString name;
    QString directory;
    bool inRoot = false;
    QStringList directories;
    bool operator==(const ProjectDescription&) const = default;
};

// The lines of a text: a line ends at CR LF, LF or CR; a line end at the very end adds no line.
// At most `limit` lines are returned.
std::vector<std::string_view> textLines(std::string_view bytes, std::size_t limit = std::size_t(-1));

std::string encodeProjectDescription(const ProjectDescription& description);
// Missing lines read as empty texts; a file of fewer than eight lines has no directory entries.
ProjectDescription decodeProjectDescription(std::string_view bytes);
std::string encodeProjectFileList(const QStringList& files);
QStringList decodeProjectFileList(std::string_view bytes);

// Reading and writing the files. On failure they return false with a Polish message that names the
// file and gives the system's reason. A text that Windows-1250 cannot hold is not written (it would
// come back as a different path): the file is left as it was and the message names the text.
bool readProjectDescription(const QString& path, ProjectDescription* description, QString* error);
bool writeProjectDescription(const QString& path, const ProjectDescription& description, QString* error);
bool readProjectFileList(const QString& path, QStringList* files, QString* error);
bool writeProjectFileList(const QString& path, const QStringList& files, QString* error);

} // namespace wertan
