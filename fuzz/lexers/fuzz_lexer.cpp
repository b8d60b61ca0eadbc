// libFuzzer target of one colouring lexer (the language is fixed at build time). The first input
// byte is the start state, taken as is so states no lexer produces are tried too; the rest is lexed
// once as a single line (line breaks included) and once split into lines. Every scan must cover
// its line exactly with non-empty tokens, leave a state of the language, and repeat itself.
#include "editor/lexers/token_dump.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace {

using namespace wertan::lexers;

constexpr Language kLanguage = Language(WERTAN_FUZZ_LANGUAGE);

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

LineState LexAndCheck(std::string_view line, LineState start, TokenBuffer& tokens) {
    const LineState end = lexLine(kLanguage, line, start, tokens);
    std::size_t pos = 0;
    for (const Token& token : tokens) {
        Check(token.start == pos);
        Check(token.length > 0);
        Check(std::size_t(token.start) + token.length <= line.size());
        pos += token.length;
    }
    Check(pos == line.size());
    Check(end.mode < modeCount(kLanguage));
    Check(LineState::decode(end.encode()) == end);

    const std::vector<Token> first(tokens.begin(), tokens.end());
    Check(lexLine(kLanguage, line, start, tokens) == end);
    Check(std::vector<Token>(tokens.begin(), tokens.end()) == first);
    return end;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const LineState start{data[0]};
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    TokenBuffer tokens;
    LexAndCheck(text, start, tokens);
    LineState state = start;
    for (std::string_view line : splitLines(text))
        state = LexAndCheck(line, state, tokens);
    return 0;
}
