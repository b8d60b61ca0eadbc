#pragma once
// Commands of the main window that put fixed text into documents or convert their coding: the
// keyword bars at the foot of PHP and SQL pages, the templates of the "&Wstaw" menu, and the
// "Kodowanie znaków" commands with the conversion before a save.
#include "shell/code_pages.h"

namespace wertan {

class SettingsStore;

class CodeEditor;
class MainWindow;

// Fills the keyword bar of every page made from now on, and of the pages that already exist.
void installKeywordBars(MainWindow& main);
// Fills the three template sub-menus and gives the template commands their handlers.
void installSnippetCommands(MainWindow& main);
// The four coding commands and the conversion the save operation runs first.
void installCodingCommands(MainWindow& main);
// Whether new documents are UTF-8, as the user chose under "Kodowanie znaków" (UTF-8 unless chosen).
bool storedNewDocumentsInUtf8(const SettingsStore& store);

// Converts an editor's text through a table in place: no undo record, the changed state, the
// page's mark and the caret stay as they were.
void convertEditorText(CodeEditor* editor, const ByteTable& table);

} // namespace wertan
