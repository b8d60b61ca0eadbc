#pragma once
// A tool window that either floats above the main window or sits in the main window's docking
// area, filling it. Its title row carries the caption, a pin that switches between the two, and a
// close button that hides it.
#include <QPointer>
#include <QWidget>

class QLabel;
class QToolButton;
class QVBoxLayout;

namespace wertan {

class DockableToolWindow : public QWidget {
    Q_OBJECT
public:
    // dockingArea: the main window's panel (with a box layout) the window docks into; owner: the
    // window it floats above.
    DockableToolWindow(const QString& caption, QWidget* dockingArea, QWidget* owner);

    bool dockedFlag() const { return docked_; }
    bool isDocked() const;
    // The command of the window: hides it when shown; otherwise shows it, docked when the flag is
    // on and the docking area is visible, else floating.
    void toggleShown();
    // The pin: docked, the window floats at screen position 50, 80 with its present size;
    // floating, it is docked.
    void togglePin();
    void dock();
    void floatAt(const QPoint& position);

    QToolButton* pinButton() const { return pin_; }
    QToolButton* closeButton() const { return close_; }

protected:
    // Where the subclass puts its controls, below the title row.
    QVBoxLayout* body() const { return body_; }
    // Called each time the window is shown by its command.
    virtual void aboutToShow() {}

private:
    void placeFloating(const QPoint& position);

    QPointer<QWidget> area_;
    QWidget* owner_;
    bool docked_ = true;
    QLabel* title_;
    QToolButton* pin_;
    QToolButton* close_;
    QVBoxLayout* body_;
};

} // namespace wertan
