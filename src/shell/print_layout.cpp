#include "shell/print_layout.h"

namespace wertan {

std::vector<PrintLine> printHeaderLines(const QString& documentPath) {
    std::vector<PrintLine> lines;
    lines.push_back({QStringLiteral(" "), 4, true});
    lines.push_back({QStringLiteral("       Wertan PHP wersja 1.0"), 4, true});
    if (!documentPath.isEmpty()) lines.push_back({QStringLiteral("  Plik: ") + documentPath, 1, true});
    lines.push_back({QStringLiteral(" "), 1, true});
    return lines;
}

std::vector<PrintLine> printJobLines(const QString& documentPath, const QStringList& documentLines) {
    std::vector<PrintLine> lines = printHeaderLines(documentPath);
    lines.reserve(lines.size() + std::size_t(documentLines.size()));
    for (const QString& line : documentLines)
        lines.push_back({line, 0, false});
    return lines;
}

QString printingStatusText(const QString& documentPath) {
    return QStringLiteral("Drukuje ") + documentPath;
}

} // namespace wertan
