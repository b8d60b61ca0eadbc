#include "servers/server_control.h"

#include "platform/launcher.h"
#include "platform/prompts.h"
#include "text/win1250.h"

#include <QDir>

namespace wertan {

ServerControl::ServerControl(Environment environment, QObject* parent)
    : QObject(parent), env_(std::move(environment)) {
    connect(&phpServer_, &BuiltInPhpServer::runningChanged, this, &ServerControl::stateChanged);
    connect(&phpServer_, &BuiltInPhpServer::stoppedUnexpectedly, this,
            [this](const QString& reason) { env_.prompts.error(reason); });
}

ServerControl::~ServerControl() {
    phpServer_.blockSignals(true);
    phpServer_.stop();
}

bool ServerControl::readSettings() {
    QString error;
    if (!readDataServerFile(env_.dataFile, &data_, &error) ||
        !readHttpServerFile(env_.httpFile, &http_, &error)) {
        env_.prompts.error(error);
        return false;
    }
    return true;
}

bool ServerControl::writeSettings() {
    QString error;
    if (!writeDataServerFile(env_.dataFile, data_, &error) ||
        !writeHttpServerFile(env_.httpFile, http_, &error)) {
        env_.prompts.error(error);
        return false;
    }
    return true;
}

void ServerControl::autostart() {
    if (http_.apacheAutostart) startApache();
    if (data_.mysqlAutostart) startMysql();
}

void ServerControl::autostartPhpServer() {
    if (http_.phpAutostart && !phpServer_.isRunning()) startPhpServer();
}

void ServerControl::stopAtExit() {
    if (http_.apacheAutostart) stopApache();
    if (data_.mysqlAutostart) stopMysql();
    stopPhpServer();
}

bool ServerControl::launch(const ServerCommand& command) {
    QString error;
    if (env_.launcher.startProgram(command.program, command.arguments, QString(), &error)) return true;
    env_.prompts.error(error.isEmpty() ? QStringLiteral("Nie można uruchomić programu %1.")
                                             .arg(QDir::toNativeSeparators(command.program))
                                       : error);
    return false;
}

void ServerControl::startApache() {
    if (launch(apacheStartCommand(http_))) {
        apacheStarted_ = true;
        emit stateChanged();
    }
}

void ServerControl::stopApache() {
    launch(apacheStopCommand(http_));
    apacheStarted_ = false;
    emit stateChanged();
}

void ServerControl::startCustomHttp() {
    launch(customStartCommand(http_.custom));
}

void ServerControl::stopCustomHttp() {
    launch(customStopCommand(http_.custom));
}

void ServerControl::startMysql() {
    if (launch(mysqlStartCommand(data_))) {
        mysqlStarted_ = true;
        emit stateChanged();
    }
}

void ServerControl::stopMysql() {
    launch(mysqlStopCommand(data_));
    mysqlStarted_ = false;
    emit stateChanged();
}

void ServerControl::startCustomData() {
    launch(customStartCommand(data_.custom));
}

void ServerControl::stopCustomData() {
    launch(customStopCommand(data_.custom));
}

bool ServerControl::startPhpServer() {
    QString error;
    const auto address = serverAddressOf(env_.testUrl ? env_.testUrl() : QString(), &error);
    if (!address) {
        env_.prompts.error(QStringLiteral("Nie można uruchomić wbudowanego serwera PHP.\n") + error);
        return false;
    }
    BuiltInServerConfig config;
    config.phpProgram = fromWin1250(http_.phpProgram).trimmed();
    if (config.phpProgram.isEmpty()) config.phpProgram = QStringLiteral("php");
    config.address = *address;
    config.documentRoot = env_.documentRoot ? env_.documentRoot() : QString();
    config.routerScript = env_.routerScript;
    const BuiltInPhpServer::StartResult result = phpServer_.start(config);
    if (!result.note.isEmpty()) emit note(result.note);
    if (!result.ok) {
        env_.prompts.error(result.error);
        return false;
    }
    return true;
}

bool ServerControl::followSettings() {
    if (!phpServer_.isRunning()) return true;
    const BuiltInServerConfig& running = phpServer_.config();
    const auto address = serverAddressOf(env_.testUrl ? env_.testUrl() : QString(), nullptr);
    const QString root = env_.documentRoot ? env_.documentRoot() : QString();
    if (address && *address == running.address &&
        QDir::cleanPath(root) == QDir::cleanPath(running.documentRoot))
        return true;
    return startPhpServer();
}

void ServerControl::stopPhpServer() {
    phpServer_.stop();
}

QString ServerControl::phpServerState() const {
    const BuiltInServerConfig& c = phpServer_.config();
    if (!phpServer_.isRunning()) return QStringLiteral("Serwer PHP: zatrzymany");
    return QStringLiteral("Serwer PHP: http://%1:%2/ (%3)")
        .arg(c.address.host.contains(QLatin1Char(':')) ? QLatin1Char('[') + c.address.host + QLatin1Char(']')
                                                       : c.address.host)
        .arg(c.address.port)
        .arg(QDir::toNativeSeparators(c.documentRoot));
}

} // namespace wertan
