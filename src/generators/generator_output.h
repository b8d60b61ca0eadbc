#pragma once
// Where the generators put their text: the host supplies the insertion operations of the active
// document and the tag-case option. Generators never reach an editor themselves.
#include "generators/form_elements.h"

#include <functional>
#include <string>

namespace wertan {

struct GeneratorOutput {
    // Starts a new line below the caret's line with the text (Windows-1250 bytes).
    std::function<void(const std::string&)> insertLine;
    // Puts the text at the caret, replacing any selection.
    std::function<void(const std::string&)> insertText;
    // True when fixed tag pieces are written in lower case.
    std::function<bool()> lowerCaseTags;

    bool lower() const { return lowerCaseTags && lowerCaseTags(); }
    // Each line handed over separately, in order: the caret ends after the last one.
    void lines(const GeneratedLines& generated) const {
        if (!insertLine) return;
        for (const std::string& line : generated)
            insertLine(line);
    }
    void text(const std::string& generated) const {
        if (insertText) insertText(generated);
    }
};

} // namespace wertan
