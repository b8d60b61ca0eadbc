#pragma once
// The seven dialogs of the form element generators. Each collects an element's attributes and,
// on "Wstaw", hands the element's lines to the document.
#include "generators/ui/generator_dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace wertan {

class ValueGridEditor;

// "Wstaw początek formularza"
class FormStartDialog : public GeneratorDialog {
    Q_OBJECT
public:
    FormStartDialog(GeneratorOutput output, QWidget* parent);
    GeneratedLines generatedLines(bool lowerCaseTags) const override;
    QLineEdit* actionEdit() const { return action_; }
    QComboBox* methodBox() const { return method_; }

private:
    QLineEdit* action_;
    QComboBox* method_;
};

// "Wstaw pole tekstowe"
class TextFieldDialog : public GeneratorDialog {
    Q_OBJECT
public:
    TextFieldDialog(GeneratorOutput output, QWidget* parent);
    GeneratedLines generatedLines(bool lowerCaseTags) const override;
    QLineEdit* nameEdit() const { return name_; }
    QLineEdit* valueEdit() const { return value_; }

private:
    QLineEdit* name_;
    QLineEdit* value_;
};

// "Wstaw wieloliniowe pole tekstowe "
class TextAreaDialog : public GeneratorDialog {
    Q_OBJECT
public:
    TextAreaDialog(GeneratorOutput output, QWidget* parent);
    GeneratedLines generatedLines(bool lowerCaseTags) const override;
    QLineEdit* nameEdit() const { return name_; }
    QLineEdit* rowsEdit() const { return rows_; }
    QLineEdit* columnsEdit() const { return columns_; }
    QComboBox* wrapBox() const { return wrap_; }
    QPlainTextEdit* valueEdit() const { return value_; }

private:
    QLineEdit* name_;
    QLineEdit* rows_;
    QLineEdit* columns_;
    QComboBox* wrap_;
    QPlainTextEdit* value_;
};

// "Wstaw przycisk"
class ButtonDialog : public GeneratorDialog {
    Q_OBJECT
public:
    ButtonDialog(GeneratorOutput output, QWidget* parent);
    GeneratedLines generatedLines(bool lowerCaseTags) const override;
    QComboBox* typeBox() const { return type_; }
    QLineEdit* captionEdit() const { return caption_; }

private:
    QComboBox* type_;
    QLineEdit* caption_;
};

// "Wstaw pole wyboru"
class SelectionListDialog : public GeneratorDialog {
    Q_OBJECT
public:
    SelectionListDialog(GeneratorOutput output, QWidget* parent);
    GeneratedLines generatedLines(bool lowerCaseTags) const override;
    QLineEdit* nameEdit() const { return name_; }
    QComboBox* sizeBox() const { return size_; }
    QComboBox* selectionKindBox() const { return kind_; }
    ValueGridEditor* values() const { return values_; }
    QComboBox* selectedBox() const { return selected_; }

private:
    QLineEdit* name_;
    QComboBox* size_;
    QComboBox* kind_;
    ValueGridEditor* values_;
    QComboBox* selected_;
};

// "Wstaw pola zaznaczane"
class CheckBoxGroupDialog : public GeneratorDialog {
    Q_OBJECT
public:
    CheckBoxGroupDialog(GeneratorOutput output, QWidget* parent);
    GeneratedLines generatedLines(bool lowerCaseTags) const override;
    QLineEdit* nameEdit() const { return name_; }
    ValueGridEditor* values() const { return values_; }
    QCheckBox* separateLinesBox() const { return separate_; }

private:
    QLineEdit* name_;
    ValueGridEditor* values_;
    QCheckBox* separate_;
};

// "Wstaw grupe polu zaznaczanych"
class RadioGroupDialog : public GeneratorDialog {
    Q_OBJECT
public:
    RadioGroupDialog(GeneratorOutput output, QWidget* parent);
    GeneratedLines generatedLines(bool lowerCaseTags) const override;
    QLineEdit* nameEdit() const { return name_; }
    ValueGridEditor* values() const { return values_; }
    QComboBox* selectedBox() const { return selected_; }
    QCheckBox* separateLinesBox() const { return separate_; }

private:
    QLineEdit* name_;
    ValueGridEditor* values_;
    QComboBox* selected_;
    QCheckBox* separate_;
};

} // namespace wertan
