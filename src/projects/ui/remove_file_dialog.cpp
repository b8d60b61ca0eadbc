#include "projects/ui/remove_file_dialog.h"

#include "platform/prompts.h"
#include "projects/project.h"
#include "projects/ui/dialog_parts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace wertan {

using projects_ui::button;
using projects_ui::setHint;

QString RemoveFileDialog::openInTabWarning() {
    return QStringLiteral(
        "Plik, który ma zostać skasowany jest aktualnie edytowany - Prosze zakonczyć edycję "
        "pliku i usunąć jeszcze raz!");
}

RemoveFileDialog::RemoveFileDialog(Project& project, Prompts& prompts,
                                   std::function<bool(const QString&)> isOpenInTab, QWidget* parent)
    : QDialog(parent, Qt::Dialog), project_(project), prompts_(prompts),
      isOpenInTab_(std::move(isOpenInTab)) {
    setObjectName(QStringLiteral("FormRemoveFileFromProjekt"));
    setWindowTitle(QStringLiteral("Usuń plik z projektu"));

    auto* label = new QLabel(QStringLiteral("Lokalizacja pliku do usunięcia:"), this);
    files_ = new QComboBox(this);
    files_->setObjectName(QStringLiteral("ComboFiles"));
    files_->setMinimumWidth(360);
    files_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setHint(files_, QStringLiteral("Wybierz plik, który ma zostać usunięty z projektu."));
    label->setBuddy(files_);
    QWidget* note = projects_ui::redNote(QStringLiteral("Jeżeli plik wskazany posiada pliki skojarzone, \n"
                                                        "to nie zostaną one usunięte ponieważ mogą być\n"
                                                        "wykorzystywane przez inne pliki projektu."),
                                         this);
    cancel_ = button(QStringLiteral("&Anuluj"), "BtnCancel",
                     QStringLiteral("Anuluje wprowadzone dane i nie usuwa pliku z projektu."), this);
    remove_ = button(QStringLiteral("&Usuń"), "BtnRemove",
                     QStringLiteral("Potwierdza wprowadzone dane i usuwa plik z projektu."), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(remove_);
    buttons->addWidget(cancel_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(label);
    column->addWidget(files_);
    column->addWidget(note);
    column->addStretch(1);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(remove_, &QPushButton::clicked, this, &RemoveFileDialog::removeFile);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void RemoveFileDialog::open() {
    files_->clear();
    files_->addItems(project_.files());
    files_->setCurrentIndex(project_.files().isEmpty() ? -1 : 0);
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void RemoveFileDialog::removeFile() {
    const int index = files_->currentIndex();
    if (index >= 0 && index < project_.files().size()) {
        const QString entry = project_.files().at(index);
        QString error;
        if (isOpenInTab_ && isOpenInTab_(fileNamePart(entry)))
            prompts_.message(openInTabWarning());
        else if (!project_.removeFile(index, &error))
            prompts_.error(error);
    }
    accept();
}

} // namespace wertan
