#pragma once
// What all editor pages share: the editor options template, the colouring components (one per
// language), the completion lists and the options dialog. The main window owns one.
#include "editor/colour_scheme.h"
#include "editor/colouring_kind.h"
#include "editor/editor_options.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

class QWidget;

namespace wertan {

class CodeEditor;
class ColouringComponent;
class CompletionList;
class HintLookup;
class Prompts;
class SettingsStore;
class EditorOptionsDialog;

class EditorEnvironment : public QObject {
    Q_OBJECT
public:
    EditorEnvironment(SettingsStore& store, Prompts& prompts, QObject* parent = nullptr);
    ~EditorEnvironment() override;

    // The fixed settings of a page's editor; the options and PHP colouring once the options are ready;
    // the page's hint triggers.
    void setupEditor(CodeEditor* editor);
    // The basic set-up of an empty "clean" document.
    void basicSetup(CodeEditor* editor);
    // Copies the options template onto one editor and colours it as the kind.
    void applyEditorOptions(CodeEditor* editor, ColouringKind kind);
    // Copies the options template onto one editor and keeps its colouring, also when it is off.
    void reapplyEditorOptions(CodeEditor* editor);
    // Colouring off for one editor; nothing else changes.
    void removeColouring(CodeEditor* editor);
    std::optional<ColouringKind> colouringOf(const CodeEditor* editor) const;

    bool optionsReady() const { return ready_; }
    // Loads the options and colours from the settings store, applies them with PHP colouring to the
    // first editor and marks the options ready.
    void initialise(CodeEditor* firstEditor);
    // Writes options and colours to the settings store (at exit).
    void save();

    // The two completion lists follow the active editor.
    void attachCompletionLists(CodeEditor* editor);
    void attachPhpCompletion(CodeEditor* editor);
    void attachSqlCompletion(CodeEditor* editor);
    QStringList& phpCompletionWords();
    const QStringList& sqlCompletionWords() const;
    CompletionList& phpCompletion() { return *phpList_; }
    CompletionList& sqlCompletion() { return *sqlList_; }

    // The "Właściwości edytora" dialog.
    void showOptionsDialog(QWidget* parent);
    // The dialog, made on first use and kept for the run.
    EditorOptionsDialog* optionsDialog();

    // The options template's properties.
    EditorOptions& options() { return options_; }
    const EditorOptions& options() const { return options_; }
    ColouringComponent* component(SchemeLanguage language) const;

    // The PHP hints as the pages reach them; none until the hint window exists.
    void setHintLookup(HintLookup* lookup) { hints_ = lookup; }

signals:
    // The options dialog was confirmed: every page gets the options again with its present colouring.
    void optionsConfirmed();

private slots:
    void triggerHints();

private:
    SettingsStore& store_;
    Prompts& prompts_;
    bool ready_ = false;
    EditorOptions options_;
    // In the order of the options dialog's language list.
    std::array<ColouringComponent*, 6> components_{};
    CompletionList* phpList_;
    CompletionList* sqlList_;
    QStringList sqlWords_;
    std::unique_ptr<EditorOptionsDialog> dialog_;
    HintLookup* hints_ = nullptr;
};

} // namespace wertan
