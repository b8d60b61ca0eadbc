#include "ftp/ui/signal_lamps.h"

#include <QPainter>

namespace wertan {

SignalLamps::SignalLamps(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Signal"));
    setToolTip(QStringLiteral("Sygnalizator przedstawiający aktualny stan połącznia."));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void SignalLamps::setLamps(bool red, bool yellow, bool green) {
    red_ = red;
    yellow_ = yellow;
    green_ = green;
    update();
}

QSize SignalLamps::sizeHint() const {
    return {26, 70};
}

void SignalLamps::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(60, 60, 60));
    p.drawRoundedRect(QRectF(0.5, 0.5, width() - 1, height() - 1), 5, 5);
    const QColor off = palette().color(QPalette::Button);
    const QColor colours[3] = {red_ ? QColor(230, 30, 30) : off, yellow_ ? QColor(250, 210, 20) : off,
                               green_ ? QColor(30, 200, 60) : off};
    const qreal d = std::min(width() - 8.0, (height() - 12.0) / 3.0);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(colours[i]);
        p.drawEllipse(QRectF((width() - d) / 2, 4 + i * (d + 2), d, d));
    }
}

} // namespace wertan
