#pragma once
// Generated source text for measuring the colouring lexers: realistic PHP pages (HTML around PHP
// blocks with SQL in strings), HTML pages, SQL scripts, JavaScript and style sheets, written in
// Windows-1250 with Polish texts and CR LF line ends, the same for the same seed.
#include "editor/lexers/lexer_types.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace wertan::lexers::bench {

// At least `minBytes` bytes of the language's text, ending at a line end.
std::string GenerateCorpus(Language language, std::size_t minBytes, std::uint32_t seed = 1);

} // namespace wertan::lexers::bench
