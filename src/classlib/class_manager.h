#pragma once
// The class manager's model: the catalogue's tabs, the tab being edited and the rows of its grid.
// The grid is an editing copy of the edited tab's classes; it is taken into the tab when another
// tab is chosen, when a tab is added and when the catalogue is confirmed.
#include "classlib/class_catalogue.h"

#include <string>
#include <vector>

namespace wertan {

class ClassManagerModel {
public:
    // The model edits `catalogue` in place (the catalogue the class pages are built from).
    explicit ClassManagerModel(std::vector<ClassTab>& catalogue);

    const std::vector<ClassTab>& tabs() const { return tabs_; }
    // -1 when the catalogue holds no tab.
    int editedTab() const { return edited_; }
    std::vector<CatalogueClass>& grid() { return grid_; }
    const std::vector<CatalogueClass>& grid() const { return grid_; }

    // Shows the edited tab again as it is in memory (the first one when the edited tab is gone);
    // grid edits not taken are dropped. Run each time the manager is shown.
    void reload();
    // Copies the grid into the edited tab.
    void takeGrid();
    // Takes the grid, then edits the chosen tab.
    void chooseTab(int index);
    // Adds an empty row at the end; false when the tab already holds the most classes a tab may.
    bool addClass();
    // Removes a row; false when there is no such row.
    bool removeClass(int row);
    // Moves a row to a new place (the rows between shift by one).
    bool moveClass(int from, int to);
    // Takes the grid, appends a tab holding one empty class and edits it; false at the tab limit.
    bool addTab(const std::string& name);
    // Removes a tab with its classes; the grid then shows the tab that took its place (or the new
    // last one). False when it is the only tab or there is no such tab.
    bool removeTab(int index);
    // Takes the grid (when a tab exists) and returns the catalogue file's bytes.
    std::string confirmedCatalogue(std::string_view ownPath);

private:
    void show(int index);

    std::vector<ClassTab>& tabs_;
    int edited_ = -1;
    std::vector<CatalogueClass> grid_;
};

} // namespace wertan
