#include "catalogue/hint_pages.h"

#include "text/text_utils.h"

#include <array>
#include <utility>

namespace wertan {

std::optional<std::string> controlStructurePage(std::string_view word) {
    static const std::array<std::pair<std::string_view, std::string_view>, 15> table{{
        {"if", "control-structures.html"},
        {"else", "control-structures.else.html"},
        {"elseif", "control-structures.elseif.html"},
        {"while", "control-structures.while.html"},
        {"do", "control-structures.do.while.html"},
        {"for", "control-structures.for.html"},
        {"break", "control-structures.break.html"},
        {"continue", "control-structures.continue.html"},
        {"switch", "control-structures.switch.html"},
        {"require", "function.require.html"},
        {"include", "function.include.html"},
        {"function", "functions.html"},
        {"class", "oop.html"},
        // The manual also has pages for these two; without the table they would be looked up as
        // function pages that do not exist.
        {"foreach", "control-structures.foreach.html"},
        {"return", "control-structures.return.html"},
    }};
    const std::string lower = asciiLower(word);
    for (const auto& [structure, page] : table)
        if (lower == structure) return std::string(page);
    return std::nullopt;
}

std::string hintWord(std::string_view word) {
    std::string out(word);
    for (char& c : out)
        if (c == '_') c = '-';
    return out;
}

HintPages::HintPages(std::function<bool(const std::string&)> exists) : exists_(std::move(exists)) {}

std::optional<std::string> HintPages::lookup(std::string_view word) {
    const std::string w = hintWord(word);
    if (w == last_) return std::nullopt;
    last_ = w;
    if (w.empty()) return std::nullopt;
    const std::string folder(kManualFolder);
    if (const auto page = controlStructurePage(w)) {
        const std::string path = folder + *page;
        if (exists_(path)) return path;
        return std::nullopt;
    }
    const std::string base = folder + "function." + asciiLower(w);
    for (const char* extension : {".html", ".htm"}) {
        const std::string path = base + extension;
        if (exists_(path)) return path;
    }
    return std::nullopt;
}

} // namespace wertan
