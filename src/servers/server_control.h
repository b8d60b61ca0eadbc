#pragma once
// The local servers for the whole run: their settings, read from and written to the two settings
// files, the start and stop commands, the automatic start with the program and the stop at its
// end. Apache, mySQL and custom servers are separate programs started through the launcher; the
// built-in PHP server is a process the program owns.
#include "servers/builtin_php_server.h"
#include "servers/server_commands.h"
#include "servers/server_settings.h"

#include <QObject>
#include <functional>

namespace wertan {

class Launcher;
class Prompts;

class ServerControl : public QObject {
    Q_OBJECT
public:
    struct Environment {
        Launcher& launcher;
        Prompts& prompts;
        QString httpFile;     // config\httpserv\path.dat
        QString dataFile;     // config\dataserv\path.dat
        QString routerScript; // the built-in server's router
        std::function<QString()> documentRoot;
        std::function<QString()> testUrl;
    };
    explicit ServerControl(Environment environment, QObject* parent = nullptr);
    ~ServerControl() override;

    HttpServerSettings& http() { return http_; }
    DataServerSettings& data() { return data_; }
    const HttpServerSettings& http() const { return http_; }
    const DataServerSettings& data() const { return data_; }
    ServerMenuState menuState() const { return serverMenuState(http_, data_); }

    // Reads the database file, then the HTTP file. The first error is reported and ends the
    // reading; false then (the menu is not adjusted and nothing starts automatically).
    bool readSettings();
    // Writes both files in the shapes of the current types; false after reporting an error.
    bool writeSettings();
    // Starts Apache and mySQL when their automatic start is on (whatever the types).
    void autostart();
    // Starts the built-in PHP server when its automatic start is on. Run once the document root
    // is known.
    void autostartPhpServer();
    // The program ends: the stop commands of Apache and mySQL when their automatic start is on,
    // and the built-in PHP server ends.
    void stopAtExit();

    void startApache();
    void stopApache();
    void startCustomHttp();
    void stopCustomHttp();
    void startMysql();
    void stopMysql();
    void startCustomData();
    void stopCustomData();
    // Starts (or restarts) the built-in server at the test address over the document root; false
    // after reporting why it could not start.
    bool startPhpServer();
    void stopPhpServer();
    // A running built-in server follows the document root and the test address: it is started
    // again when either has changed since it started. False when the restart failed.
    bool followSettings();

    bool apacheStarted() const { return apacheStarted_; }
    bool mysqlStarted() const { return mysqlStarted_; }
    BuiltInPhpServer& phpServer() { return phpServer_; }
    // The built-in server's state in a line for the tool window.
    QString phpServerState() const;

signals:
    // A start or stop changed what the program has started.
    void stateChanged();
    // A note for the status bar (e.g. the document root was created).
    void note(const QString& text);

private:
    bool launch(const ServerCommand& command);

    Environment env_;
    HttpServerSettings http_;
    DataServerSettings data_;
    bool apacheStarted_ = false;
    bool mysqlStarted_ = false;
    BuiltInPhpServer phpServer_;
};

} // namespace wertan
