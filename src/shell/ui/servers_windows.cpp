// The local servers' windows and commands: the server control with its two settings files, the
// "Serwery" tool window, the configuration dialog and the "Serwery" menu's commands.
#include "platform/prompts.h"
#include "servers/server_control.h"
#include "servers/ui/server_config_dialog.h"
#include "servers/ui/servers_tool_window.h"
#include "shell/ui/docking.h"
#include "shell/ui/main_window.h"
#include "shell/ui/program_windows.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace wertan {

namespace {

// A note in the main window's hint panel.
void statusNote(MainWindow& main, const QString& text) {
    QStatusTipEvent tip(text);
    QApplication::sendEvent(&main, &tip);
}

class ServersWiring : public QObject {
public:
    ServersWiring(MainWindow& main, ServerControl* control, ServersToolWindow* tool,
                  ServerConfigDialog* dialog)
        : QObject(&main), main_(main), control_(control), tool_(tool), dialog_(dialog) {}

    QAction* action(const char* name) const { return main_.action(QString::fromLatin1(name)); }

    // The pairs that fit the types are visible; "Pasek narzędzi" is enabled while the tool window's
    // buttons fit the types.
    void adjustMenu() {
        const ServerMenuState m = control_->menuState();
        for (const auto& [name, visible] :
             {std::pair{"ActApacheStart", m.apachePair}, std::pair{"ActKillApache", m.apachePair},
              std::pair{"ActHTTPStart", m.customHttpPair}, std::pair{"ActHTTPKill", m.customHttpPair},
              std::pair{"ActPHPServerStart", m.phpServerPair}, std::pair{"ActPHPServerKill", m.phpServerPair},
              std::pair{"ActmySQLStart", m.mysqlPair}, std::pair{"ActmySQLKill", m.mysqlPair},
              std::pair{"ActDATAStart", m.customDataPair}, std::pair{"ActDATAKill", m.customDataPair}})
            action(name)->setVisible(visible);
        action("MenuServers_ToolBar")->setEnabled(m.toolBarEnabled);
        const bool php = m.phpServerPair;
        tool_->setCommands({action(php ? "ActPHPServerStart" : "ActApacheStart"),
                            action(php ? "ActPHPServerKill" : "ActKillApache"), action("ActmySQLKill"),
                            action("ActmySQLStart"), action("ActOptions")},
                           php);
        refreshState();
    }

    // Apache and mySQL are programs of their own whose state the program does not know: their
    // buttons stay enabled. The built-in server's state is known: only the fitting button is.
    void refreshState() {
        const bool running = control_->phpServer().isRunning();
        action("ActPHPServerStart")->setEnabled(!running);
        action("ActPHPServerKill")->setEnabled(running);
        const bool php = control_->http().type == HttpServerType::BuiltInPhp;
        tool_->setButtonsEnabled(php ? !running : true, php ? running : true, true, true);
        tool_->setStateLine(control_->phpServerState());
    }

    void toggleToolBar() {
        QAction* item = action("MenuServers_ToolBar");
        // The item is checkable: its check has already flipped.
        if (!item->isChecked()) {
            tool_->close();
        } else {
            dockWindow(main_, tool_);
        }
    }

    MainWindow& main_;
    ServerControl* control_;
    ServersToolWindow* tool_;
    ServerConfigDialog* dialog_;
};

void autostartWhenIdle(ServerControl* control, int delayMs = 0) {
    QTimer::singleShot(delayMs, control, [control] {
        if (QApplication::activeModalWidget())
            autostartWhenIdle(control, 200);
        else
            control->autostartPhpServer();
    });
}

} // namespace

void createServersWindows(MainWindow& main) {
    ShellServices& services = main.services();
    ShellSettings& settings = main.settings();
    auto* control = new ServerControl({services.launcher, services.prompts,
                                       services.paths.file(QStringLiteral("config\\httpserv\\path.dat")),
                                       services.paths.file(QStringLiteral("config\\dataserv\\path.dat")),
                                       services.paths.file(QStringLiteral("config\\httpserv\\router.php")),
                                       [&settings] { return settings.documentRoot; },
                                       [&settings] { return settings.testUrl; }},
                                      &main);
    control->setObjectName(QStringLiteral("ServerControl"));
    auto* tool = new ServersToolWindow(&main);
    tool->hide();
    auto* dialog = new ServerConfigDialog(services.prompts, &main);
    auto* wiring = new ServersWiring(main, control, tool, dialog);

    // The "Serwery" menu: the HTTP pairs, the database pairs, "Opcje...", "Pasek narzędzi", each
    // group after a separator.
    if (QMenu* menu = main.menu(QStringLiteral("MenuServers"))) {
        menu->insertSeparator(main.action(QStringLiteral("ActmySQLStart")));
        menu->insertSeparator(main.action(QStringLiteral("ActOptions")));
        menu->insertSeparator(main.action(QStringLiteral("MenuServers_ToolBar")));
    }
    QAction* toolBar = main.action(QStringLiteral("MenuServers_ToolBar"));
    toolBar->setCheckable(true);
    toolBar->setStatusTip(QStringLiteral("Pokazuje pasek z przyciskami do obsługi serwerów."));
    main.setCommandHandler(QStringLiteral("MenuServers_ToolBar"), [wiring] { wiring->toggleToolBar(); });
    QObject::connect(tool, &ServersToolWindow::closed, toolBar, [toolBar] { toolBar->setChecked(false); });

    const std::pair<const char*, void (ServerControl::*)()> commands[] = {
        {"ActApacheStart", &ServerControl::startApache},    {"ActKillApache", &ServerControl::stopApache},
        {"ActHTTPStart", &ServerControl::startCustomHttp},  {"ActHTTPKill", &ServerControl::stopCustomHttp},
        {"ActmySQLStart", &ServerControl::startMysql},      {"ActmySQLKill", &ServerControl::stopMysql},
        {"ActDATAStart", &ServerControl::startCustomData},  {"ActDATAKill", &ServerControl::stopCustomData},
        {"ActPHPServerKill", &ServerControl::stopPhpServer}};
    for (const auto& [name, member] : commands)
        main.setCommandHandler(QString::fromLatin1(name), [control, member] { (control->*member)(); });
    main.setCommandHandler(QStringLiteral("ActPHPServerStart"), [control] { control->startPhpServer(); });
    main.setCommandHandler(QStringLiteral("ActOptions"), [dialog] {
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    });
    dialog->onConfirm = [control, wiring](const HttpServerSettings& http, const DataServerSettings& data) {
        control->http() = http;
        control->data() = data;
        if (!control->writeSettings()) return false;
        // Another HTTP type hides the built-in server's commands: a running one ends now rather than
        // hold its port out of the user's reach.
        if (http.type != HttpServerType::BuiltInPhp) control->stopPhpServer();
        wiring->adjustMenu();
        return true;
    };
    QObject::connect(control, &ServerControl::stateChanged, wiring, [wiring] { wiring->refreshState(); });
    QObject::connect(control, &ServerControl::note, &main, [&main, tool, control](const QString& text) {
        statusNote(main, text);
        tool->setStateLine(control->phpServerState() + QLatin1Char('\n') + text);
    });

    // Reading: a file that cannot be read is reported and ends the reading; the menu then stays
    // as it is and nothing starts by itself.
    const bool read = control->readSettings();
    dialog->setFields(control->http(), control->data());
    wiring->refreshState();
    if (read) {
        wiring->adjustMenu();
        control->autostart();
        // The built-in server serves the document root, which the program options give later in
        // the start-up: it starts once the windows are made and no start-up message is open.
        autostartWhenIdle(control);
    }
    // Before a preview the built-in server catches up with a changed document root or test address.
    QObject::connect(main.mainPageControl(), &QTabWidget::currentChanged, control, [control](int index) {
        if (index == 1) control->followSettings();
    });
    // The servers with automatic start stop with the program, and the built-in server ends.
    QObject::connect(&main, &MainWindow::closing, control, &ServerControl::stopAtExit);
}

} // namespace wertan
