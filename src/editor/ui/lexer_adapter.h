#pragma once
// Colours one editor's text with the lexer of its colouring component.
//
// The editor is its own lexer (Scintilla's container lexing): Scintilla asks for styles up to a
// position when it is about to show text, and in idle time for text outside the view. The adapter
// lexes whole lines from the first line Scintilla needs, each from the state the line before left,
// writes the tokens' styles and keeps each line's starting and ending state in Scintilla's line
// state. After an edit it lexes the changed lines and stops at the first unchanged line that starts
// in the same state as when it was last lexed: the styles from there on are still right.
//
// A long line (minified JavaScript or CSS: one line of megabytes) is coloured only as far as the
// view shows it. The adapter keeps checkpoints inside such a line, every few tens of kilobytes: a
// token boundary and the lexer's state there, so that an edit is coloured anew from the checkpoint
// before it, not from the line's start. Beyond what is shown the line is lexed only when a later
// line needs its end state; when the view moves further along the line, the rest is coloured then.
#include "editor/lexers/lexer_types.h"

#include <QObject>
#include <array>
#include <optional>
#include <utility>
#include <vector>

class QsciScintillaBase;

namespace wertan {

class ColouringComponent;

// What Scintilla keeps per line: the state the line was lexed from and the state it left. A long
// line coloured only part of the way has not been lexed to its end: its end state is not known yet.
struct LexedLineState {
    lexers::LineState start;
    lexers::LineState end;
    bool endKnown = true;

    friend bool operator==(const LexedLineState&, const LexedLineState&) = default;

    static constexpr int kEndUnknown = 1 << 16;
    constexpr int encode() const noexcept {
        return start.encode() << 8 | end.encode() | (endKnown ? 0 : kEndUnknown);
    }
    static constexpr LexedLineState decode(int value) noexcept {
        return {lexers::LineState::decode(value >> 8 & 0xFF), lexers::LineState::decode(value & 0xFF),
                (value & kEndUnknown) == 0};
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
    // Colours what the view shows now. A new text is coloured so before the control first lays out
    // its lines: a long line whose styles changed after its layout would be laid out whole again.
    void colourView();

    // The token at a byte position, lexed from the state its line starts in (the lines before are
    // coloured first); none on line breaks, past the end, without colouring or without a lexer.
    std::optional<ColouredToken> tokenAt(long position);

    // Lines lexed since the editor was made (for measuring how much an edit rescans); a long line
    // counts once each time it is taken up.
    std::size_t linesLexed() const { return linesLexed_; }
    // Bytes of long lines lexed since the editor was made.
    std::size_t longLineBytesLexed() const { return longLineBytesLexed_; }

    // Lines longer than this are coloured in pieces from checkpoints this far apart.
    static constexpr long kLongLine = 1 << 18;
    static constexpr long kCheckpointBytes = 1 << 15;

    // Whether the adapter needs to hear of changes once they are made, not only before: while the text
    // has a long line, the changed piece of it is coloured at once, before the control lays the line
    // out for the caret, so that the whole line is not laid out a second time for new styles.
    bool wantsChangesMade() const { return wantsChangesMade_; }

signals:
    void wantsChangesMadeChanged(bool wanted);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A place inside a long line where lexing can go on: a token boundary, the lexer's state there,
    // and whether the styles from the checkpoint before (or the line's start) up to it are written.
    struct Checkpoint {
        long position;
        lexers::LineState state;
        bool styled;
    };

    void styleNeeded(int position);
    void textModified(int position, int type, const char* text, int length, int linesAdded, int line,
                      int foldNow, int foldPrevious, int token, int annotationLines);
    // Colours whole lines from the line of Scintilla's styled end to the line holding `position`.
    void colourTo(long position);
    void colourPlain(long from, long to);
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    LexedLineState storedState(long line) const;
    // The state a line leaves; a long line coloured only part of the way is lexed to its end first.
    lexers::LineState endStateOf(long line);
    // Lexes a long line from `pos` (its start or a checkpoint) in state `state`: styles are written up
    // to `styleTo`, lexing goes on to `lexTo` (at most the line's end). Returns where it stopped and
    // the state there.
    std::pair<long, lexers::LineState> lexLongLine(long pos, lexers::LineState state, long lineEnd,
                                                   long styleTo, long lexTo);
    // How far into a line the view needs styles: nothing for a line off the screen, else as many
    // bytes as could fill the view up to its right edge, and a checkpoint's worth more.
    long styleNeed(long line, long lineStart) const;
    // The last checkpoint at or before a position, within [lineStart, position].
    const Checkpoint* checkpointBefore(long lineStart, long position) const;
    // Where the written styles of a long line end, counted from its start without a gap.
    long colouredEnd(long lineStart, long lineEnd) const;
    void dropCheckpoints(long after, long upTo);
    void addCheckpoint(const Checkpoint& checkpoint);
    // Before the view is painted: a long line shown further than it is coloured is coloured on.
    void colourShownLongLines();
    void setWantsChangesMade(bool wanted);
    // After a change inside a long line: the line is coloured as far as it is shown, at once.
    void colourChangedLongLine(long position);

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

    // Sorted by position; they move with insertions and deletions before them, and those a change
    // could affect (from kLookahead bytes before it on) are dropped.
    std::vector<Checkpoint> checkpoints_;

    lexers::TokenBuffer tokens_;
    std::vector<char> styleBuffer_;
    std::size_t linesLexed_ = 0;
    std::size_t longLineBytesLexed_ = 0;
    bool wantsChangesMade_ = false;
};

} // namespace wertan
