#pragma once
// Tool windows in the main window's docking area: a docked window fills the area under a small
// caption with buttons to float it and to close it; a floating window is a tool window of its own
// above the main window. Closing a docked window hides its caption too.
class QWidget;

namespace wertan {

class MainWindow;

// Puts the window into the docking area (it is shown only while the area is shown).
void dockWindow(MainWindow& main, QWidget* window);
// Takes the window out of the docking area (if it is there) and shows it floating.
void floatWindow(MainWindow& main, QWidget* window);
bool isDocked(const QWidget* window);

} // namespace wertan
