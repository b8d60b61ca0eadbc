#pragma once
// A completion list: a small borderless list under the caret of the editor it was opened in. It
// follows what the user types and on Enter replaces the word before the caret by the chosen entry.
// One list watches the key presses of every editor it is attached to.
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <string>
#include <vector>

class QListView;
class QStringListModel;
class QKeyEvent;

namespace wertan {

class CodeEditor;
class CompletionPopup;

class CompletionList : public QObject {
    Q_OBJECT
public:
    // The key with exactly these modifiers opens the list in an attached editor.
    CompletionList(int openingKey, Qt::KeyboardModifiers openingModifiers, QObject* parent = nullptr);
    ~CompletionList() override;

    // The entries in list order; whoever fills the list changes them here.
    QStringList& entries() { return entries_; }
    const QStringList& entries() const { return entries_; }

    // Attaching an editor twice has no effect.
    void attach(CodeEditor* editor);
    bool isAttached(const CodeEditor* editor) const;
    int attachedCount() const;

    // Opens the list at the caret of an editor, as the opening key does; false for a read-only editor.
    bool open(CodeEditor* editor);
    void close();
    bool isOpen() const;

    // The word being completed as typed so far (Windows-1250 bytes).
    const std::string& currentString() const { return current_; }
    // The selected entry; kept from one opening to the next. -1 with no entries.
    int position() const { return position_; }
    // The list window.
    QListView* window() const;
    static constexpr int kLinesShown = 6;
    static constexpr int kWidth = 262;

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class CompletionPopup;
    void handleKey(QKeyEvent* event);
    void setCurrent(std::string current);
    void selectPosition(int position);
    void takeEntry();
    void closeToEditor();
    void followScrolling();

    int openingKey_;
    Qt::KeyboardModifiers openingModifiers_;
    QStringList entries_;
    std::vector<std::string> entryBytes_;
    std::string current_;
    int position_ = 0;
    QList<QPointer<CodeEditor>> editors_;
    QPointer<CodeEditor> openIn_;
    CompletionPopup* popup_;
    QStringListModel* model_;
};

} // namespace wertan
