#pragma once
// Files and folders only their owner may read: the site file and the options file hold
// passwords, and the FTP working folder holds copies of remote documents.
#include <QString>
#include <string_view>

namespace wertan::ftp {

// Replaces the file atomically with the bytes; the file is readable and writable by its owner
// only (mode 0600), also when it existed before with wider permissions. The bytes never stand
// in a file that others may read, not even for a moment. False with a Polish message on failure.
bool writePrivateFile(const QString& path, std::string_view bytes, QString* error);
// Narrows an existing file to mode 0600; true when it is so afterwards (or does not exist).
bool keepFilePrivate(const QString& path);

// Makes sure a folder exists, belongs to the user, is no symbolic link and is private (mode
// 0700). False with a Polish message when the folder cannot be made so.
bool ensurePrivateFolder(const QString& path, QString* error);

// The FTP working folder: "wertanphp-ftp-" and the user's number under the system's temporary
// folder, private to the user. Where that name is taken by something the user does not own, a
// fresh private folder with a unique name is made instead. Empty with a message on failure.
QString makeFtpWorkingFolder(QString* error);
// The same under a given parent folder (tests).
QString makeFtpWorkingFolder(const QString& parent, QString* error);

// The folder inside the working folder that holds the copies of one remote folder: its name is
// derived from the server (host, port, login) and the remote folder, so that same-named files
// of different folders or servers get different local copies.
QString localCopyFolder(const QString& workingFolder, std::string_view host, std::string_view port,
                        std::string_view login, std::string_view remoteFolder);

} // namespace wertan::ftp
