#pragma once
// The lines of an editor's text as a document holds them: CR LF, LF or CR ends a line, and a line
// break at the very end starts no further line (so "a\r\nb\r\n" has two lines and "" none).
#include <QStringList>

namespace wertan {

class CodeEditor;

QStringList editorLines(const CodeEditor* editor);
QStringList splitDocumentLines(const QString& text);

} // namespace wertan
