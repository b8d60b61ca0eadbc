#pragma once
// The menus read from data files at start-up: the style menu (data\styltags.dat) and the template
// tag menu (data\zkphptags.dat). A file is a list of two-line entries: the menu caption, then the
// text to insert. Windows-1250 bytes, lines ended by CR LF (a lone LF or CR also ends a line).
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace wertan {

// Entry positions are kept in a byte, so a menu holds at most 128 entries; lines past the 256th
// are not read.
inline constexpr int kMaxTagMenuEntries = 128;

struct TagMenuEntry {
    std::string caption; // "&" marks the accelerator; "-" alone is a separator
    std::string text;    // the second line as written in the file

    bool isSeparator() const { return caption == "-"; }
    // The item's hint: the text, "|Wstawia ", the text, " do aktualnego dokumentu".
    std::string hint() const;
    // The part of the hint before its first "|": the text up to its own first "|".
    std::string shortHint() const;
    // The part of the hint after its first "|", shown in the status bar's last panel.
    std::string longHint() const;
    // What choosing the item inserts at the caret: the short hint through the tag-case rule.
    std::string insertText(bool lowerCaseTags) const;
};

struct TagMenu {
    std::vector<TagMenuEntry> entries; // in file order
    int ignoredLines = 0;              // an odd last line, and every line past the 256th
};

// Splits a file's bytes into lines: CR LF, LF or CR ends a line; a last line end adds no empty line.
std::vector<std::string> splitTagFileLines(std::string_view bytes);
TagMenu parseTagMenu(std::string_view bytes);
// Reads and parses a tag file. A missing or unreadable file gives false and the error text
// ("Nie można otworzyć pliku <path>." and the system's reason); the menu stays empty.
bool loadTagMenu(const QString& path, TagMenu* menu, QString* error);

} // namespace wertan
