#include "servers/builtin_php_server.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHostAddress>
#include <QHostInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTcpServer>
#include <QUrl>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace wertan {

namespace {

constexpr qsizetype kTailBytes = 4096;

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString hostAndPort(const ServerAddress& a) {
    // An IPv6 literal goes in brackets before the port.
    const QString host =
        a.host.contains(QLatin1Char(':')) ? QLatin1Char('[') + a.host + QLatin1Char(']') : a.host;
    return host + QLatin1Char(':') + QString::number(a.port);
}

// True when some program already listens on the port at one of the host's addresses.
bool portTaken(const ServerAddress& a) {
    QList<QHostAddress> addresses;
    QHostAddress literal;
    if (literal.setAddress(a.host))
        addresses << literal;
    else
        addresses = QHostInfo::fromName(a.host).addresses();
    for (const QHostAddress& address : addresses) {
        QTcpServer probe;
        if (!probe.listen(address, quint16(a.port)) &&
            probe.serverError() == QAbstractSocket::AddressInUseError)
            return true;
    }
    return false;
}

QString portTakenMessage(const ServerAddress& a) {
    return QStringLiteral("Nie można uruchomić wbudowanego serwera PHP: port %1 na %2 jest już zajęty przez "
                          "inny program. Zamknij ten program albo podaj inny port w adresie testowym "
                          "(\"Przeglądaj jako plik...\") i uruchom serwer ponownie.")
        .arg(a.port)
        .arg(a.host);
}

} // namespace

std::optional<ServerAddress> serverAddressOf(const QString& testUrl, QString* error) {
    const QUrl url(testUrl.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) != 0 ||
        url.host().isEmpty()) {
        if (error)
            *error =
                QStringLiteral("Adres testowy \"%1\" nie jest adresem http z nazwą komputera (na przykład "
                               "http://localhost:8000/index.php3), więc wbudowany serwer PHP nie wie, "
                               "gdzie ma nasłuchiwać.")
                    .arg(testUrl);
        return std::nullopt;
    }
    return ServerAddress{url.host(), url.port(80)};
}

QStringList builtInServerArguments(const BuiltInServerConfig& c) {
    return {QStringLiteral("-q"), QStringLiteral("-S"), hostAndPort(c.address),
            QStringLiteral("-t"), c.documentRoot,       c.routerScript};
}

BuiltInPhpServer::BuiltInPhpServer(QObject* parent) : QObject(parent) {}

BuiltInPhpServer::~BuiltInPhpServer() {
    blockSignals(true);
    stop();
}

bool BuiltInPhpServer::isRunning() const {
    return process_ && process_->state() != QProcess::NotRunning;
}

qint64 BuiltInPhpServer::processId() const {
    return isRunning() ? process_->processId() : 0;
}

BuiltInPhpServer::StartResult BuiltInPhpServer::start(const BuiltInServerConfig& config, int readyTimeoutMs) {
    stop();
    StartResult result;
    config_ = config;
    const QString root = config.documentRoot;
    if (root.trimmed().isEmpty()) {
        result.error =
            QStringLiteral("Nie można uruchomić wbudowanego serwera PHP: nie podano głównego katalogu "
                           "serwera (Narzędzia > Opcje...).");
        return result;
    }
    const QFileInfo rootInfo(root);
    if (!rootInfo.exists()) {
        if (!QDir().mkpath(root)) {
            result.error =
                QStringLiteral("Nie można uruchomić wbudowanego serwera PHP: nie udało się utworzyć "
                               "głównego katalogu serwera %1.")
                    .arg(native(root));
            return result;
        }
        result.note = QStringLiteral("Utworzono główny katalog serwera %1.").arg(native(root));
    } else if (!rootInfo.isDir()) {
        result.error =
            QStringLiteral("Nie można uruchomić wbudowanego serwera PHP: główny katalog serwera %1 "
                           "nie jest katalogiem.")
                .arg(native(root));
        return result;
    } else if (!rootInfo.isReadable() || !rootInfo.isExecutable()) {
        result.error =
            QStringLiteral("Nie można uruchomić wbudowanego serwera PHP: brak prawa odczytu głównego "
                           "katalogu serwera %1.")
                .arg(native(root));
        return result;
    }
    if (!QFileInfo(config.routerScript).isFile()) {
        result.error = QStringLiteral("Nie można uruchomić wbudowanego serwera PHP: brak pliku %1, który "
                                      "przekazuje strony do PHP.")
                           .arg(native(config.routerScript));
        return result;
    }
    if (portTaken(config.address)) {
        result.error = portTakenMessage(config.address);
        return result;
    }

    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->setProgram(config.phpProgram);
    process_->setArguments(builtInServerArguments(config));
    process_->setWorkingDirectory(root);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("PHP_CLI_SERVER_WORKERS")); // one process, ended as one
    process_->setProcessEnvironment(environment);
#ifdef Q_OS_LINUX
    // The server ends with the program even when the program is killed.
    process_->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    process_->start();
    if (!process_->waitForStarted(readyTimeoutMs)) {
        result.error =
            QStringLiteral("Nie można uruchomić wbudowanego serwera PHP: program \"%1\" nie daje się "
                           "uruchomić (%2). Zainstaluj PHP (pakiet php-cli) albo podaj ścieżkę "
                           "programu PHP w oknie \"Konfiguracja serwerów HTTP i danych\".")
                .arg(config.phpProgram, process_->errorString());
        delete process_;
        process_ = nullptr;
        return result;
    }

    // PHP reports "... Development Server (http://host:port) started" once it listens.
    QByteArray output;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        output += process_->readAll();
        if (output.contains(") started")) break;
        if (process_->state() == QProcess::NotRunning) {
            result.error = failureReason(output);
            delete process_;
            process_ = nullptr;
            return result;
        }
        const qint64 left = readyTimeoutMs - clock.elapsed();
        if (left <= 0) {
            result.error = QStringLiteral("Wbudowany serwer PHP nie zgłosił gotowości w ciągu %1 s.")
                               .arg(readyTimeoutMs / 1000.0, 0, 'f', 1);
            process_->kill();
            process_->waitForFinished(3000);
            delete process_;
            process_ = nullptr;
            return result;
        }
        process_->waitForReadyRead(int(std::min<qint64>(left, 200)));
    }
    outputTail_ = output.right(kTailBytes);
    connect(process_, &QProcess::readyRead, this, &BuiltInPhpServer::onOutput);
    connect(process_, &QProcess::finished, this, &BuiltInPhpServer::onFinished);
    result.ok = true;
    emit runningChanged(true);
    if (process_->state() == QProcess::NotRunning) onFinished();
    return result;
}

QString BuiltInPhpServer::failureReason(const QByteArray& output) const {
    const QString text = QString::fromLocal8Bit(output).trimmed();
    static const QRegularExpression listen(
        QStringLiteral("Failed to listen on (\\S+) \\(reason: ([^)]*)\\)"));
    const QRegularExpressionMatch m = listen.match(text);
    if (m.hasMatch()) {
        const QString reason = m.captured(2);
        if (reason.contains(QLatin1String("in use"), Qt::CaseInsensitive))
            return portTakenMessage(config_.address);
        QString advice;
        if (config_.address.port < 1024)
            advice = QStringLiteral(
                " Porty poniżej 1024 może otwierać tylko administrator: podaj w adresie testowym "
                "port 1024 lub wyższy, na przykład http://localhost:8000/index.php3.");
        return QStringLiteral("Wbudowany serwer PHP nie może nasłuchiwać na %1 (%2).%3")
            .arg(m.captured(1), reason, advice);
    }
    return QStringLiteral("Wbudowany serwer PHP zakończył pracę zaraz po uruchomieniu (kod %1).\n%2")
        .arg(process_ ? process_->exitCode() : -1)
        .arg(text);
}

void BuiltInPhpServer::onOutput() {
    if (!process_) return;
    outputTail_ += process_->readAll();
    if (outputTail_.size() > kTailBytes) outputTail_ = outputTail_.right(kTailBytes);
}

void BuiltInPhpServer::onFinished() {
    if (!process_ || stopping_) return;
    onOutput();
    const QString reason = QStringLiteral("Wbudowany serwer PHP (%1) zakończył pracę (kod %2).\n%3")
                               .arg(hostAndPort(config_.address))
                               .arg(process_->exitCode())
                               .arg(QString::fromLocal8Bit(outputTail_).trimmed());
    process_->deleteLater();
    process_ = nullptr;
    emit runningChanged(false);
    emit stoppedUnexpectedly(reason);
}

void BuiltInPhpServer::stop() {
    if (!process_) return;
    stopping_ = true;
    disconnect(process_, nullptr, this, nullptr);
    const bool wasRunning = process_->state() != QProcess::NotRunning;
    if (wasRunning) {
        process_->terminate();
        if (!process_->waitForFinished(3000)) {
            process_->kill();
            process_->waitForFinished(3000);
        }
    }
    delete process_;
    process_ = nullptr;
    stopping_ = false;
    outputTail_.clear();
    if (wasRunning) emit runningChanged(false);
}

} // namespace wertan
