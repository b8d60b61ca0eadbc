#pragma once
// What the preview loads. The browser menu's choices: the test address ("Przeglądaj jako plik..."),
// nothing ("Brak zdefinowanego pliku do przeglądania"), or the active document's own address
// ("Przeglądaj bieżący dokument"): its path under the document root put after the scheme, host and
// port of the test address.
#include <QString>
#include <optional>

namespace wertan {

enum class PreviewChoice { TestAddress, Nothing, ActiveDocument };

// The address of a document served from the document root, e.g. /home/u/public_html/a/kontakt.php
// with the root /home/u/public_html and the test address http://localhost:8000/index.php3 gives
// http://localhost:8000/a/kontakt.php. Nothing, with a Polish reason, when the document does not lie
// under the root or the test address has no scheme and host.
std::optional<QString> documentAddress(const QString& documentPath, const QString& documentRoot,
                                       const QString& testUrl, QString* error);

// The address a preview, "&Przeglądarka" and "Microsoft Internet Explorer" use for a choice; nothing
// for the choice "Brak ...", or with a reason when the document's address cannot be made.
std::optional<QString> previewAddress(PreviewChoice choice, const QString& testUrl,
                                      const QString& documentPath, const QString& documentRoot,
                                      QString* error);

} // namespace wertan
