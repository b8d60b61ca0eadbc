#include "generators/ui/document_type_dialog.h"

#include "generators/head_generators.h"
#include "text/win1250.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace wertan {

DocumentTypeDialog::DocumentTypeDialog(GeneratorOutput output, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), output_(std::move(output)) {
    setObjectName(QStringLiteral("FormHTML_DocVer"));
    setWindowTitle(QStringLiteral("Okreś wersje HTML'a:"));

    versions_ = new QComboBox(this);
    versions_->setObjectName(QStringLiteral("ComboBoxHTMLVer"));
    for (const std::string& type : documentTypes())
        versions_->addItem(fromWin1250(type));
    versions_->setCurrentIndex(0);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("BtnOK"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel_->setObjectName(QStringLiteral("BtnCancel"));
    cancel_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Wybierz wersje HTML'a z listy:"), this));
    layout->addWidget(versions_);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &DocumentTypeDialog::insertAndClose);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void DocumentTypeDialog::showDialog() {
    QDialog::open();
}

void DocumentTypeDialog::insertAndClose() {
    const int index = versions_->currentIndex();
    if (index >= 0 && index < int(documentTypes().size())) output_.text(documentTypes()[std::size_t(index)]);
    accept();
}

} // namespace wertan
