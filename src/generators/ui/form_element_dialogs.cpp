#include "generators/ui/form_element_dialogs.h"

#include "generators/ui/dialog_fields.h"
#include "generators/ui/value_grid_editor.h"
#include "text/win1250.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace wertan {

namespace {

QFormLayout* addForm(QBoxLayout* fields) {
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    fields->addLayout(form);
    return form;
}

// The "Wartości" group holding a value grid.
ValueGridEditor* addValueGrid(QBoxLayout* fields, const QStringList& headers, const QString& name,
                              QWidget* parent) {
    auto* group = new QGroupBox(QStringLiteral("Wartości"), parent);
    auto* grid = new ValueGridEditor(headers, name, group);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(grid);
    fields->addWidget(group, 1);
    return grid;
}

std::vector<ValueLabel> valueLabelRows(const ValueGridEditor* grid) {
    const std::vector<std::string> values = grid->column(0);
    const std::vector<std::string> labels = grid->column(1);
    std::vector<ValueLabel> rows;
    for (std::size_t i = 0; i < values.size(); ++i)
        rows.push_back({values[i], labels[i]});
    return rows;
}

} // namespace

// ---- Form start ----------------------------------------------------------------------------------

FormStartDialog::FormStartDialog(GeneratorOutput output, QWidget* parent)
    : GeneratorDialog(std::move(output), QStringLiteral("FormInsertBeginHForm"),
                      QStringLiteral("Wstaw początek formularza"), true, parent) {
    QFormLayout* form = addForm(fieldsLayout());
    action_ = makeLineEdit(QStringLiteral("EditAction"), {}, this);
    action_->setMinimumWidth(260);
    method_ = makeComboBox(QStringLiteral("hmMethod"), {QStringLiteral("POST"), QStringLiteral("GET")}, false,
                           this);
    form->addRow(QStringLiteral("Akcja:"), action_);
    form->addRow(QStringLiteral("Metoda:"), method_);
}

GeneratedLines FormStartDialog::generatedLines(bool lower) const {
    return formStartLines({editText(action_), comboText(method_)}, lower);
}

// ---- Text field ----------------------------------------------------------------------------------

TextFieldDialog::TextFieldDialog(GeneratorOutput output, QWidget* parent)
    : GeneratorDialog(std::move(output), QStringLiteral("FormInserthFEdit"),
                      QStringLiteral("Wstaw pole tekstowe"), true, parent) {
    QFormLayout* form = addForm(fieldsLayout());
    name_ = makeLineEdit(QStringLiteral("hmName"), {}, this);
    name_->setMinimumWidth(240);
    value_ = makeLineEdit(QStringLiteral("hmValue"), {}, this);
    form->addRow(QStringLiteral("Nazwa:"), name_);
    form->addRow(QStringLiteral("Domyślna wartość:"), value_);
}

GeneratedLines TextFieldDialog::generatedLines(bool lower) const {
    return textFieldLines({editText(name_), editText(value_)}, lower);
}

// ---- Text area -----------------------------------------------------------------------------------

TextAreaDialog::TextAreaDialog(GeneratorOutput output, QWidget* parent)
    : GeneratorDialog(std::move(output), QStringLiteral("FormInserthFMemo"),
                      QStringLiteral("Wstaw wieloliniowe pole tekstowe "), true, parent) {
    QFormLayout* form = addForm(fieldsLayout());
    name_ = makeLineEdit(QStringLiteral("hmName"), {}, this);
    rows_ = makeLineEdit(QStringLiteral("hmRows"), QStringLiteral("10"), this);
    columns_ = makeLineEdit(QStringLiteral("hmCols"), QStringLiteral("50"), this);
    wrap_ = makeComboBox(
        QStringLiteral("hmComboBoxWarp"),
        {fromWin1250(kNoWrap), QStringLiteral("off"), QStringLiteral("physical"), QStringLiteral("virtual")},
        true, this);
    value_ = new QPlainTextEdit(this);
    value_->setObjectName(QStringLiteral("hmValue"));
    value_->setMinimumSize(280, 90);
    value_->setTabChangesFocus(true);
    form->addRow(QStringLiteral("Nazwa:"), name_);
    form->addRow(QStringLiteral("Rzędów:"), rows_);
    form->addRow(QStringLiteral("Kolumn:"), columns_);
    form->addRow(QStringLiteral("Zawijanie:"), wrap_);
    form->addRow(QStringLiteral("Domyślna wartość:"), value_);
}

GeneratedLines TextAreaDialog::generatedLines(bool lower) const {
    TextAreaOptions options;
    options.name = editText(name_);
    options.rows = editText(rows_);
    options.columns = editText(columns_);
    options.wrap = comboText(wrap_);
    options.defaultLines = memoLines(toWin1250(value_->toPlainText()));
    return textAreaLines(options, lower);
}

// ---- Button --------------------------------------------------------------------------------------

ButtonDialog::ButtonDialog(GeneratorOutput output, QWidget* parent)
    : GeneratorDialog(std::move(output), QStringLiteral("FormInserthFButton"),
                      QStringLiteral("Wstaw przycisk"), false, parent) {
    QFormLayout* form = addForm(fieldsLayout());
    type_ = makeComboBox(QStringLiteral("hmType"), {QStringLiteral("submit"), QStringLiteral("reset")}, true,
                         this);
    type_->setMinimumWidth(200);
    caption_ = makeLineEdit(QStringLiteral("hmValue"), QStringLiteral("Przycisk"), this);
    form->addRow(QStringLiteral("Typ:"), type_);
    form->addRow(QStringLiteral("Napis:"), caption_);
}

GeneratedLines ButtonDialog::generatedLines(bool lower) const {
    return buttonLines({comboText(type_), editText(caption_)}, lower);
}

// ---- Selection list ------------------------------------------------------------------------------

SelectionListDialog::SelectionListDialog(GeneratorOutput output, QWidget* parent)
    : GeneratorDialog(std::move(output), QStringLiteral("FormInserthFComboBox"),
                      QStringLiteral("Wstaw pole wyboru"), true, parent) {
    QFormLayout* form = addForm(fieldsLayout());
    name_ = makeLineEdit(QStringLiteral("hmName"), {}, this);
    size_ = makeComboBox(QStringLiteral("hmSize"), {fromWin1250(kDropDownSize)}, true, this);
    kind_ = makeComboBox(QStringLiteral("hmComboBoxMulti"),
                         {fromWin1250(kSingleSelection), QStringLiteral("Wielopozycyjne")}, false, this);
    form->addRow(QStringLiteral("Nazwa:"), name_);
    form->addRow(QStringLiteral("Wielkość:"), size_);
    form->addRow(QStringLiteral("Rodzaj zaznaczania:"), kind_);
    values_ =
        addValueGrid(fieldsLayout(), {QStringLiteral("Wartość")}, QStringLiteral("StringGridhmValue"), this);
    QFormLayout* chosen = addForm(fieldsLayout());
    selected_ = makeComboBox(QStringLiteral("hmSelected"), {}, false, this);
    chosen->addRow(QStringLiteral("Zaznaczona opcja:"), selected_);

    auto rebuild = [this] { fillChoiceBox(selected_, choiceEntries(values_->column(0))); };
    rebuild();
    connect(values_, &ValueGridEditor::rowsEdited, this, rebuild);
}

GeneratedLines SelectionListDialog::generatedLines(bool lower) const {
    SelectionListOptions options;
    options.name = editText(name_);
    options.size = comboText(size_);
    options.selectionKind = comboText(kind_);
    options.values = values_->column(0);
    options.selected = comboText(selected_);
    return selectionListLines(options, lower);
}

// ---- Check boxes ---------------------------------------------------------------------------------

CheckBoxGroupDialog::CheckBoxGroupDialog(GeneratorOutput output, QWidget* parent)
    : GeneratorDialog(std::move(output), QStringLiteral("FormInserthFCheck"),
                      QStringLiteral("Wstaw pola zaznaczane"), false, parent) {
    QFormLayout* form = addForm(fieldsLayout());
    name_ = makeLineEdit(QStringLiteral("hmName"), {}, this);
    form->addRow(QStringLiteral("Nazwa:"), name_);
    values_ = addValueGrid(fieldsLayout(), {QStringLiteral("Wartość"), QStringLiteral("Napis")},
                           QStringLiteral("StringGridCheck"), this);
    separate_ = new QCheckBox(QStringLiteral("W osobnych liniach"), this);
    separate_->setObjectName(QStringLiteral("hmInsertBR"));
    fieldsLayout()->addWidget(separate_);
}

GeneratedLines CheckBoxGroupDialog::generatedLines(bool lower) const {
    return checkBoxGroupLines({editText(name_), valueLabelRows(values_), separate_->isChecked()}, lower);
}

// ---- Radio group ---------------------------------------------------------------------------------

RadioGroupDialog::RadioGroupDialog(GeneratorOutput output, QWidget* parent)
    : GeneratorDialog(std::move(output), QStringLiteral("FormInserthFRadio"),
                      QStringLiteral("Wstaw grupe polu zaznaczanych"), true, parent) {
    QFormLayout* form = addForm(fieldsLayout());
    name_ = makeLineEdit(QStringLiteral("hmName"), {}, this);
    form->addRow(QStringLiteral("Nazwa:"), name_);
    values_ = addValueGrid(fieldsLayout(), {QStringLiteral("Wartość"), QStringLiteral("Napis")},
                           QStringLiteral("StringGridRadio"), this);
    QFormLayout* chosen = addForm(fieldsLayout());
    selected_ = makeComboBox(QStringLiteral("hmSelected"), {}, false, this);
    chosen->addRow(QStringLiteral("Zaznaczona pozycja:"), selected_);
    separate_ = new QCheckBox(QStringLiteral("W osobnych liniach"), this);
    separate_->setObjectName(QStringLiteral("hmInsertBR"));
    fieldsLayout()->addWidget(separate_);

    auto rebuild = [this] { fillChoiceBox(selected_, choiceEntries(values_->column(0))); };
    rebuild();
    connect(values_, &ValueGridEditor::rowsEdited, this, rebuild);
    connect(values_, &ValueGridEditor::rowsCleared, this, rebuild);
}

GeneratedLines RadioGroupDialog::generatedLines(bool lower) const {
    RadioGroupOptions options;
    options.name = editText(name_);
    options.rows = valueLabelRows(values_);
    options.selected = comboText(selected_);
    options.separateLines = separate_->isChecked();
    return radioGroupLines(options, lower);
}

} // namespace wertan
