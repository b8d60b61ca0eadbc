#pragma once
// The "Podpowiedzi PHP" window: a small web view of its own showing the manual page of the word at
// the caret, with "Wstecz". Editor pages reach it through HintLookup while it is shown.
#include "catalogue/hint_pages.h"
#include "catalogue/ui/dockable_tool_window.h"
#include "editor/hint_trigger.h"

class QPushButton;
class QWebEngineProfile;
class QWebEngineView;

namespace wertan {

class ProgramPaths;

class HintWindow : public DockableToolWindow, public HintLookup {
    Q_OBJECT
public:
    HintWindow(const ProgramPaths& paths, QWidget* dockingArea, QWidget* owner);
    ~HintWindow() override;

    bool hintsVisible() const override { return isVisible(); }
    // Loads the manual page of the word, unless it is the word looked up last or has no page.
    void showHint(const std::string& word) override;
    const std::string& lastHintWord() const { return pages_.lastHintWord(); }

    QWebEngineView* view() const { return view_; }
    QPushButton* backButton() const { return back_; }

signals:
    // A page was asked to load (the file of the manual page).
    void pageRequested(const QString& path);

private:
    const ProgramPaths& paths_;
    HintPages pages_;
    QWebEngineProfile* profile_;
    QWebEngineView* view_;
    QPushButton* back_;
};

} // namespace wertan
