#include "generators/ui/meta_dialog.h"

#include "generators/ui/dialog_fields.h"
#include "text/win1250.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace wertan {

MetaDialog::MetaDialog(GeneratorOutput output, QWidget* parent)
    : QDialog(parent, Qt::Dialog), output_(std::move(output)) {
    setObjectName(QStringLiteral("FormCreate_Meta"));
    setWindowTitle(QStringLiteral("Utwórz sekcje <META>"));
    setModal(false);

    QStringList charsets, languages;
    for (const char* charset : kMetaCharsets)
        charsets << fromWin1250(charset);
    for (const char* language : kMetaLanguages)
        languages << fromWin1250(language);
    charset_ = makeComboBox(QStringLiteral("hmCharCoding"), charsets, true, this);
    language_ = makeComboBox(QStringLiteral("hmLanguage"), languages, true, this);
    author_ = makeLineEdit(QStringLiteral("hmAutor"), {}, this);
    email_ = makeLineEdit(QStringLiteral("hmemail"), {}, this);
    refreshPage_ = makeLineEdit(QStringLiteral("hmRefGo"), {}, this);
    for (QLineEdit* edit : {author_, email_, refreshPage_})
        edit->setMaxLength(200);
    author_->setMinimumWidth(280);

    date_ = new QDateEdit(QDate(2000, 12, 3), this);
    date_->setObjectName(QStringLiteral("hmData"));
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    date_->setLocale(polish);
    date_->setDisplayFormat(polish.dateFormat(QLocale::LongFormat));
    date_->setCalendarPopup(true);

    refresh_ = new QSpinBox(this);
    refresh_->setObjectName(QStringLiteral("hmRefresh"));
    refresh_->setRange(0, 100);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Kodowanie znaków:"), charset_);
    form->addRow(QStringLiteral("Język:"), language_);
    form->addRow(QStringLiteral("Autor:"), author_);
    form->addRow(QStringLiteral("E-mail:"), email_);
    form->addRow(QStringLiteral("Data ostatniej modyfikacji:"), date_);

    auto* refreshGroup = new QGroupBox(QStringLiteral("Odświeżanie"), this);
    auto* every = new QHBoxLayout;
    every->addWidget(new QLabel(QStringLiteral("Co:"), refreshGroup));
    every->addWidget(refresh_);
    every->addWidget(new QLabel(QStringLiteral("sekund"), refreshGroup));
    every->addStretch(1);
    auto* refreshLayout = new QVBoxLayout(refreshGroup);
    refreshLayout->addLayout(every);
    refreshLayout->addWidget(new QLabel(QStringLiteral("Po odświeżeniu idź do strony:"), refreshGroup));
    refreshLayout->addWidget(refreshPage_);

    auto* descriptionGroup = new QGroupBox(QStringLiteral("Opis"), this);
    description_ = new QPlainTextEdit(descriptionGroup);
    description_->setObjectName(QStringLiteral("hmDescription"));
    description_->setMinimumHeight(70);
    description_->setTabChangesFocus(true);
    clearDescription_ = new QPushButton(QStringLiteral("Wyczyść"), descriptionGroup);
    clearDescription_->setObjectName(QStringLiteral("BtnClearDescription"));
    clearDescription_->setToolTip(QStringLiteral("Usuwa tekst opisu."));
    clearDescription_->setAutoDefault(false);
    auto* descriptionLayout = new QHBoxLayout(descriptionGroup);
    descriptionLayout->addWidget(description_, 1);
    descriptionLayout->addWidget(clearDescription_, 0, Qt::AlignTop);

    generatorInfo_ =
        new QCheckBox(QStringLiteral("Wstaw informacje, że strona była tworzona w Wertanu PHP."), this);
    generatorInfo_->setObjectName(QStringLiteral("CheckBoxinfoPHP"));

    create_ = new QPushButton(QStringLiteral("Utwórz sekcje <META>"), this);
    create_->setObjectName(QStringLiteral("BtnCreate"));
    create_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel_->setObjectName(QStringLiteral("BtnCancel"));
    cancel_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(create_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(refreshGroup);
    layout->addWidget(descriptionGroup, 1);
    layout->addWidget(generatorInfo_);
    layout->addLayout(buttons);

    connect(clearDescription_, &QPushButton::clicked, description_, &QPlainTextEdit::clear);
    connect(create_, &QPushButton::clicked, this, &MetaDialog::createSection);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void MetaDialog::showDialog() {
    show();
    raise();
    activateWindow();
}

MetaOptions MetaDialog::options() const {
    MetaOptions o;
    o.charset = comboText(charset_);
    o.language = comboText(language_);
    o.author = editText(author_);
    o.email = editText(email_);
    o.date = date_->date();
    o.refreshSeconds = refresh_->value();
    o.refreshPage = editText(refreshPage_);
    // The description keeps its line breaks, written as the document's CR LF.
    QString description = description_->toPlainText();
    description.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    o.description = toWin1250(description);
    o.generatorInfo = generatorInfo_->isChecked();
    return o;
}

void MetaDialog::createSection() {
    output_.lines(metaLines(options(), output_.lower()));
    accept();
}

} // namespace wertan
