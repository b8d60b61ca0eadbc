#include "platform/qt/qt_prompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace wertan {

namespace {
QString caption() {
    return QApplication::applicationName().isEmpty() ? QStringLiteral("Wertan PHP")
                                                     : QApplication::applicationName();
}

void prepare(QFileDialog& dialog, const FileDialogRequest& request) {
    const QStringList filters = qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    // The descriptions already name their patterns as the system writes them.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (!request.defaultExtension.isEmpty()) dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.directory.isEmpty()) dialog.setDirectory(request.directory);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (!request.title.isEmpty()) dialog.setWindowTitle(request.title);
}
} // namespace

// A box opens over the modal dialog that asked (the editor options over their colour chooser),
// else over the main window, so the window manager keeps it above the window it belongs to.
QWidget* QtPrompts::owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return parent_;
}

void QtPrompts::message(const QString& text) {
    QMessageBox::information(owner(), caption(), text);
}

void QtPrompts::error(const QString& text) {
    QMessageBox::critical(owner(), caption(), text);
}

Answer QtPrompts::confirm(const QString& text, Buttons buttons) {
    return confirmWithCaption(caption(), text, buttons);
}

Answer QtPrompts::confirmWithCaption(const QString& title, const QString& text, Buttons buttons) {
    const auto set = buttons == Buttons::YesNoCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                                     : QMessageBox::Yes | QMessageBox::No;
    switch (QMessageBox::question(owner(), title, text, set)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QStringList QtPrompts::openFiles(const FileDialogRequest& request) {
    QFileDialog dialog(owner());
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

QString QtPrompts::saveFile(const FileDialogRequest& request) {
    QFileDialog dialog(owner());
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString QtPrompts::chooseFolder(const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(owner(), title, start);
}

std::optional<QString> QtPrompts::inputText(const QString& title, const QString& prompt,
                                            const QString& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(owner(), title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    return text;
}

std::optional<std::uint32_t> QtPrompts::chooseColor(std::uint32_t initial) {
    const QColor start(int(initial & 0xFF), int((initial >> 8) & 0xFF), int((initial >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(start, owner());
    if (!chosen.isValid()) return std::nullopt;
    return std::uint32_t(chosen.red()) | (std::uint32_t(chosen.green()) << 8) |
           (std::uint32_t(chosen.blue()) << 16);
}

std::optional<FontChoice> QtPrompts::chooseFont(const FontChoice& initial) {
    QFont font(initial.family);
    font.setPixelSize(initial.pixelHeight);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    font.setUnderline(initial.underline);
    font.setStrikeOut(initial.strikeOut);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, owner());
    if (!ok) return std::nullopt;
    FontChoice result = initial;
    result.family = chosen.family();
    result.pixelHeight =
        chosen.pixelSize() > 0 ? chosen.pixelSize() : int(chosen.pointSizeF() * 96 / 72 + 0.5);
    result.bold = chosen.bold();
    result.italic = chosen.italic();
    result.underline = chosen.underline();
    result.strikeOut = chosen.strikeOut();
    return result;
}

} // namespace wertan
