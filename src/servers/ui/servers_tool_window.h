#pragma once
// The "Serwery" tool window: buttons that start and stop the HTTP server (Apache, or the built-in
// PHP server when that is the HTTP server's type) and the mySQL server, a button for the
// configuration dialog, and a line with the built-in server's state.
#include <QWidget>

class QAction;
class QLabel;
class QToolButton;

namespace wertan {

class ServersToolWindow : public QWidget {
    Q_OBJECT
public:
    explicit ServersToolWindow(QWidget* parent = nullptr);

    // The commands the buttons run. The HTTP buttons follow the server type: Apache's commands,
    // or the built-in PHP server's.
    struct Commands {
        QAction* httpStart = nullptr;
        QAction* httpStop = nullptr;
        QAction* mysqlStop = nullptr;
        QAction* mysqlStart = nullptr;
        QAction* options = nullptr;
    };
    void setCommands(const Commands& commands, bool builtInPhpServer);
    void setButtonsEnabled(bool httpStart, bool httpStop, bool mysqlStop, bool mysqlStart);
    void setStateLine(const QString& text);

    QToolButton* button(const QString& name) const;
    QString stateLine() const;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QToolButton* makeButton(const char* name, const QString& text, const QString& hint);

    QToolButton* httpStart_;
    QToolButton* httpStop_;
    QToolButton* mysqlStop_;
    QToolButton* mysqlStart_;
    QToolButton* options_;
    QLabel* state_;
    Commands commands_;
};

} // namespace wertan
