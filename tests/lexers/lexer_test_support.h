#pragma once
// Helpers of the lexer tests: tokens as (attribute, text) pairs and the checks every scan must pass.
#include "editor/lexers/lexers.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace wertan::lexers::testing {

struct Tok {
    Attribute attribute;
    std::string text;
    friend bool operator==(const Tok&, const Tok&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const Tok& tok) {
    return os << '{' << attributeName(tok.attribute) << ", \"" << tok.text << "\"}";
}

// A line, the state it starts in, the tokens it must give and the state it must leave.
struct LineCase {
    std::string line;
    std::vector<Tok> tokens;
    std::uint8_t startMode = 0;
    std::uint8_t endMode = 0;
};

// Fails unless the tokens are non-empty, contiguous and cover the line exactly.
inline ::testing::AssertionResult CoversLine(std::string_view line, const TokenBuffer& tokens) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.start != pos || t.length == 0 || std::size_t(t.start) + t.length > line.size())
            return ::testing::AssertionFailure()
                   << "token " << i << " at " << t.start << " length " << t.length << ", expected start "
                   << pos << " in a line of " << line.size();
        pos += t.length;
    }
    if (pos != line.size())
        return ::testing::AssertionFailure() << "tokens end at " << pos << " of " << line.size();
    return ::testing::AssertionSuccess();
}

inline std::vector<Tok> ToToks(std::string_view line, const TokenBuffer& tokens) {
    std::vector<Tok> out;
    for (const Token& t : tokens)
        out.push_back({t.attribute, std::string(line.substr(t.start, t.length))});
    return out;
}

inline void ExpectCases(Language language, const std::vector<LineCase>& cases) {
    TokenBuffer tokens;
    for (const LineCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << languageTag(language) << " line \"" << c.line << "\" from mode " << int(c.startMode));
        const LineState end = lexLine(language, c.line, LineState{c.startMode}, tokens);
        EXPECT_TRUE(CoversLine(c.line, tokens));
        EXPECT_EQ(ToToks(c.line, tokens), c.tokens);
        EXPECT_EQ(int(end.mode), int(c.endMode));
    }
}

} // namespace wertan::lexers::testing
