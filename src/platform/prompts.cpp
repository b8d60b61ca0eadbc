#include "platform/prompts.h"

namespace wertan {

QStringList qtNameFilters(const QString& systemFilter) {
    QStringList result;
    const QStringList parts = systemFilter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns.replace(QLatin1Char(','), QLatin1Char(' '));
        QString description = parts[i].trimmed();
        // Qt reads the patterns from the last parentheses; keep the description's own text.
        result << description + QStringLiteral(" (") + patterns.simplified() + QLatin1Char(')');
    }
    return result;
}

} // namespace wertan
