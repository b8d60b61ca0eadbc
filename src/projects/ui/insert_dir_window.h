#pragma once
// The small tool window "Wstaw katalog": one of the project's directories (or any text typed in)
// is inserted at the caret of the active document.
#include <QWidget>
#include <functional>

class QComboBox;
class QPushButton;

namespace wertan {

class Project;

class InsertDirWindow : public QWidget {
    Q_OBJECT
public:
    InsertDirWindow(const Project& project, std::function<void(const QString&)> insertText,
                    QWidget* parent = nullptr);

    // Filled with the project's directories, the first one shown, and shown (not modal).
    void showWindow();
    // "&Wstaw": the text as it stands goes into the document, and the window closes.
    void insert();

    QComboBox* directoryList() const { return list_; }
    QPushButton* insertButton() const { return insert_; }

private:
    const Project& project_;
    std::function<void(const QString&)> insertText_;
    QComboBox* list_;
    QPushButton* insert_;
};

} // namespace wertan
