#pragma once
// The manual page of a word at the caret: control structures first (by a fixed table, letter case
// ignored), then the function pages "function.<word>.html" or ".htm" under "pomoc\manual\". The
// page names of the manual are lower case, so the word is folded to lower case for the file name
// (file systems that tell case apart would miss "Strlen" otherwise). Texts are Windows-1250 bytes.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace wertan {

// The folder of the manual under the program directory.
inline constexpr std::string_view kManualFolder = "pomoc\\manual\\";

// The page of a control structure ("control-structures.while.html" for "while", "WHILE", ...).
std::optional<std::string> controlStructurePage(std::string_view word);

// The word as the lookup remembers it: every "_" replaced by "-".
std::string hintWord(std::string_view word);

// The lookup and its memory of the last word looked up.
class HintPages {
public:
    // exists: whether a file given relative to the program directory ("pomoc\manual\x.html") exists.
    explicit HintPages(std::function<bool(const std::string&)> exists);

    // The page to load for the word, relative to the program directory; nothing when the word is
    // the last one looked up or no page exists. Every lookup past the repeat check is remembered,
    // also when it finds no page.
    std::optional<std::string> lookup(std::string_view word);

    const std::string& lastHintWord() const { return last_; }
    // Forgets the last word, so that the next lookup of it loads its page again.
    void forget() { last_.clear(); }

private:
    std::function<bool(const std::string&)> exists_;
    std::string last_;
};

} // namespace wertan
