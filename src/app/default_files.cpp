// Writes the option files a program directory starts with (program options, FTP options, an empty
// FTP site list), each only when it is missing: the build runs it over the staged program tree so
// that a first start finds its settings instead of greeting the user with three messages, and a
// rebuild never overwrites what the user has changed since.
#include "ftp/ftp_options.h"
#include "ftp/ftp_sites.h"
#include "platform/program_paths.h"
#include "settings/program_options.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

using namespace wertan;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "użycie: wertan_default_files <katalog programu>\n");
        return 2;
    }
    const ProgramPaths paths(arguments[1]);
    int failures = 0;
    const auto report = [&failures](const QString& path, bool written, const QString& error) {
        if (written) return;
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
        ++failures;
    };
    QString error;
    const QString options = paths.file(QStringLiteral("config\\prog.dat2"));
    if (!QFileInfo::exists(options))
        report(options, writeProgramOptions(options, recordFromForm(initialProgramOptionsForm()), &error),
               error);
    const QString ftpOptions = paths.file(QStringLiteral("config\\ftp.dat2"));
    if (!QFileInfo::exists(ftpOptions))
        report(ftpOptions, ftp::writeOptionsFile(ftpOptions, ftp::FtpOptions{}, &error), error);
    const QString sites = paths.file(QStringLiteral("data\\sftp.dat2"));
    if (!QFileInfo::exists(sites)) report(sites, ftp::writeSiteFile(sites, {}, &error), error);
    return failures == 0 ? 0 : 1;
}
