#pragma once
// PHP's built-in web server, started and stopped by the program itself: it serves the document
// root at the host and port of the test address, with a router script that runs .php3, .php4,
// .php, .phtml and .inc pages as PHP. The program owns the process and ends it when it stops or
// goes away, so no server is left behind.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class QProcess;

namespace wertan {

// Where the server listens: the host and port of an http address (port 80 when it names none).
struct ServerAddress {
    QString host;
    int port = 80;
    bool operator==(const ServerAddress&) const = default;
};
// The address the server takes from the test address; nothing, with a Polish reason, when the test
// address is not an http address with a host.
std::optional<ServerAddress> serverAddressOf(const QString& testUrl, QString* error);

struct BuiltInServerConfig {
    QString phpProgram = QStringLiteral("php");
    ServerAddress address;
    QString documentRoot;
    QString routerScript;
};

// The arguments the PHP program gets: quiet, serve at host:port, the document root, the router.
QStringList builtInServerArguments(const BuiltInServerConfig& config);

class BuiltInPhpServer : public QObject {
    Q_OBJECT
public:
    explicit BuiltInPhpServer(QObject* parent = nullptr);
    ~BuiltInPhpServer() override;

    struct StartResult {
        bool ok = false;
        QString error; // Polish, when the server could not start
        QString note;  // Polish, e.g. that the document root was created
    };
    // Starts the server and waits until it listens or fails (at most readyTimeoutMs). A missing
    // document root is created first. A running server is stopped first.
    StartResult start(const BuiltInServerConfig& config, int readyTimeoutMs = 10000);
    // Ends the server's process (and waits for it).
    void stop();
    bool isRunning() const;
    // The configuration it was started with.
    const BuiltInServerConfig& config() const { return config_; }
    // The process id while it runs, else 0.
    qint64 processId() const;

signals:
    void runningChanged(bool running);
    // The server ended without being asked to; the reason in Polish, with the server's last words.
    void stoppedUnexpectedly(const QString& reason);

private:
    void onOutput();
    void onFinished();
    QString failureReason(const QByteArray& output) const;

    QProcess* process_ = nullptr;
    BuiltInServerConfig config_;
    QByteArray outputTail_;
    bool stopping_ = false;
};

} // namespace wertan
