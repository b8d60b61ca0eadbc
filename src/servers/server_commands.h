#pragma once
// The programs that start and stop the local servers, and which of the "Serwery" menu's commands
// fit the servers' types. Programs are started without a shell: the parameters are split into
// arguments here and never interpreted.
#include "servers/server_settings.h"

#include <QString>
#include <QStringList>

namespace wertan {

struct ServerCommand {
    QString program;
    QStringList arguments;
    bool operator==(const ServerCommand&) const = default;
};

// Apache: the folder's apachectl with "-k start" and "-k stop".
ServerCommand apacheStartCommand(const HttpServerSettings& settings);
ServerCommand apacheStopCommand(const HttpServerSettings& settings);
// mySQL: the folder's mysqld_safe, and its mysqladmin with "-u root shutdown".
ServerCommand mysqlStartCommand(const DataServerSettings& settings);
ServerCommand mysqlStopCommand(const DataServerSettings& settings);
// A custom server: the program with its parameters split into arguments.
ServerCommand customStartCommand(const CustomServerPrograms& programs);
ServerCommand customStopCommand(const CustomServerPrograms& programs);

// Splits a parameter text into arguments: spaces separate them, double quotes group words, three
// double quotes in a row stand for one quote character. Nothing else is special.
QStringList splitParameters(const QString& parameters);

// The folder followed by a separator and the program's name; a doubled separator is kept.
QString programInFolder(const std::string& folder, const char* name);

// Which commands of the "Serwery" menu and the tool window are shown.
struct ServerMenuState {
    bool apachePair = false;     // "Uruchom Apache Server", "Zakończ Apache Server"
    bool customHttpPair = false; // "Uruchom HTTP Serwer", "Zakończ HTTP serwer"
    bool phpServerPair = false;  // the built-in PHP server's pair
    bool mysqlPair = false;      // "Uruchom mySQL Server", "Zakończ mySQL Server"
    bool customDataPair = false; // "Uruchom serwer danych", "Zakończ serwer danych"
    bool toolBarEnabled = false; // "Pasek narzędzi": its window carries the Apache (or PHP) and mySQL buttons
    bool operator==(const ServerMenuState&) const = default;
};
ServerMenuState serverMenuState(const HttpServerSettings& http, const DataServerSettings& data);

} // namespace wertan
