#include "catalogue/ui/functions_window.h"

#include "platform/program_paths.h"
#include "platform/prompts.h"
#include "text/win1250.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

namespace wertan {

namespace {
QString text(const std::string& win1250) {
    return fromWin1250(win1250);
}

void setBold(QPushButton* button, bool bold) {
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
}
} // namespace

FunctionsWindow::FunctionsWindow(const ProgramPaths& paths, Prompts& prompts, QStringList& completionEntries,
                                 std::function<void(const QString&)> insertText, QWidget* dockingArea,
                                 QWidget* owner)
    : DockableToolWindow(QStringLiteral("Funkcje"), dockingArea, owner), paths_(paths), prompts_(prompts),
      completion_(completionEntries), insertText_(std::move(insertText)) {
    setObjectName(QStringLiteral("FunctionsWindow"));

    // The toggles read as a sample of the inserted form: funkcja(int liczba, string wyraz);
    auto* sample = new QHBoxLayout;
    sample->setSpacing(0);
    auto* label = new QLabel(QStringLiteral("funkcja"), this);
    sample->addWidget(label);
    open_ = makeToggle(QStringLiteral("("), QStringLiteral("green"),
                       QStringLiteral("Dodaje nawiasy do funkcji bez parametrów."));
    parameters_ = makeToggle(QStringLiteral("int liczba, string wyraz"), QStringLiteral("red"),
                             QStringLiteral("Pokazuje i wstawia funkcje z listą parametrów."));
    close_ = makeToggle(QStringLiteral(")"), QStringLiteral("green"),
                        QStringLiteral("Dodaje nawiasy do funkcji bez parametrów."));
    semicolon_ = makeToggle(QStringLiteral(";"), QStringLiteral("navy"),
                            QStringLiteral("Dodaje średnik i przejście do nowej linii."));
    open_->setObjectName(QStringLiteral("ToggleOpenBracket"));
    parameters_->setObjectName(QStringLiteral("ToggleParameters"));
    close_->setObjectName(QStringLiteral("ToggleCloseBracket"));
    semicolon_->setObjectName(QStringLiteral("ToggleSemicolon"));
    parameters_->setChecked(true);
    for (QToolButton* toggle : {open_, parameters_, close_, semicolon_})
        sample->addWidget(toggle);
    sample->addStretch(1);
    body()->addLayout(sample);

    auto* buttons = new QHBoxLayout;
    php3_ = new QPushButton(QStringLiteral("PHP3"), this);
    php3_->setObjectName(QStringLiteral("BtnPHP3"));
    php3_->setToolTip(QStringLiteral("PHP3|Podstawowe funkcje PHP: teksty, tablice, matematyka, daty, pliki, "
                                     "wyrażenia regularne, sesje, buforowanie wyjścia."));
    php4_ = new QPushButton(QStringLiteral("PHP4"), this);
    php4_->setObjectName(QStringLiteral("BtnPHP4"));
    php4_->setToolTip(QStringLiteral("PHP4|Wszystkie funkcje zainstalowanego PHP, pogrupowane według "
                                     "rozszerzeń."));
    refresh_ = new QPushButton(QStringLiteral("Ośwież"), this);
    refresh_->setObjectName(QStringLiteral("BtnRefresh"));
    refresh_->setToolTip(QStringLiteral("Ośwież|Wczytuje ponownie bieżącą listę funkcji."));
    for (QPushButton* b : {php3_, php4_, refresh_}) {
        // The short part names the button; the tool tip and the status panel show the long part.
        const QString hint = b->toolTip();
        b->setToolTip(hint.section(QLatin1Char('|'), 1));
        b->setStatusTip(hint.section(QLatin1Char('|'), 1));
        buttons->addWidget(b);
    }
    body()->addLayout(buttons);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("TreeFunctions"));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setToolTip(QStringLiteral("Dwukrotne kliknięcie lub Enter wstawia funkcję do dokumentu."));
    body()->addWidget(tree_, 1);

    connect(php3_, &QPushButton::clicked, this, [this] { loadCatalogue(PhpVersion::Php3); });
    connect(php4_, &QPushButton::clicked, this, [this] { loadCatalogue(PhpVersion::Php4); });
    connect(refresh_, &QPushButton::clicked, this, [this] { loadCatalogue(version_); });
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { activated(item); });
}

QToolButton* FunctionsWindow::makeToggle(const QString& caption, const QString& colour, const QString& hint) {
    auto* toggle = new QToolButton(this);
    toggle->setText(caption);
    toggle->setCheckable(true);
    toggle->setAutoRaise(true);
    toggle->setToolTip(hint);
    // Grey while the mouse is over it.
    toggle->setStyleSheet(QStringLiteral("QToolButton { color: %1; padding: 1px; } "
                                         "QToolButton:hover { color: grey; }")
                              .arg(colour));
    connect(toggle, &QToolButton::clicked, this, [this, toggle] { toggled(toggle); });
    return toggle;
}

void FunctionsWindow::toggled(QToolButton* toggle) {
    // "(" and ")" are one option.
    if (toggle == open_) close_->setChecked(open_->isChecked());
    if (toggle == close_) open_->setChecked(close_->isChecked());
    options_ = options();
    loadCatalogue(version_);
}

InsertionOptions FunctionsWindow::options() const {
    return {parameters_->isChecked(), open_->isChecked(), semicolon_->isChecked()};
}

void FunctionsWindow::aboutToShow() {
    options_ = options();
}

bool FunctionsWindow::loadCatalogue(PhpVersion version) {
    version_ = version;
    setBold(php3_, version == PhpVersion::Php3);
    setBold(php4_, version == PhpVersion::Php4);
    const QString path = paths_.file(text(catalogueFile(version)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        prompts_.error(QStringLiteral("Nie można otworzyć pliku %1.\n%2").arg(path, file.errorString()));
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QByteArray bytes = file.readAll();
    const Catalogue catalogue =
        parseCatalogue(splitCatalogueLines(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
    options_ = options();

    tree_->setUpdatesEnabled(false);
    tree_->clear();
    QList<QTreeWidgetItem*> groups;
    for (const CatalogueGroup& group : catalogueTree(catalogue, options_)) {
        auto* node = new QTreeWidgetItem(QStringList(text(group.title)));
        for (const std::string& entry : group.entries) {
            auto* item = new QTreeWidgetItem(QStringList(text(entry)));
            item->setToolTip(0, item->text(0)); // long parameter lists do not fit the docked window
            node->addChild(item);
        }
        groups.append(node);
    }
    tree_->addTopLevelItems(groups);
    tree_->setUpdatesEnabled(true);

    std::vector<std::string> present;
    present.reserve(std::size_t(completion_.size()));
    for (const QString& entry : completion_)
        present.push_back(toWin1250(entry));
    completion_.clear();
    for (const std::string& entry : mergeCompletionEntries(present, catalogue))
        completion_.append(text(entry));
    QApplication::restoreOverrideCursor();
    return true;
}

void FunctionsWindow::insertEntry(const QString& shown) {
    if (insertText_) insertText_(text(insertedEntry(toWin1250(shown), options_)));
}

void FunctionsWindow::activated(QTreeWidgetItem* item) {
    // Groups open and close; entries go into the document.
    if (!item || !item->parent()) return;
    insertEntry(item->text(0));
}

} // namespace wertan
