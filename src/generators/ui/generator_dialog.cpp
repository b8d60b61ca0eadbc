#include "generators/ui/generator_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace wertan {

GeneratorDialog::GeneratorDialog(GeneratorOutput output, const QString& objectName, const QString& title,
                                 bool stayOnTop, QWidget* parent)
    : QDialog(parent, stayOnTop ? Qt::Dialog | Qt::WindowStaysOnTopHint : Qt::Dialog),
      output_(std::move(output)) {
    setObjectName(objectName);
    setWindowTitle(title);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    fields_ = new QVBoxLayout;
    layout->addLayout(fields_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    insert_ = new QPushButton(QStringLiteral("Wstaw"), this);
    insert_->setObjectName(QStringLiteral("BtnInsert"));
    insert_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel_->setObjectName(QStringLiteral("BtnCancel"));
    buttons->addWidget(insert_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    connect(insert_, &QPushButton::clicked, this, &GeneratorDialog::insertAndClose);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void GeneratorDialog::showDialog() {
    show();
    raise();
    activateWindow();
}

void GeneratorDialog::insertAndClose() {
    output_.lines(generatedLines(output_.lower()));
    accept();
}

} // namespace wertan
