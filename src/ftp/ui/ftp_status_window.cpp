#include "ftp/ui/ftp_status_window.h"

#include "platform/prompts.h"
#include "text/document_text.h"
#include "text/win1250.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace wertan {

FtpStatusWindow::FtpStatusWindow(Prompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), prompts_(prompts) {
    setObjectName(QStringLiteral("FormFtpStatus"));
    setWindowTitle(QStringLiteral("Status połączenia z serwerem FTP"));
    log_ = new QTextEdit(this);
    log_->setObjectName(QStringLiteral("RichEditStatus"));
    log_->setReadOnly(true);
    log_->setLineWrapMode(QTextEdit::NoWrap);
    save_ = new QPushButton(QStringLiteral("Zapisz jako..."), this);
    save_->setObjectName(QStringLiteral("BtnSaveAs"));
    save_->setToolTip(QStringLiteral("Zapisuje wynik testu do pliku tekstowego."));
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("BtnOK"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(log_, 1);
    column->addLayout(buttons);
    resize(560, 380);
    connect(save_, &QPushButton::clicked, this, &FtpStatusWindow::saveAs);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void FtpStatusWindow::appendLine(const QString& text, const QColor& colour, Style style) {
    QTextCharFormat format;
    format.setForeground(colour);
    format.setFontWeight(style & Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style & Italic);
    QTextCursor cursor(log_->document());
    cursor.movePosition(QTextCursor::End);
    if (!log_->document()->isEmpty()) cursor.insertBlock();
    cursor.insertText(text, format);
    log_->setTextColor(Qt::black);
    log_->moveCursor(QTextCursor::End);
}

QString FtpStatusWindow::plainText() const {
    return log_->toPlainText();
}

void FtpStatusWindow::saveAs() {
    FileDialogRequest request;
    request.filter = QStringLiteral("Plik tekstowy (*.TXT)|*.txt");
    request.defaultExtension = QStringLiteral("txt");
    request.fileName = QStringLiteral("ftpstatus.txt");
    const QString path = prompts_.saveFile(request);
    if (path.isEmpty()) return;
    QString error;
    if (!writeFileAtomically(path, toCrLfLines(toWin1250(plainText())), &error)) prompts_.error(error);
}

} // namespace wertan
