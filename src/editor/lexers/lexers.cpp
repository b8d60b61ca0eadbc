#include "editor/lexers/lexers.h"

namespace wertan::lexers {

LineLexer lexerFor(Language language) {
    switch (language) {
    case Language::Php:
        return &lexPhpLine;
    case Language::Css:
        return &lexCssLine;
    case Language::Sql:
        return &lexSqlLine;
    case Language::Html:
        return &lexHtmlLine;
    case Language::JavaScript:
        return &lexJsLine;
    }
    return &lexPhpLine;
}

LinePartLexer partLexerFor(Language language) {
    switch (language) {
    case Language::Php:
        return &lexPhpLinePart;
    case Language::Css:
        return &lexCssLinePart;
    case Language::Sql:
        return &lexSqlLinePart;
    case Language::Html:
        return &lexHtmlLinePart;
    case Language::JavaScript:
        return &lexJsLinePart;
    }
    return &lexPhpLinePart;
}

int modeCount(Language language) {
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
