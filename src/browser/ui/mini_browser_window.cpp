#include "browser/ui/mini_browser_window.h"

#include "browser/help_pages.h"
#include "browser/ui/browser_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QHash>
#include <QMenu>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace wertan {

QString programPageAddress(const ProgramPaths& paths, const QString& relativePage) {
    return addressText(QUrl::fromLocalFile(paths.file(relativePage)));
}

MiniBrowserWindow::MiniBrowserWindow(ProgramPaths paths, QWidget* parent)
    : QWidget(parent, Qt::Tool), paths_(std::move(paths)) {
    setObjectName(QStringLiteral("FormMiniBroserw"));
    setWindowTitle(QStringLiteral("Mini Przeglądarka"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    frame_ = new BrowserFrame(BrowserFrame::Layout::Mini, this);
    column->addWidget(frame_);
    links_ = new QMenu(this);
    links_->setObjectName(QStringLiteral("PopupMenuHelpLinks"));
    buildLinkMenu();
    QToolButton* help = frame_->helpButton();
    help->setMenu(links_);
    help->setPopupMode(QToolButton::MenuButtonPopup);
    resize(420, 480);
}

void MiniBrowserWindow::buildLinkMenu() {
    QHash<QString, QMenu*> submenus;
    submenus.insert(QString(), links_);
    // The submenu of a path, made (with its parents) the first time it is named.
    std::function<QMenu*(const QString&)> menuOf = [&](const QString& path) -> QMenu* {
        if (QMenu* m = submenus.value(path)) return m;
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        QMenu* parentMenu = menuOf(slash < 0 ? QString() : path.left(slash));
        QMenu* m = parentMenu->addMenu(slash < 0 ? path : path.mid(slash + 1));
        submenus.insert(path, m);
        return m;
    };
    for (const HelpLink& link : helpLinks()) {
        QMenu* target = menuOf(link.menuPath);
        if (link.isSeparator()) {
            target->addSeparator();
            continue;
        }
        // The main window's F1 and Shift+F1 take the keys; the menu shows them as text.
        QAction* item = target->addAction(
            link.shortcut.isEmpty() ? link.caption : link.caption + QLatin1Char('\t') + link.shortcut);
        item->setStatusTip(link.hint);
        item->setData(link.page);
        const QString page = link.page;
        connect(item, &QAction::triggered, this, [this, page] { showProgramPage(page); });
    }
}

void MiniBrowserWindow::showProgramPage(const QString& relativePage) {
    frame_->navigateTo(programPageAddress(paths_, relativePage));
}

void MiniBrowserWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

} // namespace wertan
