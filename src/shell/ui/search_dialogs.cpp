#include "shell/ui/search_dialogs.h"

#include "editor/ui/code_editor.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/main_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
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

bool SearchDialog::directionUp() const {
    return up_->isChecked();
}

void SearchDialog::setDirectionUp(bool up) {
    (up ? up_ : down_)->setChecked(true);
}

std::string EditorSearchTarget::text() const {
    return std::string(editor_->documentUtf8());
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

void SearchDialogs::showFind() {
    main_.mainPageControl()->setCurrentIndex(0);
    find_->show();
    find_->raise();
    find_->activateWindow();
}

void SearchDialogs::showReplace() {
    main_.mainPageControl()->setCurrentIndex(0);
    replace_->show();
    replace_->raise();
    replace_->activateWindow();
}

void SearchDialogs::findNext(SearchDialog* dialog) {
    CodeEditor* editor = main_.workspace().activeEditor();
    if (!editor) return;
    EditorSearchTarget target(editor);
    wertan::findNext(dialog->state(), target);
}

void SearchDialogs::replace(bool all) {
    CodeEditor* editor = main_.workspace().activeEditor();
    if (!editor) return;
    SearchDialogState state = replace_->state();
    EditorSearchTarget target(editor);
    replaceNext(state, target, all);
    replace_->setDirectionUp(state.up);
}

SearchDialogs* installSearchDialogs(MainWindow& main) {
    auto* dialogs = new SearchDialogs(main);
    main.setCommandHandler(QStringLiteral("MenuEdit_Find"), [dialogs] { dialogs->showFind(); });
    main.setCommandHandler(QStringLiteral("MenuEdit_Replace"), [dialogs] { dialogs->showReplace(); });
    return dialogs;
}

} // namespace wertan
