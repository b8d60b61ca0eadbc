#pragma once
// "&Drukuj..." and "Drukuj wszystko...": documents printed as plain text, each after a short header
// in a larger bold font, through the system's print dialog.
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class QFont;
class QPainter;
class QPrinter;

namespace wertan {

class DocumentPage;
class MainWindow;

class DocumentPrinting : public QObject {
    Q_OBJECT
public:
    explicit DocumentPrinting(MainWindow& main);
    ~DocumentPrinting() override;

    // The print dialog: true when the user confirms. Tests put their own here.
    std::function<bool(QPrinter&)> choosePrinter;

    // "&Drukuj...": the active document.
    void printActive();
    // "Drukuj wszystko...": the dialog once, then every document in tab order.
    void printAll();
    // The printer kept for the run, so the choices made in the dialog stay.
    QPrinter& printer() { return *printer_; }

private:
    void print(const QList<DocumentPage*>& pages);
    bool printPage(QPainter& painter, DocumentPage* page);
    void showStatus(const QString& text);

    MainWindow& main_;
    std::unique_ptr<QPrinter> printer_;
};

// Creates the printing service of the main window and gives the two commands their handlers.
DocumentPrinting* installPrinting(MainWindow& main);

} // namespace wertan
