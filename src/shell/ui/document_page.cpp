#include "shell/ui/document_page.h"

#include "editor/ui/code_editor.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace wertan {

KeywordBar::KeywordBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("KeywordBar"));
    setFixedHeight(30);
    setToolTip(QStringLiteral("To jest pasek wstawiania słów podstawowych"));
    setStatusTip(QStringLiteral("To jest pasek wstawiania słów podstawowych"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    strip_ = new QWidget;
    strip_->setFixedHeight(30);
    scroll_->setWidget(strip_);
    scroll_->setWidgetResizable(false);
    layout->addWidget(scroll_);
}

void KeywordBar::fitStrip() {
    int right = 0;
    for (QWidget* child : strip_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        right = std::max(right, child->geometry().right() + 1);
    strip_->setFixedWidth(std::max(right, 1));
    fitHeight();
}

void KeywordBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitHeight();
}

void KeywordBar::fitHeight() {
    const bool scrolls = strip_->width() > width();
    const int extra = scrolls ? scroll_->horizontalScrollBar()->sizeHint().height() : 0;
    if (height() != 30 + extra)
        setFixedHeight(30 + extra);
}

DocumentPage::DocumentPage(const QString& caption, const QString& path, int mark, QWidget* parent)
    : QWidget(parent), caption_(caption), path_(path), mark_(mark) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

void DocumentPage::setEditor(CodeEditor* editor) {
    editor_ = editor;
    // The editor is the page's first child and fills the page above the keyword bar.
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, editor, 1);
}

KeywordBar* DocumentPage::addKeywordBar(DocumentKind kind) {
    keywordBar_ = new KeywordBar(this);
    keywordBarKind_ = kind;
    layout()->addWidget(keywordBar_);
    return keywordBar_;
}

bool DocumentPage::isChanged() const { return changedWithoutUndo_ || (editor_ && editor_->isModified()); }

void DocumentPage::markSaved() {
    changedWithoutUndo_ = false;
    if (editor_)
        editor_->setModified(false);
}

} // namespace wertan
