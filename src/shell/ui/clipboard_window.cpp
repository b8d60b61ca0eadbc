#include "shell/ui/clipboard_window.h"

#include "shell/ui/document_workspace.h"
#include "shell/ui/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace wertan {

ClipboardWindow::ClipboardWindow(MainWindow& main) : QDialog(&main), main_(main) {
    setObjectName(QStringLiteral("FormClipboard"));
    setWindowTitle(QStringLiteral("Podgląd schowka"));
    resize(480, 360);

    newDocument_ = new QPushButton(QStringLiteral("Utwórz nowy dokument z zawartości schowka"), this);
    newDocument_->setObjectName(QStringLiteral("BtnNewDocument"));
    newDocument_->setToolTip(QStringLiteral("Tworzy nowy dokument i wstawia do niego zawartość schowka."));
    newDocument_->setStatusTip(newDocument_->toolTip());

    viewer_ = new QStackedWidget(this);
    viewer_->setObjectName(QStringLiteral("ClipboardViewer"));
    text_ = new QPlainTextEdit(viewer_);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* pictureScroll = new QScrollArea(viewer_);
    picture_ = new QLabel;
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pictureScroll->setWidget(picture_);
    pictureScroll->setWidgetResizable(true);
    viewer_->addWidget(text_);
    viewer_->addWidget(pictureScroll);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ok->setDefault(true);

    auto* column = new QVBoxLayout(this);
    column->addWidget(newDocument_);
    column->addWidget(viewer_, 1);
    column->addWidget(ok);

    connect(newDocument_, &QPushButton::clicked, this, &ClipboardWindow::createDocument);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        if (isVisible()) refresh();
    });
}

void ClipboardWindow::open() {
    refresh();
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void ClipboardWindow::refresh() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (data && data->hasImage() && !data->hasText()) {
        picture_->setPixmap(QPixmap::fromImage(qvariant_cast<QImage>(data->imageData())));
        text_->clear();
        viewer_->setCurrentIndex(1);
        return;
    }
    picture_->clear();
    text_->setPlainText(data && data->hasText() ? data->text() : QString());
    viewer_->setCurrentIndex(0);
}

void ClipboardWindow::createDocument() {
    main_.workspace().pasteIntoNewDocument();
    accept();
}

} // namespace wertan
