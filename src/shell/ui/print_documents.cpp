#include "shell/ui/print_documents.h"

#include "editor/ui/code_editor.h"
#include "platform/prompts.h"
#include "shell/print_layout.h"
#include "shell/ui/document_page.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/editor_lines.h"
#include "shell/ui/main_window.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusTipEvent>
#include <QTextLayout>

namespace wertan {

namespace {

// The font of one printed line: the editor's font, bold where the header asks, its size moved by
// the line's points.
QFont lineFont(const CodeEditor* editor, const PrintLine& line, QPaintDevice* device) {
    QFont font(editor->textFont(), device);
    font.setPointSize(std::max(1, editor->options().font.pointSize() + line.sizeDelta));
    if (line.forceBold) font.setBold(true);
    return font;
}

// Prints text lines down the page; a line wider than the page goes on over as many printed rows as
// it needs, so no text is cut off at the right edge.
class LinePrinter {
public:
    LinePrinter(QPrinter& printer, QPainter& painter) : printer_(printer), painter_(painter) {}

    bool print(const QString& text, const QFont& font) {
        QTextLayout layout(text, font, &printer_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        const QFontMetricsF metrics(font, &printer_);
        option.setTabStopDistance(8 * metrics.horizontalAdvance(QLatin1Char(' ')));
        layout.setTextOption(option);
        const qreal width = printer_.pageRect(QPrinter::DevicePixel).width();
        layout.beginLayout();
        qreal height = 0;
        for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
            row.setLineWidth(width);
            row.setPosition(QPointF(0, height));
            height += row.height();
        }
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine row = layout.lineAt(i);
            if (!roomFor(row.height())) return false;
            row.draw(&painter_, QPointF(0, y_ - row.y()));
            y_ += row.height();
        }
        if (layout.lineCount() == 0) { // an empty line still takes its height
            if (!roomFor(metrics.lineSpacing())) return false;
            y_ += metrics.lineSpacing();
        }
        return true;
    }

private:
    bool roomFor(qreal height) {
        const qreal pageHeight = printer_.pageRect(QPrinter::DevicePixel).height();
        if (y_ > 0 && y_ + height > pageHeight) {
            if (!printer_.newPage()) return false;
            y_ = 0;
        }
        return true;
    }

    QPrinter& printer_;
    QPainter& painter_;
    qreal y_ = 0;
};

} // namespace

DocumentPrinting::DocumentPrinting(MainWindow& main)
    : QObject(&main), main_(main), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    choosePrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, &main_);
        dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                          QAbstractPrintDialog::PrintSelection);
        return dialog.exec() == QDialog::Accepted;
    };
}

DocumentPrinting::~DocumentPrinting() = default;

void DocumentPrinting::showStatus(const QString& text) {
    // The status bar's last panel shows the text until the next hint.
    QStatusTipEvent tip(text);
    QApplication::sendEvent(&main_, &tip);
}

void DocumentPrinting::printActive() {
    if (DocumentPage* page = main_.workspace().activePage()) print({page});
}

void DocumentPrinting::printAll() {
    QList<DocumentPage*> pages;
    for (int i = 0; i < main_.workspace().count(); ++i)
        pages << main_.workspace().page(i);
    print(pages);
}

void DocumentPrinting::print(const QList<DocumentPage*>& pages) {
    if (pages.isEmpty() || !choosePrinter(*printer_)) return;
    // The whole document is printed, whatever range or selection the dialog offered.
    printer_->setPrintRange(QPrinter::AllPages);
    printer_->setFromTo(0, 0);
    const auto failed = [this](DocumentPage* page) {
        main_.services().prompts.error(
            QStringLiteral("Błąd drukarki: nie można wydrukować dokumentu %1.").arg(page->caption()));
    };
    if (!printer_->outputFileName().isEmpty()) {
        // Printing to a file: every document goes into the one file, each from a new page, since
        // a job per document would leave only the last one in the file.
        QPainter painter;
        if (!painter.begin(printer_.get())) {
            failed(pages.first());
            return;
        }
        for (int i = 0; i < pages.size(); ++i) {
            showStatus(printingStatusText(pages[i]->path()));
            if ((i > 0 && !printer_->newPage()) || !printPage(painter, pages[i])) {
                painter.end();
                failed(pages[i]);
                return;
            }
        }
        painter.end();
        return;
    }
    for (DocumentPage* page : pages) {
        showStatus(printingStatusText(page->path()));
        QPainter painter;
        if (!painter.begin(printer_.get()) || !printPage(painter, page)) {
            if (painter.isActive()) painter.end();
            failed(page);
            return;
        }
        painter.end(); // each document is its own print job
    }
}

bool DocumentPrinting::printPage(QPainter& painter, DocumentPage* page) {
    const CodeEditor* editor = page->editor();
    LinePrinter lines(*printer_, painter);
    for (const PrintLine& line : printJobLines(page->path(), editorLines(editor))) {
        const QFont font = lineFont(editor, line, printer_.get());
        painter.setFont(font);
        if (!lines.print(line.text, font)) return false;
    }
    return true;
}

DocumentPrinting* installPrinting(MainWindow& main) {
    auto* printing = new DocumentPrinting(main);
    main.setCommandHandler(QStringLiteral("MenuFile_Print"), [printing] { printing->printActive(); });
    main.setCommandHandler(QStringLiteral("MenuFile_PrintAll"), [printing] { printing->printAll(); });
    return printing;
}

} // namespace wertan
