#include "editor/ui/editor_options_dialog.h"

#include "editor/ui/code_editor.h"
#include "editor/ui/colouring_component.h"
#include "editor/ui/colours.h"
#include "platform/prompts.h"
#include "text/win1250.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace wertan {

// ---- ColourSwatch --------------------------------------------------------------------------

ColourSwatch::ColourSwatch(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setFixedSize(48, 20);
    setCursor(Qt::PointingHandCursor);
}

void ColourSwatch::setColour(ColourNumber colour) {
    colour_ = colour;
    update();
}

void ColourSwatch::mousePressEvent(QMouseEvent*) {
    if (isEnabled()) emit clicked();
}

void ColourSwatch::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inner = contentsRect().adjusted(2, 2, -2, -2);
    if (colour_ == kNoColour) {
        // No colour of its own: an empty field with a diagonal.
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(inner.bottomLeft(), inner.topRight());
        return;
    }
    painter.fillRect(inner, isEnabled() ? colourFromNumber(colour_) : palette().color(QPalette::Button));
}

// ---- OptionsBand ---------------------------------------------------------------------------

OptionsBand::OptionsBand(const QString& title, QWidget* content, QWidget* parent)
    : QWidget(parent), header_(new QToolButton(this)), content_(content) {
    header_->setText(title);
    header_->setCheckable(true);
    header_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    header_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    header_->setAutoRaise(true);
    QFont bold = header_->font();
    bold.setBold(true);
    header_->setFont(bold);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(header_);
    layout->addWidget(content_);
    connect(header_, &QToolButton::toggled, this, [this](bool on) {
        header_->setArrowType(on ? Qt::DownArrow : Qt::RightArrow);
        content_->setVisible(on);
        if (on) emit expanded();
    });
    setExpanded(false);
    header_->setArrowType(Qt::RightArrow);
}

bool OptionsBand::isExpanded() const {
    return header_->isChecked();
}

void OptionsBand::setExpanded(bool expanded) {
    if (header_->isChecked() == expanded) {
        content_->setVisible(expanded);
        if (expanded) emit this->expanded();
        return;
    }
    header_->setChecked(expanded);
}

// ---- EditorOptionsDialog -------------------------------------------------------------------------

namespace {

// The dialog's size when the screen has room for it.
constexpr int kPreferredWidth = 500;
constexpr int kPreferredHeight = 800;

QSpinBox* numberField(int minimum, int maximum, const QString& name) {
    auto* spin = new QSpinBox;
    spin->setRange(minimum, maximum);
    spin->setObjectName(name);
    spin->setKeyboardTracking(false);
    return spin;
}

QCheckBox* checkField(const QString& text, const QString& name) {
    auto* check = new QCheckBox(text);
    check->setObjectName(name);
    return check;
}

ColourSwatch* swatchField(const QString& name) {
    auto* swatch = new ColourSwatch;
    swatch->setObjectName(name);
    return swatch;
}

QWidget* withSuffix(QWidget* field, const QString& suffix) {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(field);
    row->addWidget(new QLabel(suffix));
    row->addStretch();
    return box;
}

} // namespace

EditorOptionsDialog::EditorOptionsDialog(EditorOptions& options,
                                         const std::array<ColouringComponent*, 6>& components,
                                         Prompts& prompts, QWidget* parent)
    : QDialog(parent), options_(options), components_(components), prompts_(prompts) {
    setObjectName(QStringLiteral("FormEditOpts"));
    setWindowTitle(QStringLiteral("Właściwości edytora"));
    setModal(true);

    auto* inner = new QWidget;
    auto* bandsLayout = new QVBoxLayout(inner);
    bandsLayout->setContentsMargins(6, 6, 6, 6);
    const std::array<std::pair<QString, QWidget*>, 6> bands{{
        {QStringLiteral("Czcionka"), buildFontBand()},
        {QStringLiteral("Wyświetlaj"), buildDisplayBand()},
        {QStringLiteral("Edycja"), buildEditingBand()},
        {QStringLiteral("Rynna"), buildGutterBand()},
        {QStringLiteral("Podświetlanie składni"), buildColouringBand()},
        {QStringLiteral("Podgląd - Edytora"), buildPreviewBand()},
    }};
    for (std::size_t i = 0; i < bands.size(); ++i) {
        bands_[i] = new OptionsBand(bands[i].first, bands[i].second, inner);
        bandsLayout->addWidget(bands_[i]);
    }
    bandsLayout->addStretch();
    // Expanding a band shows its fields as the template holds them.
    connect(bands_[0], &OptionsBand::expanded, this, &EditorOptionsDialog::refreshFontFields);
    connect(bands_[1], &OptionsBand::expanded, this, &EditorOptionsDialog::refreshDisplayFields);
    connect(bands_[2], &OptionsBand::expanded, this, &EditorOptionsDialog::refreshEditingFields);
    connect(bands_[3], &OptionsBand::expanded, this, &EditorOptionsDialog::refreshGutterFields);

    auto* scroll = new QScrollArea;
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    auto* buttons = new QDialogButtonBox;
    auto* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ok->setDefault(true);
    auto* cancel = buttons->addButton(QStringLiteral("&Anuluj"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("BtnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    resize(kPreferredWidth, kPreferredHeight);

    preview_->setOptions(options_);
    setSampleFont();
}

EditorOptionsDialog::~EditorOptionsDialog() = default;

QString EditorOptionsDialog::sampleText() {
    return QStringLiteral("// Przykladowy komentarz.\n"
                          "\n"
                          "To pole tekstowe jest podgladem, konfiguracji wszystkich pól edycji \n"
                          "w programie Wertan PHP.\n"
                          "\n"
                          "Zmiany, które wprowadzisz do wlasciwosci edytora, beda zastosowane,\n"
                          "do wszystkich aktualnie edytowanych dokumentów. ");
}

QWidget* EditorOptionsDialog::buildFontBand() {
    auto* box = new QWidget;
    auto* form = new QFormLayout(box);
    fontName_ = new QLineEdit(QStringLiteral("(Brak danych)"));
    fontName_->setObjectName(QStringLiteral("EditFontName"));
    fontName_->setReadOnly(true);
    fontSize_ = numberField(1, 300, QStringLiteral("EditFontSize"));
    chooseFont_ = new QPushButton(QStringLiteral("&Wybierz czcionkę..."));
    chooseFont_->setObjectName(QStringLiteral("BtnChooseFont"));
    sample_ = new QLabel(QStringLiteral("AaBbCcDdEe 012345678 $%#"));
    sample_->setObjectName(QStringLiteral("LabelSample"));
    sample_->setFrameShape(QFrame::StyledPanel);
    sample_->setMinimumHeight(34);
    form->addRow(QStringLiteral("Nazwa:"), fontName_);
    form->addRow(QStringLiteral("Wielkość:"), fontSize_);
    form->addRow(QString(), chooseFont_);
    form->addRow(QStringLiteral("Podgląd:"), sample_);
    connect(chooseFont_, &QPushButton::clicked, this, &EditorOptionsDialog::chooseFont);
    connect(fontSize_, &QSpinBox::valueChanged, this, [this](int points) {
        if (filling_) return;
        options_.font.setPointSize(points);
        applyToTemplate();
        setSampleFont();
    });
    return box;
}

QWidget* EditorOptionsDialog::buildDisplayBand() {
    auto* box = new QWidget;
    auto* form = new QFormLayout(box);
    lineSpacing_ =
        numberField(kLineSpacingRange.minimum, kLineSpacingRange.maximum, QStringLiteral("EditLineSpacing"));
    background_ = swatchField(QStringLiteral("SwatchBackground"));
    rightEdge_ =
        numberField(kRightEdgeRange.minimum, kRightEdgeRange.maximum, QStringLiteral("EditRightEdge"));
    rightEdgeColour_ = swatchField(QStringLiteral("SwatchRightEdge"));
    form->addRow(QStringLiteral("Pionowy odstęp pomiędzy liniami tekstu:"),
                 withSuffix(lineSpacing_, QStringLiteral("piks.")));
    form->addRow(QStringLiteral("Kolor tła edytora:"), background_);
    form->addRow(QStringLiteral("Pozycja prawej linii:"), rightEdge_);
    form->addRow(QStringLiteral("Kolor prawej linii:"), rightEdgeColour_);
    connect(lineSpacing_, &QSpinBox::valueChanged, this, [this](int v) {
        if (filling_) return;
        options_.extraLineSpacing = v;
        applyToTemplate();
    });
    connect(rightEdge_, &QSpinBox::valueChanged, this, [this](int v) {
        if (filling_) return;
        options_.rightEdge = v;
        applyToTemplate();
    });
    connect(background_, &ColourSwatch::clicked, this,
            [this] { chooseColour(background_, &EditorOptions::colour); });
    connect(rightEdgeColour_, &ColourSwatch::clicked, this,
            [this] { chooseColour(rightEdgeColour_, &EditorOptions::rightEdgeColour); });
    return box;
}

QWidget* EditorOptionsDialog::buildEditingBand() {
    auto* box = new QWidget;
    auto* form = new QFormLayout(box);
    tabWidth_ = numberField(kTabWidthRange.minimum, kTabWidthRange.maximum, QStringLiteral("EditTabWidth"));
    caretShape_ = new QComboBox;
    caretShape_->setObjectName(QStringLiteral("ComboCaret"));
    caretShape_->addItems({QStringLiteral("Pionowa linia"), QStringLiteral("Pozioma linia"),
                           QStringLiteral("Połowa kwadratu"), QStringLiteral("Kwadrat")});
    caretLine_ = checkField(QStringLiteral("Podświetlaj linię, w której jest kursor."),
                            QStringLiteral("CheckCaretLine"));
    insertMode_ = checkField(QStringLiteral("Tryp wstawiania."), QStringLiteral("CheckInsertMode"));
    form->addRow(QStringLiteral("Wielkość tabulacji:"), tabWidth_);
    form->addRow(QStringLiteral("Rodzaj kursora:"), caretShape_);
    form->addRow(caretLine_);
    form->addRow(insertMode_);
    connect(tabWidth_, &QSpinBox::valueChanged, this, [this](int v) {
        if (filling_) return;
        options_.tabWidth = v;
        applyToTemplate();
    });
    connect(caretShape_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (filling_ || index < 0) return;
        options_.insertCaret = CaretShape(index);
        applyToTemplate();
    });
    connect(caretLine_, &QCheckBox::toggled, this, [this](bool on) {
        if (filling_) return;
        options_.highlightCaretLine = on;
        applyToTemplate();
    });
    connect(insertMode_, &QCheckBox::toggled, this, [this](bool on) {
        if (filling_) return;
        options_.insertMode = on;
        applyToTemplate();
    });
    return box;
}

QWidget* EditorOptionsDialog::buildGutterBand() {
    auto* box = new QWidget;
    auto* form = new QFormLayout(box);
    gutterColour_ = swatchField(QStringLiteral("SwatchGutter"));
    gutterWidth_ =
        numberField(kGutterWidthRange.minimum, kGutterWidthRange.maximum, QStringLiteral("EditGutterWidth"));
    digitCount_ =
        numberField(kDigitCountRange.minimum, kDigitCountRange.maximum, QStringLiteral("EditDigitCount"));
    lineNumbers_ = checkField(QStringLiteral("Numeruj linie."), QStringLiteral("CheckLineNumbers"));
    leadingZeros_ = checkField(QStringLiteral("Uzupełniaj zerami."), QStringLiteral("CheckLeadingZeros"));
    zeroStart_ = checkField(QStringLiteral("Zacznij od zera."), QStringLiteral("CheckZeroStart"));
    form->addRow(QStringLiteral("Kolor rynny:"), gutterColour_);
    form->addRow(QStringLiteral("Szerokość rynny:"), gutterWidth_);
    form->addRow(QStringLiteral("Licza cyfr:"), digitCount_);
    form->addRow(lineNumbers_);
    form->addRow(leadingZeros_);
    form->addRow(zeroStart_);
    connect(gutterColour_, &ColourSwatch::clicked, this, &EditorOptionsDialog::chooseGutterColour);
    // After a change of width or digits the fields show what the template took.
    auto showTaken = [this] {
        filling_ = true;
        gutterWidth_->setValue(preview_->options().gutter.width);
        digitCount_->setValue(preview_->options().gutter.digitCount);
        filling_ = false;
    };
    connect(gutterWidth_, &QSpinBox::valueChanged, this, [this, showTaken](int v) {
        if (filling_) return;
        options_.gutter.width = v;
        applyToTemplate();
        showTaken();
    });
    connect(digitCount_, &QSpinBox::valueChanged, this, [this, showTaken](int v) {
        if (filling_) return;
        options_.gutter.digitCount = v;
        applyToTemplate();
        showTaken();
    });
    auto gutterSwitch = [this](QCheckBox* check, bool GutterOptions::*field) {
        connect(check, &QCheckBox::toggled, this, [this, field](bool on) {
            if (filling_) return;
            options_.gutter.*field = on;
            applyToTemplate();
        });
    };
    gutterSwitch(lineNumbers_, &GutterOptions::showLineNumbers);
    gutterSwitch(leadingZeros_, &GutterOptions::leadingZeros);
    gutterSwitch(zeroStart_, &GutterOptions::zeroStart);
    return box;
}

QWidget* EditorOptionsDialog::buildColouringBand() {
    auto* box = new QWidget;
    language_ = new QComboBox;
    language_->setObjectName(QStringLiteral("ComboLanguage"));
    language_->addItem(QStringLiteral("(brak)"));
    for (ColouringComponent* component : components_)
        language_->addItem(component->languageName());
    attributes_ = new QListWidget;
    attributes_->setObjectName(QStringLiteral("ListAttributes"));
    attributeForeground_ = swatchField(QStringLiteral("SwatchForeground"));
    attributeBackground_ = swatchField(QStringLiteral("SwatchAttributeBackground"));
    styleBox_ = new QGroupBox(QStringLiteral(" Style "));
    styleBox_->setObjectName(QStringLiteral("GroupStyle"));
    bold_ = checkField(QStringLiteral("&Pogrubiony"), QStringLiteral("CheckBold"));
    italic_ = checkField(QStringLiteral("&Pochylony"), QStringLiteral("CheckItalic"));
    underline_ = checkField(QStringLiteral("Podkreślony"), QStringLiteral("CheckUnderline"));
    strikeOut_ = checkField(QStringLiteral("Skreślony"), QStringLiteral("CheckStrikeOut"));
    auto* styles = new QVBoxLayout(styleBox_);
    for (QCheckBox* check : {bold_, italic_, underline_, strikeOut_})
        styles->addWidget(check);
    // The attribute list on the left; its colours and style on the right.
    auto* colours = new QFormLayout;
    colours->addRow(QStringLiteral("Kolor czcionki:"), attributeForeground_);
    colours->addRow(QStringLiteral("Kolor tła:"), attributeBackground_);
    auto* right = new QVBoxLayout;
    right->addLayout(colours);
    right->addWidget(styleBox_);
    right->addStretch();
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Rodzaj podświetlenie:")), 0, 0);
    grid->addWidget(language_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Atrybuty:")), 1, 0, 1, 2);
    grid->addWidget(attributes_, 2, 0);
    grid->addLayout(right, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    connect(language_, &QComboBox::currentIndexChanged, this, &EditorOptionsDialog::languageChosen);
    connect(attributes_, &QListWidget::currentRowChanged, this, &EditorOptionsDialog::attributeChosen);
    auto pickColour = [this](ColourSwatch* swatch) {
        connect(swatch, &ColourSwatch::clicked, this, [this, swatch] {
            const ColourNumber start = swatch->colour() == kNoColour ? rgbColour(0, 0, 0) : swatch->colour();
            if (const auto chosen = prompts_.chooseColor(start)) {
                swatch->setColour(*chosen);
                attributeChanged();
            }
        });
    };
    pickColour(attributeForeground_);
    pickColour(attributeBackground_);
    for (QCheckBox* check : {bold_, italic_, underline_, strikeOut_})
        connect(check, &QCheckBox::toggled, this, [this] {
            if (!filling_) attributeChanged();
        });
    return box;
}

QWidget* EditorOptionsDialog::buildPreviewBand() {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    auto* note = new QLabel(
        QStringLiteral("UWAGA!! Nie wszystkie zmiany właściwości edytora będą pokazywane od razu."));
    note->setWordWrap(true);
    preview_ = new CodeEditor;
    preview_->setObjectName(QStringLiteral("FmwEdit"));
    preview_->setMinimumHeight(160);
    preview_->setText(sampleText());
    preview_->setModified(false);
    layout->addWidget(note);
    layout->addWidget(preview_);
    connect(preview_, &CodeEditor::caretMoved, this, &EditorOptionsDialog::previewCaretMoved);
    return box;
}

void EditorOptionsDialog::prepareToShow() {
    refreshFontFields();
    refreshDisplayFields();
    refreshEditingFields();
    refreshGutterFields();
    preview_->setOptions(options_);
    setSampleFont();
    const bool expandedAtStart[6] = {true, false, false, false, true, true};
    for (std::size_t i = 0; i < bands_.size(); ++i)
        bands_[i]->setExpanded(expandedAtStart[i]);
    if (language_->currentIndex() != 0)
        language_->setCurrentIndex(0);
    else
        languageChosen();
}

void EditorOptionsDialog::placeOver(QWidget* owner) {
    QWindow* ownerWindow = nullptr;
    if (owner) {
        owner = owner->window();
        owner->winId(); // the owner's native window, which this one stays above
        ownerWindow = owner->windowHandle();
    }
    winId();
    if (windowHandle()) windowHandle()->setTransientParent(ownerWindow);
    const QScreen* screen = owner ? owner->screen() : this->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // The frame the window manager adds: as measured once shown, else a title bar's worth.
    const QRect frame = frameGeometry();
    const int frameWidth = isVisible() ? frame.width() - width() : 8;
    const int frameHeight = isVisible() ? frame.height() - height() : 40;
    const QSize wanted(kPreferredWidth, kPreferredHeight);
    resize(std::min(wanted.width(), area.width() - frameWidth),
           std::min(wanted.height(), area.height() - frameHeight));
    QRect placed(QPoint(), QSize(width() + frameWidth, height() + frameHeight));
    placed.moveCenter(owner ? owner->frameGeometry().center() : area.center());
    placed.moveLeft(
        std::clamp(placed.left(), area.left(), std::max(area.left(), area.right() + 1 - placed.width())));
    placed.moveTop(
        std::clamp(placed.top(), area.top(), std::max(area.top(), area.bottom() + 1 - placed.height())));
    move(placed.topLeft());
}

void EditorOptionsDialog::refreshFontFields() {
    filling_ = true;
    fontName_->setText(options_.font.name);
    fontSize_->setValue(options_.font.pointSize());
    filling_ = false;
}

void EditorOptionsDialog::refreshDisplayFields() {
    filling_ = true;
    background_->setColour(options_.colour);
    rightEdgeColour_->setColour(options_.rightEdgeColour);
    lineSpacing_->setValue(options_.extraLineSpacing);
    rightEdge_->setValue(options_.rightEdge);
    filling_ = false;
}

void EditorOptionsDialog::refreshEditingFields() {
    filling_ = true;
    tabWidth_->setValue(options_.tabWidth);
    caretShape_->setCurrentIndex(int(options_.insertCaret));
    caretLine_->setChecked(options_.highlightCaretLine);
    insertMode_->setChecked(options_.insertMode);
    filling_ = false;
}

void EditorOptionsDialog::refreshGutterFields() {
    filling_ = true;
    gutterColour_->setColour(options_.gutter.colour);
    gutterWidth_->setValue(options_.gutter.width);
    digitCount_->setValue(options_.gutter.digitCount);
    lineNumbers_->setChecked(options_.gutter.showLineNumbers);
    leadingZeros_->setChecked(options_.gutter.leadingZeros);
    zeroStart_->setChecked(options_.gutter.zeroStart);
    filling_ = false;
}

void EditorOptionsDialog::applyToTemplate() {
    preview_->setOptions(options_);
    // What the template took is what the options hold.
    options_ = preview_->options();
}

void EditorOptionsDialog::setSampleFont() {
    QFont font = preview_->textFont();
    sample_->setFont(font);
    QPalette p = sample_->palette();
    p.setColor(QPalette::WindowText, preview_->inkColour());
    sample_->setPalette(p);
}

void EditorOptionsDialog::chooseFont() {
    FontChoice initial;
    initial.family = options_.font.name;
    initial.pixelHeight = options_.font.pixelHeight;
    initial.bold = options_.font.style & StyleBold;
    initial.italic = options_.font.style & StyleItalic;
    initial.underline = options_.font.style & StyleUnderline;
    initial.strikeOut = options_.font.style & StyleStrikeOut;
    initial.color =
        isSystemColour(options_.font.colour) ? numberFromColour(preview_->inkColour()) : options_.font.colour;
    const auto chosen = prompts_.chooseFont(initial);
    if (!chosen) return;
    options_.font.name = chosen->family;
    options_.font.pixelHeight = kFontPixelRange.clamp(chosen->pixelHeight);
    options_.font.style = (chosen->bold ? StyleBold : 0) | (chosen->italic ? StyleItalic : 0) |
                          (chosen->underline ? StyleUnderline : 0) | (chosen->strikeOut ? StyleStrikeOut : 0);
    if (chosen->color != initial.color) options_.font.colour = chosen->color;
    applyToTemplate();
    setSampleFont();
    refreshFontFields();
}

void EditorOptionsDialog::chooseColour(ColourSwatch* swatch, ColourNumber EditorOptions::*field) {
    const ColourNumber present = options_.*field;
    const ColourNumber start =
        isSystemColour(present) ? numberFromColour(colourFromNumber(present)) : present;
    const auto chosen = prompts_.chooseColor(start);
    if (!chosen) return;
    options_.*field = *chosen;
    swatch->setColour(*chosen);
    applyToTemplate();
}

void EditorOptionsDialog::chooseGutterColour() {
    const ColourNumber present = options_.gutter.colour;
    const ColourNumber start =
        isSystemColour(present) ? numberFromColour(colourFromNumber(present)) : present;
    const auto chosen = prompts_.chooseColor(start);
    if (!chosen) return;
    options_.gutter.colour = *chosen;
    gutterColour_->setColour(*chosen);
    applyToTemplate();
}

ColouringComponent* EditorOptionsDialog::chosenComponent() const {
    const int index = language_->currentIndex();
    return index >= 1 && index <= int(components_.size()) ? components_[std::size_t(index - 1)] : nullptr;
}

void EditorOptionsDialog::languageChosen() {
    ColouringComponent* component = chosenComponent();
    preview_->setColouring(component);
    const bool on = component != nullptr;
    attributes_->setEnabled(on);
    attributeForeground_->setEnabled(on);
    attributeBackground_->setEnabled(on);
    styleBox_->setEnabled(on);
    filling_ = true;
    attributes_->clear();
    if (component)
        for (int i = 0; i < component->attributeCount(); ++i)
            attributes_->addItem(QString::fromStdString(component->attribute(i).name));
    filling_ = false;
    if (component && component->attributeCount() > 0) attributes_->setCurrentRow(0);
    attributeForeground_->update();
    attributeBackground_->update();
}

void EditorOptionsDialog::attributeChosen() {
    ColouringComponent* component = chosenComponent();
    const int row = attributes_->currentRow();
    if (filling_ || !component || row < 0 || row >= component->attributeCount()) return;
    const HighlighterAttribute& a = component->attribute(row);
    filling_ = true;
    attributeForeground_->setColour(a.foreground);
    attributeBackground_->setColour(a.background);
    bold_->setChecked(a.style & StyleBold);
    italic_->setChecked(a.style & StyleItalic);
    underline_->setChecked(a.style & StyleUnderline);
    strikeOut_->setChecked(a.style & StyleStrikeOut);
    filling_ = false;
}

void EditorOptionsDialog::attributeChanged() {
    ColouringComponent* component = chosenComponent();
    const int row = attributes_->currentRow();
    if (!component || row < 0 || row >= component->attributeCount()) return;
    HighlighterAttribute a = component->attribute(row);
    a.foreground = attributeForeground_->colour();
    a.background = attributeBackground_->colour();
    a.style = (bold_->isChecked() ? StyleBold : 0) | (italic_->isChecked() ? StyleItalic : 0) |
              (underline_->isChecked() ? StyleUnderline : 0) | (strikeOut_->isChecked() ? StyleStrikeOut : 0);
    component->setAttribute(row, a);
}

// The caret in the preview selects the attribute of the lexer's token under it (the character after
// the caret); where there is none (line ends, empty lines, VBScript, which has no lexer) it counts as
// the language's Space attribute (SQL has none: then the list keeps its selection).
void EditorOptionsDialog::previewCaretMoved() {
    ColouringComponent* component = chosenComponent();
    if (!component) return;
    const long caret = preview_->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long line =
        preview_->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(caret));
    const bool atLineEnd = caret >= preview_->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION,
                                                            static_cast<unsigned long>(line));
    int attribute = atLineEnd || preview_->caretVirtualSpace() > 0 ? -1 : preview_->attributeAt(caret);
    if (attribute < 0) attribute = component->spaceAttribute();
    if (attribute >= 0 && attribute != attributes_->currentRow()) attributes_->setCurrentRow(attribute);
}

} // namespace wertan
