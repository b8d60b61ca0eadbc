#include "ftp/remote_listing.h"

#include "text/win1250.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace wertan::ftp {

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

bool allDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isMonth(std::string_view s) {
    static constexpr std::array<std::string_view, 12> months{"jan", "feb", "mar", "apr", "may", "jun",
                                                             "jul", "aug", "sep", "oct", "nov", "dec"};
    return std::any_of(months.begin(), months.end(), [&](std::string_view m) { return equalsNoCase(s, m); });
}

// "12:00" or a year.
bool isTimeOrYear(std::string_view s) {
    const std::size_t colon = s.find(':');
    if (colon == std::string_view::npos) return s.size() == 4 && allDigits(s);
    return colon >= 1 && colon <= 2 && allDigits(s.substr(0, colon)) && s.size() - colon - 1 == 2 &&
           allDigits(s.substr(colon + 1));
}

struct Field {
    std::size_t begin;
    std::size_t end;
};

std::vector<Field> fieldsOf(std::string_view line) {
    std::vector<Field> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= line.size()) break;
        const std::size_t begin = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        fields.push_back({begin, i});
    }
    return fields;
}

// The 0-based offset where the name of a Unix long form line begins: one space after the field
// of time or year that follows the month and the day. npos when the line is not of that form.
std::size_t unixNameOffset(std::string_view line) {
    const std::vector<Field> fields = fieldsOf(line);
    if (fields.empty() || fields[0].end - fields[0].begin < 10) return std::string_view::npos;
    auto text = [&](std::size_t i) { return line.substr(fields[i].begin, fields[i].end - fields[i].begin); };
    for (std::size_t i = 3; i + 2 < fields.size(); ++i) {
        const std::string_view day = text(i + 1);
        if (isMonth(text(i)) && allDigits(day) && day.size() <= 2 && isTimeOrYear(text(i + 2))) {
            const std::size_t at = fields[i + 2].end + 1;
            return at < line.size() ? at : std::string_view::npos;
        }
    }
    return std::string_view::npos;
}

bool isFolderLine(std::string_view line) {
    return !line.empty() && lower(line[0]) == 'd';
}

bool isKeptLine(std::string_view line) {
    return !line.empty() && (lower(line[0]) == 'd' || line[0] == '-');
}

bool lessNoCase(const std::string& a, const std::string& b) {
    const auto m = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                                 [](char x, char y) { return lower(x) == lower(y); });
    if (m.first == a.end()) return m.second != b.end() || a < b;
    if (m.second == b.end()) return false;
    const unsigned char x = static_cast<unsigned char>(lower(*m.first));
    const unsigned char y = static_cast<unsigned char>(lower(*m.second));
    return x < y;
}

} // namespace

std::vector<std::string> listingLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

int nameColumn(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < std::min<std::size_t>(3, lines.size()); ++i) {
        const std::string& line = lines[i];
        const std::size_t lastSpace = line.find_last_of(' ');
        if (lastSpace == std::string::npos || lastSpace + 1 < 52) continue;
        const std::size_t unix = unixNameOffset(line);
        return int((unix != std::string_view::npos ? unix : lastSpace + 1) + 1);
    }
    return 2;
}

std::string nameOnLine(std::string_view line, int column) {
    const std::size_t unix = unixNameOffset(line);
    if (unix != std::string_view::npos) return std::string(line.substr(unix));
    const std::size_t at = std::size_t(std::max(column, 1) - 1);
    return at < line.size() ? std::string(line.substr(at)) : std::string();
}

RemoteItemKind fileKind(std::string_view name) {
    const std::size_t dot = name.find_last_of('.');
    const std::string_view ext = dot == std::string_view::npos ? std::string_view() : name.substr(dot);
    for (std::string_view php : {".php", ".phtml", ".php3", ".php4"})
        if (equalsNoCase(ext, php)) return RemoteItemKind::PhpFile;
    for (std::string_view html : {".htm", ".html", ".shtml"})
        if (equalsNoCase(ext, html)) return RemoteItemKind::HtmlFile;
    if (equalsNoCase(ext, ".txt")) return RemoteItemKind::TextFile;
    if (equalsNoCase(ext, ".inc")) return RemoteItemKind::IncludeFile;
    if (equalsNoCase(ext, ".sql")) return RemoteItemKind::SqlFile;
    return RemoteItemKind::PlainFile;
}

RemoteListing parseListing(std::string_view bytes) {
    std::vector<std::string> lines = listingLines(bytes);
    lines.erase(
        std::remove_if(lines.begin(), lines.end(), [](const std::string& l) { return !isKeptLine(l); }),
        lines.end());
    RemoteListing listing;
    // The directory pass, then the file pass, each finding its own name column.
    std::vector<std::string> files;
    const int folderColumn = nameColumn(lines);
    for (const std::string& line : lines) {
        if (!isFolderLine(line)) {
            files.push_back(line);
            continue;
        }
        const std::string name = nameOnLine(line, folderColumn);
        if (name.empty() || name == "." || name == "...") continue;
        listing.items.push_back({name, name == ".." ? RemoteItemKind::ParentFolder : RemoteItemKind::Folder});
        listing.folders.push_back(name);
    }
    std::sort(listing.folders.begin(), listing.folders.end(), lessNoCase);
    const int fileColumn = nameColumn(files);
    for (const std::string& line : files) {
        const std::string name = nameOnLine(line, fileColumn);
        if (!name.empty()) listing.items.push_back({name, fileKind(name)});
    }
    return listing;
}

QString displayName(std::string_view raw) {
    const bool ascii =
        std::all_of(raw.begin(), raw.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8(QByteArrayView(raw.data(), qsizetype(raw.size())));
        if (!utf8.hasError()) return text;
    }
    return fromWin1250(raw);
}

std::string remotePathFor(std::string_view directory, std::string_view name) {
    std::string_view dir = directory;
    if (!dir.empty() && dir.front() == '/') dir.remove_prefix(1);
    while (!dir.empty() && dir.back() == '/')
        dir.remove_suffix(1);
    std::string path(dir);
    if (!path.empty()) path += '/';
    path += name;
    return path;
}

std::string remoteFileIn(std::string_view directory, std::string_view name) {
    if (directory.empty()) return std::string(name);
    std::string path(directory);
    if (path.back() != '/') path += '/';
    path += name;
    return path;
}

std::string remoteDirectoryOf(std::string_view remoteFile) {
    const std::size_t slash = remoteFile.find_last_of('/');
    if (slash == std::string_view::npos) return {};
    if (slash == 0) return "/";
    return std::string(remoteFile.substr(0, slash));
}

std::string remoteNameOf(std::string_view remoteFile) {
    const std::size_t slash = remoteFile.find_last_of('/');
    return std::string(slash == std::string_view::npos ? remoteFile : remoteFile.substr(slash + 1));
}

} // namespace wertan::ftp
