#pragma once
// The two peers of the FTP client tests: a real server (pyftpdlib) in a child process, and a
// small scripted server in this process for what a real server will not do on demand.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <memory>

namespace wertan::test {

// pyftpdlib serving a folder on loopback (127.0.0.1 unless told otherwise) at a free port, run by Debian's
// /usr/bin/python3. Users: "wertan" with password "tajne"; "bezhasla", logged in at USER. Faults
// are the server script's options ("--no-rename", "--read-only", "sub", "--drop-stor-after", "1000").
class PyFtpServer {
public:
    explicit PyFtpServer(const QString& root, const QString& host = QStringLiteral("127.0.0.1"),
                         const QStringList& faults = {});
    ~PyFtpServer();
    PyFtpServer(const PyFtpServer&) = delete;
    PyFtpServer& operator=(const PyFtpServer&) = delete;

    bool running() const { return port_ != 0; }
    quint16 port() const { return port_; }
    // Why the server did not start (empty when it runs).
    QString error() const { return error_; }

private:
    QProcess process_;
    quint16 port_ = 0;
    QString error_;
};

// One control connection to the scripted server, with its data connection.
class ScriptedSession : public QObject {
    Q_OBJECT

public:
    explicit ScriptedSession(QTcpSocket* control);

    void reply(const QByteArray& bytes);
    void closeControl();
    // Opens the data connection the client asked for (to its PORT address, or by accepting on
    // the passive port) and calls onOpen once it is up.
    void openData(std::function<void(QTcpSocket*)> onOpen);
    void closeData(); // a normal close after the data has gone out
    void dropData();  // an abrupt close
    // Starts listening for a passive data connection; returns the port.
    quint16 listenPassive();
    // Bytes received on the data connection; onDataClosed runs when the client closes it.
    QByteArray storedBytes;
    std::function<void()> onDataClosed;

    QTcpSocket* control() const { return control_; }
    QTcpSocket* data() const { return data_; }

    std::function<void(const QByteArray&)> onCommand;

private:
    void readControl();
    void attachData(QTcpSocket* socket);

    QPointer<QTcpSocket> control_;
    QPointer<QTcpSocket> data_;
    QPointer<QTcpServer> passive_;
    QByteArray pending_;
    QString portHost_;
    quint16 portPort_ = 0;
    std::function<void(QTcpSocket*)> pendingOpen_;
};

// A server on 127.0.0.1 at a free port that greets with given bytes and hands every command
// line to a handler. Without a handler, it answers as a plain server: USER 331, PASS 230,
// QUIT 221 and closes, PORT 200, TYPE 200, anything else 502.
class ScriptedFtpServer : public QObject {
    Q_OBJECT

public:
    ScriptedFtpServer();
    quint16 port() const { return server_.serverPort(); }

    QByteArray greeting = "220 Serwer testowy gotowy\r\n";
    // Called for every command line (without its CR LF); return false to fall back to the
    // default answer.
    std::function<bool(ScriptedSession&, const QByteArray&)> onCommand;
    // Every command line received, in order.
    QList<QByteArray> commands;
    ScriptedSession* session() const { return sessions_.isEmpty() ? nullptr : sessions_.last(); }

private:
    void accept();
    void answerByDefault(ScriptedSession& session, const QByteArray& command);

    QTcpServer server_;
    QList<QPointer<ScriptedSession>> sessions_;
};

} // namespace wertan::test
