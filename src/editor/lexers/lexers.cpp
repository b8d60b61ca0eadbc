#include "editor/lexers/lexers.h"

namespace wertan::lexers {

LineLexer LexerFor(Language language) {
    switch (language) {
    case Language::Php:
        return &LexPhpLine;
    case Language::Css:
        return &LexCssLine;
    case Language::Sql:
        return &LexSqlLine;
    case Language::Html:
        return &LexHtmlLine;
    case Language::JavaScript:
        return &LexJsLine;
    }
    return &LexPhpLine;
}

int ModeCount(Language language) {
    switch (language) {
    case Language::Php:
        return 4;
    case Language::Html:
        return 7;
    case Language::Css:
    case Language::Sql:
    case Language::JavaScript:
        return 2;
    }
    return 1;
}

} // namespace wertan::lexers
