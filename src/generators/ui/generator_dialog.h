#pragma once
// The frame shared by the generator dialogs: the fields above, "Wstaw" and "Anuluj" below. The
// dialog is made once and only shown and hidden, so its fields keep their values for the run.
#include "generators/generator_output.h"

#include <QDialog>

class QBoxLayout;
class QPushButton;

namespace wertan {

class GeneratorDialog : public QDialog {
    Q_OBJECT
public:
    QPushButton* insertButton() const { return insert_; }
    QPushButton* cancelButton() const { return cancel_; }

    // Shows the dialog without blocking (or brings it forward when it is shown already).
    void showDialog();
    // "Wstaw": the generated lines go to the document one by one, then the dialog closes.
    virtual void insertAndClose();
    // The lines for the current field values.
    virtual GeneratedLines generatedLines(bool lowerCaseTags) const = 0;

protected:
    // stayOnTop: the dialog stays over the main window while both are shown.
    GeneratorDialog(GeneratorOutput output, const QString& objectName, const QString& title, bool stayOnTop,
                    QWidget* parent);
    // The layout the fields go into, above the buttons.
    QBoxLayout* fieldsLayout() const { return fields_; }
    const GeneratorOutput& output() const { return output_; }

private:
    GeneratorOutput output_;
    QBoxLayout* fields_;
    QPushButton* insert_;
    QPushButton* cancel_;
};

} // namespace wertan
