#include "classlib/class_manager.h"

#include <algorithm>

namespace wertan {

ClassManagerModel::ClassManagerModel(std::vector<ClassTab>& catalogue) : tabs_(catalogue) {
    reload();
}

void ClassManagerModel::show(int index) {
    edited_ = tabs_.empty() ? -1 : std::clamp(index, 0, static_cast<int>(tabs_.size()) - 1);
    grid_ = edited_ < 0 ? std::vector<CatalogueClass>() : tabs_[edited_].classes;
}

void ClassManagerModel::reload() {
    show(edited_ < 0 ? 0 : edited_);
}

void ClassManagerModel::takeGrid() {
    if (edited_ >= 0 && edited_ < static_cast<int>(tabs_.size())) tabs_[edited_].classes = grid_;
}

void ClassManagerModel::chooseTab(int index) {
    if (index < 0 || index >= static_cast<int>(tabs_.size())) return;
    takeGrid();
    show(index);
}

bool ClassManagerModel::addClass() {
    if (edited_ < 0 || static_cast<int>(grid_.size()) >= kMaxClassesPerTab) return false;
    grid_.push_back(CatalogueClass{});
    return true;
}

bool ClassManagerModel::removeClass(int row) {
    if (row < 0 || row >= static_cast<int>(grid_.size())) return false;
    grid_.erase(grid_.begin() + row);
    return true;
}

bool ClassManagerModel::moveClass(int from, int to) {
    const int count = static_cast<int>(grid_.size());
    if (from < 0 || from >= count || to < 0 || to >= count) return false;
    CatalogueClass moved = std::move(grid_[from]);
    grid_.erase(grid_.begin() + from);
    grid_.insert(grid_.begin() + to, std::move(moved));
    return true;
}

bool ClassManagerModel::addTab(const std::string& name) {
    if (static_cast<int>(tabs_.size()) >= kMaxClassTabs) return false;
    takeGrid();
    tabs_.push_back(ClassTab{name, {CatalogueClass{}}});
    show(static_cast<int>(tabs_.size()) - 1);
    return true;
}

bool ClassManagerModel::removeTab(int index) {
    if (tabs_.size() <= 1 || index < 0 || index >= static_cast<int>(tabs_.size())) return false;
    // The grid's edits of another tab are kept; those of the removed tab go with it.
    if (index != edited_) takeGrid();
    tabs_.erase(tabs_.begin() + index);
    show(index == edited_ ? index : index < edited_ ? edited_ - 1 : edited_);
    return true;
}

std::string ClassManagerModel::confirmedCatalogue(std::string_view ownPath) {
    takeGrid();
    return writeCatalogue(tabs_, ownPath);
}

} // namespace wertan
