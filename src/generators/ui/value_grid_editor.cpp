#include "generators/ui/value_grid_editor.h"

#include "text/win1250.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace wertan {

namespace {
QPushButton* gridButton(const QString& caption, const QString& hint, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint.section(QLatin1Char('|'), 0, 0));
    button->setStatusTip(hint.section(QLatin1Char('|'), 1));
    button->setAutoDefault(false);
    return button;
}
} // namespace

ValueGridEditor::ValueGridEditor(const QStringList& headers, const QString& objectName, QWidget* parent)
    : QWidget(parent), grid_(int(headers.size())) {
    table_ = new QTableWidget(1, int(headers.size()), this);
    table_->setObjectName(objectName);
    table_->setHorizontalHeaderLabels(headers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setSectionsMovable(true);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->verticalHeader()->setToolTip(QStringLiteral("Przeciągnij numer rzędu, aby przenieść rząd."));
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    table_->setTabKeyNavigation(true);
    table_->setMinimumSize(260, 150);

    add_ = gridButton(QStringLiteral("Dodaj rząd"), QStringLiteral("Dodaj rząd|Dodaje rząd do tabeli."),
                      QStringLiteral("BtnAddRow"), this);
    remove_ = gridButton(QStringLiteral("Usuń rząd"), QStringLiteral("Usuń rząd|Usuwa rząd z tabeli"),
                         QStringLiteral("BtnRemoveRow"), this);
    clear_ =
        gridButton(QStringLiteral("Wyczyść rzędy"), QStringLiteral("Wyczyść rzędy|Czyści zawartość tabeli."),
                   QStringLiteral("BtnClearRows"), this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    buttons->addWidget(clear_);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    refill();

    connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (refilling_) return;
        grid_.setCell(item->column(), item->row(), toWin1250(item->text()));
    });
    // A row dragged by its number: the model moves it and the table shows the model again.
    connect(table_->verticalHeader(), &QHeaderView::sectionMoved, this, [this](int, int from, int to) {
        grid_.moveRow(from, to);
        refill();
    });
    connect(add_, &QPushButton::clicked, this, [this] {
        if (grid_.addRow()) refill();
        emit rowsEdited();
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        grid_.removeRow();
        refill();
        emit rowsEdited();
    });
    connect(clear_, &QPushButton::clicked, this, [this] {
        grid_.clearRows();
        refill();
        emit rowsCleared();
    });
    connect(qApp, &QApplication::focusChanged, this, &ValueGridEditor::onFocusChanged);
}

std::vector<std::string> ValueGridEditor::column(int column) const {
    return grid_.column(column);
}

void ValueGridEditor::refill() {
    refilling_ = true;
    QHeaderView* header = table_->verticalHeader();
    // The header's visual order goes back to the model's order.
    {
        const QSignalBlocker blocker(header);
        for (int visual = 0; visual < header->count(); ++visual) {
            const int logical = header->logicalIndex(visual);
            if (logical != visual) header->moveSection(header->visualIndex(visual), visual);
        }
    }
    table_->setRowCount(grid_.rowCount());
    for (int row = 0; row < grid_.rowCount(); ++row)
        for (int column = 0; column < grid_.columnCount(); ++column) {
            const QString text = fromWin1250(grid_.cell(column, row));
            if (QTableWidgetItem* item = table_->item(row, column))
                item->setText(text);
            else
                table_->setItem(row, column, new QTableWidgetItem(text));
        }
    refilling_ = false;
}

void ValueGridEditor::onFocusChanged(QWidget* old, QWidget* now) {
    auto inTable = [this](QWidget* w) { return w && (w == table_ || table_->isAncestorOf(w)); };
    // Only a move to another control of the same dialog counts, not a switch to another window.
    if (inTable(old) && now && !inTable(now) && now->window() == window()) emit rowsEdited();
}

} // namespace wertan
