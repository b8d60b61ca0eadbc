#include "servers/server_settings.h"
#include "support/temp_dir.h"
#include "text/win1250.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace wertan;
using wertan::test::TempDir;

namespace {

std::string crlf(std::initializer_list<const char*> utf8Lines) {
    std::string out;
    for (const char* l : utf8Lines) {
        out += toWin1250(QString::fromUtf8(l));
        out += "\r\n";
    }
    return out;
}

HttpServerSettings customHttp() {
    HttpServerSettings s;
    s.type = HttpServerType::Custom;
    s.custom = {"/opt/srv/start", "-f \"my conf.ini\"", "/opt/srv/stop", "--now"};
    return s;
}

} // namespace

// Each shape, byte for byte: comments at their places, CR LF, Windows-1250.
TEST(ServerSettingsFile, ShapesAreWrittenLineByLine) {
    DataServerSettings mysql;
    mysql.mysqlFolder = "/usr/local/mysql/bin";
    mysql.mysqlAutostart = true;
    EXPECT_EQ(encodeDataServerFile(mysql),
              crlf({"// Plik konfiguracyjny dla servera danych", "// Typ serwera danych", "0", "// Ścieżka",
                    "/usr/local/mysql/bin", "// Autostart serwera mySQL", "True"}));

    DataServerSettings customData;
    customData.type = DataServerType::Custom;
    customData.custom = {"/a/start", "-x", "/a/stop", ""};
    EXPECT_EQ(encodeDataServerFile(customData),
              crlf({"// Plik konfiguracyjny dla servera danych", "// Typ serwera danych", "1",
                    "// Ścieżka startu", "/a/start", "// Parametry przy starcie serwera danych", "-x",
                    "// Ścieżka zamknięcia", "/a/stop", "// Parametry przy zamknięciu serwera danych", ""}));

    HttpServerSettings apache;
    EXPECT_EQ(encodeHttpServerFile(apache),
              crlf({"// Plik konfiguracyjny dla servera HTTP", "// Typ serwera HTTP", "0", "// Ścieżka",
                    "/usr/sbin", "// Autostart serwera Apache", "False"}));

    EXPECT_EQ(encodeHttpServerFile(customHttp()),
              crlf({"// Plik konfiguracyjny dla servera HTTP", "// Typ serwera HTTP", "1",
                    "// Ścieżka startu", "/opt/srv/start", "// Parametry przy starcie serwera HTTP",
                    "-f \"my conf.ini\"", "// Ścieżka zamknięcia", "/opt/srv/stop",
                    "// Parametry przy zamknięciu serwera HTTP", "--now"}));

    EXPECT_EQ(encodeHttpServerFile(deliveredHttpServerSettings()),
              crlf({"// Plik konfiguracyjny dla servera HTTP", "// Typ serwera HTTP", "2", "// Program PHP",
                    "php", "// Autostart wbudowanego serwera PHP", "True"}));
}

// Every shape written to disk and read back into fresh settings gives the values of its type.
TEST(ServerSettingsFile, EveryShapeReadsBack) {
    TempDir dir;
    const QString path = dir.file(QStringLiteral("path.dat"));

    HttpServerSettings apache;
    apache.apacheFolder = toWin1250(QStringLiteral("/srv/Żółw apache"));
    apache.apacheAutostart = true;
    HttpServerSettings php = deliveredHttpServerSettings();
    php.phpProgram = "/usr/bin/php8.2";
    for (const HttpServerSettings& written : {apache, customHttp(), php}) {
        ASSERT_TRUE(writeHttpServerFile(path, written, nullptr));
        HttpServerSettings read;
        QString error;
        ASSERT_TRUE(readHttpServerFile(path, &read, &error)) << error.toStdString();
        EXPECT_EQ(read, written);
    }

    DataServerSettings mysql;
    mysql.mysqlFolder = "/opt/mysql/bin";
    mysql.mysqlAutostart = true;
    DataServerSettings custom;
    custom.type = DataServerType::Custom;
    custom.custom = {"/x/start", "a b", "/x/stop", "c"};
    for (const DataServerSettings& written : {mysql, custom}) {
        ASSERT_TRUE(writeDataServerFile(path, written, nullptr));
        DataServerSettings read;
        QString error;
        ASSERT_TRUE(readDataServerFile(path, &read, &error)) << error.toStdString();
        EXPECT_EQ(read, written);
    }
}

// Only the exact text "True" turns the automatic start on.
TEST(ServerSettingsFile, AutostartNeedsExactTrue) {
    const struct {
        const char* line7;
        bool on;
    } cases[] = {{"True", true},   {"true", false}, {"TRUE", false},
                 {"True ", false}, {"1", false},    {"", false}};
    for (const auto& c : cases) {
        const std::string file = crlf({"// Plik konfiguracyjny dla servera danych", "// Typ serwera danych",
                                       "0", "// Ścieżka", "/usr/bin", "// Autostart serwera mySQL", c.line7});
        DataServerSettings s;
        s.mysqlAutostart = !c.on;
        ASSERT_TRUE(decodeDataServerFile(file, QStringLiteral("path.dat"), &s, nullptr)) << c.line7;
        EXPECT_EQ(s.mysqlAutostart, c.on) << c.line7;
    }
}

// The reader counts lines: comments are not checked, LF or CR ends are accepted too.
TEST(ServerSettingsFile, ReaderCountsLinesNotComments) {
    const std::string file = "anything\nat all\n 1 \nx\n/s/start\nx\n-a\nx\n/s/stop\nx\n-b";
    HttpServerSettings s;
    ASSERT_TRUE(decodeHttpServerFile(file, QStringLiteral("path.dat"), &s, nullptr));
    EXPECT_EQ(s.type, HttpServerType::Custom);
    EXPECT_EQ(s.custom, (CustomServerPrograms{"/s/start", "-a", "/s/stop", "-b"}));
}

// A faulty file stops the reading at the fault with a Polish message naming the file; what was read
// before stays.
TEST(ServerSettingsFile, FaultsStopTheReading) {
    const QString name = QStringLiteral("/p/config/httpserv/path.dat");
    {
        HttpServerSettings s;
        QString error;
        EXPECT_FALSE(decodeHttpServerFile("a\r\nb\r\nApache\r\n", name, &s, &error));
        EXPECT_TRUE(error.contains(QStringLiteral("Wiersz 3"))) << error.toStdString();
        EXPECT_TRUE(error.contains(name));
        EXPECT_TRUE(error.contains(QStringLiteral("Apache")));
        EXPECT_EQ(s, HttpServerSettings());
    }
    {
        HttpServerSettings s;
        QString error;
        EXPECT_FALSE(decodeHttpServerFile("a\r\nb\r\n7\r\n", name, &s, &error));
        EXPECT_TRUE(error.contains(QStringLiteral("Nieznany typ serwera 7"))) << error.toStdString();
    }
    {
        // A custom file cut after its start parameters keeps the type and what came before.
        HttpServerSettings s;
        QString error;
        EXPECT_FALSE(decodeHttpServerFile("a\r\nb\r\n1\r\nc\r\n/s/start\r\nd\r\n-a\r\n", name, &s, &error));
        EXPECT_TRUE(error.contains(QStringLiteral("brak wiersza 9"))) << error.toStdString();
        EXPECT_EQ(s.type, HttpServerType::Custom);
        EXPECT_EQ(s.custom.startProgram, "/s/start");
        EXPECT_EQ(s.custom.startParameters, "-a");
        EXPECT_EQ(s.custom.stopProgram, "/");
    }
    {
        DataServerSettings s;
        QString error;
        EXPECT_FALSE(decodeDataServerFile("", name, &s, &error));
        EXPECT_TRUE(error.contains(QStringLiteral("brak wiersza 3"))) << error.toStdString();
        EXPECT_FALSE(decodeDataServerFile("a\r\nb\r\n2\r\n", name, &s, &error)); // no third database type
        EXPECT_EQ(s, DataServerSettings());
    }
}

TEST(ServerSettingsFile, MissingFileIsReportedAndChangesNothing) {
    TempDir dir;
    const QString path = dir.file(QStringLiteral("config/dataserv/path.dat"));
    DataServerSettings s;
    s.mysqlFolder = "/kept";
    QString error;
    EXPECT_FALSE(readDataServerFile(path, &s, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Nie można otworzyć pliku"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("path.dat")));
    EXPECT_EQ(s.mysqlFolder, "/kept");
    // Writing into a folder that does not exist fails and creates nothing.
    EXPECT_FALSE(writeDataServerFile(path, s, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ServerSettingsFile, WritingReplacesTheWholeFile) {
    TempDir dir;
    const QString path = dir.file(QStringLiteral("path.dat"));
    ASSERT_TRUE(writeHttpServerFile(path, customHttp(), nullptr)); // eleven lines
    ASSERT_TRUE(writeHttpServerFile(path, HttpServerSettings(), nullptr));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().count("\r\n"), 7);
}

// The delivered files: the built-in PHP server starting with the program, and mySQL without it.
TEST(ServerSettingsFile, DeliveredFilesSelectTheBuiltInServer) {
    const QString program = QString::fromUtf8(WERTAN_PROGRAM_SOURCE_DIR);
    HttpServerSettings http;
    QString error;
    ASSERT_TRUE(readHttpServerFile(program + QStringLiteral("/config/httpserv/path.dat"), &http, &error))
        << error.toStdString();
    EXPECT_EQ(http, deliveredHttpServerSettings());
    DataServerSettings data;
    ASSERT_TRUE(readDataServerFile(program + QStringLiteral("/config/dataserv/path.dat"), &data, &error))
        << error.toStdString();
    EXPECT_EQ(data, DataServerSettings());
    EXPECT_TRUE(QFile::exists(program + QStringLiteral("/config/httpserv/router.php")));
}
