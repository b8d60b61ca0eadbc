#pragma once
// "Kreator CLASS": eight pages of answers that write the skeleton of a PHP class into a new
// document or at the caret of the active one.
#include "classlib/class_wizard.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;

namespace wertan {

class Prompts;

// Two lists: names to choose from and names chosen, moved between them with arrow buttons.
class TwoListChooser : public QDialog {
    Q_OBJECT
public:
    explicit TwoListChooser(QWidget* parent = nullptr);
    void setLists(const QStringList& available, const QStringList& chosen);
    QStringList available() const;
    QStringList chosen() const;
    QListWidget* availableList() const { return available_; }
    QListWidget* chosenList() const { return chosen_; }
    void moveSelected(bool toChosen);

private:
    QListWidget* available_;
    QListWidget* chosen_;
};

class ClassWizardDialog : public QDialog {
    Q_OBJECT
public:
    // pictureDirectory holds page1.jpg ... page8.jpg (page N shows page<N+1>.jpg).
    ClassWizardDialog(Prompts& prompts, QString pictureDirectory, QWidget* parent = nullptr);

    // A new document whose text becomes the lines, and one line inserted at the caret.
    std::function<void(const std::vector<std::string>& lines)> intoNewDocument;
    std::function<void(const std::string& line)> insertLine;

    // Shows the wizard on its first page, keeping every answer from the last opening.
    void start();
    void forward();
    void back();
    int page() const;
    ClassWizardOptions options() const;
    // Finishes: writes the class and closes.
    void finish();

    QPushButton* forwardButton() const { return forward_; }
    QPushButton* backButton() const { return back_; }
    QTableWidget* variableGrid() const { return variables_; }
    QTableWidget* functionGrid() const { return functions_; }
    QCheckBox* box(const QString& objectName) const;
    QLineEdit* classNameInput() const { return className_; }
    QRadioButton* intoCurrentDocumentButton() const { return intoCurrent_; }
    TwoListChooser* chooser() const { return chooser_; }
    const QStringList& constructorVariables() const { return chosenVariables_; }
    QLabel* picture() const { return picture_; }

    // The grid operations of both grids' buttons.
    static void addGridRow(QTableWidget* grid);
    static void removeGridRow(QTableWidget* grid);
    static void clearGridRows(QTableWidget* grid);
    static void setCommentColumn(QTableWidget* grid, bool shown);

    // "Wybierz zmienne": the chooser with the grid's variables not chosen yet.
    void chooseVariables();

private:
    void showPage(int page);
    QWidget* makePage(const QString& heading, QWidget* body);

    Prompts& prompts_;
    QString pictureDirectory_;
    QStackedWidget* pages_;
    QLabel* picture_;
    QPushButton* close_;
    QPushButton* back_;
    QPushButton* forward_;
    QLineEdit* className_;
    QLineEdit* version_;
    QLineEdit* author_;
    QLineEdit* email_;
    QPlainTextEdit* description_;
    QLineEdit* baseClass_;
    QTableWidget* variables_;
    QTableWidget* functions_;
    QRadioButton* intoNew_;
    QRadioButton* intoCurrent_;
    TwoListChooser* chooser_;
    QStringList chosenVariables_;
};

} // namespace wertan
