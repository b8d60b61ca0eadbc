// The FTP client against a scripted server: odd replies, silence, dropped connections.
#include "client_probe.h"
#include "test_servers.h"

#include "ftp/ftp_client.h"
#include "support/temp_dir.h"
#include "text/win1250.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>

#include <climits>

using namespace wertan::ftp;
using namespace std::chrono_literals;
using wertan::test::ClientProbe;
using wertan::test::ScriptedFtpServer;
using wertan::test::ScriptedSession;
using wertan::test::TempDir;

namespace {

QByteArray verbOf(const QByteArray& command) {
    const qsizetype space = command.indexOf(' ');
    return (space < 0 ? command : command.left(space)).toUpper();
}

// Runs the event loop until the condition holds or five seconds have passed.
bool waitFor(const std::function<bool()>& condition) {
    QDeadlineTimer deadline(5000);
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return condition();
}

class Scripted : public ::testing::Test {
protected:
    void SetUp() override {
        client.hostName = "127.0.0.1";
        client.port = std::to_string(server.port());
        client.userName = "wertan";
        client.password = "tajne";
        client.timeout = 3s;
    }
    void login() { ASSERT_TRUE(client.connectToServer()) << client.errorMessage(); }
    // Answers the command verb with the given reply; other commands get the default answers.
    void answer(const QByteArray& verb, const QByteArray& reply) {
        server.onCommand = [verb, reply](ScriptedSession& s, const QByteArray& command) {
            if (verbOf(command) != verb) return false;
            s.reply(reply);
            return true;
        };
    }
    std::string lastCommand() const {
        return server.commands.isEmpty() ? "" : server.commands.last().toStdString();
    }

    ScriptedFtpServer server;
    TempDir local;
    FtpClient client;
    ClientProbe probe{client};
};

TEST(FtpClientDefaults, MatchThoseTheProgramUses) {
    const FtpClient client;
    EXPECT_EQ(client.timeout, std::chrono::seconds(15));
    EXPECT_FALSE(client.passive) << "active data connections unless asked";
    EXPECT_EQ(client.port, "ftp");
    EXPECT_EQ(client.state(), FtpState::NotConnected);
    EXPECT_FALSE(client.connected());
}

TEST_F(Scripted, MultiLineGreetingIsOneReply) {
    server.greeting =
        "220-Witaj na serwerze\r\nlinia bez cyfry\r\n 220 wciety wiersz\r\n220-jeszcze\r\n220 Gotowy\r\n";
    login();
    EXPECT_EQ(probe.connected, std::vector<int>{0});
    EXPECT_EQ(server.commands, (QList<QByteArray>{"USER wertan", "PASS tajne"}));
    EXPECT_TRUE(probe.displayed("< linia bez cyfry"));
    const auto greeting = std::find(probe.display.begin(), probe.display.end(), "< 220 Gotowy");
    const auto user = std::find(probe.display.begin(), probe.display.end(), "> USER wertan");
    EXPECT_LT(greeting, user) << "USER goes out only after the last greeting line";
}

TEST_F(Scripted, GreetingOtherThan220EndsTheConnect) {
    const std::pair<QByteArray, int> cases[] = {{"421 Zbyt wielu uzytkownikow\r\n", 421},
                                                {"554 Odmowa\n", 554}};
    for (const auto& [greeting, code] : cases) {
        server.greeting = greeting;
        probe.closed.clear();
        EXPECT_FALSE(client.connectToServer());
        EXPECT_EQ(client.replyCode(), code);
        EXPECT_EQ(client.errorMessage(), greeting.trimmed().toStdString());
        EXPECT_EQ(probe.lastDone(), std::pair(FtpRequest::Connect, code));
        EXPECT_FALSE(client.connected());
        EXPECT_EQ(client.state(), FtpState::NotConnected);
        EXPECT_EQ(probe.closed, std::vector<int>{0});
    }
    EXPECT_TRUE(server.commands.isEmpty());
}

TEST_F(Scripted, AcceptedReplyCodesDecideSuccess) {
    struct Case {
        const char* what;
        bool (FtpClient::*request)();
        FtpRequest kind;
        int code;
        bool ok;
    };
    const Case cases[] = {
        {"pwd 257", &FtpClient::pwd, FtpRequest::Pwd, 257, true},
        {"pwd 250", &FtpClient::pwd, FtpRequest::Pwd, 250, true},
        {"pwd 200", &FtpClient::pwd, FtpRequest::Pwd, 200, false},
        {"cwd 200", &FtpClient::cwd, FtpRequest::Cwd, 200, true},
        {"cwd 250", &FtpClient::cwd, FtpRequest::Cwd, 250, true},
        {"cwd 257", &FtpClient::cwd, FtpRequest::Cwd, 257, true},
        {"cwd 226", &FtpClient::cwd, FtpRequest::Cwd, 226, false},
        {"cwd 550", &FtpClient::cwd, FtpRequest::Cwd, 550, false},
        {"cdup 250", &FtpClient::cdUp, FtpRequest::CdUp, 250, true},
        {"cdup 200", &FtpClient::cdUp, FtpRequest::CdUp, 200, true},
        {"cdup 257", &FtpClient::cdUp, FtpRequest::CdUp, 257, false},
        {"mkd 257", &FtpClient::mkd, FtpRequest::Mkd, 257, true},
        {"mkd 250", &FtpClient::mkd, FtpRequest::Mkd, 250, false},
        {"size 213", &FtpClient::size, FtpRequest::Size, 213, true},
        {"size 200", &FtpClient::size, FtpRequest::Size, 200, false},
        {"dele 250", &FtpClient::dele, FtpRequest::Dele, 250, true},
        {"dele 257", &FtpClient::dele, FtpRequest::Dele, 257, true},
        {"dele 200", &FtpClient::dele, FtpRequest::Dele, 200, false},
        {"quit 200", &FtpClient::Quit, FtpRequest::Quit, 200, false},
    };
    int code = 0;
    server.onCommand = [&code](ScriptedSession& s, const QByteArray& command) {
        const QByteArray verb = verbOf(command);
        if (verb == "USER" || verb == "PASS" || verb == "TYPE") return false;
        s.reply(QByteArray::number(code) + " Odpowiedz\r\n");
        return true;
    };
    login();
    client.hostDirName = "katalog";
    client.hostFileName = "plik";
    for (const Case& c : cases) {
        code = c.code;
        EXPECT_EQ((client.*c.request)(), c.ok) << c.what;
        EXPECT_EQ(probe.lastDone(), std::pair(c.kind, c.ok ? 0 : c.code)) << c.what;
        EXPECT_EQ(client.replyCode(), c.code) << c.what;
        EXPECT_EQ(client.errorMessage(), c.ok ? "" : std::to_string(c.code) + " Odpowiedz") << c.what;
        EXPECT_EQ(client.state(), FtpState::Ready) << c.what;
    }
}

TEST_F(Scripted, RepliesAreReadExactlyWhateverTheyHold) {
    struct Case {
        const char* what;
        QByteArray reply;
        bool ok;
        int code;
        std::string directory;
    };
    const Case cases[] = {
        {"doubled quotes", "257 \"/home/a \"\"b\"\"\" jest biezacy\r\n", true, 257, "/home/a \"b\""},
        {"multi-line", "257-poczatek\r\n257-\"/nie/to\"\r\n257 \"/koniec\"\r\n", true, 257, "/koniec"},
        {"no quoted text", "257 brak cudzyslowu\r\n", true, 257, ""},
        {"binary garbage and an overlong line first",
         QByteArray("\x00\xff\xfe smieci\r\nabc\n", 17) + QByteArray(5000, 'x') + "\r\n257 \"/ok\"\n", true,
         257, "/ok"},
        {"code without a number after it", "2xx nie kod\r\n", false, 2, ""},
        {"code too large", "99999999999999 za duzy\r\n", false, INT_MAX, ""},
    };
    QByteArray reply;
    server.onCommand = [&reply](ScriptedSession& s, const QByteArray& command) {
        if (verbOf(command) != "PWD") return false;
        s.reply(reply);
        return true;
    };
    login();
    for (const Case& c : cases) {
        reply = c.reply;
        EXPECT_EQ(client.pwd(), c.ok) << c.what << ": " << client.errorMessage();
        EXPECT_EQ(client.replyCode(), c.code) << c.what;
        if (c.ok) {
            EXPECT_EQ(client.replyDirectory(), c.directory) << c.what;
        }
        EXPECT_EQ(client.state(), FtpState::Ready) << c.what;
    }
}

TEST_F(Scripted, SilentServerTimesOutAndIsDropped) {
    client.timeout = 300ms;
    server.greeting.clear();
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(client.connectToServer());
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(client.errorMessage(), "426 Timeout");
    EXPECT_EQ(client.replyCode(), 426);
    EXPECT_EQ(probe.lastDone(), std::pair(FtpRequest::Connect, 426));
    EXPECT_FALSE(client.connected());
    EXPECT_EQ(client.state(), FtpState::NotConnected);
    EXPECT_EQ(probe.closed.size(), 1u);
    EXPECT_TRUE(waitFor(
        [this] { return server.session()->control()->state() == QAbstractSocket::UnconnectedState; }));

    // The same for a request after the login.
    server.greeting = "220 Gotowy\r\n";
    server.onCommand = [](ScriptedSession&, const QByteArray& command) { return verbOf(command) == "PWD"; };
    login();
    EXPECT_FALSE(client.pwd());
    EXPECT_EQ(client.errorMessage(), "426 Timeout");
    EXPECT_EQ(probe.lastDone(), std::pair(FtpRequest::Pwd, 426));
    EXPECT_FALSE(client.connected());
}

TEST_F(Scripted, DownloadThatKeepsDeliveringDoesNotTimeOut) {
    client.timeout = 300ms;
    QTimer pacer;
    int sent = 0;
    server.onCommand = [&](ScriptedSession& s, const QByteArray& command) {
        if (verbOf(command) != "RETR") return false;
        s.reply("150 Wysylam\r\n");
        s.openData([&, session = &s](QTcpSocket* data) {
            QObject::connect(&pacer, &QTimer::timeout, [&, session, data] {
                data->write(QByteArray(1000, char('a' + sent % 26)));
                if (++sent == 16) {
                    pacer.stop();
                    session->closeData();
                    session->reply("226 Gotowe\r\n");
                }
            });
            pacer.start(60);
        });
        return true;
    };
    login();
    client.localFileName = local.file("wolny.bin");
    client.hostFileName = "wolny.bin";
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(client.get()) << client.errorMessage();
    EXPECT_GT(clock.elapsed(), 600) << "the transfer took longer than the timeout";
    EXPECT_EQ(wertan::test::readAll(client.localFileName).size(), 16000);
    EXPECT_EQ(probe.progress.back(), 16000);
}

TEST_F(Scripted, FinalReplyBeforeTheDataStillWaitsForAllOfIt) {
    server.onCommand = [](ScriptedSession& s, const QByteArray& command) {
        if (verbOf(command) != "RETR") return false;
        s.reply("150 Wysylam\r\n226 Gotowe\r\n");
        s.openData([session = &s](QTcpSocket* data) {
            QTimer::singleShot(100, data, [session, data] {
                data->write(QByteArray(70000, 'p'));
                session->closeData();
            });
        });
        return true;
    };
    login();
    client.localFileName = local.file("plik.bin");
    client.hostFileName = "plik.bin";
    ASSERT_TRUE(client.get()) << client.errorMessage();
    EXPECT_EQ(wertan::test::readAll(client.localFileName), QByteArray(70000, 'p'));
}

TEST_F(Scripted, DroppedConnectionsFailTheDownloadAndKeepTheLocalFile) {
    struct Case {
        const char* what;
        bool dropControl; // else the data connection is dropped and 426 follows
        int code;
        bool connectedAfter;
    };
    const Case cases[] = {{"data dropped", false, 426, true}, {"control dropped", true, 500, false}};
    for (const Case& c : cases) {
        server.onCommand = [&c](ScriptedSession& s, const QByteArray& command) {
            if (verbOf(command) != "RETR") return false;
            s.reply("150 Wysylam\r\n");
            s.openData([&c, session = &s](QTcpSocket* data) {
                data->write(QByteArray(5000, 'd'));
                data->flush();
                if (c.dropControl) {
                    session->closeControl();
                } else {
                    session->dropData();
                    session->reply("426 Polaczenie przerwane\r\n");
                }
            });
            return true;
        };
        if (!client.connected()) login();
        probe.closed.clear();
        client.localFileName = local.write("plik.bin", "stara zawartosc");
        client.hostFileName = "plik.bin";
        EXPECT_FALSE(client.get()) << c.what;
        EXPECT_EQ(client.replyCode(), c.code) << c.what;
        EXPECT_EQ(probe.lastDone(), std::pair(FtpRequest::Get, c.code)) << c.what;
        EXPECT_EQ(client.connected(), c.connectedAfter) << c.what;
        EXPECT_EQ(client.state(), c.connectedAfter ? FtpState::Ready : FtpState::NotConnected) << c.what;
        EXPECT_EQ(wertan::test::readAll(client.localFileName), QByteArray("stara zawartosc")) << c.what;
        EXPECT_EQ(QDir(local.path()).entryList(QDir::Files), QStringList{"plik.bin"}) << c.what;
        if (c.dropControl) {
            EXPECT_EQ(client.errorMessage(), "500 The remote host closed the connection (Winsock error #1)");
            EXPECT_EQ(probe.closed, std::vector<int>{1});
        } else {
            EXPECT_EQ(client.errorMessage(), "426 Polaczenie przerwane");
            EXPECT_TRUE(probe.displayed("! RETR/LIST/NLST Failed"));
        }
    }
}

TEST_F(Scripted, UploadCutShortByTheServerFails) {
    server.onCommand = [](ScriptedSession& s, const QByteArray& command) {
        if (verbOf(command) != "STOR") return false;
        s.reply("150 Przyjmuje\r\n");
        s.openData([session = &s](QTcpSocket*) {
            session->closeData();
            session->reply("226 Niby gotowe\r\n");
        });
        return true;
    };
    login();
    client.localFileName = local.write("duzy.bin", QByteArray(8 * 1024 * 1024, 'u'));
    client.hostFileName = "duzy.bin";
    EXPECT_FALSE(client.put());
    EXPECT_NE(probe.lastDone().second, 0);
    EXPECT_FALSE(client.errorMessage().empty());
    EXPECT_EQ(client.state(), FtpState::Ready);
}

TEST_F(Scripted, ListAnswered550FailsWithItsReply) {
    answer("LIST", "550 Brak katalogu\r\n");
    login();
    client.localFileName = local.write("FTPDIR.TXT", "poprzedni listing");
    client.hostFileName.clear();
    EXPECT_FALSE(client.dir());
    EXPECT_EQ(client.errorMessage(), "550 Brak katalogu");
    EXPECT_EQ(probe.lastDone(), std::pair(FtpRequest::Dir, 550));
    EXPECT_EQ(wertan::test::readAll(client.localFileName), QByteArray("poprzedni listing"));
    EXPECT_EQ(client.state(), FtpState::Ready);
    ASSERT_EQ(server.commands.size(), 4);
    EXPECT_TRUE(QRegularExpression("^PORT 127,0,0,1,\\d{1,3},\\d{1,3}$")
                    .match(QString::fromLatin1(server.commands[2]))
                    .hasMatch())
        << server.commands[2].toStdString();
    EXPECT_EQ(server.commands[3], "LIST") << "no TYPE before a listing, no argument without a name";
}

TEST_F(Scripted, PassiveFallsBackToPasvAndConnectsToTheControlPeer) {
    client.passive = true;
    server.onCommand = [](ScriptedSession& s, const QByteArray& command) {
        const QByteArray verb = verbOf(command);
        if (verb == "EPSV") {
            s.reply("500 Nie znam EPSV\r\n");
        } else if (verb == "PASV") {
            const quint16 port = s.listenPassive();
            // The address in the reply is not the server's: the client must ignore it.
            s.reply("227 Entering Passive Mode (10,255,255,1," + QByteArray::number(port >> 8) + "," +
                    QByteArray::number(port & 0xFF) + ")\r\n");
        } else if (verb == "RETR") {
            s.openData([session = &s](QTcpSocket* data) {
                session->reply("150 Wysylam\r\n");
                data->write("dane pasywne");
                session->closeData();
                session->reply("226 Gotowe\r\n");
            });
        } else {
            return false;
        }
        return true;
    };
    login();
    client.hostFileName = "a.txt";
    for (const char* name : {"pierwszy.txt", "drugi.txt"}) {
        client.localFileName = local.file(name);
        ASSERT_TRUE(client.get()) << name << ": " << client.errorMessage();
        EXPECT_EQ(wertan::test::readAll(client.localFileName), QByteArray("dane pasywne")) << name;
    }
    EXPECT_EQ(server.commands, (QList<QByteArray>{"USER wertan", "PASS tajne", "TYPE I", "EPSV", "PASV",
                                                  "RETR a.txt", "PASV", "RETR a.txt"}));
}

TEST_F(Scripted, DataConnectionFromAnotherHostIsRefused) {
    QTcpSocket intruder;
    server.onCommand = [&intruder](ScriptedSession& s, const QByteArray& command) {
        if (verbOf(command) != "RETR") return false;
        s.reply("150 Wysylam\r\n");
        // Someone else reaches the client's data port first, from 127.0.0.2.
        const QStringList port = QString::fromLatin1(s.property("port").toByteArray()).split(',');
        intruder.bind(QHostAddress(QStringLiteral("127.0.0.2")));
        QObject::connect(&intruder, &QTcpSocket::connected, [&intruder, session = &s] {
            intruder.write("obce dane");
            session->openData([session](QTcpSocket* data) {
                data->write("dane serwera");
                session->closeData();
                session->reply("226 Gotowe\r\n");
            });
        });
        intruder.connectToHost(QHostAddress::LocalHost, quint16(port[4].toUInt() * 256 + port[5].toUInt()));
        return true;
    };
    // Remember the PORT argument where the RETR handler can read it.
    const auto onCommand = server.onCommand;
    server.onCommand = [onCommand](ScriptedSession& s, const QByteArray& command) {
        if (verbOf(command) == "PORT") s.setProperty("port", command.mid(5));
        return onCommand(s, command);
    };
    login();
    client.localFileName = local.file("plik.bin");
    client.hostFileName = "plik.bin";
    ASSERT_TRUE(client.get()) << client.errorMessage();
    EXPECT_EQ(wertan::test::readAll(client.localFileName), QByteArray("dane serwera"));
    EXPECT_TRUE(probe.displayed("! Odrzucono połączenie danych z adresu 127.0.0.2"));
}

TEST_F(Scripted, ServerClosingTheControlConnectionEndsTheSession) {
    login();
    server.session()->closeControl();
    ASSERT_TRUE(waitFor([this] { return !probe.closed.empty(); }));
    EXPECT_EQ(probe.closed, std::vector<int>{1});
    EXPECT_FALSE(client.connected());
    EXPECT_EQ(client.state(), FtpState::NotConnected);
    EXPECT_FALSE(client.pwd());
    EXPECT_EQ(client.errorMessage(), "FTP component not connected");

    // Closed while a request waits for its reply: the request fails.
    server.onCommand = [](ScriptedSession& s, const QByteArray& command) {
        if (verbOf(command) != "PWD") return false;
        s.closeControl();
        return true;
    };
    login();
    EXPECT_FALSE(client.pwd());
    EXPECT_EQ(client.replyCode(), 500);
    EXPECT_EQ(client.errorMessage(), "500 The remote host closed the connection (Winsock error #1)");
    EXPECT_EQ(probe.lastDone(), std::pair(FtpRequest::Pwd, 500));

    // QUIT answered by a close without 221 still ends the session as asked.
    server.onCommand = [](ScriptedSession& s, const QByteArray& command) {
        if (verbOf(command) != "QUIT") return false;
        s.closeControl();
        return true;
    };
    login();
    EXPECT_TRUE(client.Quit()) << client.errorMessage();
    EXPECT_FALSE(client.connected());
}

TEST_F(Scripted, AbortFromAHandlerEndsTheRunningRequest) {
    server.onCommand = [](ScriptedSession&, const QByteArray& command) { return verbOf(command) == "PWD"; };
    login();
    probe.onDisplay = [this](const std::string& line) {
        if (line == "> PWD") client.abort();
    };
    EXPECT_FALSE(client.pwd());
    EXPECT_EQ(client.errorMessage(), "426 Abort requested");
    EXPECT_EQ(probe.lastDone(), std::pair(FtpRequest::Pwd, 426));
    EXPECT_FALSE(client.connected());
    EXPECT_EQ(client.state(), FtpState::NotConnected);
    probe.onDisplay = nullptr;
    login();
}

TEST_F(Scripted, UnreachableServerIsASocketError) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    client.port = std::to_string(closed.serverPort());
    closed.close(); // nothing listens there any more
    EXPECT_FALSE(client.connectToServer());
    EXPECT_EQ(client.replyCode(), 500);
    EXPECT_EQ(client.errorMessage(),
              wertan::toWin1250(QStringLiteral("500 Połączenie odrzucone (Winsock error #0)")));
    EXPECT_EQ(probe.lastDone(), std::pair(FtpRequest::Connect, 500));
    EXPECT_TRUE(probe.closed.empty());

    client.hostName = "nie-ma-takiego-hosta.invalid";
    client.port = "ftp";
    EXPECT_FALSE(client.connectToServer());
    EXPECT_EQ(client.replyCode(), 500);
    EXPECT_EQ(client.errorMessage().rfind("500 ", 0), 0u);
    EXPECT_NE(client.errorMessage().find("(Winsock error #"), std::string::npos) << client.errorMessage();

    client.port = "nie-ma-takiej-uslugi";
    EXPECT_FALSE(client.connectToServer());
    EXPECT_EQ(client.errorMessage(), "500 Nieznany port lub usługa: nie-ma-takiej-uslugi");
}

TEST_F(Scripted, ClosingApplicationEndsTheWaitAsATimeout) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            server.greeting.clear();
            client.timeout = 30s;
            QTimer::singleShot(100, [] { QCoreApplication::exit(0); });
            QElapsedTimer clock;
            clock.start();
            const bool ok = client.connectToServer();
            const bool asTimeout = client.errorMessage() == "426 Timeout" && client.replyCode() == 426 &&
                                   probe.lastDone() == std::pair(FtpRequest::Connect, 426) &&
                                   !client.connected();
            std::_Exit(!ok && asTimeout && clock.elapsed() < 10000 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
