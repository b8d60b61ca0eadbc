#pragma once
// Colours one editor's text with the lexer of its colouring component.
//
// The editor is its own lexer (Scintilla's container lexing): Scintilla asks for styles up to a
// position when it is about to show text, and in idle time for text outside the view. The adapter
// lexes whole lines from the first line Scintilla needs, each from the state the line before left,
// writes the tokens' styles and keeps each line's starting and ending state in Scintilla's line
// state. After an edit it lexes the changed lines and stops at the first unchanged line that starts
// in the same state as when it was last lexed: the styles from there on are still right.
#include "editor/lexers/lexer_types.h"

#include <QObject>
#include <array>
#include <optional>
#include <vector>

class QsciScintillaBase;

namespace wertan {

class ColouringComponent;

// What Scintilla keeps per line: the state the line was lexed from and the state it left.
struct LexedLineState {
    lexers::LineState start;
    lexers::LineState end;

    friend bool operator==(const LexedLineState&, const LexedLineState&) = default;

    constexpr int encode() const noexcept { return start.encode() << 8 | end.encode(); }
    static constexpr LexedLineState decode(int value) noexcept {
        return {lexers::LineState::decode(value >> 8 & 0xFF), lexers::LineState::decode(value & 0xFF)};
    }
};

// A token of the colouring at a place in the text: byte position and length in the document, and
// the index of its attribute in the component's scheme (-1 when the scheme has none).
struct ColouredToken {
    long start = 0;
    long length = 0;
    int attribute = -1;
};

class LexerAdapter : public QObject {
    Q_OBJECT
public:
    explicit LexerAdapter(QsciScintillaBase* editor);

    // The component whose language and styles colour the text; null leaves the text plain. The
    // whole text is coloured anew as Scintilla asks for it.
    void setComponent(const ColouringComponent* component);
    // Forgets all colouring done so far: the next request lexes from the first line.
    void invalidate();

    // The token at a byte position, lexed from the state its line starts in (the lines before are
    // coloured first); none on line breaks, past the end, without colouring or without a lexer.
    std::optional<ColouredToken> tokenAt(long position);

    // Lines lexed since the editor was made (for measuring how much an edit rescans).
    std::size_t linesLexed() const { return linesLexed_; }

private:
    void styleNeeded(int position);
    void textModified(int position, int type, const char* text, int length, int linesAdded, int line,
                      int foldNow, int foldPrevious, int token, int annotationLines);
    // Colours whole lines from the line of Scintilla's styled end to the line holding `position`.
    void colourTo(long position);
    void colourPlain(long from, long to);
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    LexedLineState storedState(long line) const;

    QsciScintillaBase* editor_;
    const ColouringComponent* component_ = nullptr;
    std::optional<lexers::Language> language_;
    // Style of each lexer attribute, and of line breaks.
    std::array<char, lexers::kAttributeCount> styles_{};
    char lineEndStyle_ = 0;

    // Lines that start after modifiedEnd_ (-1: nothing modified) hold the text they had when they
    // were lexed; up to styledEnd_ their styles and stored states agree with each other, though
    // they may have been lexed from a starting state that is no longer right. Both positions move
    // with insertions and deletions before them.
    long modifiedEnd_ = -1;
    long styledEnd_ = 0;

    lexers::TokenBuffer tokens_;
    std::vector<char> styleBuffer_;
    std::size_t linesLexed_ = 0;
};

} // namespace wertan
