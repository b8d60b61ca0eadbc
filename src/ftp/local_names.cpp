#include "ftp/local_names.h"

#include "text/win1250.h"

#include <QDir>

namespace wertan::ftp {

std::optional<QString> localFileInFolder(const QString& folder, std::string_view remoteName) {
    const std::size_t cut = remoteName.find_last_of("/\\:");
    const std::string_view base = cut == std::string_view::npos ? remoteName : remoteName.substr(cut + 1);
    if (base.empty() || base == "." || base == "..") return std::nullopt;
    for (const char c : base)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return std::nullopt;
    return QDir(folder).filePath(fromWin1250(base));
}

} // namespace wertan::ftp
