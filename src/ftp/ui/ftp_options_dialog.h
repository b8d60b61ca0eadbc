#pragma once
// "Opcje FTP": the connection settings (host, port, login, password), passive mode, the FTP
// working folder and the four automation switches, kept in config\ftp.dat2 (passive mode in the
// settings store). The settings in memory are the current connection settings every connection
// is built from. Created once at start-up; only shown and hidden afterwards.
#include "ftp/ftp_options.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace wertan {

class FtpSitesDialog;
class FtpOptionsBand;
class Prompts;
class SettingsStore;

class FtpOptionsDialog : public QDialog {
    Q_OBJECT
public:
    FtpOptionsDialog(Prompts& prompts, SettingsStore& store, QString filePath, FtpSitesDialog& sites,
                     QString workingFolder, QWidget* parent = nullptr);

    // The creation step: the file read into the connection settings and the fields.
    void createStep();
    // Reads the file again, applies the current site and shows the dialog (modal, without waiting).
    void open() override;
    // "OK": the fields become the connection settings and are written; the dialog closes.
    void confirm();
    // "Anuluj": closes without writing.
    void cancel();

    // Copies a site's address, login and password and the "Port:" field into the connection
    // settings and shows them in the fields.
    void applySite(int index);

    const ftp::FtpOptions& connectionSettings() const { return settings_; }
    bool passive() const { return passive_; }

    ftp::FtpOptionsForm form() const;
    void setForm(const ftp::FtpOptionsForm& form);

    QComboBox* siteList() const { return siteCombo_; }
    QLineEdit* hostField() const { return host_; }
    QComboBox* portField() const { return port_; }
    QPushButton* sitesButton() const { return sitesButton_; }
    QLineEdit* loginField() const { return login_; }
    QLineEdit* passwordField() const { return password_; }
    QCheckBox* anonymousBox() const { return anonymous_; }
    QCheckBox* savePasswordBox() const { return savePassword_; }
    QCheckBox* passiveBox() const { return passiveBox_; }
    QLineEdit* workingFolderField() const { return workingFolder_; }
    QCheckBox* connectOnOpenDialogBox() const { return connectOnOpenDialog_; }
    QCheckBox* connectOnSaveBox() const { return connectOnSave_; }
    QCheckBox* disconnectAfterOpenBox() const { return disconnectAfterOpen_; }
    QCheckBox* disconnectAfterSaveBox() const { return disconnectAfterSave_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QList<FtpOptionsBand*> bands() const { return bands_; }

signals:
    // "OK" changed the connection settings: an open connection is made again with them.
    void confirmed();

private:
    void readFile();
    void fillSiteList();
    void anonymousToggled(bool on);

    Prompts& prompts_;
    SettingsStore& store_;
    QString filePath_;
    FtpSitesDialog& sites_;
    ftp::FtpOptions settings_;
    bool passive_ = true;
    QList<FtpOptionsBand*> bands_;
    QComboBox* siteCombo_;
    QLineEdit* host_;
    QComboBox* port_;
    QPushButton* sitesButton_;
    QLineEdit* login_;
    QLineEdit* password_;
    QCheckBox* anonymous_;
    QCheckBox* savePassword_;
    QCheckBox* passiveBox_;
    QLineEdit* workingFolder_;
    QCheckBox* connectOnOpenDialog_;
    QCheckBox* connectOnSave_;
    QCheckBox* disconnectAfterOpen_;
    QCheckBox* disconnectAfterSave_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace wertan
