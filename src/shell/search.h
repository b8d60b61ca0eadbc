#pragma once
// Find and replace on the active document. The dialogs keep their settings; this file decides what
// is searched, from where, and what is replaced. Offsets are byte offsets into the editor's text;
// letter case is folded for ASCII letters only, and a word is a run of ASCII letters, digits,
// underscores and bytes of 0x80 and above (so a Polish letter, in either the Windows-1250 or the
// UTF-8 form of the text, belongs to its word).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace wertan {

struct SearchOptions {
    bool backwards = false;
    bool matchCase = false;
    bool wholeWords = false;
};

struct TextRange {
    std::size_t start = 0;
    std::size_t end = 0; // one past the last byte
    bool operator==(const TextRange&) const = default;
};

// Forwards: the first match that starts at or after `from`. Backwards: the last match that ends at
// or before `from`. An empty needle matches nothing.
std::optional<TextRange> findInText(std::string_view text, std::string_view needle, std::size_t from,
                                    const SearchOptions& options);

// Every occurrence of a text replaced in one pass.
struct ReplaceAllResult {
    std::size_t count = 0;
    // From the start of the first occurrence to the end of the last; empty when there is none.
    TextRange span;
    // What the span becomes.
    std::string replacement;
};

// Replaces every occurrence in the whole text, from the start, each match found after the end of the
// one before (so a replacement holding the search text is not searched again); whole words are
// judged in the text as it was. Backwards is ignored.
ReplaceAllResult replaceAllInText(std::string_view text, std::string_view needle,
                                  std::string_view replacement, const SearchOptions& options);

// The editor of the active document, as the search sees it. The view implements it over the
// editor control; tests implement it over a plain string.
class SearchTarget {
public:
    virtual ~SearchTarget() = default;
    // The whole text; valid until the next change.
    virtual std::string_view text() const = 0;
    virtual std::size_t caret() const = 0;
    // Selects the range and scrolls it into view; the caret goes to its start or its end.
    virtual void select(TextRange range, bool caretAtStart) = 0;
    // Replaces the range as one undoable edit that marks the document changed; the caret goes
    // after the new text.
    virtual void replace(TextRange range, std::string_view replacement) = 0;
};

// The state of the find dialog or of the replace dialog; it lasts for the whole run.
struct SearchDialogState {
    std::string findText;
    std::string replaceText;
    bool up = false; // both dialogs start with the direction down
    bool matchCase = false;
    bool wholeWords = false;
};

// The find-next button: searches from the caret in the dialog's direction. A match is selected,
// with the caret at its end going down and at its start going up; no match changes nothing.
// Returns whether a match was found. An empty search text does nothing.
bool findNext(const SearchDialogState& dialog, SearchTarget& target);

// The replace button. The dialog's direction turns to up and stays so; a find upwards selects the
// nearest occurrence before the caret (the one a forward find just selected); then, searching
// forwards from the caret, the first occurrence is replaced. Nothing is asked first. Returns the
// number replaced (0 or 1).
int replaceNext(SearchDialogState& dialog, SearchTarget& target);

// The replace-all button: every occurrence in the whole document, wherever the caret stands, as one
// edit (one undo step); the dialog's direction stays as it is. Returns the number replaced.
std::size_t replaceAll(const SearchDialogState& dialog, SearchTarget& target);

// The three Polish plural forms of a counted noun: 1 "wystąpienie", 2-4 "wystąpienia" (but 12-14
// "wystąpień"), others "wystąpień".
enum class PluralForm { One, Few, Many };
PluralForm polishPluralForm(unsigned long long count);

} // namespace wertan
