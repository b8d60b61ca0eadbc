#pragma once
// The options dialog "Konfiguracja Wertan PHP": the browser program, the document root, the case of
// inserted tags and the two coding conversions, kept in config\prog.dat2 and published into the
// shell settings. Created once at start-up; only shown and hidden afterwards.
#include "settings/program_options.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace wertan {

class Prompts;
struct ShellSettings;

class ProgramOptionsDialog : public QDialog {
    Q_OBJECT
public:
    ProgramOptionsDialog(ShellSettings& settings, Prompts& prompts, QString filePath,
                         QWidget* parent = nullptr);

    // The creation step: the file read into the fields and published into the shell settings.
    void createStep();
    // "&Opcje...": the fields re-read from the file, then the dialog shown modally. A missing file
    // is written anew after its message, and the dialog stays closed.
    void open() override;
    // "&OK": the fields published and written; the dialog closes unless the write fails.
    void confirm();
    // "&Anuluj": the fields re-read from the file; the dialog closes.
    void cancel();

    // The fields as plain values, and back.
    ProgramOptionsForm form() const;
    void setForm(const ProgramOptionsForm& form);

    QLineEdit* browserField() const { return browser_; }
    QLineEdit* documentRootField() const { return documentRoot_; }
    QRadioButton* upperCaseButton() const { return upper_; }
    QRadioButton* lowerCaseButton() const { return lower_; }
    QCheckBox* openConversionBox() const { return openBox_; }
    QComboBox* openConversionList() const { return openList_; }
    QCheckBox* saveConversionBox() const { return saveBox_; }
    QComboBox* saveConversionList() const { return saveList_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    // The four bands' expanded states, in order.
    QList<bool> bandsExpanded() const;

    // Escape does not leave the dialog; only its two buttons do.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // LoadProgramOptions with its message and error shown; true when the file was there and read.
    ProgramOptionsLoadResult load();
    void publish(const ProgramOptionsForm& form);
    void browseBrowser();
    void browseDocumentRoot();

    ShellSettings& settings_;
    Prompts& prompts_;
    QString filePath_;
    QList<QWidget*> bands_;
    QLineEdit* browser_;
    QLineEdit* documentRoot_;
    QRadioButton* upper_;
    QRadioButton* lower_;
    QCheckBox* openBox_;
    QComboBox* openList_;
    QCheckBox* saveBox_;
    QComboBox* saveList_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace wertan
