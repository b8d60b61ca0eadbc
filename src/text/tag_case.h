#pragma once
// The tag-case rule: fixed HTML pieces are stored in upper case and written in lower case when the
// user asks for lower-case tags. Only pieces a caller passes through it change; typed text never.
#include <string>
#include <string_view>

namespace wertan {

// The piece lower-cased (ASCII letters only) when lowerCaseTags is on, else unchanged.
std::string applyTagCase(std::string_view piece, bool lowerCaseTags);

} // namespace wertan
