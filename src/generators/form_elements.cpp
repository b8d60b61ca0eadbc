#include "generators/form_elements.h"

#include "text/tag_case.h"
#include "text/text_utils.h"

namespace wertan {

const char* const kNoChoice = "(\xAF"
                              "adna)"; // "(Żadna)"
const char* const kNoWrap = "(brak)";
const char* const kDropDownSize = "(Rozwijana lista)";
const char* const kSingleSelection = "Pojedyncze";

namespace {

// A line assembled from fixed pieces (tag-cased) and typed text (as it stands).
class LineBuilder {
public:
    explicit LineBuilder(bool lowerCaseTags) : lower_(lowerCaseTags) {}
    LineBuilder& tag(std::string_view piece) {
        text_ += applyTagCase(piece, lower_);
        return *this;
    }
    LineBuilder& text(std::string_view literal) {
        text_ += literal;
        return *this;
    }
    // NAME="value" style attribute: the name piece tag-cased, the value quoted as typed.
    LineBuilder& attribute(std::string_view namePiece, std::string_view value) {
        return tag(namePiece).text("\"").text(value).text("\"");
    }
    std::string take() { return std::move(text_); }

private:
    bool lower_;
    std::string text_;
};

bool equalNoCase(std::string_view a, std::string_view b) {
    return asciiLower(a) == asciiLower(b);
}

} // namespace

GeneratedLines formStartLines(const FormStartOptions& options, bool lowerCaseTags) {
    LineBuilder line(lowerCaseTags);
    line.tag("<FORM").text(" ").attribute("ACTION=", options.action).text(" ");
    line.attribute("METHOD=", options.method).text(">");
    return {line.take()};
}

GeneratedLines formEndLines(bool lowerCaseTags) {
    return {applyTagCase("</FORM>", lowerCaseTags)};
}

GeneratedLines textFieldLines(const TextFieldOptions& options, bool lowerCaseTags) {
    LineBuilder line(lowerCaseTags);
    line.tag("<INPUT").text(" ").attribute("NAME=", options.name);
    if (!options.defaultValue.empty()) line.text(" ").attribute("VALUE=", options.defaultValue);
    line.text(">");
    return {line.take()};
}

GeneratedLines textAreaLines(const TextAreaOptions& options, bool lowerCaseTags) {
    LineBuilder open(lowerCaseTags);
    open.tag("<TEXTAREA").text(" ").attribute("NAME=", options.name);
    if (!options.rows.empty()) open.text(" ").attribute("ROWS=", options.rows);
    if (!options.columns.empty()) open.text(" ").attribute("COLS=", options.columns);
    // Exact comparison: a "(BRAK)" typed by the user is written as a WRAP value.
    if (options.wrap != kNoWrap) open.text(" ").attribute("WRAP=", options.wrap);
    open.text("> ");
    GeneratedLines lines{open.take()};
    lines.insert(lines.end(), options.defaultLines.begin(), options.defaultLines.end());
    lines.push_back(applyTagCase("</TEXTAREA>", lowerCaseTags));
    return lines;
}

GeneratedLines buttonLines(const ButtonOptions& options, bool lowerCaseTags) {
    LineBuilder line(lowerCaseTags);
    line.attribute("<INPUT TYPE=", options.type).text(" ").attribute("VALUE=", options.caption).text(">");
    return {line.take()};
}

GeneratedLines selectionListLines(const SelectionListOptions& options, bool lowerCaseTags) {
    LineBuilder open(lowerCaseTags);
    open.tag("<SELECT").text(" ").attribute("NAME=", options.name);
    // This comparison ignores case: "(ROZWIJANA LISTA)" writes no SIZE either.
    if (!options.size.empty() && asciiLower(options.size) != asciiLower(kDropDownSize))
        open.text(" ").attribute("SIZE=", options.size);
    if (options.selectionKind != kSingleSelection) open.text(" ").tag("MULTIPLE");
    open.text("> ");
    GeneratedLines lines{open.take()};
    for (const std::string& value : options.values) {
        LineBuilder option(lowerCaseTags);
        option.tag("<OPTION");
        if (equalNoCase(value, options.selected)) option.text(" ").tag("SELECTED");
        option.text("> ").text(value);
        lines.push_back(option.take());
    }
    lines.push_back(applyTagCase("</SELECT>", lowerCaseTags));
    return lines;
}

GeneratedLines checkBoxGroupLines(const CheckBoxGroupOptions& options, bool lowerCaseTags) {
    GeneratedLines lines;
    for (const ValueLabel& row : options.rows) {
        LineBuilder line(lowerCaseTags);
        line.tag("<INPUT TYPE=").text("\"checkbox\" ").attribute("NAME=", options.name).text(" ");
        line.attribute("VALUE=", row.value).text("> ").text(row.label);
        if (options.separateLines) line.tag("<BR>");
        lines.push_back(line.take());
    }
    return lines;
}

GeneratedLines radioGroupLines(const RadioGroupOptions& options, bool lowerCaseTags) {
    GeneratedLines lines;
    for (const ValueLabel& row : options.rows) {
        LineBuilder line(lowerCaseTags);
        line.tag("<INPUT TYPE=").text("\"radio\" ").attribute("NAME=", options.name).text(" ");
        line.tag("VALUE=").text("\"").text(row.value);
        line.text(equalNoCase(row.value, options.selected) ? "\" checked> " : "\"> ").text(row.label);
        if (options.separateLines) line.text(" ").tag("<BR>");
        lines.push_back(line.take());
    }
    return lines;
}

std::vector<std::string> memoLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

std::vector<std::string> choiceEntries(const std::vector<std::string>& values) {
    std::vector<std::string> entries{kNoChoice};
    for (const std::string& value : values)
        if (!value.empty() && value != " ") entries.push_back(value);
    return entries;
}

} // namespace wertan
