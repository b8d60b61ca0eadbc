#include "platform/qt/qt_launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace wertan {

bool QtLauncher::startProgram(const QString& program, const QStringList& arguments,
                              const QString& workingDirectory, QString* error) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    if (process.startDetached())
        return true;
    if (error)
        *error = QStringLiteral("Nie można uruchomić programu %1: %2").arg(program, process.errorString());
    return false;
}

bool QtLauncher::openDocument(const QString& pathOrUrl, QString* error) {
    const QUrl url = QFileInfo::exists(pathOrUrl) ? QUrl::fromLocalFile(pathOrUrl) : QUrl::fromUserInput(pathOrUrl);
    if (QDesktopServices::openUrl(url))
        return true;
    if (error)
        *error = QStringLiteral("Nie można otworzyć: %1").arg(pathOrUrl);
    return false;
}

} // namespace wertan
