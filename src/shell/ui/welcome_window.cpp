#include "shell/ui/welcome_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace wertan {

WelcomeWindow::WelcomeWindow(QWidget* parent)
    : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FormWelcome"));
    setFixedSize(529, 339);
    // The picture sits in a raised double border.
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setMidLineWidth(2);
    auto* date = new QLabel(QStringLiteral("Styczeń 2001"), this);
    date->setObjectName(QStringLiteral("LabelDate"));
    date->setStyleSheet(QStringLiteral("color: white; font-weight: bold; background: transparent;"));
    date->adjustSize();
    date->move(width() - date->width() - 16, height() - date->height() - 12);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void WelcomeWindow::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect area = contentsRect();
    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0.0, QColor(24, 40, 92));
    sky.setColorAt(0.6, QColor(54, 92, 160));
    sky.setColorAt(1.0, QColor(120, 40, 110));
    p.fillRect(area, sky);
    p.setRenderHint(QPainter::Antialiasing);
    // A few code-like strokes behind the title.
    p.setPen(QPen(QColor(255, 255, 255, 40), 6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 9; ++i) {
        const int y = area.top() + 40 + i * 28;
        p.drawLine(area.left() + 30 + (i % 3) * 24, y, area.left() + 140 + ((i * 37) % 180), y);
    }
    QFont title = font();
    title.setPixelSize(56);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(area.adjusted(0, -30, 0, 0), Qt::AlignCenter, QStringLiteral("Wertan PHP"));
    QFont sub = font();
    sub.setPixelSize(16);
    p.setFont(sub);
    p.setPen(QColor(220, 230, 255));
    p.drawText(area.adjusted(0, 70, 0, 0), Qt::AlignCenter,
               QStringLiteral("Środowisko tworzenia stron w PHP"));
    QFrame::paintEvent(event);
}

} // namespace wertan

namespace wertan {

void WelcomeAwarePrompts::closeWelcome() {
    if (welcome_ && welcome_->isVisible()) welcome_->close();
}

void WelcomeAwarePrompts::message(const QString& text) {
    closeWelcome();
    inner_.message(text);
}

void WelcomeAwarePrompts::error(const QString& text) {
    closeWelcome();
    inner_.error(text);
}

Answer WelcomeAwarePrompts::confirm(const QString& text, Buttons buttons) {
    closeWelcome();
    return inner_.confirm(text, buttons);
}

QStringList WelcomeAwarePrompts::openFiles(const FileDialogRequest& request) {
    closeWelcome();
    return inner_.openFiles(request);
}

QString WelcomeAwarePrompts::saveFile(const FileDialogRequest& request) {
    closeWelcome();
    return inner_.saveFile(request);
}

QString WelcomeAwarePrompts::chooseFolder(const QString& title, const QString& start) {
    closeWelcome();
    return inner_.chooseFolder(title, start);
}

std::optional<QString> WelcomeAwarePrompts::inputText(const QString& title, const QString& prompt,
                                                      const QString& initial) {
    closeWelcome();
    return inner_.inputText(title, prompt, initial);
}

std::optional<std::uint32_t> WelcomeAwarePrompts::chooseColor(std::uint32_t initial) {
    closeWelcome();
    return inner_.chooseColor(initial);
}

std::optional<FontChoice> WelcomeAwarePrompts::chooseFont(const FontChoice& initial) {
    closeWelcome();
    return inner_.chooseFont(initial);
}

} // namespace wertan
