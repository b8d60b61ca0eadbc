// The start of the program: no message of it opens underneath the welcome window.
#include "main_window_harness.h"
#include "shell/ui/welcome_window.h"

#include <QFile>
#include <QFileInfo>
#include <functional>
#include <unistd.h>
#include <vector>

using namespace wertan;
using namespace wertan::test;

namespace {

// Passes every question on and notes whether the welcome window was on screen when it came.
class WatchedPrompts : public Prompts {
public:
    WatchedPrompts(Prompts& inner, QWidget* welcome) : inner_(inner), welcome_(welcome) {}
    std::vector<bool> welcomeShownAtQuestion;

    void message(const QString& text) override {
        note();
        inner_.message(text);
    }
    void error(const QString& text) override {
        note();
        inner_.error(text);
    }
    Answer confirm(const QString& text, Buttons buttons) override {
        note();
        return inner_.confirm(text, buttons);
    }
    QStringList openFiles(const FileDialogRequest& request) override {
        note();
        return inner_.openFiles(request);
    }
    QString saveFile(const FileDialogRequest& request) override {
        note();
        return inner_.saveFile(request);
    }
    QString chooseFolder(const QString& title, const QString& start) override {
        note();
        return inner_.chooseFolder(title, start);
    }
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& initial) override {
        note();
        return inner_.inputText(title, prompt, initial);
    }
    std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override {
        note();
        return inner_.chooseColor(initial);
    }
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override {
        note();
        return inner_.chooseFont(initial);
    }

private:
    void note() { welcomeShownAtQuestion.push_back(welcome_->isVisible()); }
    Prompts& inner_;
    QWidget* welcome_;
};

class StartUp : public MainWindowHarness {
protected:
    // A regular file that cannot be read: a locked file for a normal user; for root, who reads
    // every file, a write-only kernel file when the machine has one.
    QString unreadableFile() {
        if (::geteuid() != 0) {
            const QString path = fileIn(QStringLiteral("zamkniety.php"), "x");
            QFile::setPermissions(path, QFileDevice::WriteOwner);
            return path;
        }
        for (const char* candidate :
             {"/sys/bus/pci/rescan", "/sys/kernel/mm/ksm/run_unused", "/sys/power/wakeup_count_unused"}) {
            const QString path = QString::fromLatin1(candidate);
            QFile file(path);
            if (QFileInfo(path).isFile() && !file.open(QIODevice::ReadOnly)) return path;
        }
        return {};
    }
};

} // namespace

TEST_F(StartUp, NoMessageOfTheStartUpOpensUnderTheWelcomeWindow) {
    const QString unreadable = unreadableFile();
    const struct {
        const char* what;
        std::function<QStringList()> prepare; // returns the command-line arguments
        AskedPrompt::Kind kind;
    } rows[] = {
        {"first start: the options file is missing",
         [&] {
             QFile::remove(programDir + QStringLiteral("/config/prog.dat2"));
             return QStringList{};
         },
         AskedPrompt::Kind::Message},
        {"a file argument that cannot be read", [&] { return QStringList{unreadable}; },
         AskedPrompt::Kind::Error},
        {"a tag file is missing",
         [&] {
             QFile::remove(programDir + QStringLiteral("/data/styltags.dat"));
             return QStringList{};
         },
         AskedPrompt::Kind::Error},
    };
    for (const auto& row : rows) {
        if (unreadable.isEmpty() && row.kind == AskedPrompt::Kind::Error &&
            std::string_view(row.what).find("argument") != std::string_view::npos) {
            std::fprintf(stderr, "note: no unreadable file on this machine; \"%s\" not tried\n", row.what);
            continue;
        }
        window.reset();
        prompts.clear();
        const QStringList arguments = row.prepare();
        WelcomeWindow welcome;
        welcome.show();
        WatchedPrompts watched(prompts, &welcome);
        WelcomeAwarePrompts guarded(watched);
        guarded.setWelcomeWindow(&welcome);
        promptsInUse = &guarded;
        start(arguments);
        EXPECT_FALSE(prompts.askedTexts(row.kind).isEmpty()) << row.what;
        ASSERT_FALSE(watched.welcomeShownAtQuestion.empty()) << row.what;
        for (bool shown : watched.welcomeShownAtQuestion)
            EXPECT_FALSE(shown) << row.what << ": a message opened under the welcome window";
        EXPECT_FALSE(welcome.isVisible()) << row.what;
        window.reset(); // before the prompts it asks through go
        promptsInUse = nullptr;
    }
}
