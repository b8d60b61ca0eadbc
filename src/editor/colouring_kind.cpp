#include "editor/colouring_kind.h"

namespace wertan {

QString languageName(ColouringKind kind) {
    switch (kind) {
    case ColouringKind::Php:
        return QStringLiteral("PHP");
    case ColouringKind::Css:
        return QStringLiteral("Cascading Stylesheets");
    case ColouringKind::Sql:
        return QStringLiteral("SQL");
    case ColouringKind::Html:
        return QStringLiteral("HTML Document");
    case ColouringKind::JavaScript:
        return QStringLiteral("Javascript");
    }
    return {};
}

std::optional<ColouringKind> kindForLanguageName(const QString& name) {
    for (int k = 0; k <= 4; ++k)
        if (languageName(ColouringKind(k)) == name) return ColouringKind(k);
    return std::nullopt;
}

} // namespace wertan
