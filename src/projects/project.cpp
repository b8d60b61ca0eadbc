#include "projects/project.h"

#include "platform/prompts.h"
#include "projects/project_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace wertan {

namespace {
QString projectFilePath(const QString& directory, const QString& name, const char* extension) {
    return joinProjectPath(directory, name + QLatin1String(extension));
}

QString missingFileListQuestion() {
    return QStringLiteral("Plik zawierający informacje o plikach wchodzacych w skład projektu został "
                          "skasowany albo nie istnieje, czy go odtworzyć?");
}
} // namespace

QString newProjectDirectory(const NewProjectInput& input, const QString& documentRoot) {
    return input.inRoot ? joinProjectPath(documentRoot, input.inRootDirectory) : input.otherDirectory;
}

QString checkNewProjectInput(const NewProjectInput& input) {
    if (input.name.isEmpty()) return QStringLiteral("Podaj nazwę projektu.");
    if (input.name.contains(QLatin1Char('/')) || input.name.contains(QLatin1Char('\\')) ||
        input.name == QLatin1String(".") || input.name == QLatin1String(".."))
        return QStringLiteral(
            "Nazwa projektu jest nazwą jego plików: nie może zawierać znaków \"/\" ani \"\\\".");
    if (!input.inRoot) {
        if (input.otherDirectory.isEmpty()) return QStringLiteral("Podaj katalog projektu.");
        if (!isAbsoluteProjectPath(input.otherDirectory))
            return QStringLiteral(
                "Katalog projektu poza katalogiem głównym serwera trzeba podać pełną ścieżką.");
    }
    return {};
}

QString Project::descriptionPath() const {
    return projectFilePath(state_.projectDir, state_.projectName, ".phq");
}

QString Project::fileListPath() const {
    return projectFilePath(state_.projectDir, state_.projectName, ".phf");
}

QString Project::toDoListPath() const {
    return projectFilePath(state_.projectDir, state_.projectName, ".todo.txt");
}

ProjectDescription Project::description() const {
    return {state_.projectName, state_.projectDir, state_.inRoot, dirs_};
}

bool Project::writeDescription(QString* error) {
    if (!writeProjectDescription(descriptionPath(), description(), error)) return false;
    writtenDirs_ = dirs_;
    return true;
}

bool Project::writeFileList(QString* error) {
    if (!writeProjectFileList(fileListPath(), files_, error)) return false;
    writtenFiles_ = files_;
    return true;
}

bool Project::wouldReplaceProject(const NewProjectInput& input, const QString& documentRoot) const {
    const QString directory = newProjectDirectory(input, documentRoot);
    return QFileInfo::exists(projectFilePath(directory, input.name, ".phq")) ||
           QFileInfo::exists(projectFilePath(directory, input.name, ".phf"));
}

bool Project::create(const NewProjectInput& input, const QString& documentRoot, QString* error) {
    *error = checkNewProjectInput(input);
    if (!error->isEmpty()) return false;
    const QString directory = newProjectDirectory(input, documentRoot);
    QDir().mkdir(directory); // one level; an existing directory is fine, a failure shows when writing
    const ProjectDescription d{input.name, directory, input.inRoot, dirs_};
    if (!writeProjectDescription(projectFilePath(directory, input.name, ".phq"), d, error)) return false;
    if (!writeProjectFileList(projectFilePath(directory, input.name, ".phf"), {}, error)) return false;
    state_.projectName = input.name;
    state_.projectDir = directory;
    state_.inRoot = input.inRoot;
    state_.projectOpen = true;
    files_.clear();
    writtenDirs_ = dirs_;
    writtenFiles_.clear();
    createDirectories();
    return true;
}

bool Project::open(const QString& path, QString* error) {
    ProjectDescription d;
    if (!readProjectDescription(path, &d, error)) return false;
    // The file list is looked for beside the description, wherever the project says it lives.
    QStringList files;
    if (!readProjectFileList(directoryPart(path) + d.name + QStringLiteral(".phf"), &files, error))
        return false;
    state_.projectName = d.name;
    state_.projectDir = d.directory;
    state_.inRoot = d.inRoot;
    state_.projectOpen = true;
    dirs_ = writtenDirs_ = d.directories;
    files_ = writtenFiles_ = files;
    return true;
}

bool Project::save(QString* error) {
    return writeDescription(error) && writeFileList(error);
}

void Project::close() {
    dirs_.clear();
    files_.clear();
    writtenDirs_.clear();
    writtenFiles_.clear();
    state_ = ProjectState{};
}

bool Project::hasUnsavedChanges() const {
    return state_.projectOpen && (dirs_ != writtenDirs_ || files_ != writtenFiles_);
}

bool Project::fileListCheck(Prompts& prompts, QString* error) {
    if (!state_.projectOpen) return true;
    if (!QFileInfo::exists(fileListPath()) &&
        prompts.confirm(missingFileListQuestion(), Buttons::YesNo) != Answer::Yes)
        return true;
    return writeFileList(error);
}

bool Project::writeAtExit(QString* error) {
    if (!state_.projectOpen) return true;
    if (QFileInfo::exists(fileListPath()) && !writeFileList(error)) return false;
    if (dirs_ != writtenDirs_ && QFileInfo::exists(descriptionPath())) return writeDescription(error);
    return true;
}

void Project::createDirectories() const {
    for (const QString& entry : dirs_)
        QDir().mkdir(resolve(entry));
}

AddToProjectResult Project::addFile(const QString& dir, const QString& source, bool followAttachments,
                                    const QString& libraryDir, Prompts& prompts) {
    AddToProjectRequest request;
    request.dir = dir;
    request.source = source;
    request.followAttachments = followAttachments;
    request.projectDir = state_.projectOpen ? state_.projectDir : QString();
    request.libraryDir = libraryDir;
    AddToProjectResult result = addToProject(request, prompts);
    if (state_.projectOpen) files_ << result.listed;
    return result;
}

bool Project::appendFile(const QString& path, QString* error) {
    if (!state_.projectOpen) return true;
    files_ << path;
    return writeFileList(error);
}

bool Project::removeFile(int index, QString* error) {
    if (index < 0 || index >= files_.size()) return false;
    const QString path = resolve(files_.at(index));
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) {
        QFile file(path);
        if (!file.remove()) {
            *error = QStringLiteral("Nie można usunąć pliku %1.\n%2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
            return false;
        }
    }
    files_.removeAt(index);
    return true;
}

bool Project::renameFile(int index, const QString& newName, QString* error) {
    if (index < 0 || index >= files_.size()) return false;
    const QString entry = files_.at(index);
    if (newName.isEmpty() || newName == fileNamePart(entry)) return true;
    const QString renamed = directoryPart(entry) + newName;
    QFile file(resolve(entry));
    if (!file.rename(resolve(renamed))) {
        *error = QStringLiteral("Nie można zmienić nazwy pliku %1 na %2.\n%3")
                     .arg(QDir::toNativeSeparators(resolve(entry)), newName, file.errorString());
        return false;
    }
    files_[index] = renamed;
    return true;
}

Project::MoveResult Project::moveFile(int index, const QString& directory, QString* error) {
    if (index < 0 || index >= files_.size()) return MoveResult::Failed;
    const QString from = resolve(files_.at(index));
    const QString targetDir = resolve(directory);
    if (sameDirectory(targetDir, directoryPart(from))) return MoveResult::SameDirectory;
    const QString to = appendToDirectory(targetDir, fileNamePart(from));
    QFile file(from);
    if (!QFileInfo(targetDir).isDir() || !file.rename(to)) {
        *error = QStringLiteral("Nie można przenieść pliku %1 do katalogu %2.\n%3")
                     .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(targetDir),
                          QFileInfo(targetDir).isDir() ? file.errorString()
                                                       : QStringLiteral("Katalog nie istnieje."));
        return MoveResult::Failed;
    }
    files_[index] = to;
    return MoveResult::Moved;
}

} // namespace wertan
