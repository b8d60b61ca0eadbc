#pragma once
// Shared pieces of the editor tests: a shown, active window holding one editor, and waiting for the
// editor's deferred notifications (they arrive when it paints).
#include "editor/ui/code_editor.h"

#include <QApplication>
#include <QMainWindow>
#include <QtTest/QTest>
#include <memory>

namespace wertan::test {

// Runs the event loop until it is idle, so paints and the notifications they bring have happened.
inline void settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents();
    }
}

// A main window with one editor as its central widget, shown and active, the editor focused.
struct EditorWindow {
    std::unique_ptr<QMainWindow> window = std::make_unique<QMainWindow>();
    CodeEditor* editor = new CodeEditor;

    explicit EditorWindow(bool fixedSettings = true) {
        window->setCentralWidget(editor);
        if (fixedSettings) editor->applyFixedSettings();
        window->resize(640, 400);
        window->show();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowActive(window.get());
        editor->setFocus();
        settle();
    }
    void setText(const char* utf8) {
        editor->setText(QString::fromUtf8(utf8));
        settle();
    }
    QString text() const { return editor->text(); }
    // Caret to a 0-based line and index, selection cleared.
    void caretAt(int line, int index) {
        editor->setCursorPosition(line, index);
        settle();
    }
};

} // namespace wertan::test
