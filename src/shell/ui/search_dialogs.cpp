#include "shell/ui/search_dialogs.h"

#include "editor/ui/code_editor.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace wertan {

SearchDialog::SearchDialog(Mode mode, QWidget* parent) : QDialog(parent), mode_(mode) {
    const bool replacing = mode == Mode::Replace;
    setObjectName(replacing ? QStringLiteral("ReplaceDialog") : QStringLiteral("FindDialog"));
    setWindowTitle(replacing ? QStringLiteral("Zamienianie") : QStringLiteral("Znajdowanie"));
    setModal(false);

    auto* fields = new QGridLayout;
    find_ = new QLineEdit(this);
    find_->setObjectName(QStringLiteral("EditFind"));
    find_->setMinimumWidth(220);
    auto* findLabel = new QLabel(QStringLiteral("Znajdź:"), this);
    findLabel->setBuddy(find_);
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(find_, 0, 1);
    if (replacing) {
        replace_ = new QLineEdit(this);
        replace_->setObjectName(QStringLiteral("EditReplace"));
        auto* replaceLabel = new QLabel(QStringLiteral("Zamień na:"), this);
        replaceLabel->setBuddy(replace_);
        fields->addWidget(replaceLabel, 1, 0);
        fields->addWidget(replace_, 1, 1);
    }

    wholeWords_ = new QCheckBox(QStringLiteral("Uwzględniaj tylko całe wyrazy"), this);
    wholeWords_->setObjectName(QStringLiteral("CheckWholeWords"));
    matchCase_ = new QCheckBox(QStringLiteral("Uwzględniaj wielkość liter"), this);
    matchCase_->setObjectName(QStringLiteral("CheckMatchCase"));
    auto* direction = new QGroupBox(QStringLiteral("Kierunek"), this);
    up_ = new QRadioButton(QStringLiteral("W &górę"), direction);
    up_->setObjectName(QStringLiteral("RadioUp"));
    down_ = new QRadioButton(QStringLiteral("W &dół"), direction);
    down_->setObjectName(QStringLiteral("RadioDown"));
    down_->setChecked(true); // both dialogs start with the direction down
    auto* directionRow = new QHBoxLayout(direction);
    directionRow->addWidget(up_);
    directionRow->addWidget(down_);

    auto* options = new QHBoxLayout;
    auto* boxes = new QVBoxLayout;
    boxes->addWidget(wholeWords_);
    boxes->addWidget(matchCase_);
    boxes->addStretch(1);
    options->addLayout(boxes);
    options->addWidget(direction);

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("LabelNote"));
    note_->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addWidget(note_);
    left->addStretch(1);

    auto* buttons = new QVBoxLayout;
    findNext_ = new QPushButton(QStringLiteral("Znajdź &następny"), this);
    findNext_->setObjectName(QStringLiteral("BtnFindNext"));
    findNext_->setDefault(true);
    buttons->addWidget(findNext_);
    connect(findNext_, &QPushButton::clicked, this, &SearchDialog::findNextClicked);
    if (replacing) {
        replaceOne_ = new QPushButton(QStringLiteral("&Zamień"), this);
        replaceOne_->setObjectName(QStringLiteral("BtnReplace"));
        replaceAll_ = new QPushButton(QStringLiteral("Zamień &wszystko"), this);
        replaceAll_->setObjectName(QStringLiteral("BtnReplaceAll"));
        buttons->addWidget(replaceOne_);
        buttons->addWidget(replaceAll_);
        connect(replaceOne_, &QPushButton::clicked, this, [this] { emit replaceClicked(false); });
        connect(replaceAll_, &QPushButton::clicked, this, [this] { emit replaceClicked(true); });
    }
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setObjectName(QStringLiteral("BtnCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
    if (replacing) {
        auto* help = new QPushButton(QStringLiteral("Pomo&c"), this); // shown, with no action
        help->setObjectName(QStringLiteral("BtnHelp"));
        buttons->addWidget(help);
    }
    buttons->addStretch(1);

    auto* row = new QHBoxLayout(this);
    row->addLayout(left, 1);
    row->addLayout(buttons);
}

SearchDialogState SearchDialog::state() const {
    SearchDialogState s;
    s.findText = find_->text().toStdString();
    if (replace_) s.replaceText = replace_->text().toStdString();
    s.up = up_->isChecked();
    s.matchCase = matchCase_->isChecked();
    s.wholeWords = wholeWords_->isChecked();
    return s;
}

void SearchDialog::setNote(const QString& note) {
    note_->setText(note);
}

bool SearchDialog::directionUp() const {
    return up_->isChecked();
}

void SearchDialog::setDirectionUp(bool up) {
    (up ? up_ : down_)->setChecked(true);
}

std::string_view EditorSearchTarget::text() const {
    return editor_->documentUtf8();
}

std::size_t EditorSearchTarget::caret() const {
    return std::size_t(editor_->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS));
}

void EditorSearchTarget::select(TextRange range, bool caretAtStart) {
    const auto start = static_cast<unsigned long>(range.start);
    const auto end = static_cast<long>(range.end);
    // The anchor first, then the caret; the editor scrolls the caret into view.
    if (caretAtStart)
        editor_->SendScintilla(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(end), long(start));
    else
        editor_->SendScintilla(QsciScintillaBase::SCI_SETSEL, start, end);
}

void EditorSearchTarget::replace(TextRange range, std::string_view replacement) {
    const std::string text(replacement);
    editor_->beginUndoAction();
    editor_->SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, static_cast<unsigned long>(range.start),
                           long(range.end));
    editor_->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, static_cast<unsigned long>(text.size()),
                           text.c_str());
    editor_->SendScintilla(QsciScintillaBase::SCI_GOTOPOS,
                           static_cast<unsigned long>(range.start + text.size()));
    editor_->endUndoAction();
}

SearchDialogs::SearchDialogs(MainWindow& main)
    : QObject(&main), main_(main), find_(new SearchDialog(SearchDialog::Mode::Find, &main)),
      replace_(new SearchDialog(SearchDialog::Mode::Replace, &main)) {
    connect(find_, &SearchDialog::findNextClicked, this, [this] { findNext(find_); });
    connect(replace_, &SearchDialog::findNextClicked, this, [this] { findNext(replace_); });
    connect(replace_, &SearchDialog::replaceClicked, this, &SearchDialogs::replace);
}

QString notFoundNote(const QString& text) {
    return QStringLiteral("Nie znaleziono tekstu \u201E%1\u201D.").arg(text);
}

QString replacedNote(std::size_t count) {
    const QString number = QLocale(QLocale::Polish, QLocale::Poland).toString(qulonglong(count));
    switch (polishPluralForm(count)) {
    case PluralForm::One:
        return QStringLiteral("Zamieniono 1 wystąpienie.");
    case PluralForm::Few:
        return QStringLiteral("Zamieniono %1 wystąpienia.").arg(number);
    case PluralForm::Many:
        break;
    }
    return QStringLiteral("Zamieniono %1 wystąpień.").arg(number);
}

void SearchDialogs::showFind() {
    main_.mainPageControl()->setCurrentIndex(0);
    find_->setNote(QString());
    find_->show();
    find_->raise();
    find_->activateWindow();
}

void SearchDialogs::showReplace() {
    main_.mainPageControl()->setCurrentIndex(0);
    replace_->setNote(QString());
    replace_->show();
    replace_->raise();
    replace_->activateWindow();
}

void SearchDialogs::showNote(SearchDialog* dialog, const QString& note) {
    dialog->setNote(note);
    main_.setStatusPanel(6, note);
}

void SearchDialogs::findNext(SearchDialog* dialog) {
    CodeEditor* editor = main_.workspace().activeEditor();
    if (!editor) return;
    const SearchDialogState state = dialog->state();
    if (state.findText.empty()) return;
    lastUsed_ = dialog;
    EditorSearchTarget target(editor);
    showNote(dialog, wertan::findNext(state, target) ? QString() : notFoundNote(dialog->findField()->text()));
}

void SearchDialogs::findAgain() {
    SearchDialog* dialog = lastUsed_;
    if (!dialog || dialog->findField()->text().isEmpty()) {
        showFind();
        return;
    }
    findNext(dialog);
}

void SearchDialogs::replace(bool all) {
    CodeEditor* editor = main_.workspace().activeEditor();
    if (!editor) return;
    SearchDialogState state = replace_->state();
    if (state.findText.empty()) return;
    lastUsed_ = replace_;
    EditorSearchTarget target(editor);
    if (!all) {
        const bool replaced = replaceNext(state, target) > 0;
        replace_->setDirectionUp(state.up);
        showNote(replace_, replaced ? QString() : notFoundNote(replace_->findField()->text()));
        return;
    }
    std::size_t count = 0;
    {
        // One pass over a large document still takes a moment.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        count = replaceAll(state, target);
        QApplication::restoreOverrideCursor();
    }
    showNote(replace_, count > 0 ? replacedNote(count) : notFoundNote(replace_->findField()->text()));
}

SearchDialogs* installSearchDialogs(MainWindow& main) {
    auto* dialogs = new SearchDialogs(main);
    main.setCommandHandler(QStringLiteral("MenuEdit_Find"), [dialogs] { dialogs->showFind(); });
    main.setCommandHandler(QStringLiteral("MenuEdit_Replace"), [dialogs] { dialogs->showReplace(); });
    main.setCommandHandler(QStringLiteral("MenuEdit_FindNext"), [dialogs] { dialogs->findAgain(); });
    return dialogs;
}

} // namespace wertan
