#pragma once
// Adding a file to a project together with its attachments. The project's add dialog, the class
// library's template insertion and its class init files all add files through `addToProject`.
//
// An attachment line is any of the first 101 lines of a file that holds "#zkfile" in any letter
// case; it names the text between its first "(" and the next ")", lower-cased in its ASCII letters
// (a line without both names nothing). Attachments are followed three levels deep: those of the
// added file, theirs, and theirs once more. Every attachment, at every level, is looked for in the
// folder of the file added first, and is copied into the target directory under its file name.
//
// What happens, in order:
//   1. With `followAttachments`, the source is read and its attachments are copied, each one
//      followed by its own attachments before the next, and each listed once copied.
//   2. The source is copied into the target directory and listed last.
// A copy never replaces a file without asking: when the target exists, the question "Błąd
// kopiowania!" / "Plik, który jest wymieniony jak załącznik istnieje w katalogu docelowym - Czy
// nadpisać?" is asked; Yes copies over it (write-then-rename). Either way that file is not listed
// again and its attachments are not followed. An attachment named a second time during the same
// add is not copied or asked about again.
//
// Faults are told to the user through `prompts` when the add ends: attachments that do not exist
// are named (with the file that names them) in one note and are not listed; files that could not be
// read or copied are named in one error box and are not listed. A source that cannot be read while
// its attachments are looked for, or a target directory that does not exist, stops the add before
// anything is copied.
#include <QString>
#include <QStringList>
#include <string>

namespace wertan {

class Prompts;

struct AddToProjectRequest {
    // The target directory: a directory entry of the project (relative to `projectDir`) or an
    // absolute directory.
    QString dir;
    // The file to add: an absolute path, or a path inside `libraryDir`. A path relative to the
    // program directory (as the class catalogue stores "zklib\name\file") is made absolute by the
    // caller first.
    QString source;
    bool followAttachments = true;
    // The open project's directory; the base of a relative `dir`.
    QString projectDir;
    // The class library folder (the program directory's "zklib/"); the base of a relative `source`.
    QString libraryDir;
};

struct AddToProjectResult {
    // The paths to append to the project's file list, in order: attachments first, the file last.
    QStringList listed;
    // Attachments named but not found, as the paths they were looked for under.
    QStringList missing;
    // Messages of files that could not be read or copied.
    QStringList errors;
    // False when the add stopped before copying anything.
    bool completed = false;
};

// Copies the file (and with `followAttachments` its attachments) into the target directory, asks
// before replacing a file, and reports what failed. The caller appends `listed` to the project's
// file list; nothing is written to the project's files here.
AddToProjectResult addToProject(const AddToProjectRequest& request, Prompts& prompts);

// The attachment names of a text: one per attachment line among its first 101 lines, in order
// (lower-cased; lines that name nothing are left out). A line may be of any length.
QStringList attachmentNames(const std::string& bytes);

// The overwrite question and its caption.
QString overwriteCaption();
QString overwriteQuestion();

} // namespace wertan
