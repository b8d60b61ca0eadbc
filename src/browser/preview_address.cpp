#include "browser/preview_address.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace wertan {

namespace {
// The real path when the file exists (links resolved), else the cleaned absolute path.
QString realPath(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}
} // namespace

std::optional<QString> documentAddress(const QString& documentPath, const QString& documentRoot,
                                       const QString& testUrl, QString* error) {
    const QUrl base(testUrl.trimmed());
    if (!base.isValid() || base.scheme().isEmpty() || base.host().isEmpty()) {
        if (error)
            *error = QStringLiteral("Adres testowy \"%1\" nie ma postaci http://komputer:port/..., więc nie "
                                    "wiadomo, pod jakim adresem serwer pokazuje dokumenty.")
                         .arg(testUrl);
        return std::nullopt;
    }
    if (documentRoot.trimmed().isEmpty() || documentPath.isEmpty()) {
        if (error) *error = QStringLiteral("Nie podano głównego katalogu serwera (Narzędzia > Opcje...).");
        return std::nullopt;
    }
    const QString root = realPath(documentRoot);
    const QString document = realPath(documentPath);
    const QString relative = QDir(root).relativeFilePath(document);
    if (relative.isEmpty() || relative == QLatin1String(".") || relative.startsWith(QLatin1String("../")) ||
        relative == QLatin1String("..") || QDir::isAbsolutePath(relative)) {
        if (error)
            *error = QStringLiteral("Dokument %1 nie leży w głównym katalogu serwera %2, więc serwer go nie "
                                    "pokaże. Zapisz go w tym katalogu albo zmień katalog w oknie "
                                    "\"Konfiguracja Wertan PHP\" (Narzędzia > Opcje...).")
                         .arg(QDir::toNativeSeparators(documentPath), QDir::toNativeSeparators(documentRoot));
        return std::nullopt;
    }
    QUrl url;
    url.setScheme(base.scheme());
    url.setUserInfo(base.userInfo());
    url.setHost(base.host());
    url.setPort(base.port());
    url.setPath(QLatin1Char('/') + relative);
    return url.toString();
}

std::optional<QString> previewAddress(PreviewChoice choice, const QString& testUrl,
                                      const QString& documentPath, const QString& documentRoot,
                                      QString* error) {
    switch (choice) {
    case PreviewChoice::TestAddress:
        return testUrl;
    case PreviewChoice::ActiveDocument:
        return documentAddress(documentPath, documentRoot, testUrl, error);
    case PreviewChoice::Nothing:
        break;
    }
    return std::nullopt;
}

} // namespace wertan
