#include "servers/server_settings.h"

#include "text/document_text.h"
#include "text/win1250.h"

#include <QDir>
#include <vector>

namespace wertan {

namespace {

std::string line(const char* utf8) {
    return toWin1250(QString::fromUtf8(utf8));
}

std::string trueFalse(bool flag) {
    return flag ? "True" : "False";
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

// Lines end at CR LF, LF or CR; a line end after the last line adds no empty line.
std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
    return lines;
}

std::vector<std::string> customLines(const CustomServerPrograms& c, const char* header, const char* type,
                                     const char* startNote, const char* stopNote) {
    return {line(header),
            line(type),
            "1",
            line("// Ścieżka startu"),
            c.startProgram,
            line(startNote),
            c.startParameters,
            line("// Ścieżka zamknięcia"),
            c.stopProgram,
            line(stopNote),
            c.stopParameters};
}

// Reads lines by their number (counted from 1) and reports the first one that is missing.
class LineReader {
public:
    LineReader(std::string_view bytes, const QString& fileName)
        : lines_(splitLines(bytes)), name_(fileName) {}

    bool get(std::size_t number, std::string* out, QString* error) const {
        if (number > lines_.size()) {
            if (error)
                *error = QStringLiteral("Plik %1 jest niepełny: brak wiersza %2.")
                             .arg(QDir::toNativeSeparators(name_))
                             .arg(number);
            return false;
        }
        *out = lines_[number - 1];
        return true;
    }

    // Line 3, the server's type, as an integer from 0 to the highest type.
    bool type(int highest, int* out, QString* error) const {
        std::string text;
        if (!get(3, &text, error)) return false;
        bool ok = false;
        const int value = fromWin1250(text).trimmed().toInt(&ok);
        if (!ok) {
            if (error)
                *error = QStringLiteral("Wiersz 3 pliku %1 powinien podawać typ serwera, a zawiera \"%2\", "
                                        "co nie jest liczbą całkowitą.")
                             .arg(QDir::toNativeSeparators(name_), fromWin1250(text));
            return false;
        }
        if (value < 0 || value > highest) {
            if (error)
                *error = QStringLiteral("Nieznany typ serwera %1 w wierszu 3 pliku %2.")
                             .arg(value)
                             .arg(QDir::toNativeSeparators(name_));
            return false;
        }
        *out = value;
        return true;
    }

    bool custom(CustomServerPrograms* c, QString* error) const {
        return get(5, &c->startProgram, error) && get(7, &c->startParameters, error) &&
               get(9, &c->stopProgram, error) && get(11, &c->stopParameters, error);
    }

    bool folderAndAutostart(std::string* folder, bool* autostart, QString* error) const {
        if (!get(5, folder, error)) return false;
        std::string flag;
        if (!get(7, &flag, error)) return false;
        *autostart = flag == "True";
        return true;
    }

private:
    std::vector<std::string> lines_;
    QString name_;
};

} // namespace

std::string encodeHttpServerFile(const HttpServerSettings& s) {
    const char* header = "// Plik konfiguracyjny dla servera HTTP";
    const char* type = "// Typ serwera HTTP";
    switch (s.type) {
    case HttpServerType::Custom:
        return joinLines(customLines(s.custom, header, type, "// Parametry przy starcie serwera HTTP",
                                     "// Parametry przy zamknięciu serwera HTTP"));
    case HttpServerType::BuiltInPhp:
        return joinLines({line(header), line(type), "2", line("// Program PHP"), s.phpProgram,
                          line("// Autostart wbudowanego serwera PHP"), trueFalse(s.phpAutostart)});
    case HttpServerType::Apache:
        break;
    }
    return joinLines({line(header), line(type), "0", line("// Ścieżka"), s.apacheFolder,
                      line("// Autostart serwera Apache"), trueFalse(s.apacheAutostart)});
}

std::string encodeDataServerFile(const DataServerSettings& s) {
    const char* header = "// Plik konfiguracyjny dla servera danych";
    const char* type = "// Typ serwera danych";
    if (s.type == DataServerType::Custom)
        return joinLines(customLines(s.custom, header, type, "// Parametry przy starcie serwera danych",
                                     "// Parametry przy zamknięciu serwera danych"));
    return joinLines({line(header), line(type), "0", line("// Ścieżka"), s.mysqlFolder,
                      line("// Autostart serwera mySQL"), trueFalse(s.mysqlAutostart)});
}

bool decodeHttpServerFile(std::string_view bytes, const QString& fileName, HttpServerSettings* s,
                          QString* error) {
    const LineReader reader(bytes, fileName);
    int type = 0;
    if (!reader.type(2, &type, error)) return false;
    s->type = HttpServerType(type);
    switch (s->type) {
    case HttpServerType::Apache:
        return reader.folderAndAutostart(&s->apacheFolder, &s->apacheAutostart, error);
    case HttpServerType::Custom:
        return reader.custom(&s->custom, error);
    case HttpServerType::BuiltInPhp:
        return reader.folderAndAutostart(&s->phpProgram, &s->phpAutostart, error);
    }
    return true;
}

bool decodeDataServerFile(std::string_view bytes, const QString& fileName, DataServerSettings* s,
                          QString* error) {
    const LineReader reader(bytes, fileName);
    int type = 0;
    if (!reader.type(1, &type, error)) return false;
    s->type = DataServerType(type);
    if (s->type == DataServerType::Custom) return reader.custom(&s->custom, error);
    return reader.folderAndAutostart(&s->mysqlFolder, &s->mysqlAutostart, error);
}

bool readHttpServerFile(const QString& path, HttpServerSettings* settings, QString* error) {
    std::string bytes;
    return readFileBytes(path, &bytes, error) && decodeHttpServerFile(bytes, path, settings, error);
}

bool readDataServerFile(const QString& path, DataServerSettings* settings, QString* error) {
    std::string bytes;
    return readFileBytes(path, &bytes, error) && decodeDataServerFile(bytes, path, settings, error);
}

bool writeHttpServerFile(const QString& path, const HttpServerSettings& settings, QString* error) {
    return writeFileAtomically(path, encodeHttpServerFile(settings), error);
}

bool writeDataServerFile(const QString& path, const DataServerSettings& settings, QString* error) {
    return writeFileAtomically(path, encodeDataServerFile(settings), error);
}

HttpServerSettings deliveredHttpServerSettings() {
    HttpServerSettings s;
    s.type = HttpServerType::BuiltInPhp;
    s.phpAutostart = true;
    return s;
}

} // namespace wertan
