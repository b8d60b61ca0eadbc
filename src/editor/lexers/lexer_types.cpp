#include "editor/lexers/lexer_types.h"

#include <array>

namespace wertan::lexers {

std::string_view attributeName(Attribute attribute) {
    static constexpr std::array<std::string_view, kAttributeCount> names = {
        "Asp",    "Comment", "Escape ampersand", "Identifier", "Invalid symbol",
        "Key",    "Number",  "Reserved word",    "Space",      "String",
        "Symbol", "Text",    "Unknown word",     "Value",      "Variable",
    };
    const auto index = std::size_t(attribute);
    return index < names.size() ? names[index] : std::string_view{};
}

std::string_view languageName(Language language) {
    switch (language) {
    case Language::Php:
        return "PHP";
    case Language::Css:
        return "Cascading Stylesheets";
    case Language::Sql:
        return "SQL";
    case Language::Html:
        return "HTML Document";
    case Language::JavaScript:
        return "Javascript";
    }
    return {};
}

std::span<const Attribute> languageAttributes(Language language) {
    using A = Attribute;
    static constexpr A php[] = {A::Comment, A::Identifier, A::InvalidSymbol, A::Number,  A::ReservedWord,
                                A::Space,   A::String,     A::Symbol,        A::Variable};
    static constexpr A html[] = {A::Asp,          A::Comment, A::EscapeAmpersand, A::Identifier,
                                 A::ReservedWord, A::Space,   A::Symbol,          A::Text,
                                 A::UnknownWord,  A::Value};
    static constexpr A sql[] = {A::Comment, A::Identifier, A::Number, A::ReservedWord, A::String, A::Symbol};
    static constexpr A js[] = {A::Comment, A::Identifier, A::Number, A::ReservedWord,
                               A::Space,   A::String,     A::Symbol};
    static constexpr A css[] = {A::Comment, A::Identifier, A::Key, A::Number, A::Space, A::String, A::Symbol};
    switch (language) {
    case Language::Php:
        return php;
    case Language::Css:
        return css;
    case Language::Sql:
        return sql;
    case Language::Html:
        return html;
    case Language::JavaScript:
        return js;
    }
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, Language>, kLanguageCount> kTags = {{
    {"php", Language::Php},
    {"css", Language::Css},
    {"sql", Language::Sql},
    {"html", Language::Html},
    {"js", Language::JavaScript},
}};
} // namespace

bool languageFromTag(std::string_view tag, Language& language) {
    for (const auto& [name, value] : kTags)
        if (name == tag) {
            language = value;
            return true;
        }
    return false;
}

std::string_view languageTag(Language language) {
    for (const auto& [name, value] : kTags)
        if (value == language) return name;
    return {};
}

Token* TokenBuffer::prepare(std::size_t count) {
    if (count > capacity_) {
        std::size_t capacity = capacity_ < 256 ? 256 : capacity_;
        while (capacity < count)
            capacity *= 2;
        tokens_ = std::make_unique_for_overwrite<Token[]>(capacity);
        capacity_ = capacity;
    }
    size_ = 0;
    return tokens_.get();
}

} // namespace wertan::lexers
