#include "projects/ui/project_dirs_dialog.h"

#include "projects/project.h"
#include "projects/ui/dialog_parts.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace wertan {

using projects_ui::button;
using projects_ui::setHint;

ProjectDirsDialog::ProjectDirsDialog(Project& project, QWidget* parent)
    : QDialog(parent, Qt::Dialog), project_(project) {
    setObjectName(QStringLiteral("FormProjDirs"));
    setWindowTitle(QStringLiteral("Katalogi projektu"));
    resize(420, 360);

    auto* mainCaption = new QLabel(QStringLiteral("Katalog główny:"), this);
    mainDirectory_ = new QLabel(this);
    mainDirectory_->setObjectName(QStringLiteral("LabelMainDir"));
    mainDirectory_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = mainDirectory_->font();
    bold.setBold(true);
    mainDirectory_->setFont(bold);

    auto* group = new QGroupBox(QStringLiteral("Nowy katalog:"), this);
    name_ = new QLineEdit(group);
    name_->setObjectName(QStringLiteral("EditDirName"));
    setHint(name_, QStringLiteral("Podaj nazwę nowego katalogu."));
    name_->installEventFilter(this);
    auto* groupRow = new QHBoxLayout(group);
    groupRow->addWidget(name_);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListDirs"));
    setHint(list_, QStringLiteral("Lista katalogów projektu."));

    add_ = button(QStringLiteral("&Dodaj katalog"), "BtnAddDir",
                  QStringLiteral("Dodaje nowy katalog do listy katalogów projektu."), this);
    remove_ = button(QStringLiteral("&Usuń katalog"), "BtnRemoveDir",
                     QStringLiteral("Usówa wskazany plik z katalogów projektu."), this);
    // These two leave the keyboard focus in the input, so that clicking them does not count as
    // finishing an edit of the selected entry.
    add_->setFocusPolicy(Qt::NoFocus);
    remove_->setFocusPolicy(Qt::NoFocus);
    ok_ = button(QStringLiteral("&OK"), "BtnOK",
                 QStringLiteral("Potwierdza wprowadzone zmiany i zapisuje dane katalogów projektu."), this);
    cancel_ = button(QStringLiteral("&Anuluj"), "BtnCancel",
                     QStringLiteral("Anuluje wprowadzone zmiany i zamyka okno."), this);

    auto* grid = new QGridLayout(this);
    auto* captionRow = new QHBoxLayout;
    captionRow->addWidget(mainCaption);
    captionRow->addWidget(mainDirectory_, 1);
    grid->addLayout(captionRow, 0, 0, 1, 2);
    grid->addWidget(group, 1, 0);
    auto* side = new QVBoxLayout;
    side->addWidget(add_);
    side->addWidget(remove_);
    grid->addLayout(side, 1, 1);
    grid->addWidget(list_, 2, 0);
    auto* okColumn = new QVBoxLayout;
    okColumn->addWidget(ok_);
    okColumn->addWidget(cancel_);
    okColumn->addStretch(1);
    grid->addLayout(okColumn, 2, 1);
    grid->setRowStretch(2, 1);

    connect(add_, &QPushButton::clicked, this, &ProjectDirsDialog::addDirectory);
    connect(remove_, &QPushButton::clicked, this, &ProjectDirsDialog::removeDirectory);
    connect(ok_, &QPushButton::clicked, this, &ProjectDirsDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, &ProjectDirsDialog::cancel);
    connect(name_, &QLineEdit::textEdited, this, [this] { editPending_ = true; });
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        name_->setText(item->text());
        editPending_ = false;
    });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        name_->setText(list_->item(row)->text());
        editPending_ = false;
    });
}

void ProjectDirsDialog::open() {
    target_ = &project_.directories();
    createOnConfirm_ = true;
    mainDirectory_->setText(project_.state().projectDir);
    showModal();
}

void ProjectDirsDialog::openFor(QStringList* list, const QString& mainDirectory) {
    target_ = list;
    createOnConfirm_ = false;
    mainDirectory_->setText(mainDirectory);
    showModal();
}

void ProjectDirsDialog::showModal() {
    shownCopy_ = *target_;
    editPending_ = false;
    name_->clear();
    refreshList(-1);
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    name_->setFocus();
}

void ProjectDirsDialog::refreshList(int current) {
    const QSignalBlocker block(list_);
    list_->clear();
    if (target_) list_->addItems(*target_);
    list_->setCurrentRow(current);
    if (current < 0) list_->clearSelection();
}

void ProjectDirsDialog::takeEdit() {
    const int row = list_->currentRow();
    if (editPending_ && target_ && row >= 0 && row < target_->size() && list_->item(row)->isSelected()) {
        (*target_)[row] = name_->text();
        list_->item(row)->setText(name_->text());
    }
    editPending_ = false;
}

bool ProjectDirsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == name_ && event->type() == QEvent::FocusOut) takeEdit();
    return QDialog::eventFilter(watched, event);
}

void ProjectDirsDialog::addDirectory() {
    if (!target_ || target_->size() >= kMaxProjectDirectories) return;
    target_->append(name_->text());
    editPending_ = false;
    refreshList(int(target_->size()) - 1);
}

void ProjectDirsDialog::removeDirectory() {
    const int row = list_->currentRow();
    if (!target_ || row < 0 || row >= target_->size() || !list_->item(row)->isSelected()) return;
    target_->removeAt(row);
    editPending_ = false;
    refreshList(-1);
}

void ProjectDirsDialog::confirm() {
    takeEdit();
    if (createOnConfirm_) project_.createDirectories();
    done(QDialog::Accepted);
}

void ProjectDirsDialog::cancel() {
    if (target_) *target_ = shownCopy_;
    editPending_ = false;
    done(QDialog::Rejected);
}

void ProjectDirsDialog::reject() {
    takeEdit();
    done(QDialog::Rejected);
}

} // namespace wertan
