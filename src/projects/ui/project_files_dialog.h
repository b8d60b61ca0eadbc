#pragma once
// The window "Pliki projektu" (not modal): the project's file list with add, remove, directories,
// rename, move and open. Rename and move are modes of the window: the list and the other commands
// wait while the new name or the target directory is entered, and "&OK" carries the mode out.
// "&OK" in the normal mode writes the project's file list and closes the window.
#include <QDialog>
#include <functional>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace wertan {

class Prompts;
class Project;

class ProjectFilesDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Normal, Rename, Move };

    struct Actions {
        std::function<void(const QString& path)> openDocument;
        std::function<void()> addFile;     // the add dialog, modal (the list is refreshed after it)
        std::function<void()> removeFile;  // the remove dialog, modal (the list is refreshed after it)
        std::function<void()> directories; // the directories dialog, modal
    };
    ProjectFilesDialog(Project& project, Prompts& prompts, Actions actions, QWidget* parent = nullptr);

    // Shown (not modal) in the normal mode with the list as it is now.
    void showWindow();
    // The list shown again from the project (after something else changed it).
    void refresh();

    Mode mode() const { return mode_; }
    void enterRename();
    void enterMove();
    void confirm();
    void cancel();
    void openSelected();

    QListWidget* list() const { return list_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* directoriesButton() const { return directories_; }
    QPushButton* renameButton() const { return rename_; }
    QPushButton* moveButton() const { return move_; }
    QPushButton* openButton() const { return open_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QGroupBox* renameGroup() const { return renameGroup_; }
    QLineEdit* newNameField() const { return newName_; }
    QGroupBox* moveGroup() const { return moveGroup_; }
    QComboBox* targetDirectoryList() const { return targetDir_; }

    // Closing by the window's close box is "&Anuluj" in the normal mode.
    void reject() override;

private:
    void setMode(Mode mode);
    void leaveMode(bool entryCommandsEnabled);
    void selectionClicked();

    Project& project_;
    Prompts& prompts_;
    Actions actions_;
    Mode mode_ = Mode::Normal;
    int remembered_ = -1; // the entry a mode works on
    QListWidget* list_;
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* directories_;
    QPushButton* rename_;
    QPushButton* move_;
    QPushButton* open_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QGroupBox* renameGroup_;
    QLineEdit* newName_;
    QGroupBox* moveGroup_;
    QComboBox* targetDir_;
};

} // namespace wertan
