#pragma once
// The shared editor options: the properties of the options template editor that every page copies,
// their values on a fresh installation, and their layout in the settings store.
#include "editor/colour_number.h"

#include <QString>
#include <QStringList>

namespace wertan {

class SettingsStore;

// Caret shape in insert mode, in the order the options dialog lists them.
enum class CaretShape { VerticalLine = 0, HorizontalLine = 1, HalfBlock = 2, Block = 3 };
// Selection modes, in the order of their key commands (normal, column, line).
enum class SelectionMode { Normal = 0, Column = 1, Line = 2 };

struct EditorFontOptions {
    QString name = QStringLiteral("Courier New");
    int charset = 1; // the default character set
    ColourNumber colour = systemColour(SystemColour::WindowText);
    int pixelHeight = 11; // character height
    int pitch = 0;        // 0 default, 1 variable, 2 fixed
    int style = 0;        // StyleBits; not stored

    // The size in points at the store's fixed 96 pixels per inch.
    int pointSize() const;
    void setPointSize(int points);
    bool operator==(const EditorFontOptions&) const = default;
};

struct BookmarkOptions {
    bool enableKeys = true;
    bool glyphsVisible = true;
    int leftMargin = 2;
    int xOffset = 12;
    bool operator==(const BookmarkOptions&) const = default;
};

struct GutterOptions {
    bool autoSize = false;
    ColourNumber colour = systemColour(SystemColour::ButtonFace);
    int cursor = 0; // a Qt::CursorShape value; the arrow
    int digitCount = 4;
    bool leadingZeros = false;
    bool showLineNumbers = false;
    bool visible = true;
    int width = 30;
    bool zeroStart = false;
    bool operator==(const GutterOptions&) const = default;
};

struct EditorOptions {
    int cursor = 4; // a Qt::CursorShape value; the I-beam
    ColourNumber colour = systemColour(SystemColour::Window);
    BookmarkOptions bookmarks;
    int extraLineSpacing = 0;
    EditorFontOptions font;
    GutterOptions gutter;
    bool hideSelection = false;
    CaretShape insertCaret = CaretShape::VerticalLine;
    bool insertMode = true;
    int maxUndo = 10;
    int rightEdge = 80;
    ColourNumber rightEdgeColour = systemColour(SystemColour::ButtonFace);
    ColourNumber selectedBackground = systemColour(SystemColour::Highlight);
    ColourNumber selectedForeground = systemColour(SystemColour::HighlightText);
    SelectionMode selectionMode = SelectionMode::Normal;
    int tabWidth = 8;
    bool wantTabs = true;
    // Drawn in the options preview only; never stored.
    bool highlightCaretLine = false;

    bool operator==(const EditorOptions&) const = default;
};

// Ranges of the numeric options, as the options dialog offers them; loaded values are kept inside.
struct OptionRange {
    int minimum;
    int maximum;
    int clamp(int value) const { return value < minimum ? minimum : value > maximum ? maximum : value; }
};
inline constexpr OptionRange kLineSpacingRange{-99, 99};
inline constexpr OptionRange kRightEdgeRange{0, 999};
inline constexpr OptionRange kTabWidthRange{1, 16};
inline constexpr OptionRange kGutterWidthRange{0, 100};
inline constexpr OptionRange kDigitCountRange{1, 99};
inline constexpr OptionRange kFontPixelRange{1, 400};

// Copies what every page takes over from the template: font and line spacing, insert mode and caret,
// right-edge position, background, gutter colour, digits and numbering switches, tab width.
void copyPageOptions(const EditorOptions& from, EditorOptions& to);

// The settings store: key, subkey and the value names in the order they are written.
QString editorOptionsKey();
const QStringList& editorOptionValueNames();

// Each value present in the store replaces the option; missing or unreadable values leave it.
void loadEditorOptions(const SettingsStore& store, EditorOptions& options);
void saveEditorOptions(SettingsStore& store, const EditorOptions& options);

} // namespace wertan
