#include "ftp/ui/ftp_sites_dialog.h"

#include "platform/prompts.h"
#include "text/win1250.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace wertan {

FtpSitesDialog::FtpSitesDialog(Prompts& prompts, QString filePath, QWidget* parent)
    : QDialog(parent), prompts_(prompts), filePath_(std::move(filePath)) {
    setObjectName(QStringLiteral("FormFTPServers"));
    setWindowTitle(QStringLiteral("Serwery FTP"));

    siteCombo_ = new QComboBox(this);
    siteCombo_->setObjectName(QStringLiteral("ComboBoxServers"));
    siteCombo_->setMinimumWidth(260);
    currentSite_ = new QLineEdit(QStringLiteral("Brak"), this);
    currentSite_->setObjectName(QStringLiteral("EditCurrentServer"));
    currentSite_->setReadOnly(true);

    auto* siteGroup = new QGroupBox(QStringLiteral("Serwer"), this);
    name_ = new QLineEdit(siteGroup);
    name_->setObjectName(QStringLiteral("EditSerName"));
    address_ = new QLineEdit(siteGroup);
    address_->setObjectName(QStringLiteral("EditSerAdres"));
    auto* siteForm = new QFormLayout(siteGroup);
    siteForm->addRow(QStringLiteral("Nazwa:"), name_);
    siteForm->addRow(QStringLiteral("Adres:"), address_);

    auto* loginGroup = new QGroupBox(QStringLiteral("Logowanie"), this);
    login_ = new QLineEdit(loginGroup);
    login_->setObjectName(QStringLiteral("UserNameEdit"));
    password_ = new QLineEdit(loginGroup);
    password_->setObjectName(QStringLiteral("PassWordEdit"));
    password_->setEchoMode(QLineEdit::Password);
    anonymous_ = new QCheckBox(QStringLiteral("Loguj się jako użytkoniki anomimowy (anonymous)"), loginGroup);
    anonymous_->setObjectName(QStringLiteral("CheckBoxByAnonymous"));
    auto* loginForm = new QFormLayout(loginGroup);
    loginForm->addRow(QStringLiteral("Login:"), login_);
    loginForm->addRow(QStringLiteral("Hasło:"), password_);
    loginForm->addRow(anonymous_);

    add_ = new QPushButton(QStringLiteral("Dodaj"), this);
    add_->setObjectName(QStringLiteral("BtnAdd"));
    remove_ = new QPushButton(QStringLiteral("Usuń"), this);
    remove_->setObjectName(QStringLiteral("BtnRemove"));
    setCurrent_ = new QPushButton(QStringLiteral("Ustaw jako aktualny"), this);
    setCurrent_->setObjectName(QStringLiteral("BtnSetCurrent"));
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("BtnOK"));
    ok_->setDefault(true);

    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("Serwer:"), siteCombo_);
    top->addRow(QStringLiteral("Aktualny serwer:"), currentSite_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    buttons->addWidget(setCurrent_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(siteGroup);
    column->addWidget(loginGroup);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    for (QLineEdit* field : {name_, address_, login_, password_})
        field->installEventFilter(this);
    connect(siteCombo_, &QComboBox::activated, this, &FtpSitesDialog::chooseSite);
    connect(anonymous_, &QCheckBox::clicked, this, &FtpSitesDialog::anonymousToggled);
    connect(add_, &QPushButton::clicked, this, &FtpSitesDialog::addSite);
    connect(remove_, &QPushButton::clicked, this, &FtpSitesDialog::removeSite);
    connect(setCurrent_, &QPushButton::clicked, this, [this] { currentSite_->setText(name_->text()); });
    connect(ok_, &QPushButton::clicked, this, &FtpSitesDialog::confirm);
}

QStringList FtpSitesDialog::siteNames() const {
    QStringList names;
    for (const std::string& name : list_.names())
        names << fromWin1250(name);
    return names;
}

void FtpSitesDialog::readFile() {
    ftp::SiteFileLoad load = ftp::loadSiteFile(filePath_);
    if (!load.message.isEmpty()) prompts_.message(load.message);
    if (!load.error.isEmpty()) prompts_.error(load.error);
    readFailed_ = !load.error.isEmpty() && load.message.isEmpty();
    if (load.error.isEmpty() || !load.sites.empty()) {
        list_.setSites(std::move(load.sites));
        extraRecords_ = std::move(load.extraRecords);
    }
    rebuildList();
    emit sitesChanged();
}

void FtpSitesDialog::createStep() {
    readFile();
}

void FtpSitesDialog::open() {
    readFile();
    if (!list_.isEmpty()) {
        list_.setCurrentIndex(0);
        currentSite_->setText(fromWin1250(list_.site(0).name));
    }
    rebuildList();
    showSite(list_.currentIndex());
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void FtpSitesDialog::rebuildList() {
    refilling_ = true;
    siteCombo_->clear();
    siteCombo_->addItems(siteNames());
    siteCombo_->setEnabled(!list_.isEmpty());
    siteCombo_->setCurrentIndex(list_.currentIndex());
    refilling_ = false;
}

void FtpSitesDialog::showSite(int index) {
    refilling_ = true;
    if (index >= 0 && index < list_.count()) {
        const ftp::FtpSite& site = list_.site(index);
        name_->setText(fromWin1250(site.name));
        address_->setText(fromWin1250(site.address));
        login_->setText(fromWin1250(site.login));
        password_->setText(fromWin1250(site.password));
    }
    refilling_ = false;
}

void FtpSitesDialog::chooseSite(int index) {
    list_.setCurrentIndex(index);
    showSite(index);
}

bool FtpSitesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !refilling_) {
        for (QLineEdit* field : {name_, address_, login_, password_})
            if (watched == field) storeField(field);
    }
    return QDialog::eventFilter(watched, event);
}

bool FtpSitesDialog::storeField(QLineEdit* field) {
    if (list_.currentIndex() < 0) return true;
    const std::string text = toWin1250(field->text());
    // The field then shows what the site holds (a text too long for its field is cut).
    auto showStored = [field](const std::string& stored) {
        if (field->text() != fromWin1250(stored)) field->setText(fromWin1250(stored));
    };
    if (field == name_) {
        if (!list_.setName(text)) {
            prompts_.message(ftp::blankSiteNameMessage());
            // Back to the field once the focus change that caused this has settled.
            QTimer::singleShot(0, name_, [this] { name_->setFocus(); });
            return false;
        }
        showStored(list_.site(list_.currentIndex()).name);
        rebuildList();
        emit sitesChanged();
    } else if (field == address_) {
        list_.setAddress(text);
        showStored(list_.site(list_.currentIndex()).address);
    } else if (field == login_) {
        list_.setLogin(text);
        showStored(list_.site(list_.currentIndex()).login);
    } else if (field == password_) {
        list_.setPassword(text);
        showStored(list_.site(list_.currentIndex()).password);
    }
    return true;
}

void FtpSitesDialog::anonymousToggled(bool on) {
    // The field shows what the site holds: a cleared field is a cleared password.
    password_->clear();
    password_->setEnabled(!on);
    list_.setPassword({});
    list_.setPasswordInUse(!on);
}

void FtpSitesDialog::addSite() {
    if (!list_.add()) {
        prompts_.message(QStringLiteral("Lista serwerów FTP jest pełna: można zapisać najwyżej %1 serwerów.")
                             .arg(ftp::kMaxSites));
        return;
    }
    rebuildList();
    showSite(list_.currentIndex());
    emit sitesChanged();
    name_->setFocus();
    name_->selectAll();
}

void FtpSitesDialog::removeSite() {
    if (list_.isEmpty()) return;
    list_.removeCurrent();
    rebuildList();
    showSite(list_.currentIndex());
    emit sitesChanged();
}

bool FtpSitesDialog::writeFile() {
    QString error;
    if (ftp::writeSiteFile(filePath_, list_.sites(), &error, extraRecords_)) return true;
    prompts_.error(error);
    return false;
}

void FtpSitesDialog::writeAtExit() {
    if (!readFailed_) writeFile();
}

void FtpSitesDialog::confirm() {
    // The field being edited is stored first, as leaving it would.
    if (QWidget* focused = focusWidget())
        for (QLineEdit* field : {name_, address_, login_, password_})
            if (focused == field && !storeField(field)) return;
    writeFile();
    done(QDialog::Accepted);
}

} // namespace wertan
