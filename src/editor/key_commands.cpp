#include "editor/key_commands.h"

#include <algorithm>
#include <deque>
#include <string>

namespace wertan {

namespace {

using Mods = Qt::KeyboardModifiers;
constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
const Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
const Qt::KeyboardModifiers kAltShift = Qt::AltModifier | Qt::ShiftModifier;

constexpr Qt::KeyboardModifiers kRelevant = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

// The characters that Shift makes of the digit keys 0 to 9 on the usual layouts: with Ctrl and
// Shift held, some platforms report these instead of the digit.
constexpr int kShiftedDigits[10] = {
    Qt::Key_ParenRight, Qt::Key_Exclam,      Qt::Key_At,        Qt::Key_NumberSign, Qt::Key_Dollar,
    Qt::Key_Percent,    Qt::Key_AsciiCircum, Qt::Key_Ampersand, Qt::Key_Asterisk,   Qt::Key_ParenLeft};

} // namespace

const std::vector<EditorCommandInfo>& editorCommands() {
    static const std::vector<EditorCommandInfo> commands = [] {
        static const char* const movements[17] = {
            "Left",      "Right",      "Up",        "Down",         "WordLeft", "WordRight",
            "LineStart", "LineEnd",    "PageUp",    "PageDown",     "PageLeft", "PageRight",
            "PageTop",   "PageBottom", "EditorTop", "EditorBottom", "GotoXY"};
        static std::deque<std::string> names; // owns the composed names for the whole run
        std::vector<EditorCommandInfo> list;
        auto add = [&list](EditorCommand c, std::string_view name) { list.push_back({c, name}); };
        auto addComposed = [&](EditorCommand c, std::string name) {
            names.push_back(std::move(name));
            list.push_back({c, names.back()});
        };
        add(EditorCommand::None, "ecNone");
        for (int i = 0; i < 17; ++i)
            addComposed(EditorCommand(1 + i), std::string("ec") + movements[i]);
        for (int i = 0; i < 17; ++i)
            addComposed(EditorCommand(101 + i), std::string("ecSel") + movements[i]);
        add(EditorCommand::SelectAll, "ecSelectAll");
        static const char* const edits[11] = {"ecDeleteLastChar", "ecDeleteChar", "ecDeleteWord",
                                              "ecDeleteLastWord", "ecDeleteBOL",  "ecDeleteEOL",
                                              "ecDeleteLine",     "ecClearAll",   "ecLineBreak",
                                              "ecInsertLine",     "ecChar"};
        for (int i = 0; i < 11; ++i)
            add(EditorCommand(401 + i), edits[i]);
        add(EditorCommand::ImeStr, "ecImeStr");
        static const char* const others[20] = {
            "ecUndo",          "ecRedo",       "ecCut",         "ecCopy",          "ecPaste",
            "ecScrollUp",      "ecScrollDown", "ecScrollLeft",  "ecScrollRight",   "ecInsertMode",
            "ecOverwriteMode", "ecToggleMode", "ecBlockIndent", "ecBlockUnindent", "ecNormalSelect",
            "ecColumnSelect",  "ecLineSelect", "ecTab",         "ecShiftTab",      "ecMatchBracket"};
        for (int i = 0; i < 20; ++i)
            add(EditorCommand(601 + i), others[i]);
        for (int i = 0; i < 10; ++i)
            addComposed(gotoMarker(i), "ecGotoMarker" + std::to_string(i));
        for (int i = 0; i < 10; ++i)
            addComposed(setMarker(i), "ecSetMarker" + std::to_string(i));
        add(EditorCommand::UserFirst, "ecUserFirst");
        return list;
    }();
    return commands;
}

std::string_view editorCommandName(EditorCommand command) {
    for (const auto& info : editorCommands())
        if (info.command == command) return info.name;
    return {};
}

const std::vector<KeyBinding>& defaultKeyBindings() {
    static const std::vector<KeyBinding> bindings = [] {
        using C = EditorCommand;
        std::vector<KeyBinding> list;
        // Movement keys: alone, with Shift, with Ctrl, with Ctrl and Shift.
        struct Row {
            Qt::Key key;
            C alone, shift, ctrl, ctrlShift;
        };
        const Row rows[] = {
            {Qt::Key_Left, C::Left, C::SelLeft, C::WordLeft, C::SelWordLeft},
            {Qt::Key_Right, C::Right, C::SelRight, C::WordRight, C::SelWordRight},
            {Qt::Key_Up, C::Up, C::SelUp, C::ScrollUp, C::None},
            {Qt::Key_Down, C::Down, C::SelDown, C::ScrollDown, C::None},
            {Qt::Key_PageUp, C::PageUp, C::SelPageUp, C::PageTop, C::SelPageTop},
            {Qt::Key_PageDown, C::PageDown, C::SelPageDown, C::PageBottom, C::SelPageBottom},
            {Qt::Key_Home, C::LineStart, C::SelLineStart, C::EditorTop, C::SelEditorTop},
            {Qt::Key_End, C::LineEnd, C::SelLineEnd, C::EditorBottom, C::SelEditorBottom},
        };
        for (const Row& r : rows) {
            list.push_back({r.key, kNone, r.alone});
            list.push_back({r.key, kShift, r.shift});
            list.push_back({r.key, kCtrl, r.ctrl});
            if (r.ctrlShift != C::None) list.push_back({r.key, kCtrlShift, r.ctrlShift});
        }
        const KeyBinding others[] = {
            {Qt::Key_Insert, kNone, C::ToggleMode},
            {Qt::Key_Insert, kCtrl, C::Copy},
            {Qt::Key_C, kCtrl, C::Copy},
            {Qt::Key_Insert, kShift, C::Paste},
            {Qt::Key_V, kCtrl, C::Paste},
            {Qt::Key_Delete, kNone, C::DeleteChar},
            {Qt::Key_Delete, kShift, C::Cut},
            {Qt::Key_X, kCtrl, C::Cut},
            {Qt::Key_Backspace, kNone, C::DeleteLastChar},
            {Qt::Key_Backspace, kCtrl, C::DeleteLastWord},
            {Qt::Key_Backspace, kAlt, C::Undo},
            {Qt::Key_Z, kCtrl, C::Undo},
            {Qt::Key_Backspace, kAltShift, C::Redo},
            {Qt::Key_Z, kCtrlShift, C::Redo},
            {Qt::Key_Return, kNone, C::LineBreak},
            {Qt::Key_M, kCtrl, C::LineBreak},
            {Qt::Key_N, kCtrl, C::InsertLine},
            {Qt::Key_A, kCtrl, C::SelectAll},
            {Qt::Key_T, kCtrl, C::DeleteWord},
            {Qt::Key_Y, kCtrl, C::DeleteLine},
            {Qt::Key_Y, kCtrlShift, C::DeleteEOL},
            {Qt::Key_I, kCtrlShift, C::BlockIndent},
            {Qt::Key_U, kCtrlShift, C::BlockUnindent},
            {Qt::Key_N, kCtrlShift, C::NormalSelect},
            {Qt::Key_C, kCtrlShift, C::ColumnSelect},
            {Qt::Key_L, kCtrlShift, C::LineSelect},
            {Qt::Key_B, kCtrlShift, C::MatchBracket},
            {Qt::Key_Tab, kNone, C::Tab},
            {Qt::Key_Tab, kShift, C::ShiftTab},
        };
        list.insert(list.end(), std::begin(others), std::end(others));
        for (int n = 0; n < 10; ++n) {
            list.push_back({Qt::Key_0 + n, kCtrl, gotoMarker(n)});
            list.push_back({Qt::Key_0 + n, kCtrlShift, setMarker(n)});
        }
        return list;
    }();
    return bindings;
}

EditorCommand commandForKey(int key, Qt::KeyboardModifiers modifiers) {
    Mods mods = modifiers & kRelevant;
    if (key == Qt::Key_Enter) key = Qt::Key_Return;
    if (key == Qt::Key_Backtab) {
        key = Qt::Key_Tab;
        mods |= Qt::ShiftModifier;
    }
    if (mods == kCtrlShift) {
        const auto* found = std::find(std::begin(kShiftedDigits), std::end(kShiftedDigits), key);
        if (found != std::end(kShiftedDigits)) key = Qt::Key_0 + int(found - std::begin(kShiftedDigits));
    }
    for (const auto& binding : defaultKeyBindings())
        if (binding.key == key && binding.modifiers == mods) return binding.command;
    return EditorCommand::None;
}

} // namespace wertan
