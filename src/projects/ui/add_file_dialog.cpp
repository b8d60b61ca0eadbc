#include "projects/ui/add_file_dialog.h"

#include "platform/prompts.h"
#include "projects/project.h"
#include "projects/ui/dialog_parts.h"
#include "projects/ui/project_dirs_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace wertan {

using projects_ui::button;
using projects_ui::setHint;

namespace {
// "*" rather than "*.*" for all files: names without a dot are files too.
const QString kSourceFilter =
    QStringLiteral("Wszystkie pliki (*.*)|*|PHP3 file (*.PHP3)|*.php3|Include file (*.INC)|*.inc");
} // namespace

AddFileDialog::AddFileDialog(const Project& project, Prompts& prompts, ProjectDirsDialog& dirs,
                             AddFunction add, QWidget* parent)
    : QDialog(parent, Qt::Dialog), project_(project), prompts_(prompts), dirs_(dirs),
      addFunction_(std::move(add)) {
    setObjectName(QStringLiteral("FormAddFileToProjekt"));
    setWindowTitle(QStringLiteral("Dodaj plik do projektu"));

    source_ = new QLineEdit(QDir::homePath() + QLatin1Char('/'), this);
    source_->setObjectName(QStringLiteral("EditSource"));
    source_->setMinimumWidth(320);
    setHint(source_, QStringLiteral("Określa lokazlizacje pliku, który ma zostać dodany do projektu."));
    browse_ = new QToolButton(this);
    browse_->setObjectName(QStringLiteral("BtnBrowseSource"));
    browse_->setText(QStringLiteral("..."));
    setHint(browse_, QStringLiteral("Określa lokazlizacje pliku, który ma zostać dodany do projektu."));
    directory_ = new QComboBox(this);
    directory_->setObjectName(QStringLiteral("ComboDir"));
    setHint(directory_,
            QStringLiteral("Określa katalog projektu, do którego wskazany plik zostanie przeniesiony"));
    follow_ = new QCheckBox(QStringLiteral("Przenieś także wszystkie pliki skojarzone we wskazanym"), this);
    follow_->setObjectName(QStringLiteral("CheckFollow"));
    follow_->setChecked(true);
    derived_ = new QCheckBox(QStringLiteral("i pliki, które są skojarzone jako pochodne."), this);
    derived_->setObjectName(QStringLiteral("CheckFollowDerived"));
    derived_->setChecked(true);

    directories_ = button(QStringLiteral("&Katalogii projektu..."), "BtnDirs",
                          QStringLiteral("Otwiera okno, w którym można edytować katalogi projektu."), this);
    cancel_ = button(QStringLiteral("&Anuluj"), "BtnCancel", QString(), this);
    add_ =
        button(QStringLiteral("&Dodaj"), "BtnAdd",
               QStringLiteral("Potwierdza wprowadzone zmiany i dodaje plik do aktualnego projektu."), this);
    add_->setDefault(true);

    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(source_, 1);
    sourceRow->addWidget(browse_);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Lokalizacja pliku:"), sourceRow);
    form->addRow(QStringLiteral("Umieść w katalogu:"), directory_);
    auto* derivedRow = new QHBoxLayout;
    derivedRow->addSpacing(20);
    derivedRow->addWidget(derived_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(directories_);
    buttons->addStretch(1);
    buttons->addWidget(add_);
    buttons->addWidget(cancel_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(follow_);
    column->addLayout(derivedRow);
    column->addStretch(1);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    // The second box only shows with the first; attachments are followed three levels either way.
    connect(follow_, &QCheckBox::toggled, derived_, &QWidget::setVisible);
    connect(browse_, &QToolButton::clicked, this, &AddFileDialog::browse);
    connect(directories_, &QPushButton::clicked, this, &AddFileDialog::showDirectories);
    connect(add_, &QPushButton::clicked, this, &AddFileDialog::addFile);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void AddFileDialog::fillDirectories() {
    directory_->clear();
    directory_->addItems(project_.directories());
    directory_->setCurrentIndex(project_.directories().isEmpty() ? -1 : 0);
}

void AddFileDialog::open() {
    fillDirectories();
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void AddFileDialog::browse() {
    FileDialogRequest request;
    request.filter = kSourceFilter;
    const QFileInfo current(source_->text());
    request.directory = current.isDir() ? current.filePath() : current.path();
    const QStringList chosen = prompts_.openFiles(request);
    if (!chosen.isEmpty()) source_->setText(chosen.first());
}

void AddFileDialog::showDirectories() {
    connect(&dirs_, &QDialog::finished, this, &AddFileDialog::fillDirectories, Qt::SingleShotConnection);
    dirs_.open();
}

void AddFileDialog::addFile() {
    const AddToProjectResult result =
        addFunction_(directory_->currentText(), source_->text(), follow_->isChecked());
    if (result.completed) accept();
}

} // namespace wertan
