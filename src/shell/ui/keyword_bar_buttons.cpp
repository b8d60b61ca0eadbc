// The keyword buttons at the foot of PHP and SQL pages: flat buttons side by side, each inserting
// its caption and a space at the caret of the active document.
#include "shell/snippets.h"
#include "shell/ui/document_page.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/main_window.h"
#include "shell/ui/shell_commands.h"
#include "text/win1250.h"

#include <QToolButton>

namespace wertan {

namespace {

// Button height on the 30-pixel bar; the layout rule fixes only the top edge and the width.
constexpr int kButtonHeight = 20;
// The point size the width rule uses when the button font is set in pixels.
constexpr int kStandardPointSize = 8;

void fillBar(KeywordBar* bar, DocumentKind kind, DocumentWorkspace& workspace) {
    if (!bar || (kind != DocumentKind::Php && kind != DocumentKind::Sql))
        return; // an HTML page keeps an empty bar
    const auto& buttons =
        keywordBarButtons(kind == DocumentKind::Php ? KeywordBarKind::Php : KeywordBarKind::Sql);
    QWidget* strip = bar->strip();
    const int points = strip->font().pointSize() > 0 ? strip->font().pointSize() : kStandardPointSize;
    const auto places = layoutKeywordBar(buttons, points);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const KeywordButton& b = buttons[i];
        auto* button = new QToolButton(strip);
        button->setObjectName(QStringLiteral("KeywordButton%1").arg(i));
        button->setText(fromWin1250(b.caption));
        button->setAutoRaise(true); // flat
        button->setFocusPolicy(Qt::NoFocus);
        if (!b.hint.empty()) {
            // A hint without a bar is both the tooltip and the status-bar text.
            button->setToolTip(fromWin1250(b.hint));
            button->setStatusTip(fromWin1250(b.hint));
        }
        button->setGeometry(places[i].left, places[i].top, places[i].width, kButtonHeight);
        const std::string text = keywordInsertText(b);
        QObject::connect(button, &QToolButton::clicked, &workspace,
                         [&workspace, text] { workspace.insertText(text); });
        button->show();
    }
    bar->fitStrip();
}

} // namespace

void installKeywordBars(MainWindow& main) {
    DocumentWorkspace& workspace = main.workspace();
    workspace.hooks().fillKeywordBar = [&workspace](KeywordBar* bar, DocumentKind kind) {
        fillBar(bar, kind, workspace);
    };
    // Pages made before the hook was in place (the start-up document) get their buttons now.
    for (int i = 0; i < workspace.count(); ++i) {
        DocumentPage* page = workspace.page(i);
        KeywordBar* bar = page->keywordBar();
        if (bar && bar->strip()->findChildren<QToolButton*>().isEmpty())
            fillBar(bar, page->keywordBarKind(), workspace);
    }
}

} // namespace wertan
