#include "classlib/template_preprocessor.h"

#include "classlib/class_catalogue.h"
#include "text/text_utils.h"
#include "text/win1250.h"

#include <algorithm>
#include <climits>

namespace wertan {

namespace {
// Case-insensitive search on whole lines (not limited to 255 characters).
bool containsNoCase(std::string_view line, std::string_view needle) {
    return asciiLower(line).find(asciiLower(needle)) != std::string::npos;
}

std::string between(std::string_view line, char open, std::size_t from, char close) {
    const std::size_t start = line.find(open, from);
    if (start == std::string_view::npos) return {};
    const std::size_t end = line.find(close, start + 1);
    if (end == std::string_view::npos) return {};
    return asciiLower(line.substr(start + 1, end - start - 1));
}

std::string notAnInteger(const std::string& text, std::size_t lineIndex) {
    return utf8ToWin1250("'") + text + utf8ToWin1250("' nie jest poprawną liczbą całkowitą (wiersz ") +
           std::to_string(lineIndex + 1) + ").";
}

struct ClassStart {
    std::string name;
    std::size_t line;
};

std::vector<ClassStart> findClasses(const std::vector<std::string>& lines) {
    std::vector<ClassStart> classes;
    // The first line is not searched for a class start.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (!lineHasTag(lines[i], "#zkClassBegin")) continue;
        for (std::size_t j = i; j < lines.size(); ++j) {
            if (lineHasTag(lines[j], "#zkClassName")) {
                classes.push_back({tagValue(lines[j]), i});
                break;
            }
        }
    }
    return classes;
}
} // namespace

bool lineHasTag(std::string_view line, std::string_view tag) {
    return containsNoCase(line, tag);
}

std::string tagValue(std::string_view line) {
    return between(line, '(', 0, ')');
}

TemplateForm buildTemplateForm(const std::vector<std::string>& lines, std::string_view wantedClass,
                               std::string& propertyName) {
    TemplateForm form;
    form.classMode =
        std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return lineHasTag(l, "#zkPHP"); });
    if (!form.classMode) return form;

    const std::vector<ClassStart> classes = findClasses(lines);
    for (const ClassStart& c : classes)
        form.classes.push_back(c.name);
    const ClassStart* selected = nullptr;
    for (const ClassStart& c : classes) {
        if (wantedClass.empty() || c.name == wantedClass) {
            selected = &c;
            break;
        }
    }
    if (!selected) return form;
    form.selectedClass = selected->name;

    std::size_t classEnd = lines.size();
    for (std::size_t i = selected->line; i < lines.size(); ++i) {
        if (lineHasTag(lines[i], "#zkClassEnd")) {
            classEnd = i;
            break;
        }
    }

    auto readInt = [&form](const std::string& text, std::size_t at, long long* value) {
        if (convertInteger(text, value)) return true;
        form.error = notAnInteger(text, at);
        return false;
    };

    for (std::size_t i = selected->line; i < classEnd; ++i) {
        if (!lineHasTag(lines[i], "#zkPHPBegin")) continue;
        TemplateRow row;
        ProcessItem& item = row.item;
        bool ended = false;
        std::size_t j = i;
        for (; j < lines.size() && !ended; ++j) {
            const std::string& line = lines[j];
            ended = lineHasTag(line, "#zkPHPEnd");
            if (lineHasTag(line, "#zkText")) row.label = tagValue(line);
            if (lineHasTag(line, "#zkName")) propertyName = tagValue(line);
            if (lineHasTag(line, "#zkInt")) item.kind = ProcessItem::Integer;
            if (lineHasTag(line, "#zkString")) item.kind = ProcessItem::Text;
            if (lineHasTag(line, "#zkItems")) item.kind = ProcessItem::List;
            long long number = 0;
            switch (item.kind) {
            case ProcessItem::Integer:
                if (lineHasTag(line, "#zkIntMinMax")) {
                    const std::string minText = between(line, '(', 0, ',');
                    const std::size_t comma = line.find(',');
                    const std::string maxText =
                        comma == std::string::npos ? std::string() : between(line, ',', comma, ')');
                    if (!readInt(minText, j, &number)) return form;
                    item.minValue = static_cast<std::int32_t>(number);
                    if (!readInt(maxText, j, &number)) return form;
                    item.maxValue = static_cast<std::int32_t>(number);
                }
                if (lineHasTag(line, "#zkIntValue")) {
                    if (!readInt(tagValue(line), j, &number)) return form;
                    item.value = static_cast<std::int32_t>(number);
                }
                break;
            case ProcessItem::Text:
                if (lineHasTag(line, "#zkStringText")) item.text = tagValue(line);
                if (lineHasTag(line, "#zkStringLeng")) {
                    if (!readInt(tagValue(line), j, &number)) return form;
                    // A length outside 0..255 is clamped, not wrapped.
                    item.maxLength = static_cast<std::uint8_t>(std::clamp<long long>(number, 0, 255));
                }
                break;
            case ProcessItem::List:
                if (lineHasTag(line, "#zkItemFirst")) {
                    if (!readInt(tagValue(line), j, &number)) return form;
                    item.firstItem =
                        static_cast<std::int16_t>(std::clamp<long long>(number, INT16_MIN, INT16_MAX));
                }
                if (lineHasTag(line, "#zkItem") && item.items.size() < kMaxProcessItems)
                    item.items.push_back(tagValue(line));
                break;
            default:
                break;
            }
        }
        if (!ended) break; // a block without its end line creates no row and ends the parsing
        row.propertyName = propertyName;
        form.rows.push_back(std::move(row));
        i = j - 1; // go on after the end line
    }
    return form;
}

SpinSetup spinSetup(const ProcessItem& item) {
    SpinSetup setup;
    setup.minimum =
        item.minValue != 0 ? item.minValue : (item.maxValue != 0 ? std::min(0, item.maxValue) : INT_MIN);
    setup.maximum = item.maxValue != 0 ? item.maxValue : INT_MAX;
    if (setup.maximum < setup.minimum) std::swap(setup.minimum, setup.maximum);
    setup.value = std::clamp(item.value, setup.minimum, setup.maximum);
    return setup;
}

std::vector<std::string> listItems(const ProcessItem& item) {
    std::vector<std::string> result;
    for (const std::string& text : item.items)
        if (!text.empty()) result.push_back(text);
    return result;
}

std::string objectNameFor(std::string_view className) {
    return "$" + std::string(className) + "new";
}

std::string textValue(std::string_view text) {
    return "'" + std::string(text) + "'";
}

std::string integerValue(std::int32_t value) {
    return std::to_string(value);
}

std::vector<std::string> objectLines(std::string_view object, std::string_view className,
                                     const std::vector<RowValue>& values) {
    std::vector<std::string> lines;
    lines.push_back(std::string(object) + " = new " + std::string(className) + ";");
    for (const RowValue& row : values)
        lines.push_back(std::string(object) + "->" + row.propertyName + "=" + row.value + ";");
    return lines;
}

std::string includeLine(std::string_view mode, std::string_view directory, std::string_view fileName) {
    const std::string lowerMode = asciiLower(mode);
    if (lowerMode != "include" && lowerMode != "require") return {};
    std::string path(directory);
    std::replace(path.begin(), path.end(), '\\', '/');
    while (!path.empty() && path.back() == '/')
        path.pop_back();
    if (!path.empty()) path += '/';
    path += fileName;
    std::replace(path.begin(), path.end(), '\\', '/');
    // Inside a single-quoted PHP string only the quote and the backslash need escaping.
    std::string quoted;
    for (char ch : path) {
        if (ch == '\'') quoted += '\\';
        quoted += ch;
    }
    return "<?php " + lowerMode + "('" + quoted + "'); ?>";
}

std::vector<std::string> templateAttachments(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    for (const std::string& line : lines) {
        if (!lineHasTag(line, "#zkfile")) continue;
        const std::size_t open = line.find('(');
        const std::size_t close = open == std::string::npos ? open : line.find(')', open + 1);
        if (close != std::string::npos && close > open + 1)
            names.push_back(line.substr(open + 1, close - open - 1));
    }
    return names;
}

} // namespace wertan
