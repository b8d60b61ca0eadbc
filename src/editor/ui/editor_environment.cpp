#include "editor/ui/editor_environment.h"

#include "editor/completion_rules.h"
#include "editor/hint_trigger.h"
#include "editor/ui/code_editor.h"
#include "editor/ui/colouring_component.h"
#include "editor/ui/completion_list.h"
#include "editor/ui/editor_options_dialog.h"
#include "platform/prompts.h"
#include "platform/settings_store.h"

#include <QWidget>

namespace wertan {

namespace {
const QString kReadFailed =
    QStringLiteral("Próba oczytu danych podświetlenia składni z rejestru nie powiodła się!");
const QString kWriteFailed =
    QStringLiteral("Próba zapisu danych podświetlenia składni z rejestru nie powiodła się!");
} // namespace

EditorEnvironment::EditorEnvironment(SettingsStore& store, Prompts& prompts, QObject* parent)
    : QObject(parent), store_(store), prompts_(prompts),
      phpList_(new CompletionList(Qt::Key_Space, Qt::ControlModifier, this)),
      sqlList_(new CompletionList(Qt::Key_Space, Qt::ControlModifier | Qt::ShiftModifier, this)) {
    const auto& order = schemeLanguageOrder();
    for (std::size_t i = 0; i < order.size(); ++i)
        components_[i] = new ColouringComponent(order[i], this);
    for (const std::string& word : wertan::sqlCompletionWords())
        sqlList_->entries() << QString::fromLatin1(word.data(), qsizetype(word.size()));
    sqlWords_ = sqlList_->entries();
}

EditorEnvironment::~EditorEnvironment() {
    // The dialog's preview leaves its colouring component before the components go.
    dialog_.reset();
}

ColouringComponent* EditorEnvironment::component(SchemeLanguage language) const {
    for (ColouringComponent* c : components_)
        if (c->language() == language) return c;
    return nullptr;
}

void EditorEnvironment::setupEditor(CodeEditor* editor) {
    editor->applyFixedSettings();
    if (ready_) applyEditorOptions(editor, ColouringKind::Php);
    connect(editor, &CodeEditor::caretMoved, this, &EditorEnvironment::triggerHints, Qt::UniqueConnection);
    connect(editor, &CodeEditor::keyReleased, this, &EditorEnvironment::triggerHints, Qt::UniqueConnection);
}

void EditorEnvironment::basicSetup(CodeEditor* editor) {
    editor->applyBasicSettings();
}

void EditorEnvironment::applyEditorOptions(CodeEditor* editor, ColouringKind kind) {
    editor->takePageOptions(options_);
    editor->setColouring(component(schemeLanguageFor(kind)));
    editor->viewport()->update();
}

void EditorEnvironment::reapplyEditorOptions(CodeEditor* editor) {
    editor->takePageOptions(options_);
    editor->setColouring(editor->colouring());
    editor->viewport()->update();
}

void EditorEnvironment::removeColouring(CodeEditor* editor) {
    editor->setColouring(nullptr);
}

std::optional<ColouringKind> EditorEnvironment::colouringOf(const CodeEditor* editor) const {
    if (!editor || !editor->colouring()) return std::nullopt;
    return colouringKindFor(editor->colouring()->language());
}

void EditorEnvironment::initialise(CodeEditor* firstEditor) {
    ready_ = false;
    loadEditorOptions(store_, options_);
    // On a first start nothing has been stored yet: the starting colours are taken without a message.
    // A scheme that is missing or incomplete in a store that holds schemes is reported.
    const bool stored = highlightersStored(store_);
    for (ColouringComponent* c : components_) {
        if (!stored) continue;
        ColourScheme scheme = c->scheme();
        const bool complete = loadColourScheme(store_, scheme);
        c->setScheme(scheme);
        if (!complete) prompts_.message(kReadFailed);
    }
    if (dialog_) dialog_->previewEditor()->setOptions(options_);
    if (firstEditor) applyEditorOptions(firstEditor, ColouringKind::Php);
    ready_ = true;
}

void EditorEnvironment::save() {
    saveEditorOptions(store_, options_);
    const QString problem = store_.sync();
    if (!problem.isEmpty()) prompts_.error(problem);
    for (ColouringComponent* c : components_)
        if (!saveColourScheme(store_, c->scheme())) prompts_.message(kWriteFailed);
}

void EditorEnvironment::attachCompletionLists(CodeEditor* editor) {
    attachPhpCompletion(editor);
    attachSqlCompletion(editor);
}

void EditorEnvironment::attachPhpCompletion(CodeEditor* editor) {
    phpList_->attach(editor);
}

void EditorEnvironment::attachSqlCompletion(CodeEditor* editor) {
    sqlList_->attach(editor);
}

QStringList& EditorEnvironment::phpCompletionWords() {
    return phpList_->entries();
}

const QStringList& EditorEnvironment::sqlCompletionWords() const {
    return sqlList_->entries();
}

EditorOptionsDialog* EditorEnvironment::optionsDialog() {
    if (!dialog_) {
        dialog_ = std::make_unique<EditorOptionsDialog>(options_, components_, prompts_);
        connect(dialog_.get(), &QDialog::accepted, this, &EditorEnvironment::optionsConfirmed);
    }
    return dialog_.get();
}

void EditorEnvironment::showOptionsDialog(QWidget* parent) {
    EditorOptionsDialog* dialog = optionsDialog();
    dialog->prepareToShow();
    // The dialog stays the environment's; it only opens over the caller's window, kept above it.
    dialog->placeOver(parent);
    dialog->exec();
}

// A key release or a caret move in a page: with the hint window shown, the words at the caret are
// looked up.
void EditorEnvironment::triggerHints() {
    auto* editor = qobject_cast<CodeEditor*>(sender());
    if (!editor || !hints_ || !hints_->hintsVisible()) return;
    for (const std::string& word : hintTriggerWords(editor->caretLineBytes(), editor->caretCharacterColumn()))
        hints_->showHint(word);
}

} // namespace wertan
