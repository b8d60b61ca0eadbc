#pragma once
// Small pieces the project dialogs share.
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace wertan::projects_ui {

// A hint written as "short|long": the short part as the tool tip, the long part as the status tip.
// A hint without a bar is both.
void setHint(QWidget* widget, const QString& hint);
// A push button with its object name and hint.
QPushButton* button(const QString& caption, const char* name, const QString& hint, QWidget* parent);
// The red note of a dialog: a bold "UWAGA!" above the text.
QWidget* redNote(const QString& text, QWidget* parent);

} // namespace wertan::projects_ui
