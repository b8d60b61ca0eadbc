#include "projects/project_format.h"

#include "text/document_text.h"
#include "text/text_utils.h"
#include "text/win1250.h"

#include <QDir>

namespace wertan {

namespace {
constexpr std::string_view kCrLf = "\r\n";

void appendLine(std::string& out, const QString& text) {
    out += toWin1250(text);
    out += kCrLf;
}

// The first of the texts that Windows-1250 cannot hold, or an empty text.
QString firstUnwritable(const QStringList& texts) {
    for (const QString& t : texts) {
        std::size_t lost = 0;
        toWin1250(t, &lost);
        if (lost > 0) return t;
    }
    return {};
}

QString unwritableMessage(const QString& path, const QString& text) {
    return QStringLiteral("Nie można zapisać pliku %1.\nTekst \"%2\" zawiera znaki, których nie można "
                          "zapisać w kodzie Windows-1250.")
        .arg(QDir::toNativeSeparators(path), text);
}
} // namespace

std::vector<std::string_view> textLines(std::string_view bytes, std::size_t limit) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size() && lines.size() < limit) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + ((bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

std::string encodeProjectDescription(const ProjectDescription& d) {
    std::string out;
    appendLine(out, QStringLiteral("// Nazwa projektu"));
    appendLine(out, d.name);
    appendLine(out, QStringLiteral("// Katalog projektu"));
    appendLine(out, d.directory);
    appendLine(out, QStringLiteral("// W root"));
    out += boolToText(d.inRoot);
    out += kCrLf;
    appendLine(out, QStringLiteral("// Katalogi:"));
    for (const QString& entry : d.directories)
        appendLine(out, entry);
    return out;
}

ProjectDescription decodeProjectDescription(std::string_view bytes) {
    const std::vector<std::string_view> lines = textLines(bytes);
    auto line = [&lines](std::size_t number) {
        return number <= lines.size() ? lines[number - 1] : std::string_view();
    };
    ProjectDescription d;
    d.name = fromWin1250(line(2));
    d.directory = fromWin1250(line(4));
    d.inRoot = textToBool(line(6));
    for (std::size_t i = 7; i < lines.size(); ++i)
        d.directories << fromWin1250(lines[i]);
    return d;
}

std::string encodeProjectFileList(const QStringList& files) {
    std::string out;
    for (const QString& f : files)
        appendLine(out, f);
    return out;
}

QStringList decodeProjectFileList(std::string_view bytes) {
    QStringList files;
    for (std::string_view line : textLines(bytes))
        files << fromWin1250(line);
    return files;
}

bool readProjectDescription(const QString& path, ProjectDescription* description, QString* error) {
    std::string bytes;
    if (!readFileBytes(path, &bytes, error)) return false;
    *description = decodeProjectDescription(bytes);
    return true;
}

bool writeProjectDescription(const QString& path, const ProjectDescription& description, QString* error) {
    const QString bad =
        firstUnwritable(QStringList{description.name, description.directory} + description.directories);
    if (!bad.isNull()) {
        *error = unwritableMessage(path, bad);
        return false;
    }
    return writeFileAtomically(path, encodeProjectDescription(description), error);
}

bool readProjectFileList(const QString& path, QStringList* files, QString* error) {
    std::string bytes;
    if (!readFileBytes(path, &bytes, error)) return false;
    *files = decodeProjectFileList(bytes);
    return true;
}

bool writeProjectFileList(const QString& path, const QStringList& files, QString* error) {
    const QString bad = firstUnwritable(files);
    if (!bad.isNull()) {
        *error = unwritableMessage(path, bad);
        return false;
    }
    return writeFileAtomically(path, encodeProjectFileList(files), error);
}

} // namespace wertan
