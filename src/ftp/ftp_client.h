#pragma once
// The client side of the File Transfer Protocol: one control connection, one data connection
// per transfer, one request at a time. Every request is a blocking call: it starts the request
// and keeps the event loop running until the request has finished or its deadline has passed,
// so the program stays responsive while it waits. Everything the client does is reported as
// text lines through onDisplay ("> " commands, "< " replies, "! " the client's own messages).
//
// Texts sent to and received from the server are Windows-1250 byte strings; local file names
// are QStrings.
#include "ftp/ftp_reply.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QFile;
class QTcpServer;
class QTcpSocket;
class QTimer;
class QHostInfo;

namespace wertan::ftp {

class DownloadFile;

// The client's states. A request may start only while the client is Ready or NotConnected.
enum class FtpState { NotConnected, Ready, DnsLookup, WaitingBanner, WaitingResponse, Abort };

// Request kinds, the numbers onRequestDone carries when a request ends.
enum class FtpRequest : int {
    None = 0,
    Cwd = 4,
    Connect = 5,
    Dir = 7,
    Get = 10,
    Dele = 12,
    Quit = 15,
    Size = 16,
    Put = 17,
    Mkd = 21,
    Pwd = 31,
    CdUp = 33,
    Rename = 40, // RNFR, then RNTO
};

class FtpClient : public QObject {
    Q_OBJECT

public:
    explicit FtpClient(QObject* parent = nullptr);
    ~FtpClient() override;
    FtpClient(const FtpClient&) = delete;
    FtpClient& operator=(const FtpClient&) = delete;

    // Parameters, set before a request.
    std::string hostName;
    std::string port = "ftp"; // a port number or a service name; "ftp" is port 21
    std::string userName;
    std::string password;
    std::string hostDirName;  // the directory for cwd
    std::string hostFileName; // the name for size, mkd, dele, get, put and the argument of dir
    QString localFileName;    // written by dir and get, read by put
    std::string renameTo;     // the new name for rename
    // The limit of a blocking wait; every progress notice moves the deadline this far ahead.
    std::chrono::milliseconds timeout{std::chrono::seconds(15)};
    // Data connections opened by the client (EPSV, falling back to PASV) instead of by the
    // server (PORT), for users behind address translation.
    bool passive = false;

    // Notifications; all run on the thread that uses the client.
    std::function<void(const std::string& line)> onDisplay;
    std::function<void(int error)> onSessionConnected;
    std::function<void(int error)> onSessionClosed;
    // Runs through the event loop after the client is ready again, before the blocking call
    // returns. error is 0 for success, else the failing reply code (500 for socket failures).
    std::function<void(FtpRequest kind, int error)> onRequestDone;
    // After each block of a transfer, with the bytes transferred so far; setting abort ends
    // the transfer.
    std::function<void(std::int64_t bytes, bool& abort)> onProgress;
    std::function<void()> onStateChange;

    // Results of the last request.
    int replyCode() const { return replyCode_; }
    const std::string& replyText() const { return replyText_; }
    // The reply or local message that made the request fail; empty after a success.
    const std::string& errorMessage() const { return errorMessage_; }
    const std::string& replyDirectory() const { return replyDirectory_; }
    std::int64_t replySize() const { return replySize_; }
    bool connected() const;
    FtpState state() const { return state_; }

    // Blocking requests; each returns true when the request succeeded.
    bool connectToServer(); // USER, then PASS only when USER is answered with 331
    bool Quit();
    bool pwd();
    bool cwd();
    bool cdUp();
    bool mkd();
    bool size();
    bool dele();
    // "RNFR " and hostFileName (answered 350), then "RNTO " and renameTo.
    bool rename();
    // Dir and Get replace localFileName only when the transfer succeeds; after a failure the
    // earlier file is as it was.
    bool dir(); // LIST, or "LIST " and hostFileName when that is not empty
    bool get(); // RETR hostFileName into localFileName
    bool put(); // STOR localFileName as hostFileName
    // Drops both connections at once without waiting for any reply; a running request ends
    // with 426. The client is then not connected and ready for a new connect.
    void abort();

private:
    enum class Step {
        None,
        Greeting,
        User,
        Pass,
        Simple,
        Quit,
        Type,
        RenameFrom,
        DataSetup, // PORT, EPRT, EPSV or PASV
        TransferStart,
        TransferFinal,
    };
    enum class Direction { Receive, Send };
    struct Wait;

    bool runBlocking(FtpRequest kind);
    bool start(FtpRequest kind);
    bool startError(const std::string& message);
    void beginRequest(FtpRequest kind);
    void waitUntilDone(const std::shared_ptr<Wait>& wait);
    void checkDeadline();
    void deliverRequestDone(const std::shared_ptr<Wait>& wait);

    void setState(FtpState state);
    void display(const std::string& line);
    void sendCommand(const std::string& command);
    void sendSimple(const std::string& command, std::initializer_list<int> accepted);
    bool isAccepted(int code) const;

    // Ends the running request: error 0 is success; else the code, with the message recorded
    // by recordError.
    void finish(int error);
    void recordError(const std::string& message);
    void failWith(int code, const std::string& message);
    void failSocket(int code, const QString& text, int number);

    void startLookup();
    void onLookedUp(const QHostInfo& info);
    void onControlConnected();
    void onControlReadyRead();
    void onControlClosed();
    void onReply(int code, const std::string& line);
    void closeControl(int error);
    void dropConnections();

    void startTransfer();
    void startDataSetup();
    void sendTransferCommand();
    void onDataSetupReply(int code, const std::string& line);
    void onDataConnectionOffered();
    void attachDataSocket(QTcpSocket* socket);
    void onDataConnected();
    void onDataReadyRead();
    void onDataClosed();
    void sendFileBlocks();
    void abortTransfer(const std::string& message);
    void checkTransferEnd();
    void closeData();

    // Connection and request state.
    FtpState state_ = FtpState::NotConnected;
    QTcpSocket* control_ = nullptr;
    bool controlUp_ = false;
    int lookupId_ = -1;
    quint16 port_ = 0;
    ReplyLineBuffer lineBuffer_;
    bool typeImage_ = false;   // TYPE I has been accepted in this session
    bool epsvRefused_ = false; // the server refused EPSV in this session
    bool requestActive_ = false;
    FtpRequest kind_ = FtpRequest::None;
    Step step_ = Step::None;
    std::vector<int> accepted_;
    std::string requestError_; // the message that will fail the running request
    int requestCode_ = 0;      // a failure code recorded while the request goes on
    std::shared_ptr<Wait> wait_;
    std::unique_ptr<QTimer> deadlineTimer_;
    QElapsedTimer deadlineClock_;
    qint64 deadlineMs_ = 0;

    // The data connection of a transfer.
    Direction direction_ = Direction::Receive;
    bool passive_ = false; // the data connection of this transfer is opened by the client
    QTcpServer* listener_ = nullptr;
    QTcpSocket* data_ = nullptr;
    std::unique_ptr<DownloadFile> saveFile_;
    std::unique_ptr<QFile> readFile_;
    std::string transferCommand_;
    bool firstReplyOk_ = false;
    bool finalReceived_ = false;
    bool finalOk_ = false;
    bool dataOpened_ = false;
    bool dataClosed_ = false;
    bool sendDone_ = false;
    bool transferAborted_ = false;
    int dataError_ = 0;
    QString dataErrorText_;
    std::int64_t byteCount_ = 0;
    QElapsedTimer transferClock_;
    QByteArray blockBuffer_;

    // Results.
    int replyCode_ = 0;
    std::string replyText_;
    std::string errorMessage_;
    std::string replyDirectory_;
    std::int64_t replySize_ = 0;
};

} // namespace wertan::ftp
