#include "shell/search.h"

#include <gtest/gtest.h>

using namespace wertan;

namespace {

// An editor as the search sees it, over a plain string; it records each replacement edit.
class StringTarget : public SearchTarget {
public:
    explicit StringTarget(std::string text, std::size_t caret = 0) : text_(std::move(text)), caret_(caret) {}
    std::string_view text() const override { return text_; }
    std::size_t caret() const override { return caret_; }
    void select(TextRange range, bool caretAtStart) override {
        selection_ = range;
        caret_ = caretAtStart ? range.start : range.end;
    }
    void replace(TextRange range, std::string_view replacement) override {
        text_.replace(range.start, range.end - range.start, replacement);
        caret_ = range.start + replacement.size();
        selection_ = {caret_, caret_};
        ++edits_;
    }
    TextRange selection_{};
    int edits_ = 0;

private:
    std::string text_;
    std::size_t caret_;
};

} // namespace

TEST(Search, FindInTextHonoursDirectionCaseAndWholeWords) {
    const std::string text = "Echo echo; $echo_x echoes ECHO";
    //                        0    5    10   15   20   25
    const struct {
        std::size_t from;
        SearchOptions options;
        const char* needle;
        std::optional<TextRange> found;
    } cases[] = {
        {0, {}, "echo", TextRange{0, 4}},
        {1, {}, "echo", TextRange{5, 9}},
        {0, {false, true, false}, "ECHO", TextRange{26, 30}},
        {0, {false, false, true}, "echo", TextRange{0, 4}},
        {1, {false, false, true}, "echo", TextRange{5, 9}},
        {6, {false, false, true}, "echo", TextRange{26, 30}}, // "echo_x" and "echoes" are longer words
        {27, {}, "echo", std::nullopt},
        {30, {}, "echo", std::nullopt},
        // Backwards: the last match that ends at or before the caret.
        {30, {true, false, false}, "echo", TextRange{26, 30}},
        {29, {true, false, false}, "echo", TextRange{19, 23}},
        {9, {true, false, false}, "echo", TextRange{5, 9}},
        {8, {true, false, false}, "echo", TextRange{0, 4}},
        {3, {true, false, false}, "echo", std::nullopt},
        {29, {true, true, true}, "echo", TextRange{5, 9}},
        {100, {true, false, false}, "ECHO", TextRange{26, 30}}, // a caret past the end counts as the end
        {0, {}, "", std::nullopt},
        {0, {}, "longer than the text itself, which is thirty bytes", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findInText(text, c.needle, c.from, c.options), c.found)
            << c.needle << " from " << c.from << " back " << c.options.backwards;
}

TEST(Search, WordsIncludeUnderscoresDigitsAndLettersBeyondAscii) {
    const SearchOptions words{false, false, true};
    EXPECT_EQ(findInText("a_b", "a", 0, words), std::nullopt);
    EXPECT_EQ(findInText("a1", "a", 0, words), std::nullopt);
    EXPECT_EQ(findInText("\xB9"
                         "a",
                         "a", 0, words),
              std::nullopt); // ą in Windows-1250
    EXPECT_EQ(findInText("\xC4\x85"
                         "a",
                         "a", 0, words),
              std::nullopt); // ą in UTF-8
    EXPECT_EQ(findInText("(a)", "a", 0, words), (TextRange{1, 2}));
    EXPECT_EQ(findInText("x\r\na", "a", 0, words), (TextRange{3, 4}));
    // Letter case folds for ASCII only: Ą (0xA5) does not match ą (0xB9).
    EXPECT_EQ(findInText("\xA5", "\xB9", 0, {}), std::nullopt);
}

TEST(Search, FindNextSelectsTheMatchOrLeavesEverythingAsItWas) {
    StringTarget editor("one two one two", 0);
    SearchDialogState find{"two", "", false, false, false};
    EXPECT_TRUE(findNext(find, editor));
    EXPECT_EQ(editor.selection_, (TextRange{4, 7}));
    EXPECT_EQ(editor.caret(), 7u);
    EXPECT_TRUE(findNext(find, editor));
    EXPECT_EQ(editor.selection_, (TextRange{12, 15}));
    EXPECT_FALSE(findNext(find, editor)); // no wrapping round, no change
    EXPECT_EQ(editor.selection_, (TextRange{12, 15}));
    EXPECT_EQ(editor.caret(), 15u);

    find.up = true; // going up, the caret lands at the start of the match
    EXPECT_TRUE(findNext(find, editor));
    EXPECT_EQ(editor.selection_, (TextRange{12, 15}));
    EXPECT_EQ(editor.caret(), 12u);
    EXPECT_TRUE(findNext(find, editor));
    EXPECT_EQ(editor.selection_, (TextRange{4, 7}));

    SearchDialogState empty{};
    StringTarget untouched("abc", 1);
    EXPECT_FALSE(findNext(empty, untouched));
    EXPECT_EQ(untouched.caret(), 1u);
    EXPECT_EQ(untouched.selection_, (TextRange{}));
}

TEST(Search, ReplaceReplacesTheOccurrenceTheLastFindSelected) {
    StringTarget editor("a cat, a cat, a cat", 0);
    SearchDialogState dialog{"cat", "dog", false, false, false};
    ASSERT_TRUE(findNext(dialog, editor)); // selects the first "cat"
    EXPECT_EQ(replaceNext(dialog, editor), 1);
    EXPECT_EQ(editor.text(), "a dog, a cat, a cat");
    EXPECT_TRUE(dialog.up); // the direction turned up and stays so
    EXPECT_EQ(editor.caret(), 5u);
    EXPECT_EQ(editor.edits_, 1);

    // With no occurrence before the caret, the first one after it is replaced.
    StringTarget fresh("a cat, a cat", 0);
    SearchDialogState again{"cat", "dog", false, false, false};
    EXPECT_EQ(replaceNext(again, fresh), 1);
    EXPECT_EQ(fresh.text(), "a dog, a cat");
    EXPECT_EQ(replaceNext(again, fresh), 1); // the next occurrence after the caret
    EXPECT_EQ(fresh.text(), "a dog, a dog");
    EXPECT_EQ(replaceNext(again, fresh), 0);
}

TEST(Search, ReplaceAllReplacesEveryOccurrenceOfTheDocumentInOneEdit) {
    // The caret in the middle changes nothing: every occurrence goes, as one undoable edit, and the
    // direction stays as it was.
    StringTarget editor("x x x x", 3);
    SearchDialogState dialog{"x", "yy", false, false, false};
    EXPECT_EQ(replaceAll(dialog, editor), 4u);
    EXPECT_EQ(editor.text(), "yy yy yy yy");
    EXPECT_EQ(editor.edits_, 1);
    EXPECT_FALSE(dialog.up);

    // A replacement holding the search text is not searched again.
    StringTarget grow("ab ab", 0);
    SearchDialogState nest{"ab", "abab", false, false, false};
    EXPECT_EQ(replaceAll(nest, grow), 2u);
    EXPECT_EQ(grow.text(), "abab abab");

    // Match case and whole words hold for the replacing too; an empty replacement deletes.
    StringTarget words("Var var vars var", 0);
    SearchDialogState strict{"var", "", false, true, true};
    EXPECT_EQ(replaceAll(strict, words), 2u);
    EXPECT_EQ(words.text(), "Var  vars ");

    // Nothing found: no edit at all.
    StringTarget none("abc", 1);
    SearchDialogState missing{"x", "y", false, false, false};
    EXPECT_EQ(replaceAll(missing, none), 0u);
    EXPECT_EQ(none.edits_, 0);
}

TEST(Search, ReplaceAllInTextGivesTheSpanAndWhatItBecomes) {
    const struct {
        const char* text;
        const char* needle;
        const char* replacement;
        SearchOptions options;
        std::size_t count;
        TextRange span;
        const char* becomes;
    } cases[] = {
        {"a cat, a Cat", "cat", "dog", {}, 2, {2, 12}, "dog, a dog"},
        {"a cat, a Cat", "cat", "dog", {false, true, false}, 1, {2, 5}, "dog"},
        {"aaaa", "aa", "b", {}, 2, {0, 4}, "bb"}, // matches do not overlap
        {"cats cat", "cat", "dog", {false, false, true}, 1, {5, 8}, "dog"},
        {"kot", "kot", "", {}, 1, {0, 3}, ""},
        {"KoT_1 kot", "kot", "x", {false, false, true}, 1, {6, 9}, "x"},
        {"abc", "abcd", "x", {}, 0, {}, ""},
        {"", "a", "x", {}, 0, {}, ""},
        {"abc", "", "x", {}, 0, {}, ""},
        // Letter case is folded for ASCII only, so a Polish capital in UTF-8 stays different.
        {"\xC5\xBC\xC3\xB3\xC5\x82w \xC5\xBB\xC3\x93\xC5\x81W",
         "\xC5\xBC\xC3\xB3\xC5\x82w",
         "x",
         {},
         1,
         {0, 7},
         "x"},
    };
    for (const auto& c : cases) {
        const ReplaceAllResult r = replaceAllInText(c.text, c.needle, c.replacement, c.options);
        EXPECT_EQ(r.count, c.count) << c.text << " / " << c.needle;
        EXPECT_EQ(r.span, c.span) << c.text << " / " << c.needle;
        EXPECT_EQ(r.replacement, c.becomes) << c.text << " / " << c.needle;
    }
    // A large text: one pass, every occurrence, the bytes between kept.
    std::string big;
    for (int i = 0; i < 20000; ++i)
        big += "echo $Wartosc; // wartosc\n";
    const ReplaceAllResult r = replaceAllInText(big, "wartosc", "w", {});
    EXPECT_EQ(r.count, 40000u);
    EXPECT_EQ(big.substr(0, r.span.start) + r.replacement + big.substr(r.span.end), [&] {
        std::string expected;
        for (int i = 0; i < 20000; ++i)
            expected += "echo $w; // w\n";
        return expected;
    }());
}

TEST(Search, PolishPluralFormsOfACount) {
    const struct {
        unsigned long long count;
        PluralForm form;
    } cases[] = {{0, PluralForm::Many},   {1, PluralForm::One},     {2, PluralForm::Few},
                 {4, PluralForm::Few},    {5, PluralForm::Many},    {11, PluralForm::Many},
                 {12, PluralForm::Many},  {14, PluralForm::Many},   {21, PluralForm::Many},
                 {22, PluralForm::Few},   {101, PluralForm::Many},  {112, PluralForm::Many},
                 {1004, PluralForm::Few}, {76000, PluralForm::Many}};
    for (const auto& c : cases)
        EXPECT_EQ(polishPluralForm(c.count), c.form) << c.count;
}

TEST(Search, ReplaceWithAnEmptySearchTextDoesNothing) {
    StringTarget editor("abc", 1);
    SearchDialogState dialog{"", "x", false, false, false};
    EXPECT_EQ(replaceNext(dialog, editor), 0);
    EXPECT_EQ(replaceAll(dialog, editor), 0u);
    EXPECT_EQ(editor.text(), "abc");
    EXPECT_FALSE(dialog.up);
}
