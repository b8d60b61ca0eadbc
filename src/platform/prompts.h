#pragma once
// Message boxes, confirmations, file and folder choosers, the input box and the colour and font
// choosers. Views ask through this interface so that tests can script the answers.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace wertan {

enum class Answer { Ok, Yes, No, Cancel };
enum class Buttons { YesNo, YesNoCancel };

struct FileDialogRequest {
    QString title;
    // Filters as the system writes them: "Description|*.a;*.b|Description|*.c".
    QString filter;
    QString defaultExtension; // without the dot
    QString directory;
    QString fileName;
    bool multiple = false;
};

struct FontChoice {
    QString family;
    int pixelHeight = 11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint32_t color = 0; // red in the low byte
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // A note or warning with an OK button.
    virtual void message(const QString& text) = 0;
    // The application's standard error box.
    virtual void error(const QString& text) = 0;
    virtual Answer confirm(const QString& text, Buttons buttons) = 0;
    // A confirmation whose box carries its own caption instead of the program's name.
    virtual Answer confirmWithCaption(const QString& caption, const QString& text, Buttons buttons) {
        (void)caption;
        return confirm(text, buttons);
    }
    // Empty when the user cancels.
    virtual QStringList openFiles(const FileDialogRequest& request) = 0;
    virtual QString saveFile(const FileDialogRequest& request) = 0;
    virtual QString chooseFolder(const QString& title, const QString& start) = 0;
    virtual std::optional<QString> inputText(const QString& title, const QString& prompt,
                                             const QString& initial) = 0;
    virtual std::optional<std::uint32_t> chooseColor(std::uint32_t initial) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
};

// Turns the system's filter text into Qt's name filters ("Description (*.a *.b)").
QStringList qtNameFilters(const QString& systemFilter);

} // namespace wertan
