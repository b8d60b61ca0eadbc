// The editor options dialog opened from the main window: it fits the screen and stays above the
// main window, with its colour chooser above it.
#include "editor/ui/editor_options_dialog.h"
#include "main_window_harness.h"
#include "platform/qt/qt_prompts.h"

#include <QColorDialog>
#include <QDialog>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <QtTest/QTest>

using namespace wertan;
using namespace wertan::test;

namespace {

// Scripted answers, except the colour chooser, which is the real one.
class RealColourChooser : public ScriptedPrompts {
public:
    QtPrompts dialogs;
    std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override {
        return dialogs.chooseColor(initial);
    }
};

class EditorOptionsWindow : public MainWindowHarness {
protected:
    RealColourChooser chooser;
    void SetUp() override {
        promptsInUse = &chooser;
        start({});
        chooser.dialogs.setParent(window.get());
        window->show();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowActive(window.get());
    }
    void TearDown() override { window.reset(); }
};

} // namespace

TEST_F(EditorOptionsWindow, FitsTheScreenAndStaysAboveTheMainWindowWithItsChooser) {
    const QRect screen = window->screen()->availableGeometry();
    EditorOptionsDialog* seen = nullptr;
    QRect frame;
    QList<QRect> buttons;
    QWindow* ownerOfDialog = nullptr;
    QWidget* parentOfChooser = nullptr;
    QWindow* ownerOfChooser = nullptr;
    bool chooserShown = false;
    QTimer::singleShot(0, window.get(), [&] {
        seen = qobject_cast<EditorOptionsDialog*>(QApplication::activeModalWidget());
        if (!seen) return;
        frame = seen->frameGeometry();
        for (const char* name : {"BtnOK", "BtnCancel"}) {
            auto* button = seen->findChild<QPushButton*>(QString::fromLatin1(name));
            buttons << QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
        }
        ownerOfDialog = seen->windowHandle() ? seen->windowHandle()->transientParent() : nullptr;
        // The background colour of the "Wyświetlaj" band, clicked as the user does.
        QTest::mouseClick(seen->band(1)->findChild<QToolButton*>(), Qt::LeftButton);
        QTimer::singleShot(0, seen, [&] {
            auto* colours = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (!colours) return;
            chooserShown = true;
            parentOfChooser = colours->parentWidget();
            ownerOfChooser = colours->windowHandle() ? colours->windowHandle()->transientParent() : nullptr;
            colours->reject();
        });
        QTest::mouseClick(seen->findChild<ColourSwatch*>(QStringLiteral("SwatchBackground")), Qt::LeftButton);
        QTest::mouseClick(seen->findChild<QPushButton*>(QStringLiteral("BtnCancel")), Qt::LeftButton);
    });
    run("MenuTools_EditorOptions");
    ASSERT_NE(seen, nullptr) << "the dialog did not open modally";
    EXPECT_TRUE(screen.contains(frame))
        << "the dialog (" << frame.width() << "x" << frame.height() << ") does not fit the free screen ("
        << screen.width() << "x" << screen.height() << ")";
    for (const QRect& button : buttons)
        EXPECT_TRUE(screen.contains(button)) << "a button lies off the screen";
    EXPECT_EQ(ownerOfDialog, window->windowHandle()) << "the dialog is not kept above the main window";
    ASSERT_TRUE(chooserShown);
    EXPECT_EQ(parentOfChooser, seen) << "the chooser belongs to the main window, not to the dialog";
    EXPECT_EQ(ownerOfChooser, seen->windowHandle());
    EXPECT_FALSE(seen->isVisible());
}

TEST_F(EditorOptionsWindow, EveryDialogOfTheProgramFitsA1366x768Screen) {
    // The free area of such a screen under a panel, and a title bar's height for the frame.
    const QSize screen(1366, 768 - 40 - 32);
    const QList<QDialog*> dialogs = window->findChildren<QDialog*>();
    ASSERT_FALSE(dialogs.isEmpty());
    for (QDialog* dialog : dialogs) {
        const QSize least = dialog->minimumSizeHint().expandedTo(dialog->minimumSize());
        EXPECT_LE(least.width(), screen.width()) << dialog->objectName().toStdString();
        EXPECT_LE(least.height(), screen.height()) << dialog->objectName().toStdString();
    }
    // The editor options dialog is made on first use; it is placed to fit whatever the screen.
    EditorOptionsDialog* options = window->editorEnvironment().optionsDialog();
    const QSize least = options->minimumSizeHint().expandedTo(options->minimumSize());
    EXPECT_LE(least.height(), screen.height());
}
