#pragma once
// Builds the real main window offscreen with scripted dialogs, launcher and keyboard, and a
// settings store in a temporary INI file.
#include "editor/ui/code_editor.h"
#include "editor/ui/editor_environment.h"
#include "ftp/ftp_options.h"
#include "platform/keyboard_toggles.h"
#include "platform/scripted/scripted_launcher.h"
#include "platform/scripted/scripted_prompts.h"
#include "platform/settings_store.h"
#include "servers/server_settings.h"
#include "settings/program_options.h"
#include "shell/ui/document_page.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/main_window.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <gtest/gtest.h>
#include <memory>

namespace wertan::test {

class MainWindowHarness : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<SettingsStore> store =
        std::make_unique<SettingsStore>(dir.file(QStringLiteral("settings.ini")));
    ScriptedLauncher launcher;
    ScriptedKeyboardToggles keyboard;
    std::unique_ptr<MainWindow> window;
    // A private copy of the staged program tree, so that what a test writes under config stays its
    // own; the option files are there as the build delivers them.
    QString programDir = privateProgramTree();

    // What the window asks through instead of `prompts` (a wrapper around them), when set before start().
    Prompts* promptsInUse = nullptr;

    void SetUp() override { start({}); }

    void start(const QStringList& arguments) {
        window.reset();
        window = std::make_unique<MainWindow>(ShellServices{promptsInUse ? *promptsInUse : prompts, *store,
                                                            launcher, keyboard, ProgramPaths(programDir)});
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
        e->SendScintilla(QsciScintillaBase::SCI_REPLACESEL, static_cast<unsigned long>(0),
                         s.toUtf8().constData());
    }
    QStringList questions() { return prompts.askedTexts(AskedPrompt::Kind::Confirm); }
    QString fileIn(const QString& name, const QByteArray& bytes) { return dir.write(name, bytes); }

    QString privateProgramTree() {
        const QDir staged(QString::fromUtf8(WERTAN_BUILD_PROGRAM_DIR));
        const QString target = dir.file(QStringLiteral("program"));
        QDir().mkpath(target + QStringLiteral("/config"));
        QDirIterator it(staged.path(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo entry = it.nextFileInfo();
            const QString relative = staged.relativeFilePath(entry.filePath());
            if (relative == QStringLiteral("wertanphp") || relative == QStringLiteral("pomoc") ||
                relative.startsWith(QStringLiteral("pomoc/")))
                continue; // not the executable; the read-only help tree is linked below
            if (entry.isDir())
                QDir().mkpath(target + QLatin1Char('/') + relative);
            else
                QFile::copy(entry.filePath(), target + QLatin1Char('/') + relative);
        }
        if (staged.exists(QStringLiteral("pomoc")))
            QFile::link(staged.filePath(QStringLiteral("pomoc")), target + QStringLiteral("/pomoc"));
        // The delivered built-in web server starts with the program; a test starts it only when it
        // means to, so that tests running side by side do not compete for its port.
        HttpServerSettings http = deliveredHttpServerSettings();
        http.phpAutostart = false;
        writeHttpServerFile(target + QStringLiteral("/config/httpserv/path.dat"), http, nullptr);
        return target;
    }
};

} // namespace wertan::test
