#pragma once
// How document tabs are told apart: two open files of the same name show the folders that differ.
#include <QString>
#include <QStringList>

namespace wertan {

// The text of the tab `index`, given the captions and paths of all open documents in tab order:
// the caption alone, or, when another document has the same caption, the caption followed by as
// many of the last folder names of its path as tell it from the others, in brackets:
// "plik.php (a)" beside "plik.php (b)". Remote paths ("[ftp]/www/plik.php") count by their remote
// folders; a document without a folder keeps its caption.
QString distinctTabText(const QStringList& captions, const QStringList& paths, int index);

} // namespace wertan
