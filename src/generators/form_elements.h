#pragma once
// The HTML of a web form, element by element: each function turns a dialog's values into the
// lines handed one by one to the document. Field texts are written exactly as typed (no trimming,
// no escaping); the fixed tag pieces follow the tag-case option. Texts are Windows-1250 bytes.
#include <string>
#include <string_view>
#include <vector>

namespace wertan {

using GeneratedLines = std::vector<std::string>;

// "(Żadna)": the first entry of a choice list built from a value grid, meaning no row is chosen.
extern const char* const kNoChoice;
// "(brak)": the text area's wrap list entry that writes no WRAP attribute.
extern const char* const kNoWrap;
// "(Rozwijana lista)": the selection list's size entry that writes no SIZE attribute.
extern const char* const kDropDownSize;
// "Pojedyncze": the single-choice selection kind; any other kind writes MULTIPLE.
extern const char* const kSingleSelection;

struct FormStartOptions {
    std::string action;
    std::string method = "POST";
};

struct TextFieldOptions {
    std::string name;
    std::string defaultValue;
};

struct TextAreaOptions {
    std::string name;
    std::string rows = "10";
    std::string columns = "50";
    std::string wrap = kNoWrap;
    // The default value's lines, each written as a line of its own.
    std::vector<std::string> defaultLines;
};

struct ButtonOptions {
    std::string type = "submit";
    std::string caption = "Przycisk";
};

struct SelectionListOptions {
    std::string name;
    std::string size = kDropDownSize;
    std::string selectionKind = kSingleSelection;
    // The "Wartość" cell of every grid row, top to bottom, empty rows included.
    std::vector<std::string> values;
    // The entry chosen in "Zaznaczona opcja:".
    std::string selected = kNoChoice;
};

// One row of the check box and radio grids.
struct ValueLabel {
    std::string value;
    std::string label;
};

struct CheckBoxGroupOptions {
    std::string name;
    std::vector<ValueLabel> rows;
    bool separateLines = false;
};

struct RadioGroupOptions {
    std::string name;
    std::vector<ValueLabel> rows;
    // The entry chosen in "Zaznaczona pozycja:".
    std::string selected = kNoChoice;
    bool separateLines = false;
};

GeneratedLines formStartLines(const FormStartOptions& options, bool lowerCaseTags);
GeneratedLines formEndLines(bool lowerCaseTags);
GeneratedLines textFieldLines(const TextFieldOptions& options, bool lowerCaseTags);
GeneratedLines textAreaLines(const TextAreaOptions& options, bool lowerCaseTags);
GeneratedLines buttonLines(const ButtonOptions& options, bool lowerCaseTags);
GeneratedLines selectionListLines(const SelectionListOptions& options, bool lowerCaseTags);
GeneratedLines checkBoxGroupLines(const CheckBoxGroupOptions& options, bool lowerCaseTags);
GeneratedLines radioGroupLines(const RadioGroupOptions& options, bool lowerCaseTags);

// The lines of a multi-line field: split at CR LF, LF or CR; a line end after the last line adds
// no empty line, and an empty text has no lines.
std::vector<std::string> memoLines(std::string_view text);

// The entries of a choice list built from a value grid's "Wartość" column: "(Żadna)" first, then
// every value top to bottom, skipping empty values and values of exactly one space.
std::vector<std::string> choiceEntries(const std::vector<std::string>& values);

} // namespace wertan
