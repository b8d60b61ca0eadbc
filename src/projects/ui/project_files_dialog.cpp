#include "projects/ui/project_files_dialog.h"

#include "platform/prompts.h"
#include "projects/project.h"
#include "projects/ui/dialog_parts.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace wertan {

using projects_ui::button;
using projects_ui::setHint;

ProjectFilesDialog::ProjectFilesDialog(Project& project, Prompts& prompts, Actions actions, QWidget* parent)
    : QDialog(parent, Qt::Dialog), project_(project), prompts_(prompts), actions_(std::move(actions)) {
    setObjectName(QStringLiteral("FormProjFiles"));
    setWindowTitle(QStringLiteral("Pliki projektu"));
    setSizeGripEnabled(true);
    resize(560, 380);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListFiles"));
    setHint(list_, QStringLiteral("Lista plików projektu."));

    add_ = button(QStringLiteral("&Dodaj plik..."), "BtnAddFile",
                  QStringLiteral("Dodaje nowy plik do projektu."), this);
    remove_ = button(QStringLiteral("&Usuń plik..."), "BtnRemoveFile",
                     QStringLiteral("Usuwa plik z projektu."), this);
    directories_ = button(QStringLiteral("&Katalogii..."), "BtnDirs",
                          QStringLiteral("Otwiera okno, w którym można edytować katalogi projektu."), this);
    rename_ = button(QStringLiteral("&Zmień nazwę"), "BtnRename",
                     QStringLiteral("Umożliwia zmiane nazwy wskazanego pliku."), this);
    move_ = button(QStringLiteral("&Przenieś..."), "BtnMove",
                   QStringLiteral("Umożliwa przeniesienie pliku projektu."), this);
    open_ = button(QStringLiteral("&Otwórz"), "BtnOpen", QStringLiteral("Otwiera wskazany plik do edycji."),
                   this);
    ok_ = button(QStringLiteral("&OK"), "BtnOK",
                 QStringLiteral("Potwierdza wprowadzone zmiany i zapisuje dane o plikach projektu."), this);
    cancel_ = button(QStringLiteral("&Anuluj"), "BtnCancel",
                     QStringLiteral("Anuluje wprowadzone zmiany i zamyka okno."), this);
    QStyle* style = QApplication::style();
    rename_->setIcon(style->standardIcon(QStyle::SP_FileDialogDetailedView));
    move_->setIcon(style->standardIcon(QStyle::SP_ArrowRight));
    open_->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
    ok_->setIcon(style->standardIcon(QStyle::SP_DialogOkButton));
    cancel_->setIcon(style->standardIcon(QStyle::SP_DialogCancelButton));

    renameGroup_ = new QGroupBox(QStringLiteral("Nowa nazwa pliku:"), this);
    renameGroup_->setObjectName(QStringLiteral("GroupRename"));
    newName_ = new QLineEdit(renameGroup_);
    newName_->setObjectName(QStringLiteral("EditNewName"));
    setHint(newName_, QStringLiteral("Wpisz tutaj nową nazwę pliku."));
    (new QHBoxLayout(renameGroup_))->addWidget(newName_);
    moveGroup_ = new QGroupBox(QStringLiteral("Wpisz albo wybierz katalog docelowy:"), this);
    moveGroup_->setObjectName(QStringLiteral("GroupMove"));
    targetDir_ = new QComboBox(moveGroup_);
    targetDir_->setObjectName(QStringLiteral("ComboTargetDir"));
    targetDir_->setEditable(true);
    targetDir_->setInsertPolicy(QComboBox::NoInsert);
    setHint(targetDir_,
            QStringLiteral(
                "Wybierz, albo wprowadź nowy katalog, do którego wskazany plik ma zostać przeniesiony."));
    (new QHBoxLayout(moveGroup_))->addWidget(targetDir_);

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {add_, remove_, directories_, rename_, move_, open_}) {
        b->setMinimumWidth(b->sizeHint().width() + 12); // room for the text beside the picture
        side->addWidget(b);
    }
    side->addStretch(1);
    auto* upper = new QHBoxLayout;
    upper->addWidget(list_, 1);
    upper->addLayout(side);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(upper, 1);
    column->addWidget(renameGroup_);
    column->addWidget(moveGroup_);
    column->addLayout(buttons);

    connect(list_, &QListWidget::itemClicked, this, &ProjectFilesDialog::selectionClicked);
    connect(list_, &QListWidget::itemSelectionChanged, this, &ProjectFilesDialog::selectionClicked);
    connect(list_, &QListWidget::itemDoubleClicked, this, &ProjectFilesDialog::openSelected);
    connect(add_, &QPushButton::clicked, this, [this] {
        if (actions_.addFile) actions_.addFile();
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        if (actions_.removeFile) actions_.removeFile();
    });
    connect(directories_, &QPushButton::clicked, this, [this] {
        if (actions_.directories) actions_.directories();
    });
    connect(rename_, &QPushButton::clicked, this, &ProjectFilesDialog::enterRename);
    connect(move_, &QPushButton::clicked, this, &ProjectFilesDialog::enterMove);
    connect(open_, &QPushButton::clicked, this, &ProjectFilesDialog::openSelected);
    connect(ok_, &QPushButton::clicked, this, &ProjectFilesDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, &ProjectFilesDialog::cancel);
    leaveMode(false);
}

void ProjectFilesDialog::showWindow() {
    leaveMode(false);
    refresh();
    show();
    raise();
    activateWindow();
}

void ProjectFilesDialog::refresh() {
    const int row = list_->currentRow();
    const QSignalBlocker block(list_);
    list_->clear();
    list_->addItems(project_.files());
    if (row >= 0 && row < list_->count() && mode_ != Mode::Normal) list_->setCurrentRow(row);
    if (mode_ == Mode::Normal) {
        rename_->setEnabled(false);
        move_->setEnabled(false);
        open_->setEnabled(false);
    }
}

void ProjectFilesDialog::selectionClicked() {
    if (mode_ != Mode::Normal) return;
    const bool selected = list_->currentItem() && list_->currentItem()->isSelected();
    rename_->setEnabled(selected);
    move_->setEnabled(selected);
    open_->setEnabled(selected);
}

void ProjectFilesDialog::setMode(Mode mode) {
    const int row = list_->currentRow();
    if (row < 0 || row >= project_.files().size()) return;
    mode_ = mode;
    remembered_ = row;
    for (QWidget* w : std::initializer_list<QWidget*>{list_, remove_, add_, directories_, move_, rename_})
        w->setEnabled(false);
    QPushButton* picture = mode == Mode::Rename ? rename_ : move_;
    ok_->setText(mode == Mode::Rename ? QStringLiteral("&Zmień nazwę") : QStringLiteral("&Przenieś"));
    ok_->setIcon(picture->icon());
    renameGroup_->setVisible(mode == Mode::Rename);
    moveGroup_->setVisible(mode == Mode::Move);
    if (mode == Mode::Rename) {
        newName_->setText(fileNamePart(project_.files().at(row)));
        newName_->setFocus();
        newName_->selectAll();
    } else {
        targetDir_->clear();
        targetDir_->addItems(project_.directories());
        targetDir_->setCurrentIndex(project_.directories().isEmpty() ? -1 : 0);
        targetDir_->setEditText(project_.directories().value(0));
        targetDir_->setFocus();
    }
}

void ProjectFilesDialog::enterRename() {
    setMode(Mode::Rename);
}

void ProjectFilesDialog::enterMove() {
    setMode(Mode::Move);
}

void ProjectFilesDialog::leaveMode(bool entryCommandsEnabled) {
    mode_ = Mode::Normal;
    remembered_ = -1;
    for (QWidget* w : std::initializer_list<QWidget*>{list_, remove_, add_, directories_})
        w->setEnabled(true);
    rename_->setEnabled(entryCommandsEnabled);
    move_->setEnabled(entryCommandsEnabled);
    ok_->setText(QStringLiteral("&OK"));
    ok_->setIcon(QApplication::style()->standardIcon(QStyle::SP_DialogOkButton));
    renameGroup_->hide();
    moveGroup_->hide();
}

void ProjectFilesDialog::confirm() {
    QString error;
    switch (mode_) {
    case Mode::Normal:
        if (!project_.writeFileList(&error)) {
            prompts_.error(error);
            return;
        }
        done(QDialog::Accepted);
        return;
    case Mode::Rename:
        if (!project_.renameFile(remembered_, newName_->text(), &error)) {
            prompts_.error(error);
            return; // the mode stays, so the name can be put right
        }
        break;
    case Mode::Move: {
        const QString directory = targetDir_->currentText();
        if (directory.isEmpty()) return;
        if (project_.moveFile(remembered_, directory, &error) == Project::MoveResult::Failed) {
            prompts_.error(error);
            return;
        }
        break;
    }
    }
    refresh(); // still in the mode: the entry stays selected
    leaveMode(false);
}

void ProjectFilesDialog::cancel() {
    if (mode_ == Mode::Normal) {
        done(QDialog::Rejected);
        return;
    }
    leaveMode(true);
}

void ProjectFilesDialog::reject() {
    leaveMode(false);
    done(QDialog::Rejected);
}

void ProjectFilesDialog::openSelected() {
    const int row = list_->currentRow();
    if (row < 0 || row >= project_.files().size() || !actions_.openDocument) return;
    actions_.openDocument(project_.resolve(project_.files().at(row)));
}

} // namespace wertan
