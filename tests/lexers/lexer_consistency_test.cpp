// Every reference input gives the same tokens lexed as a whole document, line by line from each
// line's stored state, and with LF, CR LF or CR line ends.
#include "editor/lexers/token_dump.h"

#include "lexer_test_support.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

using namespace wertan::lexers;
using namespace wertan::lexers::testing;
namespace fs = std::filesystem;

namespace {

struct Input {
    Language language;
    fs::path path;
    std::string text;
};

std::vector<Input> ReferenceInputs() {
    std::vector<Input> inputs;
    const fs::path root = fs::path(WERTAN_LEXER_GOLDEN_DIR) / "input";
    for (const auto& dir : fs::directory_iterator(root)) {
        Language language{};
        if (!dir.is_directory() || !languageFromTag(dir.path().filename().string(), language)) continue;
        for (const auto& file : fs::directory_iterator(dir.path())) {
            std::ifstream in(file.path(), std::ios::binary);
            inputs.push_back({language, file.path(), {std::istreambuf_iterator<char>(in), {}}});
        }
    }
    std::sort(inputs.begin(), inputs.end(), [](const Input& a, const Input& b) { return a.path < b.path; });
    return inputs;
}

std::string Join(const std::vector<std::string_view>& lines, std::string_view lineEnd) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += lineEnd;
    }
    return text;
}

bool SameTokens(const std::vector<LexedLine>& a, const std::vector<LexedLine>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].tokens != b[i].tokens || a[i].endState != b[i].endState) return false;
    return true;
}

} // namespace

TEST(LexerConsistency, EveryLanguageHasReferenceInputs) {
    const std::vector<Input> inputs = ReferenceInputs();
    for (Language language :
         {Language::Php, Language::Html, Language::Sql, Language::JavaScript, Language::Css})
        EXPECT_GE(std::count_if(inputs.begin(), inputs.end(),
                                [&](const Input& i) { return i.language == language; }),
                  2)
            << languageTag(language);
}

TEST(LexerConsistency, LineEndsDoNotChangeTheTokens) {
    for (const Input& input : ReferenceInputs()) {
        SCOPED_TRACE(input.path.string());
        const std::vector<std::string_view> lines = splitLines(input.text);
        const std::string lf = Join(lines, "\n"), crlf = Join(lines, "\r\n"), cr = Join(lines, "\r");
        const auto expected = lexDocument(input.language, splitLines(lf));
        EXPECT_TRUE(SameTokens(lexDocument(input.language, splitLines(crlf)), expected)) << "CR LF";
        EXPECT_TRUE(SameTokens(lexDocument(input.language, splitLines(cr)), expected)) << "CR";
        EXPECT_TRUE(SameTokens(lexDocument(input.language, lines), expected)) << "as stored";
    }
}

TEST(LexerConsistency, EachLineLexedFromItsStoredStateMatchesTheWholeDocument) {
    std::mt19937 random(7);
    for (const Input& input : ReferenceInputs()) {
        SCOPED_TRACE(input.path.string());
        const std::vector<std::string_view> lines = splitLines(input.text);
        const auto whole = lexDocument(input.language, lines);
        // Visit the lines in a random order, as an editor colours whatever comes into view.
        std::vector<std::size_t> order(lines.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::shuffle(order.begin(), order.end(), random);
        TokenBuffer tokens;
        for (std::size_t i : order) {
            const LineState start = i == 0 ? LineState{} : LineState::decode(whole[i - 1].endState.encode());
            const LineState end = lexLine(input.language, lines[i], start, tokens);
            ASSERT_TRUE(CoversLine(lines[i], tokens)) << "line " << i + 1;
            EXPECT_EQ(std::vector<Token>(tokens.begin(), tokens.end()), whole[i].tokens) << "line " << i + 1;
            EXPECT_EQ(end, whole[i].endState) << "line " << i + 1;
        }
    }
}

TEST(LexerConsistency, RescanningAfterAnEditUntilTheStateSettlesMatchesAFullScan) {
    // Insert a comment opener into a line, rescan only while the following lines' starting state
    // changes, then close it again: the result must equal lexing the edited text from scratch.
    for (const Input& input : ReferenceInputs()) {
        SCOPED_TRACE(input.path.string());
        std::vector<std::string> lines;
        for (std::string_view line : splitLines(input.text))
            lines.emplace_back(line);
        if (lines.size() < 3) continue;
        std::vector<std::string_view> views(lines.begin(), lines.end());
        auto stored = lexDocument(input.language, views);
        const std::string opener = input.language == Language::Html ? "<!--" : "/*";
        for (const std::size_t edited : {std::size_t(1), lines.size() / 2}) {
            const std::string original = lines[edited];
            for (const std::string& text : {original + opener, original}) {
                lines[edited] = text;
                views.assign(lines.begin(), lines.end());
                TokenBuffer tokens;
                for (std::size_t i = edited; i < lines.size(); ++i) {
                    const LineState start = i == 0 ? LineState{} : stored[i - 1].endState;
                    const LineState end = lexLine(input.language, views[i], start, tokens);
                    const bool settled = end == stored[i].endState;
                    stored[i] = {{tokens.begin(), tokens.end()}, end};
                    if (settled) break;
                }
                EXPECT_TRUE(SameTokens(stored, lexDocument(input.language, views)))
                    << "edit of line " << edited + 1 << ": " << text;
            }
        }
    }
}

namespace {

// Lexes a line piece by piece as the editor colours a long line: each piece from the boundary and
// the state the piece before stopped at, seeing only a window that reaches a little past its stop
// (grown when a token runs into the window's end). Returns the tokens with offsets into the line.
std::vector<Token> LexInPieces(Language language, std::string_view line, LineState state, std::size_t spacing,
                               LineState* end) {
    std::vector<Token> all;
    TokenBuffer tokens;
    std::size_t from = 0;
    std::size_t reach = spacing + kLookahead;
    for (;;) {
        const std::string_view window = line.substr(from, reach);
        const bool lineEnd = from + window.size() == line.size();
        std::size_t stopped = 0;
        const LineState next = lexLinePart(language, window, state, tokens, spacing, &stopped);
        const bool trusted =
            lineEnd ? true : stopped < window.size() && stopped + kLookahead <= window.size();
        if (!trusted) {
            reach *= 2;
            continue;
        }
        for (const Token& t : tokens)
            all.push_back(Token{std::uint32_t(t.start + from), t.length, t.attribute});
        state = next;
        if (lineEnd && stopped == window.size()) break;
        from += stopped;
        reach = spacing + kLookahead;
    }
    *end = state;
    return all;
}

} // namespace

TEST(LexerConsistency, LongLinesLexedPieceByPieceFromCheckpointsMatchOneScan) {
    std::vector<std::pair<Language, std::string>> lines;
    for (const Input& input : ReferenceInputs())
        for (std::string_view line : splitLines(input.text))
            lines.emplace_back(input.language, std::string(line));
    // Random lines weighted towards the characters the rules care about, including entities,
    // comment and script marks and strings that run to the end of the line.
    std::mt19937 random(20250318);
    const std::string pieces[] = {
        "<",  ">",  "<!--", "-->",  "<%",       "%>",     "&amp;", "&divide;", "&",    "\"",   "'",   "'''",
        "/*", "*/", "//",   "#",    "$",        "@",      "..",    "1.5e3",    "0x1F", "->",   "<<=", "=",
        " ",  "\t", "\r",   "echo", "document", "select", "font",  "x",        "\xB3", "\xFF", "{12"};
    for (Language language :
         {Language::Php, Language::Html, Language::Sql, Language::JavaScript, Language::Css})
        for (int round = 0; round < 300; ++round) {
            std::string line;
            const int count = 20 + int(random() % 400);
            for (int i = 0; i < count; ++i)
                line += pieces[random() % std::size(pieces)];
            lines.emplace_back(language, line);
        }
    TokenBuffer tokens;
    for (const auto& [language, line] : lines)
        for (std::uint8_t mode = 0; mode < modeCount(language); ++mode)
            for (std::size_t spacing : {std::size_t(1), std::size_t(5), std::size_t(37)}) {
                const LineState start{mode};
                const LineState whole = lexLine(language, line, start, tokens);
                const std::vector<Token> expected(tokens.begin(), tokens.end());
                LineState end;
                const std::vector<Token> pieced = LexInPieces(language, line, start, spacing, &end);
                ASSERT_EQ(pieced, expected) << languageTag(language) << " from mode " << int(mode)
                                            << " in pieces of " << spacing << ": \"" << line << '"';
                ASSERT_EQ(end, whole) << languageTag(language) << ": \"" << line << '"';
            }
}
