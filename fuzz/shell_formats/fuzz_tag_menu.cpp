// Arbitrary bytes as a tag menu file: split into lines, read as two-line entries, and every text an
// entry gives (hint, short and long hint, inserted text in both tag cases) checked for its shape.
#include "shell/tag_menus.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace wertan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const std::string& line : splitTagFileLines(bytes))
        if (line.find_first_of("\r\n") != std::string::npos) __builtin_trap();
    const TagMenu menu = parseTagMenu(bytes);
    if (menu.entries.size() > std::size_t(kMaxTagMenuEntries) || menu.ignoredLines < 0) __builtin_trap();
    for (const TagMenuEntry& entry : menu.entries) {
        const std::string hint = entry.hint();
        const std::string shortHint = entry.shortHint();
        if (shortHint.find('|') != std::string::npos) __builtin_trap();
        if (entry.text.compare(0, shortHint.size(), shortHint) != 0) __builtin_trap();
        if (hint.compare(0, shortHint.size(), shortHint) != 0) __builtin_trap();
        if (hint.size() <= shortHint.size() || hint[shortHint.size()] != '|') __builtin_trap();
        if (entry.longHint() != hint.substr(shortHint.size() + 1)) __builtin_trap();
        if (entry.insertText(false) != shortHint) __builtin_trap();
        if (entry.insertText(true).size() != shortHint.size()) __builtin_trap();
    }
    return 0;
}
