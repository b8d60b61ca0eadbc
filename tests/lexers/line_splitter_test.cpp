// Lines of a text that arrives in blocks, as the token dump tool reads its input, and the tool on
// an input larger than the memory it may use.
#include "editor/lexers/token_dump.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace wertan::lexers;

namespace {

std::vector<std::string> inBlocks(std::string_view text, std::size_t blockSize) {
    std::vector<std::string> lines;
    const auto sink = [&](std::string_view line) { lines.emplace_back(line); };
    LineSplitter splitter;
    for (std::size_t at = 0; at < text.size(); at += blockSize)
        splitter.feed(text.substr(at, blockSize), sink);
    splitter.finish(sink);
    return lines;
}

TEST(LineSplitter, GivesTheLinesOfAWholeSplitWhereverTheBlocksEnd) {
    const std::string texts[] = {
        "",
        "\n",
        "\r",
        "\r\n",
        "a",
        "a\n",
        "a\r\nb",
        "a\rb\nc\r\nd\r",
        "\r\r\n\n\r\n\r",
        "long line " + std::string(100, 'x') + "\r\nend",
    };
    for (const std::string& text : texts) {
        std::vector<std::string> whole;
        for (std::string_view line : splitLines(text))
            whole.emplace_back(line);
        for (std::size_t blockSize = 1; blockSize <= text.size() + 1; ++blockSize)
            EXPECT_EQ(inBlocks(text, blockSize), whole)
                << testing::PrintToString(text) << " in blocks of " << blockSize;
    }
}

// The tool lexes 200 MB of input with 128 MB of address space: it holds a line, not the input.
TEST(WertanLexTool, LexesAnInputLargerThanItsMemory) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the address sanitizer reserves more address space than the limit";
#else
    int input[2];
    ASSERT_EQ(::pipe(input), 0);
    const pid_t tool = ::fork();
    ASSERT_GE(tool, 0);
    if (tool == 0) {
        ::dup2(input[0], 0);
        ::close(input[0]);
        ::close(input[1]);
        if (!std::freopen("/dev/null", "w", stdout)) ::_exit(97);
        rlimit limit{128u << 20, 128u << 20};
        ::setrlimit(RLIMIT_AS, &limit);
        ::execl(WERTAN_TOOLS_DIR "/wertan-lex", "wertan-lex", "php", static_cast<char*>(nullptr));
        ::_exit(98);
    }
    ::close(input[0]);
    std::signal(SIGPIPE, SIG_IGN);
    const std::string line = "<?php $a = \"tekst\"; // komentarz ?> <b>html</b>\r\n";
    std::string block;
    while (block.size() < (1u << 20))
        block += line;
    bool fed = true;
    for (std::size_t sent = 0; fed && sent < (200u << 20); sent += block.size())
        fed = ::write(input[1], block.data(), block.size()) == ssize_t(block.size());
    ::close(input[1]);
    int status = 0;
    ASSERT_EQ(::waitpid(tool, &status, 0), tool);
    EXPECT_TRUE(fed) << "the tool stopped reading";
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
#endif
}

} // namespace
