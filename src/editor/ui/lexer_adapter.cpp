#include "editor/ui/lexer_adapter.h"

#include "editor/lexers/lexers.h"
#include "editor/ui/colouring_component.h"

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
    invalidate();
}

void LexerAdapter::invalidate() {
    modifiedEnd_ = -1;
    styledEnd_ = 0;
    send(Base::SCI_STARTSTYLING, 0, 0);
    editor_->viewport()->update();
}

// Insertions and deletions move the positions after them; the lines they touch are no longer the
// lines that were lexed. They are taken as they are announced, before they happen (the control
// announces those also when it keeps quiet about changes made).
void LexerAdapter::textModified(int position, int type, const char*, int length, int, int, int, int, int,
                                int) {
    const long p = position;
    const long n = length;
    if (type & Base::SC_MOD_BEFOREINSERT) {
        if (styledEnd_ > p) styledEnd_ += n;
        if (modifiedEnd_ >= p) modifiedEnd_ += n;
        modifiedEnd_ = std::max(modifiedEnd_, p + n);
    } else if (type & Base::SC_MOD_BEFOREDELETE) {
        if (styledEnd_ > p) styledEnd_ = std::max(p, styledEnd_ - n);
        if (modifiedEnd_ > p) modifiedEnd_ = std::max(p, modifiedEnd_ - n);
        modifiedEnd_ = std::max(modifiedEnd_, p);
    }
}

void LexerAdapter::styleNeeded(int position) {
    colourTo(position);
}

void LexerAdapter::colourPlain(long from, long to) {
    send(Base::SCI_STARTSTYLING, static_cast<unsigned long>(from), 0);
    send(Base::SCI_SETSTYLING, static_cast<unsigned long>(to - from), 0);
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
        colourPlain(pos, end);
        return;
    }
    const lexers::LineLexer lex = lexers::lexerFor(*language_);
    lexers::LineState state = line > 0 ? storedState(line - 1).end : lexers::LineState{};
    while (pos < end) {
        long pieceEnd = end;
        if (end - pos > kPieceBytes) {
            const long pieceLine =
                send(Base::SCI_LINEFROMPOSITION, static_cast<unsigned long>(pos + kPieceBytes));
            pieceEnd = send(Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(pieceLine + 1));
        }
        const std::size_t n = std::size_t(pieceEnd - pos);
        const char* text = reinterpret_cast<const char*>(
            send(Base::SCI_GETRANGEPOINTER, static_cast<unsigned long>(pos), long(n)));
        if (styleBuffer_.size() < n) styleBuffer_.resize(n);
        char* styles = styleBuffer_.data();
        std::size_t at = 0;
        long jumpTo = -1;
        while (at < n) {
            // Lines end at LF, CR LF or CR, as Scintilla splits them.
            std::size_t e = at;
            while (e < n && text[e] != '\n' && text[e] != '\r')
                ++e;
            const std::size_t breakLength = e == n                                                ? 0
                                            : text[e] == '\r' && e + 1 < n && text[e + 1] == '\n' ? 2
                                                                                                  : 1;
            const lexers::LineState next = lex(std::string_view(text + at, e - at), state, tokens_);
            for (const lexers::Token& token : tokens_)
                std::memset(styles + at + token.start, styles_[std::size_t(token.attribute)], token.length);
            std::memset(styles + e, lineEndStyle_, breakLength);
            send(Base::SCI_SETLINESTATE, static_cast<unsigned long>(line),
                 LexedLineState{state, next}.encode());
            ++linesLexed_;
            state = next;
            at = e + breakLength;
            ++line;
            // An unchanged line that starts as it started when it was lexed: it and the lines after
            // it up to the end of the earlier colouring keep their styles.
            const long nextStart = pos + long(at);
            if (nextStart > modifiedEnd_ && nextStart < styledEnd_ && storedState(line).start == state) {
                jumpTo = styledEnd_;
                break;
            }
        }
        send(Base::SCI_STARTSTYLING, static_cast<unsigned long>(pos), 0);
        send(Base::SCI_SETSTYLINGEX, static_cast<unsigned long>(at), reinterpret_cast<long>(styles));
        pos += long(at);
        if (jumpTo >= 0) {
            send(Base::SCI_STARTSTYLING, static_cast<unsigned long>(jumpTo), 0);
            pos = jumpTo;
            if (pos >= end) break;
            // The earlier colouring ends at a line start; should it not, its line is lexed again.
            line = send(Base::SCI_LINEFROMPOSITION, static_cast<unsigned long>(pos));
            pos = send(Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
            state = line > 0 ? storedState(line - 1).end : lexers::LineState{};
        }
    }
    // Once the colouring has passed every modified line, no line is modified any more.
    const long styled = send(Base::SCI_GETENDSTYLED);
    styledEnd_ = std::max(styledEnd_, styled);
    if (styled > modifiedEnd_ || styled == length) modifiedEnd_ = -1;
}

std::optional<ColouredToken> LexerAdapter::tokenAt(long position) {
    if (!language_ || position < 0 || position >= send(Base::SCI_GETLENGTH)) return std::nullopt;
    const long line = send(Base::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    const long start = send(Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long end = send(Base::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    if (position >= end) return std::nullopt;
    // The line starts in the state the line before left, once that line is coloured.
    if (line > 0 && send(Base::SCI_GETENDSTYLED) < start) colourTo(start);
    const lexers::LineState state = line > 0 ? storedState(line - 1).end : lexers::LineState{};
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
