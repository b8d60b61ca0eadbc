#pragma once
// The dialog "Nowy projekt": the project's name, and its directory under the server's document root
// or anywhere else. "&OK" creates the project (project.h); "&Inne katalogii projektu..." prepares
// the new project's directory list (empty each time the dialog is shown), which the new project takes
// on "&OK" and which is dropped on "&Anuluj", so the open project is not touched until then.
#include "projects/project.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace wertan {

class Prompts;
class ProjectDirsDialog;
struct ShellSettings;

class NewProjectDialog : public QDialog {
    Q_OBJECT
public:
    // `leaveOpenProject` asks about unsaved changes of the open project; false keeps it open.
    // `created` runs after a new project was made (the project commands are enabled).
    NewProjectDialog(Project& project, const ShellSettings& settings, Prompts& prompts,
                     ProjectDirsDialog& dirs, std::function<bool()> leaveOpenProject,
                     std::function<void()> created, QWidget* parent = nullptr);

    // Shown modally.
    void open() override;
    NewProjectInput input() const;

    void confirm();
    void cancel();
    void showDirectories();
    void browseDirectory();

    QLineEdit* nameField() const { return name_; }
    QCheckBox* inRootBox() const { return inRoot_; }
    QLineEdit* inRootDirectoryField() const { return inRootDirectory_; }
    QLineEdit* otherDirectoryField() const { return otherDirectory_; }
    QToolButton* browseButton() const { return browse_; }
    QPushButton* directoriesButton() const { return directories_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    // The directory list being prepared for the new project.
    const QStringList& preparedDirectories() const { return preparedDirs_; }

private:
    void showDirectoryInput();

    Project& project_;
    const ShellSettings& settings_;
    Prompts& prompts_;
    ProjectDirsDialog& dirs_;
    std::function<bool()> leaveOpenProject_;
    std::function<void()> created_;
    QStringList preparedDirs_;
    QLineEdit* name_;
    QCheckBox* inRoot_;
    QWidget* inRootRow_;
    QLineEdit* inRootDirectory_;
    QWidget* otherRow_;
    QLineEdit* otherDirectory_;
    QToolButton* browse_;
    QPushButton* directories_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// The text an empty project name field is reset to, and the default directory outside the root.
QString defaultProjectName();
QString defaultOtherProjectDirectory();

} // namespace wertan
