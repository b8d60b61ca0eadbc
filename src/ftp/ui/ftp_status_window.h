#pragma once
// "Status połączenia z serwerem FTP": the log of everything the FTP client does, in colour, which
// the user can save as a text file. Stays on top of the other windows.
#include <QColor>
#include <QDialog>

class QPushButton;
class QTextEdit;

namespace wertan {

class Prompts;

class FtpStatusWindow : public QDialog {
    Q_OBJECT
public:
    enum Style { Plain = 0, Bold = 1, Italic = 2, BoldItalic = 3 };

    explicit FtpStatusWindow(Prompts& prompts, QWidget* parent = nullptr);

    // Appends a line; the log returns to black and plain after it.
    void appendLine(const QString& text, const QColor& colour = Qt::black, Style style = Plain);
    QString plainText() const;
    QTextEdit* log() const { return log_; }
    // "Zapisz jako...": the log as Windows-1250 text with CR LF line ends.
    void saveAs();

private:
    Prompts& prompts_;
    QTextEdit* log_;
    QPushButton* save_;
    QPushButton* ok_;
};

} // namespace wertan
