#pragma once
// The welcome window shown while the program starts: borderless, on top, centred, 529 by 339.
#include "platform/prompts.h"

#include <QFrame>
#include <QPointer>

namespace wertan {

class WelcomeWindow : public QFrame {
    Q_OBJECT
public:
    explicit WelcomeWindow(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Prompts that close the welcome window before any box or chooser appears: the window stays above
// every other, so a message box of the start-up (a missing options file, a file that cannot be
// read) would open underneath it and the program would seem to hang.
class WelcomeAwarePrompts : public Prompts {
public:
    explicit WelcomeAwarePrompts(Prompts& inner) : inner_(inner) {}
    void setWelcomeWindow(QWidget* welcome) { welcome_ = welcome; }

    void message(const QString& text) override;
    void error(const QString& text) override;
    Answer confirm(const QString& text, Buttons buttons) override;
    QStringList openFiles(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;
    QString chooseFolder(const QString& title, const QString& start) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& initial) override;
    std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;

private:
    void closeWelcome();

    Prompts& inner_;
    QPointer<QWidget> welcome_;
};

} // namespace wertan
