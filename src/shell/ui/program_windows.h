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
// The local servers: their settings files, the "Serwery" tool window and configuration dialog, the
// "Serwery" menu's commands, the automatic start and the stop at exit.
void createServersWindows(MainWindow& main);
// The browser of the "Przeglądaj" page with the preview, the browser menu, the mini browser and the
// help commands.
void createBrowserWindows(MainWindow& main);

} // namespace wertan
