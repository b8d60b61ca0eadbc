// Pictures of the options, go-to-line and find dialogs for docs/screenshots. Runs only when
// WERTAN_SCREENSHOT_DIR names the folder to write them to.
#include "main_window_harness.h"
#include "settings/ui/program_options_dialog.h"
#include "shell/ui/goto_line_dialog.h"
#include "shell/ui/search_dialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

using namespace wertan;
using namespace wertan::test;

namespace {

using Screenshots = MainWindowHarness;

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

} // namespace

TEST_F(Screenshots, DialogsForTheDocumentation) {
    const QString folder = qEnvironmentVariable("WERTAN_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "set WERTAN_SCREENSHOT_DIR to write the pictures";
    const QDir out(folder);

    run("MenuTools_Options");
    auto* options = window->findChild<ProgramOptionsDialog*>();
    ASSERT_NE(options, nullptr);
    // Every band opened, so the picture shows all fields.
    for (QToolButton* heading : options->findChildren<QToolButton*>())
        if (heading->isCheckable() && !heading->isChecked()) heading->click();
    options->saveConversionBox()->setChecked(true);
    settle();
    EXPECT_TRUE(options->grab().save(out.filePath(QStringLiteral("program_options_dialog.png"))));
    options->cancelButton()->click();

    ws().activeEditor()->setDocumentBytes(
        "<?php\r\n$imie = \"Wertan\";\r\nif ($imie) {\r\n    echo $imie;\r\n}\r\n"
        "phpinfo();\r\n?>");
    run("MenuEdit_GoToLine");
    auto* gotoLine = window->findChild<GotoLineDialog*>();
    gotoLine->numberBox()->setValue(4);
    settle();
    EXPECT_TRUE(gotoLine->grab().save(out.filePath(QStringLiteral("goto_line_dialog.png"))));
    gotoLine->reject();

    run("MenuEdit_Find");
    auto* find = window->findChild<SearchDialog*>(QStringLiteral("FindDialog"));
    find->findField()->setText(QStringLiteral("echo"));
    find->wholeWordsBox()->setChecked(true);
    settle();
    EXPECT_TRUE(find->grab().save(out.filePath(QStringLiteral("find_dialog.png"))));
}

// The editor options dialog over the main window on the whole screen; run on a 1366x768 screen
// (QT_QPA_PLATFORM=offscreen:configfile=... naming one) it shows the dialog fitting it.
TEST_F(Screenshots, EditorOptionsOverTheMainWindow) {
    const QString folder = qEnvironmentVariable("WERTAN_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "set WERTAN_SCREENSHOT_DIR to write the pictures";
    const QDir out(folder);
    QScreen* screen = window->screen();
    window->setGeometry(screen->availableGeometry());
    window->show();
    ws().activeEditor()->setDocumentBytes("<?php\r\n$imie = \"Wertan\";\r\necho $imie;\r\n?>");
    settle();
    bool saved = false;
    QTimer::singleShot(0, window.get(), [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) return;
        settle();
        // The screen as the user sees it: the main window, the dialog over it.
        QImage picture(screen->geometry().size(), QImage::Format_RGB32);
        picture.fill(Qt::darkGray);
        QPainter painter(&picture);
        painter.drawPixmap(window->geometry().topLeft(), window->grab());
        painter.drawPixmap(dialog->geometry().topLeft(), dialog->grab());
        painter.end();
        saved = picture.save(out.filePath(QStringLiteral("editor_options_1366x768.png")));
        dialog->close();
    });
    run("MenuTools_EditorOptions");
    EXPECT_TRUE(saved);
}
