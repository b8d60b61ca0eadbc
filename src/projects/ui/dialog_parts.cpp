#include "projects/ui/dialog_parts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace wertan::projects_ui {

void setHint(QWidget* widget, const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    widget->setToolTip(bar < 0 ? hint : hint.left(bar));
    widget->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

QPushButton* button(const QString& caption, const char* name, const QString& hint, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    if (!hint.isEmpty()) setHint(b, hint);
    return b;
}

QWidget* redNote(const QString& text, QWidget* parent) {
    auto* note = new QWidget(parent);
    note->setObjectName(QStringLiteral("RedNote"));
    auto* column = new QVBoxLayout(note);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    auto* heading = new QLabel(QStringLiteral("UWAGA!"), note);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* body = new QLabel(text, note);
    body->setObjectName(QStringLiteral("LabelNote"));
    for (QLabel* label : {heading, body}) {
        QPalette red = label->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        label->setPalette(red);
        column->addWidget(label);
    }
    return note;
}

} // namespace wertan::projects_ui
