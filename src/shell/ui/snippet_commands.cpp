// The code templates of the "&Wstaw" menu: each item hands its lines one by one to InsertLine.
#include "shell/snippets.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/main_window.h"
#include "shell/ui/shell_commands.h"
#include "text/win1250.h"

#include <QAction>
#include <QMenu>

namespace wertan {

namespace {

void insertSnippet(MainWindow& main, SnippetId id) {
    for (const std::string& line : snippetInsertLines(id, main.settings().lowerCaseTags))
        main.workspace().insertLine(line);
}

void setHint(QAction* action, const std::string& hint) {
    if (hint.empty()) return;
    action->setToolTip(fromWin1250(hint));
    action->setStatusTip(fromWin1250(hint));
}

void fillSubMenu(MainWindow& main, QMenu* menu, const SnippetMenu& model) {
    if (!menu) return;
    for (const SnippetMenuEntry& entry : model.entries) {
        if (entry.separator) {
            menu->addSeparator();
            continue;
        }
        const Snippet& snippet = getSnippet(entry.id);
        QAction* item = menu->addAction(fromWin1250(snippet.caption));
        setHint(item, snippet.hint);
        if (snippet.hasAction)
            QObject::connect(item, &QAction::triggered, &main,
                             [&main, id = entry.id] { insertSnippet(main, id); });
    }
}

} // namespace

void installSnippetCommands(MainWindow& main) {
    fillSubMenu(main, main.menu(QStringLiteral("MenuInsert_If")), conditionalSnippetMenu());
    fillSubMenu(main, main.menu(QStringLiteral("MenuInsert_Switch")), switchSnippetMenu());
    fillSubMenu(main, main.menu(QStringLiteral("MenuInsert_Loops")), loopSnippetMenu());
    const std::pair<const char*, SnippetId> commands[] = {
        {"MenuInsert_Function", SnippetId::Function},
        {"MenuInsert_ClassVar", SnippetId::ClassVariable},
        {"MenuInsert_PHPInfo", SnippetId::PhpInfo},
        {"MenuInsert_JavaScript", SnippetId::JavaScriptTags},
        {"MenuInsert_NoScript", SnippetId::NoScriptTags},
    };
    for (const auto& [name, id] : commands) {
        const QString actionName = QString::fromLatin1(name);
        if (QAction* a = main.action(actionName)) setHint(a, getSnippet(id).hint);
        main.setCommandHandler(actionName, [&main, id = id] { insertSnippet(main, id); });
    }
}

} // namespace wertan
