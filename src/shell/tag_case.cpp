#include "shell/tag_case.h"

#include "shell/text_utils.h"

namespace wertan {

std::string ApplyTagCase(std::string_view piece, bool lowerCaseTags) {
    return lowerCaseTags ? AsciiLower(piece) : std::string(piece);
}

} // namespace wertan
