#include "text/tag_case.h"

#include "text/text_utils.h"

namespace wertan {

std::string ApplyTagCase(std::string_view piece, bool lowerCaseTags) {
    return lowerCaseTags ? AsciiLower(piece) : std::string(piece);
}

} // namespace wertan
