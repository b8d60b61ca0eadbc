#pragma once
// One open document: a tab page holding the editor and, for PHP, SQL and HTML documents, the
// keyword bar at its foot.
#include "text/document_text.h"
#include "text/text_format.h"

#include <QWidget>

class QScrollArea;
class QHBoxLayout;

namespace wertan {

class CodeEditor;

// The strip of keyword buttons at the foot of a page, 30 pixels high, scrolling sideways.
class KeywordBar : public QWidget {
    Q_OBJECT
public:
    explicit KeywordBar(QWidget* parent = nullptr);
    // The widget that holds the buttons; buttons are placed on it at absolute positions.
    QWidget* strip() const { return strip_; }
    // Widens the strip to hold everything placed on it.
    void fitStrip();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The strip keeps its 30 pixels; a sideways scroll bar, when needed, is added below it.
    void fitHeight();
    QScrollArea* scroll_;
    QWidget* strip_;
};

class DocumentPage : public QWidget {
    Q_OBJECT
public:
    DocumentPage(const QString& caption, const QString& path, int mark, QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }
    QString path() const { return path_; }
    void setPath(const QString& path) { path_ = path; }
    int mark() const { return mark_; }
    void setMark(int mark) { mark_ = mark; }
    bool isRemote() const { return isRemotePath(path_); }
    // How the text is stored in its file: encoding, byte order mark, line end of new lines.
    const TextFormat& format() const { return format_; }
    void setFormat(const TextFormat& format) { format_ = format; }

    CodeEditor* editor() const { return editor_; }
    void setEditor(CodeEditor* editor);
    KeywordBar* keywordBar() const { return keywordBar_; }
    // Adds the (empty) keyword bar; the kind says which buttons the bar gets.
    KeywordBar* addKeywordBar(DocumentKind kind);
    DocumentKind keywordBarKind() const { return keywordBarKind_; }

    // Unsaved changes: the editor's changed flag, or a change the editor could not record.
    bool isChanged() const;
    void setChangedWithoutUndo() { changedWithoutUndo_ = true; }
    // After a save: the editor is unchanged and nothing else is pending.
    void markSaved();

private:
    QString caption_;
    QString path_;
    int mark_ = 0;
    TextFormat format_;
    CodeEditor* editor_ = nullptr;
    KeywordBar* keywordBar_ = nullptr;
    DocumentKind keywordBarKind_ = DocumentKind::Other;
    bool changedWithoutUndo_ = false;
};

} // namespace wertan
