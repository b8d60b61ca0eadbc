// The FTP windows: the site list (data\sftp.dat2), the FTP options (config\ftp.dat2), the remote
// browser with its status window, the commands that show them, and the store back of remote
// documents saved in the workspace.
#include "editor/ui/code_editor.h"
#include "ftp/private_files.h"
#include "ftp/remote_document.h"
#include "ftp/ui/ftp_options_dialog.h"
#include "ftp/ui/ftp_sites_dialog.h"
#include "ftp/ui/remote_browser_window.h"
#include "platform/prompts.h"
#include "shell/ui/document_page.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/main_window.h"
#include "shell/ui/program_windows.h"
#include "text/document_text.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTabWidget>

#include <map>
#include <memory>

namespace wertan {

namespace {

void setHint(MainWindow& main, const char* name, const QString& hint) {
    if (QAction* command = main.action(QString::fromLatin1(name))) {
        command->setToolTip(hint);
        command->setStatusTip(hint);
    }
}

// Shows the page's caption and mark on its tab.
void refreshTab(DocumentWorkspace& workspace, DocumentPage* page) {
    const int index = workspace.tabs()->indexOf(page);
    if (index < 0) return;
    workspace.tabs()->setTabText(index, page->caption());
    workspace.tabs()->setTabIcon(index, DocumentWorkspace::markIcon(page->mark()));
}

} // namespace

void createFtpWindows(MainWindow& main) {
    Prompts& prompts = main.services().prompts;
    DocumentWorkspace& workspace = main.workspace();

    QString error;
    QString workingFolder = ftp::makeFtpWorkingFolder(&error);
    if (workingFolder.isEmpty()) {
        prompts.error(error);
        workingFolder = QDir::tempPath();
    }

    auto* sites =
        new FtpSitesDialog(prompts, main.services().paths.file(QStringLiteral("data\\sftp.dat2")), &main);
    sites->createStep();
    auto* options = new FtpOptionsDialog(prompts, main.services().settingsStore,
                                         main.services().paths.file(QStringLiteral("config\\ftp.dat2")),
                                         *sites, workingFolder, &main);
    options->createStep();

    // Where each remote document came from; a closed page leaves the map.
    auto origins = std::make_shared<std::map<DocumentPage*, ftp::RemoteOrigin>>();
    auto remember = [origins, &main](DocumentPage* page, const ftp::RemoteOrigin& origin) {
        if (origins->find(page) == origins->end())
            QObject::connect(page, &QObject::destroyed, &main, [origins, page] { origins->erase(page); });
        (*origins)[page] = origin;
    };

    RemoteDocumentCallbacks documents;
    documents.openDocument = [&workspace, remember](const ftp::RemoteOrigin& origin,
                                                    const QString& remotePath) {
        DocumentPage* page =
            workspace.openDocument(origin.localCopy, upperExtension(origin.localCopy), remotePath, true);
        if (page) remember(page, origin);
        return page != nullptr;
    };
    documents.saveActiveDocument = [&workspace, remember](const ftp::RemoteOrigin& origin,
                                                          const QString& caption, const QString& remotePath) {
        DocumentPage* page = workspace.activePage();
        if (!page) return false;
        if (!workspace.writeActiveDocumentTo(origin.localCopy)) return false;
        page->setCaption(caption);
        page->setPath(kRemoteMarker + remotePath);
        page->markSaved();
        page->setMark(2);
        refreshTab(workspace, page);
        workspace.rebuildDocumentList();
        emit workspace.statusText(2, QString());
        remember(page, origin);
        return true;
    };
    documents.activeDocumentNotStored = [&workspace] {
        DocumentPage* page = workspace.activePage();
        if (!page) return;
        page->setChangedWithoutUndo();
        page->setMark(3);
        refreshTab(workspace, page);
        emit workspace.statusText(2, QStringLiteral("Zmieniony"));
    };
    documents.activeDocumentName = [&workspace] {
        DocumentPage* page = workspace.activePage();
        return page ? page->caption() : QString();
    };

    auto* browser = new RemoteBrowserWindow(prompts, *options, *sites, workingFolder, documents, &main);

    // The origin of the active remote document: recorded when it was opened or saved, else the
    // current connection and its remote path under the server's root.
    auto activeOrigin = [&workspace, origins, browser](const QString& remotePath) {
        const auto found = origins->find(workspace.activePage());
        return found != origins->end() ? found->second : browser->originOfRemotePath(remotePath);
    };
    workspace.hooks().ftpWorkingFolder = [&workspace, activeOrigin, workingFolder] {
        DocumentPage* page = workspace.activePage();
        const ftp::RemoteOrigin origin =
            activeOrigin(page ? page->path().mid(kRemoteMarker.size()) : QString());
        const QString folder =
            origin.localCopy.isEmpty() ? workingFolder : QFileInfo(origin.localCopy).path();
        QString folderError;
        ftp::ensurePrivateFolder(folder, &folderError);
        return folder;
    };
    workspace.hooks().storeBack = [browser, activeOrigin](const QString& remotePath) {
        return browser->storeBack(activeOrigin(remotePath), remotePath);
    };

    main.setCommandHandler(QStringLiteral("MenuFile_OpenNet"), [browser] { browser->showForOpening(); });
    main.setCommandHandler(QStringLiteral("MenuFile_SaveNet"), [browser] { browser->showForSaving(); });
    main.setCommandHandler(QStringLiteral("MenuServers_FTPConnect"), [browser] {
        if (!browser->connected()) browser->connectToServer();
    });
    main.setCommandHandler(QStringLiteral("MenuServers_FTPDisconnect"), [browser] {
        if (browser->connected()) browser->disconnectFromServer();
    });
    main.setCommandHandler(QStringLiteral("MenuServers_FTPAbort"), [browser] {
        if (browser->connected() || browser->busy()) browser->emergencyDisconnect();
    });
    main.setCommandHandler(QStringLiteral("MenuServers_FTPServery"), [sites] { sites->open(); });
    main.setCommandHandler(QStringLiteral("MenuTools_FTPOptions"), [options] { options->open(); });
    setHint(main, "MenuTools_FTPOptions", QStringLiteral("Opcje umożliwiające skonfigurowanie FTP."));

    // The destroy steps: the site list is written, an open connection is closed.
    QObject::connect(&main, &MainWindow::closing, browser, [sites, browser] {
        sites->writeAtExit();
        browser->closeAtExit();
    });
}

} // namespace wertan
