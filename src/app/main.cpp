// The program's entry: welcome window, main window, the other windows, the event loop.
#include "platform/program_paths.h"
#include "platform/qt/qt_keyboard_toggles.h"
#include "platform/qt/qt_launcher.h"
#include "platform/qt/qt_prompts.h"
#include "platform/settings_store.h"
#include "shell/ui/main_window.h"
#include "shell/ui/welcome_window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTabWidget>
#include <QTranslator>
#include <memory>

int main(int argc, char** argv) {
    // Qt WebEngine shares its graphics context with the application's; set before the application.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Wertan PHP"));
    // Qt's own dialogs (file choosers, message box buttons) speak Polish like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    auto welcome = std::make_unique<wertan::WelcomeWindow>();
    welcome->show();
    welcome->repaint();
    QApplication::processEvents();

    QApplication::setApplicationName(QStringLiteral("Wertan PHP"));
    wertan::QtPrompts dialogs;
    // The welcome window steps aside before any message of the start-up appears.
    wertan::WelcomeAwarePrompts prompts(dialogs);
    prompts.setWelcomeWindow(welcome.get());
    wertan::SettingsStore store;
    wertan::QtLauncher launcher;
    wertan::QtKeyboardToggles keyboard;
    wertan::ShellServices services{prompts, store, launcher, keyboard,
                                   wertan::ProgramPaths(QApplication::applicationDirPath())};

    wertan::MainWindow mainWindow(services);
    dialogs.setParent(&mainWindow);
    mainWindow.show();
    mainWindow.repaint();

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    mainWindow.createOtherWindows(arguments);

    welcome.reset();
    mainWindow.toolPages()->setCurrentIndex(0);
    return QApplication::exec();
}
