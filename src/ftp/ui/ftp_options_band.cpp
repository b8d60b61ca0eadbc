#include "ftp/ui/ftp_options_band.h"

#include <QFrame>
#include <QToolButton>
#include <QVBoxLayout>

namespace wertan {

FtpOptionsBand::FtpOptionsBand(const QString& caption, bool expanded, QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    heading_ = new QToolButton(this);
    heading_->setText(caption);
    heading_->setCheckable(true);
    heading_->setAutoRaise(true);
    heading_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    body_ = new QFrame(this);
    body_->setFrameShape(QFrame::StyledPanel);
    column->addWidget(heading_);
    column->addWidget(body_);
    connect(heading_, &QToolButton::toggled, this, [this](bool on) { setExpanded(on); });
    heading_->setChecked(expanded);
    setExpanded(expanded);
}

bool FtpOptionsBand::expanded() const {
    return heading_->isChecked();
}

void FtpOptionsBand::setExpanded(bool on) {
    heading_->setChecked(on);
    heading_->setArrowType(on ? Qt::DownArrow : Qt::RightArrow);
    body_->setVisible(on);
}

} // namespace wertan
