#include "test_servers.h"

#include <QDeadlineTimer>

namespace wertan::test {

// ---------------------------------------------------------------------------------------------
// pyftpdlib

PyFtpServer::PyFtpServer(const QString& root, const QString& host, const QStringList& faults) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral("/usr/bin/python3"),
                   QStringList{QStringLiteral(WERTAN_FTP_TEST_DIR "/ftp_test_server.py"),
                               QStringLiteral("--root"), root, QStringLiteral("--host"), host} +
                       faults);
    if (!process_.waitForStarted(10000)) {
        error_ = QStringLiteral("nie można uruchomić /usr/bin/python3: ") + process_.errorString();
        return;
    }
    QByteArray line;
    QDeadlineTimer deadline(20000);
    while (!line.contains('\n') && !deadline.hasExpired()) {
        if (!process_.waitForReadyRead(int(deadline.remainingTime()))) break;
        line += process_.readAllStandardOutput();
    }
    if (!line.startsWith("PORT ")) {
        error_ = QStringLiteral("pyftpdlib nie podał portu: ") + QString::fromLocal8Bit(line);
        return;
    }
    port_ = quint16(line.mid(5).trimmed().toUInt());
}

PyFtpServer::~PyFtpServer() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.closeWriteChannel(); // the server ends when its input closes
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

// ---------------------------------------------------------------------------------------------
// The scripted server

ScriptedSession::ScriptedSession(QTcpSocket* control) : control_(control) {
    control->setParent(this);
    connect(control, &QTcpSocket::readyRead, this, &ScriptedSession::readControl);
}

void ScriptedSession::reply(const QByteArray& bytes) {
    if (control_) control_->write(bytes);
}

void ScriptedSession::closeControl() {
    if (control_) control_->disconnectFromHost();
    dropData();
}

void ScriptedSession::readControl() {
    pending_ += control_->readAll();
    qsizetype end;
    while ((end = pending_.indexOf("\r\n")) >= 0) {
        const QByteArray command = pending_.left(end);
        pending_.remove(0, end + 2);
        if (command.startsWith("PORT ")) {
            const QList<QByteArray> parts = command.mid(5).split(',');
            if (parts.size() == 6) {
                portHost_ = QString::fromLatin1(parts[0] + '.' + parts[1] + '.' + parts[2] + '.' + parts[3]);
                portPort_ = quint16(parts[4].toUInt() * 256 + parts[5].toUInt());
            }
        }
        if (onCommand) onCommand(command);
        if (!control_) return;
    }
}

quint16 ScriptedSession::listenPassive() {
    passive_ = new QTcpServer(this);
    passive_->listen(QHostAddress::LocalHost, 0);
    connect(passive_, &QTcpServer::newConnection, this, [this] {
        attachData(passive_->nextPendingConnection());
        passive_->close();
        if (pendingOpen_) std::exchange(pendingOpen_, nullptr)(data_);
    });
    return passive_->serverPort();
}

void ScriptedSession::openData(std::function<void(QTcpSocket*)> onOpen) {
    if (passive_) {
        if (data_)
            onOpen(data_);
        else
            pendingOpen_ = std::move(onOpen);
        return;
    }
    auto* socket = new QTcpSocket(this);
    attachData(socket);
    connect(socket, &QTcpSocket::connected, this, [socket, onOpen] { onOpen(socket); });
    socket->connectToHost(portHost_, portPort_);
}

void ScriptedSession::attachData(QTcpSocket* socket) {
    data_ = socket;
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { storedBytes += socket->readAll(); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        if (socket->isOpen()) storedBytes += socket->readAll();
        if (onDataClosed) onDataClosed();
    });
}

void ScriptedSession::closeData() {
    if (data_) data_->disconnectFromHost();
}

void ScriptedSession::dropData() {
    if (data_) data_->abort();
}

ScriptedFtpServer::ScriptedFtpServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, &ScriptedFtpServer::accept);
}

void ScriptedFtpServer::accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        auto* session = new ScriptedSession(socket);
        session->setParent(this);
        sessions_.append(session);
        session->onCommand = [this, session](const QByteArray& command) {
            commands.append(command);
            if (!onCommand || !onCommand(*session, command)) answerByDefault(*session, command);
        };
        session->reply(greeting);
    }
}

void ScriptedFtpServer::answerByDefault(ScriptedSession& session, const QByteArray& command) {
    const qsizetype space = command.indexOf(' ');
    const QByteArray verb = (space < 0 ? command : command.left(space)).toUpper();
    if (verb == "USER")
        session.reply("331 Podaj haslo\r\n");
    else if (verb == "PASS")
        session.reply("230 Zalogowano\r\n");
    else if (verb == "QUIT") {
        session.reply("221 Do widzenia\r\n");
        session.closeControl();
    } else if (verb == "PORT" || verb == "TYPE")
        session.reply("200 OK\r\n");
    else
        session.reply("502 Nie znam\r\n");
}

} // namespace wertan::test
