#pragma once
// The class catalogue's dialogs: the class manager "Zarządca klas", the add-class dialog
// "Dodaj nową klase" and the create-init-file dialog "Utwórz plik inincjujący klase".
#include "classlib/class_catalogue.h"
#include "classlib/class_manager.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace wertan {

class Prompts;

class ClassManagerDialog : public QDialog {
    Q_OBJECT
public:
    // Edits `catalogue` in place; "&OK" writes it to `cataloguePath`.
    ClassManagerDialog(std::vector<ClassTab>& catalogue, QString cataloguePath, Prompts& prompts,
                       QWidget* parent = nullptr);

    // Shows the manager (modal) with the edited tab as it is in memory.
    void showManager();

    ClassManagerModel& model() { return model_; }
    QComboBox* tabList() const { return tabList_; }
    QTableWidget* grid() const { return grid_; }
    QPushButton* addClassButton() const { return addClass_; }
    QPushButton* removeClassButton() const { return removeClass_; }
    QPushButton* addTabButton() const { return addTab_; }
    QPushButton* removeTabButton() const { return removeTab_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QFrame* addTabPanel() const { return addTabPanel_; }
    QLineEdit* tabNameInput() const { return tabName_; }
    QPushButton* confirmTabButton() const { return confirmTab_; }
    QPushButton* cancelTabButton() const { return cancelTab_; }
    QFrame* removeTabPanel() const { return removeTabPanel_; }
    QPushButton* yesButton() const { return yes_; }
    QPushButton* noButton() const { return no_; }

    // The grid's texts into the model's rows.
    void takeTable();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillTabList();
    void fillGrid();
    void hidePanels();
    void chooseTab(int index);
    void addClass();
    void removeClass();
    void confirmAddTab();
    void confirmRemoveTab();
    void rowDragged(int logical, int oldVisual, int newVisual);
    void confirm();

    QString cataloguePath_;
    Prompts& prompts_;
    ClassManagerModel model_;
    QComboBox* tabList_;
    QTableWidget* grid_;
    QPushButton* addClass_;
    QPushButton* removeClass_;
    QPushButton* addTab_;
    QPushButton* removeTab_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QFrame* addTabPanel_;
    QLineEdit* tabName_;
    QPushButton* confirmTab_;
    QPushButton* cancelTab_;
    QFrame* removeTabPanel_;
    QPushButton* yes_;
    QPushButton* no_;
};

class AddClassDialog : public QDialog {
    Q_OBJECT
public:
    AddClassDialog(std::vector<ClassTab>& catalogue, QString programDirectory, Prompts& prompts,
                   QWidget* parent = nullptr);

    // Fills the tab list from the catalogue (the first tab chosen) and shows the dialog (modal).
    void showDialog();
    // The file chooser for the init file.
    void chooseFile();
    // "&Dodaj": the class joins the catalogue in memory; its files are copied into the library.
    void add();

    QLineEdit* fileInput() const { return file_; }
    QComboBox* tabList() const { return tabList_; }
    QCheckBox* automaticBox() const { return automatic_; }
    QPushButton* addButton() const { return add_; }

private:
    std::vector<ClassTab>& catalogue_;
    QString programDirectory_;
    Prompts& prompts_;
    QLineEdit* file_;
    QComboBox* tabList_;
    QCheckBox* automatic_;
    QPushButton* add_;
};

class CreateInitFileDialog : public QDialog {
    Q_OBJECT
public:
    // addToProject copies the template with its attachments into a folder (and lists them in the
    // open project); false when the template was not copied. It tells the user about its faults.
    CreateInitFileDialog(Prompts& prompts,
                         std::function<bool(const QString& dir, const QString& source)> addToProject,
                         QWidget* parent = nullptr);

    void showDialog();
    void choosePicture();
    void chooseTemplate();
    void chooseTarget();
    // "&OK": copies the files into the target folder and writes the init file there.
    void create();

    QComboBox* typeInput() const { return type_; }
    QLineEdit* nameInput() const { return name_; }
    QComboBox* tabInput() const { return tab_; }
    QLineEdit* pictureInput() const { return picture_; }
    QLineEdit* templateInput() const { return template_; }
    QLineEdit* targetInput() const { return target_; }
    QPushButton* okButton() const { return ok_; }

private:
    Prompts& prompts_;
    std::function<bool(const QString&, const QString&)> addToProject_;
    QComboBox* type_;
    QLineEdit* name_;
    QComboBox* tab_;
    QLineEdit* picture_;
    QLineEdit* template_;
    QLineEdit* target_;
    QPushButton* ok_;
};

} // namespace wertan
