#pragma once
// The settings of the local HTTP and database servers and their two files beside the program,
// config\httpserv\path.dat and config\dataserv\path.dat: plain text, one value per line, CR LF,
// Windows-1250. Lines starting with "//" are comments at fixed places; the reader counts lines.
//
// Database file, type 0 (mySQL), 7 lines      Database file, type 1 (custom), 11 lines
//   1 // Plik konfiguracyjny dla servera danych  1, 2 as for type 0
//   2 // Typ serwera danych                      3 1
//   3 0                                          4 // Ścieżka startu
//   4 // Ścieżka                                 5 start program
//   5 the mySQL folder                           6 // Parametry przy starcie serwera danych
//   6 // Autostart serwera mySQL                 7 start parameters
//   7 True or False                              8 // Ścieżka zamknięcia
//                                                9 stop program
//                                               10 // Parametry przy zamknięciu serwera danych
//                                               11 stop parameters
//
// The HTTP file has the same shapes ("servera HTTP", "serwera HTTP", "Autostart serwera Apache")
// and a third one, type 2, PHP's built-in web server, in seven lines like type 0:
//   3 2, 4 "// Program PHP", 5 the PHP program, 6 "// Autostart wbudowanego serwera PHP", 7 True/False.
// Autostart is on only for the exact text "True".
#include <QString>
#include <string>
#include <string_view>

namespace wertan {

enum class HttpServerType { Apache = 0, Custom = 1, BuiltInPhp = 2 };
enum class DataServerType { MySql = 0, Custom = 1 };

// A server the user starts and stops with programs of his own. Texts are Windows-1250.
struct CustomServerPrograms {
    std::string startProgram = "/";
    std::string startParameters;
    std::string stopProgram = "/";
    std::string stopParameters;
    bool operator==(const CustomServerPrograms&) const = default;
};

struct HttpServerSettings {
    HttpServerType type = HttpServerType::Apache;
    std::string apacheFolder = "/usr/sbin"; // holds apachectl
    bool apacheAutostart = false;
    CustomServerPrograms custom;
    std::string phpProgram = "php"; // a name looked up on the PATH, or a full path
    bool phpAutostart = false;
    bool operator==(const HttpServerSettings&) const = default;
};

struct DataServerSettings {
    DataServerType type = DataServerType::MySql;
    std::string mysqlFolder = "/usr/bin"; // holds mysqld_safe and mysqladmin
    bool mysqlAutostart = false;
    CustomServerPrograms custom;
    bool operator==(const DataServerSettings&) const = default;
};

// The files' bytes in the shape of the settings' type.
std::string encodeHttpServerFile(const HttpServerSettings& settings);
std::string encodeDataServerFile(const DataServerSettings& settings);

// Reads a file's bytes into the settings, line by line. A short file, a line 3 that is not a number
// or an unknown type stops the reading with a Polish message that names the file; what was read
// before that point stays in the settings.
bool decodeHttpServerFile(std::string_view bytes, const QString& fileName, HttpServerSettings* settings,
                          QString* error);
bool decodeDataServerFile(std::string_view bytes, const QString& fileName, DataServerSettings* settings,
                          QString* error);

// The same from the file on disk; a missing or unreadable file is reported with the system's reason.
bool readHttpServerFile(const QString& path, HttpServerSettings* settings, QString* error);
bool readDataServerFile(const QString& path, DataServerSettings* settings, QString* error);
// Replaces a file whole, atomically.
bool writeHttpServerFile(const QString& path, const HttpServerSettings& settings, QString* error);
bool writeDataServerFile(const QString& path, const DataServerSettings& settings, QString* error);

// The delivered HTTP settings: the built-in PHP server, started with the program.
HttpServerSettings deliveredHttpServerSettings();

} // namespace wertan
