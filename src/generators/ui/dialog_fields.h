#pragma once
// Small helpers the generator views share to build their fields.
#include "generators/form_elements.h"

#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QWidget;

namespace wertan {

QLineEdit* makeLineEdit(const QString& objectName, const QString& text, QWidget* parent);
// A drop-down list; editable lets the user type a text that is not in it.
QComboBox* makeComboBox(const QString& objectName, const QStringList& items, bool editable, QWidget* parent);
// The list's entries replaced; the first one shown.
void fillChoiceBox(QComboBox* box, const std::vector<std::string>& entries);
// A list's current text as Windows-1250 bytes.
std::string comboText(const QComboBox* box);
std::string editText(const QLineEdit* edit);

} // namespace wertan
