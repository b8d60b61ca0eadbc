#include "ftp/ui/remote_browser_window.h"

#include "ftp/private_files.h"
#include "ftp/replacing_upload.h"
#include "ftp/ui/ftp_options_dialog.h"
#include "ftp/ui/ftp_sites_dialog.h"
#include "ftp/ui/ftp_status_window.h"
#include "ftp/ui/signal_lamps.h"
#include "ftp/ui/store_back_dialog.h"
#include "platform/prompts.h"
#include "text/win1250.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace wertan {

using ftp::FtpRequest;
using ftp::RemoteItemKind;

namespace {

constexpr int kRawNameRole = Qt::UserRole;
constexpr int kKindRole = Qt::UserRole + 1;
constexpr qint64 kProgressIntervalMs = 200;

// A hint as "short|long": the short part as the tool tip, the long part for the status bar.
void setHint(QWidget* widget, const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    widget->setToolTip(bar < 0 ? hint : hint.left(bar));
    widget->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The pictures of the file view: folders, the parent folder, and a sheet with the kind's label.
QIcon itemIcon(RemoteItemKind kind) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (kind == RemoteItemKind::Folder || kind == RemoteItemKind::ParentFolder) {
        p.setPen(QColor(150, 110, 20));
        p.setBrush(QColor(240, 200, 80));
        p.drawRoundedRect(QRectF(2, 6, 12, 6), 2, 2);
        p.drawRoundedRect(QRectF(2, 9, 28, 19), 2, 2);
        if (kind == RemoteItemKind::ParentFolder) {
            p.setPen(QPen(QColor(60, 60, 60), 2.5));
            p.drawLine(QPointF(16, 24), QPointF(16, 13));
            p.drawLine(QPointF(11, 17), QPointF(16, 12));
            p.drawLine(QPointF(21, 17), QPointF(16, 12));
        }
        return QIcon(pixmap);
    }
    p.setPen(QColor(110, 110, 110));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 2.5, 19, 27));
    struct Label {
        const char* text;
        QColor colour;
    };
    Label label{nullptr, QColor()};
    switch (kind) {
    case RemoteItemKind::PhpFile:
        label = {"PHP", QColor(110, 90, 170)};
        break;
    case RemoteItemKind::HtmlFile:
        label = {"HTM", QColor(220, 90, 30)};
        break;
    case RemoteItemKind::TextFile:
        label = {"TXT", QColor(90, 90, 90)};
        break;
    case RemoteItemKind::IncludeFile:
        label = {"INC", QColor(40, 130, 60)};
        break;
    case RemoteItemKind::SqlFile:
        label = {"SQL", QColor(30, 100, 190)};
        break;
    default:
        break;
    }
    if (label.text) {
        p.fillRect(QRectF(2, 13, 28, 10), label.colour);
        QFont font = p.font();
        font.setPixelSize(9);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 13, 28, 10), Qt::AlignCenter, QString::fromLatin1(label.text));
    } else {
        p.setPen(QColor(170, 170, 170));
        for (int y = 8; y < 26; y += 4)
            p.drawLine(10, y, 22, y);
    }
    return QIcon(pixmap);
}

bool isTransfer(FtpRequest kind) {
    return kind == FtpRequest::Get || kind == FtpRequest::Put || kind == FtpRequest::Dir;
}

bool looksUtf8(const std::string& raw) {
    if (std::all_of(raw.begin(), raw.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return false;
    return ftp::displayName(raw) != fromWin1250(raw);
}

} // namespace

RemoteBrowserWindow::RemoteBrowserWindow(Prompts& prompts, FtpOptionsDialog& options, FtpSitesDialog& sites,
                                         QString workingFolder, RemoteDocumentCallbacks documents,
                                         QWidget* parent)
    : QDialog(parent), prompts_(prompts), options_(options), siteDialog_(sites),
      workingFolder_(std::move(workingFolder)), documents_(std::move(documents)) {
    setObjectName(QStringLiteral("FormFtpReceive"));
    status_ = new FtpStatusWindow(prompts_, this);
    storeBack_ = new StoreBackDialog(this);
    buildWindow();
    buildDeleteDialog();

    client_.onDisplay = [this](const std::string& line) { log(fromWin1250(line)); };
    client_.onSessionConnected = [this](int error) {
        log(QStringLiteral("_________ Początek połączenia _________"), Qt::black, FtpStatusWindow::Bold);
        log(QStringLiteral("Sesja połączona, błąd = %1").arg(error), Qt::black, FtpStatusWindow::Italic);
        setConnectedControls(true);
        lamps_->setLamps(false, false, true);
        setState(ConnectionState::Connected);
    };
    client_.onSessionClosed = [this](int error) {
        log(QStringLiteral("Sesja zamknięta, błąd = %1").arg(error), Qt::black, FtpStatusWindow::Italic);
        log(QStringLiteral("__________ Koniec połączenia __________"), Qt::black, FtpStatusWindow::Bold);
        setConnectedControls(false);
        lamps_->setLamps(true, false, false);
        setState(ConnectionState::NotConnected);
        files_->clear();
    };
    client_.onRequestDone = [this](FtpRequest kind, int error) { onRequestDone(kind, error); };
    client_.onProgress = [this](std::int64_t bytes, bool& abort) { onProgress(bytes, abort); };

    connect(storeBack_, &StoreBackDialog::cancelRequested, this, [this] {
        if (busy_) requestAbort();
    });
    connect(&options_, &FtpOptionsDialog::confirmed, this, [this] {
        // New settings take effect at once on an open connection.
        if (!client_.connected() || busy_) return;
        disconnectFromServer();
        if (!client_.connected()) connectToServer();
    });
    connect(&siteDialog_, &FtpSitesDialog::sitesChanged, this, [this] {
        if (isVisible()) fillSiteList();
    });
}

RemoteBrowserWindow::~RemoteBrowserWindow() {
    client_.onDisplay = nullptr;
    client_.onSessionConnected = nullptr;
    client_.onSessionClosed = nullptr;
    client_.onRequestDone = nullptr;
    client_.onProgress = nullptr;
}

void RemoteBrowserWindow::buildWindow() {
    pathLabel_ = new QLabel(QStringLiteral("Aktualna scieżka:"), this);
    path_ = new QLineEdit(QStringLiteral("(Brak ścieżki)"), this);
    path_->setObjectName(QStringLiteral("EditPath"));
    path_->setReadOnly(true);
    lookInLabel_ = new QLabel(QStringLiteral("Szukaj w:"), this);
    lookIn_ = new QComboBox(this);
    lookIn_->setObjectName(QStringLiteral("ComboBoxDirs"));
    lookIn_->setMinimumWidth(180);
    up_ = new QToolButton(this);
    up_->setObjectName(QStringLiteral("BtnUp"));
    up_->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    setHint(up_, QStringLiteral("Przenosi o jeden poziom wyżej w hierarchi katalogów serwera."));
    refresh_ = new QToolButton(this);
    refresh_->setObjectName(QStringLiteral("BtnRefresh"));
    refresh_->setText(QStringLiteral("Odśwież"));
    setHint(refresh_, QStringLiteral("Odśwież|Oświerza widok plików i katalogów serwera."));

    connect_ = new QPushButton(QStringLiteral("Połącz"), this);
    connect_->setObjectName(QStringLiteral("BtnConnect"));
    setHint(connect_, QStringLiteral("Rozpoczyna połączenie z serwerem FTP."));
    disconnect_ = new QPushButton(QStringLiteral("Rozłącz"), this);
    disconnect_->setObjectName(QStringLiteral("BtnDisconnect"));
    setHint(disconnect_, QStringLiteral("Kończy połączenie z serwerem FTP."));
    lamps_ = new SignalLamps(this);

    files_ = new QListWidget(this);
    files_->setObjectName(QStringLiteral("ListViewFiles"));
    files_->setViewMode(QListView::IconMode);
    files_->setIconSize(QSize(32, 32));
    files_->setGridSize(QSize(104, 64));
    files_->setResizeMode(QListView::Adjust);
    files_->setMovement(QListView::Static);
    files_->setWordWrap(true);
    files_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    files_->setMinimumSize(460, 260);
    files_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* openAction = new QAction(QStringLiteral("Otwórz"), files_);
    openAction->setStatusTip(QStringLiteral("Otwiera wskazany folder lub plik."));
    QFont bold = openAction->font();
    bold.setBold(true);
    openAction->setFont(bold);
    auto* refreshAction = new QAction(QStringLiteral("Odśwież"), files_);
    refreshAction->setStatusTip(QStringLiteral("Odświerza widok katalogu."));
    files_->addAction(openAction);
    files_->addAction(refreshAction);

    fileName_ = new QLineEdit(this);
    fileName_->setObjectName(QStringLiteral("EditFileName"));
    action_ = new QPushButton(QStringLiteral("Otwórz"), this);
    action_->setObjectName(QStringLiteral("BtnAction"));
    action_->setEnabled(false);
    action_->setDefault(true);

    sites_ = new QComboBox(this);
    sites_->setObjectName(QStringLiteral("ComboBoxServers"));
    sites_->setMinimumWidth(160);
    optionsButton_ = new QPushButton(QStringLiteral("Opcje"), this);
    optionsButton_->setObjectName(QStringLiteral("BtnOptions"));
    statusButton_ = new QPushButton(QStringLiteral("Pokaż status"), this);
    statusButton_->setObjectName(QStringLiteral("BtnStatus"));
    commands_ = new QPushButton(QStringLiteral("Komendy FTP"), this);
    commands_->setObjectName(QStringLiteral("BtnCommands"));
    commandsMenu_ = new QMenu(commands_);
    commandsMenu_->addAction(QStringLiteral("Utwórz katalog..."), this, &RemoteBrowserWindow::makeFolder);
    commandsMenu_->addAction(QStringLiteral("Rozmiar pliku"), this, &RemoteBrowserWindow::askFileSize);
    commandsMenu_->addAction(QStringLiteral("Skasuj plik..."), this, &RemoteBrowserWindow::showDeleteDialog);
    commands_->setMenu(commandsMenu_);
    cancel_ = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel_->setObjectName(QStringLiteral("BtnCancel"));

    stateLabel_ = new QLabel(this);
    stateLabel_->setObjectName(QStringLiteral("LabelState"));
    stateLabel_->setMinimumWidth(100);
    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(QStringLiteral("Gauge"));
    gauge_->setRange(0, 1000);
    gauge_->setValue(0);
    gauge_->setFormat(QStringLiteral("%p%"));
    abort_ = new QPushButton(QStringLiteral("Przerwij"), this);
    abort_->setObjectName(QStringLiteral("BtnAbort"));
    setHint(abort_, QStringLiteral("Przerywa przesyłanie pliku."));
    abort_->setEnabled(false);

    auto* top = new QHBoxLayout;
    top->addWidget(pathLabel_);
    top->addWidget(path_, 1);
    top->addWidget(lookInLabel_);
    top->addWidget(lookIn_);
    top->addWidget(up_);
    top->addWidget(refresh_);

    auto* left = new QVBoxLayout;
    left->addWidget(connect_);
    left->addWidget(disconnect_);
    left->addSpacing(8);
    left->addWidget(lamps_, 0, Qt::AlignHCenter);
    left->addStretch(1);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Nazwa pliku:"), this));
    nameRow->addWidget(fileName_, 1);
    nameRow->addWidget(action_);
    auto* middle = new QVBoxLayout;
    middle->addWidget(files_, 1);
    middle->addLayout(nameRow);

    auto* centre = new QHBoxLayout;
    centre->addLayout(left);
    centre->addLayout(middle, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Serwer FTP:"), this));
    bottom->addWidget(sites_);
    bottom->addWidget(optionsButton_);
    bottom->addWidget(statusButton_);
    bottom->addWidget(commands_);
    bottom->addStretch(1);
    bottom->addWidget(cancel_);

    auto* statusBar = new QHBoxLayout;
    auto* stateFrame = new QLabel(QStringLiteral("Status serwera:"), this);
    statusBar->addWidget(stateFrame);
    statusBar->addWidget(stateLabel_);
    statusBar->addSpacing(12);
    statusBar->addWidget(new QLabel(QStringLiteral("Postęp:"), this));
    statusBar->addWidget(gauge_, 1);
    statusBar->addWidget(abort_);

    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(centre, 1);
    column->addLayout(bottom);
    column->addLayout(statusBar);

    setConnectedControls(false);
    lamps_->setLamps(true, false, false);
    setState(ConnectionState::NotConnected);

    connect(connect_, &QPushButton::clicked, this, &RemoteBrowserWindow::connectToServer);
    connect(disconnect_, &QPushButton::clicked, this, &RemoteBrowserWindow::disconnectFromServer);
    connect(up_, &QToolButton::clicked, this, &RemoteBrowserWindow::goUp);
    connect(refresh_, &QToolButton::clicked, this, &RemoteBrowserWindow::refresh);
    connect(refreshAction, &QAction::triggered, this, &RemoteBrowserWindow::refresh);
    connect(openAction, &QAction::triggered, this, [this] { openItem(files_->currentItem()); });
    connect(files_, &QListWidget::itemDoubleClicked, this, &RemoteBrowserWindow::openItem);
    connect(files_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && !ftp::RemoteItem{{}, RemoteItemKind(item->data(kKindRole).toInt())}.isFolder())
            fileName_->setText(item->text());
    });
    connect(fileName_, &QLineEdit::textChanged, this,
            [this](const QString& text) { action_->setEnabled(!text.isEmpty()); });
    connect(action_, &QPushButton::clicked, this, &RemoteBrowserWindow::runAction);
    connect(lookIn_, &QComboBox::activated, this, [this](int index) {
        if (busy_ || !client_.connected() || index < 0) return;
        const std::string raw = lookIn_->itemData(index).toByteArray().toStdString();
        if (raw == "..") {
            goUp();
            return;
        }
        client_.hostDirName = raw;
        run(FtpRequest::Cwd);
        refresh();
    });
    connect(sites_, &QComboBox::activated, &options_, &FtpOptionsDialog::applySite);
    connect(optionsButton_, &QPushButton::clicked, &options_, &FtpOptionsDialog::open);
    connect(statusButton_, &QPushButton::clicked, this, [this] {
        status_->show();
        status_->raise();
    });
    connect(cancel_, &QPushButton::clicked, this, &RemoteBrowserWindow::cancel);
    connect(abort_, &QPushButton::clicked, this, &RemoteBrowserWindow::requestAbort);
    resize(720, 520);
}

void RemoteBrowserWindow::buildDeleteDialog() {
    deleteDialog_ = new QDialog(this);
    deleteDialog_->setObjectName(QStringLiteral("FormConfirmFtpDelete"));
    deleteDialog_->setWindowTitle(QStringLiteral("Skasuj plik z serwera ftp"));
    deleteList_ = new QListWidget(deleteDialog_);
    deleteList_->setObjectName(QStringLiteral("ListFiles"));
    auto* ok = new QPushButton(QStringLiteral("OK"), deleteDialog_);
    ok->setObjectName(QStringLiteral("BtnOK"));
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), deleteDialog_);
    cancel->setObjectName(QStringLiteral("BtnCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* column = new QVBoxLayout(deleteDialog_);
    column->addWidget(new QLabel(QStringLiteral("Wybierz plik:"), deleteDialog_));
    column->addWidget(deleteList_, 1);
    column->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &RemoteBrowserWindow::deleteChosenFile);
    connect(cancel, &QPushButton::clicked, this, [this] {
        deleteDialog_->hide();
        refresh();
    });
}

// ---- State and log --------------------------------------------------------------------------------

QString RemoteBrowserWindow::stateText() const {
    return stateLabel_->text();
}

void RemoteBrowserWindow::setState(ConnectionState state) {
    state_ = state;
    switch (state) {
    case ConnectionState::NotConnected:
        stateLabel_->setText(QStringLiteral("Niepołączony"));
        break;
    case ConnectionState::Connecting:
        stateLabel_->setText(QStringLiteral("Łaczę..."));
        break;
    case ConnectionState::Connected:
        stateLabel_->setText(QStringLiteral("Połączony"));
        break;
    case ConnectionState::Disconnecting:
        stateLabel_->setText(QStringLiteral("Rozłączam..."));
        break;
    }
}

void RemoteBrowserWindow::setConnectedControls(bool connected) {
    sites_->setEnabled(!connected);
    connect_->setEnabled(!connected);
    for (QWidget* w : std::initializer_list<QWidget*>{disconnect_, commands_, lookIn_, lookInLabel_, up_,
                                                      refresh_, path_, pathLabel_})
        w->setEnabled(connected);
}

void RemoteBrowserWindow::log(const QString& text, const QColor& colour, int style) {
    if (logging_) status_->appendLine(text, colour, FtpStatusWindow::Style(style));
}

void RemoteBrowserWindow::fillSiteList() {
    sites_->clear();
    sites_->addItems(siteDialog_.siteNames());
    const int current = siteDialog_.currentSiteIndex();
    sites_->setCurrentIndex(current);
    if (current >= 0) options_.applySite(current);
}

// ---- Showing ----------------------------------------------------------------------------------------

void RemoteBrowserWindow::showForOpening() {
    showInMode(Mode::Open);
}

void RemoteBrowserWindow::showForSaving() {
    showInMode(Mode::Save);
}

void RemoteBrowserWindow::showInMode(Mode mode) {
    mode_ = mode;
    if (!shownBefore_) {
        shownBefore_ = true;
        log(QStringLiteral("Wersja Winsock: %1.%2").arg(QT_VERSION_MAJOR).arg(QT_VERSION_MINOR), Qt::black,
            FtpStatusWindow::BoldItalic);
        log(QStringLiteral("Gniazda TCP Qt Network %1").arg(QString::fromLatin1(qVersion())), Qt::black,
            FtpStatusWindow::Italic);
        log(QStringLiteral("Gotowe"), Qt::black, FtpStatusWindow::Italic);
    }
    const bool open = mode == Mode::Open;
    setWindowTitle(open ? QStringLiteral("Otwórz z sieciu...") : QStringLiteral("Zapisz w sieciu..."));
    action_->setText(open ? QStringLiteral("Otwórz") : QStringLiteral("Zapisz"));
    if (!open && documents_.activeDocumentName) fileName_->setText(documents_.activeDocumentName());
    const ftp::FtpOptions& settings = options_.connectionSettings();
    const bool autoConnect = open ? settings.connectWhenBrowsing : settings.connectWhenSaving;
    fillSiteList();
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    if (!client_.connected() && autoConnect) {
        setEnabled(false);
        QTimer::singleShot(autoConnectDelayMs, this, [this] {
            connectToServer();
            setEnabled(true);
        });
    }
}

// ---- Requests ---------------------------------------------------------------------------------------

void RemoteBrowserWindow::setClientParameters() {
    const ftp::FtpOptions& settings = options_.connectionSettings();
    client_.hostName = settings.host;
    client_.port = settings.port;
    client_.userName = settings.login;
    client_.password = settings.password;
    client_.passive = options_.passive();
    client_.hostDirName.clear();
    client_.hostFileName.clear();
    client_.localFileName.clear();
}

bool RemoteBrowserWindow::run(FtpRequest kind) {
    log(QStringLiteral("Wykonuję polecenie: rządanie"));
    progressClock_.invalidate();
    gauge_->setValue(0);
    storeBack_->gauge()->setValue(0);
    busy_ = true;
    abortRequested_ = false;
    const int serial = ++requestSerial_;
    abort_->setEnabled(isTransfer(kind));
    bool ok = false;
    switch (kind) {
    case FtpRequest::Connect:
        ok = client_.connectToServer();
        break;
    case FtpRequest::Quit:
        ok = client_.Quit();
        break;
    case FtpRequest::Pwd:
        ok = client_.pwd();
        break;
    case FtpRequest::Cwd:
        ok = client_.cwd();
        break;
    case FtpRequest::CdUp:
        ok = client_.cdUp();
        break;
    case FtpRequest::Mkd:
        ok = client_.mkd();
        break;
    case FtpRequest::Size:
        ok = client_.size();
        break;
    case FtpRequest::Dele:
        ok = client_.dele();
        break;
    case FtpRequest::Rename:
        ok = client_.rename();
        break;
    case FtpRequest::Dir:
        ok = client_.dir();
        break;
    case FtpRequest::Get:
        ok = client_.get();
        break;
    case FtpRequest::Put:
        ok = client_.put();
        break;
    case FtpRequest::None:
        break;
    }
    if (serial == requestSerial_) {
        busy_ = false;
        abort_->setEnabled(false);
    }
    if (ok)
        log(QStringLiteral("Polecenie - Wykonnano"), Qt::darkGreen, FtpStatusWindow::Bold);
    else
        log(QStringLiteral("Wykonanie polecenia nie powiodło się!!!"), Qt::red, FtpStatusWindow::Bold);
    return ok;
}

void RemoteBrowserWindow::onRequestDone(FtpRequest kind, int error) {
    log(QStringLiteral("Proźba %1 Zrobione.").arg(int(kind)));
    log(QStringLiteral("Kod statusu = %1").arg(client_.replyCode()));
    log(QStringLiteral("Ostatnia odpowiedź : '%1'").arg(fromWin1250(client_.replyText())));
    if (error != 0) {
        log(QStringLiteral("Błąd = %1 (%2)").arg(error).arg(fromWin1250(client_.errorMessage())), Qt::red,
            FtpStatusWindow::Bold);
        return;
    }
    log(QStringLiteral("Brak błędów."), Qt::darkGreen, FtpStatusWindow::Bold);
    switch (kind) {
    case FtpRequest::Pwd:
        currentDirectory_ = client_.replyDirectory();
        [[fallthrough]];
    case FtpRequest::Cwd:
    case FtpRequest::Mkd:
    case FtpRequest::CdUp: {
        const QString directory = ftp::displayName(client_.replyDirectory());
        path_->setText(directory);
        log(QStringLiteral("Katalog: \"%1\"").arg(directory), Qt::red, FtpStatusWindow::Bold);
        break;
    }
    case FtpRequest::Dir:
        showListing();
        break;
    case FtpRequest::Size: {
        lastFileSize_ = client_.replySize();
        const QString text = QStringLiteral("Rozmiar pliku: %1 bytes").arg(lastFileSize_);
        log(text, Qt::red, FtpStatusWindow::Bold);
        if (sizeRequest_) prompts_.message(text);
        break;
    }
    default:
        break;
    }
}

void RemoteBrowserWindow::onProgress(std::int64_t bytes, bool& abort) {
    abort = abortRequested_;
    if (progressClock_.isValid() && progressClock_.elapsed() < kProgressIntervalMs) return;
    progressClock_.start();
    const int value = lastFileSize_ > 0 ? int(std::min<std::int64_t>(1000, bytes * 1000 / lastFileSize_)) : 0;
    QProgressBar* gauge = storeBack_->isVisible() ? storeBack_->gauge() : gauge_;
    gauge->setValue(value);
    gauge->setToolTip(QStringLiteral("%1 z %2 bajtów").arg(bytes).arg(lastFileSize_));
    gauge->repaint();
}

void RemoteBrowserWindow::requestAbort() {
    if (!busy_) return;
    abortRequested_ = true;
    log(QStringLiteral("Przerwanie na życzenie użytkownika"), Qt::red, FtpStatusWindow::Bold);
    // A transfer stops at its next block; one that delivers nothing more is dropped shortly after.
    const int serial = requestSerial_;
    QTimer::singleShot(3000, this, [this, serial] {
        if (busy_ && serial == requestSerial_) client_.abort();
    });
}

// ---- Connecting -------------------------------------------------------------------------------------

void RemoteBrowserWindow::connectToServer() {
    if (busy_ || client_.connected()) return;
    connect_->setEnabled(false);
    lamps_->setLamps(true, true, false);
    setClientParameters();
    setState(ConnectionState::Connecting);
    if (run(FtpRequest::Connect)) {
        refresh();
        return;
    }
    lamps_->setLamps(true, false, false);
    connect_->setEnabled(true);
    setState(ConnectionState::NotConnected);
}

bool RemoteBrowserWindow::quitConnection() {
    return run(FtpRequest::Quit);
}

void RemoteBrowserWindow::disconnectFromServer() {
    if (busy_ || !client_.connected()) return;
    disconnect_->setEnabled(false);
    lamps_->setLamps(false, true, false);
    setState(ConnectionState::Disconnecting);
    if (!quitConnection() && client_.connected()) {
        disconnect_->setEnabled(true);
        lamps_->setLamps(false, false, true);
        setState(ConnectionState::Connected);
    }
}

void RemoteBrowserWindow::emergencyDisconnect() {
    if (busy_) {
        // A request hangs or takes too long: both connections are dropped at once.
        log(QStringLiteral("Awaryjne przerwanie połączenia"), Qt::red, FtpStatusWindow::Bold);
        client_.abort();
        return;
    }
    if (!client_.connected()) return;
    if (!quitConnection()) client_.abort();
    if (client_.connected())
        prompts_.message(
            QStringLiteral("Uwaga! Połączenie nie mogło być zerwane nawet w awaryjny sposób..."));
}

void RemoteBrowserWindow::cancel() {
    if (busy_) {
        requestAbort();
        return;
    }
    const ftp::FtpOptions& settings = options_.connectionSettings();
    if (!settings.connectWhenBrowsing && !settings.connectWhenSaving && client_.connected()) {
        disconnect_->setEnabled(false);
        lamps_->setLamps(false, true, false);
        if (!quitConnection() && client_.connected()) {
            disconnect_->setEnabled(true);
            lamps_->setLamps(false, false, true);
        }
    }
    hide();
}

void RemoteBrowserWindow::closeAtExit() {
    logging_ = false;
    if (busy_) {
        client_.abort();
        return;
    }
    if (!client_.connected()) return;
    client_.timeout = std::chrono::seconds(3);
    if (!client_.Quit()) client_.abort();
}

// ---- Listing and navigation -------------------------------------------------------------------------

void RemoteBrowserWindow::refresh() {
    if (busy_ || !client_.connected()) return;
    BusyCursor busy;
    client_.hostFileName.clear();
    run(FtpRequest::Pwd);
    const QString listing = QDir(workingFolder_).filePath(QStringLiteral("FTPDIR.TXT"));
    QFile::remove(listing);
    client_.localFileName = listing;
    run(FtpRequest::Dir);
}

void RemoteBrowserWindow::showListing() {
    QFile file(client_.localFileName);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = file.readAll();
    listing_ = ftp::parseListing(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    lookIn_->clear();
    for (const std::string& folder : listing_.folders)
        lookIn_->addItem(ftp::displayName(folder), QByteArray::fromStdString(folder));
    lookIn_->setCurrentIndex(lookIn_->count() > 0 ? 0 : -1);
    files_->clear();
    for (const ftp::RemoteItem& item : listing_.items) {
        auto* entry = new QListWidgetItem(itemIcon(item.kind), ftp::displayName(item.name), files_);
        entry->setData(kRawNameRole, QByteArray::fromStdString(item.name));
        entry->setData(kKindRole, int(item.kind));
    }
}

void RemoteBrowserWindow::goUp() {
    if (busy_ || !client_.connected()) return;
    run(FtpRequest::CdUp);
    refresh();
}

void RemoteBrowserWindow::openItem(QListWidgetItem* item) {
    if (!item || busy_ || !client_.connected()) return;
    const auto kind = RemoteItemKind(item->data(kKindRole).toInt());
    if (kind == RemoteItemKind::ParentFolder) {
        files_->clearSelection();
        goUp();
    } else if (kind == RemoteItemKind::Folder) {
        client_.hostDirName = item->data(kRawNameRole).toByteArray().toStdString();
        run(FtpRequest::Cwd);
        refresh();
    }
}

std::string RemoteBrowserWindow::rawFileName() const {
    const QString text = fileName_->text();
    bool utf8 = false;
    for (const ftp::RemoteItem& item : listing_.items) {
        if (ftp::displayName(item.name) == text) return item.name;
        utf8 = utf8 || looksUtf8(item.name);
    }
    if (utf8 || looksUtf8(currentDirectory_)) return text.toUtf8().toStdString();
    return toWin1250(text);
}

// ---- Open and save ----------------------------------------------------------------------------------

void RemoteBrowserWindow::runAction() {
    if (mode_ == Mode::Open)
        openRemoteFile();
    else
        saveToServer();
}

void RemoteBrowserWindow::openRemoteFile() {
    if (busy_ || fileName_->text().isEmpty()) return;
    if (!client_.connected()) {
        prompts_.message(
            QStringLiteral("Brak połączenia z serwerem FTP: najpierw użyj przycisku \"Połącz\"."));
        return;
    }
    const std::string raw = rawFileName();
    const QString remotePath = ftp::displayName(ftp::remotePathFor(currentDirectory_, raw));
    const ftp::RemoteOrigin origin = ftp::originFor(client_.hostName, client_.port, client_.userName,
                                                    currentDirectory_, raw, remotePath, workingFolder_);
    if (origin.localCopy.isEmpty()) {
        prompts_.error(QStringLiteral("Nie można otworzyć pliku \"%1\": ta nazwa nie może być nazwą pliku.")
                           .arg(fileName_->text()));
        return;
    }
    QString error;
    if (!ftp::ensurePrivateFolder(QFileInfo(origin.localCopy).path(), &error)) {
        prompts_.error(error);
        return;
    }
    bool fetched = false;
    {
        BusyCursor busy;
        client_.hostFileName = raw;
        lastFileSize_ = 0;
        run(FtpRequest::Size);
        client_.localFileName = origin.localCopy;
        fetched = run(FtpRequest::Get);
    }
    if (!fetched) {
        prompts_.message(QStringLiteral("Nie można otworzyć pliku!"));
        return;
    }
    if (client_.connected() && options_.connectionSettings().disconnectAfterOpening) disconnectFromServer();
    hide();
    if (documents_.openDocument) documents_.openDocument(origin, remotePath);
}

bool RemoteBrowserWindow::uploadTo(const ftp::RemoteOrigin& origin, std::int64_t size) {
    lastFileSize_ = size;
    const ftp::ReplacingUploadResult result = ftp::uploadReplacing(
        client_, origin.localCopy, origin.remoteFile, [this](FtpRequest kind) { return run(kind); });
    if (!result.ok && !result.failure.empty())
        log(QStringLiteral("Nie zapisano pliku: %1").arg(fromWin1250(result.failure)), Qt::red,
            FtpStatusWindow::Bold);
    return result.ok;
}

void RemoteBrowserWindow::saveToServer() {
    if (busy_ || fileName_->text().isEmpty()) return;
    if (!client_.connected()) {
        prompts_.message(
            QStringLiteral("Brak połączenia z serwerem FTP: najpierw użyj przycisku \"Połącz\"."));
        return;
    }
    const std::string raw = rawFileName();
    const QString remotePath = ftp::displayName(ftp::remotePathFor(currentDirectory_, raw));
    const ftp::RemoteOrigin origin = ftp::originFor(client_.hostName, client_.port, client_.userName,
                                                    currentDirectory_, raw, remotePath, workingFolder_);
    QString error;
    if (origin.localCopy.isEmpty()) {
        prompts_.error(QStringLiteral("Nie można zapisać pliku \"%1\": ta nazwa nie może być nazwą pliku.")
                           .arg(fileName_->text()));
        return;
    }
    if (!ftp::ensurePrivateFolder(QFileInfo(origin.localCopy).path(), &error)) {
        prompts_.error(error);
        return;
    }
    if (!documents_.saveActiveDocument ||
        !documents_.saveActiveDocument(origin, ftp::displayName(ftp::remoteNameOf(origin.remoteFile)),
                                       remotePath))
        return;
    bool ok = false;
    {
        BusyCursor busy;
        ok = uploadTo(origin, QFileInfo(origin.localCopy).size());
    }
    if (!ok) {
        if (documents_.activeDocumentNotStored) documents_.activeDocumentNotStored();
        prompts_.message(QStringLiteral("Nie można zapisać pliku!"));
        return;
    }
    if (client_.connected() && options_.connectionSettings().disconnectAfterSaving) disconnectFromServer();
    hide();
}

// ---- Store back -------------------------------------------------------------------------------------

ftp::RemoteOrigin RemoteBrowserWindow::originOfRemotePath(const QString& remotePath) const {
    const ftp::FtpOptions& settings = options_.connectionSettings();
    ftp::RemoteOrigin origin;
    origin.host = client_.connected() ? client_.hostName : settings.host;
    origin.port = client_.connected() ? client_.port : settings.port;
    origin.login = client_.connected() ? client_.userName : settings.login;
    std::string path = remotePath.toUtf8().toStdString();
    origin.remoteFile = "/" + path;
    const QString name = ftp::localCopyName(remotePath);
    if (ftp::isSafeLocalName(name)) origin.localCopy = QDir(workingFolder_).filePath(name);
    return origin;
}

bool RemoteBrowserWindow::storeBackStep(const ftp::RemoteOrigin& origin, const QString& remotePath, bool) {
    if (!ftp::sameServer(origin, client_.hostName, client_.port, client_.userName)) {
        prompts_.message(
            QStringLiteral("Dokument %1 pochodzi z serwera %2 (użytkownik %3), a połączenie jest otwarte "
                           "z serwerem %4 (użytkownik %5). Połącz się z serwerem dokumentu, aby go "
                           "zapisać.")
                .arg(remotePath, fromWin1250(origin.host), fromWin1250(origin.login),
                     fromWin1250(client_.hostName), fromWin1250(client_.userName)));
        return false;
    }
    const bool disconnectAfter = options_.connectionSettings().disconnectAfterSaving;
    if (uploadTo(origin, QFileInfo(origin.localCopy).size())) {
        storeBack_->setStatus(QStringLiteral("Zapisywanie"));
        if (disconnectAfter && client_.connected()) {
            storeBack_->lamps()->setLamps(false, true, false);
            storeBack_->setStatus(QStringLiteral("Rozłączam..."));
            if (!quitConnection() && client_.connected()) {
                storeBack_->lamps()->setLamps(false, false, true);
                storeBack_->setStatus(QStringLiteral("Połączony"));
                prompts_.message(QStringLiteral("Niemożna zakończyć połączenia z serwerem ftp!"));
            } else {
                storeBack_->lamps()->setLamps(true, false, false);
                storeBack_->setStatus(QStringLiteral("Rozłączony"));
            }
        }
        return true;
    }
    prompts_.message(QStringLiteral("Nie można zapisać pliku: %1\nNa serwerze ftp").arg(remotePath));
    if (disconnectAfter && client_.connected() && !quitConnection() && client_.connected()) {
        storeBack_->lamps()->setLamps(false, false, true);
        prompts_.message(QStringLiteral("Niemożna zakończyć połączenia z serwerem ftp!"));
    }
    return false;
}

bool RemoteBrowserWindow::connectForStoreBack() {
    storeBack_->lamps()->setLamps(true, true, false);
    storeBack_->setStatus(QStringLiteral("Łącze..."));
    lamps_->setLamps(true, true, false);
    setClientParameters();
    setState(ConnectionState::Connecting);
    if (run(FtpRequest::Connect)) {
        storeBack_->lamps()->setLamps(false, false, true);
        storeBack_->setStatus(QStringLiteral("Połączony"));
        return true;
    }
    lamps_->setLamps(true, false, false);
    setState(ConnectionState::NotConnected);
    storeBack_->lamps()->setLamps(true, false, false);
    storeBack_->setStatus(QStringLiteral("Niepołączony"));
    prompts_.message(QStringLiteral("Niemożna nawiązać połączenia z serwerem ftp!"));
    return false;
}

bool RemoteBrowserWindow::storeBack(const ftp::RemoteOrigin& origin, const QString& remotePath) {
    if (busy_) {
        prompts_.message(
            QStringLiteral("Trwa inne polecenie FTP: zapisz dokument ponownie, gdy się zakończy."));
        return false;
    }
    if (origin.localCopy.isEmpty() || !QFileInfo::exists(origin.localCopy)) {
        prompts_.message(QStringLiteral("Nie można zapisać pliku: %1\nNa serwerze ftp").arg(remotePath));
        return false;
    }
    storeBack_->gauge()->setValue(0);
    auto showDialog = [this](bool withConnect) {
        storeBack_->connectButton()->setVisible(withConnect);
        storeBack_->connectButton()->setText(QStringLiteral("Połącz"));
        storeBack_->connectButton()->setEnabled(true);
        storeBack_->setWindowModality(Qt::ApplicationModal);
        storeBack_->show();
        storeBack_->raise();
    };
    if (client_.connected()) {
        storeBack_->setStatus(QStringLiteral("Połączony..."));
        storeBack_->lamps()->setLamps(false, false, true);
        showDialog(false);
        const bool ok = storeBackStep(origin, remotePath, false);
        storeBack_->hide();
        return ok;
    }
    if (options_.connectionSettings().connectWhenSaving) {
        showDialog(false);
        const bool ok = connectForStoreBack() && storeBackStep(origin, remotePath, true);
        storeBack_->hide();
        return ok;
    }
    // No connection and no automatic one: the user connects with "Połącz" or gives up.
    storeBack_->setStatus(QStringLiteral("Niepołączony"));
    storeBack_->lamps()->setLamps(true, false, false);
    showDialog(true);
    bool result = false;
    QEventLoop loop;
    const QMetaObject::Connection pressed =
        connect(storeBack_->connectButton(), &QPushButton::clicked, this, [&] {
            if (busy_) return;
            storeBack_->connectButton()->setEnabled(false);
            if (!connectForStoreBack()) {
                storeBack_->connectButton()->setEnabled(true);
                loop.quit();
                return;
            }
            result = storeBackStep(origin, remotePath, true);
            loop.quit();
        });
    const QMetaObject::Connection cancelled =
        connect(storeBack_, &StoreBackDialog::cancelRequested, this, [&] {
            if (!busy_) loop.quit();
        });
    loop.exec();
    disconnect(pressed);
    disconnect(cancelled);
    storeBack_->hide();
    return result;
}

// ---- "Komendy FTP" ----------------------------------------------------------------------------------

void RemoteBrowserWindow::makeFolder() {
    if (busy_ || !client_.connected()) return;
    const std::optional<QString> answer =
        prompts_.inputText(QStringLiteral("Utwórz katalog."), QStringLiteral("Podaj nazwę katalogu:"),
                           QStringLiteral("NowyFolder"));
    if (answer && !answer->isEmpty() && *answer != QLatin1String(" ")) {
        const std::string previous = client_.hostFileName;
        bool utf8 = looksUtf8(currentDirectory_);
        for (const ftp::RemoteItem& item : listing_.items)
            utf8 = utf8 || looksUtf8(item.name);
        client_.hostFileName = utf8 ? answer->toUtf8().toStdString() : toWin1250(*answer);
        run(FtpRequest::Mkd);
        client_.hostFileName = previous;
    }
    refresh();
}

void RemoteBrowserWindow::askFileSize() {
    if (busy_ || !client_.connected()) return;
    sizeRequest_ = true;
    client_.hostFileName = rawFileName();
    run(FtpRequest::Size);
    sizeRequest_ = false;
}

void RemoteBrowserWindow::showDeleteDialog() {
    if (busy_ || !client_.connected()) return;
    deleteList_->clear();
    for (const ftp::RemoteItem& item : listing_.items) {
        if (item.isFolder()) continue;
        auto* entry = new QListWidgetItem(ftp::displayName(item.name), deleteList_);
        entry->setData(kRawNameRole, QByteArray::fromStdString(item.name));
    }
    if (deleteList_->count() == 0) {
        auto* none = new QListWidgetItem(QStringLiteral("(brak plików)"), deleteList_);
        none->setFlags(Qt::NoItemFlags);
    }
    deleteDialog_->setWindowModality(Qt::ApplicationModal);
    deleteDialog_->show();
    deleteDialog_->raise();
}

void RemoteBrowserWindow::deleteChosenFile() {
    QListWidgetItem* chosen = deleteList_->currentItem();
    const QByteArray raw = chosen ? chosen->data(kRawNameRole).toByteArray() : QByteArray();
    deleteDialog_->hide();
    if (!raw.isEmpty() && !busy_ && client_.connected() &&
        prompts_.confirm(QStringLiteral("Skasować plik %1 z serwera ftp?").arg(chosen->text()),
                         Buttons::YesNo) == Answer::Yes) {
        client_.hostFileName = raw.toStdString();
        if (!run(FtpRequest::Dele))
            prompts_.message(QStringLiteral("Nie można skasować pliku %1!").arg(QString(chosen->text())));
    }
    refresh();
}

} // namespace wertan
