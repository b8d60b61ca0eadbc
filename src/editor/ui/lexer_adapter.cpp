#include "editor/ui/lexer_adapter.h"

#include "editor/lexers/lexers.h"
#include "editor/ui/colouring_component.h"

#include <QEvent>
#include <Qsci/qsciscintillabase.h>
#include <algorithm>
#include <cstring>

namespace wertan {

namespace {

using Base = QsciScintillaBase;

// Text is read and styles written in pieces of about this many bytes (whole lines).
constexpr long kPieceBytes = 1 << 18;

} // namespace

LexerAdapter::LexerAdapter(QsciScintillaBase* editor) : QObject(editor), editor_(editor) {
    connect(editor, &QsciScintillaBase::SCN_STYLENEEDED, this, &LexerAdapter::styleNeeded);
    connect(editor, &QsciScintillaBase::SCN_MODIFIED, this, &LexerAdapter::textModified);
    editor->viewport()->installEventFilter(this);
}

long LexerAdapter::send(unsigned int message, unsigned long wParam, long lParam) const {
    return editor_->SendScintilla(message, wParam, lParam);
}

LexedLineState LexerAdapter::storedState(long line) const {
    return LexedLineState::decode(int(send(Base::SCI_GETLINESTATE, static_cast<unsigned long>(line))));
}

void LexerAdapter::setComponent(const ColouringComponent* component) {
    component_ = component;
    language_ = component ? component->lexerLanguage() : std::nullopt;
    for (int a = 0; a < lexers::kAttributeCount; ++a)
        styles_[std::size_t(a)] = component ? char(component->styleOfToken(lexers::Attribute(a))) : 0;
    lineEndStyle_ = component ? char(component->lineEndStyle()) : 0;
    // Plain text is all style 0, so that colouring it later writes nothing.
    if (!language_) send(Base::SCI_CLEARDOCUMENTSTYLE);
    invalidate();
}

void LexerAdapter::invalidate() {
    modifiedEnd_ = -1;
    styledEnd_ = 0;
    checkpoints_.clear();
    setWantsChangesMade(false);
    send(Base::SCI_STARTSTYLING, 0, 0);
    editor_->viewport()->update();
}

void LexerAdapter::colourView() {
    const long first =
        send(Base::SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(send(Base::SCI_GETFIRSTVISIBLELINE)));
    const long rows = send(Base::SCI_LINESONSCREEN) + 1;
    const long lines = send(Base::SCI_GETLINECOUNT);
    const long after = first + rows + 1 >= lines
                           ? send(Base::SCI_GETLENGTH)
                           : send(Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(first + rows + 1));
    colourTo(after);
}

// Insertions and deletions move the positions after them; the lines they touch are no longer the
// lines that were lexed. They are taken as they are announced, before they happen (the control
// announces those also when it keeps quiet about changes made).
void LexerAdapter::textModified(int position, int type, const char*, int length, int, int, int, int, int,
                                int) {
    const long p = position;
    const long n = length;
    if (type & (Base::SC_MOD_INSERTTEXT | Base::SC_MOD_DELETETEXT)) {
        colourChangedLongLine(p);
        return;
    }
    if (!(type & (Base::SC_MOD_BEFOREINSERT | Base::SC_MOD_BEFOREDELETE))) return;
    if (type & Base::SC_MOD_BEFOREINSERT) {
        if (styledEnd_ > p) styledEnd_ += n;
        if (modifiedEnd_ >= p) modifiedEnd_ += n;
        modifiedEnd_ = std::max(modifiedEnd_, p + n);
    } else {
        if (styledEnd_ > p) styledEnd_ = std::max(p, styledEnd_ - n);
        if (modifiedEnd_ > p) modifiedEnd_ = std::max(p, modifiedEnd_ - n);
        modifiedEnd_ = std::max(modifiedEnd_, p);
    }
    if (checkpoints_.empty()) return;
    // A checkpoint stays where the bytes its lexing read are untouched: before the change by the
    // lexers' lookahead, or in a line after the last one the change touches (it moves with it).
    const bool inserting = type & Base::SC_MOD_BEFOREINSERT;
    const long touchedEnd = inserting ? p : p + n;
    const long lastTouchedLine = send(Base::SCI_LINEFROMPOSITION, static_cast<unsigned long>(touchedEnd));
    const long keepFrom = send(Base::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(lastTouchedLine));
    const long shift = inserting ? n : -n;
    std::vector<Checkpoint> kept;
    kept.reserve(checkpoints_.size());
    for (Checkpoint c : checkpoints_) {
        if (c.position + long(lexers::kLookahead) <= p) {
            kept.push_back(c);
        } else if (c.position > keepFrom) {
            c.position += shift;
            kept.push_back(c);
        }
    }
    checkpoints_.swap(kept);
}

void LexerAdapter::styleNeeded(int position) {
    colourTo(position);
}

void LexerAdapter::colourPlain(long, long to) {
    // Plain text keeps style 0 throughout (cleared when colouring went off, and inserted text
    // comes in with it): nothing needs writing, Scintilla only learns how far it is styled.
    send(Base::SCI_STARTSTYLING, static_cast<unsigned long>(to), 0);
}

const LexerAdapter::Checkpoint* LexerAdapter::checkpointBefore(long lineStart, long position) const {
    auto it = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), position,
                               [](long p, const Checkpoint& c) { return p < c.position; });
    if (it == checkpoints_.begin()) return nullptr;
    --it;
    return it->position > lineStart ? &*it : nullptr;
}

long LexerAdapter::colouredEnd(long lineStart, long lineEnd) const {
    long end = lineStart;
    auto it = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), lineStart,
                               [](long p, const Checkpoint& c) { return p < c.position; });
    for (; it != checkpoints_.end() && it->position <= lineEnd && it->styled; ++it)
        end = it->position;
    return end;
}

void LexerAdapter::dropCheckpoints(long after, long upTo) {
    std::erase_if(checkpoints_,
                  [&](const Checkpoint& c) { return c.position > after && c.position <= upTo; });
}

void LexerAdapter::addCheckpoint(const Checkpoint& checkpoint) {
    auto it = std::lower_bound(checkpoints_.begin(), checkpoints_.end(), checkpoint.position,
                               [](const Checkpoint& c, long p) { return c.position < p; });
    if (it != checkpoints_.end() && it->position == checkpoint.position)
        *it = checkpoint;
    else
        checkpoints_.insert(it, checkpoint);
}

long LexerAdapter::styleNeed(long line, long lineStart) const {
    const long first = send(Base::SCI_GETFIRSTVISIBLELINE);
    const long shown = send(Base::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(line));
    const long rows = send(Base::SCI_LINESONSCREEN) + 1;
    if (shown < first || shown > first + rows) return lineStart;
    // No character is narrower than a pixel nor longer than four bytes.
    const long pixels = std::max(0L, send(Base::SCI_GETXOFFSET)) + std::max(0, editor_->viewport()->width());
    return lineStart + 4 * pixels + kCheckpointBytes;
}

std::pair<long, lexers::LineState> LexerAdapter::lexLongLine(long pos, lexers::LineState state, long lineEnd,
                                                             long styleTo, long lexTo) {
    const lexers::LinePartLexer lex = lexers::partLexerFor(*language_);
    dropCheckpoints(pos, lineEnd);
    ++linesLexed_;
    setWantsChangesMade(true);
    while (pos < lexTo) {
        // A piece from the checkpoint to the next token boundary a checkpoint's length on, read with
        // room for the tokens' lookahead; a token running further (a long string or comment) takes
        // a longer read.
        long reach = kCheckpointBytes + long(lexers::kLookahead);
        std::size_t stopped = 0;
        lexers::LineState next;
        for (;;) {
            const long length = std::min(reach, lineEnd - pos);
            const char* text = reinterpret_cast<const char*>(
                send(Base::SCI_GETRANGEPOINTER, static_cast<unsigned long>(pos), length));
            next = lex(std::string_view(text, std::size_t(length)), state, tokens_,
                       std::size_t(kCheckpointBytes), &stopped);
            const bool toLineEnd = pos + length == lineEnd;
            if (toLineEnd || (long(stopped) < length && long(stopped) + long(lexers::kLookahead) <= length))
                break;
            reach *= 2;
        }
        longLineBytesLexed_ += stopped;
        const bool styled = pos < styleTo;
        if (styled) {
            if (styleBuffer_.size() < stopped) styleBuffer_.resize(stopped);
            char* styles = styleBuffer_.data();
            for (const lexers::Token& token : tokens_)
                std::memset(styles + token.start, styles_[std::size_t(token.attribute)], token.length);
            send(Base::SCI_STARTSTYLING, static_cast<unsigned long>(pos), 0);
            send(Base::SCI_SETSTYLINGEX, static_cast<unsigned long>(stopped), reinterpret_cast<long>(styles));
        }
        pos += long(stopped);
        state = next;
        addCheckpoint(Checkpoint{pos, state, styled});
    }
    return {pos, state};
}

lexers::LineState LexerAdapter::endStateOf(long line) {
    const LexedLineState stored = storedState(line);
    if (stored.endKnown || !language_) return stored.end;
    // A long line coloured only as far as it was shown: lexed on from its last checkpoint.
    const long lineStart = send(Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long lineEnd = send(Base::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    long pos = lineStart;
    lexers::LineState state = stored.start;
    if (const Checkpoint* c = checkpointBefore(lineStart, lineEnd)) {
        pos = c->position;
        state = c->state;
    }
    state = lexLongLine(pos, state, lineEnd, pos, lineEnd).second;
    send(Base::SCI_SETLINESTATE, static_cast<unsigned long>(line),
         LexedLineState{stored.start, state}.encode());
    return state;
}

void LexerAdapter::colourTo(long wanted) {
    const long length = send(Base::SCI_GETLENGTH);
    wanted = std::min(wanted, length);
    const long endStyled = send(Base::SCI_GETENDSTYLED);
    if (endStyled >= wanted) return;
    long line = send(Base::SCI_LINEFROMPOSITION, static_cast<unsigned long>(endStyled));
    long pos = send(Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long lastLine = send(Base::SCI_LINEFROMPOSITION, static_cast<unsigned long>(wanted - 1));
    const long end = send(Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(lastLine + 1));
    if (!language_) {
        // A long plain line is claimed as soon as it changes, as a coloured one is coloured then.
        const long lineEnd = send(Base::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
        if (lineEnd - pos > kLongLine) setWantsChangesMade(true);
        colourPlain(pos, end);
        return;
    }
    const lexers::LineLexer lex = lexers::lexerFor(*language_);
    lexers::LineState state = line > 0 ? endStateOf(line - 1) : lexers::LineState{};
    // A long line is taken up at its last checkpoint before the styled end.
    lexers::LineState lineStartState = state;
    if (const Checkpoint* c = checkpointBefore(pos, endStyled)) {
        const long lineEnd = send(Base::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
        if (lineEnd - pos > kLongLine) {
            lineStartState = storedState(line).start;
            pos = c->position;
            state = c->state;
        }
    }
    while (pos < end) {
        long jumpTo = -1;
        const long lineStart = send(Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
        const long lineEnd = send(Base::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
        if (lineEnd - lineStart > kLongLine) {
            if (pos == lineStart) lineStartState = state;
            const long nextLine = send(Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1));
            // Lines after it need its end state; else it is lexed only as far as it is shown.
            const long styleTo = std::min(lineEnd, styleNeed(line, lineStart));
            const bool endNeeded = nextLine < end;
            const auto [stopped, after] =
                lexLongLine(pos, state, lineEnd, styleTo, endNeeded ? lineEnd : styleTo);
            const bool whole = stopped >= lineEnd;
            send(Base::SCI_SETLINESTATE, static_cast<unsigned long>(line),
                 LexedLineState{lineStartState, whole ? after : lexers::LineState{}, whole}.encode());
            // Styles past what was written stay as they were; Scintilla counts the line as styled.
            send(Base::SCI_STARTSTYLING, static_cast<unsigned long>(lineEnd), 0);
            send(Base::SCI_SETSTYLING, static_cast<unsigned long>(nextLine - lineEnd), lineEndStyle_);
            pos = nextLine;
            ++line;
            if (!whole) break;
            state = after;
            lineStartState = state;
            if (pos > modifiedEnd_ && pos < styledEnd_ && storedState(line).start == state)
                jumpTo = styledEnd_;
        } else {
            // A run of short lines, read and styled in pieces of about kPieceBytes, stopping before
            // a long line.
            long pieceEnd = end;
            if (end - pos > kPieceBytes) {
                const long pieceLine =
                    send(Base::SCI_LINEFROMPOSITION, static_cast<unsigned long>(pos + kPieceBytes));
                pieceEnd = std::min(end, send(Base::SCI_POSITIONFROMLINE,
                                              static_cast<unsigned long>(std::max(pieceLine, line + 1))));
            }
            const std::size_t n = std::size_t(pieceEnd - pos);
            const char* text = reinterpret_cast<const char*>(
                send(Base::SCI_GETRANGEPOINTER, static_cast<unsigned long>(pos), long(n)));
            if (styleBuffer_.size() < n) styleBuffer_.resize(n);
            char* styles = styleBuffer_.data();
            std::size_t at = 0;
            while (at < n) {
                // Lines end at LF, CR LF or CR, as Scintilla splits them.
                std::size_t e = at;
                while (e < n && text[e] != '\n' && text[e] != '\r')
                    ++e;
                if (long(e - at) > kLongLine) break; // coloured on its own, from the top of the loop
                const std::size_t breakLength = e == n                                                ? 0
                                                : text[e] == '\r' && e + 1 < n && text[e + 1] == '\n' ? 2
                                                                                                      : 1;
                const lexers::LineState next = lex(std::string_view(text + at, e - at), state, tokens_);
                for (const lexers::Token& token : tokens_)
                    std::memset(styles + at + token.start, styles_[std::size_t(token.attribute)],
                                token.length);
                std::memset(styles + e, lineEndStyle_, breakLength);
                send(Base::SCI_SETLINESTATE, static_cast<unsigned long>(line),
                     LexedLineState{state, next}.encode());
                ++linesLexed_;
                state = next;
                lineStartState = state;
                at = e + breakLength;
                ++line;
                // An unchanged line that starts as it started when it was lexed: it and the lines
                // after it up to the end of the earlier colouring keep their styles.
                const long nextStart = pos + long(at);
                if (nextStart > modifiedEnd_ && nextStart < styledEnd_ && storedState(line).start == state) {
                    jumpTo = styledEnd_;
                    break;
                }
            }
            send(Base::SCI_STARTSTYLING, static_cast<unsigned long>(pos), 0);
            send(Base::SCI_SETSTYLINGEX, static_cast<unsigned long>(at), reinterpret_cast<long>(styles));
            pos += long(at);
        }
        if (jumpTo >= 0) {
            send(Base::SCI_STARTSTYLING, static_cast<unsigned long>(jumpTo), 0);
            pos = jumpTo;
            if (pos >= end) break;
            // The earlier colouring ends at a line start; should it not, its line is lexed again.
            line = send(Base::SCI_LINEFROMPOSITION, static_cast<unsigned long>(pos));
            pos = send(Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
            state = line > 0 ? endStateOf(line - 1) : lexers::LineState{};
            lineStartState = state;
        }
    }
    // Once the colouring has passed every modified line, no line is modified any more.
    const long styled = send(Base::SCI_GETENDSTYLED);
    styledEnd_ = std::max(styledEnd_, styled);
    if (styled > modifiedEnd_ || styled == length) modifiedEnd_ = -1;
}

void LexerAdapter::setWantsChangesMade(bool wanted) {
    if (wantsChangesMade_ == wanted) return;
    wantsChangesMade_ = wanted;
    emit wantsChangesMadeChanged(wanted);
}

void LexerAdapter::colourChangedLongLine(long position) {
    const long line = send(Base::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    const long lineStart = send(Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long lineEnd = send(Base::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    if (lineEnd - lineStart <= kLongLine) return;
    colourTo(lineEnd);
}

bool LexerAdapter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == editor_->viewport() && language_ &&
        !checkpoints_.empty())
        colourShownLongLines();
    return QObject::eventFilter(watched, event);
}

void LexerAdapter::colourShownLongLines() {
    const long first = send(Base::SCI_GETFIRSTVISIBLELINE);
    const long rows = send(Base::SCI_LINESONSCREEN) + 1;
    const long lines = send(Base::SCI_GETLINECOUNT);
    const long endStyled = send(Base::SCI_GETENDSTYLED);
    for (long shown = first; shown <= first + rows; ++shown) {
        const long line = send(Base::SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(shown));
        if (line >= lines) break;
        const long lineStart = send(Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
        if (lineStart >= endStyled) break; // Scintilla asks for the rest itself
        const long lineEnd = send(Base::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
        if (lineEnd - lineStart <= kLongLine) continue;
        const long coloured = colouredEnd(lineStart, lineEnd);
        if (coloured < std::min(lineEnd, styleNeed(line, lineStart))) {
            // Scintilla is told the line is styled only up to there, so it asks for the rest.
            send(Base::SCI_STARTSTYLING, static_cast<unsigned long>(coloured), 0);
            return;
        }
    }
}

std::optional<ColouredToken> LexerAdapter::tokenAt(long position) {
    if (!language_ || position < 0 || position >= send(Base::SCI_GETLENGTH)) return std::nullopt;
    const long line = send(Base::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    const long start = send(Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long end = send(Base::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    if (position >= end) return std::nullopt;
    // The line starts in the state the line before left, once that line is coloured.
    if (line > 0 && send(Base::SCI_GETENDSTYLED) < start) colourTo(start);
    const lexers::LineState state = line > 0 ? endStateOf(line - 1) : lexers::LineState{};
    const char* text = reinterpret_cast<const char*>(
        send(Base::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start));
    lexers::lexLine(*language_, std::string_view(text, std::size_t(end - start)), state, tokens_);
    const auto offset = std::uint32_t(position - start);
    for (const lexers::Token& token : tokens_)
        if (offset >= token.start && offset - token.start < token.length)
            return ColouredToken{start + long(token.start), long(token.length),
                                 component_->attributeOfToken(token.attribute)};
    return std::nullopt;
}

} // namespace wertan
