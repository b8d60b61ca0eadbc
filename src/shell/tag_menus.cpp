#include "shell/tag_menus.h"

#include "text/document_text.h"
#include "text/tag_case.h"

namespace wertan {

std::string TagMenuEntry::hint() const {
    return text + "|Wstawia " + text + " do aktualnego dokumentu";
}

std::string TagMenuEntry::shortHint() const {
    return text.substr(0, text.find('|'));
}

std::string TagMenuEntry::longHint() const {
    const std::string full = hint();
    return full.substr(full.find('|') + 1);
}

std::string TagMenuEntry::insertText(bool lowerCaseTags) const {
    return applyTagCase(shortHint(), lowerCaseTags);
}

std::vector<std::string> splitTagFileLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(bytes.substr(start, i - start));
            i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
    return lines;
}

TagMenu parseTagMenu(std::string_view bytes) {
    const std::vector<std::string> lines = splitTagFileLines(bytes);
    TagMenu menu;
    std::size_t i = 0;
    for (; i + 1 < lines.size() && menu.entries.size() < std::size_t(kMaxTagMenuEntries); i += 2)
        menu.entries.push_back(TagMenuEntry{lines[i], lines[i + 1]});
    menu.ignoredLines = int(lines.size() - i);
    return menu;
}

bool loadTagMenu(const QString& path, TagMenu* menu, QString* error) {
    *menu = TagMenu{};
    std::string bytes;
    if (!readFileBytes(path, &bytes, error)) return false;
    *menu = parseTagMenu(bytes);
    return true;
}

} // namespace wertan
