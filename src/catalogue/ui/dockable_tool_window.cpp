#include "catalogue/ui/dockable_tool_window.h"

#include <QBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace wertan {

namespace {
constexpr Qt::WindowFlags kFloating = Qt::Tool | Qt::WindowStaysOnTopHint;
}

DockableToolWindow::DockableToolWindow(const QString& caption, QWidget* dockingArea, QWidget* owner)
    : QWidget(owner, kFloating), area_(dockingArea), owner_(owner) {
    setWindowTitle(caption);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(2, 2, 2, 2);
    outer->setSpacing(2);
    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(1);
    title_ = new QLabel(caption, this);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    titleRow->addWidget(title_, 1);
    pin_ = new QToolButton(this);
    pin_->setObjectName(QStringLiteral("BtnPin"));
    pin_->setAutoRaise(true);
    pin_->setCheckable(true);
    pin_->setChecked(true);
    pin_->setIcon(style()->standardIcon(QStyle::SP_TitleBarNormalButton));
    pin_->setToolTip(QStringLiteral("Przypina okno do obszaru dokowalnego albo je odpina."));
    titleRow->addWidget(pin_);
    close_ = new QToolButton(this);
    close_->setObjectName(QStringLiteral("BtnClose"));
    close_->setAutoRaise(true);
    close_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close_->setToolTip(QStringLiteral("Zamyka okno."));
    titleRow->addWidget(close_);
    outer->addLayout(titleRow);
    body_ = new QVBoxLayout;
    body_->setSpacing(2);
    outer->addLayout(body_, 1);
    connect(pin_, &QToolButton::clicked, this, [this] { togglePin(); });
    connect(close_, &QToolButton::clicked, this, &QWidget::hide);
    resize(240, 420);
}

bool DockableToolWindow::isDocked() const {
    return area_ && parentWidget() == area_.data() && !isWindow();
}

void DockableToolWindow::toggleShown() {
    if (isVisible()) {
        hide();
        return;
    }
    aboutToShow();
    if (docked_ && area_ && area_->isVisible())
        dock();
    else if (isDocked())
        placeFloating(QPoint(50, 80)); // the docking area is hidden: float, keeping the flag
    else
        show();
    raise();
}

void DockableToolWindow::dock() {
    docked_ = true;
    pin_->setChecked(true);
    if (!area_) {
        show();
        return;
    }
    if (!isDocked()) {
        setParent(area_, Qt::Widget);
        if (auto* layout = qobject_cast<QBoxLayout*>(area_->layout())) layout->addWidget(this, 1);
    }
    show();
}

void DockableToolWindow::floatAt(const QPoint& position) {
    docked_ = false;
    pin_->setChecked(false);
    placeFloating(position);
}

void DockableToolWindow::placeFloating(const QPoint& position) {
    const QSize present = size();
    if (isDocked()) {
        if (QLayout* layout = area_->layout()) layout->removeWidget(this);
    }
    setParent(owner_, kFloating);
    resize(present);
    move(position);
    show();
}

void DockableToolWindow::togglePin() {
    if (isDocked())
        floatAt(QPoint(50, 80));
    else
        dock();
}

} // namespace wertan
