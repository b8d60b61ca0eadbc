#pragma once
// "Serwery FTP": the list of stored FTP sites (name, address, login, password), kept in
// data\sftp.dat2. Created once at start-up (when the file is read); only shown and hidden
// afterwards. The list lives for the whole run and is written when the program ends.
#include "ftp/ftp_sites.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace wertan {

class Prompts;

class FtpSitesDialog : public QDialog {
    Q_OBJECT
public:
    FtpSitesDialog(Prompts& prompts, QString filePath, QWidget* parent = nullptr);

    // The creation step: the file read into the list.
    void createStep();
    // Reads the file again, selects the first site and shows the dialog (modal, without waiting).
    void open() override;
    // "OK": writes the list and closes.
    void confirm();
    // Writes the whole list; false after showing the error.
    bool writeFile();
    // The destroy step: the list is written, unless the file could not be read (writing the
    // empty list would then destroy it).
    void writeAtExit();

    ftp::FtpSiteList& sites() { return list_; }
    const ftp::FtpSiteList& sites() const { return list_; }
    // The current site, -1 while the list is empty.
    int currentSiteIndex() const { return list_.currentIndex(); }
    QStringList siteNames() const;
    QString filePath() const { return filePath_; }

    QComboBox* siteList() const { return siteCombo_; }
    QLineEdit* currentSiteField() const { return currentSite_; }
    QLineEdit* nameField() const { return name_; }
    QLineEdit* addressField() const { return address_; }
    QLineEdit* loginField() const { return login_; }
    QLineEdit* passwordField() const { return password_; }
    QCheckBox* anonymousBox() const { return anonymous_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* setCurrentButton() const { return setCurrent_; }
    QPushButton* okButton() const { return ok_; }

signals:
    // The site names changed (added, removed or renamed).
    void sitesChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readFile();
    void rebuildList();
    void showSite(int index);
    void chooseSite(int index);
    // Stores a field into the current site as it loses the focus; false when refused.
    bool storeField(QLineEdit* field);
    void anonymousToggled(bool on);
    void addSite();
    void removeSite();

    Prompts& prompts_;
    QString filePath_;
    ftp::FtpSiteList list_;
    std::string extraRecords_;
    QComboBox* siteCombo_;
    QLineEdit* currentSite_;
    QLineEdit* name_;
    QLineEdit* address_;
    QLineEdit* login_;
    QLineEdit* password_;
    QCheckBox* anonymous_;
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* setCurrent_;
    QPushButton* ok_;
    bool refilling_ = false;
    bool readFailed_ = false;
};

} // namespace wertan
