#pragma once
// The reopen list's views: the submenu "Otwórz ponownie" with the ten newest saved documents, and
// the dialog "Otwórz ponownie" with the whole list in a grid. Both are rebuilt from
// config\reloaddoc.dat2, the list's only state.
#include <QDialog>
#include <QList>
#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QTableWidget;

namespace wertan {

class Prompts;

class ReopenListDialog : public QDialog {
    Q_OBJECT
public:
    // `menu` holds the fixed separator and "Więcej..."; document items go above them. `openDocument`
    // opens a path as a document (a missing file opens nothing).
    ReopenListDialog(Prompts& prompts, QString listPath, QMenu* menu,
                     std::function<void(const QString&)> openDocument, QWidget* parent = nullptr);

    // Records a document saved over its own file, then rebuilds the submenu and the grid. A failure
    // is reported; the caller's save goes on.
    void addRecentDocument(const QString& documentPath);
    // Rebuilds the submenu and the grid from the file.
    void refresh();
    // "Więcej...": the dialog shown modally.
    void open() override;

    // "&Otwórz": the path of the row last selected, then the dialog closes.
    void openSelected();
    // "&Wyczyść": the list emptied.
    void clearList();

    QTableWidget* grid() const { return grid_; }
    QPushButton* openButton() const { return open_; }
    QPushButton* clearButton() const { return clear_; }
    QPushButton* okButton() const { return ok_; }
    QList<QAction*> menuItems() const { return items_; }

private:
    QString selectedPath() const;

    Prompts& prompts_;
    QString listPath_;
    QMenu* menu_;
    std::function<void(const QString&)> openDocument_;
    QList<QAction*> items_;
    QTableWidget* grid_;
    QPushButton* ok_;
    QPushButton* open_;
    QPushButton* clear_;
    int lastSelectedRow_ = -1; // -1: the heading row, which names no file
};

} // namespace wertan
