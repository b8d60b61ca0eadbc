// The words an editor page hands to the PHP hints after a key release or a caret move.
#include "editor/hint_trigger.h"

#include <gtest/gtest.h>

namespace wertan {
namespace {

TEST(HintWords, WordBeforeAndAroundTheCaret) {
    const struct {
        const char* line;
        int column;
        const char* before;
        const char* around;
    } cases[] = {
        {"x = strlen($a);", 7, "st", "strlen"},
        {"x = strlen($a);", 11, "strlen", ""},
        {"x = strlen($a);", 13, "", "a"},
        {"x = strlen(", 7, "st", "strlen"},
        {"x = strlen(", 12, "", ""},
        {"while ", 6, "while", ""},
        {"obj.name", 9, "name", ""},
        {"obj.name", 6, "n", "name"},
        {"", 1, "", ""},
        {"abc", 1, "", "abc"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(wordBeforeCaret(c.line, c.column), c.before) << "'" << c.line << "' at " << c.column;
        EXPECT_EQ(wordAroundCaret(c.line, c.column), c.around) << "'" << c.line << "' at " << c.column;
    }
}

TEST(HintWords, TriggerRule) {
    using Words = std::vector<std::string>;
    const struct {
        const char* line;
        int column;
        Words words;
    } cases[] = {
        // At the end of the line both searches run: before the caret first, then around it (empty).
        {"strlen", 7, {"strlen", ""}},
        // A space after the caret: the word before it.
        {"while x", 6, {"while"}},
        // A letter after the caret: the word around it.
        {"x = strlen($a);", 7, {"strlen"}},
        // A delimiter other than the space after the caret: nothing.
        {"x = strlen($a);", 11, {}},
        {"f(a)", 2, {}},
        // Past the end of the line + 1: nothing.
        {"abc", 6, {}},
        {"", 1, {"", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hintTriggerWords(c.line, c.column), c.words) << "'" << c.line << "' at " << c.column;
}

} // namespace
} // namespace wertan
