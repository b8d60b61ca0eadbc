#include "platform/scripted/scripted_prompts.h"

namespace wertan {

template <typename T> std::optional<T> ScriptedPrompts::take(const QString& what) {
    if (replies_.empty()) {
        unexpected_ << what;
        return std::nullopt;
    }
    Reply reply = replies_.front();
    replies_.pop_front();
    if (std::holds_alternative<std::monostate>(reply))
        return std::nullopt;
    if (auto* value = std::get_if<T>(&reply))
        return *value;
    unexpected_ << QStringLiteral("wrong kind of answer for: ") + what;
    return std::nullopt;
}

QStringList ScriptedPrompts::askedTexts(AskedPrompt::Kind kind) const {
    QStringList result;
    for (const auto& a : asked_)
        if (a.kind == kind)
            result << a.text;
    return result;
}

void ScriptedPrompts::clear() {
    replies_.clear();
    asked_.clear();
    unexpected_.clear();
    confirmCaptions_.clear();
}

void ScriptedPrompts::message(const QString& text) { asked_.push_back({AskedPrompt::Kind::Message, text, {}, {}}); }

void ScriptedPrompts::error(const QString& text) { asked_.push_back({AskedPrompt::Kind::Error, text, {}, {}}); }

Answer ScriptedPrompts::confirm(const QString& text, Buttons buttons) {
    asked_.push_back({AskedPrompt::Kind::Confirm, text, {}, buttons});
    return take<Answer>(text).value_or(Answer::Cancel);
}

Answer ScriptedPrompts::confirmWithCaption(const QString& caption, const QString& text, Buttons buttons) {
    confirmCaptions_ << caption;
    return confirm(text, buttons);
}

QStringList ScriptedPrompts::openFiles(const FileDialogRequest& request) {
    asked_.push_back({AskedPrompt::Kind::OpenFiles, request.filter, request, {}});
    return take<QStringList>(QStringLiteral("open dialog")).value_or(QStringList{});
}

QString ScriptedPrompts::saveFile(const FileDialogRequest& request) {
    asked_.push_back({AskedPrompt::Kind::SaveFile, request.filter, request, {}});
    if (auto files = take<QStringList>(QStringLiteral("save dialog")))
        return files->value(0);
    return {};
}

QString ScriptedPrompts::chooseFolder(const QString& title, const QString&) {
    asked_.push_back({AskedPrompt::Kind::ChooseFolder, title, {}, {}});
    return take<QString>(title).value_or(QString{});
}

std::optional<QString> ScriptedPrompts::inputText(const QString& title, const QString& prompt, const QString&) {
    asked_.push_back({AskedPrompt::Kind::InputText, prompt, {}, {}});
    return take<QString>(title);
}

std::optional<std::uint32_t> ScriptedPrompts::chooseColor(std::uint32_t) {
    asked_.push_back({AskedPrompt::Kind::ChooseColor, {}, {}, {}});
    return take<std::uint32_t>(QStringLiteral("colour dialog"));
}

std::optional<FontChoice> ScriptedPrompts::chooseFont(const FontChoice&) {
    asked_.push_back({AskedPrompt::Kind::ChooseFont, {}, {}, {}});
    return take<FontChoice>(QStringLiteral("font dialog"));
}

} // namespace wertan
