#pragma once
// "Zapisz": shows a remote document being stored back on its server, with the connection's
// lamps, its progress and, when no connection is open, the "Połącz" button that makes one.
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace wertan {

class SignalLamps;

class StoreBackDialog : public QDialog {
    Q_OBJECT
public:
    explicit StoreBackDialog(QWidget* parent = nullptr);

    void setStatus(const QString& text);
    QString status() const;
    SignalLamps* lamps() const { return lamps_; }
    QProgressBar* gauge() const { return gauge_; }
    QPushButton* connectButton() const { return connect_; }
    QPushButton* cancelButton() const { return cancel_; }

signals:
    // "Anuluj" or the window's close: ends the dialog, or asks a running transfer to stop.
    void cancelRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QLabel* status_;
    SignalLamps* lamps_;
    QProgressBar* gauge_;
    QPushButton* connect_;
    QPushButton* cancel_;
};

} // namespace wertan
