#pragma once
// The dialog "Usuń plik z projektu": the chosen file is deleted from disk and from the project's
// file list, unless a document of that name is open in a tab.
#include <QDialog>
#include <functional>

class QComboBox;
class QPushButton;

namespace wertan {

class Prompts;
class Project;

class RemoveFileDialog : public QDialog {
    Q_OBJECT
public:
    // `isOpenInTab` tells whether a document tab has the caption (letter case counts).
    RemoveFileDialog(Project& project, Prompts& prompts, std::function<bool(const QString&)> isOpenInTab,
                     QWidget* parent = nullptr);

    // Shown modally, the list filled again with its first entry chosen.
    void open() override;
    // "&Usuń".
    void removeFile();

    QComboBox* fileList() const { return files_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* cancelButton() const { return cancel_; }

    static QString openInTabWarning();

private:
    Project& project_;
    Prompts& prompts_;
    std::function<bool(const QString&)> isOpenInTab_;
    QComboBox* files_;
    QPushButton* remove_;
    QPushButton* cancel_;
};

} // namespace wertan
