#include "classlib/ui/class_catalogue_dialogs.h"

#include "classlib/class_installer.h"
#include "platform/prompts.h"
#include "text/document_text.h"
#include "text/win1250.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace wertan {

namespace {

enum Column { NameColumn, FileColumn, IconColumn, TypeColumn };

QString typeText(ClassType type) {
    return fromWin1250(classTypeWord(type));
}

// The "Typ" column is edited with a drop-down of the two type words.
class TypeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* box = new QComboBox(parent);
        box->addItems({typeText(ClassType::Ordinary), typeText(ClassType::Attachment)});
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* box = static_cast<QComboBox*>(editor);
        const ClassType type = classTypeFromWord(toWin1250(index.data().toString()));
        box->setCurrentIndex(type == ClassType::Attachment ? 1 : 0);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText());
    }
};

QPushButton* pushButton(const QString& text, const QString& hint, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

// The dialog's confirm and cancel buttons, at the right of their row.
QHBoxLayout* buttonRow(QPushButton* confirm, QPushButton* cancel) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(confirm);
    row->addWidget(cancel);
    return row;
}

QString homeDirectory() {
    return QDir::homePath();
}

// Chooses one file through the prompts; empty when cancelled.
QString chooseOneFile(Prompts& prompts, const QString& title, const QString& filter, const QString& current) {
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    const QFileInfo info(current.isEmpty() ? homeDirectory() : current);
    request.directory = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    const QStringList files = prompts.openFiles(request);
    return files.isEmpty() ? QString() : files.first();
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Class manager

ClassManagerDialog::ClassManagerDialog(std::vector<ClassTab>& catalogue, QString cataloguePath,
                                       Prompts& prompts, QWidget* parent)
    : QDialog(parent), cataloguePath_(std::move(cataloguePath)), prompts_(prompts), model_(catalogue) {
    setObjectName(QStringLiteral("ClassManagerDialog"));
    setWindowTitle(QStringLiteral("Zarządca klas"));
    setModal(true);

    auto* group = new QGroupBox(QStringLiteral("Zakładka:"), this);
    tabList_ = new QComboBox(group);
    tabList_->setToolTip(QStringLiteral("Wybierz zakładke klas do edycji."));
    tabList_->setMinimumWidth(260);
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(tabList_);
    groupLayout->addStretch();

    grid_ = new QTableWidget(0, 4, this);
    grid_->setToolTip(QStringLiteral("Tabela klas i ich danych."));
    grid_->setHorizontalHeaderLabels({QStringLiteral("Nazwa"), QStringLiteral("Plik główny"),
                                      QStringLiteral("Plik ikony"), QStringLiteral("Typ")});
    grid_->setItemDelegateForColumn(TypeColumn, new TypeDelegate(grid_));
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    // The row header is the narrow unnamed first column; rows are dragged to a new place by it.
    QHeaderView* rows = grid_->verticalHeader();
    rows->setSectionsMovable(true);
    rows->setFixedWidth(24);
    rows->setDefaultAlignment(Qt::AlignCenter);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setColumnWidth(NameColumn, 130);
    grid_->setColumnWidth(FileColumn, 210);
    grid_->setColumnWidth(IconColumn, 210);
    connect(rows, &QHeaderView::sectionMoved, this, &ClassManagerDialog::rowDragged);

    auto* buttonRow = new QWidget(this);
    auto* buttonLayout = new QHBoxLayout(buttonRow);
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    addClass_ =
        pushButton(QStringLiteral("&Dodaj klasę.."),
                   QStringLiteral("Dodaje nową klasę, za pomocą pliku inincującego klasy."), buttonRow);
    removeClass_ = pushButton(QStringLiteral("&Usuń klasę..."),
                              QStringLiteral("Usuwa wskazaną klasę z tabeli."), buttonRow);
    addTab_ =
        pushButton(QStringLiteral("Dodaj zakładkę"), QStringLiteral("Dodaje nową zakładke klas."), buttonRow);
    removeTab_ = pushButton(QStringLiteral("Usuń zakładkę"), QStringLiteral("Usuwa aktualną zakładkę klas."),
                            buttonRow);
    for (QPushButton* button : {addClass_, removeClass_, addTab_, removeTab_})
        buttonLayout->addWidget(button);
    buttonLayout->addStretch();

    addTabPanel_ = new QFrame(this);
    addTabPanel_->setFrameShape(QFrame::StyledPanel);
    auto* addLayout = new QHBoxLayout(addTabPanel_);
    addLayout->addWidget(new QLabel(QStringLiteral("Podaj nazwę:"), addTabPanel_));
    tabName_ = new QLineEdit(QStringLiteral("Nowa Zakładka"), addTabPanel_);
    tabName_->setToolTip(QStringLiteral("Nazwa nowej zakładki klas."));
    addLayout->addWidget(tabName_, 1);
    confirmTab_ = new QPushButton(addTabPanel_);
    confirmTab_->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    confirmTab_->setAutoDefault(false);
    cancelTab_ = new QPushButton(addTabPanel_);
    cancelTab_->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    cancelTab_->setAutoDefault(false);
    addLayout->addWidget(confirmTab_);
    addLayout->addWidget(cancelTab_);
    addTabPanel_->hide();

    removeTabPanel_ = new QFrame(this);
    removeTabPanel_->setFrameShape(QFrame::StyledPanel);
    auto* removeLayout = new QHBoxLayout(removeTabPanel_);
    removeLayout->addWidget(new QLabel(QStringLiteral("Czy na pewno?"), removeTabPanel_));
    yes_ = pushButton(QStringLiteral("Tak"), QString(), removeTabPanel_);
    no_ = pushButton(QStringLiteral("Nie"), QString(), removeTabPanel_);
    removeLayout->addWidget(yes_);
    removeLayout->addWidget(no_);
    removeLayout->addStretch();
    removeTabPanel_->hide();

    auto* bottomRow = new QWidget(this);
    auto* bottomLayout = new QHBoxLayout(bottomRow);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    ok_ = pushButton(QStringLiteral("&OK"),
                     QStringLiteral("Potwierdza wprowadzone zmiany i zapisuje dane klas"), bottomRow);
    cancel_ = pushButton(QStringLiteral("&Anuluj"),
                         QStringLiteral("Anuluje wprowadzone zmiany i zamyka okno."), bottomRow);
    bottomLayout->addStretch();
    bottomLayout->addWidget(ok_);
    bottomLayout->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(grid_, 1);
    layout->addWidget(buttonRow);
    layout->addWidget(addTabPanel_);
    layout->addWidget(removeTabPanel_);
    layout->addWidget(bottomRow);
    resize(860, 460);

    // A click on the grid, the button row, the bottom row or the tab group hides both panels.
    for (QWidget* area : {static_cast<QWidget*>(group), grid_->viewport(), buttonRow, bottomRow})
        area->installEventFilter(this);

    connect(tabList_, &QComboBox::activated, this, &ClassManagerDialog::chooseTab);
    connect(addClass_, &QPushButton::clicked, this, &ClassManagerDialog::addClass);
    connect(removeClass_, &QPushButton::clicked, this, &ClassManagerDialog::removeClass);
    connect(addTab_, &QPushButton::clicked, this, [this] {
        removeTabPanel_->hide();
        addTabPanel_->show();
        tabName_->setFocus();
        tabName_->selectAll();
    });
    connect(removeTab_, &QPushButton::clicked, this, [this] {
        addTabPanel_->hide();
        removeTabPanel_->show();
    });
    connect(confirmTab_, &QPushButton::clicked, this, &ClassManagerDialog::confirmAddTab);
    connect(tabName_, &QLineEdit::returnPressed, this, &ClassManagerDialog::confirmAddTab);
    connect(cancelTab_, &QPushButton::clicked, this, &ClassManagerDialog::hidePanels);
    connect(yes_, &QPushButton::clicked, this, &ClassManagerDialog::confirmRemoveTab);
    connect(no_, &QPushButton::clicked, this, &ClassManagerDialog::hidePanels);
    connect(ok_, &QPushButton::clicked, this, &ClassManagerDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        hidePanels();
        reject();
    });
    fillTabList();
    fillGrid();
}

bool ClassManagerDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) hidePanels();
    return QDialog::eventFilter(watched, event);
}

void ClassManagerDialog::showManager() {
    hidePanels();
    model_.reload();
    fillTabList();
    fillGrid();
    show();
    raise();
    activateWindow();
}

void ClassManagerDialog::hidePanels() {
    addTabPanel_->hide();
    removeTabPanel_->hide();
}

void ClassManagerDialog::fillTabList() {
    const QSignalBlocker blocker(tabList_);
    tabList_->clear();
    for (const ClassTab& tab : model_.tabs())
        tabList_->addItem(fromWin1250(tab.name));
    tabList_->setCurrentIndex(model_.editedTab());
}

void ClassManagerDialog::fillGrid() {
    const std::vector<CatalogueClass>& rows = model_.grid();
    grid_->setRowCount(0);
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const CatalogueClass& entry = rows[r];
        grid_->setItem(r, NameColumn, new QTableWidgetItem(fromWin1250(entry.name)));
        grid_->setItem(r, FileColumn, new QTableWidgetItem(fromWin1250(entry.file)));
        grid_->setItem(r, IconColumn, new QTableWidgetItem(fromWin1250(entry.icon)));
        grid_->setItem(r, TypeColumn, new QTableWidgetItem(typeText(entry.type)));
    }
    // Like a grid with a fixed title row, a class row is always selected.
    if (grid_->rowCount() > 0) grid_->setCurrentCell(0, NameColumn);
    // Paths are shown whole where the dialog has room for them.
    const int widths[] = {130, 210, 230};
    for (int c : {NameColumn, FileColumn, IconColumn}) {
        grid_->resizeColumnToContents(c);
        grid_->setColumnWidth(c, std::clamp(grid_->columnWidth(c), widths[c], 2 * widths[c]));
    }
}

void ClassManagerDialog::takeTable() {
    // An open cell editor hands its text over first.
    if (QWidget* editor = grid_->focusWidget(); editor && grid_->isAncestorOf(editor) && editor != grid_)
        grid_->setCurrentItem(nullptr);
    const QHeaderView* rows = grid_->verticalHeader();
    std::vector<CatalogueClass> taken;
    for (int visual = 0; visual < grid_->rowCount(); ++visual) {
        const int r = rows->logicalIndex(visual);
        auto cell = [this, r](int column) {
            const QTableWidgetItem* item = grid_->item(r, column);
            return item ? toWin1250(item->text()) : std::string();
        };
        taken.push_back(
            {cell(NameColumn), cell(FileColumn), cell(IconColumn), classTypeFromWord(cell(TypeColumn))});
    }
    model_.grid() = std::move(taken);
}

void ClassManagerDialog::chooseTab(int index) {
    hidePanels();
    takeTable();
    model_.chooseTab(index);
    fillGrid();
}

void ClassManagerDialog::addClass() {
    hidePanels();
    takeTable();
    if (!model_.addClass()) {
        if (model_.editedTab() >= 0)
            prompts_.message(
                QStringLiteral("Na jednej zakładce może być najwyżej %1 klas.").arg(kMaxClassesPerTab));
        return;
    }
    fillGrid();
    grid_->setCurrentCell(grid_->rowCount() - 1, NameColumn);
}

void ClassManagerDialog::removeClass() {
    hidePanels();
    if (grid_->rowCount() == 0) return;
    const int row = grid_->currentRow() >= 0 ? grid_->verticalHeader()->visualIndex(grid_->currentRow()) : -1;
    if (row < 0) {
        prompts_.message(QStringLiteral("Wskaż w tabeli klasę do usunięcia."));
        return;
    }
    takeTable();
    model_.removeClass(row);
    fillGrid();
    if (grid_->rowCount() > 0) grid_->setCurrentCell(std::min(row, grid_->rowCount() - 1), NameColumn);
}

void ClassManagerDialog::rowDragged(int, int oldVisual, int newVisual) {
    takeTable(); // in the new order
    // Back to a plain header; the model holds the order now.
    QHeaderView* rows = grid_->verticalHeader();
    {
        const QSignalBlocker blocker(rows);
        rows->moveSection(newVisual, oldVisual);
    }
    fillGrid();
    grid_->setCurrentCell(newVisual, NameColumn);
}

void ClassManagerDialog::confirmAddTab() {
    takeTable();
    if (!model_.addTab(toWin1250(tabName_->text()))) {
        prompts_.message(
            QStringLiteral("Nie można dodać zakładki: może ich być najwyżej %1.").arg(kMaxClassTabs));
    } else {
        fillTabList();
        fillGrid();
    }
    hidePanels();
}

void ClassManagerDialog::confirmRemoveTab() {
    hidePanels();
    if (model_.tabs().size() <= 1) {
        prompts_.message(QStringLiteral("Nie można usunąć jedynej zakładki klas."));
        return;
    }
    takeTable();
    model_.removeTab(tabList_->currentIndex());
    fillTabList();
    fillGrid();
}

void ClassManagerDialog::confirm() {
    hidePanels();
    takeTable();
    const std::string bytes = model_.confirmedCatalogue(toWin1250(cataloguePath_));
    QString error;
    if (!writeFileAtomically(cataloguePath_, bytes, &error)) {
        prompts_.error(QStringLiteral("Nie zapisano pliku klas: %1").arg(error));
        return;
    }
    accept();
}

// ---------------------------------------------------------------------------------------------
// Add-class dialog

AddClassDialog::AddClassDialog(std::vector<ClassTab>& catalogue, QString programDirectory, Prompts& prompts,
                               QWidget* parent)
    : QDialog(parent), catalogue_(catalogue), programDirectory_(std::move(programDirectory)),
      prompts_(prompts) {
    setObjectName(QStringLiteral("AddClassDialog"));
    setWindowTitle(QStringLiteral("Dodaj nową klase"));
    setModal(true);
    setWindowFlag(Qt::WindowStaysOnTopHint);

    auto* location = new QGroupBox(QStringLiteral("Lokalizacja pliku:"), this);
    file_ = new QLineEdit(location);
    file_->setMinimumWidth(320);
    auto* browse = new QToolButton(location);
    browse->setText(QStringLiteral("..."));
    browse->setToolTip(QStringLiteral("Zlokalizuj plik klasy"));
    auto* locationLayout = new QHBoxLayout(location);
    locationLayout->addWidget(file_, 1);
    locationLayout->addWidget(browse);

    auto* tabGroup = new QGroupBox(QStringLiteral("Zakładka:"), this);
    tabList_ = new QComboBox(tabGroup);
    tabList_->setToolTip(QStringLiteral("Określa na której zakładec ma zostać umieszczona wskazana klasa."));
    tabList_->setMinimumWidth(200);
    automatic_ = new QCheckBox(QStringLiteral("Umieść automatycznie."), tabGroup);
    automatic_->setChecked(true);
    automatic_->setToolTip(
        QStringLiteral("Określa czy wskazana klasa ma zostać umieszczona na zakładce określonej "
                       "w pliku, czy oreśloneg przez użytkownika."));
    tabList_->setEnabled(false);
    auto* tabLayout = new QGridLayout(tabGroup);
    tabLayout->addWidget(new QLabel(QStringLiteral("Umieść na zakładce:"), tabGroup), 0, 0);
    tabLayout->addWidget(tabList_, 0, 1);
    tabLayout->addWidget(automatic_, 1, 0, 1, 2);
    connect(automatic_, &QCheckBox::toggled, tabList_, [this](bool on) { tabList_->setEnabled(!on); });

    add_ = pushButton(QStringLiteral("&Dodaj"),
                      QStringLiteral("Dodaje klase z wskazanego pliku inincjującego."), this);
    add_->setDefault(true);
    auto* cancel = pushButton(QStringLiteral("&Anuluj"), QString(), this);
    QHBoxLayout* buttons = buttonRow(add_, cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(location);
    layout->addWidget(tabGroup);
    layout->addLayout(buttons);

    connect(browse, &QToolButton::clicked, this, &AddClassDialog::chooseFile);
    connect(add_, &QPushButton::clicked, this, &AddClassDialog::add);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void AddClassDialog::showDialog() {
    tabList_->clear();
    for (const ClassTab& tab : catalogue_)
        tabList_->addItem(fromWin1250(tab.name));
    tabList_->setCurrentIndex(tabList_->count() > 0 ? 0 : -1);
    if (file_->text().isEmpty()) file_->setText(homeDirectory() + QLatin1Char('/'));
    show();
    raise();
    activateWindow();
}

void AddClassDialog::chooseFile() {
    const QString chosen =
        chooseOneFile(prompts_, QStringLiteral("Zlokalizuj plik klasy"),
                      QStringLiteral("Pliki inicjujące klasy (*.ACLS)|*.acls"), file_->text());
    if (!chosen.isEmpty()) file_->setText(chosen);
}

void AddClassDialog::add() {
    std::optional<int> chosen;
    if (!automatic_->isChecked()) chosen = tabList_->currentIndex();
    const AddClassOutcome outcome =
        addClassFromInitFile(catalogue_, programDirectory_, file_->text(), chosen);
    if (!outcome.ok) {
        prompts_.error(outcome.error);
        return;
    }
    if (outcome.tabCreated)
        prompts_.message(QStringLiteral("W katalogu klas nie było zakładki \"%1\"; została dodana.")
                             .arg(fromWin1250(catalogue_[outcome.tab].name)));
    accept();
}

// ---------------------------------------------------------------------------------------------
// Create-init-file dialog

CreateInitFileDialog::CreateInitFileDialog(Prompts& prompts,
                                           std::function<bool(const QString&, const QString&)> addToProject,
                                           QWidget* parent)
    : QDialog(parent), prompts_(prompts), addToProject_(std::move(addToProject)) {
    setObjectName(QStringLiteral("CreateInitFileDialog"));
    setWindowTitle(QStringLiteral("Utwórz plik inincjujący klase"));
    setModal(true);

    type_ = new QComboBox(this);
    type_->addItems({typeText(ClassType::Ordinary), typeText(ClassType::Attachment)});
    name_ = new QLineEdit(QStringLiteral("Nowa klasa"), this);
    tab_ = new QComboBox(this);
    tab_->setEditable(true);
    tab_->addItem(QStringLiteral("Główna"));
    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("Typ pliku:"), type_);
    top->addRow(QStringLiteral("Nazwa klasy:"), name_);
    top->addRow(QStringLiteral("Zakładka:"), tab_);

    auto withBrowse = [this](QLineEdit* input, void (CreateInitFileDialog::*choose)()) {
        auto* row = new QHBoxLayout;
        auto* browse = new QToolButton(this);
        browse->setText(QStringLiteral("..."));
        connect(browse, &QToolButton::clicked, this, choose);
        row->addWidget(input, 1);
        row->addWidget(browse);
        return row;
    };
    auto* files = new QGroupBox(QStringLiteral("Pliki nowej klasy"), this);
    picture_ = new QLineEdit(homeDirectory() + QLatin1Char('/'), files);
    template_ = new QLineEdit(homeDirectory() + QLatin1Char('/'), files);
    picture_->setMinimumWidth(320);
    auto* filesLayout = new QFormLayout(files);
    filesLayout->addRow(QStringLiteral("Ikona:"), withBrowse(picture_, &CreateInitFileDialog::choosePicture));
    filesLayout->addRow(QStringLiteral("Główny:"),
                        withBrowse(template_, &CreateInitFileDialog::chooseTemplate));

    auto* targetGroup = new QGroupBox(QStringLiteral("Katalog docelowy:"), this);
    target_ = new QLineEdit(homeDirectory(), targetGroup);
    auto* targetLayout = new QVBoxLayout(targetGroup);
    targetLayout->addLayout(withBrowse(target_, &CreateInitFileDialog::chooseTarget));

    ok_ = pushButton(QStringLiteral("&OK"),
                     QStringLiteral("Potwierdza wprowadzone zmiany i tworzy plik inincjujący."), this);
    ok_->setDefault(true);
    auto* cancel = pushButton(QStringLiteral("&Anuluj"), QString(), this);
    QHBoxLayout* buttons = buttonRow(ok_, cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(files);
    layout->addWidget(targetGroup);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &CreateInitFileDialog::create);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CreateInitFileDialog::showDialog() {
    show();
    raise();
    activateWindow();
}

void CreateInitFileDialog::choosePicture() {
    const QString chosen =
        chooseOneFile(prompts_, QString(), QStringLiteral("Plik bitmapy (*.BMP)|*.bmp"), picture_->text());
    if (!chosen.isEmpty()) picture_->setText(chosen);
}

void CreateInitFileDialog::chooseTemplate() {
    // The library's templates are .php files; the older extensions are offered too.
    const QString chosen = chooseOneFile(
        prompts_, QString(),
        QStringLiteral("Pliki PHP (*.PHP)|*.php|Pliki PHP3 (*.PHP3)|*.php3|Pliki załączników (*.INC)|*.inc"),
        template_->text());
    if (!chosen.isEmpty()) template_->setText(chosen);
}

void CreateInitFileDialog::chooseTarget() {
    const QString chosen = prompts_.chooseFolder(QStringLiteral("Katalog docelowy"), target_->text());
    if (!chosen.isEmpty()) target_->setText(chosen);
}

void CreateInitFileDialog::create() {
    InitFileRequest request;
    request.type = type_->currentIndex() == 1 ? ClassType::Attachment : ClassType::Ordinary;
    request.className = name_->text();
    request.tab = tab_->currentText();
    request.picture = picture_->text();
    request.templateFile = template_->text();
    request.target = target_->text();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    InitFileOutcome outcome;
    try {
        outcome = createClassInitFile(request, addToProject_);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    if (!outcome.ok) {
        // The dialog stays open so that the user can correct the inputs.
        prompts_.error(outcome.error);
        return;
    }
    accept();
}

} // namespace wertan
