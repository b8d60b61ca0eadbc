#pragma once
#include "platform/prompts.h"

class QWidget;

namespace wertan {

// Real Qt dialogs. The parent widget may be set after construction (the main window).
class QtPrompts : public Prompts {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void message(const QString& text) override;
    void error(const QString& text) override;
    Answer confirm(const QString& text, Buttons buttons) override;
    Answer confirmWithCaption(const QString& caption, const QString& text, Buttons buttons) override;
    QStringList openFiles(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;
    QString chooseFolder(const QString& title, const QString& start) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& initial) override;
    std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;

private:
    QWidget* owner() const;
    QWidget* parent_ = nullptr;
};

} // namespace wertan
