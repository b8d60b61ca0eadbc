#pragma once
// Prompts for tests: answers are queued in advance and every question is recorded in order.
// A question with no queued answer is recorded as unexpected and answered with Cancel or nothing,
// so a test never blocks on a dialog.
#include "platform/prompts.h"

#include <deque>
#include <variant>
#include <vector>

namespace wertan {

struct AskedPrompt {
    enum class Kind { Message, Error, Confirm, OpenFiles, SaveFile, ChooseFolder, InputText, ChooseColor, ChooseFont };
    Kind kind;
    QString text; // the message, question, dialog title or filter
    FileDialogRequest fileRequest;
    Buttons buttons = Buttons::YesNo;
};

class ScriptedPrompts : public Prompts {
public:
    using Reply = std::variant<Answer, QStringList, QString, std::uint32_t, FontChoice, std::monostate>;

    // Answers consumed in order by the questions that take them.
    void queueAnswer(Answer answer) { replies_.push_back(answer); }
    void queueFiles(const QStringList& files) { replies_.push_back(files); }
    void queueText(const QString& text) { replies_.push_back(text); }
    void queueColor(std::uint32_t color) { replies_.push_back(color); }
    void queueFont(const FontChoice& font) { replies_.push_back(font); }
    // A cancelled chooser or input box.
    void queueCancel() { replies_.push_back(std::monostate{}); }

    const std::vector<AskedPrompt>& asked() const { return asked_; }
    // Texts of the asked questions of one kind, in order.
    QStringList askedTexts(AskedPrompt::Kind kind) const;
    const QStringList& unexpected() const { return unexpected_; }
    // The captions of the confirmations asked with their own caption, in order.
    const QStringList& confirmCaptions() const { return confirmCaptions_; }
    bool allAnswersUsed() const { return replies_.empty(); }
    void clear();

    void message(const QString& text) override;
    void error(const QString& text) override;
    Answer confirm(const QString& text, Buttons buttons) override;
    Answer confirmWithCaption(const QString& caption, const QString& text, Buttons buttons) override;
    QStringList openFiles(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;
    QString chooseFolder(const QString& title, const QString& start) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt, const QString& initial) override;
    std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;

private:
    template <typename T> std::optional<T> take(const QString& what);

    std::deque<Reply> replies_;
    std::vector<AskedPrompt> asked_;
    QStringList unexpected_;
    QStringList confirmCaptions_;
};

} // namespace wertan
