// The clipboard view: what the clipboard holds, following its changes, and a new document from it.
#include "main_window_harness.h"
#include "shell/ui/clipboard_window.h"

#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>

using namespace wertan;
using namespace wertan::test;

namespace {
class ClipboardView : public MainWindowHarness {
protected:
    ClipboardWindow* view() { return window->findChild<ClipboardWindow*>(); }
};
} // namespace

TEST_F(ClipboardView, ShowsTheClipboardAndFollowsItsChangesWhileOpen) {
    QApplication::clipboard()->setText(QStringLiteral("pierwszy tekst"));
    run("MenuEdit_ShowClipboard");
    ASSERT_NE(view(), nullptr);
    EXPECT_TRUE(view()->isVisible());
    EXPECT_TRUE(view()->isModal());
    EXPECT_EQ(view()->windowTitle(), QStringLiteral("Podgląd schowka"));
    EXPECT_EQ(view()->newDocumentButton()->text(),
              QStringLiteral("Utwórz nowy dokument z zawartości schowka"));
    EXPECT_EQ(view()->newDocumentButton()->toolTip(),
              QStringLiteral("Tworzy nowy dokument i wstawia do niego zawartość schowka."));
    EXPECT_EQ(view()->textView()->toPlainText(), QStringLiteral("pierwszy tekst"));
    QApplication::clipboard()->setText(QStringLiteral("drugi tekst"));
    EXPECT_EQ(view()->textView()->toPlainText(), QStringLiteral("drugi tekst"));
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QApplication::clipboard()->setImage(picture);
    EXPECT_EQ(view()->viewer()->currentIndex(), 1) << "a picture is shown as a picture";
    EXPECT_EQ(view()->pictureView()->pixmap().size(), QSize(8, 6));
    view()->findChild<QPushButton*>(QStringLiteral("BtnOK"))->click();
    EXPECT_FALSE(view()->isVisible());
    EXPECT_EQ(ws().count(), 1);
}

TEST_F(ClipboardView, TheTopButtonMakesANewDocumentOfTheClipboardText) {
    QApplication::clipboard()->setText(QStringLiteral("<?php echo 'schowek'; ?>"));
    run("MenuEdit_ShowClipboard");
    view()->newDocumentButton()->click();
    EXPECT_FALSE(view()->isVisible());
    ASSERT_EQ(ws().count(), 2);
    EXPECT_EQ(ws().activePage()->caption(), QStringLiteral("Beznazwy1"));
    EXPECT_EQ(activeText(), "<?php echo 'schowek'; ?>") << "the template is replaced by the clipboard text";
}
