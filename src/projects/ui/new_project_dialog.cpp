#include "projects/ui/new_project_dialog.h"

#include "platform/prompts.h"
#include "projects/ui/dialog_parts.h"
#include "projects/ui/project_dirs_dialog.h"
#include "settings/shell_settings.h"

#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace wertan {

using projects_ui::button;
using projects_ui::setHint;

QString defaultProjectName() {
    return QStringLiteral("Projekt bez nazwy");
}

QString defaultOtherProjectDirectory() {
    return QDir::homePath() + QLatin1Char('/');
}

NewProjectDialog::NewProjectDialog(Project& project, const ShellSettings& settings, Prompts& prompts,
                                   ProjectDirsDialog& dirs, std::function<bool()> leaveOpenProject,
                                   std::function<void()> created, QWidget* parent)
    : QDialog(parent, Qt::Dialog), project_(project), settings_(settings), prompts_(prompts), dirs_(dirs),
      leaveOpenProject_(std::move(leaveOpenProject)), created_(std::move(created)) {
    setObjectName(QStringLiteral("FormNewProjektOptions"));
    setWindowTitle(QStringLiteral("Nowy projekt"));

    name_ = new QLineEdit(defaultProjectName(), this);
    name_->setObjectName(QStringLiteral("EditProjectName"));
    setHint(name_, QStringLiteral("Nazwa projektu."));
    name_->setMinimumWidth(300);

    inRoot_ = new QCheckBox(QStringLiteral("W katalogu głównym serwera (tzw. root)"), this);
    inRoot_->setObjectName(QStringLiteral("CheckInRoot"));
    setHint(inRoot_,
            QStringLiteral("Zazn. - katalog projetu zostanie utworzony w katalogu głównym serwera/NieZazn.- "
                           "w dowolnym katalogu."));
    inRoot_->setChecked(true);

    inRootRow_ = new QWidget(this);
    inRootDirectory_ = new QLineEdit(inRootRow_);
    inRootDirectory_->setObjectName(QStringLiteral("EditInRootDir"));
    setHint(inRootDirectory_, QStringLiteral("Główny katalog projektu"));
    auto* inRootLayout = new QFormLayout(inRootRow_);
    inRootLayout->setContentsMargins(0, 0, 0, 0);
    inRootLayout->addRow(QStringLiteral("Katalog projektu:"), inRootDirectory_);

    otherRow_ = new QWidget(this);
    otherDirectory_ = new QLineEdit(defaultOtherProjectDirectory(), otherRow_);
    otherDirectory_->setObjectName(QStringLiteral("EditOtherDir"));
    setHint(otherDirectory_, QStringLiteral("Wpisz albo wybierz katalog projektu."));
    browse_ = new QToolButton(otherRow_);
    browse_->setObjectName(QStringLiteral("BtnBrowseDir"));
    browse_->setText(QStringLiteral("..."));
    setHint(browse_, QStringLiteral("Wpisz albo wybierz katalog projektu."));
    auto* otherPath = new QHBoxLayout;
    otherPath->addWidget(otherDirectory_, 1);
    otherPath->addWidget(browse_);
    auto* otherLayout = new QFormLayout(otherRow_);
    otherLayout->setContentsMargins(0, 0, 0, 0);
    otherLayout->addRow(QStringLiteral("Katalog projektu:"), otherPath);

    QWidget* note =
        projects_ui::redNote(QStringLiteral("Jeżeli katalog projektu będzie poza katalogiem głównym \n"
                                            "serwera może to spowodać, że podgląd niektórych \n"
                                            "plików (stron) projektu stanie się niemożliwy."),
                             this);

    directories_ =
        button(QStringLiteral("&Inne katalogii projektu..."), "BtnOtherDirs",
               QStringLiteral("Otwiera okno, w którym można utworzyć inne katalogi projektu."), this);
    cancel_ = button(QStringLiteral("&Anuluj"), "BtnCancel",
                     QStringLiteral("Anuluje wprowadzone dane i nie rozpoczyna nowego projektu."), this);
    ok_ = button(QStringLiteral("&OK"), "BtnOK",
                 QStringLiteral("Potwierdza wprowadzone dane i rozpoczyna nowy projekt."), this);
    ok_->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Nazwa projektu:"), name_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(inRoot_);
    column->addWidget(inRootRow_);
    column->addWidget(otherRow_);
    column->addWidget(note);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(directories_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    column->addStretch(1);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(inRoot_, &QCheckBox::toggled, this, &NewProjectDialog::showDirectoryInput);
    connect(browse_, &QToolButton::clicked, this, &NewProjectDialog::browseDirectory);
    connect(directories_, &QPushButton::clicked, this, &NewProjectDialog::showDirectories);
    connect(ok_, &QPushButton::clicked, this, &NewProjectDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, &NewProjectDialog::cancel);
    showDirectoryInput();
}

void NewProjectDialog::showDirectoryInput() {
    inRootRow_->setVisible(inRoot_->isChecked());
    otherRow_->setVisible(!inRoot_->isChecked());
}

NewProjectInput NewProjectDialog::input() const {
    return {name_->text(), inRoot_->isChecked(), inRootDirectory_->text(), otherDirectory_->text()};
}

void NewProjectDialog::open() {
    preparedDirs_.clear();
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    name_->setFocus();
}

void NewProjectDialog::browseDirectory() {
    const QString chosen = prompts_.chooseFolder(QStringLiteral("Katalog projektu"), otherDirectory_->text());
    if (!chosen.isEmpty()) otherDirectory_->setText(chosen);
}

void NewProjectDialog::showDirectories() {
    dirs_.openFor(&preparedDirs_, newProjectDirectory(input(), settings_.documentRoot));
}

void NewProjectDialog::confirm() {
    const NewProjectInput in = input();
    const QString refused = checkNewProjectInput(in);
    if (!refused.isEmpty()) {
        prompts_.message(refused);
        return;
    }
    if (project_.wouldReplaceProject(in, settings_.documentRoot) &&
        prompts_.confirm(
            QStringLiteral("W katalogu %1 jest już projekt \"%2\". Zastąpić go nowym, pustym projektem?")
                .arg(QDir::toNativeSeparators(newProjectDirectory(in, settings_.documentRoot)), in.name),
            Buttons::YesNo) != Answer::Yes)
        return;
    if (leaveOpenProject_ && !leaveOpenProject_()) return;
    const QStringList previousDirs = project_.directories();
    project_.directories() = preparedDirs_;
    QString error;
    if (!project_.create(in, settings_.documentRoot, &error)) {
        project_.directories() = previousDirs;
        prompts_.error(error);
        return;
    }
    if (created_) created_();
    accept();
}

void NewProjectDialog::cancel() {
    inRootDirectory_->clear();
    name_->setText(defaultProjectName());
    inRoot_->setChecked(true);
    preparedDirs_.clear();
    reject();
}

} // namespace wertan
