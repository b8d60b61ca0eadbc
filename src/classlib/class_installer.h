#pragma once
// Carrying a class into the library from its class init file (.acls), and writing such a file for
// a class made by the user.
#include "classlib/class_catalogue.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace wertan {

struct AddClassOutcome {
    bool ok = false;
    QString error; // Polish, when not ok
    int tab = -1;  // the tab the class went to
    bool tabCreated = false;
};

// Reads the init file, copies its template into programDirectory/zklib/<class> and its picture into
// programDirectory/data/classes/<class> (folders made as needed, files replaced), and appends the
// class to the tab the file names (created when the catalogue has no such tab) or, when
// `chosenTab` is given, to that tab. Nothing is added when the file cannot be read, names an unsafe
// class or file name, the tab is full, or a file cannot be copied.
AddClassOutcome addClassFromInitFile(std::vector<ClassTab>& catalogue, const QString& programDirectory,
                                     const QString& initFilePath, std::optional<int> chosenTab);

struct InitFileRequest {
    ClassType type = ClassType::Ordinary;
    QString className;
    QString tab;
    QString picture;      // the picture file's path
    QString templateFile; // the template file's path
    QString target;       // the folder the files and the init file go to
};

struct InitFileOutcome {
    bool ok = false;
    QString error; // Polish, when not ok
    QString initFile;
};

// Copies the template with its attachments into the target folder through `addToProject` (which
// reports its own faults and returns false when the template was not copied), copies the picture
// there unless a file of its name is there already, and writes target/<class>.acls. An empty class
// name (or a single blank) becomes "Nowa klasa", an empty tab "Inne".
InitFileOutcome
createClassInitFile(const InitFileRequest& request,
                    const std::function<bool(const QString& dir, const QString& source)>& addToProject);

// A name that can stand as one folder or file name: not empty, no separator, not "." or "..".
bool isPlainFileName(const QString& name);

} // namespace wertan
