#include "projects/ui/insert_dir_window.h"

#include "projects/project.h"
#include "projects/ui/dialog_parts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace wertan {

InsertDirWindow::InsertDirWindow(const Project& project, std::function<void(const QString&)> insertText,
                                 QWidget* parent)
    : QWidget(parent, Qt::Tool), project_(project), insertText_(std::move(insertText)) {
    setObjectName(QStringLiteral("FormInsertDir"));
    setWindowTitle(QStringLiteral("Wstaw katalog"));
    list_ = new QComboBox(this);
    list_->setObjectName(QStringLiteral("ComboDirs"));
    list_->setEditable(true);
    list_->setInsertPolicy(QComboBox::NoInsert);
    list_->setMinimumWidth(180);
    insert_ = projects_ui::button(QStringLiteral("&Wstaw"), "BtnInsert",
                                  QStringLiteral("Wstawia katlog do dokumentu"), this);
    insert_->setDefault(true);
    auto* row = new QHBoxLayout(this);
    row->addWidget(list_, 1);
    row->addWidget(insert_);
    connect(insert_, &QPushButton::clicked, this, &InsertDirWindow::insert);
    connect(list_->lineEdit(), &QLineEdit::returnPressed, this, &InsertDirWindow::insert);
}

void InsertDirWindow::showWindow() {
    list_->clear();
    list_->addItems(project_.directories());
    list_->setCurrentIndex(project_.directories().isEmpty() ? -1 : 0);
    list_->setEditText(project_.directories().value(0));
    show();
    raise();
    activateWindow();
    list_->setFocus();
}

void InsertDirWindow::insert() {
    const QString text = list_->currentText();
    if (insertText_) insertText_(text);
    close();
}

} // namespace wertan
