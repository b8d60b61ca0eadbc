#include "servers/server_commands.h"

#include "text/win1250.h"

#include <QDir>
#include <QProcess>

namespace wertan {

QString programInFolder(const std::string& folder, const char* name) {
    return fromWin1250(folder) + QDir::separator() + QString::fromLatin1(name);
}

QStringList splitParameters(const QString& parameters) {
    return QProcess::splitCommand(parameters);
}

ServerCommand apacheStartCommand(const HttpServerSettings& s) {
    return {programInFolder(s.apacheFolder, "apachectl"), {QStringLiteral("-k"), QStringLiteral("start")}};
}

ServerCommand apacheStopCommand(const HttpServerSettings& s) {
    return {programInFolder(s.apacheFolder, "apachectl"), {QStringLiteral("-k"), QStringLiteral("stop")}};
}

ServerCommand mysqlStartCommand(const DataServerSettings& s) {
    return {programInFolder(s.mysqlFolder, "mysqld_safe"), {}};
}

ServerCommand mysqlStopCommand(const DataServerSettings& s) {
    return {programInFolder(s.mysqlFolder, "mysqladmin"),
            {QStringLiteral("-u"), QStringLiteral("root"), QStringLiteral("shutdown")}};
}

ServerCommand customStartCommand(const CustomServerPrograms& c) {
    return {fromWin1250(c.startProgram), splitParameters(fromWin1250(c.startParameters))};
}

ServerCommand customStopCommand(const CustomServerPrograms& c) {
    return {fromWin1250(c.stopProgram), splitParameters(fromWin1250(c.stopParameters))};
}

ServerMenuState serverMenuState(const HttpServerSettings& http, const DataServerSettings& data) {
    ServerMenuState m;
    m.apachePair = http.type == HttpServerType::Apache;
    m.customHttpPair = http.type == HttpServerType::Custom;
    m.phpServerPair = http.type == HttpServerType::BuiltInPhp;
    m.mysqlPair = data.type == DataServerType::MySql;
    m.customDataPair = data.type == DataServerType::Custom;
    m.toolBarEnabled = http.type != HttpServerType::Custom && data.type == DataServerType::MySql;
    return m;
}

} // namespace wertan
