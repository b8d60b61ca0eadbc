#include "browser/browser_history.h"

namespace wertan {

void BrowserHistory::clear() {
    history_.clear();
    index_ = -1;
    recordNext_ = false;
}

void BrowserHistory::navigateTo(const QString& address) {
    addToHistory(address);
    if (recordNext_) {
        recordNext_ = false;
        addToDropDown(address);
    }
    recordNext_ = true;
}

void BrowserHistory::beforeNavigate(const QString& address) {
    addToHistory(address);
    if (recordNext_) {
        recordNext_ = false;
        addToDropDown(address);
    }
}

void BrowserHistory::addToHistory(const QString& address) {
    const qsizetype found = history_.indexOf(address);
    if (found >= 0) {
        index_ = int(found);
        return;
    }
    if (index_ >= 0 && index_ < history_.size() - 1)
        history_.erase(history_.begin() + index_ + 1, history_.end());
    history_.append(address);
    index_ = int(history_.size() - 1);
}

void BrowserHistory::addToDropDown(const QString& address) {
    dropDown_.removeAll(address);
    dropDown_.prepend(address);
}

} // namespace wertan
