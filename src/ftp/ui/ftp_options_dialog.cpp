#include "ftp/ui/ftp_options_dialog.h"

#include "ftp/ui/ftp_options_band.h"
#include "ftp/ui/ftp_sites_dialog.h"
#include "platform/prompts.h"
#include "platform/settings_store.h"
#include "text/win1250.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wertan {

FtpOptionsDialog::FtpOptionsDialog(Prompts& prompts, SettingsStore& store, QString filePath,
                                   FtpSitesDialog& sites, QString workingFolder, QWidget* parent)
    : QDialog(parent), prompts_(prompts), store_(store), filePath_(std::move(filePath)), sites_(sites) {
    setObjectName(QStringLiteral("FormFTPOptions"));
    setWindowTitle(QStringLiteral("Opcje FTP"));

    auto* hostBand = new FtpOptionsBand(QStringLiteral("Gospodarz (HOST)"), true, this);
    siteCombo_ = new QComboBox(hostBand->body());
    siteCombo_->setObjectName(QStringLiteral("ComboBoxServers"));
    host_ = new QLineEdit(hostBand->body());
    host_->setObjectName(QStringLiteral("HostNameEdit"));
    host_->setMinimumWidth(300);
    port_ = new QComboBox(hostBand->body());
    port_->setObjectName(QStringLiteral("PortEdit"));
    port_->setEditable(true);
    port_->addItem(QStringLiteral("ftp"));
    sitesButton_ = new QPushButton(QStringLiteral("Serwery FTP..."), hostBand->body());
    sitesButton_->setObjectName(QStringLiteral("BtnServers"));
    passiveBox_ = new QCheckBox(QStringLiteral("Tryb pasywny (PASV): połączenia danych nawiązuje program"),
                                hostBand->body());
    passiveBox_->setObjectName(QStringLiteral("CheckBoxPassive"));
    passiveBox_->setToolTip(QStringLiteral("Tryb pasywny"));
    passiveBox_->setStatusTip(QStringLiteral(
        "Zalecany za routerem domowym lub zaporą sieciową, przy których tryb aktywny zawodzi."));
    auto* portRow = new QHBoxLayout;
    portRow->addWidget(port_, 1);
    portRow->addWidget(sitesButton_);
    auto* hostForm = new QFormLayout(hostBand->body());
    hostForm->addRow(QStringLiteral("Serwer FTP:"), siteCombo_);
    hostForm->addRow(QStringLiteral("Nazwa gospodarza/Adres:"), host_);
    hostForm->addRow(QStringLiteral("Port:"), portRow);
    hostForm->addRow(passiveBox_);

    auto* userBand = new FtpOptionsBand(QStringLiteral("Urzytkownik (USER)"), true, this);
    login_ = new QLineEdit(userBand->body());
    login_->setObjectName(QStringLiteral("UserNameEdit"));
    password_ = new QLineEdit(userBand->body());
    password_->setObjectName(QStringLiteral("PassWordEdit"));
    password_->setEchoMode(QLineEdit::Password);
    anonymous_ =
        new QCheckBox(QStringLiteral("Loguj się jako użytkoniki anomimowy (anonymous)"), userBand->body());
    anonymous_->setObjectName(QStringLiteral("CheckBoxByAnonymous"));
    savePassword_ = new QCheckBox(QStringLiteral("Zapamiętaj hasło"), userBand->body());
    savePassword_->setObjectName(QStringLiteral("CheckBoxSavePassword"));
    auto* userForm = new QFormLayout(userBand->body());
    userForm->addRow(QStringLiteral("Nazwa użytkotnika/Login:"), login_);
    userForm->addRow(QStringLiteral("Hasło:"), password_);
    userForm->addRow(anonymous_);
    userForm->addRow(savePassword_);

    auto* tempBand = new FtpOptionsBand(QStringLiteral("Tymczasowe pliki FTP"), false, this);
    workingFolder_ = new QLineEdit(QDir::toNativeSeparators(workingFolder), tempBand->body());
    workingFolder_->setObjectName(QStringLiteral("DirectoryEditTemp"));
    workingFolder_->setReadOnly(true); // the working folder is the program's own private folder
    auto* tempColumn = new QVBoxLayout(tempBand->body());
    tempColumn->addWidget(
        new QLabel(QStringLiteral("Wpisz albo wybierz scieżkę do tymczasowego katalogu:"), tempBand->body()));
    tempColumn->addWidget(workingFolder_);

    auto* autoBand = new FtpOptionsBand(QStringLiteral("Automatyzacja"), false, this);
    connectOnOpenDialog_ = new QCheckBox(
        QStringLiteral("Łącz z serwerem ftp przy otwarciu okna dialogowego: \"Otwórz z sieci\""),
        autoBand->body());
    connectOnOpenDialog_->setObjectName(QStringLiteral("CheckBoxConnectOnOpenDialog"));
    connectOnSave_ =
        new QCheckBox(QStringLiteral("Łącz z serwerem ftp przy zapisywaniu pliku."), autoBand->body());
    connectOnSave_->setObjectName(QStringLiteral("CheckBoxConnectOnSave"));
    disconnectAfterOpen_ =
        new QCheckBox(QStringLiteral("Rozłaczaj po wczytaniu pliku z serwera ftp.."), autoBand->body());
    disconnectAfterOpen_->setObjectName(QStringLiteral("CheckBoxConnectAfterOpen"));
    disconnectAfterSave_ =
        new QCheckBox(QStringLiteral("Rozłaczaj po zapisaniu pliku na serwerze ftp."), autoBand->body());
    disconnectAfterSave_->setObjectName(QStringLiteral("CheckBoxConnectAfterSave"));
    auto* autoColumn = new QVBoxLayout(autoBand->body());
    for (QCheckBox* box : {connectOnOpenDialog_, connectOnSave_, disconnectAfterOpen_, disconnectAfterSave_})
        autoColumn->addWidget(box);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("BtnOK"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel_->setObjectName(QStringLiteral("BtnCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* column = new QVBoxLayout(this);
    for (FtpOptionsBand* band : {hostBand, userBand, tempBand, autoBand}) {
        column->addWidget(band);
        bands_ << band;
    }
    column->addStretch(1);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(siteCombo_, &QComboBox::activated, this, &FtpOptionsDialog::applySite);
    connect(sitesButton_, &QPushButton::clicked, &sites_, &FtpSitesDialog::open);
    connect(anonymous_, &QCheckBox::clicked, this, &FtpOptionsDialog::anonymousToggled);
    connect(ok_, &QPushButton::clicked, this, &FtpOptionsDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, &FtpOptionsDialog::cancel);
    connect(&sites_, &FtpSitesDialog::sitesChanged, this, [this] {
        if (isVisible()) fillSiteList();
    });
}

ftp::FtpOptionsForm FtpOptionsDialog::form() const {
    ftp::FtpOptionsForm f;
    f.host = toWin1250(host_->text());
    f.port = toWin1250(port_->currentText());
    f.login = toWin1250(login_->text());
    f.password = toWin1250(password_->text());
    f.anonymous = anonymous_->isChecked();
    f.savePassword = savePassword_->isChecked();
    f.connectOnOpenDialog = connectOnOpenDialog_->isChecked();
    f.connectOnSave = connectOnSave_->isChecked();
    f.disconnectAfterOpen = disconnectAfterOpen_->isChecked();
    f.disconnectAfterSave = disconnectAfterSave_->isChecked();
    return f;
}

void FtpOptionsDialog::setForm(const ftp::FtpOptionsForm& f) {
    host_->setText(fromWin1250(f.host));
    port_->setCurrentText(fromWin1250(f.port));
    login_->setText(fromWin1250(f.login));
    password_->setText(fromWin1250(f.password));
    savePassword_->setChecked(f.savePassword);
    connectOnOpenDialog_->setChecked(f.connectOnOpenDialog);
    connectOnSave_->setChecked(f.connectOnSave);
    disconnectAfterOpen_->setChecked(f.disconnectAfterOpen);
    disconnectAfterSave_->setChecked(f.disconnectAfterSave);
    anonymous_->setChecked(f.anonymous);
    login_->setEnabled(!f.anonymous);
    if (f.anonymous) {
        // The anonymous presentation: the login fixed, the placeholder password readable.
        login_->setText(QString::fromLatin1(ftp::kAnonymousLogin));
        password_->setText(QString::fromLatin1(ftp::kAnonymousPassword));
        password_->setEchoMode(QLineEdit::Normal);
    } else {
        password_->setEchoMode(QLineEdit::Password);
    }
}

void FtpOptionsDialog::anonymousToggled(bool on) {
    login_->setEnabled(!on);
    if (on) {
        login_->setText(QString::fromLatin1(ftp::kAnonymousLogin));
        password_->setText(QString::fromLatin1(ftp::kAnonymousPassword));
        password_->setEchoMode(QLineEdit::Normal);
    } else {
        login_->clear();
        password_->clear();
        password_->setEchoMode(QLineEdit::Password);
    }
}

void FtpOptionsDialog::readFile() {
    ftp::OptionsFileLoad load = ftp::loadOptionsFile(filePath_);
    if (!load.message.isEmpty()) prompts_.message(load.message);
    if (!load.error.isEmpty()) prompts_.error(load.error);
    if (load.loaded || !load.message.isEmpty()) settings_ = load.options;
    setForm(ftp::formFromOptions(settings_));
    passive_ = ftp::readPassiveMode(store_);
    passiveBox_->setChecked(passive_);
}

void FtpOptionsDialog::createStep() {
    readFile();
}

void FtpOptionsDialog::fillSiteList() {
    siteCombo_->clear();
    siteCombo_->addItems(sites_.siteNames());
    siteCombo_->setCurrentIndex(sites_.currentSiteIndex());
}

void FtpOptionsDialog::open() {
    readFile();
    fillSiteList();
    if (sites_.currentSiteIndex() >= 0) applySite(sites_.currentSiteIndex());
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void FtpOptionsDialog::applySite(int index) {
    const ftp::FtpSiteList& list = sites_.sites();
    if (index < 0 || index >= list.count()) return;
    const ftp::FtpSite& site = list.site(index);
    settings_.host = site.address;
    settings_.login = site.login;
    settings_.password = site.password;
    settings_.port = toWin1250(port_->currentText()).substr(0, ftp::kPortCapacity);
    host_->setText(fromWin1250(site.address));
    login_->setText(fromWin1250(site.login));
    // The password field shows the site's password, so that "OK" keeps the password of the site
    // that was chosen.
    password_->setText(fromWin1250(site.password));
    savePassword_->setChecked(!site.password.empty());
}

void FtpOptionsDialog::confirm() {
    const ftp::FtpOptionsForm f = form();
    settings_ = ftp::optionsFromForm(f);
    passive_ = passiveBox_->isChecked();
    ftp::writePassiveMode(store_, passive_);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    const bool written = ftp::writeOptionsFile(filePath_, ftp::recordToStore(f), &error);
    QApplication::restoreOverrideCursor();
    if (!written) prompts_.error(error);
    done(QDialog::Accepted);
    emit confirmed();
}

void FtpOptionsDialog::cancel() {
    done(QDialog::Rejected);
}

} // namespace wertan
