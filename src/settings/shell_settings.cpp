#include "settings/shell_settings.h"

#include <QDir>

namespace wertan {

QString defaultDocumentRoot() {
    return QDir::homePath() + QStringLiteral("/public_html/");
}

QString defaultTestUrl() {
    return QStringLiteral("http://localhost:8000/index.php3");
}

} // namespace wertan
