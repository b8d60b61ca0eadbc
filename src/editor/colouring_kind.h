#pragma once
// The colouring kinds of editor pages; the numbers are what callers pass.
#include <QString>
#include <optional>

namespace wertan {

enum class ColouringKind { Php = 0, Css = 1, Sql = 2, Html = 3, JavaScript = 4 };

// The language name the kind's colouring component reports ("PHP", "Cascading Stylesheets", ...).
QString languageName(ColouringKind kind);
std::optional<ColouringKind> kindForLanguageName(const QString& name);

} // namespace wertan
