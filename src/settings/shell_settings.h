#pragma once
// The main window's settings for the whole run, read by many parts of the program.
#include <QString>

namespace wertan {

struct ProjectState {
    bool projectOpen = false;
    QString projectDir;
    QString projectName;
    bool inRoot = false;
};

struct ShellSettings {
    QString programDir;     // with a trailing separator
    QString documentRoot;   // replaced by the program options
    QString testUrl;        // the address loaded on preview
    bool lowerCaseTags = false;
    int openConversion = 0; // 0 to ISO-8859-2, 1 to Windows-1250, 2 none
    int saveConversion = 0;
    QString browserPath;
    ProjectState project;
    int currentLine = 0;
    int currentColumn = 0;
    bool helpNavigation = false;
    int currentFtpSite = 0;
    int untitledCounter = 0;
    // New documents are UTF-8 unless the user chose Windows-1250 (kept in the settings store).
    bool newDocumentsInUtf8 = true;
    int phpBarLast = 13;
    int sqlBarLast = 15;
};

// The document root before the options are read: the user's public web folder.
QString defaultDocumentRoot();
// The address of the page index.php3 at the root of the local web server.
QString defaultTestUrl();

} // namespace wertan
