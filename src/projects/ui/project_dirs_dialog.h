#pragma once
// The dialog "Katalogi projektu": edits a project's directory list (at most 255 entries) and, for
// the open project, creates the directories on "&OK". "&Anuluj" puts the list back as it was when
// the dialog was shown; closing the window otherwise keeps the changes.
#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace wertan {

class Project;

class ProjectDirsDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProjectDirsDialog(Project& project, QWidget* parent = nullptr);

    // Shown modally for the open project's list; "&OK" creates its directories.
    void open() override;
    // Shown modally for a list being prepared (a new project's), under the given main directory;
    // "&OK" creates nothing (the new project creates them with its own directory).
    void openFor(QStringList* list, const QString& mainDirectory);

    void addDirectory();
    void removeDirectory();
    // "&OK": a pending edit is taken, the directories are created, the dialog closes.
    void confirm();
    // "&Anuluj".
    void cancel();
    // Closing by the window's close box or Escape keeps the changes.
    void reject() override;

    QLabel* mainDirectoryLabel() const { return mainDirectory_; }
    QLineEdit* nameField() const { return name_; }
    QListWidget* list() const { return list_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showModal();
    void refreshList(int current);
    // The input's text replaces the selected entry when it was edited since the entry was chosen.
    void takeEdit();

    Project& project_;
    QStringList* target_ = nullptr;
    QStringList shownCopy_;
    bool createOnConfirm_ = false;
    bool editPending_ = false;
    QLabel* mainDirectory_;
    QLineEdit* name_;
    QListWidget* list_;
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace wertan
