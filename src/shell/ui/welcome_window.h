#pragma once
// The welcome window shown while the program starts: borderless, on top, centred, 529 by 339.
#include <QFrame>

namespace wertan {

class WelcomeWindow : public QFrame {
    Q_OBJECT
public:
    explicit WelcomeWindow(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace wertan
