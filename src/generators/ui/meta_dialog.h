#pragma once
// "Utwórz sekcje <META>": the META lines of a document head.
#include "generators/generator_output.h"
#include "generators/head_generators.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace wertan {

class MetaDialog : public QDialog {
    Q_OBJECT
public:
    MetaDialog(GeneratorOutput output, QWidget* parent);

    void showDialog();
    MetaOptions options() const;
    // "Utwórz sekcje <META>": the lines go to the document, then the dialog closes.
    void createSection();

    QComboBox* charsetBox() const { return charset_; }
    QComboBox* languageBox() const { return language_; }
    QLineEdit* authorEdit() const { return author_; }
    QLineEdit* emailEdit() const { return email_; }
    QDateEdit* dateEdit() const { return date_; }
    QSpinBox* refreshBox() const { return refresh_; }
    QLineEdit* refreshPageEdit() const { return refreshPage_; }
    QPlainTextEdit* descriptionEdit() const { return description_; }
    QPushButton* clearDescriptionButton() const { return clearDescription_; }
    QCheckBox* generatorInfoBox() const { return generatorInfo_; }
    QPushButton* createButton() const { return create_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    GeneratorOutput output_;
    QComboBox* charset_;
    QComboBox* language_;
    QLineEdit* author_;
    QLineEdit* email_;
    QDateEdit* date_;
    QSpinBox* refresh_;
    QLineEdit* refreshPage_;
    QPlainTextEdit* description_;
    QPushButton* clearDescription_;
    QCheckBox* generatorInfo_;
    QPushButton* create_;
    QPushButton* cancel_;
};

} // namespace wertan
