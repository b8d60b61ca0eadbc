#pragma once
// The editor's key commands: each command is a number with a name, and the default key bindings
// map a key with its modifiers to a command. The editor builds its bindings from this table.
#include <Qt>
#include <string_view>
#include <vector>

namespace wertan {

enum class EditorCommand : int {
    None = 0,
    // Caret movements; the same movement with selection is the number + 100.
    Left = 1,
    Right,
    Up,
    Down,
    WordLeft,
    WordRight,
    LineStart,
    LineEnd,
    PageUp,
    PageDown,
    PageLeft,
    PageRight,
    PageTop,
    PageBottom,
    EditorTop,
    EditorBottom,
    GotoXY,
    SelLeft = 101,
    SelRight,
    SelUp,
    SelDown,
    SelWordLeft,
    SelWordRight,
    SelLineStart,
    SelLineEnd,
    SelPageUp,
    SelPageDown,
    SelPageLeft,
    SelPageRight,
    SelPageTop,
    SelPageBottom,
    SelEditorTop,
    SelEditorBottom,
    SelGotoXY,
    SelectAll = 199,
    DeleteLastChar = 401,
    DeleteChar,
    DeleteWord,
    DeleteLastWord,
    DeleteBOL,
    DeleteEOL,
    DeleteLine,
    ClearAll,
    LineBreak,
    InsertLine,
    Char,
    ImeStr = 500,
    Undo = 601,
    Redo,
    Cut,
    Copy,
    Paste,
    ScrollUp,
    ScrollDown,
    ScrollLeft,
    ScrollRight,
    InsertMode,
    OverwriteMode,
    ToggleMode,
    BlockIndent,
    BlockUnindent,
    NormalSelect,
    ColumnSelect,
    LineSelect,
    Tab,
    ShiftTab,
    MatchBracket,
    GotoMarker0 = 701,
    GotoMarker9 = 710,
    SetMarker0 = 751,
    SetMarker9 = 760,
    UserFirst = 1001,
};

constexpr EditorCommand gotoMarker(int n) {
    return EditorCommand(int(EditorCommand::GotoMarker0) + n);
}
constexpr EditorCommand setMarker(int n) {
    return EditorCommand(int(EditorCommand::SetMarker0) + n);
}
constexpr bool isMovement(EditorCommand c) {
    return int(c) >= 1 && int(c) <= 17;
}
constexpr bool isSelectingMovement(EditorCommand c) {
    return int(c) >= 101 && int(c) <= 117;
}
constexpr EditorCommand plainMovement(EditorCommand c) {
    return isSelectingMovement(c) ? EditorCommand(int(c) - 100) : c;
}

struct EditorCommandInfo {
    EditorCommand command;
    std::string_view name; // "ecLeft", "ecSelLeft", ...
};

// Every command with its name, in number order.
const std::vector<EditorCommandInfo>& editorCommands();
std::string_view editorCommandName(EditorCommand command);

struct KeyBinding {
    int key; // a Qt::Key value
    Qt::KeyboardModifiers modifiers;
    EditorCommand command;
};

// The default bindings of every editor.
const std::vector<KeyBinding>& defaultKeyBindings();

// The command bound to a key with exactly these modifiers (Shift, Ctrl, Alt); None when unbound.
// The keypad's Enter counts as Enter, and the keypad modifier is ignored.
EditorCommand commandForKey(int key, Qt::KeyboardModifiers modifiers);

} // namespace wertan
