#pragma once
// What an editor page hands to the PHP hints: the words at the caret after a key release or a caret
// move, and the seam through which they reach the hint window. Texts are Windows-1250 bytes; columns
// are 1-based (the caret stands before the character at that position).
#include <string>
#include <string_view>
#include <vector>

namespace wertan {

// Space, the end of the line and . { } ( ) = * [ ] + - / \ $ end the words of a hint lookup.
bool isHintDelimiter(char ch);

// The run of non-delimiters that ends just before the caret.
std::string wordBeforeCaret(std::string_view line, int column);
// The run of non-delimiters that holds the character after the caret.
std::string wordAroundCaret(std::string_view line, int column);

// The words to look up for the caret at this column of its line, in order: the word before the caret
// when a space or the line end follows the caret, then the word around the caret when no delimiter
// follows it (the line end does not count here). Nothing when the caret lies past the line end + 1.
std::vector<std::string> hintTriggerWords(std::string_view line, int column);

// The hint window as the editor pages see it.
class HintLookup {
public:
    virtual ~HintLookup() = default;
    // Lookups run only while the window is shown.
    virtual bool hintsVisible() const = 0;
    virtual void showHint(const std::string& word) = 0;
};

} // namespace wertan
