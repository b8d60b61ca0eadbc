#include "shell/ui/docking.h"

#include "shell/ui/main_window.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace wertan {

namespace {

// The caption and frame around a docked window. It follows the window: hidden when the window is
// hidden (closed), shown when the window is shown.
class DockHolder : public QFrame {
public:
    DockHolder(MainWindow& main, QWidget* window) : QFrame(main.dockingArea()), main_(main), window_(window) {
        setObjectName(QStringLiteral("DockHolder_") + window->objectName());
        setFrameShape(QFrame::StyledPanel);
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(1, 1, 1, 1);
        column->setSpacing(0);
        auto* caption = new QWidget(this);
        caption->setAutoFillBackground(true);
        caption->setBackgroundRole(QPalette::Mid);
        auto* row = new QHBoxLayout(caption);
        row->setContentsMargins(4, 1, 1, 1);
        title_ = new QLabel(window->windowTitle(), caption);
        row->addWidget(title_, 1);
        auto* undock = new QToolButton(caption);
        undock->setObjectName(QStringLiteral("BtnFloat"));
        undock->setAutoRaise(true);
        undock->setIcon(style()->standardIcon(QStyle::SP_TitleBarNormalButton));
        undock->setToolTip(QStringLiteral("Odłącz okno od obszaru dokowalnego"));
        auto* close = new QToolButton(caption);
        close->setObjectName(QStringLiteral("BtnClose"));
        close->setAutoRaise(true);
        close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
        close->setToolTip(QStringLiteral("Zamknij"));
        row->addWidget(undock);
        row->addWidget(close);
        column->addWidget(caption);
        window->setParent(this, Qt::Widget);
        column->addWidget(window, 1);
        window->installEventFilter(this);
        connect(undock, &QToolButton::clicked, this, [this] { floatWindow(main_, window_); });
        connect(close, &QToolButton::clicked, window, &QWidget::close);
    }

    QWidget* window() const { return window_; }

    // The window leaves; the holder goes away after it.
    void release() {
        window_->removeEventFilter(this);
        layout()->removeWidget(window_);
        hide();
        deleteLater();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_) {
            if (event->type() == QEvent::HideToParent) hide();
            if (event->type() == QEvent::ShowToParent) show();
            if (event->type() == QEvent::WindowTitleChange) title_->setText(window_->windowTitle());
        }
        return QFrame::eventFilter(watched, event);
    }

private:
    MainWindow& main_;
    QWidget* window_;
    QLabel* title_;
};

DockHolder* holderOf(const QWidget* window) {
    return dynamic_cast<DockHolder*>(window->parentWidget());
}

} // namespace

bool isDocked(const QWidget* window) {
    return holderOf(window) != nullptr;
}

void dockWindow(MainWindow& main, QWidget* window) {
    if (!isDocked(window)) {
        auto* holder = new DockHolder(main, window);
        static_cast<QVBoxLayout*>(main.dockingArea()->layout())->addWidget(holder, 1);
    }
    holderOf(window)->show();
    window->show();
}

void floatWindow(MainWindow& main, QWidget* window) {
    if (DockHolder* holder = holderOf(window)) {
        const QPoint at = holder->mapToGlobal(QPoint(0, 0));
        holder->release();
        window->setParent(&main, Qt::Tool);
        window->move(at);
    }
    window->show();
    window->raise();
}

} // namespace wertan
