#pragma once
// The open project: its state (kept in the shell settings), its directory list and its file list,
// and the commands on them. At most one project is open. Directory entries and file entries are
// absolute paths or paths relative to the project directory (project_paths.h).
//
// The project's files are written only by the commands that say so: New and Save write both, the
// file-list check of "close all", the project files dialog's OK and a document's "save as" write the
// file list, and the end of the program writes what changed into the files that exist.
#include "projects/add_to_project.h"
#include "projects/project_paths.h"
#include "settings/shell_settings.h"

#include <QString>
#include <QStringList>

namespace wertan {

class Prompts;
struct ProjectDescription;

inline constexpr int kMaxProjectDirectories = 255;

// What the new-project dialog gives.
struct NewProjectInput {
    QString name;
    bool inRoot = true;
    QString inRootDirectory; // under the document root
    QString otherDirectory;  // anywhere else, an absolute path
};

// The project directory a new project gets: under the root, the root, one separator and the name
// (a root that ends with a separator gives a doubled one, which stays); elsewhere the path as typed.
QString newProjectDirectory(const NewProjectInput& input, const QString& documentRoot);
// Why the input cannot make a project (a Polish message), or an empty text when it can.
QString checkNewProjectInput(const NewProjectInput& input);

class Project {
public:
    explicit Project(ProjectState& state) : state_(state) {}

    const ProjectState& state() const { return state_; }
    bool isOpen() const { return state_.projectOpen; }
    QStringList& directories() { return dirs_; }
    const QStringList& directories() const { return dirs_; }
    QStringList& files() { return files_; }
    const QStringList& files() const { return files_; }

    // The project directory + "/" + name + ".phq" or ".phf".
    QString descriptionPath() const;
    QString fileListPath() const;
    // The project's to-do list, a text file beside its description: the project directory + "/" +
    // name + ".todo.txt".
    QString toDoListPath() const;
    // An entry of the directory or file list as a path (relative entries lie in the project directory).
    QString resolve(const QString& entry) const { return resolveProjectEntry(state_.projectDir, entry); }

    // True when a new project at the input's place would replace the files of a project there.
    bool wouldReplaceProject(const NewProjectInput& input, const QString& documentRoot) const;
    // New project: the project directory (one level) and the directories of the list are created,
    // the description and an empty file list are written, and the project is open with an empty file
    // list. When the files cannot be written the project stays as it was and `error` says why.
    bool create(const NewProjectInput& input, const QString& documentRoot, QString* error);
    // Open project: the description and the file list beside it are read; on failure nothing changes.
    bool open(const QString& descriptionPath, QString* error);
    // Save project: the description, then the file list.
    bool save(QString* error);
    // Close project: everything emptied, nothing written.
    void close();
    // Directory or file list changed since they were last read or written.
    bool hasUnsavedChanges() const;

    bool writeFileList(QString* error);
    // The check after "close all", for an open project: an existing file list is written; a missing
    // one is written when the user says so. With no project open nothing is asked or written.
    bool fileListCheck(Prompts& prompts, QString* error);
    // The end of the program: the file list is written if its file exists, and the description if
    // the directory list changed and its file exists.
    bool writeAtExit(QString* error);

    // Creates each directory of the list, one level (a parent that does not exist is not made);
    // existing directories and failures are passed over.
    void createDirectories() const;

    // Adds a file (with its attachments) to the project's directory `dir` and lists what was copied.
    // With no project open the files are copied but not listed.
    AddToProjectResult addFile(const QString& dir, const QString& source, bool followAttachments,
                               const QString& libraryDir, Prompts& prompts);
    // Appends a path to the file list and writes the list (a document saved under a new name).
    bool appendFile(const QString& path, QString* error);
    // Deletes the file of an entry and removes the entry. A file that exists but cannot be deleted
    // keeps its entry, and `error` says why.
    bool removeFile(int index, QString* error);
    // Renames the file of an entry in its directory and updates the entry; an empty name or the same
    // name does nothing. On failure the entry stays and `error` says why.
    bool renameFile(int index, const QString& newName, QString* error);
    enum class MoveResult { Moved, SameDirectory, Failed };
    // Moves the file of an entry into the directory (an entry of the directory list or any path).
    MoveResult moveFile(int index, const QString& directory, QString* error);

private:
    ProjectDescription description() const;
    bool writeDescription(QString* error);

    ProjectState& state_;
    QStringList dirs_;
    QStringList files_;
    // What the files on disk hold, for the unsaved-changes test.
    QStringList writtenDirs_;
    QStringList writtenFiles_;
};

} // namespace wertan
