// Printing one or all documents; the jobs go to a PDF file whose text pdftotext reads back.
#include "main_window_harness.h"
#include "shell/ui/print_documents.h"
#include "text/win1250.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

using namespace wertan;
using namespace wertan::test;

namespace {

class Printing : public MainWindowHarness {
protected:
    QString pdf = dir.file(QStringLiteral("wydruk.pdf"));
    int dialogs = 0;

    DocumentPrinting* printing() { return window->findChild<DocumentPrinting*>(); }
    // The print dialog confirmed, printing into the PDF file; or cancelled.
    void answerDialog(bool confirm) {
        printing()->choosePrinter = [this, confirm](QPrinter& printer) {
            ++dialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPrintRange(QPrinter::PageRange); // a range chosen in the dialog is not used
            printer.setFromTo(2, 2);
            return confirm;
        };
    }
    // The printed text, as pdftotext reads it in page order.
    QString printedText() {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty()) {
            ADD_FAILURE() << "pdftotext (poppler-utils) is needed to read the printed text";
            return {};
        }
        const QString txt = dir.file(QStringLiteral("wydruk.txt"));
        QProcess::execute(tool, {QStringLiteral("-layout"), pdf, txt});
        return QString::fromUtf8(readAll(txt));
    }
};

} // namespace

TEST_F(Printing, TheStartUpDocumentPrintsTheHeaderWithoutAFileLine) {
    answerDialog(true);
    run("MenuFile_Print");
    EXPECT_EQ(dialogs, 1);
    const QString text = printedText();
    EXPECT_TRUE(text.contains(QStringLiteral("Wertan PHP wersja 1.0"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Plik:")));
    EXPECT_TRUE(text.contains(QStringLiteral("<?php"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("?>")));
    EXPECT_EQ(window->statusPanelText(6), QStringLiteral("Drukuje "));
}

TEST_F(Printing, ASavedDocumentPrintsItsPathAndEveryLineInOrder) {
    QByteArray body = "<?php\r\necho \"zażółć gęślą jaźń\";\r\n";
    const QByteArray longLine = QByteArray(60, 'x') + " " + QByteArray(200, 'y') + " KONIEC";
    body += longLine + "\r\n?>\r\n";
    QByteArray win1250 = QByteArray::fromStdString(toWin1250(QString::fromUtf8(body)));
    const QString path = fileIn(QStringLiteral("strona.php"), win1250);
    ws().openDocument(path, QStringLiteral(".PHP"));
    answerDialog(true);
    run("MenuFile_Print");
    const QString text = printedText();
    EXPECT_TRUE(text.contains(QStringLiteral("Plik: ") + path)) << text.toStdString();
    const qsizetype header = text.indexOf(QStringLiteral("Wertan PHP wersja 1.0"));
    const qsizetype polish = text.indexOf(QStringLiteral("zażółć gęślą jaźń"));
    const qsizetype end = text.indexOf(QStringLiteral("KONIEC"));
    EXPECT_GE(header, 0);
    EXPECT_GT(polish, header);
    EXPECT_GT(end, polish) << "a line wider than the page is printed to its end";
    EXPECT_EQ(window->statusPanelText(6), QStringLiteral("Drukuje ") + path);
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(Printing, ACancelledDialogPrintsNothing) {
    answerDialog(false);
    run("MenuFile_Print");
    run("MenuFile_PrintAll");
    EXPECT_EQ(dialogs, 2);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(window->statusPanelText(6), QString());
}

TEST_F(Printing, PrintAllAsksOnceAndPrintsEveryDocumentInTabOrder) {
    ws().activeEditor()->setDocumentBytes("pierwszy");
    run("MenuFile_New");
    ws().activeEditor()->setDocumentBytes("drugi");
    run("MenuFile_NewSQL");
    ws().activeEditor()->setDocumentBytes("trzeci");
    answerDialog(true);
    run("MenuFile_PrintAll");
    EXPECT_EQ(dialogs, 1);
    const QString text = printedText();
    EXPECT_EQ(text.count(QStringLiteral("Wertan PHP wersja 1.0")), 3) << text.toStdString();
    const qsizetype first = text.indexOf(QStringLiteral("pierwszy"));
    const qsizetype second = text.indexOf(QStringLiteral("Plik: Beznazwy1"));
    const qsizetype third = text.indexOf(QStringLiteral("Plik: Beznazwy2"));
    EXPECT_GE(first, 0);
    EXPECT_GT(second, first);
    EXPECT_GT(text.indexOf(QStringLiteral("drugi")), second);
    EXPECT_GT(third, second);
    EXPECT_GT(text.indexOf(QStringLiteral("trzeci")), third);
    EXPECT_EQ(text.count(QLatin1Char('\f')), 3) << "each document starts its own page";
    EXPECT_EQ(window->statusPanelText(6), QStringLiteral("Drukuje Beznazwy2"));
}

TEST_F(Printing, AJobThatCannotStartIsReported) {
    printing()->choosePrinter = [this](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.file(QStringLiteral("brak/katalogu/wydruk.pdf")));
        return true;
    };
    run("MenuFile_Print");
    const QStringList errors = prompts.askedTexts(AskedPrompt::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("Beznazwy"))) << errors[0].toStdString();
}

TEST_F(Printing, ALongDocumentGoesOnOverThePages) {
    std::string body;
    for (int i = 1; i <= 150; ++i)
        body += "wiersz " + std::to_string(i) + "\r\n";
    ws().activeEditor()->setDocumentBytes(body);
    answerDialog(true);
    run("MenuFile_Print");
    const QString text = printedText();
    EXPECT_GE(text.count(QLatin1Char('\f')), 2) << "more than one page";
    const qsizetype first = text.indexOf(QStringLiteral("wiersz 1\n"));
    const qsizetype last = text.indexOf(QStringLiteral("wiersz 150"));
    EXPECT_GE(first, 0);
    EXPECT_GT(last, first);
    EXPECT_EQ(text.count(QStringLiteral("wiersz ")), 150);
}
