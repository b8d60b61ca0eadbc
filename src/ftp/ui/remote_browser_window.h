#pragma once
// The remote file browser ("Otwórz z sieciu..." / "Zapisz w sieciu..."): connects to an FTP
// server with the current connection settings, walks its folders, opens a remote file as a
// document and stores documents on the server. It owns the program's one FTP client and the
// status window that logs everything the client does. Created once at start-up.
//
// Every request runs through the client's blocking call, which keeps the event loop running:
// the window stays responsive, progress is shown, and "Przerwij" stops a transfer. While a
// request runs, no other request is started.
#include "ftp/ftp_client.h"
#include "ftp/remote_document.h"
#include "ftp/remote_listing.h"

#include <QDialog>
#include <QElapsedTimer>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace wertan {

class FtpOptionsDialog;
class FtpSitesDialog;
class FtpStatusWindow;
class Prompts;
class SignalLamps;
class StoreBackDialog;

// What the browser asks of the documents.
struct RemoteDocumentCallbacks {
    // Opens the fetched local copy as a document marked remote with the remote path.
    std::function<bool(const ftp::RemoteOrigin& origin, const QString& remotePath)> openDocument;
    // Writes the active document to origin.localCopy and marks it as that remote document
    // (caption, path, unchanged, remote picture); false when it was not written.
    std::function<bool(const ftp::RemoteOrigin& origin, const QString& caption, const QString& remotePath)>
        saveActiveDocument;
    // The upload of the active document failed: it is marked changed again.
    std::function<void()> activeDocumentNotStored;
    // The caption of the active document, proposed as the name in save mode.
    std::function<QString()> activeDocumentName;
};

class RemoteBrowserWindow : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Open, Save };
    enum class ConnectionState { NotConnected, Connecting, Connected, Disconnecting };

    RemoteBrowserWindow(Prompts& prompts, FtpOptionsDialog& options, FtpSitesDialog& sites,
                        QString workingFolder, RemoteDocumentCallbacks documents, QWidget* parent = nullptr);
    ~RemoteBrowserWindow() override;

    // "Otwórz z sieci..." and "Zapisz w sieci...": shows the browser (modal, without waiting).
    void showForOpening();
    void showForSaving();
    Mode mode() const { return mode_; }

    // "Połącz", "Rozłącz" and the emergency disconnect of the main menu.
    void connectToServer();
    void disconnectFromServer();
    void emergencyDisconnect();
    // The browser's "Anuluj".
    void cancel();
    // Refreshes the listing of the current remote folder.
    void refresh();
    void goUp();
    // Opens a folder (or goes up for the parent folder) as a double-click does.
    void openItem(QListWidgetItem* item);
    // The action button: "Otwórz" in open mode, "Zapisz" in save mode.
    void runAction();
    void openRemoteFile();
    void saveToServer();
    // "Komendy FTP".
    void makeFolder();
    void askFileSize();
    void showDeleteDialog();
    // Asks the running transfer to stop ("Przerwij").
    void requestAbort();

    // Stores a saved remote document back on its server: origin.localCopy as origin.remoteFile.
    bool storeBack(const ftp::RemoteOrigin& origin, const QString& remotePath);
    // The origin a remote document gets when it has none recorded: the current connection and
    // the remote path under the server's root.
    ftp::RemoteOrigin originOfRemotePath(const QString& remotePath) const;

    // When the program ends: logging off, QUIT, and if that fails the connection is dropped.
    void closeAtExit();

    ftp::FtpClient& client() { return client_; }
    FtpStatusWindow* statusWindow() const { return status_; }
    StoreBackDialog* storeBackDialog() const { return storeBack_; }
    bool connected() const { return client_.connected(); }
    bool busy() const { return busy_; }
    ConnectionState connectionState() const { return state_; }
    QString stateText() const;
    const std::string& currentDirectory() const { return currentDirectory_; }
    const ftp::RemoteListing& listing() const { return listing_; }
    QString workingFolder() const { return workingFolder_; }
    // The delay before connecting by itself when shown (1000 ms).
    int autoConnectDelayMs = 1000;

    QLineEdit* pathField() const { return path_; }
    QComboBox* lookInList() const { return lookIn_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* refreshButton() const { return refresh_; }
    QPushButton* connectButton() const { return connect_; }
    QPushButton* disconnectButton() const { return disconnect_; }
    SignalLamps* lamps() const { return lamps_; }
    QListWidget* fileView() const { return files_; }
    QLineEdit* fileNameField() const { return fileName_; }
    QPushButton* actionButton() const { return action_; }
    QComboBox* siteList() const { return sites_; }
    QPushButton* optionsButton() const { return optionsButton_; }
    QPushButton* statusButton() const { return statusButton_; }
    QPushButton* commandsButton() const { return commands_; }
    QMenu* commandsMenu() const { return commandsMenu_; }
    QPushButton* cancelButton() const { return cancel_; }
    QProgressBar* gauge() const { return gauge_; }
    QPushButton* abortButton() const { return abort_; }
    QDialog* deleteDialog() const { return deleteDialog_; }
    QListWidget* deleteList() const { return deleteList_; }

private:
    void buildWindow();
    void buildDeleteDialog();
    void showInMode(Mode mode);
    void setState(ConnectionState state);
    void setConnectedControls(bool connected);
    void fillSiteList();
    void log(const QString& text, const QColor& colour = Qt::black, int style = 0);
    // The command runner: logs, runs one request, logs the outcome.
    bool run(ftp::FtpRequest kind);
    void onRequestDone(ftp::FtpRequest kind, int error);
    void onProgress(std::int64_t bytes, bool& abort);
    void setClientParameters();
    void showListing();
    // The name to send for the file name field: the listed name's bytes when it names a listed
    // item, else the text in the server's apparent coding.
    std::string rawFileName() const;
    bool quitConnection();
    bool uploadTo(const ftp::RemoteOrigin& origin, std::int64_t size);
    bool connectForStoreBack();
    bool storeBackStep(const ftp::RemoteOrigin& origin, const QString& remotePath, bool connectedHere);
    void deleteChosenFile();

    Prompts& prompts_;
    FtpOptionsDialog& options_;
    FtpSitesDialog& siteDialog_;
    QString workingFolder_;
    RemoteDocumentCallbacks documents_;
    ftp::FtpClient client_;
    FtpStatusWindow* status_;
    StoreBackDialog* storeBack_;

    Mode mode_ = Mode::Open;
    ConnectionState state_ = ConnectionState::NotConnected;
    std::string currentDirectory_;
    ftp::RemoteListing listing_;
    std::int64_t lastFileSize_ = 0;
    bool sizeRequest_ = false;
    bool logging_ = true;
    bool shownBefore_ = false;
    bool busy_ = false;
    bool abortRequested_ = false;
    int requestSerial_ = 0;
    QElapsedTimer progressClock_;

    QLineEdit* path_;
    QLabel* pathLabel_;
    QLabel* lookInLabel_;
    QComboBox* lookIn_;
    QToolButton* up_;
    QToolButton* refresh_;
    QPushButton* connect_;
    QPushButton* disconnect_;
    SignalLamps* lamps_;
    QListWidget* files_;
    QLineEdit* fileName_;
    QPushButton* action_;
    QComboBox* sites_;
    QPushButton* optionsButton_;
    QPushButton* statusButton_;
    QPushButton* commands_;
    QMenu* commandsMenu_;
    QPushButton* cancel_;
    QLabel* stateLabel_;
    QProgressBar* gauge_;
    QPushButton* abort_;
    QDialog* deleteDialog_ = nullptr;
    QListWidget* deleteList_ = nullptr;
};

} // namespace wertan
