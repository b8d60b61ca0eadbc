#pragma once
// What all editor pages share: the editor options template, the colouring components (one per
// language), the completion lists and the options dialog. The main window owns one.
#include "editor/colouring_kind.h"

#include <QObject>
#include <QStringList>
#include <optional>

class QWidget;

namespace wertan {

class CodeEditor;
class Prompts;
class SettingsStore;

class EditorEnvironment : public QObject {
    Q_OBJECT
public:
    EditorEnvironment(SettingsStore& store, Prompts& prompts, QObject* parent = nullptr);
    ~EditorEnvironment() override;

    // The fixed settings of a page's editor; the options and PHP colouring once the options are ready.
    void setupEditor(CodeEditor* editor);
    // The basic set-up of an empty "clean" document.
    void basicSetup(CodeEditor* editor);
    // Copies the options template onto one editor and colours it as the kind.
    void applyEditorOptions(CodeEditor* editor, ColouringKind kind);
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
    QStringList& phpCompletionWords() { return phpWords_; }
    const QStringList& sqlCompletionWords() const { return sqlWords_; }

    // The "Właściwości edytora" dialog.
    void showOptionsDialog(QWidget* parent);

signals:
    // The options dialog was confirmed: every page gets the options again with its present colouring.
    void optionsConfirmed();

private:
    SettingsStore& store_;
    Prompts& prompts_;
    bool ready_ = false;
    QStringList phpWords_;
    QStringList sqlWords_;
};

} // namespace wertan
