#include "servers/ui/server_config_dialog.h"

#include "platform/prompts.h"
#include "text/win1250.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace wertan {

namespace {
const QString kAutostartHint = QStringLiteral(
    "Włączenie tej opcji oznacza, że przy uruchomieniu Wertana PHP zostanie uruchomiony server");
}

ServerConfigDialog::ServerConfigDialog(Prompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), prompts_(prompts) {
    setObjectName(QStringLiteral("FormConfigServ"));
    setWindowTitle(QStringLiteral("Konfiguracja serwerów HTTP i danych"));
    setModal(false);
    auto* column = new QVBoxLayout(this);

    auto* dataRow = new QFormLayout;
    dataType_ = new QComboBox(this);
    dataType_->setObjectName(QStringLiteral("ComboBoxDataType"));
    dataType_->addItems({QStringLiteral("mySQL"), QStringLiteral("inny")});
    dataType_->setToolTip(QStringLiteral("Wybierz typ serwera danych z rozwijanej listy."));
    dataType_->setStatusTip(dataType_->toolTip());
    dataRow->addRow(QStringLiteral("Typ serwera danych:"), dataType_);
    column->addLayout(dataRow);
    dataPages_ = new QStackedWidget(this);
    dataPages_->addWidget(folderPage("PageMySQL", QStringLiteral("Ścieżka do mySQL'a:"), "EditPath",
                                     QStringLiteral("Określ ścieżkę do głównych plików serwera mySQL."),
                                     {QStringLiteral("mysqld_safe,"), QStringLiteral("mysqladmin.")},
                                     "CheckBoxMySQLAutostart", QStringLiteral("Automatyczny start - mySQL'a"),
                                     false));
    dataPages_->addWidget(customPage("PageData", QStringLiteral("Ścieżka do serwera danych:"), "Data"));
    column->addWidget(dataPages_);

    auto* httpRow = new QFormLayout;
    httpType_ = new QComboBox(this);
    httpType_->setObjectName(QStringLiteral("ComboBoxHttpType"));
    httpType_->addItems(
        {QStringLiteral("Apache"), QStringLiteral("Inny"), QStringLiteral("Wbudowany serwer PHP")});
    httpType_->setToolTip(QStringLiteral("Wybiezr typ serwera HTTP z rozwijanej listy."));
    httpType_->setStatusTip(httpType_->toolTip());
    httpRow->addRow(QStringLiteral("Typ serwera HTTP:"), httpType_);
    column->addLayout(httpRow);
    httpPages_ = new QStackedWidget(this);
    httpPages_->addWidget(folderPage("PageApache", QStringLiteral("Ścieżka do Apache'a:"), "EditPath2",
                                     QStringLiteral("Określ ścieżkę do głównego plik serwer Apache."),
                                     {QStringLiteral("apachectl.")}, "CheckBoxApacheAutostart",
                                     QStringLiteral("Automatyczny start - Apach'a"), false));
    httpPages_->addWidget(customPage("PageHTTP", QStringLiteral("Ścieżka do serwera HTTP:"), "Http"));
    QWidget* php =
        folderPage("PagePHP", QStringLiteral("Program PHP:"), "EditPhpProgram",
                   QStringLiteral("Program PHP, który uruchamia wbudowany serwer (php -S)."), {},
                   "CheckBoxPhpAutostart", QStringLiteral("Automatyczny start - serwera PHP"), true);
    auto* note = new QLabel(
        QStringLiteral(
            "Serwer udostępnia główny katalog serwera (Narzędzia > Opcje...) pod komputerem i portem "
            "adresu testowego, np. http://localhost:8000/. Strony .php, .php3, .php4, .phtml i .inc "
            "wykonuje jako PHP. Program kończy serwer przy wyjściu."),
        php);
    note->setWordWrap(true);
    static_cast<QVBoxLayout*>(php->layout())->insertWidget(1, note);
    httpPages_->addWidget(php);
    column->addWidget(httpPages_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ok->setToolTip(
        QStringLiteral("Potwierdza wprowadzone zmiany i zapisuje informacje do plików konfiguracyjnych."));
    ok->setStatusTip(ok->toolTip());
    QPushButton* cancel = buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("BtnCancel"));
    cancel->setToolTip(QStringLiteral("Anuluje wprowadzone zmiany i zamyka okno."));
    cancel->setStatusTip(cancel->toolTip());
    column->addWidget(buttons);
    connect(ok, &QPushButton::clicked, this, &ServerConfigDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);

    connect(dataType_, &QComboBox::currentIndexChanged, this, [this](int i) { switchPage(dataPages_, i); });
    connect(httpType_, &QComboBox::currentIndexChanged, this, [this](int i) { switchPage(httpPages_, i); });
    switchPage(dataPages_, 0);
    switchPage(httpPages_, 0);
    setMinimumWidth(460);
}

QLineEdit* ServerConfigDialog::pathField(QWidget* parent, const char* name, bool program, QWidget** row) {
    auto* holder = new QWidget(parent);
    auto* line = new QHBoxLayout(holder);
    line->setContentsMargins(0, 0, 0, 0);
    auto* edit = new QLineEdit(holder);
    edit->setObjectName(QString::fromLatin1(name));
    auto* browse = new QToolButton(holder);
    browse->setText(QStringLiteral("..."));
    browse->setToolTip(program ? QStringLiteral("Wybierz program.") : QStringLiteral("Wybierz katalog."));
    line->addWidget(edit, 1);
    line->addWidget(browse);
    connect(browse, &QToolButton::clicked, this, [this, edit, program] {
        if (program) {
            FileDialogRequest request;
            request.title = QStringLiteral("Wybierz program");
            request.filter = QStringLiteral("Wszystkie pliki (*)|*");
            request.fileName = edit->text();
            const QStringList chosen = prompts_.openFiles(request);
            if (!chosen.isEmpty()) edit->setText(chosen.first());
        } else {
            const QString chosen = prompts_.chooseFolder(QStringLiteral("Wybierz katalog"), edit->text());
            if (!chosen.isEmpty()) edit->setText(chosen);
        }
    });
    *row = holder;
    return edit;
}

QWidget* ServerConfigDialog::folderPage(const char* pageName, const QString& label, const char* fieldName,
                                        const QString& hint, const QStringList& files, const char* checkName,
                                        const QString& checkCaption, bool program) {
    auto* page = new QWidget(this);
    page->setObjectName(QString::fromLatin1(pageName));
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    auto* form = new QFormLayout;
    QWidget* row = nullptr;
    QLineEdit* edit = pathField(page, fieldName, program, &row);
    edit->setToolTip(hint);
    edit->setStatusTip(hint);
    form->addRow(label, row);
    column->addLayout(form);
    if (!files.isEmpty()) {
        auto* note = new QLabel(QStringLiteral("Ścieżka musi wskazywać na następujące pliki:\n") +
                                    files.join(QLatin1Char(' ')),
                                page);
        column->addWidget(note);
    }
    auto* check = new QCheckBox(checkCaption, page);
    check->setObjectName(QString::fromLatin1(checkName));
    check->setToolTip(kAutostartHint);
    check->setStatusTip(kAutostartHint);
    column->addWidget(check);
    column->addStretch(1);
    return page;
}

QWidget* ServerConfigDialog::customPage(const char* pageName, const QString& group, const char* prefix) {
    auto* page = new QWidget(this);
    page->setObjectName(QString::fromLatin1(pageName));
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    auto* box = new QGroupBox(group, page);
    auto* form = new QFormLayout(box);
    const QString p = QString::fromLatin1(prefix);
    const std::tuple<const char*, const char*, bool> fields[] = {{"Plik startowy:", "Start", true},
                                                                 {"Parametry:", "StartParams", false},
                                                                 {"Plik kończący:", "Stop", true},
                                                                 {"Parametry:", "StopParams", false}};
    for (const auto& [caption, suffix, program] : fields) {
        const QByteArray name = (QStringLiteral("Edit") + p + QString::fromLatin1(suffix)).toLatin1();
        if (program) {
            QWidget* row = nullptr;
            pathField(box, name.constData(), true, &row);
            form->addRow(QString::fromUtf8(caption), row);
        } else {
            auto* edit = new QLineEdit(box);
            edit->setObjectName(QString::fromLatin1(name));
            edit->setToolTip(
                QStringLiteral("Parametry oddzielone spacjami; tekst ze spacjami w cudzysłowie."));
            form->addRow(QString::fromUtf8(caption), edit);
        }
    }
    column->addWidget(box);
    column->addStretch(1);
    return page;
}

void ServerConfigDialog::switchPage(QStackedWidget* pages, int index) {
    if (index < 0) return;
    pages->setCurrentIndex(index);
    // Each stack takes the size of its current page, and the dialog fits both.
    for (int i = 0; i < pages->count(); ++i)
        pages->widget(i)->setSizePolicy(QSizePolicy::Preferred,
                                        i == index ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    pages->adjustSize();
    adjustSize();
}

QLineEdit* ServerConfigDialog::field(const QString& name) const {
    return findChild<QLineEdit*>(name);
}

QCheckBox* ServerConfigDialog::check(const QString& name) const {
    return findChild<QCheckBox*>(name);
}

void ServerConfigDialog::setFields(const HttpServerSettings& http, const DataServerSettings& data) {
    auto set = [this](const char* name, const std::string& value) {
        field(QString::fromLatin1(name))->setText(fromWin1250(value));
    };
    set("EditPath", data.mysqlFolder);
    check(QStringLiteral("CheckBoxMySQLAutostart"))->setChecked(data.mysqlAutostart);
    set("EditDataStart", data.custom.startProgram);
    set("EditDataStartParams", data.custom.startParameters);
    set("EditDataStop", data.custom.stopProgram);
    set("EditDataStopParams", data.custom.stopParameters);
    set("EditPath2", http.apacheFolder);
    check(QStringLiteral("CheckBoxApacheAutostart"))->setChecked(http.apacheAutostart);
    set("EditHttpStart", http.custom.startProgram);
    set("EditHttpStartParams", http.custom.startParameters);
    set("EditHttpStop", http.custom.stopProgram);
    set("EditHttpStopParams", http.custom.stopParameters);
    set("EditPhpProgram", http.phpProgram);
    check(QStringLiteral("CheckBoxPhpAutostart"))->setChecked(http.phpAutostart);
    dataType_->setCurrentIndex(int(data.type));
    httpType_->setCurrentIndex(int(http.type));
}

void ServerConfigDialog::readFields(HttpServerSettings* http, DataServerSettings* data) const {
    auto get = [this](const char* name) { return toWin1250(field(QString::fromLatin1(name))->text()); };
    data->type = DataServerType(std::max(0, dataType_->currentIndex()));
    data->mysqlFolder = get("EditPath");
    data->mysqlAutostart = check(QStringLiteral("CheckBoxMySQLAutostart"))->isChecked();
    data->custom = {get("EditDataStart"), get("EditDataStartParams"), get("EditDataStop"),
                    get("EditDataStopParams")};
    http->type = HttpServerType(std::max(0, httpType_->currentIndex()));
    http->apacheFolder = get("EditPath2");
    http->apacheAutostart = check(QStringLiteral("CheckBoxApacheAutostart"))->isChecked();
    http->custom = {get("EditHttpStart"), get("EditHttpStartParams"), get("EditHttpStop"),
                    get("EditHttpStopParams")};
    http->phpProgram = get("EditPhpProgram");
    http->phpAutostart = check(QStringLiteral("CheckBoxPhpAutostart"))->isChecked();
}

void ServerConfigDialog::confirm() {
    HttpServerSettings http;
    DataServerSettings data;
    readFields(&http, &data);
    if (onConfirm && !onConfirm(http, data)) return; // a failed write keeps the dialog open
    hide();
}

} // namespace wertan
