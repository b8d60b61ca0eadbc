#pragma once
// Builds the real main window offscreen with scripted dialogs, launcher and keyboard, and a
// settings store in a temporary INI file.
#include "editor/ui/code_editor.h"
#include "editor/ui/editor_environment.h"
#include "platform/keyboard_toggles.h"
#include "platform/scripted/scripted_launcher.h"
#include "platform/scripted/scripted_prompts.h"
#include "platform/settings_store.h"
#include "shell/ui/document_page.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/main_window.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QApplication>
#include <QRegularExpression>
#include <QSettings>
#include <gtest/gtest.h>
#include <memory>

namespace wertan::test {

class MainWindowHarness : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>(dir.file(QStringLiteral("settings.ini")));
    ScriptedLauncher launcher;
    ScriptedKeyboardToggles keyboard;
    std::unique_ptr<TFormMainPHP> window;
    QString programDir = QString::fromUtf8(WERTAN_BUILD_PROGRAM_DIR);

    void SetUp() override { start({}); }

    void start(const QStringList& arguments) {
        window.reset();
        window = std::make_unique<TFormMainPHP>(
            ShellServices{prompts, *store, launcher, keyboard, ProgramPaths(programDir)});
        window->createOtherWindows(arguments);
    }

    DocumentWorkspace& ws() { return window->workspace(); }
    void run(const char* actionName) {
        QAction* a = window->action(QString::fromLatin1(actionName));
        ASSERT_NE(a, nullptr) << actionName;
        a->trigger();
    }
    QStringList captions() {
        QStringList result;
        for (int i = 0; i < ws().count(); ++i)
            result << ws().page(i)->caption();
        return result;
    }
    std::string text(int index) { return ws().page(index)->editor()->documentBytes(); }
    std::string activeText() { return ws().activeEditor()->documentBytes(); }
    // Types text at the caret as the user would (one undoable edit that marks the document changed).
    void type(const QString& s) {
        CodeEditor* e = ws().activeEditor();
        e->SendScintilla(QsciScintillaBase::SCI_REPLACESEL, static_cast<unsigned long>(0), s.toUtf8().constData());
    }
    QStringList questions() { return prompts.askedTexts(AskedPrompt::Kind::Confirm); }
    QString fileIn(const QString& name, const QByteArray& bytes) { return dir.write(name, bytes); }
};

} // namespace wertan::test
