#include "generators/value_grid.h"

#include <algorithm>

namespace wertan {

ValueGrid::ValueGrid(int columns) : columns_(std::max(1, columns)) {
    rows_.emplace_back(std::size_t(columns_));
}

const std::string& ValueGrid::cell(int column, int row) const {
    return rows_.at(std::size_t(row)).at(std::size_t(column));
}

void ValueGrid::setCell(int column, int row, std::string text) {
    rows_.at(std::size_t(row)).at(std::size_t(column)) = std::move(text);
}

std::vector<std::string> ValueGrid::column(int column) const {
    std::vector<std::string> cells;
    cells.reserve(rows_.size());
    for (const auto& row : rows_)
        cells.push_back(row.at(std::size_t(column)));
    return cells;
}

bool ValueGrid::addRow() {
    if (rowCount() >= kMaxRows) return false;
    rows_.emplace_back(std::size_t(columns_));
    return true;
}

void ValueGrid::removeRow() {
    for (std::string& text : rows_.back())
        text.clear();
    if (rows_.size() > 1) rows_.pop_back();
}

void ValueGrid::clearRows() {
    rows_.resize(1);
    for (std::string& text : rows_.front())
        text.clear();
}

void ValueGrid::moveRow(int from, int to) {
    const int last = rowCount() - 1;
    if (from < 0 || from > last || to < 0 || to > last || from == to) return;
    auto row = std::move(rows_[std::size_t(from)]);
    rows_.erase(rows_.begin() + from);
    rows_.insert(rows_.begin() + to, std::move(row));
}

} // namespace wertan
