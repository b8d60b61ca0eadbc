#pragma once
// The program's windows other than the main window, created once at start-up in a fixed order.
#include <QStringList>

namespace wertan {

class MainWindow;

// Creates the other windows (hidden) and runs their creation steps in the program's order; they
// live as children of the main window for the whole run.
void createProgramWindows(MainWindow& main, const QStringList& arguments);

// The HTML generators: table, form elements, document type, META, font, and the colour command.
void createGeneratorsWindows(MainWindow& main);

// The class library: the class pages of the tool area, the preprocessing panel, the class wizard.
void createClasslibWindows(MainWindow& main);

} // namespace wertan
