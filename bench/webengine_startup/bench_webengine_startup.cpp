// One start of the program's windows, measured: bench_webengine_startup eager|lazy PROGRAM_DIR
//   eager: the "Przeglądaj" page's web view is made at start-up and loads the help's main page, as a
//          browser made with the main window would;
//   lazy:  the view waits until the page is first shown (the program's behaviour).
// Prints one line: mode, milliseconds from the process start to the window ready (for eager: the
// page loaded), milliseconds spent in main, and the proportional memory (PSS) of the process and all
// its descendants (Qt WebEngine's helper processes) in KiB, a second after it is ready.
#include "browser/ui/browser_frame.h"
#include "platform/program_paths.h"
#include "platform/qt/qt_keyboard_toggles.h"
#include "platform/qt/qt_launcher.h"
#include "platform/scripted/scripted_prompts.h"
#include "platform/settings_store.h"
#include "shell/ui/main_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>
#include <unistd.h>

namespace {

// Milliseconds since boot of this process's start, and of now.
double processStartMs() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    stat.open(QIODevice::ReadOnly);
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return fields.value(19).toDouble() * 1000.0 / double(sysconf(_SC_CLK_TCK)); // field 22: starttime
}
double uptimeMs() {
    QFile up(QStringLiteral("/proc/uptime"));
    up.open(QIODevice::ReadOnly);
    return up.readAll().split(' ').value(0).toDouble() * 1000.0;
}

long pssKiB(int pid) {
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : rollup.readAll().split('\n'))
        if (line.startsWith("Pss:")) return line.mid(4).trimmed().split(' ').value(0).toLong();
    return 0;
}

int parentOf(int pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray text = stat.readAll();
    return text.mid(text.lastIndexOf(')') + 2).split(' ').value(1).toInt();
}

// The memory of this process and every process below it; the number of processes.
std::pair<long, int> treeMemory() {
    QList<int> tree{int(getpid())};
    bool grown = true;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    while (grown) {
        grown = false;
        for (const QString& e : entries) {
            bool ok = false;
            const int pid = e.toInt(&ok);
            if (!ok || tree.contains(pid)) continue;
            if (tree.contains(parentOf(pid))) {
                tree << pid;
                grown = true;
            }
        }
    }
    long total = 0;
    for (int pid : tree)
        total += pssKiB(pid);
    return {total, int(tree.size())};
}

void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.fileName() == QStringLiteral("pomoc"))
            QFile::link(entry.absoluteFilePath(), target); // read only: linked
        else if (entry.isDir())
            copyTree(entry.absoluteFilePath(), target);
        else if (entry.fileName() != QStringLiteral("wertanphp"))
            QFile::copy(entry.absoluteFilePath(), target);
    }
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer inMain;
    inMain.start();
    const double mainAt = uptimeMs();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 3 || (args[1] != QLatin1String("eager") && args[1] != QLatin1String("lazy"))) {
        std::fprintf(stderr, "usage: bench_webengine_startup eager|lazy PROGRAM_DIR\n");
        return 2;
    }
    const bool eager = args[1] == QLatin1String("eager");
    // A private copy of the program tree; the built-in server does not start (only the browser counts).
    QTemporaryDir temp;
    const QString program = temp.filePath(QStringLiteral("program"));
    copyTree(args[2], program);
    QFile http(program + QStringLiteral("/config/httpserv/path.dat"));
    if (http.open(QIODevice::ReadWrite)) {
        QByteArray text = http.readAll();
        text.replace("True", "False");
        http.resize(0);
        http.write(text);
        http.close();
    }

    wertan::ScriptedPrompts prompts; // no message box waits for an answer
    wertan::SettingsStore store(temp.filePath(QStringLiteral("settings.ini")));
    wertan::QtLauncher launcher;
    wertan::QtKeyboardToggles keyboard;
    wertan::MainWindow window(
        wertan::ShellServices{prompts, store, launcher, keyboard, wertan::ProgramPaths(program)});
    window.show();
    window.createOtherWindows({});
    auto* frame = window.findChild<wertan::BrowserFrame*>(QStringLiteral("FrameBroswer"));
    if (eager && frame) {
        QEventLoop loaded;
        QObject::connect(frame, &wertan::BrowserFrame::loadFinished, &loaded, &QEventLoop::quit);
        QTimer::singleShot(60000, &loaded, &QEventLoop::quit);
        frame->view(); // made now, loading the page the start-up asked for
        loaded.exec();
    }
    QEventLoop settle;
    QTimer::singleShot(0, &settle, &QEventLoop::quit);
    settle.exec();
    const double readyMs = uptimeMs() - processStartMs();
    const qint64 mainMs = inMain.elapsed();
    QTimer::singleShot(1000, &settle, &QEventLoop::quit);
    settle.exec();
    const auto [pss, processes] = treeMemory();
    std::printf("%s ready_ms=%.0f main_ms=%lld before_main_ms=%.0f pss_kib=%ld processes=%d\n",
                eager ? "eager" : "lazy", readyMs, static_cast<long long>(mainMs), mainAt - processStartMs(),
                pss, processes);
    return 0;
}
