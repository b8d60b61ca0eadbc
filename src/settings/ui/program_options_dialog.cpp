#include "settings/ui/program_options_dialog.h"

#include "platform/prompts.h"
#include "settings/shell_settings.h"
#include "text/win1250.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace wertan {

namespace {

const QString kBrowserFilter = QStringLiteral("Przeglądarka internetowa (*.EXE)|*.exe|Wszystkie pliki (*)|*");

// A collapsible band: a heading that folds the band's fields in and out.
class OptionsBand : public QWidget {
public:
    OptionsBand(const QString& caption, bool expanded, QWidget* parent) : QWidget(parent) {
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(2);
        heading_ = new QToolButton(this);
        heading_->setText(caption);
        heading_->setCheckable(true);
        heading_->setAutoRaise(true);
        heading_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        QFont bold = heading_->font();
        bold.setBold(true);
        heading_->setFont(bold);
        body_ = new QFrame(this);
        body_->setFrameShape(QFrame::StyledPanel);
        column->addWidget(heading_);
        column->addWidget(body_);
        connect(heading_, &QToolButton::toggled, this, [this](bool on) { setExpanded(on); });
        heading_->setChecked(expanded);
        setExpanded(expanded);
    }
    QFrame* body() const { return body_; }
    bool expanded() const { return heading_->isChecked(); }
    void setExpanded(bool on) {
        heading_->setArrowType(on ? Qt::DownArrow : Qt::RightArrow);
        body_->setVisible(on);
    }

private:
    QToolButton* heading_;
    QFrame* body_;
};

QHBoxLayout* pathRow(QLineEdit* field, QToolButton* browse) {
    auto* row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(browse);
    return row;
}

QComboBox* conversionList(QWidget* parent, const QString& name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(
        {QStringLiteral("Windows-1250"), QStringLiteral("ISO-8859-2")}); // ConversionListItem order
    return list;
}

} // namespace

ProgramOptionsDialog::ProgramOptionsDialog(ShellSettings& settings, Prompts& prompts, QString filePath,
                                           QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      settings_(settings), prompts_(prompts), filePath_(std::move(filePath)) {
    setObjectName(QStringLiteral("FormOptionMain2"));
    setWindowTitle(QStringLiteral("Konfiguracja Wertan PHP"));

    auto* browserBand = new OptionsBand(QStringLiteral("Przekądarka internetowa"), true, this);
    browser_ = new QLineEdit(browserBand->body());
    browser_->setObjectName(QStringLiteral("EditBrowserPath"));
    browser_->setMinimumWidth(320);
    auto* browseBrowser = new QToolButton(browserBand->body());
    browseBrowser->setObjectName(QStringLiteral("BtnBrowseBrowser"));
    browseBrowser->setText(QStringLiteral("..."));
    auto* browserForm = new QFormLayout(browserBand->body());
    browserForm->addRow(QStringLiteral("Ścieżka dostępu:"), pathRow(browser_, browseBrowser));

    auto* rootBand =
        new OptionsBand(QStringLiteral("Główny katalog serwera lub katalog dokumentów"), true, this);
    documentRoot_ = new QLineEdit(rootBand->body());
    documentRoot_->setObjectName(QStringLiteral("EditDocumentRoot"));
    auto* browseRoot = new QToolButton(rootBand->body());
    browseRoot->setObjectName(QStringLiteral("BtnBrowseDocumentRoot"));
    browseRoot->setText(QStringLiteral("..."));
    auto* rootForm = new QFormLayout(rootBand->body());
    rootForm->addRow(QStringLiteral("Ścieżka dostępu:"), pathRow(documentRoot_, browseRoot));

    auto* htmlBand = new OptionsBand(QStringLiteral("HTML"), false, this);
    upper_ = new QRadioButton(QStringLiteral("dużę litery (np.: <BR>)"), htmlBand->body());
    upper_->setObjectName(QStringLiteral("RadioUpperCase"));
    lower_ = new QRadioButton(QStringLiteral("małe litery (np.: <br> )"), htmlBand->body());
    lower_->setObjectName(QStringLiteral("RadioLowerCase"));
    upper_->setChecked(true);
    auto* htmlColumn = new QVBoxLayout(htmlBand->body());
    htmlColumn->addWidget(new QLabel(QStringLiteral("Format wstawianych Tagów"), htmlBand->body()));
    htmlColumn->addWidget(upper_);
    htmlColumn->addWidget(lower_);

    auto* codingBand = new OptionsBand(QStringLiteral("Kodowanie znaków"), false, this);
    openBox_ = new QCheckBox(QStringLiteral("Po otwarciu konwertuj na:"), codingBand->body());
    openBox_->setObjectName(QStringLiteral("CheckOpenConversion"));
    openList_ = conversionList(codingBand->body(), QStringLiteral("ComboOpenConversion"));
    saveBox_ = new QCheckBox(QStringLiteral("Przy zapisywaniu konwertuj na:"), codingBand->body());
    saveBox_->setObjectName(QStringLiteral("CheckSaveConversion"));
    saveList_ = conversionList(codingBand->body(), QStringLiteral("ComboSaveConversion"));
    auto* codingForm = new QFormLayout(codingBand->body());
    codingForm->addRow(openBox_, openList_);
    codingForm->addRow(saveBox_, saveList_);
    // A list is enabled only while its box is ticked.
    connect(openBox_, &QCheckBox::toggled, openList_, &QWidget::setEnabled);
    connect(saveBox_, &QCheckBox::toggled, saveList_, &QWidget::setEnabled);

    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setObjectName(QStringLiteral("BtnOK"));
    ok_->setToolTip(QStringLiteral("Potwierdza wprowadzone zmiany i zapisuje dane o plikach projektu."));
    ok_->setStatusTip(ok_->toolTip());
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("&Anuluj"), this);
    cancel_->setObjectName(QStringLiteral("BtnCancel"));
    cancel_->setToolTip(QStringLiteral("Anuluje wprowadzone zmiany i zamyka okno."));
    cancel_->setStatusTip(cancel_->toolTip());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* column = new QVBoxLayout(this);
    for (OptionsBand* band : {browserBand, rootBand, htmlBand, codingBand}) {
        column->addWidget(band);
        bands_ << band;
    }
    column->addStretch(1);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok_, &QPushButton::clicked, this, &ProgramOptionsDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, &ProgramOptionsDialog::cancel);
    connect(browseBrowser, &QToolButton::clicked, this, &ProgramOptionsDialog::browseBrowser);
    connect(browseRoot, &QToolButton::clicked, this, &ProgramOptionsDialog::browseDocumentRoot);

    // The fields as the dialog is made: the built-in defaults, both lists on Windows-1250.
    setForm(initialProgramOptionsForm());
}

QList<bool> ProgramOptionsDialog::bandsExpanded() const {
    QList<bool> states;
    for (QWidget* band : bands_)
        states << static_cast<OptionsBand*>(band)->expanded();
    return states;
}

ProgramOptionsForm ProgramOptionsDialog::form() const {
    ProgramOptionsForm f;
    f.browserPath = toWin1250(browser_->text());
    f.documentRoot = toWin1250(documentRoot_->text());
    f.lowerCaseTags = lower_->isChecked();
    f.onOpen = {openBox_->isChecked(), ConversionListItem(openList_->currentIndex() == 1 ? 1 : 0)};
    f.onSave = {saveBox_->isChecked(), ConversionListItem(saveList_->currentIndex() == 1 ? 1 : 0)};
    return f;
}

void ProgramOptionsDialog::setForm(const ProgramOptionsForm& f) {
    browser_->setText(fromWin1250(f.browserPath));
    documentRoot_->setText(fromWin1250(f.documentRoot));
    (f.lowerCaseTags ? lower_ : upper_)->setChecked(true);
    openBox_->setChecked(f.onOpen.ticked);
    openList_->setCurrentIndex(int(f.onOpen.item));
    openList_->setEnabled(f.onOpen.ticked);
    saveBox_->setChecked(f.onSave.ticked);
    saveList_->setCurrentIndex(int(f.onSave.item));
    saveList_->setEnabled(f.onSave.ticked);
}

ProgramOptionsLoadResult ProgramOptionsDialog::load() {
    ProgramOptionsForm f = form();
    ProgramOptionsLoadResult result = loadProgramOptions(filePath_, &f);
    if (result.loaded) setForm(f);
    if (!result.message.isEmpty()) prompts_.message(result.message);
    if (!result.error.isEmpty()) prompts_.error(result.error);
    return result;
}

void ProgramOptionsDialog::publish(const ProgramOptionsForm& f) {
    const PublishedProgramOptions p = publishProgramOptions(f);
    settings_.browserPath = fromWin1250(p.browserPath);
    settings_.documentRoot = fromWin1250(p.documentRoot);
    settings_.lowerCaseTags = p.lowerCaseTags;
    settings_.openConversion = p.openConversion;
    settings_.saveConversion = p.saveConversion;
}

void ProgramOptionsDialog::createStep() {
    setForm(initialProgramOptionsForm());
    // A file that cannot be read leaves the shell settings as they were: nothing half-applied.
    if (load().ok()) publish(form());
}

void ProgramOptionsDialog::open() {
    const ProgramOptionsLoadResult result = load();
    if (!result.message.isEmpty())
        return; // the file was missing: written anew from the fields, and the dialog closes
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void ProgramOptionsDialog::confirm() {
    // A text the record cannot hold would be stored with '?' in place of its characters.
    for (const QLineEdit* field : {browser_, documentRoot_}) {
        std::size_t lost = 0;
        toWin1250(field->text(), &lost);
        if (lost > 0) {
            prompts_.error(
                QStringLiteral("Ścieżka dostępu \"%1\" zawiera znaki spoza strony kodowej Windows-1250, "
                               "których nie można zapisać w pliku konfiguracyjnym.")
                    .arg(field->text()));
            return;
        }
    }
    const ProgramOptionsForm f = form();
    publish(f);
    QString error;
    if (!saveProgramOptions(filePath_, f, &error)) {
        prompts_.error(error); // the dialog stays open, the new values already published
        return;
    }
    done(QDialog::Accepted);
}

void ProgramOptionsDialog::cancel() {
    load();
    done(QDialog::Rejected);
}

void ProgramOptionsDialog::closeEvent(QCloseEvent* event) {
    event->ignore(); // the dialog is left by its two buttons only
}

void ProgramOptionsDialog::reject() {
    // Escape does not leave the dialog either; "&Anuluj" does.
}

void ProgramOptionsDialog::browseBrowser() {
    FileDialogRequest request;
    request.filter = kBrowserFilter;
    const QFileInfo current(browser_->text());
    if (current.isAbsolute()) {
        request.directory = current.path();
        request.fileName = current.fileName();
    }
    const QStringList chosen = prompts_.openFiles(request);
    if (!chosen.isEmpty()) browser_->setText(chosen.first());
}

void ProgramOptionsDialog::browseDocumentRoot() {
    const QString chosen = prompts_.chooseFolder(
        QStringLiteral("Główny katalog serwera lub katalog dokumentów"), documentRoot_->text());
    if (!chosen.isEmpty()) documentRoot_->setText(chosen);
}

} // namespace wertan
