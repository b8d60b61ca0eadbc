#include "classlib/ui/class_wizard_dialog.h"

#include "classlib/jpeg_picture.h"
#include "platform/prompts.h"
#include "text/document_text.h"
#include "text/win1250.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace wertan {

namespace {
QLabel* text(const QString& caption) {
    auto* label = new QLabel(caption);
    label->setWordWrap(true);
    return label;
}

QCheckBox* checkBox(const QString& caption, const QString& name, bool checked) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QTableWidget* grid(const QString& name, const QString& valueColumn) {
    auto* table = new QTableWidget(1, 2);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels({QStringLiteral("Nazwa"), valueColumn});
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setSectionsMovable(true); // rows are dragged to a new order
    return table;
}

QString cell(const QTableWidget* table, int row, int column) {
    if (column >= table->columnCount()) return {};
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

// Grid rows in their shown order (rows may have been dragged).
QList<int> shownRows(const QTableWidget* table) {
    QList<int> rows;
    for (int visual = 0; visual < table->rowCount(); ++visual)
        rows << table->verticalHeader()->logicalIndex(visual);
    return rows;
}
} // namespace

TwoListChooser::TwoListChooser(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TwoListChooser"));
    setWindowTitle(QStringLiteral("Wybierz zmienne funkcji tworzącej Class'y."));
    setModal(true);
    auto* layout = new QGridLayout(this);
    available_ = new QListWidget(this);
    chosen_ = new QListWidget(this);
    for (QListWidget* list : {available_, chosen_})
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(new QLabel(QStringLiteral("Zmienne klasy.")), 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Zmienne w funkcji tworzącej.")), 0, 2);
    layout->addWidget(available_, 1, 0);
    layout->addWidget(chosen_, 1, 2);
    auto* arrows = new QVBoxLayout;
    auto* right = new QPushButton(QStringLiteral(">"));
    right->setObjectName(QStringLiteral("ChooseRight"));
    auto* left = new QPushButton(QStringLiteral("<"));
    left->setObjectName(QStringLiteral("ChooseLeft"));
    arrows->addStretch(1);
    arrows->addWidget(right);
    arrows->addWidget(left);
    arrows->addStretch(1);
    layout->addLayout(arrows, 1, 1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons, 2, 0, 1, 3);
    connect(right, &QPushButton::clicked, this, [this] { moveSelected(true); });
    connect(left, &QPushButton::clicked, this, [this] { moveSelected(false); });
    connect(available_, &QListWidget::itemDoubleClicked, this, [this] { moveSelected(true); });
    connect(chosen_, &QListWidget::itemDoubleClicked, this, [this] { moveSelected(false); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TwoListChooser::setLists(const QStringList& available, const QStringList& chosen) {
    available_->clear();
    available_->addItems(available);
    chosen_->clear();
    chosen_->addItems(chosen);
}

QStringList TwoListChooser::available() const {
    QStringList names;
    for (int i = 0; i < available_->count(); ++i)
        names << available_->item(i)->text();
    return names;
}

QStringList TwoListChooser::chosen() const {
    QStringList names;
    for (int i = 0; i < chosen_->count(); ++i)
        names << chosen_->item(i)->text();
    return names;
}

void TwoListChooser::moveSelected(bool toChosen) {
    QListWidget* from = toChosen ? available_ : chosen_;
    QListWidget* to = toChosen ? chosen_ : available_;
    for (QListWidgetItem* item : from->selectedItems())
        to->addItem(from->takeItem(from->row(item)));
}

ClassWizardDialog::ClassWizardDialog(Prompts& prompts, QString pictureDirectory, QWidget* parent)
    : QDialog(parent), prompts_(prompts), pictureDirectory_(std::move(pictureDirectory)) {
    setObjectName(QStringLiteral("ClassWizardDialog"));
    setWindowTitle(QStringLiteral("Kreator CLASS"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    picture_ = new QLabel(this);
    picture_->setFixedSize(160, 300);
    picture_->setFrameShape(QFrame::StyledPanel);
    top->addWidget(picture_, 0, Qt::AlignTop);
    pages_ = new QStackedWidget(this);
    top->addWidget(pages_, 1);
    layout->addLayout(top, 1);

    // 0
    pages_->addWidget(
        makePage(QStringLiteral("Kreator CLASS"),
                 text(QStringLiteral("Kreator ten pomoże Ci utworzyć Class'ę PHP. Krotk po kroku "
                                     "przeprowadzi Ciebie poprzez całą procedurę tworzebnia nowej "
                                     "Class'y."))));
    // 1
    {
        auto* body = new QWidget;
        auto* form = new QGridLayout(body);
        form->addWidget(text(QStringLiteral("W tym kroku możesz określić nazwę klasy, wersję:")), 0, 0, 1, 2);
        form->addWidget(new QLabel(QStringLiteral("Nazwa klasy:")), 1, 0);
        className_ = new QLineEdit(QStringLiteral("nazwaklasy"));
        className_->setObjectName(QStringLiteral("ClassName"));
        className_->setToolTip(QStringLiteral("Wpisz tu nazwę klasy"));
        form->addWidget(className_, 1, 1);
        version_ = new QLineEdit(QStringLiteral("1.0"));
        author_ = new QLineEdit;
        email_ = new QLineEdit;
        description_ = new QPlainTextEdit;
        description_->setObjectName(QStringLiteral("Description"));
        description_->setMaximumHeight(70);
        baseClass_ = new QLineEdit;
        baseClass_->setObjectName(QStringLiteral("BaseClass"));
        struct Optional {
            const char* caption;
            const char* name;
            QWidget* input;
        } optional[] = {{"Wersja:", "WithVersion", version_},
                        {"Autor:", "WithAuthor", author_},
                        {"E-mail:", "WithEmail", email_},
                        {"Opis:", "WithDescription", description_},
                        {"Klasa bazowa", "WithBaseClass", baseClass_}};
        int row = 2;
        for (const Optional& o : optional) {
            QCheckBox* box = checkBox(QString::fromUtf8(o.caption), QString::fromLatin1(o.name), false);
            o.input->setEnabled(false);
            connect(box, &QCheckBox::toggled, o.input, &QWidget::setEnabled);
            form->addWidget(box, row, 0, Qt::AlignTop);
            form->addWidget(o.input, row, 1);
            if (o.input == baseClass_) box->setToolTip(QStringLiteral("W PHP - extends."));
            ++row;
        }
        form->setRowStretch(row, 1);
        pages_->addWidget(makePage(QStringLiteral("Informace ogólne Class'y"), body));
    }
    // 2
    {
        auto* body = new QWidget;
        auto* box = new QVBoxLayout(body);
        box->addWidget(
            text(QStringLiteral("W tym kroku, możesz wybrać jakie elemety będą wchodzić w skład nowo "
                                "tworzonej klasy:")));
        box->addWidget(text(QStringLiteral("Wybór należy do Ciebie:")));
        box->addWidget(checkBox(QStringLiteral("Zmienne (VAR)"), QStringLiteral("Variables"), true));
        box->addWidget(checkBox(QStringLiteral("Funkcje"), QStringLiteral("Functions"), true));
        box->addWidget(checkBox(QStringLiteral("Funkcja tworząca - tzw. kreator klasy."),
                                QStringLiteral("Constructor"), true));
        box->addWidget(
            checkBox(QStringLiteral("Funkcja ustawiająca wartości."), QStringLiteral("Setter"), false));
        box->addStretch(1);
        pages_->addWidget(makePage(QStringLiteral("Elementy Class'y."), body));
    }
    // 3 and 5: the grids.
    auto gridPage = [this](const QString& heading, const QString& intro, const QString& group,
                           QTableWidget* table, QCheckBox* comments) {
        auto* body = new QWidget;
        auto* box = new QVBoxLayout(body);
        box->addWidget(text(intro));
        box->addWidget(text(QStringLiteral("Uwaga: Niezapomnij o znaku\"$\" przy zmiennych!")));
        auto* frame = new QGroupBox(group);
        auto* inner = new QVBoxLayout(frame);
        inner->addWidget(table);
        auto* buttons = new QHBoxLayout;
        struct Button {
            const char *caption, *hint;
            void (*run)(QTableWidget*);
        } rowButtons[] = {{"Dodaj rząd", "Dodaje rząd do tabeli.", &ClassWizardDialog::addGridRow},
                          {"Usuń rząd", "Usuwa rząd z tabeli", &ClassWizardDialog::removeGridRow},
                          {"Wyczyść rzędy", "Czyści zawartość tabeli.", &ClassWizardDialog::clearGridRows}};
        for (const Button& b : rowButtons) {
            auto* button = new QPushButton(QString::fromUtf8(b.caption));
            button->setObjectName(table->objectName() + QString::fromUtf8(b.caption));
            button->setToolTip(QString::fromUtf8(b.caption) + QLatin1Char('|') + QString::fromUtf8(b.hint));
            auto run = b.run;
            connect(button, &QPushButton::clicked, table, [table, run] { run(table); });
            buttons->addWidget(button);
        }
        inner->addLayout(buttons);
        box->addWidget(frame, 1);
        box->addWidget(comments);
        connect(comments, &QCheckBox::toggled, table, [table](bool on) { setCommentColumn(table, on); });
        return makePage(heading, body);
    };
    variables_ = grid(QStringLiteral("VariableGrid"), QStringLiteral("Wartość"));
    pages_->addWidget(gridPage(
        QStringLiteral("Wartości Class'y - VAR"),
        QStringLiteral("W tym kroku możesz określić jakie wartości będzie posiadała Class'a:"),
        QStringLiteral("Zmienne - wartości"), variables_,
        checkBox(QStringLiteral("Komentarze zmiennych Class'y"), QStringLiteral("VariableComments"), false)));
    // 4
    {
        auto* body = new QWidget;
        auto* box = new QVBoxLayout(body);
        box->addWidget(
            text(QStringLiteral("W tym kroku możesz zbudować funkcję tworzącą. Funkcja tworząca Class'y "
                                "w PHP wywoływana jest przy inicjowaniu Class'y.")));
        box->addWidget(
            text(QStringLiteral("Wybierz zmienne Class'y, które będą ustalane przy inincjowaniu  Class'y.")));
        auto* choose = new QPushButton(QStringLiteral("Wybierz zmienne"));
        choose->setObjectName(QStringLiteral("ChooseVariables"));
        connect(choose, &QPushButton::clicked, this, &ClassWizardDialog::chooseVariables);
        box->addWidget(choose, 0, Qt::AlignLeft);
        box->addStretch(1);
        pages_->addWidget(makePage(QStringLiteral("Funkcja tworząca Class'y."), body));
    }
    functions_ = grid(QStringLiteral("FunctionGrid"), QStringLiteral("Wartości"));
    pages_->addWidget(gridPage(
        QStringLiteral("Funkcje"),
        QStringLiteral(
            "W tym kroku możesz określić jakie funkcje i o jakich włąsciwościach występować będą w "
            "Class'ie."),
        QStringLiteral("Funkcje"), functions_,
        checkBox(QStringLiteral("Komentarze funkcji Class'y"), QStringLiteral("FunctionComments"), false)));
    // 6
    {
        auto* body = new QWidget;
        auto* box = new QVBoxLayout(body);
        box->addWidget(text(QStringLiteral("W tym kroku możesz określić ")));
        box->addWidget(
            text(QStringLiteral("Wybierz zmienne Class'y, które będą ustalane przy inincjowaniu  Class'y.")));
        for (int i = 0; i < 2; ++i) {
            auto* choose = new QPushButton(QStringLiteral("Wybierz zmienne"));
            connect(choose, &QPushButton::clicked, this, &ClassWizardDialog::chooseVariables);
            box->addWidget(choose, 0, Qt::AlignLeft);
        }
        box->addStretch(1);
        pages_->addWidget(makePage(QStringLiteral("Funkcje ustawiające  Class'y"), body));
    }
    // 7
    {
        auto* body = new QWidget;
        auto* box = new QVBoxLayout(body);
        box->addWidget(
            text(QStringLiteral("W tym kroku możesz określić, czy w nowa Class'a ma zostać utworzona w "
                                "nowym dokumencie, czy może ma zostać wstawiona do aktualnego "
                                "dokumentu. \n\nMoże w tym kroku także skonfigurować komentarze.")));
        auto* target = new QGroupBox(QStringLiteral("Utwórz jako:"));
        auto* targetLayout = new QVBoxLayout(target);
        intoNew_ = new QRadioButton(QStringLiteral("w nowym dokumencie"));
        intoNew_->setChecked(true);
        intoCurrent_ = new QRadioButton(QStringLiteral("wstaw do aktualnego dokumentu"));
        targetLayout->addWidget(intoNew_);
        targetLayout->addWidget(intoCurrent_);
        box->addWidget(target);
        auto* comments = new QGroupBox(QStringLiteral("Komentarze:"));
        auto* commentsLayout = new QVBoxLayout(comments);
        commentsLayout->addWidget(
            checkBox(QStringLiteral("Elementy Class'y."), QStringLiteral("ElementComments"), false));
        commentsLayout->addWidget(
            checkBox(QStringLiteral("Odzielające funkcje."), QStringLiteral("SeparatorLines"), false));
        box->addWidget(comments);
        box->addStretch(1);
        pages_->addWidget(makePage(QStringLiteral("Dodatkowe ustawienia Class'y"), body));
    }

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    close_ = new QPushButton(QStringLiteral("&Zamknij"), this);
    back_ = new QPushButton(QStringLiteral("&Wstecz"), this);
    forward_ = new QPushButton(QStringLiteral("Dalej"), this);
    forward_->setObjectName(QStringLiteral("WizardForward"));
    forward_->setDefault(true);
    bottom->addWidget(close_);
    bottom->addWidget(back_);
    bottom->addWidget(forward_);
    layout->addLayout(bottom);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(back_, &QPushButton::clicked, this, &ClassWizardDialog::back);
    connect(forward_, &QPushButton::clicked, this, &ClassWizardDialog::forward);

    chooser_ = new TwoListChooser(this);
    connect(chooser_, &QDialog::finished, this, [this](int result) {
        chosenVariables_ = result == QDialog::Accepted ? chooser_->chosen() : QStringList();
    });
    resize(620, 400);
    showPage(0);
}

QWidget* ClassWizardDialog::makePage(const QString& heading, QWidget* body) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* title = new QLabel(heading);
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    title->setFont(font);
    layout->addWidget(title);
    layout->addWidget(body, 1);
    return page;
}

QCheckBox* ClassWizardDialog::box(const QString& objectName) const {
    return findChild<QCheckBox*>(objectName);
}

void ClassWizardDialog::start() {
    showPage(0);
    open();
}

int ClassWizardDialog::page() const {
    return pages_->currentIndex();
}

void ClassWizardDialog::showPage(int page) {
    pages_->setCurrentIndex(page);
    back_->setVisible(page != 0);
    forward_->setText(page == kWizardPageCount - 1 ? QStringLiteral("Zakończ") : QStringLiteral("Dalej"));
    std::string bytes;
    QString error;
    const QString path = pictureDirectory_ + QStringLiteral("/page%1.jpg").arg(page + 1);
    DecodedPicture decoded;
    if (readFileBytes(path, &bytes, &error)) decoded = decodeJpeg(bytes);
    if (decoded.ok()) {
        const QImage image(decoded.rgb.data(), decoded.width, decoded.height, decoded.width * 3,
                           QImage::Format_RGB888);
        picture_->setPixmap(QPixmap::fromImage(image.copy()));
    } else {
        picture_->clear(); // the wizard works without its pictures
    }
}

void ClassWizardDialog::forward() {
    const int next = wizardNextPage(page(), options());
    if (next >= kWizardPageCount)
        finish();
    else
        showPage(next);
}

void ClassWizardDialog::back() {
    showPage(wizardPreviousPage(page(), options()));
}

ClassWizardOptions ClassWizardDialog::options() const {
    ClassWizardOptions o;
    o.className = toWin1250(className_->text());
    o.withVersion = box(QStringLiteral("WithVersion"))->isChecked();
    o.version = toWin1250(version_->text());
    o.withAuthor = box(QStringLiteral("WithAuthor"))->isChecked();
    o.author = toWin1250(author_->text());
    o.withEmail = box(QStringLiteral("WithEmail"))->isChecked();
    o.email = toWin1250(email_->text());
    o.withDescription = box(QStringLiteral("WithDescription"))->isChecked();
    o.descriptionLines.clear();
    const QString description = description_->toPlainText();
    if (!description.isEmpty())
        for (const QString& line : description.split(QLatin1Char('\n')))
            o.descriptionLines.push_back(toWin1250(line));
    o.withBaseClass = box(QStringLiteral("WithBaseClass"))->isChecked();
    o.baseClass = toWin1250(baseClass_->text());
    o.variables = box(QStringLiteral("Variables"))->isChecked();
    o.functions = box(QStringLiteral("Functions"))->isChecked();
    o.constructor = box(QStringLiteral("Constructor"))->isChecked();
    o.setter = box(QStringLiteral("Setter"))->isChecked();
    o.variableComments = box(QStringLiteral("VariableComments"))->isChecked();
    o.functionComments = box(QStringLiteral("FunctionComments"))->isChecked();
    o.variableRows.clear();
    for (int row : shownRows(variables_))
        o.variableRows.push_back({toWin1250(cell(variables_, row, 0)), toWin1250(cell(variables_, row, 1)),
                                  toWin1250(cell(variables_, row, 2))});
    o.functionRows.clear();
    for (int row : shownRows(functions_))
        o.functionRows.push_back({toWin1250(cell(functions_, row, 0)), toWin1250(cell(functions_, row, 1)),
                                  toWin1250(cell(functions_, row, 2))});
    o.intoNewDocument = intoNew_->isChecked();
    o.elementComments = box(QStringLiteral("ElementComments"))->isChecked();
    o.separatorLines = box(QStringLiteral("SeparatorLines"))->isChecked();
    return o;
}

void ClassWizardDialog::finish() {
    const ClassWizardOptions o = options();
    const std::vector<std::string> lines = classWizardLines(o);
    accept();
    if (o.intoNewDocument) {
        if (intoNewDocument) intoNewDocument(lines);
    } else if (insertLine) {
        for (const std::string& line : lines)
            insertLine(line);
    }
}

void ClassWizardDialog::addGridRow(QTableWidget* grid) {
    // The title row counts: at most kWizardGridMaxRows data rows.
    if (grid->rowCount() + 1 <= kWizardGridMaxRows) grid->insertRow(grid->rowCount());
}

void ClassWizardDialog::removeGridRow(QTableWidget* grid) {
    if (grid->rowCount() >= 2) grid->removeRow(grid->verticalHeader()->logicalIndex(grid->rowCount() - 1));
}

void ClassWizardDialog::clearGridRows(QTableWidget* grid) {
    grid->setRowCount(0);
    grid->setRowCount(1);
}

void ClassWizardDialog::setCommentColumn(QTableWidget* grid, bool shown) {
    grid->setColumnCount(shown ? 3 : 2);
    if (shown) grid->setHorizontalHeaderItem(2, new QTableWidgetItem(QStringLiteral("Komentarz")));
}

void ClassWizardDialog::chooseVariables() {
    if (!box(QStringLiteral("Variables"))->isChecked()) {
        prompts_.message(QStringLiteral("Tworzona przez Ciebie klasa, nie ma zmiennych!"));
        return;
    }
    QStringList available;
    for (int row : shownRows(variables_)) {
        const QString name = cell(variables_, row, 0);
        if (!chosenVariables_.contains(name)) available << name;
    }
    chooser_->setLists(available, chosenVariables_);
    chooser_->open();
}

} // namespace wertan
