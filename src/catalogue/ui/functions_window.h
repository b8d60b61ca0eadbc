#pragma once
// The "Funkcje" window: the PHP functions of one catalogue as a tree of groups, the four toggles
// that decide the form of an entry, the "PHP3", "PHP4" and "Ośwież" buttons. Activating an entry
// inserts it into the active document; every load also fills the PHP completion list.
#include "catalogue/function_catalogue.h"
#include "catalogue/ui/dockable_tool_window.h"

#include <QStringList>
#include <functional>

class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace wertan {

class Prompts;
class ProgramPaths;

class FunctionsWindow : public DockableToolWindow {
    Q_OBJECT
public:
    FunctionsWindow(const ProgramPaths& paths, Prompts& prompts, QStringList& completionEntries,
                    std::function<void(const QString&)> insertText, QWidget* dockingArea, QWidget* owner);

    // Reads the version's catalogue into the tree and the completion list. A file that cannot be
    // read is reported; the tree and the list then keep what they held.
    bool loadCatalogue(PhpVersion version);
    PhpVersion version() const { return version_; }
    InsertionOptions options() const;
    // Inserts an entry as the tree shows it (with the spaces and line break of the options).
    void insertEntry(const QString& shown);

    QTreeWidget* tree() const { return tree_; }
    QToolButton* parametersToggle() const { return parameters_; }
    QToolButton* openBracketToggle() const { return open_; }
    QToolButton* closeBracketToggle() const { return close_; }
    QToolButton* semicolonToggle() const { return semicolon_; }
    QPushButton* php3Button() const { return php3_; }
    QPushButton* php4Button() const { return php4_; }
    QPushButton* refreshButton() const { return refresh_; }

protected:
    void aboutToShow() override;

private:
    QToolButton* makeToggle(const QString& caption, const QString& colour, const QString& hint);
    void toggled(QToolButton* toggle);
    void activated(QTreeWidgetItem* item);

    const ProgramPaths& paths_;
    Prompts& prompts_;
    QStringList& completion_;
    std::function<void(const QString&)> insertText_;
    PhpVersion version_ = PhpVersion::Php3;
    InsertionOptions options_;
    QToolButton* parameters_;
    QToolButton* open_;
    QToolButton* close_;
    QToolButton* semicolon_;
    QPushButton* php3_;
    QPushButton* php4_;
    QPushButton* refresh_;
    QTreeWidget* tree_;
};

} // namespace wertan
