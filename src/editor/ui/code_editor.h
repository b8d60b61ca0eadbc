#pragma once
// The text editor of a document page: QScintilla in UTF-8 mode holding the document's
// Windows-1250 bytes, converted losslessly at load and save. It carries the editor options that
// pages share, colours its text through a shared colouring component, and runs the editor's key
// commands from the default binding table.
#include "editor/editor_options.h"
#include "editor/key_commands.h"
#include "text/text_format.h"

#include <QTimer>
#include <Qsci/qsciscintilla.h>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class QMenu;

namespace wertan {

class ColouringComponent;
class LexerAdapter;

class CodeEditor : public QsciScintilla {
    Q_OBJECT
public:
    explicit CodeEditor(QWidget* parent = nullptr);
    ~CodeEditor() override;

    // Replaces the whole text in one update, without an undo record; the caret goes to the start and
    // new lines take the line end most of the text's lines use.
    void setDocumentBytes(std::string_view win1250);
    // The whole text as Windows-1250 bytes; characters outside the code page become '?' and are counted.
    std::string documentBytes(std::size_t* unrepresentable = nullptr) const;
    // Replaces the whole text with a file's text (without its byte order mark) in the given encoding.
    void setDocumentText(std::string_view bytes, TextEncoding encoding);
    // The whole text in the given encoding; for Windows-1250, characters outside the code page
    // become '?' and are counted.
    std::string encodedText(TextEncoding encoding, std::size_t* unrepresentable = nullptr) const;
    // The line end that Enter and inserted line breaks write.
    void setLineEnd(LineEnd end);
    LineEnd lineEnd() const;
    // The whole text as the editor holds it (UTF-8).
    std::string_view documentUtf8() const;
    // The caret's line without its line break, as Windows-1250 bytes.
    std::string caretLineBytes() const;

    // Caret line and column counted from 1; the column includes virtual space past the line end.
    int caretLine() const;
    int caretColumn() const;
    // Spaces between the end of the caret's line and the caret.
    int caretVirtualSpace() const;
    // The caret's place in its line counted in characters from 1 (tabs count one), with virtual space.
    int caretCharacterColumn() const;

    // The settings every page's editor receives when it is made.
    void applyFixedSettings();
    // The smaller set-up of an empty "clean" document: no pop-up menu, no status reporting.
    void applyBasicSettings();
    bool reportsStatus() const { return reportsStatus_; }

    // The pop-up menu shown on a right click; none when null.
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    QMenu* popupMenu() const { return popupMenu_; }

    // The editor's option properties as they stand.
    const EditorOptions& options() const { return options_; }
    // Takes every property (the options template does this).
    void setOptions(const EditorOptions& options);
    // Takes what pages copy from the template; the rest stays.
    void takePageOptions(const EditorOptions& from);

    // The font, text colour and background the plain text is drawn with.
    QFont textFont() const;
    QColor inkColour() const;
    QColor paperColour() const;
    QColor gutterColour() const;
    // The width of the gutter in pixels (line numbers and bookmarks together).
    int gutterPixelWidth() const;
    // The text the gutter shows for a 0-based line, empty when numbers are off.
    QString gutterText(int line) const;

    // Colouring by a shared component; null turns colouring off.
    void setColouring(ColouringComponent* component);
    ColouringComponent* colouring() const { return colouring_; }
    // Rewrites every style from the options and the colouring component.
    void refreshStyles();
    // The colouring attribute of the token at a byte position; -1 when the text has none (line
    // breaks, no colouring).
    int attributeAt(long position) const;
    // Colours the whole text anew, from the first line, as Scintilla asks for it.
    void recolour();
    // What colours the text from the colouring component's lexer.
    const LexerAdapter& lexerAdapter() const { return *lexer_; }

    // Runs an editor command as its key would; false for commands that need no action here
    // (None, typed characters) or that cannot run.
    bool runCommand(EditorCommand command);
    // The command a key press runs in this editor; None when the key is not bound.
    static EditorCommand commandFor(const QKeyEvent* event);
    SelectionMode selectionMode() const { return options_.selectionMode; }
    void setSelectionMode(SelectionMode mode);
    // Moves the caret to a 1-based line and column, extending the selection when asked.
    void gotoLineColumn(int line, int column, bool select = false);

    // Bookmark 0 to 9: its 1-based line and column when set.
    struct BookmarkPlace {
        int line;
        int column;
    };
    std::optional<BookmarkPlace> bookmark(int n) const;

    // Whether the caret is drawn by the editor itself (shapes the control has no caret for).
    bool drawsOwnCaret() const;

    // Whether the control announces every change as it is made (for accessibility; each
    // announcement counts the text before the change) or only the changes about to happen, the
    // editor announcing textChanged and linesChanged itself once the events of the moment are
    // handled. Every editor follows whether accessibility is on.
    void announceAllChanges(bool all);

signals:
    // Caret moved or the changed flag flipped (modifiedChanged tells which).
    void statusChanged(bool modifiedChanged);
    void keyReleased(int key);
    // The caret or the selection changed.
    void caretMoved();
    // A key command ran (its number).
    void commandRun(int command);
    // Files dropped onto the editor, as local paths.
    void filesDropped(const QStringList& paths);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct VirtualPosition {
        long position = 0;
        long virtualSpace = 0;
        bool operator==(const VirtualPosition&) const = default;
    };
    struct LineSelection {
        bool active = false;
        VirtualPosition anchor, caret; // where the user's movements put them
        long shownAnchor = 0, shownCaret = 0;
    };
    struct Bookmark {
        int handle = -1;
        int column = 0; // 0-based display column, virtual space included
    };

    void loadUtf8(std::string_view utf8);
    void announceChanges();
    void applyChangeMask();
    void applyAllOptions();
    void updateGutter();
    void updateGutterTexts();
    void updateCaretStyle();
    void updateCaretLine();
    void onUpdateUi(int updated);
    void clearBookmarks();

    long lineOf(long position) const;
    long lineStart(long line) const;
    long lineEndPosition(long line) const;
    long columnOf(long position) const;
    VirtualPosition caretPosition() const;
    VirtualPosition anchorPosition() const;
    VirtualPosition positionAtColumn(long line, long column) const;
    void setEmptySelection(const VirtualPosition& at);
    void announceSelection();
    void setStreamSelection(const VirtualPosition& anchor, const VirtualPosition& caret);
    void setRectangularSelection(const VirtualPosition& anchor, const VirtualPosition& caret);
    void setLineSelection(const VirtualPosition& anchor, const VirtualPosition& caret);

    void moveCaret(EditorCommand movement);
    void moveSelecting(EditorCommand movement);
    void blockIndent(bool indent);
    void tab();
    void matchBracket();
    void setBookmark(int n);
    void gotoBookmark(int n);
    void setInsertMode(bool insert);

    EditorOptions options_;
    ColouringComponent* colouring_ = nullptr;
    LexerAdapter* lexer_;
    QMenu* popupMenu_ = nullptr;
    bool reportsStatus_ = false;
    LineSelection lineSelection_;
    std::array<Bookmark, 10> bookmarks_;
    int lastLine_ = 0, lastColumn_ = 0;
    std::optional<VirtualPosition> gotoTarget_;
    std::optional<std::pair<long, long>> caretLineMarked_; // start and length
    bool announcingAll_ = true;
    long announcedLines_ = 1;
    QTimer changeAnnouncer_;
    // The caret the editor draws itself, blinking.
    QTimer caretBlink_;
    bool caretShown_ = true;
    QRect ownCaretRect_;
};

} // namespace wertan
