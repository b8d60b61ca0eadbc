#include "generators/ui/table_generator_dialog.h"

#include "generators/ui/dialog_fields.h"
#include "platform/prompts.h"
#include "text/win1250.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <climits>

namespace wertan {

namespace {

const QString kPixels = QStringLiteral("piks.");
const QString kPercent = QStringLiteral("%");

QSpinBox* makeSpinBox(const QString& name, int maximum, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, maximum);
    box->setValue(0);
    return box;
}

// The unit button's hint says what a click does.
void showUnit(QToolButton* button, bool percent) {
    button->setText(percent ? kPercent : kPixels);
    button->setToolTip(percent ? QStringLiteral("Zmienia jednostkę na piksle")
                               : QStringLiteral("Zmienia jednostkę na %"));
    button->setStatusTip(button->toolTip());
}

QToolButton* makeUnitButton(const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setMinimumWidth(44);
    showUnit(button, false);
    QObject::connect(button, &QToolButton::clicked, button,
                     [button] { showUnit(button, button->text() == kPixels); });
    return button;
}

// The first local file of a drag, if it carries one.
QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

} // namespace

TableGeneratorDialog::TableGeneratorDialog(GeneratorOutput output, Prompts& prompts,
                                           std::function<QStringList()> directories, QWidget* parent)
    : QDialog(parent, Qt::Dialog), output_(std::move(output)), prompts_(prompts),
      directories_(std::move(directories)) {
    setObjectName(QStringLiteral("FormCreate_Table"));
    setWindowTitle(QStringLiteral("Utwórz tabelę"));
    setModal(false);

    columns_ = makeLineEdit(QStringLiteral("EditCol"), QStringLiteral("1"), this);
    rows_ = makeLineEdit(QStringLiteral("EditRow"), QStringLiteral("1"), this);
    for (QLineEdit* edit : {columns_, rows_})
        edit->setMaximumWidth(70);
    QStringList positions;
    for (const char* position : kTablePositions)
        positions << fromWin1250(position);
    position_ = makeComboBox(QStringLiteral("hmPosTab"), positions, true, this);
    border_ = makeSpinBox(QStringLiteral("hmGrubRam"), 100, this);
    padding_ = makeSpinBox(QStringLiteral("hmGrubMar"), 100, this);
    spacing_ = makeSpinBox(QStringLiteral("hmOdsKom"), 100, this);

    auto* counts = new QHBoxLayout;
    counts->addWidget(new QLabel(QStringLiteral("Kolumn:"), this));
    counts->addWidget(columns_);
    counts->addSpacing(16);
    counts->addWidget(new QLabel(QStringLiteral("Rzędów:"), this));
    counts->addWidget(rows_);
    counts->addStretch(1);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Położenie tabeli:"), position_);
    form->addRow(QStringLiteral("Grubość obramowania:"), border_);
    form->addRow(QStringLiteral("Grubość marginesów:"), padding_);
    form->addRow(QStringLiteral("Odstęp między komórkami:"), spacing_);

    // Background: a colour swatch and a picture.
    auto* background = new QGroupBox(QStringLiteral("Tło:"), this);
    swatch_ = new QPushButton(fromWin1250(kNothingChosen), background);
    swatch_->setObjectName(QStringLiteral("PanelColorTlo"));
    swatch_->setAutoDefault(false);
    swatch_->setMinimumWidth(90);
    swatch_->setToolTip(QStringLiteral("Kliknij, aby wybrać kolor tła."));
    clearColour_ = new QToolButton(background);
    clearColour_->setObjectName(QStringLiteral("BtnClearColor"));
    clearColour_->setText(QStringLiteral("×"));
    clearColour_->setToolTip(QStringLiteral("Usuwa kolor tła."));
    clearColour_->setEnabled(false);
    picture_ = makeLineEdit(QStringLiteral("BroseDialog"), fromWin1250(kNothingChosen), background);
    picture_->setMinimumWidth(220);
    picture_->installEventFilter(this);
    browse_ = new QToolButton(background);
    browse_->setObjectName(QStringLiteral("BtnBrowsePicture"));
    browse_->setText(QStringLiteral("..."));
    browse_->setToolTip(QStringLiteral("Wybiera plik obrazu."));
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(swatch_);
    colourRow->addWidget(clearColour_);
    colourRow->addStretch(1);
    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(picture_, 1);
    pictureRow->addWidget(browse_);
    auto* backgroundForm = new QFormLayout(background);
    backgroundForm->addRow(QStringLiteral("Kolor:"), colourRow);
    backgroundForm->addRow(QStringLiteral("Obraz:"), pictureRow);

    width_ = makeSpinBox(QStringLiteral("hmWidth"), INT_MAX, this);
    height_ = makeSpinBox(QStringLiteral("hmHeigth"), INT_MAX, this);
    widthUnit_ = makeUnitButton(QStringLiteral("BtnPiks_Proc1"), this);
    heightUnit_ = makeUnitButton(QStringLiteral("BtnPiks_Proc2"), this);
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(width_, 1);
    widthRow->addWidget(widthUnit_);
    auto* heightRow = new QHBoxLayout;
    heightRow->addWidget(height_, 1);
    heightRow->addWidget(heightUnit_);
    auto* sizeForm = new QFormLayout;
    sizeForm->addRow(QStringLiteral("Szerokość:"), widthRow);
    sizeForm->addRow(QStringLiteral("Wysokość:"), heightRow);

    auto* include = new QGroupBox(QStringLiteral("Tabela w załączniku"), this);
    attachment_ = new QCheckBox(QStringLiteral("Tabela jaka załącznik"), include);
    attachment_->setObjectName(QStringLiteral("CheckBoxAsInclude"));
    attachmentPath_ = makeComboBox(QStringLiteral("EditIncPath"), {}, false, include);
    attachmentPath_->setEnabled(false);
    auto* includeLayout = new QFormLayout(include);
    includeLayout->addRow(attachment_);
    includeLayout->addRow(QStringLiteral("Scieżka i nazwa pliku:"), attachmentPath_);

    create_ = new QPushButton(QStringLiteral("Utwórz tabelę"), this);
    create_->setObjectName(QStringLiteral("BtnCreate"));
    create_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel_->setObjectName(QStringLiteral("BtnCancel"));
    cancel_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(create_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(counts);
    layout->addLayout(form);
    layout->addWidget(background);
    layout->addLayout(sizeForm);
    layout->addWidget(include);
    layout->addLayout(buttons);

    connect(swatch_, &QPushButton::clicked, this, &TableGeneratorDialog::chooseBackgroundColour);
    connect(clearColour_, &QToolButton::clicked, this, &TableGeneratorDialog::clearBackgroundColour);
    connect(browse_, &QToolButton::clicked, this, &TableGeneratorDialog::choosePicture);
    connect(attachment_, &QCheckBox::toggled, attachmentPath_, &QWidget::setEnabled);
    connect(create_, &QPushButton::clicked, this, &TableGeneratorDialog::createTable);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void TableGeneratorDialog::showDialog() {
    show();
    raise();
    activateWindow();
}

void TableGeneratorDialog::showEvent(QShowEvent* event) {
    // The attachment paths are the project's directories as they are now.
    const QString current = attachmentPath_->currentText();
    attachmentPath_->clear();
    if (directories_) attachmentPath_->addItems(directories_());
    const int index = attachmentPath_->findText(current);
    attachmentPath_->setCurrentIndex(index >= 0 ? index : (attachmentPath_->count() > 0 ? 0 : -1));
    QDialog::showEvent(event);
}

bool TableGeneratorDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picture_) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (!droppedFile(drag->mimeData()).isEmpty()) {
                drag->acceptProposedAction();
                return true;
            }
            break;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString file = droppedFile(drop->mimeData());
            if (!file.isEmpty()) {
                picture_->setText(file);
                drop->acceptProposedAction();
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

TableOptions TableGeneratorDialog::options() const {
    TableOptions o;
    o.columns = editText(columns_);
    o.rows = editText(rows_);
    o.position = comboText(position_);
    o.border = border_->value();
    o.cellPadding = padding_->value();
    o.cellSpacing = spacing_->value();
    o.background = background_;
    // An emptied picture field means no picture, as "(Brak)" does.
    o.picture = picture_->text().trimmed().isEmpty() ? std::string(kNothingChosen) : editText(picture_);
    o.width = width_->value();
    o.widthInPercent = widthUnit_->text() == kPercent;
    o.height = height_->value();
    o.heightInPercent = heightUnit_->text() == kPercent;
    return o;
}

void TableGeneratorDialog::createTable() {
    const TableResult result = tableLines(options(), output_.lower());
    if (!result.ok()) {
        prompts_.message(fromWin1250(result.error));
        return;
    }
    output_.lines(result.lines);
    accept();
}

void TableGeneratorDialog::chooseBackgroundColour() {
    const std::optional<std::uint32_t> colour = prompts_.chooseColor(background_.value_or(0xFFFFFF));
    if (!colour) return;
    background_ = *colour & 0xFFFFFF;
    const QColor shown(int(*background_ & 0xFF), int((*background_ >> 8) & 0xFF),
                       int((*background_ >> 16) & 0xFF));
    swatch_->setText(QString());
    swatch_->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid palette(dark); }")
            .arg(shown.name()));
    clearColour_->setEnabled(true);
}

void TableGeneratorDialog::clearBackgroundColour() {
    background_.reset();
    swatch_->setStyleSheet(QString());
    swatch_->setText(fromWin1250(kNothingChosen));
    clearColour_->setEnabled(false);
}

void TableGeneratorDialog::choosePicture() {
    FileDialogRequest request;
    request.filter = QStringLiteral("GIF i JPEG (*.gif,*.jpg,*.jpeg)|*.gif;*.jpg;*.jpeg");
    const QString current = picture_->text();
    if (current != fromWin1250(kNothingChosen)) request.fileName = current;
    const QStringList files = prompts_.openFiles(request);
    if (!files.isEmpty()) picture_->setText(files.first());
}

} // namespace wertan
