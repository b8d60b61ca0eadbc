#pragma once
// A value grid edited in place: a header row ("Wartość", or "Wartość" and "Napis"), rows that can
// be dragged to another position, and the buttons "Dodaj rząd", "Usuń rząd" and "Wyczyść rzędy".
#include "generators/value_grid.h"

#include <QWidget>

class QPushButton;
class QTableWidget;

namespace wertan {

class ValueGridEditor : public QWidget {
    Q_OBJECT
public:
    ValueGridEditor(const QStringList& headers, const QString& objectName, QWidget* parent = nullptr);

    const ValueGrid& grid() const { return grid_; }
    QTableWidget* table() const { return table_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* clearButton() const { return clear_; }

    // The cells of a column as Windows-1250 texts, top to bottom.
    std::vector<std::string> column(int column) const;

signals:
    // The grid lost the input focus, or a row was added or removed.
    void rowsEdited();
    // "Wyczyść rzędy" emptied the grid.
    void rowsCleared();

private:
    void refill();
    void onFocusChanged(QWidget* old, QWidget* now);

    ValueGrid grid_;
    QTableWidget* table_;
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* clear_;
    bool refilling_ = false;
};

} // namespace wertan
