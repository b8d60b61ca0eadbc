#pragma once
// "Mini Przeglądarka": a second, smaller browser with its own history and a menu of links into the
// program's help, the PHP manual and the HTML, XHTML and CSS references. It floats as a tool
// window or sits in the main window's docking area; closing it hides it.
#include "platform/program_paths.h"

#include <QWidget>
#include <functional>

class QMenu;

namespace wertan {

class BrowserFrame;

// The address of a page under the program directory (a relative path written with backslashes).
QString programPageAddress(const ProgramPaths& paths, const QString& relativePage);

class MiniBrowserWindow : public QWidget {
    Q_OBJECT
public:
    explicit MiniBrowserWindow(ProgramPaths paths, QWidget* parent = nullptr);

    BrowserFrame* frame() const { return frame_; }
    // The "Pomoc" button's menu of links.
    QMenu* linkMenu() const { return links_; }
    // Loads a page under the program directory.
    void showProgramPage(const QString& relativePage);

signals:
    // The user closed the window (it is hidden, not destroyed).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLinkMenu();

    ProgramPaths paths_;
    BrowserFrame* frame_;
    QMenu* links_;
};

} // namespace wertan
