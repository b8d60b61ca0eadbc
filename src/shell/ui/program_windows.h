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

// The FTP site list and options, the remote browser and its commands; remote documents are
// stored back through it.
void createFtpWindows(MainWindow& main);
// The project windows: new project, directories, insert directory, add and remove file, project
// files; the project commands and the workspace's project hooks.
void createProjectsWindows(MainWindow& main);
// The about box, and the self-test window, whose test runs as it is made.
void createSelfTestWindows(MainWindow& main);
// The PHP hint window and the "Funkcje" window with the PHP 3 catalogue.
void createCatalogueWindows(MainWindow& main);
// The class library: the class pages of the tool area, the preprocessing panel, the class wizard.
void createClasslibWindows(MainWindow& main);

} // namespace wertan
