#pragma once
// The value grid of the selection list, check box and radio dialogs: value rows under a header
// that is not part of the model, at least one row and at most 200.
#include <string>
#include <vector>

namespace wertan {

class ValueGrid {
public:
    static constexpr int kMaxRows = 200;

    // One empty row of the given number of columns.
    explicit ValueGrid(int columns);

    int columnCount() const { return columns_; }
    int rowCount() const { return int(rows_.size()); }
    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string text);
    // The cells of one column, top to bottom.
    std::vector<std::string> column(int column) const;

    // "Dodaj rząd": appends an empty row; false (nothing added) when the grid is full.
    bool addRow();
    // "Usuń rząd": empties the last row, then removes it unless it is the only one.
    void removeRow();
    // "Wyczyść rzędy": removes rows from the end until one is left, and empties it.
    void clearRows();
    // A row dragged to another position; the rows between shift by one.
    void moveRow(int from, int to);

private:
    int columns_;
    std::vector<std::vector<std::string>> rows_;
};

} // namespace wertan
