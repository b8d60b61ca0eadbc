#pragma once
// The zkPHP tag language of the class templates: a template's comment lines name its classes and,
// per class, parameter blocks that become input rows of the preprocessing panel. Everything here
// is a pure function of the template's lines (Windows-1250 bytes).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wertan {

// One parameter block, all fields zero or empty at the block start.
struct ProcessItem {
    enum Kind : std::uint8_t { Integer = 0, Text = 1, List = 3 };
    std::uint8_t kind = Integer;
    std::int32_t maxValue = 0; // 0 = not given
    std::int32_t minValue = 0; // 0 = not given
    std::int32_t value = 0;    // 0 = not given
    std::string text;
    std::uint8_t maxLength = 0; // 0 = unlimited
    std::int16_t firstItem = 0;
    std::vector<std::string> items; // at most kMaxProcessItems kept

    bool operator==(const ProcessItem&) const = default;
};

inline constexpr std::size_t kMaxProcessItems = 256;

// A parameter row: its label, the property it sets (the input's hint) and its input.
struct TemplateRow {
    std::string label;
    std::string propertyName;
    ProcessItem item;
    bool operator==(const TemplateRow&) const = default;
};

struct TemplateForm {
    bool classMode = false;           // false: the file has no "#zkPHP" at all (plain mode)
    std::vector<std::string> classes; // every class of the file, lower-cased, in file order
    std::string selectedClass;        // empty when the file lists no class
    std::vector<TemplateRow> rows;    // rows of the selected class's complete blocks
    std::string error;                // Polish; set when a number could not be read (rows so far kept)
};

// True when the line holds the tag anywhere, ASCII letter case ignored.
bool lineHasTag(std::string_view line, std::string_view tag);
// The lower-cased text between the first "(" and the next ")" after it; empty without ")".
std::string tagValue(std::string_view line);

// Builds the form for the wanted class (empty: the first class of the file). propertyName is the
// panel's current property name: "#zkName" replaces it, and a block without one keeps the last
// value set, in an earlier block or an earlier file.
TemplateForm buildTemplateForm(const std::vector<std::string>& lines, std::string_view wantedClass,
                               std::string& propertyName);

// The spin input of an integer row: a limit applies when it is not 0; both 0 means unlimited.
struct SpinSetup {
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    std::int32_t value = 0;
};
SpinSetup spinSetup(const ProcessItem& item);

// The non-empty items of a list row, in order.
std::vector<std::string> listItems(const ProcessItem& item);

// The "Nazwa" input's text for the class list's current text: "$" + class + "new".
std::string objectNameFor(std::string_view className);

// A row's value as the object line writes it: a text between single quotes (not escaped), the
// decimal integer of a spin input, the chosen list item as it stands.
std::string textValue(std::string_view text);
std::string integerValue(std::int32_t value);

struct RowValue {
    std::string propertyName;
    std::string value; // already formatted
};

// object + " = new " + class + ";", then object + "->" + property + "=" + value + ";" per row.
std::vector<std::string> objectLines(std::string_view object, std::string_view className,
                                     const std::vector<RowValue>& values);

// The include line for the mode ("include", "require"; anything else gives an empty line). The
// directory and file are joined with "/", backslashes become "/", and the line is a full PHP tag.
std::string includeLine(std::string_view mode, std::string_view directory, std::string_view fileName);

// The "#zkfile(name)" attachments named by the template's lines, in order, as written.
std::vector<std::string> templateAttachments(const std::vector<std::string>& lines);

} // namespace wertan
