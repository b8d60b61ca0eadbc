#include "servers/ui/servers_tool_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace wertan {

ServersToolWindow::ServersToolWindow(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FormServers"));
    setWindowTitle(QStringLiteral("Serwery"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(2);
    httpStart_ = makeButton("BtnApacheStart", QStringLiteral("Uruchom Apache"),
                            QStringLiteral("Uruchamia serwer HTTP Apache"));
    httpStop_ = makeButton(
        "BtnApacheKill", QStringLiteral("Zakończ Apache"),
        QStringLiteral("Zamyka serwer HTTP Apache i rozłacza wszystkie połączenia z nim związane."));
    mysqlStop_ = makeButton(
        "BtnmySQLKill", QStringLiteral("Zakończ mySQL"),
        QStringLiteral("Zamyka serwer danych mySQL i przerywa wszystkie związane z nim połączenie."));
    mysqlStart_ = makeButton("BtnmySQLStart", QStringLiteral("Uruchom mySQL"),
                             QStringLiteral("Uruchamia serwer danych mySQL."));
    options_ = makeButton("BtnOptions", QStringLiteral("Opcje..."),
                          QStringLiteral("Otwiera okno ustawień serwerów."));
    httpStart_->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    httpStop_->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    mysqlStart_->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    mysqlStop_->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    options_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    // One button a row, so that the captions fit a narrow docking area.
    int row = 0;
    for (QToolButton* b : {httpStart_, httpStop_, mysqlStart_, mysqlStop_, options_})
        grid->addWidget(b, row++, 0);
    state_ = new QLabel(this);
    state_->setObjectName(QStringLiteral("LabelServerState"));
    state_->setWordWrap(true);
    state_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(state_, row++, 0);
    grid->setRowStretch(row, 1);
}

QToolButton* ServersToolWindow::makeButton(const char* name, const QString& text, const QString& hint) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(b, &QToolButton::clicked, this, [this, b] {
        QAction* target = b == httpStart_    ? commands_.httpStart
                          : b == httpStop_   ? commands_.httpStop
                          : b == mysqlStop_  ? commands_.mysqlStop
                          : b == mysqlStart_ ? commands_.mysqlStart
                                             : commands_.options;
        if (target) target->trigger();
    });
    return b;
}

void ServersToolWindow::setCommands(const Commands& commands, bool builtInPhpServer) {
    commands_ = commands;
    if (builtInPhpServer) {
        httpStart_->setText(QStringLiteral("Uruchom serwer PHP"));
        httpStart_->setToolTip(QStringLiteral("Uruchamia wbudowany serwer PHP pod adresem testowym."));
        httpStop_->setText(QStringLiteral("Zakończ serwer PHP"));
        httpStop_->setToolTip(QStringLiteral("Zamyka wbudowany serwer PHP."));
    } else {
        httpStart_->setText(QStringLiteral("Uruchom Apache"));
        httpStart_->setToolTip(QStringLiteral("Uruchamia serwer HTTP Apache"));
        httpStop_->setText(QStringLiteral("Zakończ Apache"));
        httpStop_->setToolTip(
            QStringLiteral("Zamyka serwer HTTP Apache i rozłacza wszystkie połączenia z nim związane."));
    }
    httpStart_->setStatusTip(httpStart_->toolTip());
    httpStop_->setStatusTip(httpStop_->toolTip());
    state_->setVisible(builtInPhpServer);
}

void ServersToolWindow::setButtonsEnabled(bool httpStart, bool httpStop, bool mysqlStop, bool mysqlStart) {
    httpStart_->setEnabled(httpStart);
    httpStop_->setEnabled(httpStop);
    mysqlStop_->setEnabled(mysqlStop);
    mysqlStart_->setEnabled(mysqlStart);
}

void ServersToolWindow::setStateLine(const QString& text) {
    state_->setText(text);
}

QString ServersToolWindow::stateLine() const {
    return state_->text();
}

QToolButton* ServersToolWindow::button(const QString& name) const {
    return findChild<QToolButton*>(name);
}

void ServersToolWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

} // namespace wertan
