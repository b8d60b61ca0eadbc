#pragma once
// The class catalogue (data\classes\class.cls) and the class init file (.acls): tabs of classes,
// each class with its name, template path, picture path and type. Texts are Windows-1250 bytes.
#include <string>
#include <string_view>
#include <vector>

namespace wertan {

enum class ClassType { Ordinary = 0, Attachment = 1 };

struct CatalogueClass {
    std::string name;
    std::string file; // template path, relative to the program directory unless it has a drive letter
    std::string icon; // picture path, the same way
    ClassType type = ClassType::Ordinary;
    bool operator==(const CatalogueClass&) const = default;
};

struct ClassTab {
    std::string name;
    std::vector<CatalogueClass> classes;
    bool operator==(const ClassTab&) const = default;
};

inline constexpr int kMaxClassTabs = 255;
inline constexpr int kMaxClassesPerTab = 255;

// "załącznik" (its ASCII letters in any case) is an attachment; any other word is ordinary.
ClassType classTypeFromWord(std::string_view word);
std::string classTypeWord(ClassType type);

struct CatalogueReadResult {
    std::vector<ClassTab> tabs;
    bool ok = false;
    std::string error; // Polish, Windows-1250
};

// Reads the catalogue by line position; comment lines are skipped without being looked at and
// lines after the end line are ignored. A count that is not a decimal number stops the reading.
CatalogueReadResult readCatalogue(std::string_view bytes);

// The whole catalogue file, CR LF; ownPath is written on its location line.
std::string writeCatalogue(const std::vector<ClassTab>& tabs, std::string_view ownPath);

struct ClassInitFile {
    std::string name;
    std::string tab;
    std::string file; // template file name, without folder
    std::string icon; // picture file name, without folder
    ClassType type = ClassType::Ordinary;
    bool operator==(const ClassInitFile&) const = default;
};

struct ClassInitReadResult {
    ClassInitFile init;
    bool ok = false;
    std::string error;
};

ClassInitReadResult readClassInitFile(std::string_view bytes);
std::string writeClassInitFile(const ClassInitFile& init);

// True when the path starts with a drive letter ("c:..."): it is used as it stands.
bool hasDriveLetter(std::string_view path);

// Splits text into lines at CR LF, LF or CR; a final line break gives no empty last line.
std::vector<std::string> splitTextLines(std::string_view text);

// The runtime's string-to-integer conversion: optional blanks and sign, decimal digits, or "$" hex.
bool convertInteger(std::string_view text, long long* value);

} // namespace wertan
