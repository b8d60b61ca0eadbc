#pragma once
// The dialog "Dodaj plik do projektu": a file is copied into one of the project's directories,
// with the files it names as attachments when the first box is ticked.
#include "projects/add_to_project.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace wertan {

class Prompts;
class Project;
class ProjectDirsDialog;

class AddFileDialog : public QDialog {
    Q_OBJECT
public:
    using AddFunction =
        std::function<AddToProjectResult(const QString& dir, const QString& source, bool followAttachments)>;
    AddFileDialog(const Project& project, Prompts& prompts, ProjectDirsDialog& dirs, AddFunction add,
                  QWidget* parent = nullptr);

    // Shown modally, the directory list filled again with its first entry chosen.
    void open() override;
    void browse();
    void showDirectories();
    // "&Dodaj": the add runs; the dialog closes unless the add could not start (the reason is shown).
    void addFile();

    QLineEdit* sourceField() const { return source_; }
    QToolButton* browseButton() const { return browse_; }
    QComboBox* directoryList() const { return directory_; }
    QCheckBox* followBox() const { return follow_; }
    QCheckBox* followDerivedBox() const { return derived_; }
    QPushButton* directoriesButton() const { return directories_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void fillDirectories();

    const Project& project_;
    Prompts& prompts_;
    ProjectDirsDialog& dirs_;
    AddFunction addFunction_;
    QLineEdit* source_;
    QToolButton* browse_;
    QComboBox* directory_;
    QCheckBox* follow_;
    QCheckBox* derived_;
    QPushButton* directories_;
    QPushButton* add_;
    QPushButton* cancel_;
};

} // namespace wertan
