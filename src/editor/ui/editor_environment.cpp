#include "editor/ui/editor_environment.h"

#include "editor/ui/code_editor.h"

namespace wertan {

namespace {
const char* const kColouringProperty = "wertanColouringKind";
}

EditorEnvironment::EditorEnvironment(SettingsStore& store, Prompts& prompts, QObject* parent)
    : QObject(parent), store_(store), prompts_(prompts) {}

EditorEnvironment::~EditorEnvironment() = default;

void EditorEnvironment::setupEditor(CodeEditor* editor) {
    editor->applyFixedSettings();
    if (ready_)
        applyEditorOptions(editor, ColouringKind::Php);
}

void EditorEnvironment::basicSetup(CodeEditor* editor) { editor->applyBasicSettings(); }

void EditorEnvironment::applyEditorOptions(CodeEditor* editor, ColouringKind kind) {
    editor->setProperty(kColouringProperty, int(kind));
}

void EditorEnvironment::removeColouring(CodeEditor* editor) { editor->setProperty(kColouringProperty, QVariant()); }

std::optional<ColouringKind> EditorEnvironment::colouringOf(const CodeEditor* editor) const {
    const QVariant v = editor->property(kColouringProperty);
    if (!v.isValid())
        return std::nullopt;
    return ColouringKind(v.toInt());
}

void EditorEnvironment::initialise(CodeEditor* firstEditor) {
    ready_ = true;
    if (firstEditor)
        applyEditorOptions(firstEditor, ColouringKind::Php);
}

void EditorEnvironment::save() {}

void EditorEnvironment::attachCompletionLists(CodeEditor*) {}

void EditorEnvironment::showOptionsDialog(QWidget*) {}

} // namespace wertan
