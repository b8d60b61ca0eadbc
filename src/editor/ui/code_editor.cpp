#include "editor/ui/code_editor.h"

#include "shell/win1250.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QPalette>

namespace wertan {

namespace {
// "Courier New" when installed, else the system's fixed-pitch font; 11 pixels high.
QFont editorFont() {
    QFont font = QFontDatabase::families().contains(QStringLiteral("Courier New"))
                     ? QFont(QStringLiteral("Courier New"))
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(11);
    font.setBold(false);
    font.setItalic(false);
    return font;
}
} // namespace

CodeEditor::CodeEditor(QWidget* parent) : QsciScintilla(parent) {
    setUtf8(true);
    // Caret moves and changes reach the page only from editors that report them.
    connect(this, &QsciScintilla::cursorPositionChanged, this, [this] {
        if (reportsStatus_)
            emit statusChanged(false);
    });
    connect(this, &QsciScintilla::modificationChanged, this, [this](bool) {
        if (reportsStatus_)
            emit statusChanged(true);
    });
}

void CodeEditor::applyFixedSettings() {
    viewport()->setCursor(Qt::IBeamCursor);
    const QFont font = editorFont();
    setFont(font);
    setColor(QApplication::palette().color(QPalette::WindowText));
    // Gutter with line numbers, three digits wide.
    setMarginType(0, QsciScintilla::NumberMargin);
    setMarginLineNumbers(0, true);
    setMarginsFont(font);
    setMarginWidth(0, QStringLiteral("0000"));
    setMarginWidth(1, 0);
    // Editing options: auto-indent, drag and drop, caret past the line end, tabs as spaces.
    setAutoIndent(true);
    SendScintilla(SCI_SETVIRTUALSPACEOPTIONS, SCVS_USERACCESSIBLE | SCVS_RECTANGULARSELECTION);
    setIndentationsUseTabs(false);
    setTabIndents(true);
    setBackspaceUnindents(false);
    setReadOnly(false);
    setEdgeColor(QApplication::palette().color(QPalette::Button));
    setEdgeMode(QsciScintilla::EdgeLine);
    setEdgeColumn(80);
    reportsStatus_ = true;
}

void CodeEditor::applyBasicSettings() {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    SendScintilla(SCI_HIDESELECTION, false);
    popupMenu_ = nullptr;
    reportsStatus_ = false;
}

void CodeEditor::setDocumentBytes(std::string_view win1250) {
    const std::string utf8 = win1250ToUtf8(win1250);
    const bool collecting = SendScintilla(SCI_GETUNDOCOLLECTION) != 0;
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    SendScintilla(SCI_CLEARALL);
    // Appending by length keeps NUL bytes, which a C-string call would cut off.
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(utf8.size()), utf8.data());
    SendScintilla(SCI_SETUNDOCOLLECTION, static_cast<unsigned long>(collecting));
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_GOTOPOS, 0UL);
}

std::string_view CodeEditor::documentUtf8() const {
    auto* self = const_cast<CodeEditor*>(this);
    const long length = self->SendScintilla(SCI_GETLENGTH);
    const char* data = reinterpret_cast<const char*>(self->SendScintilla(SCI_GETCHARACTERPOINTER));
    if (!data || length <= 0)
        return {};
    return std::string_view(data, std::size_t(length));
}

std::string CodeEditor::documentBytes(std::size_t* unrepresentable) const {
    return utf8ToWin1250(documentUtf8(), unrepresentable);
}

int CodeEditor::caretLine() const {
    int line = 0, index = 0;
    getCursorPosition(&line, &index);
    return line + 1;
}

int CodeEditor::caretColumn() const {
    auto* self = const_cast<CodeEditor*>(this);
    const long position = self->SendScintilla(SCI_GETCURRENTPOS);
    return int(self->SendScintilla(SCI_GETCOLUMN, static_cast<unsigned long>(position))) + caretVirtualSpace() + 1;
}

int CodeEditor::caretVirtualSpace() const {
    auto* self = const_cast<CodeEditor*>(this);
    return int(self->SendScintilla(SCI_GETSELECTIONNCARETVIRTUALSPACE, self->SendScintilla(SCI_GETMAINSELECTION)));
}

void CodeEditor::contextMenuEvent(QContextMenuEvent* event) {
    if (popupMenu_)
        popupMenu_->exec(event->globalPos());
    event->accept();
}

void CodeEditor::keyReleaseEvent(QKeyEvent* event) {
    QsciScintilla::keyReleaseEvent(event);
    if (reportsStatus_)
        emit keyReleased(event->key());
}

} // namespace wertan
