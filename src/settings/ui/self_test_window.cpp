#include "settings/ui/self_test_window.h"

#include "platform/prompts.h"
#include "text/document_text.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wertan {

SelfTestWindow::SelfTestWindow(ProgramPaths paths, Prompts& prompts, SelfTestSetup setup,
                               SelfTestFileCheck exists, RestoreProgramOptions restore,
                               std::function<void(const QString&)> disableCommand, QWidget* parent)
    : QDialog(parent), paths_(std::move(paths)), prompts_(prompts), setup_(std::move(setup)),
      exists_(std::move(exists)), restore_(std::move(restore)), disableCommand_(std::move(disableCommand)) {
    setObjectName(QStringLiteral("FormAutoTest"));
    setWindowTitle(QStringLiteral("Autotest programu"));
    auto* layout = new QVBoxLayout(this);
    report_ = new QPlainTextEdit(this);
    report_->setObjectName(QStringLiteral("MemoReport"));
    report_->setReadOnly(true);
    report_->setLineWrapMode(QPlainTextEdit::NoWrap);
    report_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    report_->setPlainText(QStringLiteral("Witam...!"));
    layout->addWidget(report_, 1);

    auto* buttons = new QHBoxLayout;
    start_ = new QPushButton(QStringLiteral("Start"), this);
    start_->setToolTip(QStringLiteral("Rozpoczyna test."));
    save_ = new QPushButton(QStringLiteral("&Zapisz jako..."), this);
    save_->setToolTip(QStringLiteral("Zapisuje wynik testu do pliku tekstowego."));
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setDefault(true);
    buttons->addWidget(start_);
    buttons->addWidget(save_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    layout->addLayout(buttons);
    connect(start_, &QPushButton::clicked, this, &SelfTestWindow::runTest);
    connect(save_, &QPushButton::clicked, this, &SelfTestWindow::saveReport);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    resize(680, 260);
}

void SelfTestWindow::runTest() {
    report_->clear();
    const SelfTestReport report = runSelfTest(paths_, exists_, setup_, restore_);
    report_->setPlainText(report.lines.join(QLatin1Char('\n')));
    for (const QString& name : report.commandsToDisable) {
        disabled_.insert(name);
        if (disableCommand_) disableCommand_(name);
    }
}

QStringList SelfTestWindow::reportLines() const {
    return report_->toPlainText().split(QLatin1Char('\n'));
}

void SelfTestWindow::saveReport() {
    FileDialogRequest request;
    request.title = QStringLiteral("Zapisz jako");
    request.filter = QStringLiteral("Plik tekstowy (*.TXT)|*.txt");
    request.defaultExtension = QStringLiteral("txt");
    request.fileName = QStringLiteral("autotest.txt");
    const QString path = prompts_.saveFile(request);
    if (path.isEmpty()) return;
    QString error;
    if (!writeFileAtomically(path, selfTestReportFile(reportLines()), &error)) prompts_.error(error);
}

void SelfTestWindow::open() {
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

} // namespace wertan
