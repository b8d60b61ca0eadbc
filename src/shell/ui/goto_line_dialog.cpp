#include "shell/ui/goto_line_dialog.h"

#include "editor/ui/code_editor.h"
#include "editor/ui/editor_environment.h"
#include "shell/ui/document_page.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/editor_lines.h"
#include "shell/ui/main_window.h"

#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace wertan {

namespace {
constexpr int kPreviewRows = 5;
constexpr int kMiddleRow = 2;
const QColor kMiddleRowColour(255, 255, 225); // light yellow
} // namespace

GotoLineDialog::GotoLineDialog(MainWindow& main)
    : QDialog(&main, Qt::Dialog | Qt::WindowStaysOnTopHint), main_(main) {
    setObjectName(QStringLiteral("FormGoNoLineNumber"));
    setWindowTitle(QStringLiteral("Idź do linii"));

    auto* numberRow = new QHBoxLayout;
    number_ = new QSpinBox(this);
    number_->setObjectName(QStringLiteral("SpinLineNumber"));
    number_->setMinimumWidth(90);
    auto* numberLabel = new QLabel(QStringLiteral("Numer linii:"), this);
    numberLabel->setBuddy(number_);
    numberRow->addWidget(numberLabel);
    numberRow->addWidget(number_);
    numberRow->addStretch(1);

    auto* documentsGroup = new QGroupBox(QStringLiteral("W pliki projektu:"), this);
    documents_ = new QComboBox(documentsGroup);
    documents_->setObjectName(QStringLiteral("ComboDocuments"));
    auto* groupLayout = new QVBoxLayout(documentsGroup);
    groupLayout->addWidget(documents_);

    preview_ = new QTableWidget(kPreviewRows, 2, this);
    preview_->setObjectName(QStringLiteral("GridPreview"));
    preview_->horizontalHeader()->hide();
    preview_->verticalHeader()->hide();
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->setSelectionMode(QAbstractItemView::NoSelection);
    preview_->setFocusPolicy(Qt::NoFocus);
    preview_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)); // code lines as in the editor
    preview_->setColumnWidth(0, 50);
    preview_->horizontalHeader()->setStretchLastSection(true);
    preview_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    preview_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int rowHeight = preview_->fontMetrics().height() + 4;
    for (int r = 0; r < kPreviewRows; ++r) {
        preview_->setRowHeight(r, rowHeight);
        for (int c = 0; c < 2; ++c) {
            auto* cell = new QTableWidgetItem;
            cell->setBackground(r == kMiddleRow ? kMiddleRowColour : QColor(Qt::white));
            cell->setForeground(QColor(Qt::black));
            cell->setTextAlignment(c == 0 ? Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter)
                                          : Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
            preview_->setItem(r, c, cell);
        }
    }
    preview_->setFixedSize(360, rowHeight * kPreviewRows + 2 * preview_->frameWidth());

    go_ = new QPushButton(QStringLiteral("&Idź"), this);
    go_->setObjectName(QStringLiteral("BtnGo"));
    go_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Anuluj"), this);
    cancel->setObjectName(QStringLiteral("BtnCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(go_);
    buttons->addWidget(cancel);

    auto* column = new QVBoxLayout(this);
    column->addLayout(numberRow);
    column->addWidget(documentsGroup);
    column->addWidget(preview_);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize); // a fixed-size dialog

    connect(go_, &QPushButton::clicked, this, &GotoLineDialog::jump);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(number_, &QSpinBox::valueChanged, this, &GotoLineDialog::refreshPreview);
    connect(documents_, &QComboBox::activated, this, &GotoLineDialog::chooseDocument);
    number_->installEventFilter(this);
    if (QLineEdit* edit = number_->findChild<QLineEdit*>()) edit->installEventFilter(this);
}

bool GotoLineDialog::numberFromZero() const {
    return main_.editorEnvironment().options().gutter.zeroStart;
}

void GotoLineDialog::prepare() {
    DocumentWorkspace& workspace = main_.workspace();
    gate_ = GotoPreviewGate();
    documents_->clear();
    for (int i = 0; i < workspace.count(); ++i)
        documents_->addItem(workspace.page(i)->caption());
    documents_->setCurrentIndex(workspace.activeIndex());
    chosenLines_ = editorLines(workspace.activeEditor());
    const bool fromZero = numberFromZero();
    const GotoLineBounds bounds = boundsOnOpen(int(chosenLines_.size()), fromZero);
    const QSignalBlocker block(number_);
    number_->setRange(bounds.lowest, bounds.highest);
    number_->setEnabled(bounds.enabled);
    number_->setValue(firstLineNumber(fromZero));
    refreshPreview();
}

void GotoLineDialog::open() {
    prepare();
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    number_->setFocus();
    number_->selectAll();
}

void GotoLineDialog::chooseDocument(int index) {
    DocumentPage* page = main_.workspace().page(index);
    chosenLines_ = page ? editorLines(page->editor()) : QStringList();
    const GotoLineBounds bounds = boundsForChosenDocument(int(chosenLines_.size()), numberFromZero());
    number_->setRange(bounds.lowest, bounds.highest); // a value outside is brought inside
    number_->setEnabled(bounds.enabled);
    refreshPreview();
}

void GotoLineDialog::refreshPreview() {
    if (!gate_.allowsRefresh()) return;
    const auto rows = previewRows(number_->value(), int(chosenLines_.size()), numberFromZero());
    for (int r = 0; r < kPreviewRows; ++r) {
        const GotoPreviewRow& row = rows[std::size_t(r)];
        preview_->item(r, 0)->setText(row.shown ? QString::number(row.number) : QString());
        preview_->item(r, 1)->setText(row.shown && row.lineIndex >= 0 ? chosenLines_.at(row.lineIndex)
                                                                      : QString());
    }
}

QString GotoLineDialog::rowNumber(int row) const {
    return preview_->item(row, 0)->text();
}

QString GotoLineDialog::rowText(int row) const {
    return preview_->item(row, 1)->text();
}

void GotoLineDialog::jump() {
    CodeEditor* editor = main_.workspace().activeEditor();
    if (editor) {
        const GotoLineJump target =
            jumpTarget(number_->value(), int(editorLines(editor).size()), numberFromZero());
        editor->gotoLineColumn(target.line + 1, editor->caretColumn());
        editor->setFirstVisibleLine(target.topLine);
    }
    accept();
}

bool GotoLineDialog::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (!typed.isEmpty() && typed[0].unicode() < 0x80)
            gate_.characterTyped(char(typed[0].unicode()));
        else if (!typed.isEmpty())
            gate_.characterTyped('\0'); // a character that is no digit
        break;
    }
    case QEvent::KeyRelease:
        if (watched == number_) refreshPreview();
        break;
    case QEvent::FocusOut:
        if (watched == number_) refreshPreview();
        break;
    case QEvent::MouseButtonPress:
        gate_.clickedInBox();
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void GotoLineDialog::mousePressEvent(QMouseEvent* event) {
    refreshPreview(); // a click on the dialog's background
    QDialog::mousePressEvent(event);
}

} // namespace wertan
