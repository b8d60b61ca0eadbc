#pragma once
// The clipboard view "Podgląd schowka": shows what the clipboard holds (text or picture) and follows
// its changes while open; its top button makes a new document of the clipboard's text.
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace wertan {

class MainWindow;

class ClipboardWindow : public QDialog {
    Q_OBJECT
public:
    explicit ClipboardWindow(MainWindow& main);

    // "Pokaż zawartość schowka": the view, shown modally.
    void open() override;
    // Shows the clipboard's present contents.
    void refresh();

    QPushButton* newDocumentButton() const { return newDocument_; }
    QPlainTextEdit* textView() const { return text_; }
    QLabel* pictureView() const { return picture_; }
    QStackedWidget* viewer() const { return viewer_; }

private:
    void createDocument();

    MainWindow& main_;
    QPushButton* newDocument_;
    QStackedWidget* viewer_;
    QPlainTextEdit* text_;
    QLabel* picture_;
};

} // namespace wertan
