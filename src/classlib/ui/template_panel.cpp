#include "classlib/ui/template_panel.h"

#include "classlib/class_catalogue.h"
#include "platform/prompts.h"
#include "text/document_text.h"
#include "text/win1250.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValidator>

namespace wertan {

namespace {
// Limits typing to a length while leaving a longer initial text whole: an edit may not make a
// text beyond the limit longer than it already is.
class LengthLimit : public QValidator {
public:
    LengthLimit(QLineEdit* edit, int limit) : QValidator(edit), edit_(edit), limit_(limit) {}
    State validate(QString& input, int&) const override {
        if (input.size() <= limit_ || input.size() < edit_->text().size()) return Acceptable;
        return Invalid;
    }

private:
    QLineEdit* edit_;
    int limit_;
};

QString q(const std::string& win1250) {
    return fromWin1250(win1250);
}
} // namespace

TemplatePanel::TemplatePanel(Prompts& prompts, QWidget* parent) : QWidget(parent), prompts_(prompts) {
    setObjectName(QStringLiteral("TemplatePanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    classList_ = new QComboBox(this);
    classList_->setObjectName(QStringLiteral("ClassList"));
    classList_->setToolTip(QStringLiteral("Dostęne klasy."));
    layout->addWidget(classList_);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    rowsArea_ = new QWidget(scroll);
    rowsLayout_ = new QGridLayout(rowsArea_);
    rowsLayout_->setContentsMargins(0, 0, 0, 0);
    rowsLayout_->setColumnStretch(0, 1);
    rowsLayout_->setRowStretch(1000, 1);
    scroll->setWidget(rowsArea_);
    layout->addWidget(scroll, 1);

    auto* buttons = new QHBoxLayout;
    insert_ = new QPushButton(QStringLiteral("&Wstaw"), this);
    insert_->setToolTip(QStringLiteral("Potwierdza wprowadzone zmiany i wstawia obiekt do dokumentu."));
    cancel_ = new QPushButton(QStringLiteral("&Anuluj"), this);
    cancel_->setToolTip(QStringLiteral("Anuluje wprowadzone zmiany i zamyka okno."));
    buttons->addWidget(insert_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    connect(insert_, &QPushButton::clicked, this, &TemplatePanel::insert);
    connect(cancel_, &QPushButton::clicked, this, &TemplatePanel::cancel);
    connect(classList_, &QComboBox::activated, this, [this](int index) {
        if (buildingRows_ || index < 0) return;
        const std::string chosen = toWin1250(classList_->itemText(index));
        removeRows();
        buildRows(chosen);
    });
}

void TemplatePanel::open(const QString& templatePath) {
    path_ = templatePath;
    lines_.clear();
    classList_->clear();
    removeRows();
    form_ = TemplateForm{};
    if (showDocked) showDocked();
    show();
    std::string bytes;
    QString error;
    if (!readFileBytes(templatePath, &bytes, &error)) {
        insert_->setEnabled(false);
        prompts_.error(QStringLiteral("Nie można otworzyć pliku %1: %2").arg(templatePath, error));
        return;
    }
    lines_ = splitTextLines(bytes);
    buildRows({});
}

void TemplatePanel::buildRows(const std::string& wantedClass) {
    buildingRows_ = true;
    form_ = buildTemplateForm(lines_, wantedClass, propertyName_);
    insert_->setEnabled(true);
    if (form_.classMode) {
        auto* name = new QLineEdit(q(objectNameFor(toWin1250(classList_->currentText()))));
        addRow(QStringLiteral("Nazwa"), name);
        if (wantedClass.empty()) {
            classList_->clear();
            for (const std::string& c : form_.classes)
                classList_->addItem(q(c));
        }
        for (const TemplateRow& row : form_.rows) {
            const QString hint = q(row.propertyName);
            QWidget* input = nullptr;
            switch (row.item.kind) {
            case ProcessItem::Integer: {
                auto* spin = new QSpinBox;
                const SpinSetup setup = spinSetup(row.item);
                spin->setRange(setup.minimum, setup.maximum);
                spin->setValue(setup.value);
                input = spin;
                break;
            }
            case ProcessItem::Text: {
                auto* edit = new QLineEdit(q(row.item.text));
                if (row.item.maxLength > 0) edit->setValidator(new LengthLimit(edit, row.item.maxLength));
                input = edit;
                break;
            }
            default: {
                auto* list = new QComboBox;
                for (const std::string& item : listItems(row.item))
                    list->addItem(q(item));
                input = list;
                break;
            }
            }
            input->setToolTip(hint);
            addRow(q(row.label), input, q(row.label));
        }
    }
    if (!form_.error.empty()) {
        // A template with a bad number gives no partial object: the rows read so far stay to show
        // where it stopped, but nothing can be inserted.
        insert_->setEnabled(false);
        buildingRows_ = false;
        prompts_.error(q(form_.error));
        return;
    }
    auto* directory = new QComboBox;
    directory->setEditable(true);
    if (projectDirectories) directory->addItems(projectDirectories());
    directory->setCurrentIndex(directory->count() > 0 ? 0 : -1);
    addRow(QStringLiteral("Katalog"), directory);
    auto* mode = new QComboBox;
    mode->addItems({QStringLiteral("require"), QStringLiteral("include"), QStringLiteral("(brak)")});
    mode->setCurrentIndex(0);
    addRow(QStringLiteral("Wstaw jako"), mode);
    const int selected = classList_->findText(q(form_.selectedClass));
    classList_->setCurrentIndex(form_.selectedClass.empty() ? -1 : selected);
    buildingRows_ = false;
}

void TemplatePanel::addRow(const QString& label, QWidget* input, const QString& hint) {
    const int row = static_cast<int>(inputs_.size());
    auto* caption = new QLabel(label, rowsArea_);
    if (!hint.isEmpty()) caption->setToolTip(hint);
    input->setParent(rowsArea_);
    // Label above its input: the docking area is narrow.
    rowsLayout_->addWidget(caption, 2 * row, 0);
    rowsLayout_->addWidget(input, 2 * row + 1, 0);
    rowWidgets_ << caption << input;
    inputs_ << input;
}

void TemplatePanel::removeRows() {
    for (QWidget* widget : rowWidgets_)
        delete widget;
    rowWidgets_.clear();
    inputs_.clear();
}

QStringList TemplatePanel::rowLabels() const {
    QStringList labels;
    for (int i = 0; i + 1 < rowWidgets_.size(); i += 2)
        labels << static_cast<QLabel*>(rowWidgets_[i])->text();
    return labels;
}

QLineEdit* TemplatePanel::objectNameInput() const {
    return form_.classMode && !inputs_.isEmpty() ? qobject_cast<QLineEdit*>(inputs_.first()) : nullptr;
}

QComboBox* TemplatePanel::directoryInput() const {
    return inputs_.size() >= 2 ? qobject_cast<QComboBox*>(inputs_[inputs_.size() - 2]) : nullptr;
}

QComboBox* TemplatePanel::modeInput() const {
    return inputs_.isEmpty() ? nullptr : qobject_cast<QComboBox*>(inputs_.last());
}

void TemplatePanel::insert() {
    QComboBox* directory = directoryInput();
    QComboBox* mode = modeInput();
    if (!insert_->isEnabled() || !directory || !mode || !insertAtLine || !documentContains) {
        closePanel();
        return;
    }
    // Class mode: the object and its properties, appended to the end of the document. A file that
    // names no class gives no object line (it would not be PHP).
    if (form_.classMode && !form_.selectedClass.empty()) {
        std::vector<RowValue> values;
        for (int i = 1; i + 2 < inputs_.size(); ++i) {
            QWidget* input = inputs_[i];
            std::string value;
            if (auto* spin = qobject_cast<QSpinBox*>(input))
                value = integerValue(spin->value());
            else if (auto* edit = qobject_cast<QLineEdit*>(input))
                value = textValue(toWin1250(edit->text()));
            else if (auto* list = qobject_cast<QComboBox*>(input))
                value = toWin1250(list->currentText());
            values.push_back({toWin1250(input->toolTip()), value});
        }
        const std::string object = toWin1250(objectNameInput()->text());
        for (const std::string& line : objectLines(object, form_.selectedClass, values))
            insertAtLine(line, -1);
    }
    // The include line at the top unless the document already has it. "(brak)" writes nothing.
    const std::string dir = toWin1250(directory->currentText());
    const std::string line =
        includeLine(toWin1250(mode->currentText()), dir, toWin1250(QFileInfo(path_).fileName()));
    if (!line.empty() && !documentContains(line)) insertAtLine(line, 0);
    const QString templatePath = path_;
    const QString directoryText = directory->currentText();
    closePanel();
    if (addToProject)
        addToProject(directoryText, templatePath);
    else
        prompts_.message(QStringLiteral("Nie otwarto projektu: plik klasy %1 nie został skopiowany do "
                                        "katalogu projektu.")
                             .arg(QFileInfo(templatePath).fileName()));
}

void TemplatePanel::cancel() {
    closePanel();
}

void TemplatePanel::closePanel() {
    classList_->clear();
    removeRows();
    hide();
}

void TemplatePanel::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    removeRows();
}

} // namespace wertan
