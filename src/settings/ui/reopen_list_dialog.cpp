#include "settings/ui/reopen_list_dialog.h"

#include "platform/prompts.h"
#include "settings/reopen_list.h"
#include "text/win1250.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace wertan {

namespace {
constexpr int kPathColumn = 1;
} // namespace

ReopenListDialog::ReopenListDialog(Prompts& prompts, QString listPath, QMenu* menu,
                                   std::function<void(const QString&)> openDocument, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), prompts_(prompts),
      listPath_(std::move(listPath)), menu_(menu), openDocument_(std::move(openDocument)) {
    setObjectName(QStringLiteral("FormReOpenMore"));
    setWindowTitle(QStringLiteral("Otwórz ponownie"));
    resize(460, 320);

    grid_ = new QTableWidget(1, 3, this);
    grid_->setObjectName(QStringLiteral("GridDocuments"));
    QStringList headings;
    for (const std::string& h : recentGridHeadings())
        headings << fromWin1250(h);
    grid_->setHorizontalHeaderLabels(headings);
    grid_->verticalHeader()->hide();
    grid_->setColumnWidth(0, 40);
    grid_->setColumnWidth(1, 250);
    grid_->setColumnWidth(2, 120);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows); // whole rows
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setObjectName(QStringLiteral("BtnOK"));
    open_ = new QPushButton(QStringLiteral("&Otwórz"), this);
    open_->setObjectName(QStringLiteral("BtnOpen"));
    clear_ = new QPushButton(QStringLiteral("&Wyczyść"), this);
    clear_->setObjectName(QStringLiteral("BtnClear"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear_);
    buttons->addStretch(1);
    buttons->addWidget(open_);
    buttons->addWidget(ok_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(grid_, 1);
    column->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(open_, &QPushButton::clicked, this, &ReopenListDialog::openSelected);
    connect(clear_, &QPushButton::clicked, this, &ReopenListDialog::clearList);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) { lastSelectedRow_ = row; });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        lastSelectedRow_ = row;
        const QString path = selectedPath();
        if (!path.isEmpty()) openDocument_(path);
        grid_->setFocus(); // the dialog stays open
    });
}

void ReopenListDialog::addRecentDocument(const QString& documentPath) {
    QString error;
    if (!wertan::addRecentDocument(listPath_, documentPath, currentRecentTime(), &error)) {
        prompts_.error(error);
        return;
    }
    refresh();
}

void ReopenListDialog::refresh() {
    for (QAction* item : items_) {
        menu_->removeAction(item);
        item->deleteLater();
    }
    items_.clear();
    RecentList list;
    QString error;
    if (!refreshRecentDocuments(listPath_, &list, &error)) {
        prompts_.error(error);
        return;
    }
    if (!list.fileExists) return; // the submenu keeps its fixed items and the grid stays as it was

    QAction* before = menu_->actions().value(0);
    for (const RecentMenuItem& m : recentMenuItems(list.documents)) {
        const QString path = fromWin1250(m.path);
        const QString hint = fromWin1250(m.hint);
        QString caption = path;
        caption.replace(QLatin1Char('&'), QStringLiteral("&&")); // a path shows as it is written
        auto* item = new QAction(caption, menu_);
        item->setToolTip(path);
        // The hint's long part: after the path and its bar (a path may itself hold a bar).
        item->setStatusTip(hint.mid(path.size() + 1));
        item->setData(path);
        connect(item, &QAction::triggered, this, [this, path] { openDocument_(path); });
        menu_->insertAction(before, item);
        items_ << item;
    }

    const QSignalBlocker block(grid_);
    const std::vector<RecentGridRow> rows = recentGridRows(list.documents);
    grid_->clearContents();
    grid_->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const RecentGridRow& row = rows[std::size_t(r)];
        const QString cells[] = {fromWin1250(row.number), fromWin1250(row.path), fromWin1250(row.savedAt)};
        for (int c = 0; c < 3; ++c)
            grid_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    grid_->setCurrentCell(-1, -1);
}

void ReopenListDialog::open() {
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

QString ReopenListDialog::selectedPath() const {
    if (lastSelectedRow_ < 0 || lastSelectedRow_ >= grid_->rowCount()) return {};
    const QTableWidgetItem* cell = grid_->item(lastSelectedRow_, kPathColumn);
    return cell ? cell->text() : QString();
}

void ReopenListDialog::openSelected() {
    const QString path = selectedPath();
    if (!path.isEmpty()) openDocument_(path);
    accept();
}

void ReopenListDialog::clearList() {
    QString error;
    if (!clearRecentDocuments(listPath_, &error)) {
        prompts_.error(error);
        return;
    }
    refresh();
}

} // namespace wertan
