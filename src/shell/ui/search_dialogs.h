#pragma once
// The find and replace dialogs: made once with the main window and kept for the whole run, so their
// texts and settings last between uses. They search the active document's editor.
#include "shell/search.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace wertan {

class CodeEditor;
class MainWindow;

class SearchDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Find, Replace };
    SearchDialog(Mode mode, QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    // The dialog's settings as the search takes them; the texts are UTF-8, as the editor holds them.
    SearchDialogState state() const;
    bool directionUp() const;
    void setDirectionUp(bool up);

    QLineEdit* findField() const { return find_; }
    QLineEdit* replaceField() const { return replace_; }
    QCheckBox* wholeWordsBox() const { return wholeWords_; }
    QCheckBox* matchCaseBox() const { return matchCase_; }
    QPushButton* findNextButton() const { return findNext_; }
    QPushButton* replaceButton() const { return replaceOne_; }
    QPushButton* replaceAllButton() const { return replaceAll_; }
    // The line under the fields that tells what the last search or replacement found.
    QLabel* noteLabel() const { return note_; }
    void setNote(const QString& note);

signals:
    void findNextClicked();
    void replaceClicked(bool all);

private:
    Mode mode_;
    QLineEdit* find_ = nullptr;
    QLineEdit* replace_ = nullptr;
    QCheckBox* wholeWords_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QRadioButton* up_ = nullptr;
    QRadioButton* down_ = nullptr;
    QPushButton* findNext_ = nullptr;
    QPushButton* replaceOne_ = nullptr;
    QPushButton* replaceAll_ = nullptr;
    QLabel* note_ = nullptr;
};

// An editor as the search sees it: byte offsets into its UTF-8 text.
class EditorSearchTarget : public SearchTarget {
public:
    explicit EditorSearchTarget(CodeEditor* editor) : editor_(editor) {}
    std::string_view text() const override;
    std::size_t caret() const override;
    void select(TextRange range, bool caretAtStart) override;
    void replace(TextRange range, std::string_view replacement) override;

private:
    CodeEditor* editor_;
};

// The two dialogs of the main window and the commands "&Szukaj..." and "&Zastąp...".
class SearchDialogs : public QObject {
    Q_OBJECT
public:
    explicit SearchDialogs(MainWindow& main);
    SearchDialog* findDialog() const { return find_; }
    SearchDialog* replaceDialog() const { return replace_; }
    // The "Kod" page, then the dialog.
    void showFind();
    void showReplace();
    // "Znajdź następne" (F3): the last search again, with the settings of the dialog it was made in;
    // the find dialog when nothing has been searched for yet.
    void findAgain();

private:
    void findNext(SearchDialog* dialog);
    void replace(bool all);
    // The note goes to the dialog and to the main window's last status panel.
    void showNote(SearchDialog* dialog, const QString& note);

    MainWindow& main_;
    SearchDialog* find_;
    SearchDialog* replace_;
    SearchDialog* lastUsed_ = nullptr;
};

// What the dialogs say after a search that found nothing and after replace-all.
QString notFoundNote(const QString& text);
QString replacedNote(std::size_t count);

// Creates the dialogs as children of the main window and gives the commands their handlers.
SearchDialogs* installSearchDialogs(MainWindow& main);

} // namespace wertan
