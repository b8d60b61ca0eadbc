#pragma once
// The PHP function catalogue files ("data\functions.dat", "data\functions2.dat"): groups of entry
// lines between "#zksubtreebegin" and "#zksubtreeend", each group titled by a "#zksubtreename(...)"
// line. The four toggles of the functions window decide how an entry is shown and inserted.
// Texts are Windows-1250 bytes.
#include <string>
#include <string_view>
#include <vector>

namespace wertan {

enum class PhpVersion { Php3, Php4 };

// "data\functions.dat" or "data\functions2.dat".
std::string catalogueFile(PhpVersion version);

struct CatalogueGroup {
    std::string title;                // lower case; "Beznazwy" when the group has no name line
    std::vector<std::string> entries; // the entry lines as stored, empty ones included
};

struct Catalogue {
    std::vector<CatalogueGroup> groups;
    // 1-based numbers of lines outside any group that are not start lines; they are skipped.
    std::vector<int> strayLines;
};

// Reads the lines of a catalogue file (without their line ends). Markers are found anywhere in a
// line, in any letter case. A group without a name line is titled "Beznazwy" and the line after
// its start line is not an entry. A file that ends inside a group ends that group.
Catalogue parseCatalogue(const std::vector<std::string>& lines);

// Splits file contents into lines at CR LF, LF or CR.
std::vector<std::string> splitCatalogueLines(std::string_view contents);

struct InsertionOptions {
    bool showParameters = true; // "int liczba, string wyraz"
    bool addBrackets = false;   // "(" and ")"
    bool addSemicolon = false;  // ";"
};

// The entry as the tree shows it: cut before its first "(" without parameters; "()" (or only ")"
// when it already holds one) appended with brackets, unless it has a "("; ";" appended with the
// semicolon.
std::string shownEntry(std::string_view line, const InsertionOptions& options);
// What goes into the document for a shown entry: the entry and a space; with the semicolon also
// a space and a line break.
std::string insertedEntry(std::string_view shown, const InsertionOptions& options);

// The order of the tree and of the completion list: ASCII letters folded, then bytes.
bool catalogueLess(std::string_view a, std::string_view b);
// The tree of the functions window: groups sorted by title, each with its shown entries sorted.
std::vector<CatalogueGroup> catalogueTree(const Catalogue& catalogue, const InsertionOptions& options);

// The completion list after a load: the present entries and the loaded entry lines, sorted, each
// text once; empty entry lines are left out.
std::vector<std::string> mergeCompletionEntries(const std::vector<std::string>& present,
                                                const Catalogue& loaded);

} // namespace wertan
