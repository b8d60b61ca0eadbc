#include "catalogue/function_catalogue.h"

#include "text/text_utils.h"

#include <algorithm>

namespace wertan {

namespace {
bool contains(std::string_view line, std::string_view marker) {
    // The marker anywhere in the line, in any ASCII letter case.
    return asciiLower(line).find(marker) != std::string::npos;
}

bool isStart(std::string_view line) {
    return contains(line, "#zksubtreebegin");
}
bool isName(std::string_view line) {
    return contains(line, "#zksubtreename");
}
bool isEnd(std::string_view line) {
    return contains(line, "#zksubtreeend");
}

// The next non-empty line after i, never past the last line.
std::size_t nextNonEmpty(const std::vector<std::string>& lines, std::size_t i) {
    if (i + 1 >= lines.size()) return i;
    ++i;
    while (i + 1 < lines.size() && lines[i].empty())
        ++i;
    return i;
}
} // namespace

std::string catalogueFile(PhpVersion version) {
    return version == PhpVersion::Php3 ? "data\\functions.dat" : "data\\functions2.dat";
}

Catalogue parseCatalogue(const std::vector<std::string>& lines) {
    Catalogue catalogue;
    std::size_t i = 0;
    while (i < lines.size()) {
        if (!isStart(lines[i])) {
            // A line between groups that starts none: skipped, so the load cannot stall on it.
            catalogue.strayLines.push_back(int(i) + 1);
            ++i;
            continue;
        }
        CatalogueGroup group;
        std::size_t at = nextNonEmpty(lines, i);
        if (at == i) {
            // The start line is the last line: an empty group without a name.
            group.title = "Beznazwy";
            catalogue.groups.push_back(std::move(group));
            break;
        }
        if (isName(lines[at])) {
            group.title = extractBetween('(', ')', lines[at], 1);
        } else {
            group.title = "Beznazwy";
            if (isEnd(lines[at])) {
                // Start and end without a name line: an empty group.
                catalogue.groups.push_back(std::move(group));
                i = at + 1;
                continue;
            }
        }
        const std::size_t first = nextNonEmpty(lines, at);
        if (first == at) {
            // The file ends with the name line (or the unused line).
            catalogue.groups.push_back(std::move(group));
            break;
        }
        i = first;
        while (i < lines.size() && !isEnd(lines[i]))
            group.entries.push_back(lines[i++]);
        catalogue.groups.push_back(std::move(group));
        ++i;
    }
    return catalogue;
}

std::vector<std::string> splitCatalogueLines(std::string_view contents) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < contents.size(); ++i) {
        const char c = contents[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            if (c == '\r' && i + 1 < contents.size() && contents[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::string shownEntry(std::string_view line, const InsertionOptions& options) {
    std::string shown(line);
    if (!options.showParameters) {
        const auto bracket = shown.find('(');
        if (bracket != std::string::npos) shown.erase(bracket);
    }
    if (options.addBrackets && shown.find('(') == std::string::npos)
        shown += shown.find(')') != std::string::npos ? ")" : "()";
    if (options.addSemicolon) shown += ';';
    return shown;
}

std::string insertedEntry(std::string_view shown, const InsertionOptions& options) {
    std::string text(shown);
    text += options.addSemicolon ? " \r\n" : " ";
    return text;
}

bool catalogueLess(std::string_view a, std::string_view b) {
    const std::string la = asciiLower(a);
    const std::string lb = asciiLower(b);
    const auto ua = [](const std::string& s) {
        return std::basic_string_view<unsigned char>(reinterpret_cast<const unsigned char*>(s.data()),
                                                     s.size());
    };
    if (la != lb) return ua(la) < ua(lb);
    return ua(std::string(a)) < ua(std::string(b));
}

std::vector<CatalogueGroup> catalogueTree(const Catalogue& catalogue, const InsertionOptions& options) {
    std::vector<CatalogueGroup> tree;
    tree.reserve(catalogue.groups.size());
    for (const CatalogueGroup& group : catalogue.groups) {
        CatalogueGroup node{group.title, {}};
        node.entries.reserve(group.entries.size());
        for (const std::string& line : group.entries)
            node.entries.push_back(shownEntry(line, options));
        std::stable_sort(node.entries.begin(), node.entries.end(), catalogueLess);
        tree.push_back(std::move(node));
    }
    std::stable_sort(tree.begin(), tree.end(), [](const CatalogueGroup& a, const CatalogueGroup& b) {
        return catalogueLess(a.title, b.title);
    });
    return tree;
}

std::vector<std::string> mergeCompletionEntries(const std::vector<std::string>& present,
                                                const Catalogue& loaded) {
    std::vector<std::string> merged;
    for (const std::string& entry : present)
        if (!entry.empty()) merged.push_back(entry);
    for (const CatalogueGroup& group : loaded.groups)
        for (const std::string& entry : group.entries)
            if (!entry.empty()) merged.push_back(entry);
    std::sort(merged.begin(), merged.end(), catalogueLess);
    merged.erase(std::unique(merged.begin(), merged.end()), merged.end());
    return merged;
}

} // namespace wertan
