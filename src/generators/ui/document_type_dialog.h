#pragma once
// "Okreś wersje HTML'a:": one of seven document type declarations put at the caret as it stands.
#include "generators/generator_output.h"

#include <QDialog>

class QComboBox;
class QPushButton;

namespace wertan {

class DocumentTypeDialog : public QDialog {
    Q_OBJECT
public:
    DocumentTypeDialog(GeneratorOutput output, QWidget* parent);

    // Shows the dialog modally without blocking the caller.
    void showDialog();
    // "OK": the chosen declaration goes to the caret, then the dialog closes.
    void insertAndClose();

    QComboBox* versionBox() const { return versions_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    GeneratorOutput output_;
    QComboBox* versions_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace wertan
