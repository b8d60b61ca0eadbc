#include "editor/ui/code_editor.h"

#include "editor/ui/colouring_component.h"
#include "editor/ui/colours.h"
#include "editor/ui/lexer_adapter.h"
#include "text/win1250.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QToolTip>
#include <Qsci/qscicommandset.h>
#include <algorithm>
#include <cmath>

namespace wertan {

namespace {

using Base = QsciScintillaBase;

// Bookmark n is marker n; the gutter's bookmark column shows markers 0 to 9.
constexpr int kBookmarkMask = 0x3FF;
constexpr int kNumberMargin = 0;
constexpr int kBookmarkMargin = 1;
// The caret line's text colour in the options preview.
constexpr int kCaretLineIndicator = 8;
// Lines indented by block indent and unindent.
constexpr int kBlockIndentStep = 2;

unsigned long u(long v) {
    return static_cast<unsigned long>(v);
}

// The Scintilla message of each plain movement and of the same movement extending a stream selection.
struct MovementMessages {
    unsigned int plain;
    unsigned int extend;
};

std::optional<MovementMessages> scintillaMovement(EditorCommand movement) {
    switch (movement) {
    case EditorCommand::Left:
        return MovementMessages{Base::SCI_CHARLEFT, Base::SCI_CHARLEFTEXTEND};
    case EditorCommand::Right:
        return MovementMessages{Base::SCI_CHARRIGHT, Base::SCI_CHARRIGHTEXTEND};
    case EditorCommand::Up:
        return MovementMessages{Base::SCI_LINEUP, Base::SCI_LINEUPEXTEND};
    case EditorCommand::Down:
        return MovementMessages{Base::SCI_LINEDOWN, Base::SCI_LINEDOWNEXTEND};
    case EditorCommand::WordLeft:
        return MovementMessages{Base::SCI_WORDLEFT, Base::SCI_WORDLEFTEXTEND};
    case EditorCommand::WordRight:
        return MovementMessages{Base::SCI_WORDRIGHT, Base::SCI_WORDRIGHTEXTEND};
    case EditorCommand::LineStart:
        return MovementMessages{Base::SCI_HOME, Base::SCI_HOMEEXTEND};
    case EditorCommand::LineEnd:
        return MovementMessages{Base::SCI_LINEEND, Base::SCI_LINEENDEXTEND};
    case EditorCommand::PageUp:
        return MovementMessages{Base::SCI_PAGEUP, Base::SCI_PAGEUPEXTEND};
    case EditorCommand::PageDown:
        return MovementMessages{Base::SCI_PAGEDOWN, Base::SCI_PAGEDOWNEXTEND};
    case EditorCommand::EditorTop:
        return MovementMessages{Base::SCI_DOCUMENTSTART, Base::SCI_DOCUMENTSTARTEXTEND};
    case EditorCommand::EditorBottom:
        return MovementMessages{Base::SCI_DOCUMENTEND, Base::SCI_DOCUMENTENDEXTEND};
    default:
        return std::nullopt;
    }
}

// "Courier New" when installed, else the system's fixed-pitch font (or the general font for a
// variable-pitch choice).
QString installedFamily(const QString& name, int pitch) {
    if (QFontDatabase::families().contains(name)) return name;
    return pitch == 1 ? QApplication::font().family()
                      : QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

// Scintilla sizes fonts in points; the options give the character height in pixels.
double pointsForPixels(int pixels, int dpi) {
    return pixels * 72.0 / (dpi > 0 ? dpi : 96);
}

bool isBracket(int ch) {
    return ch == '(' || ch == ')' || ch == '[' || ch == ']' || ch == '{' || ch == '}' || ch == '<' ||
           ch == '>';
}

// The control's accessibility support counts the characters from the start of the text to the caret
// whenever the view changes, and to the place of every insertion and deletion, whether or not
// assistive technology is listening: far into a large document every scroll and keystroke would
// pay for the whole text before it. While accessibility is off, a page editor is described as a
// plain editable widget and the control announces only the changes about to happen (which the
// editor needs), not the changes made; when accessibility comes on, the descriptions made so far are
// dropped and every editor announces every change again, as the control's own text interface needs.
class EditorAccessibility : public QAccessible::ActivationObserver {
public:
    EditorAccessibility() {
        active_ = QAccessible::isActive();
        QAccessible::installFactory(&EditorAccessibility::describe);
        QAccessible::installActivationObserver(this);
    }
    // Installs the description and the observer once; whether accessibility is on.
    static bool install() {
        static EditorAccessibility instance;
        return active_;
    }

    void accessibilityActiveChanged(bool active) override {
        active_ = active;
        for (QWidget* widget : QApplication::allWidgets()) {
            auto* editor = qobject_cast<CodeEditor*>(widget);
            if (!editor) continue;
            editor->announceAllChanges(active);
            if (!active) continue;
            QAccessibleInterface* described = QAccessible::queryAccessibleInterface(widget);
            if (described && !described->textInterface())
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(described));
        }
    }

private:
    static QAccessibleInterface* describe(const QString&, QObject* object) {
        auto* editor = qobject_cast<CodeEditor*>(object);
        if (!editor || active_) return nullptr;
        return new QAccessibleWidget(editor, QAccessible::EditableText);
    }
    static inline bool active_ = false;
};

} // namespace

CodeEditor::CodeEditor(QWidget* parent) : QsciScintilla(parent), lexer_(new LexerAdapter(this)) {
    // Changes the control does not announce are announced by the editor once the events of the
    // moment are handled.
    changeAnnouncer_.setSingleShot(true);
    changeAnnouncer_.setInterval(0);
    connect(&changeAnnouncer_, &QTimer::timeout, this, &CodeEditor::announceChanges);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this, [this](int, int type) {
        if (!announcingAll_ && (type & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE))) changeAnnouncer_.start();
    });
    connect(lexer_, &LexerAdapter::wantsChangesMadeChanged, this, [this] { applyChangeMask(); });
    announceAllChanges(EditorAccessibility::install());
    setUtf8(true);
    // The editor colours its text itself (LexerAdapter); text before the view that the view's
    // colouring depends on is coloured in idle time, so a jump far into a large file shows at once.
    SendScintilla(SCI_SETLEXER, u(SCLEX_CONTAINER));
    SendScintilla(SCI_SETIDLESTYLING, u(SC_IDLESTYLING_TOVISIBLE));
    // Keys reach the editor's own command table only: the control's key map is emptied, so a menu
    // shortcut always wins over an editor key and no key runs a command twice.
    standardCommands()->clearKeys();
    standardCommands()->clearAlternateKeys();
    SendScintilla(SCI_CLEARALLCMDKEYS);
    for (int n = 0; n < 10; ++n)
        SendScintilla(SCI_MARKERDEFINE, u(n), long(SC_MARK_CHARACTER + '0' + n));
    SendScintilla(SCI_INDICSETSTYLE, u(kCaretLineIndicator), long(INDIC_TEXTFORE));
    SendScintilla(SCI_INDICSETFORE, u(kCaretLineIndicator), QColor(Qt::white));

    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, &CodeEditor::onUpdateUi);
    connect(this, &QsciScintilla::modificationChanged, this, [this](bool) {
        if (reportsStatus_) emit statusChanged(true);
    });
    connect(this, &QsciScintilla::linesChanged, this, [this] { updateGutter(); });
    // The scroll hint: the line at the top while the scroll bar is dragged.
    connect(verticalScrollBar(), &QScrollBar::sliderMoved, this, [this](int value) {
        const long line = SendScintilla(SCI_DOCLINEFROMVISIBLE, u(value));
        QToolTip::showText(QCursor::pos(), QStringLiteral("Linia: %1").arg(line + 1), this);
    });
    const int period = int(SendScintilla(SCI_GETCARETPERIOD));
    caretBlink_.setInterval(period > 0 ? period : 500);
    connect(&caretBlink_, &QTimer::timeout, this, [this] {
        caretShown_ = !caretShown_;
        viewport()->update(ownCaretRect_.adjusted(-1, -1, 1, 1));
    });
    applyAllOptions();
}

CodeEditor::~CodeEditor() {
    disconnect(this, nullptr, lexer_, nullptr);
    if (colouring_) colouring_->detach(this);
}

// ---- text ----------------------------------------------------------------------------------

void CodeEditor::setDocumentBytes(std::string_view win1250) {
    loadUtf8(win1250ToUtf8(win1250));
}

void CodeEditor::setDocumentText(std::string_view bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        loadUtf8(bytes);
    else
        loadUtf8(win1250ToUtf8(bytes));
}

std::string CodeEditor::encodedText(TextEncoding encoding, std::size_t* unrepresentable) const {
    if (encoding == TextEncoding::Utf8) {
        if (unrepresentable) *unrepresentable = 0;
        return std::string(documentUtf8());
    }
    return documentBytes(unrepresentable);
}

void CodeEditor::setLineEnd(LineEnd end) {
    const long mode = end == LineEnd::CrLf ? SC_EOL_CRLF : end == LineEnd::Cr ? SC_EOL_CR : SC_EOL_LF;
    SendScintilla(SCI_SETEOLMODE, static_cast<unsigned long>(mode));
}

LineEnd CodeEditor::lineEnd() const {
    const long mode = SendScintilla(SCI_GETEOLMODE);
    return mode == SC_EOL_CRLF ? LineEnd::CrLf : mode == SC_EOL_CR ? LineEnd::Cr : LineEnd::Lf;
}

void CodeEditor::loadUtf8(std::string_view utf8) {
    // New lines take the line end the text's lines use; a text without breaks keeps the current one.
    setLineEnd(dominantLineEnd(utf8, lineEnd()));
    const bool collecting = SendScintilla(SCI_GETUNDOCOLLECTION) != 0;
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    // The control announces each change of the text to its listeners, which costs as much again as
    // the load of a large text (it is converted on the way). A whole new text is announced once,
    // after it is in: the colouring starts anew and the gutter fits the line count.
    SendScintilla(SCI_SETMODEVENTMASK, 0UL);
    SendScintilla(SCI_CLEARALL);
    // Appending by length keeps NUL bytes, which a C-string call would cut off.
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(utf8.size()), utf8.data());
    applyChangeMask();
    lexer_->invalidate();
    lexer_->colourView();
    changeAnnouncer_.stop();
    announceChanges();
    SendScintilla(SCI_SETUNDOCOLLECTION, static_cast<unsigned long>(collecting));
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_GOTOPOS, 0UL);
    clearBookmarks();
    lineSelection_ = {};
}

void CodeEditor::announceAllChanges(bool all) {
    announcingAll_ = all;
    announcedLines_ = SendScintilla(SCI_GETLINECOUNT);
    applyChangeMask();
}

void CodeEditor::applyChangeMask() {
    // Changes made are heard of too while the colouring asks for them (a long line in the text).
    const long quiet = SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE |
                       (lexer_->wantsChangesMade() ? SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT : 0);
    SendScintilla(SCI_SETMODEVENTMASK,
                  static_cast<unsigned long>(announcingAll_ ? long(SC_MODEVENTMASKALL) : quiet));
}

void CodeEditor::announceChanges() {
    emit textChanged();
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    if (lines != announcedLines_) {
        announcedLines_ = lines;
        emit linesChanged();
    }
}

std::string_view CodeEditor::documentUtf8() const {
    const long length = SendScintilla(SCI_GETLENGTH);
    const char* data = reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER));
    if (!data || length <= 0) return {};
    return std::string_view(data, std::size_t(length));
}

std::string CodeEditor::documentBytes(std::size_t* unrepresentable) const {
    return utf8ToWin1250(documentUtf8(), unrepresentable);
}

std::string CodeEditor::caretLineBytes() const {
    const long line = lineOf(caretPosition().position);
    const long start = lineStart(line);
    const long end = lineEndPosition(line);
    // Only the line is read: the whole text as one piece would move the buffer's gap, which costs
    // the size of the document on every keystroke.
    const char* text =
        reinterpret_cast<const char*>(SendScintilla(SCI_GETRANGEPOINTER, u(start), end - start));
    return utf8ToWin1250(std::string_view(text ? text : "", text ? std::size_t(end - start) : 0));
}

int CodeEditor::caretLine() const {
    return int(lineOf(caretPosition().position)) + 1;
}

int CodeEditor::caretColumn() const {
    const VirtualPosition caret = caretPosition();
    return int(columnOf(caret.position) + caret.virtualSpace) + 1;
}

int CodeEditor::caretVirtualSpace() const {
    return int(caretPosition().virtualSpace);
}

int CodeEditor::caretCharacterColumn() const {
    const VirtualPosition caret = caretPosition();
    const long start = lineStart(lineOf(caret.position));
    const long characters = SendScintilla(SCI_COUNTCHARACTERS, u(start), long(caret.position));
    return int(characters + caret.virtualSpace) + 1;
}

// ---- set-ups -------------------------------------------------------------------------------

void CodeEditor::applyFixedSettings() {
    viewport()->setCursor(Qt::IBeamCursor);
    options_.cursor = Qt::IBeamCursor;
    options_.font = EditorFontOptions{};
    options_.gutter.showLineNumbers = true;
    options_.gutter.digitCount = 3;
    options_.maxUndo = 10;
    options_.rightEdgeColour = systemColour(SystemColour::ButtonFace);
    options_.wantTabs = true;
    options_.hideSelection = false;
    // Editing options: auto-indent, drag and drop, dropped files, caret past the line end, tabs as
    // spaces, smart tabs.
    setAutoIndent(true);
    SendScintilla(SCI_SETVIRTUALSPACEOPTIONS, SCVS_USERACCESSIBLE | SCVS_RECTANGULARSELECTION);
    setIndentationsUseTabs(false);
    setTabIndents(true);
    setBackspaceUnindents(false);
    setReadOnly(false);
    setAcceptDrops(true);
    applyAllOptions();
    reportsStatus_ = true;
}

void CodeEditor::applyBasicSettings() {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    options_.wantTabs = true;
    options_.hideSelection = false;
    SendScintilla(SCI_HIDESELECTION, false);
    popupMenu_ = nullptr;
    reportsStatus_ = false;
}

// ---- options -------------------------------------------------------------------------------

void CodeEditor::setOptions(const EditorOptions& options) {
    options_ = options;
    applyAllOptions();
}

void CodeEditor::takePageOptions(const EditorOptions& from) {
    copyPageOptions(from, options_);
    applyAllOptions();
}

void CodeEditor::applyAllOptions() {
    viewport()->setCursor(Qt::CursorShape(std::clamp(options_.cursor, 0, int(Qt::LastCursor))));
    SendScintilla(SCI_SETEXTRAASCENT, u(options_.extraLineSpacing / 2));
    SendScintilla(SCI_SETEXTRADESCENT, u(options_.extraLineSpacing - options_.extraLineSpacing / 2));
    refreshStyles();
    SendScintilla(SCI_SETSELFORE, 1UL, colourFromNumber(options_.selectedForeground, inkColour()));
    SendScintilla(SCI_SETSELBACK, 1UL, colourFromNumber(options_.selectedBackground, QColor(Qt::darkBlue)));
    SendScintilla(SCI_SETOVERTYPE, u(!options_.insertMode));
    if (options_.rightEdge > 0) {
        setEdgeMode(QsciScintilla::EdgeLine);
        setEdgeColumn(options_.rightEdge);
    } else {
        setEdgeMode(QsciScintilla::EdgeNone);
    }
    setEdgeColor(colourFromNumber(options_.rightEdgeColour, QColor(Qt::lightGray)));
    setTabWidth(std::max(1, options_.tabWidth));
    if (!hasFocus()) SendScintilla(SCI_HIDESELECTION, u(options_.hideSelection));
    setSelectionMode(options_.selectionMode);
    updateCaretStyle();
    updateCaretLine();
    viewport()->update();
}

QFont CodeEditor::textFont() const {
    QFont font(installedFamily(options_.font.name, options_.font.pitch));
    font.setPixelSize(std::max(1, options_.font.pixelHeight));
    font.setBold(options_.font.style & StyleBold);
    font.setItalic(options_.font.style & StyleItalic);
    font.setUnderline(options_.font.style & StyleUnderline);
    font.setStrikeOut(options_.font.style & StyleStrikeOut);
    return font;
}

QColor CodeEditor::inkColour() const {
    return colourFromNumber(options_.font.colour, QApplication::palette().color(QPalette::Text));
}

QColor CodeEditor::paperColour() const {
    return colourFromNumber(options_.colour, QApplication::palette().color(QPalette::Base));
}

QColor CodeEditor::gutterColour() const {
    return colourFromNumber(options_.gutter.colour, QApplication::palette().color(QPalette::Button));
}

void CodeEditor::refreshStyles() {
    const QFont font = textFont();
    const QByteArray family = font.family().toUtf8();
    const double points = pointsForPixels(options_.font.pixelHeight, logicalDpiY());
    SendScintilla(SCI_STYLESETFONT, u(STYLE_DEFAULT), family.constData());
    SendScintilla(SCI_STYLESETSIZEFRACTIONAL, u(STYLE_DEFAULT), long(std::lround(points * 100)));
    SendScintilla(SCI_STYLESETBOLD, u(STYLE_DEFAULT), long(font.bold()));
    SendScintilla(SCI_STYLESETITALIC, u(STYLE_DEFAULT), long(font.italic()));
    SendScintilla(SCI_STYLESETUNDERLINE, u(STYLE_DEFAULT), long(font.underline()));
    SendScintilla(SCI_STYLESETFORE, u(STYLE_DEFAULT), inkColour());
    SendScintilla(SCI_STYLESETBACK, u(STYLE_DEFAULT), paperColour());
    SendScintilla(SCI_STYLECLEARALL);
    // The gutter: line numbers in the text colour on the gutter colour, not bold or italic.
    SendScintilla(SCI_STYLESETBACK, u(STYLE_LINENUMBER), gutterColour());
    SendScintilla(SCI_STYLESETBOLD, u(STYLE_LINENUMBER), 0L);
    SendScintilla(SCI_STYLESETITALIC, u(STYLE_LINENUMBER), 0L);
    SendScintilla(SCI_STYLESETUNDERLINE, u(STYLE_LINENUMBER), 0L);
    SendScintilla(SCI_SETCARETFORE, inkColour());
    for (int n = 0; n < 10; ++n) {
        SendScintilla(SCI_MARKERSETFORE, u(n), inkColour());
        SendScintilla(SCI_MARKERSETBACK, u(n), gutterColour());
    }
    if (colouring_) colouring_->applyStyles(this);
    updateGutter();
    viewport()->update();
}

// ---- gutter --------------------------------------------------------------------------------

int CodeEditor::gutterPixelWidth() const {
    return int(SendScintilla(SCI_GETMARGINWIDTHN, u(kNumberMargin)) +
               SendScintilla(SCI_GETMARGINWIDTHN, u(kBookmarkMargin)));
}

QString CodeEditor::gutterText(int line) const {
    const GutterOptions& g = options_.gutter;
    if (!g.visible || !g.showLineNumbers) return {};
    const int number = g.zeroStart ? line : line + 1;
    QString text = QString::number(number);
    if (g.leadingZeros && text.size() < g.digitCount)
        text.prepend(QString(g.digitCount - text.size(), QLatin1Char('0')));
    return text;
}

void CodeEditor::updateGutter() {
    const GutterOptions& g = options_.gutter;
    const BookmarkOptions& b = options_.bookmarks;
    const int bookmarkWidth = g.visible && b.glyphsVisible ? b.leftMargin + b.xOffset : 0;
    SendScintilla(SCI_SETMARGINTYPEN, u(kBookmarkMargin), long(SC_MARGIN_COLOUR));
    SendScintilla(SCI_SETMARGINBACKN, u(kBookmarkMargin), gutterColour());
    SendScintilla(SCI_SETMARGINMASKN, u(kBookmarkMargin), long(kBookmarkMask));
    SendScintilla(SCI_SETMARGINWIDTHN, u(kBookmarkMargin), long(bookmarkWidth));
    const bool plainNumbers = g.showLineNumbers && !g.leadingZeros && !g.zeroStart;
    SendScintilla(SCI_SETMARGINTYPEN, u(kNumberMargin),
                  long(plainNumbers ? SC_MARGIN_NUMBER : SC_MARGIN_RTEXT));
    SendScintilla(SCI_SETMARGINMASKN, u(kNumberMargin), 0L);
    const int cursor = g.cursor == Qt::ArrowCursor ? SC_CURSORARROW : SC_CURSORREVERSEARROW;
    SendScintilla(SCI_SETMARGINCURSORN, u(kNumberMargin), long(cursor));
    SendScintilla(SCI_SETMARGINCURSORN, u(kBookmarkMargin), long(cursor));
    int numberWidth = 0;
    if (g.visible) {
        numberWidth = std::max(0, g.width - bookmarkWidth);
        if (g.showLineNumbers) {
            const long lines = SendScintilla(SCI_GETLINECOUNT);
            const int digits =
                std::max<int>(g.digitCount, int(QString::number(g.zeroStart ? lines - 1 : lines).size()));
            const QByteArray nines(digits, '9');
            const int needed = int(SendScintilla(SCI_TEXTWIDTH, u(STYLE_LINENUMBER), nines.constData())) + 6;
            numberWidth = g.autoSize ? needed : std::max(numberWidth, needed);
        }
    }
    SendScintilla(SCI_SETMARGINWIDTHN, u(kNumberMargin), long(numberWidth));
    if (!plainNumbers) {
        SendScintilla(SCI_MARGINTEXTCLEARALL);
        updateGutterTexts();
    }
}

// Numbers with leading zeros or counted from zero are margin texts; only the lines on screen get one,
// refreshed as the view scrolls or lines come and go.
void CodeEditor::updateGutterTexts() {
    const GutterOptions& g = options_.gutter;
    if (!g.showLineNumbers || (!g.leadingZeros && !g.zeroStart)) return;
    const long first = SendScintilla(SCI_GETFIRSTVISIBLELINE);
    const long onScreen = SendScintilla(SCI_LINESONSCREEN) + 2;
    const long lineCount = SendScintilla(SCI_GETLINECOUNT);
    for (long visible = first; visible < first + onScreen; ++visible) {
        const long line = SendScintilla(SCI_DOCLINEFROMVISIBLE, u(visible));
        if (line >= lineCount) break;
        const QByteArray text = gutterText(int(line)).toUtf8();
        const long length = SendScintilla(SCI_MARGINGETTEXT, u(line), static_cast<const char*>(nullptr));
        QByteArray present(int(std::max(0L, length)), '\0');
        if (length > 0) SendScintilla(SCI_MARGINGETTEXT, u(line), present.data());
        if (present != text) {
            SendScintilla(SCI_MARGINSETTEXT, u(line), text.constData());
            SendScintilla(SCI_MARGINSETSTYLE, u(line), long(STYLE_LINENUMBER));
        }
    }
}

// ---- caret ---------------------------------------------------------------------------------

bool CodeEditor::drawsOwnCaret() const {
    return options_.insertMode && (options_.insertCaret == CaretShape::HorizontalLine ||
                                   options_.insertCaret == CaretShape::HalfBlock);
}

void CodeEditor::updateCaretStyle() {
    long style = CARETSTYLE_LINE;
    if (options_.insertMode) {
        if (options_.insertCaret == CaretShape::Block)
            style = CARETSTYLE_BLOCK;
        else if (drawsOwnCaret())
            style = CARETSTYLE_INVISIBLE;
    }
    SendScintilla(SCI_SETCARETSTYLE, u(style));
    if (drawsOwnCaret() && hasFocus())
        caretBlink_.start();
    else
        caretBlink_.stop();
    caretShown_ = true;
    viewport()->update();
}

// The caret line of the options preview: white text on blue. Only the line marked last is cleared,
// so pages (which never show it) pay nothing.
void CodeEditor::updateCaretLine() {
    const bool on = options_.highlightCaretLine;
    SendScintilla(SCI_SETCARETLINEVISIBLE, u(on));
    SendScintilla(SCI_SETCARETLINEBACK, QColor(0, 0, 255));
    SendScintilla(SCI_SETINDICATORCURRENT, u(kCaretLineIndicator));
    if (caretLineMarked_) {
        const long length = SendScintilla(SCI_GETLENGTH);
        const long start = std::min(caretLineMarked_->first, length);
        SendScintilla(SCI_INDICATORCLEARRANGE, u(start), std::min(caretLineMarked_->second, length - start));
        caretLineMarked_.reset();
    }
    if (on) {
        const long line = lineOf(caretPosition().position);
        const long start = lineStart(line);
        const long length = lineEndPosition(line) - start;
        SendScintilla(SCI_INDICATORFILLRANGE, u(start), length);
        caretLineMarked_ = std::make_pair(start, length);
    }
}

void CodeEditor::onUpdateUi(int updated) {
    // Typed text moves the caret without a selection update, so a change of the text counts too.
    if (updated & (SC_UPDATE_SELECTION | SC_UPDATE_CONTENT)) {
        const int line = caretLine();
        const int column = caretColumn();
        if (line != lastLine_ || column != lastColumn_) {
            lastLine_ = line;
            lastColumn_ = column;
            if (reportsStatus_) emit statusChanged(false);
        }
    }
    if (updated & SC_UPDATE_SELECTION) {
        if (options_.highlightCaretLine) updateCaretLine();
        if (drawsOwnCaret()) {
            caretShown_ = true;
            viewport()->update();
        }
        emit caretMoved();
    }
    updateGutterTexts();
}

// ---- colouring -----------------------------------------------------------------------------

void CodeEditor::setColouring(ColouringComponent* component) {
    if (component == colouring_) {
        refreshStyles();
        return;
    }
    if (colouring_) colouring_->detach(this);
    colouring_ = component;
    lexer_->setComponent(colouring_);
    if (colouring_)
        colouring_->attach(this);
    else
        SendScintilla(SCI_CLEARDOCUMENTSTYLE);
    refreshStyles();
}

int CodeEditor::attributeAt(long position) const {
    const auto token = lexer_->tokenAt(position);
    return token ? token->attribute : -1;
}

void CodeEditor::recolour() {
    lexer_->invalidate();
}

// ---- positions -----------------------------------------------------------------------------

long CodeEditor::lineOf(long position) const {
    return SendScintilla(SCI_LINEFROMPOSITION, u(position));
}
long CodeEditor::lineStart(long line) const {
    return SendScintilla(SCI_POSITIONFROMLINE, u(line));
}
long CodeEditor::lineEndPosition(long line) const {
    return SendScintilla(SCI_GETLINEENDPOSITION, u(line));
}
long CodeEditor::columnOf(long position) const {
    return SendScintilla(SCI_GETCOLUMN, u(position));
}

CodeEditor::VirtualPosition CodeEditor::caretPosition() const {
    const long main = SendScintilla(SCI_GETMAINSELECTION);
    if (SendScintilla(SCI_SELECTIONISRECTANGLE))
        return {SendScintilla(SCI_GETRECTANGULARSELECTIONCARET),
                SendScintilla(SCI_GETRECTANGULARSELECTIONCARETVIRTUALSPACE)};
    return {SendScintilla(SCI_GETCURRENTPOS), SendScintilla(SCI_GETSELECTIONNCARETVIRTUALSPACE, u(main))};
}

CodeEditor::VirtualPosition CodeEditor::anchorPosition() const {
    const long main = SendScintilla(SCI_GETMAINSELECTION);
    if (SendScintilla(SCI_SELECTIONISRECTANGLE))
        return {SendScintilla(SCI_GETRECTANGULARSELECTIONANCHOR),
                SendScintilla(SCI_GETRECTANGULARSELECTIONANCHORVIRTUALSPACE)};
    return {SendScintilla(SCI_GETANCHOR), SendScintilla(SCI_GETSELECTIONNANCHORVIRTUALSPACE, u(main))};
}

CodeEditor::VirtualPosition CodeEditor::positionAtColumn(long line, long column) const {
    const long position = SendScintilla(SCI_FINDCOLUMN, u(line), column);
    return {position, std::max(0L, column - columnOf(position))};
}

void CodeEditor::setEmptySelection(const VirtualPosition& at) {
    SendScintilla(SCI_SETEMPTYSELECTION, u(at.position));
    if (at.virtualSpace > 0) {
        SendScintilla(SCI_SETSELECTIONNCARETVIRTUALSPACE, 0UL, at.virtualSpace);
        SendScintilla(SCI_SETSELECTIONNANCHORVIRTUALSPACE, 0UL, at.virtualSpace);
    }
}

// Selections set piece by piece are announced the way the control announces its own, so that
// everything asking whether text is selected sees them.
void CodeEditor::announceSelection() {
    emit QSCN_SELCHANGED(SendScintilla(SCI_GETSELECTIONEMPTY) == 0);
}

void CodeEditor::setStreamSelection(const VirtualPosition& anchor, const VirtualPosition& caret) {
    SendScintilla(SCI_SETSEL, u(anchor.position), caret.position);
    SendScintilla(SCI_SETSELECTIONNCARETVIRTUALSPACE, 0UL, caret.virtualSpace);
    SendScintilla(SCI_SETSELECTIONNANCHORVIRTUALSPACE, 0UL, anchor.virtualSpace);
    SendScintilla(SCI_SCROLLCARET);
    announceSelection();
}

void CodeEditor::setRectangularSelection(const VirtualPosition& anchor, const VirtualPosition& caret) {
    SendScintilla(SCI_SETRECTANGULARSELECTIONANCHOR, u(anchor.position));
    SendScintilla(SCI_SETRECTANGULARSELECTIONANCHORVIRTUALSPACE, u(anchor.virtualSpace));
    SendScintilla(SCI_SETRECTANGULARSELECTIONCARET, u(caret.position));
    SendScintilla(SCI_SETRECTANGULARSELECTIONCARETVIRTUALSPACE, u(caret.virtualSpace));
    SendScintilla(SCI_SCROLLCARET);
    announceSelection();
}

// Whole lines from the anchor's line to the caret's line, each with its line break; the moving end
// shows at the start of the line after the block (or before it, moving up).
void CodeEditor::setLineSelection(const VirtualPosition& anchor, const VirtualPosition& caret) {
    const long lineCount = SendScintilla(SCI_GETLINECOUNT);
    const long length = SendScintilla(SCI_GETLENGTH);
    auto after = [&](long line) { return line + 1 < lineCount ? lineStart(line + 1) : length; };
    const long anchorLine = lineOf(anchor.position);
    const long caretLineNo = lineOf(caret.position);
    long shownAnchor, shownCaret;
    if (caretLineNo >= anchorLine) {
        shownAnchor = lineStart(anchorLine);
        shownCaret = after(caretLineNo);
    } else {
        shownAnchor = after(anchorLine);
        shownCaret = lineStart(caretLineNo);
    }
    SendScintilla(SCI_SETSEL, u(shownAnchor), shownCaret);
    lineSelection_ = {true, anchor, caret, shownAnchor, shownCaret};
}

// ---- commands ------------------------------------------------------------------------------

EditorCommand CodeEditor::commandFor(const QKeyEvent* event) {
    return commandForKey(event->key(), event->modifiers());
}

void CodeEditor::setSelectionMode(SelectionMode mode) {
    options_.selectionMode = mode;
    lineSelection_.active = false;
}

void CodeEditor::gotoLineColumn(int line, int column, bool select) {
    const long lastLine = SendScintilla(SCI_GETLINECOUNT) - 1;
    gotoTarget_ = positionAtColumn(std::clamp<long>(line - 1, 0, lastLine), std::max(0, column - 1));
    runCommand(select ? EditorCommand::SelGotoXY : EditorCommand::GotoXY);
    gotoTarget_.reset();
}

void CodeEditor::moveCaret(EditorCommand movement) {
    if (const auto messages = scintillaMovement(movement)) {
        SendScintilla(messages->plain);
        return;
    }
    const VirtualPosition caret = caretPosition();
    const long line = lineOf(caret.position);
    const long column = columnOf(caret.position) + caret.virtualSpace;
    std::optional<VirtualPosition> target;
    switch (movement) {
    case EditorCommand::PageTop:
    case EditorCommand::PageBottom: {
        const long first = SendScintilla(SCI_GETFIRSTVISIBLELINE);
        long visible = first;
        if (movement == EditorCommand::PageBottom)
            visible = first + std::max(1L, SendScintilla(SCI_LINESONSCREEN)) - 1;
        const long lastLine = SendScintilla(SCI_GETLINECOUNT) - 1;
        const long targetLine = std::min(lastLine, SendScintilla(SCI_DOCLINEFROMVISIBLE, u(visible)));
        target = positionAtColumn(targetLine, column);
        break;
    }
    case EditorCommand::PageLeft:
    case EditorCommand::PageRight: {
        const long charWidth = std::max(1L, SendScintilla(SCI_TEXTWIDTH, u(STYLE_DEFAULT), "M"));
        const long page = std::max(1L, long(viewport()->width() - gutterPixelWidth()) / charWidth);
        target = positionAtColumn(
            line, std::max(0L, movement == EditorCommand::PageLeft ? column - page : column + page));
        break;
    }
    case EditorCommand::GotoXY:
        target = gotoTarget_;
        break;
    default:
        break;
    }
    if (target) {
        setEmptySelection(*target);
        SendScintilla(SCI_SCROLLCARET);
        SendScintilla(SCI_CHOOSECARETX);
    }
}

void CodeEditor::moveSelecting(EditorCommand selecting) {
    const EditorCommand movement = plainMovement(selecting);
    const SelectionMode mode = options_.selectionMode;
    if (mode == SelectionMode::Normal) {
        if (const auto messages = scintillaMovement(movement)) {
            SendScintilla(messages->extend);
            return;
        }
    }
    VirtualPosition anchor = anchorPosition();
    VirtualPosition caret = caretPosition();
    if (mode == SelectionMode::Line && lineSelection_.active &&
        SendScintilla(SCI_GETANCHOR) == lineSelection_.shownAnchor &&
        SendScintilla(SCI_GETCURRENTPOS) == lineSelection_.shownCaret) {
        anchor = lineSelection_.anchor;
        caret = lineSelection_.caret;
    }
    setEmptySelection(caret);
    // Vertical movements keep the column the caret has now.
    SendScintilla(SCI_CHOOSECARETX);
    moveCaret(movement);
    const VirtualPosition moved = caretPosition();
    switch (mode) {
    case SelectionMode::Normal:
        setStreamSelection(anchor, moved);
        break;
    case SelectionMode::Column:
        setRectangularSelection(anchor, moved);
        break;
    case SelectionMode::Line:
        setLineSelection(anchor, moved);
        break;
    }
}

void CodeEditor::blockIndent(bool indent) {
    const long selectionStart = SendScintilla(SCI_GETSELECTIONSTART);
    const long selectionEnd = SendScintilla(SCI_GETSELECTIONEND);
    const long firstLine = lineOf(selectionStart);
    long lastLine = lineOf(selectionEnd);
    // A selection that ends at the start of a line leaves that line alone.
    if (lastLine > firstLine && selectionEnd == lineStart(lastLine)) --lastLine;
    SendScintilla(SCI_BEGINUNDOACTION);
    for (long line = firstLine; line <= lastLine; ++line) {
        const long present = SendScintilla(SCI_GETLINEINDENTATION, u(line));
        const long wanted = indent ? present + kBlockIndentStep : std::max(0L, present - kBlockIndentStep);
        if (wanted != present) SendScintilla(SCI_SETLINEINDENTATION, u(line), wanted);
    }
    SendScintilla(SCI_ENDUNDOACTION);
}

// Tab: with an empty selection, smart tabs move to under the start of the next word of the nearest
// non-empty line above; past its last word (or without such a line) to the next tab stop, with spaces.
void CodeEditor::tab() {
    if (SendScintilla(SCI_GETSELECTIONEMPTY) != 0) {
        const VirtualPosition caret = caretPosition();
        const long line = lineOf(caret.position);
        const long column = columnOf(caret.position) + caret.virtualSpace;
        for (long above = line - 1; above >= 0; --above) {
            const long start = lineStart(above);
            const long end = lineEndPosition(above);
            if (end == start) continue;
            long p = SendScintilla(SCI_FINDCOLUMN, u(above), column);
            if (columnOf(p) < column) break; // the line above is shorter than the caret's column
            auto charAt = [this](long pos) { return int(SendScintilla(SCI_GETCHARAT, u(pos))); };
            while (p < end && charAt(p) != ' ' && charAt(p) != '\t')
                p = SendScintilla(SCI_POSITIONAFTER, u(p));
            while (p < end && (charAt(p) == ' ' || charAt(p) == '\t'))
                p = SendScintilla(SCI_POSITIONAFTER, u(p));
            if (p < end && columnOf(p) > column) {
                const QByteArray spaces(int(columnOf(p) - column), ' ');
                SendScintilla(SCI_REPLACESEL, 0UL, spaces.constData());
                return;
            }
            break;
        }
    }
    SendScintilla(SCI_TAB);
}

void CodeEditor::matchBracket() {
    const long caret = SendScintilla(SCI_GETCURRENTPOS);
    long from = -1;
    if (isBracket(int(SendScintilla(SCI_GETCHARAT, u(caret)))))
        from = caret;
    else if (caret > 0 && isBracket(int(SendScintilla(SCI_GETCHARAT, u(caret - 1)))))
        from = caret - 1;
    if (from < 0) return;
    const long match = SendScintilla(SCI_BRACEMATCH, u(from));
    if (match >= 0) SendScintilla(SCI_GOTOPOS, u(match));
}

void CodeEditor::clearBookmarks() {
    SendScintilla(SCI_MARKERDELETEALL, static_cast<unsigned long>(-1));
    bookmarks_.fill(Bookmark{});
}

// Setting a bookmark on the line that already holds it removes it; elsewhere it moves there.
void CodeEditor::setBookmark(int n) {
    Bookmark& b = bookmarks_[std::size_t(n)];
    const VirtualPosition caret = caretPosition();
    const long line = lineOf(caret.position);
    if (b.handle >= 0) {
        const long present = SendScintilla(SCI_MARKERLINEFROMHANDLE, u(b.handle));
        SendScintilla(SCI_MARKERDELETEHANDLE, u(b.handle));
        b = Bookmark{};
        if (present == line) return;
    }
    b.handle = int(SendScintilla(SCI_MARKERADD, u(line), long(n)));
    b.column = int(columnOf(caret.position) + caret.virtualSpace);
}

void CodeEditor::gotoBookmark(int n) {
    const auto place = bookmark(n);
    if (!place) return;
    setEmptySelection(positionAtColumn(place->line - 1, place->column - 1));
    SendScintilla(SCI_SCROLLCARET);
    SendScintilla(SCI_CHOOSECARETX);
}

std::optional<CodeEditor::BookmarkPlace> CodeEditor::bookmark(int n) const {
    if (n < 0 || n > 9) return std::nullopt;
    const Bookmark& b = bookmarks_[std::size_t(n)];
    if (b.handle < 0) return std::nullopt;
    const long line = SendScintilla(SCI_MARKERLINEFROMHANDLE, u(b.handle));
    if (line < 0) return std::nullopt;
    return BookmarkPlace{int(line) + 1, b.column + 1};
}

void CodeEditor::setInsertMode(bool insert) {
    options_.insertMode = insert;
    SendScintilla(SCI_SETOVERTYPE, u(!insert));
    updateCaretStyle();
}

bool CodeEditor::runCommand(EditorCommand command) {
    using C = EditorCommand;
    const int number = int(command);
    const bool readOnly = isReadOnly();
    if (isMovement(command)) {
        if (command == C::GotoXY && !gotoTarget_) return false;
        moveCaret(command);
    } else if (isSelectingMovement(command)) {
        if (command == C::SelGotoXY && !gotoTarget_) return false;
        moveSelecting(command);
    } else if (number >= int(C::GotoMarker0) && number <= int(C::GotoMarker9)) {
        if (!options_.bookmarks.enableKeys) return false;
        gotoBookmark(number - int(C::GotoMarker0));
    } else if (number >= int(C::SetMarker0) && number <= int(C::SetMarker9)) {
        if (!options_.bookmarks.enableKeys) return false;
        setBookmark(number - int(C::SetMarker0));
    } else {
        switch (command) {
        case C::SelectAll:
            SendScintilla(SCI_SELECTALL);
            break;
        case C::DeleteLastChar:
            SendScintilla(SCI_DELETEBACK);
            break;
        case C::DeleteChar:
            SendScintilla(SCI_CLEAR);
            break;
        case C::DeleteWord:
            SendScintilla(SCI_DELWORDRIGHTEND);
            break;
        case C::DeleteLastWord:
            SendScintilla(SCI_DELWORDLEFT);
            break;
        case C::DeleteBOL:
            SendScintilla(SCI_DELLINELEFT);
            break;
        case C::DeleteEOL:
            SendScintilla(SCI_DELLINERIGHT);
            break;
        case C::DeleteLine:
            SendScintilla(SCI_LINEDELETE);
            break;
        case C::ClearAll:
            if (!readOnly) SendScintilla(SCI_CLEARALL);
            break;
        case C::LineBreak:
            SendScintilla(SCI_NEWLINE);
            break;
        case C::InsertLine: {
            // A line break after the caret; the caret stays where it is.
            if (readOnly) break;
            const VirtualPosition caret = caretPosition();
            const long mode = SendScintilla(SCI_GETEOLMODE);
            const char* eol = mode == SC_EOL_CRLF ? "\r\n" : mode == SC_EOL_CR ? "\r" : "\n";
            SendScintilla(SCI_BEGINUNDOACTION);
            SendScintilla(SCI_INSERTTEXT, u(caret.position), eol);
            setEmptySelection(caret);
            SendScintilla(SCI_ENDUNDOACTION);
            break;
        }
        case C::Undo:
            SendScintilla(SCI_UNDO);
            break;
        case C::Redo:
            SendScintilla(SCI_REDO);
            break;
        case C::Cut:
            cut();
            break;
        case C::Copy:
            copy();
            break;
        case C::Paste:
            paste();
            break;
        case C::ScrollUp:
            SendScintilla(SCI_LINESCROLLUP);
            break;
        case C::ScrollDown:
            SendScintilla(SCI_LINESCROLLDOWN);
            break;
        case C::ScrollLeft:
            SendScintilla(SCI_LINESCROLL, static_cast<unsigned long>(-1), 0L);
            break;
        case C::ScrollRight:
            SendScintilla(SCI_LINESCROLL, 1UL, 0L);
            break;
        case C::InsertMode:
            setInsertMode(true);
            break;
        case C::OverwriteMode:
            setInsertMode(false);
            break;
        case C::ToggleMode:
            setInsertMode(SendScintilla(SCI_GETOVERTYPE) != 0);
            break;
        case C::BlockIndent:
            if (!readOnly) blockIndent(true);
            break;
        case C::BlockUnindent:
            if (!readOnly) blockIndent(false);
            break;
        case C::NormalSelect:
            setSelectionMode(SelectionMode::Normal);
            break;
        case C::ColumnSelect:
            setSelectionMode(SelectionMode::Column);
            break;
        case C::LineSelect:
            setSelectionMode(SelectionMode::Line);
            break;
        case C::Tab:
            if (!readOnly) tab();
            break;
        case C::ShiftTab:
            SendScintilla(SCI_BACKTAB);
            break;
        case C::MatchBracket:
            matchBracket();
            break;
        default:
            return false;
        }
    }
    emit commandRun(number);
    return true;
}

// ---- events --------------------------------------------------------------------------------

void CodeEditor::contextMenuEvent(QContextMenuEvent* event) {
    if (popupMenu_) popupMenu_->exec(event->globalPos());
    event->accept();
}

void CodeEditor::keyPressEvent(QKeyEvent* event) {
    const bool isTab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (isTab && !options_.wantTabs && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QWidget::focusNextPrevChild(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        event->accept();
        return;
    }
    const EditorCommand command = commandFor(event);
    if (command != EditorCommand::None) {
        runCommand(command);
        event->accept();
        return;
    }
    // Unbound combinations with Ctrl or Alt alone do nothing; Ctrl with Alt is how some layouts type
    // letters, which go to the text like every other typed character.
    const auto mods = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (mods == Qt::ControlModifier || mods == Qt::AltModifier || (mods & Qt::MetaModifier)) {
        event->accept();
        return;
    }
    QsciScintilla::keyPressEvent(event);
}

void CodeEditor::keyReleaseEvent(QKeyEvent* event) {
    QsciScintilla::keyReleaseEvent(event);
    if (reportsStatus_) emit keyReleased(event->key());
}

void CodeEditor::paintEvent(QPaintEvent* event) {
    QsciScintilla::paintEvent(event);
    const bool strike = colouring_ && colouring_->hasStrikeOut();
    if (!strike && !drawsOwnCaret()) return;
    QPainter painter(viewport());
    const long lineHeight = SendScintilla(SCI_TEXTHEIGHT, 0UL);
    if (strike) {
        // The control has no struck-out style: draw the line through the text of those attributes.
        const long first = SendScintilla(SCI_GETFIRSTVISIBLELINE);
        const long onScreen = SendScintilla(SCI_LINESONSCREEN) + 1;
        const long lineCount = SendScintilla(SCI_GETLINECOUNT);
        for (long visible = first; visible < first + onScreen; ++visible) {
            const long line = SendScintilla(SCI_DOCLINEFROMVISIBLE, u(visible));
            if (line >= lineCount) break;
            const long end = lineEndPosition(line);
            long p = lineStart(line);
            while (p < end) {
                const int attribute = colouring_->attributeOfStyle(int(SendScintilla(SCI_GETSTYLEAT, u(p))));
                long q = SendScintilla(SCI_POSITIONAFTER, u(p));
                while (q < end && SendScintilla(SCI_GETSTYLEAT, u(q)) == SendScintilla(SCI_GETSTYLEAT, u(p)))
                    q = SendScintilla(SCI_POSITIONAFTER, u(q));
                if (attribute >= 0 && (colouring_->attribute(attribute).style & StyleStrikeOut)) {
                    const QColor ink =
                        colourFromNumber(colouring_->attribute(attribute).foreground, inkColour());
                    const int x1 = int(SendScintilla(SCI_POINTXFROMPOSITION, 0UL, p));
                    const int x2 = int(SendScintilla(SCI_POINTXFROMPOSITION, 0UL, q));
                    const int y = int(SendScintilla(SCI_POINTYFROMPOSITION, 0UL, p) + lineHeight / 2);
                    painter.setPen(ink);
                    painter.drawLine(x1, y, x2, y);
                }
                p = q;
            }
        }
    }
    if (drawsOwnCaret()) {
        const VirtualPosition caret = caretPosition();
        const long spaceWidth = SendScintilla(SCI_TEXTWIDTH, u(STYLE_DEFAULT), " ");
        const long charWidth = std::max(2L, SendScintilla(SCI_TEXTWIDTH, u(STYLE_DEFAULT), "M"));
        const int x =
            int(SendScintilla(SCI_POINTXFROMPOSITION, 0UL, caret.position) + caret.virtualSpace * spaceWidth);
        const int y = int(SendScintilla(SCI_POINTYFROMPOSITION, 0UL, caret.position));
        const int height = options_.insertCaret == CaretShape::HalfBlock ? int(lineHeight / 2) : 2;
        ownCaretRect_ = QRect(x, y + int(lineHeight) - height, int(charWidth), height);
        if (caretShown_ && hasFocus()) painter.fillRect(ownCaretRect_, inkColour());
    }
}

void CodeEditor::focusInEvent(QFocusEvent* event) {
    QsciScintilla::focusInEvent(event);
    SendScintilla(SCI_HIDESELECTION, 0UL);
    updateCaretStyle();
}

void CodeEditor::focusOutEvent(QFocusEvent* event) {
    QsciScintilla::focusOutEvent(event);
    if (options_.hideSelection) SendScintilla(SCI_HIDESELECTION, 1UL);
    caretBlink_.stop();
    viewport()->update();
}

namespace {
QStringList localFiles(const QMimeData* data) {
    QStringList files;
    if (data && data->hasUrls())
        for (const QUrl& url : data->urls())
            if (url.isLocalFile()) files << url.toLocalFile();
    return files;
}
} // namespace

void CodeEditor::dragEnterEvent(QDragEnterEvent* event) {
    if (!localFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QsciScintilla::dragEnterEvent(event);
}

void CodeEditor::dragMoveEvent(QDragMoveEvent* event) {
    if (!localFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QsciScintilla::dragMoveEvent(event);
}

void CodeEditor::dropEvent(QDropEvent* event) {
    const QStringList files = localFiles(event->mimeData());
    if (!files.isEmpty()) {
        event->acceptProposedAction();
        emit filesDropped(files);
        return;
    }
    QsciScintilla::dropEvent(event);
}

} // namespace wertan
