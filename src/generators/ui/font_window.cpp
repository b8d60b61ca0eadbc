#include "generators/ui/font_window.h"

#include "generators/ui/dialog_fields.h"
#include "platform/prompts.h"
#include "text/win1250.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace wertan {

namespace {

QColor qtColour(std::uint32_t colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QIcon colourIcon(std::uint32_t colour) {
    QPixmap pixmap(16, 12);
    pixmap.fill(qtColour(colour));
    return QIcon(pixmap);
}

constexpr Qt::WindowFlags kPanelFlags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
constexpr Qt::WindowFlags kToolFlags = Qt::Tool | Qt::WindowStaysOnTopHint;

} // namespace

FontWindow::FontWindow(GeneratorOutput output, Prompts& prompts, QWidget* parent)
    : QFrame(parent, kPanelFlags), output_(std::move(output)), prompts_(prompts) {
    setObjectName(QStringLiteral("FormHTML_Font"));
    setWindowTitle(QStringLiteral("Wstaw czcionkę"));

    face_ = makeComboBox(QStringLiteral("ComboBoxFont"), QFontDatabase::families(), true, this);
    face_->setCurrentIndex(-1);
    face_->setEditText(QString());
    face_->setMinimumWidth(200);

    basic_ = new QComboBox(this);
    basic_->setObjectName(QStringLiteral("ColorComboBoxStandart"));
    for (const BasicColour& colour : kBasicColours)
        basic_->addItem(colourIcon(colour.colour), QString::fromLatin1(colour.name));
    basic_->setCurrentIndex(0);

    extra_ = new QPushButton(QStringLiteral("Dodatkowy..."), this);
    extra_->setObjectName(QStringLiteral("ColorPickerButtonFont"));
    extra_->setCheckable(true); // checked while the swatch is the colour source
    extra_->setAutoDefault(false);
    paintSwatch();

    QStringList modes;
    for (const char* mode : kFontSizeModes)
        modes << fromWin1250(mode);
    sizeMode_ = makeComboBox(QStringLiteral("ComboBoxChangeSize"), modes, false, this);
    sizeMode_->setCurrentIndex(1);
    size_ = new QSpinBox(this);
    size_->setObjectName(QStringLiteral("SpinEditSize"));
    size_->setRange(1, 7);
    size_->setValue(7);
    baseFont_ = new QCheckBox(QStringLiteral("Jako czionkę bazowa"), this);
    baseFont_->setObjectName(QStringLiteral("CheckBoxBased"));

    insert_ = new QPushButton(QStringLiteral("Wstaw"), this);
    insert_->setObjectName(QStringLiteral("BtnInsert"));
    insert_->setDefault(true);
    close_ = new QToolButton(this);
    close_->setObjectName(QStringLiteral("BtnClose"));
    close_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close_->setToolTip(QStringLiteral("Zamyka okno."));
    close_->setAutoRaise(true);
    switch_ = new QToolButton(this);
    switch_->setObjectName(QStringLiteral("BtnSwitchPresentation"));
    switch_->setIcon(style()->standardIcon(QStyle::SP_TitleBarNormalButton));
    switch_->setAutoRaise(true);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Wybierz czionke:"), this));
    top->addStretch(1);
    top->addWidget(switch_);
    top->addWidget(close_);

    auto* colourGroup = new QGroupBox(QStringLiteral("Określ kolor:"), this);
    auto* colourForm = new QFormLayout(colourGroup);
    colourForm->addRow(QStringLiteral("Podstawowy HTML:"), basic_);
    colourForm->addRow(QString(), extra_);

    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(new QLabel(QStringLiteral("Rozmiar:"), this));
    sizeRow->addWidget(sizeMode_, 1);
    sizeRow->addWidget(size_);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(baseFont_);
    bottom->addStretch(1);
    bottom->addWidget(insert_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(face_);
    layout->addWidget(colourGroup);
    layout->addLayout(sizeRow);
    layout->addLayout(bottom);

    connect(basic_, &QComboBox::currentIndexChanged, this, [this] {
        fromSwatch_ = false;
        extra_->setChecked(false);
    });
    connect(extra_, &QPushButton::clicked, this, &FontWindow::chooseExtraColour);
    connect(insert_, &QPushButton::clicked, this, &FontWindow::insertFont);
    connect(close_, &QToolButton::clicked, this, &QWidget::close);
    connect(switch_, &QToolButton::clicked, this, &FontWindow::switchPresentation);
    applyPresentation();
}

void FontWindow::applyPresentation() {
    setFrameStyle(panel_ ? QFrame::Panel | QFrame::Raised : QFrame::NoFrame);
    setLineWidth(panel_ ? 2 : 0);
    close_->setVisible(panel_);
    switch_->setToolTip(panel_ ? QStringLiteral("Zmienia panel w okno narzędziowe.")
                               : QStringLiteral("Zmienia okno narzędziowe w panel."));
}

void FontWindow::showBelow(QWidget* anchor) {
    if (panel_ && anchor) move(anchor->mapToGlobal(QPoint(0, anchor->height())));
    show();
    raise();
    activateWindow();
}

void FontWindow::switchPresentation() {
    const bool shown = isVisible();
    const QPoint where = pos();
    panel_ = !panel_;
    setWindowFlags(panel_ ? kPanelFlags : kToolFlags);
    applyPresentation();
    move(where);
    if (shown) show();
}

FontOptions FontWindow::options() const {
    FontOptions o;
    o.face = toWin1250(face_->currentText());
    o.colourFromSwatch = fromSwatch_;
    o.swatchColour = swatchColour_;
    o.basicColour = toWin1250(basic_->currentText());
    o.sizeMode = toWin1250(sizeMode_->currentText());
    o.size = size_->value();
    o.baseFont = baseFont_->isChecked();
    return o;
}

void FontWindow::insertFont() {
    output_.text(fontText(options(), output_.lower()));
    if (panel_) close();
}

void FontWindow::chooseExtraColour() {
    const std::optional<std::uint32_t> colour = prompts_.chooseColor(swatchColour_);
    if (colour) {
        swatchColour_ = *colour & 0xFFFFFF;
        fromSwatch_ = true;
        paintSwatch();
    }
    extra_->setChecked(fromSwatch_);
}

void FontWindow::paintSwatch() {
    extra_->setIcon(colourIcon(swatchColour_));
}

} // namespace wertan
