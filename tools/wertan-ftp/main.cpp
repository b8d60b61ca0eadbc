// wertan-ftp: drives the FTP client from the command line, for scripts and benchmarks.
// One session: connect, the given commands in order, quit. The client's display lines go to
// standard error; listings, directories and sizes go to standard output.
#include "ftp/ftp_client.h"
#include "ftp/local_names.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using wertan::ftp::FtpClient;

const char* const kHelp =
    "Użycie: wertan-ftp --host H [--port P] --user U [--password W] [--active|--passive] POLECENIE...\n"
    "\n"
    "Łączy się z serwerem FTP, wykonuje po kolei podane polecenia i kończy sesję.\n"
    "\n"
    "Opcje:\n"
    "  --host H            nazwa lub adres serwera\n"
    "  --port P            numer portu lub nazwa usługi (domyślnie ftp, czyli 21)\n"
    "  --user U            nazwa użytkownika\n"
    "  --password W        hasło, wysyłane tylko wtedy, gdy serwer o nie poprosi\n"
    "  --active            połączenia danych nawiązuje serwer (PORT); tak jest domyślnie\n"
    "  --passive           połączenia danych nawiązuje klient (EPSV, a gdy serwer go nie zna, PASV)\n"
    "  -h, --help          ten opis\n"
    "\n"
    "Polecenia:\n"
    "  ls [KATALOG]        wypisuje listing bieżącego albo podanego katalogu\n"
    "  pwd                 wypisuje bieżący katalog na serwerze\n"
    "  cd KATALOG          zmienia katalog na serwerze\n"
    "  mkdir NAZWA         zakłada katalog na serwerze\n"
    "  size NAZWA          wypisuje rozmiar pliku na serwerze w bajtach\n"
    "  get ZDALNY LOKALNY  pobiera plik; gdy LOKALNY jest katalogiem, plik trafia do niego\n"
    "                      pod nazwą z serwera (ostatnią częścią ścieżki)\n"
    "  put LOKALNY ZDALNY  wysyła plik na serwer\n"
    "  rm NAZWA            usuwa plik z serwera\n"
    "\n"
    "Przebieg sesji (polecenia, odpowiedzi serwera i komunikaty klienta) trafia na standardowe\n"
    "wyjście błędów, a listingi, katalogi i rozmiary na standardowe wyjście. Argument polecenia ls\n"
    "jest brany, gdy następne słowo nie jest nazwą polecenia. Po pierwszym nieudanym poleceniu\n"
    "następne nie są wykonywane, a sesja jest kończona.\n"
    "\n"
    "Kod wyjścia: 0, gdy wszystkie żądania się powiodły; 1, gdy któreś zawiodło; 2 przy błędnym\n"
    "wywołaniu.\n";

struct Command {
    std::string name;
    std::vector<std::string> args;
};

struct Options {
    std::string host;
    std::string port = "ftp";
    std::string user;
    std::string password;
    bool passive = false;
    bool help = false;
    std::vector<Command> commands;
};

int argumentCount(const std::string& command) {
    if (command == "pwd") return 0;
    if (command == "cd" || command == "mkdir" || command == "size" || command == "rm") return 1;
    if (command == "get" || command == "put") return 2;
    return -1;
}

bool isCommand(const std::string& word) {
    return word == "ls" || argumentCount(word) >= 0;
}

// Reads the command line; on a mistake returns false with a message.
bool parse(const std::vector<std::string>& args, Options& options, std::string& error) {
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        std::string arg = args[i];
        if (arg == "-h" || arg == "--help") {
            options.help = true;
            return true;
        }
        if (arg.rfind("--", 0) != 0) break;
        std::string value;
        bool hasValue = false;
        if (const std::size_t eq = arg.find('='); eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            hasValue = true;
        }
        if (arg == "--active" || arg == "--passive") {
            if (hasValue) {
                error = "opcja " + arg + " nie przyjmuje wartości";
                return false;
            }
            options.passive = arg == "--passive";
            continue;
        }
        std::string* target = arg == "--host"       ? &options.host
                              : arg == "--port"     ? &options.port
                              : arg == "--user"     ? &options.user
                              : arg == "--password" ? &options.password
                                                    : nullptr;
        if (!target) {
            error = "nieznana opcja: " + arg;
            return false;
        }
        if (!hasValue) {
            if (i + 1 >= args.size()) {
                error = "opcja " + arg + " wymaga wartości";
                return false;
            }
            value = args[++i];
        }
        *target = value;
    }
    for (; i < args.size(); ++i) {
        Command command{args[i], {}};
        if (command.name == "ls") {
            if (i + 1 < args.size() && !isCommand(args[i + 1])) command.args.push_back(args[++i]);
        } else {
            const int count = argumentCount(command.name);
            if (count < 0) {
                error = "nieznane polecenie: " + command.name;
                return false;
            }
            if (i + std::size_t(count) >= args.size()) {
                error = "polecenie " + command.name + " wymaga argumentów: " + std::to_string(count);
                return false;
            }
            for (int k = 0; k < count; ++k)
                command.args.push_back(args[++i]);
        }
        options.commands.push_back(std::move(command));
    }
    if (options.host.empty())
        error = "brak opcji --host";
    else if (options.user.empty())
        error = "brak opcji --user";
    else if (options.commands.empty())
        error = "brak poleceń do wykonania";
    return error.empty();
}

void writeOut(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void writeErr(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

QString localName(const std::string& bytes) {
    return QString::fromLocal8Bit(bytes.data(), qsizetype(bytes.size()));
}

// Runs one command; false when its request failed (the reason is written to standard error).
bool run(FtpClient& client, const Command& command, const QTemporaryDir& scratch) {
    const std::string& name = command.name;
    bool ok = false;
    if (name == "ls") {
        client.hostFileName = command.args.empty() ? std::string() : command.args[0];
        client.localFileName = scratch.filePath(QStringLiteral("listing.txt"));
        ok = client.dir();
        if (ok) {
            QFile listing(client.localFileName);
            if (listing.open(QIODevice::ReadOnly)) writeOut(listing.readAll().toStdString());
        }
    } else if (name == "pwd") {
        ok = client.pwd();
        if (ok) writeOut(client.replyDirectory() + "\n");
    } else if (name == "cd") {
        client.hostDirName = command.args[0];
        ok = client.cwd();
    } else if (name == "mkdir") {
        client.hostFileName = command.args[0];
        ok = client.mkd();
    } else if (name == "size") {
        client.hostFileName = command.args[0];
        ok = client.size();
        if (ok) writeOut(std::to_string(client.replySize()) + "\n");
    } else if (name == "get") {
        client.hostFileName = command.args[0];
        QString local = localName(command.args[1]);
        if (QFileInfo(local).isDir()) {
            const std::optional<QString> inside = wertan::ftp::localFileInFolder(local, command.args[0]);
            if (!inside) {
                writeErr("wertan-ftp: get: nazwa z serwera nie wskazuje pliku w katalogu " + command.args[1] +
                         ": " + command.args[0] + "\n");
                return false;
            }
            local = *inside;
        }
        client.localFileName = local;
        ok = client.get();
    } else if (name == "put") {
        client.localFileName = localName(command.args[0]);
        client.hostFileName = command.args[1];
        ok = client.put();
    } else if (name == "rm") {
        client.hostFileName = command.args[0];
        ok = client.dele();
    }
    if (!ok) writeErr("wertan-ftp: " + name + ": " + client.errorMessage() + "\n");
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);

    Options options;
    std::string error;
    if (!parse(args, options, error)) {
        writeErr("wertan-ftp: " + error + "\nOpis wywołania: wertan-ftp --help\n");
        return 2;
    }
    if (options.help) {
        writeOut(kHelp);
        return 0;
    }
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        writeErr("wertan-ftp: nie można utworzyć katalogu tymczasowego: " +
                 scratch.errorString().toStdString() + "\n");
        return 1;
    }

    FtpClient client;
    client.hostName = options.host;
    client.port = options.port;
    client.userName = options.user;
    client.password = options.password;
    client.passive = options.passive;
    client.onDisplay = [](const std::string& line) { writeErr(line + "\n"); };

    if (!client.connectToServer()) {
        writeErr("wertan-ftp: połączenie: " + client.errorMessage() + "\n");
        return 1;
    }
    bool allOk = true;
    for (const Command& command : options.commands) {
        if (!run(client, command, scratch)) {
            allOk = false;
            break;
        }
    }
    if (client.connected() && !client.Quit()) {
        writeErr("wertan-ftp: zakończenie sesji: " + client.errorMessage() + "\n");
        allOk = false;
    }
    return allOk ? 0 : 1;
}
