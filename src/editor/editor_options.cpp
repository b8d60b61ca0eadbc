#include "editor/editor_options.h"

#include "platform/settings_store.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

namespace wertan {

namespace {

constexpr double kStoreDpi = 96.0;

struct StoredOption {
    QString name;
    std::function<QString(const EditorOptions&)> write;
    // Returns false when the text cannot be read; the option then stays as it was.
    std::function<bool(EditorOptions&, const QString&)> read;
};

std::optional<long long> parseNumber(const QString& text) {
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    if (!ok) return std::nullopt;
    return value;
}

QString intText(int value) {
    return QString::number(value);
}
// Colours go out as signed 32-bit decimals; both signed and unsigned texts read back.
QString colourText(ColourNumber value) {
    return QString::number(qint32(value));
}
QString boolText(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// Each accessor is a generic lambda returning a reference to the field, so it serves both the
// reading (non-const) and the writing (const) side.
template <typename Field>
StoredOption intOption(const char* name, Field field, OptionRange range = {INT_MIN, INT_MAX}) {
    return {QString::fromLatin1(name), [field](const EditorOptions& o) { return intText(field(o)); },
            [field, range](EditorOptions& o, const QString& t) {
                const auto v = parseNumber(t);
                if (!v || *v < INT_MIN || *v > INT_MAX) return false;
                field(o) = range.clamp(int(*v));
                return true;
            }};
}

template <typename Field> StoredOption boolOption(const char* name, Field field) {
    return {QString::fromLatin1(name), [field](const EditorOptions& o) { return boolText(field(o)); },
            [field](EditorOptions& o, const QString& t) {
                const auto v = parseNumber(t);
                if (!v) return false;
                field(o) = *v != 0;
                return true;
            }};
}

template <typename Field> StoredOption colourOption(const char* name, Field field) {
    return {QString::fromLatin1(name), [field](const EditorOptions& o) { return colourText(field(o)); },
            [field](EditorOptions& o, const QString& t) {
                const auto v = parseNumber(t);
                if (!v || *v < INT_MIN || *v > qint64(UINT32_MAX)) return false;
                field(o) = ColourNumber(quint32(*v));
                return true;
            }};
}

template <typename Enum, typename Field> StoredOption enumOption(const char* name, Field field, int count) {
    return {QString::fromLatin1(name), [field](const EditorOptions& o) { return intText(int(field(o))); },
            [field, count](EditorOptions& o, const QString& t) {
                const auto v = parseNumber(t);
                if (!v || *v < 0 || *v >= count) return false;
                field(o) = Enum(int(*v));
                return true;
            }};
}

#define WERTAN_FIELD(path)                                                                                   \
    [](auto& o) -> auto& {                                                                                   \
        return o.path;                                                                                       \
    }

// Qt's cursor shapes run from the arrow (0) to the drag-link cursor (21) without gaps but one (22..23
// are bitmap and custom cursors, which a stored number cannot carry).
constexpr OptionRange kCursorRange{0, 21};

const std::vector<StoredOption>& storedOptions() {
    static const std::vector<StoredOption> options = [] {
        std::vector<StoredOption> list;
        list.push_back(intOption("FmwEdit.Cursor", WERTAN_FIELD(cursor), kCursorRange));
        list.push_back(colourOption("FmwEdit.Color", WERTAN_FIELD(colour)));
        list.push_back(boolOption("FmwEdit.BookMarkOptions.EnableKeys", WERTAN_FIELD(bookmarks.enableKeys)));
        list.push_back(
            boolOption("FmwEdit.BookMarkOptions.GlyphsVisible", WERTAN_FIELD(bookmarks.glyphsVisible)));
        list.push_back(
            intOption("FmwEdit.BookMarkOptions.LeftMargin", WERTAN_FIELD(bookmarks.leftMargin), {0, 100}));
        list.push_back(
            intOption("FmwEdit.BookMarkOptions.Xoffset", WERTAN_FIELD(bookmarks.xOffset), {0, 100}));
        list.push_back(
            intOption("FmwEdit.ExtraLineSpacing", WERTAN_FIELD(extraLineSpacing), kLineSpacingRange));
        list.push_back(intOption("FmwEdit.Font.Charset", WERTAN_FIELD(font.charset), {0, 255}));
        list.push_back(colourOption("FmwEdit.Font.Color", WERTAN_FIELD(font.colour)));
        // The height is the character height in pixels; a negative number says the same.
        list.push_back({QStringLiteral("FmwEdit.Font.Height"),
                        [](const EditorOptions& o) { return intText(o.font.pixelHeight); },
                        [](EditorOptions& o, const QString& t) {
                            const auto v = parseNumber(t);
                            if (!v || *v == 0 || *v < -100000 || *v > 100000) return false;
                            o.font.pixelHeight = kFontPixelRange.clamp(int(std::llabs(*v)));
                            return true;
                        }});
        list.push_back({QStringLiteral("FmwEdit.Font.Name"),
                        [](const EditorOptions& o) { return o.font.name; },
                        [](EditorOptions& o, const QString& t) {
                            if (t.trimmed().isEmpty()) return false;
                            o.font.name = t;
                            return true;
                        }});
        list.push_back(intOption("FmwEdit.Font.Pitch", WERTAN_FIELD(font.pitch), {0, 2}));
        // The size in points is read after the height and decides when both are present.
        list.push_back({QStringLiteral("FmwEdit.Font.Size"),
                        [](const EditorOptions& o) { return intText(o.font.pointSize()); },
                        [](EditorOptions& o, const QString& t) {
                            const auto v = parseNumber(t);
                            if (!v || *v <= 0 || *v > 300) return false;
                            o.font.setPointSize(int(*v));
                            return true;
                        }});
        list.push_back(boolOption("FmwEdit.Gutter.AutoSize", WERTAN_FIELD(gutter.autoSize)));
        list.push_back(colourOption("FmwEdit.Gutter.Color", WERTAN_FIELD(gutter.colour)));
        list.push_back(intOption("FmwEdit.Gutter.Cursor", WERTAN_FIELD(gutter.cursor), kCursorRange));
        list.push_back(
            intOption("FmwEdit.Gutter.DigitCount", WERTAN_FIELD(gutter.digitCount), kDigitCountRange));
        list.push_back(boolOption("FmwEdit.Gutter.LeadingZeros", WERTAN_FIELD(gutter.leadingZeros)));
        list.push_back(boolOption("FmwEdit.Gutter.ShowLineNumbers", WERTAN_FIELD(gutter.showLineNumbers)));
        list.push_back(boolOption("FmwEdit.Gutter.Visible", WERTAN_FIELD(gutter.visible)));
        list.push_back(intOption("FmwEdit.Gutter.Width", WERTAN_FIELD(gutter.width), kGutterWidthRange));
        list.push_back(boolOption("FmwEdit.Gutter.ZeroStart", WERTAN_FIELD(gutter.zeroStart)));
        list.push_back(boolOption("FmwEdit.HideSelection", WERTAN_FIELD(hideSelection)));
        list.push_back(enumOption<CaretShape>("FmwEdit.InsertCaret", WERTAN_FIELD(insertCaret), 4));
        list.push_back(boolOption("FmwEdit.InsertMode", WERTAN_FIELD(insertMode)));
        list.push_back(intOption("FmwEdit.MaxUndo", WERTAN_FIELD(maxUndo), {0, INT_MAX}));
        list.push_back(intOption("FmwEdit.RightEdge", WERTAN_FIELD(rightEdge), kRightEdgeRange));
        list.push_back(colourOption("FmwEdit.RightEdgeColor", WERTAN_FIELD(rightEdgeColour)));
        list.push_back(colourOption("FmwEdit.SelectedColor.Background", WERTAN_FIELD(selectedBackground)));
        list.push_back(colourOption("FmwEdit.SelectedColor.Foreground", WERTAN_FIELD(selectedForeground)));
        list.push_back(enumOption<SelectionMode>("FmwEdit.SelectionMode", WERTAN_FIELD(selectionMode), 3));
        list.push_back(intOption("FmwEdit.TabWidth", WERTAN_FIELD(tabWidth), kTabWidthRange));
        list.push_back(boolOption("FmwEdit.WantTabs", WERTAN_FIELD(wantTabs)));
        return list;
    }();
    return options;
}

#undef WERTAN_FIELD

} // namespace

int EditorFontOptions::pointSize() const {
    return int(std::lround(pixelHeight * 72.0 / kStoreDpi));
}

void EditorFontOptions::setPointSize(int points) {
    pixelHeight = kFontPixelRange.clamp(int(std::lround(points * kStoreDpi / 72.0)));
}

void copyPageOptions(const EditorOptions& from, EditorOptions& to) {
    to.font = from.font;
    to.extraLineSpacing = from.extraLineSpacing;
    to.insertMode = from.insertMode;
    to.insertCaret = from.insertCaret;
    to.rightEdge = from.rightEdge;
    to.colour = from.colour;
    to.gutter.colour = from.gutter.colour;
    to.gutter.digitCount = from.gutter.digitCount;
    to.gutter.showLineNumbers = from.gutter.showLineNumbers;
    to.gutter.leadingZeros = from.gutter.leadingZeros;
    to.gutter.zeroStart = from.gutter.zeroStart;
    to.tabWidth = from.tabWidth;
}

QString editorOptionsKey() {
    return QStringLiteral("\\Software\\Wertan PHP\\zkEditor\\FormEditOpts");
}

const QStringList& editorOptionValueNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const auto& option : storedOptions())
            list << option.name;
        return list;
    }();
    return names;
}

void loadEditorOptions(const SettingsStore& store, EditorOptions& options) {
    const QString key = editorOptionsKey();
    for (const auto& option : storedOptions()) {
        if (const auto text = store.readText(key, option.name)) option.read(options, *text);
    }
}

void saveEditorOptions(SettingsStore& store, const EditorOptions& options) {
    const QString key = editorOptionsKey();
    for (const auto& option : storedOptions())
        store.writeText(key, option.name, option.write(options));
}

} // namespace wertan
