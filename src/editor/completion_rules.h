#pragma once
// The rules of the completion lists: the word before the caret that a list opens with, the entry
// that the word selects, and the fixed SQL words. Texts are Windows-1250 bytes.
#include <string>
#include <string_view>
#include <vector>

namespace wertan {

// Characters that end the word being completed, besides blanks and control characters.
inline constexpr std::string_view kCompletionWordEnds = "()[].";
bool endsCompletionWord(unsigned char ch);

// The word that ends at the caret: column is 1-based (the caret stands before the character at that
// position). Empty when the caret lies beyond the end of the line.
std::string completionWordBeforeCaret(std::string_view line, int column);

// The first entry that begins with the current string, compared exactly; an empty string selects the
// first entry. When no entry matches, the position stays as it was. Returns the new position
// (-1 when there are no entries).
int selectCompletionEntry(const std::vector<std::string>& entries, std::string_view current, int position);

// The position moved by delta entries, kept inside the list.
int moveCompletionPosition(int position, int delta, int count);

// The SQL completion words in their order, each followed by one space but the last.
const std::vector<std::string>& sqlCompletionWords();

} // namespace wertan
