#pragma once
// The three-lamp signal of the connection: red, yellow and green. A lamp that is off takes the
// window's button-face colour.
#include <QWidget>

namespace wertan {

class SignalLamps : public QWidget {
    Q_OBJECT
public:
    explicit SignalLamps(QWidget* parent = nullptr);
    void setLamps(bool red, bool yellow, bool green);
    bool red() const { return red_; }
    bool yellow() const { return yellow_; }
    bool green() const { return green_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool red_ = true;
    bool yellow_ = false;
    bool green_ = false;
};

} // namespace wertan
