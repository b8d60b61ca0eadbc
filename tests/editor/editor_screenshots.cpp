// Writes the two pictures of docs/screenshots: the editor options dialog, and a PHP page with the
// completion list open. Run offscreen: editor_screenshots OUTPUT_DIR
#include "editor/ui/code_editor.h"
#include "editor/ui/completion_list.h"
#include "editor/ui/editor_environment.h"
#include "editor/ui/editor_options_dialog.h"
#include "platform/scripted/scripted_prompts.h"
#include "platform/settings_store.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListView>
#include <QListWidget>
#include <QMainWindow>
#include <QPainter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <cstdio>

using namespace wertan;

namespace {
void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: editor_screenshots OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir storeDir;
    SettingsStore store(storeDir.filePath(QStringLiteral("store.ini")));
    ScriptedPrompts prompts;
    EditorEnvironment environment(store, prompts);
    environment.phpCompletionWords() = {"str_pad",    "str_repeat", "str_replace", "strcasecmp", "strchr",
                                        "strcmp",     "strlen",     "strpos",      "strrev",     "strstr",
                                        "strtolower", "strtoupper", "substr",      "trim"};

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Wertan PHP"));
    auto* editor = new CodeEditor;
    window.setCentralWidget(editor);
    window.statusBar()->showMessage(QStringLiteral("Lin 3    Kol 13"));
    window.resize(640, 300);
    environment.setupEditor(editor);
    environment.initialise(editor);
    environment.options().gutter.showLineNumbers = true;
    environment.applyEditorOptions(editor, ColouringKind::Php);
    environment.attachCompletionLists(editor);
    editor->setText(QStringLiteral("<?php \n$imie = \"Wertan\";\n$n = strl\n?>"));
    window.show();
    QApplication::setActiveWindow(&window);
    (void)QTest::qWaitForWindowActive(&window);
    editor->setFocus();
    editor->setCursorPosition(2, 9);
    settle();
    QTest::keyClick(editor, Qt::Key_Space, Qt::ControlModifier);
    settle();
    CompletionList& list = environment.phpCompletion();
    if (!list.isOpen()) {
        std::fprintf(stderr, "the completion list did not open\n");
        return 1;
    }
    QImage page = window.grab().toImage();
    {
        QPainter painter(&page);
        const QPoint at = window.mapFromGlobal(list.window()->pos());
        painter.drawPixmap(at, list.window()->grab());
    }
    const QString pagePath = out.filePath(QStringLiteral("editor_page_completion.png"));
    if (!page.save(pagePath)) return 1;
    QTest::keyClick(list.window(), Qt::Key_Escape);

    EditorOptionsDialog* dialog = environment.optionsDialog();
    dialog->prepareToShow();
    dialog->show();
    settle();
    auto* language = dialog->findChild<QComboBox*>(QStringLiteral("ComboLanguage"));
    language->setCurrentIndex(language->findText(QStringLiteral("PHP")));
    auto* attributes = dialog->findChild<QListWidget*>(QStringLiteral("ListAttributes"));
    attributes->setCurrentRow(4);
    settle();
    const QString dialogPath = out.filePath(QStringLiteral("editor_options_dialog.png"));
    if (!dialog->grab().save(dialogPath)) return 1;
    std::printf("%s\n%s\n", qPrintable(pagePath), qPrintable(dialogPath));
    return 0;
}
