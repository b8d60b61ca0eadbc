#include "ftp/ftp_client.h"

#include "ftp/download_file.h"
#include "text/error_text.h"
#include "text/win1250.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QHostInfo>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <arpa/inet.h>
#include <netdb.h>
#endif

namespace wertan::ftp {

namespace {

constexpr qint64 kSendBlock = 1514;          // bytes per block of an upload
constexpr qint64 kReceiveBlock = 256 * 1024; // largest block read from a download at once
// Bytes handed to the data socket at once. A whole number of 64 KiB: a piece of another size
// (43 blocks, 65102 bytes, before) leaves the receiver partial segments, and on loopback a
// server reading 64 KiB at a time then needs about a quarter more reads for the same file.
constexpr qint64 kSendPiece = 64 * 1024;
constexpr qint64 kSendQueue = 512 * 1024;       // bytes queued on the data socket before waiting
constexpr std::uint32_t kLoopback = 0x7F000001; // 127.0.0.1

std::string number(qint64 value) {
    return std::to_string(value);
}

// The port number of a port text: a number, "ftp", or another service name known to the system.
std::optional<quint16> portOf(const std::string& text) {
    if (text.empty()) return std::nullopt;
    if (std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        if (text.size() > 5) return std::nullopt;
        const int value = std::stoi(text);
        if (value < 1 || value > 65535) return std::nullopt;
        return quint16(value);
    }
    std::string lower = text;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    if (lower == "ftp") return 21;
#ifdef Q_OS_UNIX
    if (const servent* service = getservbyname(lower.c_str(), "tcp"))
        return quint16(ntohs(quint16(service->s_port)));
#endif
    return std::nullopt;
}

bool sendsHostFileName(FtpRequest kind) {
    switch (kind) {
    case FtpRequest::Mkd:
    case FtpRequest::Size:
    case FtpRequest::Dele:
    case FtpRequest::Rename:
    case FtpRequest::Dir:
    case FtpRequest::Get:
    case FtpRequest::Put:
        return true;
    default:
        return false;
    }
}

bool holdsLineBreak(const std::string& text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos;
}

// The IPv4 form of an address, also for an IPv4 address mapped into IPv6.
std::optional<std::uint32_t> ipv4Of(const QHostAddress& address) {
    bool ok = false;
    const quint32 value = address.toIPv4Address(&ok);
    if (!ok) return std::nullopt;
    return value;
}

bool sameHost(const QHostAddress& a, const QHostAddress& b) {
    const auto a4 = ipv4Of(a);
    const auto b4 = ipv4Of(b);
    if (a4 && b4) return *a4 == *b4;
    return a.isEqual(b, QHostAddress::TolerantConversion);
}

} // namespace

struct FtpClient::Wait {
    QEventLoop loop;
    bool delivered = false; // onRequestDone has run
    FtpRequest kind = FtpRequest::None;
    int error = 0;
};

FtpClient::FtpClient(QObject* parent) : QObject(parent), deadlineTimer_(std::make_unique<QTimer>()) {
    deadlineTimer_->setSingleShot(true);
    connect(deadlineTimer_.get(), &QTimer::timeout, this, &FtpClient::checkDeadline);
    blockBuffer_.resize(kReceiveBlock);
}

FtpClient::~FtpClient() {
    // The owner is going away: no notification may reach it any more.
    onDisplay = nullptr;
    onSessionConnected = nullptr;
    onSessionClosed = nullptr;
    onRequestDone = nullptr;
    onProgress = nullptr;
    onStateChange = nullptr;
    dropConnections();
}

bool FtpClient::connected() const {
    return controlUp_;
}

bool FtpClient::connectToServer() {
    return runBlocking(FtpRequest::Connect);
}
bool FtpClient::Quit() {
    return runBlocking(FtpRequest::Quit);
}
bool FtpClient::pwd() {
    return runBlocking(FtpRequest::Pwd);
}
bool FtpClient::cwd() {
    return runBlocking(FtpRequest::Cwd);
}
bool FtpClient::cdUp() {
    return runBlocking(FtpRequest::CdUp);
}
bool FtpClient::mkd() {
    return runBlocking(FtpRequest::Mkd);
}
bool FtpClient::size() {
    return runBlocking(FtpRequest::Size);
}
bool FtpClient::dele() {
    return runBlocking(FtpRequest::Dele);
}
bool FtpClient::rename() {
    return runBlocking(FtpRequest::Rename);
}
bool FtpClient::dir() {
    return runBlocking(FtpRequest::Dir);
}
bool FtpClient::get() {
    return runBlocking(FtpRequest::Get);
}
bool FtpClient::put() {
    return runBlocking(FtpRequest::Put);
}

void FtpClient::abort() {
    const bool pending = requestActive_;
    setState(FtpState::Abort);
    dropConnections();
    if (pending) {
        requestError_ = "426 Abort requested";
        replyCode_ = 426;
        replyText_ = requestError_;
        finish(426);
    } else {
        setState(FtpState::NotConnected);
    }
}

// ---------------------------------------------------------------------------------------------
// Starting requests and waiting for them.

bool FtpClient::runBlocking(FtpRequest kind) {
    if (!start(kind)) return false;
    const std::shared_ptr<Wait> wait = wait_;
    waitUntilDone(wait);
    return wait->error == 0;
}

bool FtpClient::startError(const std::string& message) {
    display("! " + message);
    errorMessage_ = message;
    return false;
}

bool FtpClient::start(FtpRequest kind) {
    if (state_ != FtpState::Ready && state_ != FtpState::NotConnected)
        return startError("FTP component not ready");
    if (kind == FtpRequest::Connect) {
        if (connected()) return startError("FTP component already connected");
        if (userName.empty()) return startError("UserName emtpy");
    } else if (!connected()) {
        return startError("FTP component not connected");
    }
    if (kind == FtpRequest::Cwd && hostDirName.empty()) return startError("HostDirName emtpy");
    if (kind == FtpRequest::Rename && (hostFileName.empty() || renameTo.empty()))
        return startError("HostFileName or RenameTo empty");
    const bool transfer = kind == FtpRequest::Dir || kind == FtpRequest::Get || kind == FtpRequest::Put;
    if (transfer && localFileName.isEmpty()) return startError("LocalFileName empty");
    // A line break inside a parameter would end the command early and send the rest as a
    // command of its own.
    const bool unsafe =
        (kind == FtpRequest::Connect && (holdsLineBreak(userName) || holdsLineBreak(password))) ||
        (kind == FtpRequest::Cwd && holdsLineBreak(hostDirName)) ||
        (sendsHostFileName(kind) && holdsLineBreak(hostFileName)) ||
        (kind == FtpRequest::Rename && holdsLineBreak(renameTo));
    if (unsafe) return startError("Niedozwolony znak (CR, LF lub NUL) w parametrze polecenia FTP");

    beginRequest(kind);
    switch (kind) {
    case FtpRequest::Connect: {
        typeImage_ = false;
        epsvRefused_ = false;
        const std::optional<quint16> number = portOf(port);
        if (!number) {
            failWith(500, "500 Nieznany port lub usługa: " + port);
            break;
        }
        port_ = *number;
        startLookup();
        break;
    }
    case FtpRequest::Quit:
        step_ = Step::Quit;
        sendCommand("QUIT");
        break;
    case FtpRequest::Pwd:
        sendSimple("PWD", {250, 257});
        break;
    case FtpRequest::Cwd:
        sendSimple("CWD " + hostDirName, {200, 250, 257});
        break;
    case FtpRequest::CdUp:
        sendSimple("CDUP", {200, 250});
        break;
    case FtpRequest::Mkd:
        sendSimple("MKD " + hostFileName, {257});
        break;
    case FtpRequest::Size:
        // The size wanted is that of the bytes a download delivers, so it is asked in type I.
        if (!typeImage_) {
            step_ = Step::Type;
            sendCommand("TYPE I");
        } else {
            sendSimple("SIZE " + hostFileName, {213});
        }
        break;
    case FtpRequest::Dele:
        sendSimple("DELE " + hostFileName, {250, 257});
        break;
    case FtpRequest::Rename:
        step_ = Step::RenameFrom;
        sendCommand("RNFR " + hostFileName);
        break;
    case FtpRequest::Dir:
    case FtpRequest::Get:
    case FtpRequest::Put:
        startTransfer();
        break;
    case FtpRequest::None:
        break;
    }
    return true;
}

void FtpClient::beginRequest(FtpRequest kind) {
    requestActive_ = true;
    kind_ = kind;
    step_ = Step::None;
    accepted_.clear();
    requestError_.clear();
    requestCode_ = 0;
    errorMessage_.clear();
    wait_ = std::make_shared<Wait>();
    wait_->kind = kind;

    direction_ = kind == FtpRequest::Put ? Direction::Send : Direction::Receive;
    saveFile_.reset();
    readFile_.reset();
    transferCommand_.clear();
    firstReplyOk_ = finalReceived_ = finalOk_ = false;
    dataOpened_ = dataClosed_ = sendDone_ = transferAborted_ = false;
    byteCount_ = 0;
    passive_ = passive;

    deadlineClock_.start();
    deadlineMs_ = timeout.count();
    deadlineTimer_->start(std::max<qint64>(0, deadlineMs_));
    if (kind != FtpRequest::Connect) setState(FtpState::WaitingResponse);
}

void FtpClient::waitUntilDone(const std::shared_ptr<Wait>& wait) {
    if (!wait->delivered) wait->loop.exec();
    if (wait->delivered) return;
    // The loop was left from outside before the request was done: the application is closing.
    if (requestActive_ && wait_ == wait) {
        dropConnections();
        requestError_ = "426 Timeout";
        display("! " + requestError_);
        replyCode_ = 426;
        replyText_ = requestError_;
        finish(426);
    }
    deliverRequestDone(wait);
}

void FtpClient::checkDeadline() {
    if (!requestActive_) return;
    const qint64 remaining = deadlineMs_ - deadlineClock_.elapsed();
    if (remaining > 0) {
        deadlineTimer_->start(remaining);
        return;
    }
    setState(FtpState::Abort);
    dropConnections();
    requestError_ = "426 Timeout";
    display("! " + requestError_);
    replyCode_ = 426;
    replyText_ = requestError_;
    finish(426);
}

void FtpClient::finish(int error) {
    if (!requestActive_) return;
    requestActive_ = false;
    step_ = Step::None;
    deadlineTimer_->stop();
    closeData();
    if (saveFile_) saveFile_->cancel(); // a failed download leaves the earlier local file as it was
    saveFile_.reset();
    readFile_.reset();
    errorMessage_ = error == 0 ? std::string() : requestError_;
    if (error != 0 && errorMessage_.empty()) errorMessage_ = replyText_;
    setState(controlUp_ ? FtpState::Ready : FtpState::NotConnected);

    const std::shared_ptr<Wait> wait = wait_;
    wait->error = error;
    // onRequestDone runs from the event loop, once the client is ready again.
    QMetaObject::invokeMethod(
        this, [this, wait] { deliverRequestDone(wait); }, Qt::QueuedConnection);
}

void FtpClient::deliverRequestDone(const std::shared_ptr<Wait>& wait) {
    if (wait->delivered) return;
    wait->delivered = true;
    if (onRequestDone) onRequestDone(wait->kind, wait->error);
    wait->loop.quit();
}

// ---------------------------------------------------------------------------------------------
// Commands, replies and errors.

void FtpClient::setState(FtpState state) {
    if (state_ == state) return;
    state_ = state;
    if (onStateChange) onStateChange();
}

void FtpClient::display(const std::string& line) {
    if (onDisplay) onDisplay(line);
}

void FtpClient::sendCommand(const std::string& command) {
    // The password never reaches the display, which the user may save to a file.
    const bool pass = command.rfind("PASS ", 0) == 0;
    display("> " + (pass ? std::string("PASS ********") : command));
    if (control_ && controlUp_) {
        const std::string line = command + "\r\n";
        control_->write(line.data(), qint64(line.size()));
    }
}

void FtpClient::sendSimple(const std::string& command, std::initializer_list<int> accepted) {
    accepted_.assign(accepted);
    step_ = Step::Simple;
    sendCommand(command);
}

bool FtpClient::isAccepted(int code) const {
    if (accepted_.empty()) return code < 500;
    return std::find(accepted_.begin(), accepted_.end(), code) != accepted_.end();
}

void FtpClient::recordError(const std::string& message) {
    if (requestError_.empty()) requestError_ = message;
}

void FtpClient::failWith(int code, const std::string& message) {
    display("! " + message);
    replyCode_ = code;
    replyText_ = message;
    recordError(message);
    finish(code);
}

void FtpClient::failSocket(int code, const QString& text, int number) {
    failWith(code, "500 " + toWin1250(polishErrorReason(text)) + " (Winsock error #" +
                       std::to_string(number) + ")");
}

void FtpClient::onReply(int code, const std::string& line) {
    replyCode_ = code;
    replyText_ = line;
    if (!requestActive_) return; // a reply nobody waits for (an idle-timeout notice, say) is only displayed

    switch (step_) {
    case Step::Greeting: {
        if (code != 220) {
            recordError(line);
            closeControl(0);
            finish(code);
            return;
        }
        setState(FtpState::WaitingResponse);
        const std::shared_ptr<Wait> wait = wait_;
        if (onSessionConnected) onSessionConnected(0);
        if (!requestActive_ || wait_ != wait) return;
        step_ = Step::User;
        sendCommand("USER " + userName);
        return;
    }
    case Step::User:
        if (code == 230) {
            finish(0);
        } else if (code == 331) {
            if (password.empty()) {
                closeControl(0);
                failWith(500, "Password emtpy");
                return;
            }
            step_ = Step::Pass;
            sendCommand("PASS " + password);
        } else {
            // A refused login leaves no half-open session behind: the next connect starts afresh.
            recordError(line);
            closeControl(0);
            finish(code);
        }
        return;
    case Step::Pass:
        if (code == 230) {
            finish(0);
        } else {
            recordError(line);
            closeControl(0);
            finish(code);
        }
        return;
    case Step::Simple:
        if (!isAccepted(code)) {
            recordError(line);
            finish(code);
            return;
        }
        if (kind_ == FtpRequest::Size)
            replySize_ = extractReplySize(line);
        else if (kind_ != FtpRequest::Dele && kind_ != FtpRequest::Rename)
            replyDirectory_ = extractReplyDirectory(line);
        finish(0);
        return;
    case Step::Quit:
        if (code == 221) {
            closeControl(0);
            finish(0);
        } else {
            recordError(line);
            finish(code);
        }
        return;
    case Step::RenameFrom:
        if (code != 350) {
            recordError(line);
            finish(code);
            return;
        }
        sendSimple("RNTO " + renameTo, {250, 200});
        return;
    case Step::Type:
        if (code == 200) {
            typeImage_ = true;
            if (kind_ == FtpRequest::Size)
                sendSimple("SIZE " + hostFileName, {213});
            else
                startDataSetup();
        } else {
            recordError(line);
            finish(code);
        }
        return;
    case Step::DataSetup:
        onDataSetupReply(code, line);
        return;
    case Step::TransferStart:
        if (code != 150 && code != 125) {
            recordError(line);
            finish(code);
            return;
        }
        firstReplyOk_ = true;
        step_ = Step::TransferFinal;
        if (direction_ == Direction::Send && dataOpened_ && !dataClosed_) sendFileBlocks();
        return;
    case Step::TransferFinal: {
        finalReceived_ = true;
        finalOk_ = direction_ == Direction::Send ? (code == 226 || code == 250)
                                                 : (code == 125 || code == 226 || code == 250);
        if (!finalOk_) {
            display(direction_ == Direction::Send ? "! STOR Failed" : "! RETR/LIST/NLST Failed");
            recordError(line);
            requestCode_ = code;
        }
        checkTransferEnd();
        return;
    }
    case Step::None:
        return;
    }
}

// ---------------------------------------------------------------------------------------------
// The control connection.

void FtpClient::startLookup() {
    const QString host = fromWin1250(hostName);
    QHostAddress literal;
    if (literal.setAddress(host)) {
        setState(FtpState::WaitingBanner);
        QHostInfo info;
        info.setAddresses({literal});
        onLookedUp(info);
        return;
    }
    setState(FtpState::DnsLookup);
    lookupId_ = QHostInfo::lookupHost(host, this, &FtpClient::onLookedUp);
}

void FtpClient::onLookedUp(const QHostInfo& info) {
    lookupId_ = -1;
    if (!requestActive_ || kind_ != FtpRequest::Connect || control_) return;
    if (info.error() != QHostInfo::NoError || info.addresses().isEmpty()) {
        const QHostInfo::HostInfoError error =
            info.error() != QHostInfo::NoError ? info.error() : QHostInfo::HostNotFound;
        const QString text =
            info.errorString().isEmpty() ? QStringLiteral("Host not found") : info.errorString();
        failSocket(500, text, int(error));
        return;
    }
    // Data connections made by the server need an IPv4 address for PORT: prefer one.
    QHostAddress address = info.addresses().first();
    for (const QHostAddress& candidate : info.addresses())
        if (candidate.protocol() == QAbstractSocket::IPv4Protocol) {
            address = candidate;
            break;
        }
    setState(FtpState::WaitingBanner);
    lineBuffer_.clear();
    control_ = new QTcpSocket(this);
    QTcpSocket* socket = control_;
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        if (socket == control_) onControlConnected();
    });
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        if (socket == control_) onControlReadyRead();
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        if (socket == control_) onControlClosed();
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError error) {
        if (socket != control_) return;
        if (!controlUp_) {
            const QString text = control_->errorString();
            closeControl(0);
            failSocket(500, text, int(error));
        } else if (control_->state() == QAbstractSocket::UnconnectedState) {
            onControlClosed();
        }
    });
    control_->connectToHost(address, port_);
}

void FtpClient::onControlConnected() {
    controlUp_ = true;
    control_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    step_ = Step::Greeting;
}

void FtpClient::onControlReadyRead() {
    const QPointer<QTcpSocket> socket = control_;
    const QByteArray bytes = control_->readAll();
    std::vector<std::string> lines;
    lineBuffer_.append(std::string_view(bytes.constData(), std::size_t(bytes.size())), lines);
    for (const std::string& line : lines) {
        display("< " + line);
        if (control_ != socket) return;
        const ReplyLine reply = parseReplyLine(line);
        if (reply.hasCode && !reply.continued) onReply(reply.code, line);
        if (control_ != socket) return;
    }
}

void FtpClient::onControlClosed() {
    if (!control_ || !controlUp_) return;
    QTcpSocket* socket = control_;
    const int error = socket->error() == QAbstractSocket::UnknownSocketError ? 0 : int(socket->error());
    const QString text = socket->errorString();
    control_ = nullptr;
    controlUp_ = false;
    socket->disconnect(this);
    socket->deleteLater();
    lineBuffer_.clear();
    if (!requestActive_) setState(FtpState::NotConnected);
    if (onSessionClosed) onSessionClosed(error);
    if (!requestActive_) return;
    if (kind_ == FtpRequest::Quit) {
        // The server ended the session without its 221: the session is closed all the same.
        finish(0);
        return;
    }
    // Whatever the request was waiting for will not come: it fails, and never as a success.
    if (!requestError_.empty()) {
        finish(requestCode_ != 0 ? requestCode_ : 500);
        return;
    }
    failSocket(500, text.isEmpty() ? QStringLiteral("The remote host closed the connection") : text,
               error != 0 ? error : int(QAbstractSocket::RemoteHostClosedError));
}

void FtpClient::closeControl(int error) {
    if (!control_) return;
    QTcpSocket* socket = control_;
    control_ = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    lineBuffer_.clear();
    const bool wasUp = controlUp_;
    controlUp_ = false;
    if (!requestActive_) setState(FtpState::NotConnected);
    if (wasUp && onSessionClosed) onSessionClosed(error);
}

void FtpClient::dropConnections() {
    if (lookupId_ >= 0) {
        QHostInfo::abortHostLookup(lookupId_);
        lookupId_ = -1;
    }
    closeData();
    closeControl(0);
}

// ---------------------------------------------------------------------------------------------
// Transfers.

void FtpClient::startTransfer() {
    const std::string localName = toWin1250(localFileName);
    if (direction_ == Direction::Receive) {
        // The download goes to a new file that replaces the old one only when it is complete.
        saveFile_ = std::make_unique<DownloadFile>(localFileName);
        if (!saveFile_->open()) {
            const std::string reason = toWin1250(saveFile_->errorString());
            saveFile_.reset();
            failWith(426, "Unable to open local file " + localName + ": " + reason);
            return;
        }
        transferCommand_ = kind_ == FtpRequest::Get
                               ? "RETR " + hostFileName
                               : (hostFileName.empty() ? "LIST" : "LIST " + hostFileName);
    } else {
        readFile_ = std::make_unique<QFile>(localFileName);
        // Only a regular file is sent: a FIFO or a device could block or never end.
        const QFileInfo source(localFileName);
        const QString refusal =
            source.isDir()                          ? polishErrorReason(EISDIR)
            : source.exists() && !source.isFile()   ? QStringLiteral("To nie jest zwykły plik")
            : !readFile_->open(QIODevice::ReadOnly) ? polishErrorReason(readFile_->errorString())
                                                    : QString();
        if (!refusal.isEmpty()) {
            readFile_.reset();
            failWith(426, "426 Unable to open local file " + localName + ": " + toWin1250(refusal));
            return;
        }
        transferCommand_ = "STOR " + hostFileName;
    }
    // Files travel as bytes: a server whose default type is ASCII would rewrite line ends.
    if (kind_ != FtpRequest::Dir && !typeImage_) {
        step_ = Step::Type;
        sendCommand("TYPE I");
        return;
    }
    startDataSetup();
}

void FtpClient::startDataSetup() {
    step_ = Step::DataSetup;
    if (passive_) {
        sendCommand(epsvRefused_ ? "PASV" : "EPSV");
        return;
    }
    const QHostAddress local = control_->localAddress();
    const std::optional<std::uint32_t> local4 = ipv4Of(local);
    listener_ = new QTcpServer(this);
    connect(listener_, &QTcpServer::newConnection, this, &FtpClient::onDataConnectionOffered);
    if (!listener_->listen(local4 ? QHostAddress::AnyIPv4 : QHostAddress::AnyIPv6, 0)) {
        const QString text = listener_->errorString();
        const int error = int(listener_->serverError());
        closeData();
        failSocket(500, text, error);
        return;
    }
    const quint16 port = listener_->serverPort();
    if (local4) {
        const std::optional<std::uint32_t> peer4 = ipv4Of(control_->peerAddress());
        const std::uint32_t address = peer4 && *peer4 == kLoopback ? kLoopback : *local4;
        sendCommand("PORT " + formatPortArgument(address, port));
    } else {
        sendCommand("EPRT |2|" + local.toString().toStdString() + "|" + std::to_string(port) + "|");
    }
}

void FtpClient::onDataSetupReply(int code, const std::string& line) {
    if (!passive_) {
        if (code == 200 || code == 227) {
            sendTransferCommand();
        } else {
            recordError(line);
            finish(code);
        }
        return;
    }
    std::optional<quint16> port;
    const bool epsv = !epsvRefused_;
    if (epsv && code == 229) {
        port = parseEpsvReply(line);
    } else if (epsv) {
        // The server does not know EPSV: ask the older way, now and for the rest of the session.
        epsvRefused_ = true;
        sendCommand("PASV");
        return;
    } else if (code == 227) {
        if (const std::optional<PassiveAddress> address = parsePasvReply(line)) port = address->port;
    } else {
        recordError(line);
        finish(code);
        return;
    }
    if (!port) {
        failWith(500, "500 Nieczytelna odpowiedź serwera: " + line);
        return;
    }
    // The data connection goes to the server of the control connection, whatever address the
    // reply names: a reply may point at another host, or at a private address behind NAT.
    QTcpSocket* socket = new QTcpSocket(this);
    attachDataSocket(socket);
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        if (socket == data_) onDataConnected();
    });
    socket->connectToHost(control_->peerAddress(), *port);
}

void FtpClient::sendTransferCommand() {
    step_ = Step::TransferStart;
    transferClock_.start();
    sendCommand(transferCommand_);
}

void FtpClient::onDataConnectionOffered() {
    while (listener_ && listener_->hasPendingConnections()) {
        QTcpSocket* socket = listener_->nextPendingConnection();
        // Only the server may deliver the data: a connection from anywhere else is refused.
        if (data_ || !control_ || !sameHost(socket->peerAddress(), control_->peerAddress())) {
            display("! Odrzucono połączenie danych z adresu " +
                    socket->peerAddress().toString().toStdString());
            socket->abort();
            socket->deleteLater();
            continue;
        }
        attachDataSocket(socket);
        listener_->close();
        onDataConnected();
        return;
    }
}

void FtpClient::attachDataSocket(QTcpSocket* socket) {
    data_ = socket;
    socket->setParent(this);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        if (socket == data_) onDataReadyRead();
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        if (socket == data_) onDataClosed();
    });
    connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] {
        if (socket == data_ && firstReplyOk_ && !sendDone_) sendFileBlocks();
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError error) {
        if (socket != data_) return;
        if (!dataOpened_) {
            const QString text = data_->errorString();
            closeData();
            failSocket(500, text, int(error));
            return;
        }
        if (error != QAbstractSocket::RemoteHostClosedError && requestCode_ == 0) {
            recordError("500 " + toWin1250(data_->errorString()) + " (Winsock error #" +
                        std::to_string(int(error)) + ")");
            requestCode_ = 500;
        }
        if (data_->state() == QAbstractSocket::UnconnectedState) onDataClosed();
    });
}

void FtpClient::onDataConnected() {
    if (!data_ || !requestActive_) return;
    dataOpened_ = true;
    if (passive_ && step_ == Step::DataSetup) {
        sendTransferCommand();
        return;
    }
    if (direction_ == Direction::Send && firstReplyOk_) sendFileBlocks();
}

void FtpClient::onDataReadyRead() {
    if (!data_ || !requestActive_) return;
    if (direction_ == Direction::Send) {
        data_->readAll(); // nothing is expected from the server while we send
        return;
    }
    const std::shared_ptr<Wait> wait = wait_;
    while (data_ && data_->bytesAvailable() > 0) {
        const qint64 n =
            data_->read(blockBuffer_.data(), std::min<qint64>(kReceiveBlock, blockBuffer_.size()));
        if (n <= 0) return;
        byteCount_ += n; // received, whether or not it can be stored
        if (!saveFile_ || !saveFile_->write(blockBuffer_.constData(), n)) {
            const QString reason = saveFile_ ? saveFile_->errorString() : QString();
            display("! Błąd zapisu pliku lokalnego");
            abortTransfer("426 Nie można zapisać pliku lokalnego " + toWin1250(localFileName) + ": " +
                          toWin1250(reason));
            return;
        }
        deadlineMs_ = deadlineClock_.elapsed() + timeout.count();
        bool abort = false;
        if (onProgress) onProgress(byteCount_, abort);
        if (!requestActive_ || wait_ != wait) return;
        if (abort) {
            display("! Abort requested");
            abortTransfer("426 Abort requested");
            return;
        }
    }
}

void FtpClient::sendFileBlocks() {
    const std::shared_ptr<Wait> wait = wait_;
    while (data_ && !sendDone_ && data_->bytesToWrite() < kSendQueue) {
        // The socket gets large pieces (its writes go out one piece at a time); progress is
        // still reported after every block.
        QByteArray piece(kSendPiece, Qt::Uninitialized);
        const qint64 n = readFile_->read(piece.data(), kSendPiece);
        if (n < 0) {
            display("! Błąd odczytu pliku lokalnego");
            abortTransfer("426 Nie można odczytać pliku lokalnego " + toWin1250(localFileName) + ": " +
                          toWin1250(polishErrorReason(readFile_->errorString())));
            return;
        }
        if (n == 0) {
            sendDone_ = true;
            data_->disconnectFromHost(); // after the queued bytes have gone out
            return;
        }
        piece.truncate(n);
        if (data_->write(piece) != n) return; // the socket has failed; its error or closing ends the transfer
        for (qint64 sent = 0; sent < n;) {
            const qint64 block = std::min(kSendBlock, n - sent);
            sent += block;
            byteCount_ += block;
            deadlineMs_ = deadlineClock_.elapsed() + timeout.count();
            bool abort = false;
            if (onProgress) onProgress(byteCount_, abort);
            if (!requestActive_ || wait_ != wait) return;
            if (abort) {
                display("! Abort requested");
                abortTransfer("426 Abort requested");
                return;
            }
        }
        if (readFile_->atEnd()) {
            // The whole file is queued: hand it to the system now and close, without waiting
            // for another turn of the event loop.
            sendDone_ = true;
            data_->flush();
            if (data_) data_->disconnectFromHost(); // flushing may have found the connection broken
            return;
        }
    }
}

void FtpClient::onDataClosed() {
    if (!data_) return;
    if (direction_ == Direction::Receive && requestActive_ && data_->bytesAvailable() > 0) {
        onDataReadyRead();
        if (!data_) return; // the rest could not be stored: the transfer is already aborted
    }
    QTcpSocket* socket = data_;
    data_ = nullptr;
    socket->disconnect(this);
    socket->deleteLater();
    dataClosed_ = true;
    if (!requestActive_) return;
    if (direction_ == Direction::Send && !sendDone_ && !transferAborted_ && requestCode_ == 0) {
        // The server closed the connection before it had the whole file: the upload is incomplete.
        recordError("426 Połączenie danych zamknięte przed wysłaniem całego pliku");
        requestCode_ = 426;
    }
    checkTransferEnd();
}

void FtpClient::abortTransfer(const std::string& message) {
    transferAborted_ = true;
    recordError(message);
    if (requestCode_ == 0) requestCode_ = 426;
    if (data_) {
        QTcpSocket* socket = data_;
        data_ = nullptr;
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
        dataClosed_ = true;
    }
    if (saveFile_) saveFile_->cancel();
    checkTransferEnd();
}

void FtpClient::checkTransferEnd() {
    if (!requestActive_ || !finalReceived_) return;
    if (finalOk_ && !dataClosed_) return; // the rest of the data is still coming
    if (dataOpened_) {
        const qint64 seconds = transferClock_.elapsed() / 1000;
        std::string summary =
            "! " + number(byteCount_) + " bytes received/sent in " + number(seconds) + " seconds";
        if (seconds != 0) summary += " (" + number(byteCount_ / seconds) + " Bytes/sec)";
        display(summary);
    }
    int error = finalOk_ ? requestCode_ : replyCode_;
    if (error == 0 && saveFile_ && !saveFile_->commit()) {
        const std::string message = "426 Nie można zapisać pliku lokalnego " + toWin1250(localFileName) +
                                    ": " + toWin1250(saveFile_->errorString());
        display("! " + message);
        recordError(message);
        error = 426;
    }
    if (finalOk_ && error != 0) {
        // The server was content but the transfer failed on this side: report the local cause.
        replyCode_ = error;
        replyText_ = requestError_;
    }
    finish(error);
}

void FtpClient::closeData() {
    if (listener_) {
        listener_->disconnect(this);
        listener_->close();
        listener_->deleteLater();
        listener_ = nullptr;
    }
    if (data_) {
        QTcpSocket* socket = data_;
        data_ = nullptr;
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
}

} // namespace wertan::ftp
