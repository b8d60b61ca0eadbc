#include "ftp/ui/store_back_dialog.h"

#include "ftp/ui/signal_lamps.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace wertan {

StoreBackDialog::StoreBackDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSmallFtp"));
    setWindowTitle(QStringLiteral("Zapisz"));
    auto* text = new QLabel(QStringLiteral("Zapisywanie dokumentu na serwerze FTP"), this);
    QFont bold = text->font();
    bold.setBold(true);
    text->setFont(bold);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("LabelStatus"));
    lamps_ = new SignalLamps(this);
    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(QStringLiteral("Gauge"));
    gauge_->setRange(0, 1000);
    gauge_->setValue(0);
    gauge_->setTextVisible(false);
    connect_ = new QPushButton(QStringLiteral("Połącz"), this);
    connect_->setObjectName(QStringLiteral("BtnConnect"));
    cancel_ = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel_->setObjectName(QStringLiteral("BtnCancel"));

    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(new QLabel(QStringLiteral("Postęp:"), this));
    progressRow->addWidget(gauge_, 1);
    auto* texts = new QVBoxLayout;
    texts->addWidget(text);
    texts->addWidget(status_);
    texts->addLayout(progressRow);
    texts->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(lamps_);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(connect_);
    buttons->addWidget(cancel_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(buttons);
    setMinimumWidth(380);
    connect(cancel_, &QPushButton::clicked, this, &StoreBackDialog::cancelRequested);
}

void StoreBackDialog::setStatus(const QString& text) {
    status_->setText(text);
}

QString StoreBackDialog::status() const {
    return status_->text();
}

void StoreBackDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit cancelRequested();
}

void StoreBackDialog::reject() {
    emit cancelRequested();
}

} // namespace wertan
