#pragma once
// Helpers for tests with the real built-in PHP server: a free port on loopback, a blocking HTTP GET
// with a deadline, and whether a process still exists.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStandardPaths>
#include <QTcpServer>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <functional>
#include <sys/wait.h>

namespace wertan::test {

// A port nobody listens on at the moment (the system's choice for a listening socket).
inline int freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

inline bool phpInstalled() {
    return !QStandardPaths::findExecutable(QStringLiteral("php")).isEmpty();
}

struct HttpAnswer {
    int status = 0;
    QByteArray body;
    QByteArray contentType;
    QString error;
};

inline HttpAnswer httpGet(const QString& url, int timeoutMs = 10000) {
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    HttpAnswer answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.body = reply->readAll();
    answer.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    if (reply->error() != QNetworkReply::NoError) answer.error = reply->errorString();
    delete reply;
    return answer;
}

// True while a process with this id exists (a zombie child counts as gone once reaped).
inline bool processExists(qint64 pid) {
    if (pid <= 0) return false;
    ::waitpid(pid_t(pid), nullptr, WNOHANG);
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}

// Processes events until the condition holds or the deadline passes.
inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = 15000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
    }
    return true;
}

} // namespace wertan::test
