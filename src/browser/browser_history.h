#pragma once
// The history a browser frame keeps of its own, beside the web view's: the addresses visited
// (oldest first, each once) with the current one, which drives Back and Next, and the address
// box's drop-down list of the addresses the program asked for (most recent first, each once).
#include <QString>
#include <QStringList>

namespace wertan {

class BrowserHistory {
public:
    // Empty, before the first navigation.
    void clear();

    // The program asks to load an address: history, then the drop-down list when a navigation of
    // the program is pending; a navigation of the program is then pending.
    void navigateTo(const QString& address);
    // The web view is about to load an address (any navigation, also a link or a frame): history,
    // then the drop-down list when a navigation of the program is pending (which ends it).
    void beforeNavigate(const QString& address);

    bool canGoBack() const { return !history_.isEmpty() && index_ > 0; }
    bool canGoNext() const { return !history_.isEmpty() && index_ < history_.size() - 1; }
    // The entries Back and Next show in the address box; empty when they are not available.
    QString backAddress() const { return canGoBack() ? history_[index_ - 1] : QString(); }
    QString nextAddress() const { return canGoNext() ? history_[index_ + 1] : QString(); }

    const QStringList& history() const { return history_; }
    int historyIndex() const { return index_; }
    bool recordNext() const { return recordNext_; }
    const QStringList& dropDown() const { return dropDown_; }

private:
    // An address already visited becomes current; a new one drops the entries after the current
    // one and is appended.
    void addToHistory(const QString& address);
    void addToDropDown(const QString& address);

    QStringList history_;
    int index_ = -1;
    bool recordNext_ = false;
    QStringList dropDown_;
};

} // namespace wertan
