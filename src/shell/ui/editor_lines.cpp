#include "shell/ui/editor_lines.h"

#include "editor/ui/code_editor.h"

namespace wertan {

QStringList splitDocumentLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
        start = i + 1;
    }
    if (start < text.size()) lines << text.mid(start);
    return lines;
}

QStringList editorLines(const CodeEditor* editor) {
    return editor ? splitDocumentLines(editor->text()) : QStringList();
}

} // namespace wertan
