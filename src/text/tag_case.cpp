#include "text/tag_case.h"

#include "text/text_utils.h"

namespace wertan {

std::string applyTagCase(std::string_view piece, bool lowerCaseTags) {
    return lowerCaseTags ? asciiLower(piece) : std::string(piece);
}

} // namespace wertan
