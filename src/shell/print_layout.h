#pragma once
// What a print job of a document holds: a short header in a larger bold font, then every line of
// the document in the editor's font.
#include <QString>
#include <QStringList>
#include <vector>

namespace wertan {

struct PrintLine {
    QString text;
    int sizeDelta = 0;      // points added to the editor font's size
    bool forceBold = false; // bold even when the editor font is not
};

// The header: a line holding one space and the program line (bold, 4 points larger), the file line
// when the path is not empty and a line holding one space (bold, 1 point larger).
std::vector<PrintLine> printHeaderLines(const QString& documentPath);
// The header followed by every line of the document in the editor's font.
std::vector<PrintLine> printJobLines(const QString& documentPath, const QStringList& documentLines);
// The text shown in the status bar's last panel while a document prints.
QString printingStatusText(const QString& documentPath);

} // namespace wertan
