#pragma once
// The text editor of a document page: QScintilla in UTF-8 mode holding the document's
// Windows-1250 bytes, converted losslessly at load and save.
#include <Qsci/qsciscintilla.h>
#include <string>
#include <string_view>

class QMenu;

namespace wertan {

class CodeEditor : public QsciScintilla {
    Q_OBJECT
public:
    explicit CodeEditor(QWidget* parent = nullptr);

    // Replaces the whole text in one update, without an undo record; the caret goes to the start.
    void setDocumentBytes(std::string_view win1250);
    // The whole text as Windows-1250 bytes; characters outside the code page become '?' and are counted.
    std::string documentBytes(std::size_t* unrepresentable = nullptr) const;
    // The whole text as the editor holds it (UTF-8).
    std::string_view documentUtf8() const;

    // Caret line and column counted from 1; the column includes virtual space past the line end.
    int caretLine() const;
    int caretColumn() const;
    // Spaces between the end of the caret's line and the caret.
    int caretVirtualSpace() const;

    // The settings every page's editor receives when it is made.
    void applyFixedSettings();
    // The smaller set-up of an empty "clean" document: no pop-up menu, no status reporting.
    void applyBasicSettings();
    bool reportsStatus() const { return reportsStatus_; }

    // The pop-up menu shown on a right click; none when null.
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }

signals:
    // Caret moved or the changed flag flipped (modifiedChanged tells which).
    void statusChanged(bool modifiedChanged);
    void keyReleased(int key);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QMenu* popupMenu_ = nullptr;
    bool reportsStatus_ = false;
};

} // namespace wertan
