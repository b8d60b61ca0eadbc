#include "classlib/class_catalogue.h"

#include "text/text_utils.h"
#include "text/win1250.h"

#include <cctype>
#include <climits>

namespace wertan {

namespace {
const std::string kAttachmentWord = utf8ToWin1250("załącznik");
const std::string kOrdinaryWord = utf8ToWin1250("zwykły");

std::string line(const std::vector<std::string>& lines, std::size_t index) {
    return index < lines.size() ? lines[index] : std::string();
}

std::string notNumber(const std::string& text) {
    return utf8ToWin1250("'") + text + utf8ToWin1250("' nie jest poprawną liczbą całkowitą.");
}
} // namespace

ClassType classTypeFromWord(std::string_view word) {
    return asciiLower(word) == kAttachmentWord ? ClassType::Attachment : ClassType::Ordinary;
}

std::string classTypeWord(ClassType type) {
    return type == ClassType::Attachment ? kAttachmentWord : kOrdinaryWord;
}

bool hasDriveLetter(std::string_view path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

std::vector<std::string> splitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\r' || ch == '\n') {
            lines.push_back(current);
            current.clear();
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            current += ch;
        }
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}

bool convertInteger(std::string_view text, long long* value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    }
    if (i >= text.size()) return false;
    long long result = 0;
    for (; i < text.size(); ++i) {
        const int ch = std::tolower(static_cast<unsigned char>(text[i]));
        int digit;
        if (ch >= '0' && ch <= '9')
            digit = ch - '0';
        else if (base == 16 && ch >= 'a' && ch <= 'f')
            digit = ch - 'a' + 10;
        else
            return false;
        result = result * base + digit;
        if (result > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (negative) result = -result;
    if (result > INT_MAX || result < INT_MIN) return false;
    *value = result;
    return true;
}

CatalogueReadResult readCatalogue(std::string_view bytes) {
    CatalogueReadResult result;
    const std::vector<std::string> lines = splitTextLines(bytes);
    // Lines 1-6 are comments and the file's own path; line 7 holds the number of tabs.
    std::size_t at = 6;
    long long tabCount = 0;
    const std::string countText = line(lines, at++);
    if (!convertInteger(countText, &tabCount)) {
        result.error = notNumber(countText);
        return result;
    }
    if (tabCount < 0 || tabCount > kMaxClassTabs) {
        result.error = utf8ToWin1250("Nieprawidłowa liczba zakładek: ") + countText;
        return result;
    }
    for (long long t = 0; t < tabCount; ++t) {
        ClassTab tab;
        ++at; // "// Nazwa zakładki:"
        tab.name = line(lines, at++);
        ++at; // "// Liczna klas na zakładce:"
        const std::string classCountText = line(lines, at++);
        long long classCount = 0;
        if (!convertInteger(classCountText, &classCount)) {
            result.error = notNumber(classCountText);
            return result;
        }
        if (classCount < 0 || classCount > kMaxClassesPerTab) {
            result.error = utf8ToWin1250("Nieprawidłowa liczba klas na zakładce: ") + classCountText;
            return result;
        }
        ++at; // "// Dane klas (Nazwa/plik/ikona)"
        for (long long c = 0; c < classCount; ++c) {
            CatalogueClass entry;
            entry.name = line(lines, at++);
            entry.file = line(lines, at++);
            entry.icon = line(lines, at++);
            entry.type = classTypeFromWord(line(lines, at++));
            tab.classes.push_back(std::move(entry));
        }
        result.tabs.push_back(std::move(tab));
    }
    result.ok = true;
    return result;
}

std::string writeCatalogue(const std::vector<ClassTab>& tabs, std::string_view ownPath) {
    std::string out;
    auto put = [&out](std::string_view text) {
        out += text;
        out += "\r\n";
    };
    put(utf8ToWin1250("// Plik klas, modyfikować tylko w ostateczności"));
    put(utf8ToWin1250("// Więcej informacji o budowie tego pliku można znaleźć w pomocy"));
    put("// Lokalizacja pliku");
    put(ownPath);
    put("// Wersja klas: 1.0 z 1.03.2000");
    put(utf8ToWin1250("// Liczba zakładek:"));
    put(std::to_string(tabs.size()));
    for (const ClassTab& tab : tabs) {
        put(utf8ToWin1250("// Nazwa zakładki:"));
        put(tab.name);
        put(utf8ToWin1250("// Liczna klas na zakładce:"));
        put(std::to_string(tab.classes.size()));
        put("// Dane klas (Nazwa/plik/ikona)");
        for (const CatalogueClass& entry : tab.classes) {
            put(entry.name);
            put(entry.file);
            put(entry.icon);
            put(classTypeWord(entry.type));
        }
    }
    put(utf8ToWin1250("// Koniec pliku (Poniżej można wstawiać komentarze)"));
    return out;
}

ClassInitReadResult readClassInitFile(std::string_view bytes) {
    ClassInitReadResult result;
    const std::vector<std::string> lines = splitTextLines(bytes);
    if (lines.size() < 11) {
        result.error = utf8ToWin1250("Plik inicjujący klasę jest niepełny (oczekiwano 11 wierszy).");
        return result;
    }
    result.init.name = lines[2];
    result.init.tab = lines[4];
    result.init.file = lines[6];
    result.init.icon = lines[8];
    result.init.type = classTypeFromWord(lines[10]);
    result.ok = true;
    return result;
}

std::string writeClassInitFile(const ClassInitFile& init) {
    std::string out;
    auto put = [&out](std::string_view text) {
        out += text;
        out += "\r\n";
    };
    put(utf8ToWin1250("// Plik inincjujący klasy"));
    put("// Nazwa:");
    put(init.name);
    put(utf8ToWin1250("// Zakładka:"));
    put(init.tab);
    put("// Plik:");
    put(init.file);
    put("// Ikona:");
    put(init.icon);
    put("// Typ:");
    put(classTypeWord(init.type));
    return out;
}

} // namespace wertan
