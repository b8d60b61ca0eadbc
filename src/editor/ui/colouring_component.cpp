#include "editor/ui/colouring_component.h"

#include "editor/ui/code_editor.h"
#include "editor/ui/colours.h"

namespace wertan {

ColouringComponent::ColouringComponent(SchemeLanguage language, QObject* parent)
    : QObject(parent), scheme_(startingScheme(language)) {
    // Lexer attributes find their scheme attribute by name; the names never change afterwards.
    for (int a = 0; a < lexers::kAttributeCount; ++a) {
        const std::string_view name = lexers::attributeName(lexers::Attribute(a));
        tokenAttributes_[std::size_t(a)] = std::int8_t(scheme_.indexOf(name));
    }
    const bool sql = language == SchemeLanguage::Sql;
    lineEndStyle_ = styleOfToken(sql ? lexers::Attribute::Symbol : lexers::Attribute::Space);
}

ColouringComponent::~ColouringComponent() {
    // Editors outliving the component fall back to plain text.
    const auto editors = editors_;
    for (const auto& editor : editors)
        if (editor) editor->setColouring(nullptr);
}

void ColouringComponent::setAttribute(int index, const HighlighterAttribute& attribute) {
    if (index < 0 || index >= attributeCount()) return;
    auto& target = scheme_.attributes[std::size_t(index)];
    target.background = attribute.background;
    target.foreground = attribute.foreground;
    target.style = attribute.style;
    restyleAll();
}

void ColouringComponent::setScheme(const ColourScheme& scheme) {
    for (const auto& attribute : scheme.attributes) {
        const int index = scheme_.indexOf(attribute.name);
        if (index < 0) continue;
        auto& target = scheme_.attributes[std::size_t(index)];
        target.background = attribute.background;
        target.foreground = attribute.foreground;
        target.style = attribute.style;
    }
    restyleAll();
}

int ColouringComponent::attributeOfStyle(int style) const {
    const int index = style - 1;
    return index >= 0 && index < attributeCount() ? index : -1;
}

int ColouringComponent::spaceAttribute() const {
    return scheme_.indexOf("Space");
}

bool ColouringComponent::hasStrikeOut() const {
    for (const auto& attribute : scheme_.attributes)
        if (attribute.style & StyleStrikeOut) return true;
    return false;
}

std::optional<lexers::Language> ColouringComponent::lexerLanguage() const {
    switch (scheme_.language) {
    case SchemeLanguage::Php:
        return lexers::Language::Php;
    case SchemeLanguage::Html:
        return lexers::Language::Html;
    case SchemeLanguage::Sql:
        return lexers::Language::Sql;
    case SchemeLanguage::JavaScript:
        return lexers::Language::JavaScript;
    case SchemeLanguage::Css:
        return lexers::Language::Css;
    case SchemeLanguage::VbScript:
        break;
    }
    return std::nullopt;
}

QList<CodeEditor*> ColouringComponent::editors() const {
    QList<CodeEditor*> list;
    for (const auto& editor : editors_)
        if (editor) list << editor.data();
    return list;
}

void ColouringComponent::applyStyles(CodeEditor* editor) const {
    const QColor paper = editor->paperColour();
    const QColor ink = editor->inkColour();
    for (int i = 0; i < attributeCount(); ++i) {
        const auto& a = attribute(i);
        const unsigned long style = static_cast<unsigned long>(styleOfAttribute(i));
        editor->SendScintilla(QsciScintillaBase::SCI_STYLESETFORE, style,
                              colourFromNumber(a.foreground, ink));
        editor->SendScintilla(QsciScintillaBase::SCI_STYLESETBACK, style,
                              colourFromNumber(a.background, paper));
        editor->SendScintilla(QsciScintillaBase::SCI_STYLESETBOLD, style, long((a.style & StyleBold) != 0));
        editor->SendScintilla(QsciScintillaBase::SCI_STYLESETITALIC, style,
                              long((a.style & StyleItalic) != 0));
        editor->SendScintilla(QsciScintillaBase::SCI_STYLESETUNDERLINE, style,
                              long((a.style & StyleUnderline) != 0));
    }
}

void ColouringComponent::attach(CodeEditor* editor) {
    for (const auto& e : editors_)
        if (e == editor) return;
    editors_.removeAll(QPointer<CodeEditor>());
    editors_ << QPointer<CodeEditor>(editor);
    emit editorAttached(editor);
}

void ColouringComponent::detach(CodeEditor* editor) {
    if (editors_.removeAll(QPointer<CodeEditor>(editor)) > 0) emit editorDetached(editor);
}

void ColouringComponent::restyleAll() {
    for (const auto& editor : editors_)
        if (editor) editor->refreshStyles();
    emit attributesChanged();
}

} // namespace wertan
