#include "generators/ui/dialog_fields.h"

#include "text/win1250.h"

#include <QComboBox>
#include <QLineEdit>

namespace wertan {

QLineEdit* makeLineEdit(const QString& objectName, const QString& text, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(objectName);
    return edit;
}

QComboBox* makeComboBox(const QString& objectName, const QStringList& items, bool editable, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setEditable(editable);
    if (editable) box->setInsertPolicy(QComboBox::NoInsert); // a typed text is used, not added
    box->addItems(items);
    box->setCurrentIndex(items.isEmpty() ? -1 : 0);
    return box;
}

void fillChoiceBox(QComboBox* box, const std::vector<std::string>& entries) {
    box->clear();
    for (const std::string& entry : entries)
        box->addItem(fromWin1250(entry));
    box->setCurrentIndex(entries.empty() ? -1 : 0);
}

std::string comboText(const QComboBox* box) {
    return toWin1250(box->currentText());
}

std::string editText(const QLineEdit* edit) {
    return toWin1250(edit->text());
}

} // namespace wertan
