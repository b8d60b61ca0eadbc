// Every file the program reads at start-up is in the staged program directory and can be read by
// the reader that reads it. One row per file; a new delivered file is one more row.
#include "ftp/ftp_options.h"
#include "ftp/ftp_sites.h"
#include "platform/program_paths.h"
#include "servers/server_settings.h"
#include "settings/program_options.h"
#include "shell/tag_menus.h"
#include "text/document_text.h"
#include "text/win1250.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace wertan {
namespace {

const ProgramPaths& staged() {
    static const ProgramPaths paths(QString::fromUtf8(WERTAN_BUILD_PROGRAM_DIR));
    return paths;
}

// The file's lines, split at CR LF; a line end other than CR LF is a fault.
std::vector<std::string> crlfLines(const std::string& bytes, QString* fault) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        if (end == start || bytes[end - 1] != '\r') {
            *fault = QStringLiteral("linia %1 nie kończy się CR LF").arg(lines.size() + 1);
            return {};
        }
        lines.push_back(bytes.substr(start, end - 1 - start));
        start = end + 1;
    }
    return lines;
}

bool containsNoCase(const std::string& line, const char* marker) {
    return QString::fromLatin1(line.c_str()).contains(QLatin1String(marker), Qt::CaseInsensitive);
}

// Each check returns an empty text when the file is valid, else what is wrong.
using Check = std::function<QString(const QString& path, const std::string& bytes)>;

QString tagFile(const QString& path, const std::string&) {
    TagMenu menu;
    QString error;
    if (!loadTagMenu(path, &menu, &error)) return error;
    if (menu.entries.empty()) return QStringLiteral("brak pozycji menu");
    if (menu.ignoredLines != 0) return QStringLiteral("%1 linii pominiętych").arg(menu.ignoredLines);
    return {};
}

// A function catalogue: groups of a start line, a name line, entries and an end line.
QString functionCatalogue(const QString&, const std::string& bytes) {
    QString fault;
    const std::vector<std::string> lines = crlfLines(bytes, &fault);
    if (!fault.isEmpty()) return fault;
    int groups = 0;
    int entries = 0;
    std::size_t i = 0;
    while (i < lines.size()) {
        if (!containsNoCase(lines[i], "#zksubtreebegin"))
            return QStringLiteral("linia %1: oczekiwano początku grupy").arg(i + 1);
        if (i + 1 >= lines.size() || !containsNoCase(lines[i + 1], "#zksubtreename"))
            return QStringLiteral("linia %1: grupa bez nazwy").arg(i + 2);
        i += 2;
        while (i < lines.size() && !containsNoCase(lines[i], "#zksubtreeend")) {
            if (containsNoCase(lines[i], "#zksubtree"))
                return QStringLiteral("linia %1: grupa nie zamknięta").arg(i + 1);
            if (lines[i].empty() || lines[i].find('(') == std::string::npos)
                return QStringLiteral("linia %1: pozycja bez nawiasu").arg(i + 1);
            ++entries;
            ++i;
        }
        if (i >= lines.size()) return QStringLiteral("ostatnia grupa nie zamknięta");
        ++groups;
        ++i;
    }
    if (groups == 0 || entries == 0) return QStringLiteral("pusty katalog");
    return {};
}

QString pictureHeader(const QString& path) {
    QImageReader reader(path);
    if (!reader.canRead()) return path + QStringLiteral(": ") + reader.errorString();
    if (reader.size().isEmpty()) return path + QStringLiteral(": brak rozmiaru obrazka");
    return {};
}

// The class catalogue, read by position: its tabs, each class's template file and picture.
QString classCatalogue(const QString&, const std::string& bytes) {
    QString fault;
    const std::vector<std::string> lines = crlfLines(bytes, &fault);
    if (!fault.isEmpty()) return fault;
    std::size_t at = 6;
    auto next = [&]() -> std::optional<std::string> {
        if (at >= lines.size()) return std::nullopt;
        return lines[at++];
    };
    auto number = [&]() -> int {
        const auto line = next();
        bool ok = false;
        const int n = line ? QString::fromLatin1(line->c_str()).trimmed().toInt(&ok) : 0;
        return ok ? n : -1;
    };
    const int tabs = number();
    if (tabs < 1 || tabs > 255) return QStringLiteral("liczba zakładek");
    int classes = 0;
    for (int t = 0; t < tabs; ++t) {
        next(); // comment
        if (!next()) return QStringLiteral("nazwa zakładki");
        next(); // comment
        const int count = number();
        if (count < 1 || count > 255) return QStringLiteral("liczba klas na zakładce %1").arg(t + 1);
        next(); // comment
        for (int c = 0; c < count; ++c) {
            const auto name = next();
            const auto file = next();
            const auto icon = next();
            const auto type = next();
            if (!type) return QStringLiteral("klasa %1 niepełna").arg(c + 1);
            const QString type1250 = fromWin1250(*type).toLower();
            if (type1250 != QStringLiteral("zwykły") && type1250 != QStringLiteral("załącznik"))
                return QStringLiteral("typ klasy ") + fromWin1250(*type);
            if (!QFileInfo(staged().file(fromWin1250(*file))).isFile())
                return QStringLiteral("brak pliku klasy ") + fromWin1250(*file);
            if (const QString picture = pictureHeader(staged().file(fromWin1250(*icon))); !picture.isEmpty())
                return picture;
            ++classes;
        }
    }
    const auto last = next();
    if (!last || fromWin1250(*last) != QStringLiteral("// Koniec pliku (Poniżej można wstawiać komentarze)"))
        return QStringLiteral("brak linii końca pliku");
    return classes > 0 ? QString() : QStringLiteral("brak klas");
}

QString jpegPicture(const QString& path, const std::string& bytes) {
    if (bytes.size() < 3 || bytes.compare(0, 3, "\xFF\xD8\xFF") != 0) return QStringLiteral("to nie JPEG");
    return pictureHeader(path);
}

QString htmlPage(const QString&, const std::string& bytes) {
    static const QRegularExpression start(QStringLiteral("<html[\\s>]"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression end(QStringLiteral("</html>"), QRegularExpression::CaseInsensitiveOption);
    const QString text = QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    if (!start.match(text).hasMatch() || !end.match(text).hasMatch())
        return QStringLiteral("to nie strona HTML");
    return {};
}

QString programOptions(const QString& path, const std::string& bytes) {
    ProgramOptionsRecord record;
    QString error;
    if (!readProgramOptions(path, &record, &error)) return error;
    return encodeProgramOptions(record) == bytes ? QString()
                                                 : QStringLiteral("rekord opcji nie taki jak zapisany");
}

QString ftpOptions(const QString&, const std::string& bytes) {
    ftp::FtpOptions options;
    if (!ftp::decodeOptions(bytes, &options)) return QStringLiteral("to nie rekord opcji FTP");
    return ftp::encodeOptions(options) == bytes ? QString()
                                                : QStringLiteral("rekord opcji FTP nie taki jak zapisany");
}

// The site list may be empty; what it holds is whole records, and it is private to its owner.
QString ftpSites(const QString& path, const std::string& bytes) {
    if (bytes.size() % ftp::kSiteRecordSize != 0) return QStringLiteral("niepełny rekord");
    if (QFileInfo(path).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther))
        return QStringLiteral("plik czytelny dla innych");
    return {};
}

QString httpServer(const QString& path, const std::string& bytes) {
    HttpServerSettings settings;
    QString error;
    return decodeHttpServerFile(bytes, path, &settings, &error) ? QString() : error;
}

QString dataServer(const QString& path, const std::string& bytes) {
    DataServerSettings settings;
    QString error;
    return decodeDataServerFile(bytes, path, &settings, &error) ? QString() : error;
}

QString phpScript(const QString&, const std::string& bytes) {
    return bytes.compare(0, 5, "<?php") == 0 ? QString() : QStringLiteral("nie zaczyna się od <?php");
}

struct DeliveredFile {
    const char* relativePath;
    Check check;
    bool mayBeEmpty = false; // a list that may hold nothing
};

const DeliveredFile kDeliveredFiles[] = {
    // Tag menus, built by the main window.
    {"data\\styltags.dat", tagFile},
    {"data\\zkphptags.dat", tagFile},
    // PHP function catalogues.
    {"data\\functions.dat", functionCatalogue},
    {"data\\functions2.dat", functionCatalogue},
    // The class catalogue with its templates and pictures, and the class wizard's pictures.
    {"data\\classes\\class.cls", classCatalogue},
    {"data\\classes\\wizard\\page1.jpg", jpegPicture},
    {"data\\classes\\wizard\\page2.jpg", jpegPicture},
    {"data\\classes\\wizard\\page3.jpg", jpegPicture},
    {"data\\classes\\wizard\\page4.jpg", jpegPicture},
    {"data\\classes\\wizard\\page5.jpg", jpegPicture},
    {"data\\classes\\wizard\\page6.jpg", jpegPicture},
    {"data\\classes\\wizard\\page7.jpg", jpegPicture},
    {"data\\classes\\wizard\\page8.jpg", jpegPicture},
    // Help: the start page of the browser, the program's help and index, the manual's start page.
    {"pomoc\\main.htm", htmlPage},
    {"pomoc\\pomoc\\pomoc.htm", htmlPage},
    {"pomoc\\pomoc\\indeks.htm", htmlPage},
    {"pomoc\\manual\\manual.html", htmlPage},
    // The options of a first start, written by the build where they are missing.
    {"config\\prog.dat2", programOptions},
    {"config\\ftp.dat2", ftpOptions},
    {"data\\sftp.dat2", ftpSites, true},
    // The servers: the built-in PHP web server with its router, the database server.
    {"config\\httpserv\\path.dat", httpServer},
    {"config\\httpserv\\router.php", phpScript},
    {"config\\dataserv\\path.dat", dataServer},
};

TEST(DeliveredFiles, EveryFileReadAtStartUpIsStagedAndValid) {
    for (const DeliveredFile& file : kDeliveredFiles) {
        const QString path = staged().file(QString::fromLatin1(file.relativePath));
        SCOPED_TRACE(path.toStdString());
        std::string bytes;
        QString error;
        ASSERT_TRUE(readFileBytes(path, &bytes, &error)) << error.toStdString();
        if (!file.mayBeEmpty) {
            EXPECT_FALSE(bytes.empty());
        }
        EXPECT_EQ(file.check(path, bytes), QString());
    }
}

// The checks themselves find the faults they are there for.
TEST(DeliveredFiles, ChecksRejectBrokenFiles) {
    EXPECT_EQ(functionCatalogue({}, "#zksubtreebegin\r\n#zksubtreename(A)\r\nf()\r\n#zksubtreeend\r\n"),
              QString());
    EXPECT_FALSE(functionCatalogue({}, "#zksubtreebegin\r\n#zksubtreename(A)\r\nf()\r\n").isEmpty());
    EXPECT_FALSE(
        functionCatalogue({}, "#zksubtreebegin\r\n#zksubtreename(A)\nf()\r\n#zksubtreeend\r\n").isEmpty());
    EXPECT_FALSE(functionCatalogue({}, "").isEmpty());
    EXPECT_FALSE(htmlPage({}, "<p>bez nagłówka</p>").isEmpty());
    EXPECT_FALSE(jpegPicture({}, "GIF89a").isEmpty());
    EXPECT_FALSE(classCatalogue({}, "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n0\r\n").isEmpty());
}

} // namespace
} // namespace wertan
