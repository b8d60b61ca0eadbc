#pragma once
// One colouring component per language, shared by every editor coloured with that language. It holds
// the language's colour scheme and writes its attributes into the Scintilla styles of the editors
// that use it, so a change of an attribute shows on all of them at once.
//
// Style numbers: attribute i of the scheme is Scintilla style i + 1; style 0 is plain text in the
// editor's own font and colours. The language's lexer (through each editor's LexerAdapter) sets
// these style numbers on the text.
#include "editor/colour_scheme.h"
#include "editor/lexers/lexer_types.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <array>
#include <cstdint>
#include <optional>

namespace wertan {

class CodeEditor;

class ColouringComponent : public QObject {
    Q_OBJECT
public:
    explicit ColouringComponent(SchemeLanguage language, QObject* parent = nullptr);
    ~ColouringComponent() override;

    SchemeLanguage language() const { return scheme_.language; }
    QString languageName() const { return schemeLanguageName(scheme_.language); }

    const ColourScheme& scheme() const { return scheme_; }
    int attributeCount() const { return int(scheme_.attributes.size()); }
    const HighlighterAttribute& attribute(int index) const {
        return scheme_.attributes.at(std::size_t(index));
    }
    // Replaces one attribute (its name stays) and restyles every editor that uses the component.
    void setAttribute(int index, const HighlighterAttribute& attribute);
    // Replaces the colours and styles of the whole scheme; the attribute names stay.
    void setScheme(const ColourScheme& scheme);

    static int styleOfAttribute(int index) { return index + 1; }
    // The attribute a Scintilla style stands for, or -1 for plain text and unknown styles.
    int attributeOfStyle(int style) const;
    // The attribute named "Space", or -1 when the language has none.
    int spaceAttribute() const;
    bool hasStrikeOut() const;

    // The lexer that cuts the language's text into tokens; none for VBScript, which colours no page.
    std::optional<lexers::Language> lexerLanguage() const;
    // The scheme attribute a lexer token is drawn with, or -1 when the scheme has no such attribute.
    int attributeOfToken(lexers::Attribute attribute) const {
        return tokenAttributes_[std::size_t(attribute)];
    }
    // The Scintilla style of a lexer token (0, plain, for an attribute the scheme lacks).
    int styleOfToken(lexers::Attribute attribute) const { return attributeOfToken(attribute) + 1; }
    // The style of line breaks: Space, or Symbol in SQL, which has no Space attribute.
    int lineEndStyle() const { return lineEndStyle_; }

    // The editors coloured by this component. CodeEditor::setColouring attaches and detaches.
    QList<CodeEditor*> editors() const;
    // Writes the attribute styles into one editor, over its plain style.
    void applyStyles(CodeEditor* editor) const;

signals:
    void editorAttached(wertan::CodeEditor* editor);
    void editorDetached(wertan::CodeEditor* editor);
    void attributesChanged();

private:
    friend class CodeEditor;
    void attach(CodeEditor* editor);
    void detach(CodeEditor* editor);
    void restyleAll();

    ColourScheme scheme_;
    std::array<std::int8_t, lexers::kAttributeCount> tokenAttributes_{};
    int lineEndStyle_ = 0;
    QList<QPointer<CodeEditor>> editors_;
};

} // namespace wertan
