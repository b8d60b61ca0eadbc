#include "editor/ui/completion_list.h"

#include "editor/completion_rules.h"
#include "editor/ui/code_editor.h"
#include "text/win1250.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QScrollBar>
#include <QStringListModel>

namespace wertan {

class CompletionPopup : public QListView {
public:
    explicit CompletionPopup(CompletionList* list) : QListView(nullptr), list_(list) {
        setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setUniformItemSizes(true);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setFrameShape(QFrame::Box);
        setLineWidth(1);
        QPalette p = palette();
        p.setColor(QPalette::Base, QApplication::palette().color(QPalette::Base));
        p.setColor(QPalette::Inactive, QPalette::Highlight,
                   QApplication::palette().color(QPalette::Active, QPalette::Highlight));
        p.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   QApplication::palette().color(QPalette::Active, QPalette::HighlightedText));
        setPalette(p);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override { list_->handleKey(event); }
    void hideEvent(QHideEvent* event) override {
        QListView::hideEvent(event);
        emit list_->closed();
    }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::WindowDeactivate && isVisible()) hide();
        return QListView::event(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QListView::mouseDoubleClickEvent(event);
        list_->takeEntry();
    }

private:
    CompletionList* list_;
};

CompletionList::CompletionList(int openingKey, Qt::KeyboardModifiers openingModifiers, QObject* parent)
    : QObject(parent), openingKey_(openingKey), openingModifiers_(openingModifiers),
      popup_(new CompletionPopup(this)), model_(new QStringListModel(this)) {
    popup_->setModel(model_);
    connect(popup_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { followScrolling(); });
    connect(popup_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (index.isValid()) position_ = index.row();
            });
}

CompletionList::~CompletionList() {
    delete popup_;
}

void CompletionList::attach(CodeEditor* editor) {
    if (!editor || isAttached(editor)) return;
    editors_.removeAll(QPointer<CodeEditor>());
    editors_ << QPointer<CodeEditor>(editor);
    editor->installEventFilter(this);
}

bool CompletionList::isAttached(const CodeEditor* editor) const {
    for (const auto& e : editors_)
        if (e && e.data() == editor) return true;
    return false;
}

int CompletionList::attachedCount() const {
    int n = 0;
    for (const auto& e : editors_)
        n += e ? 1 : 0;
    return n;
}

QListView* CompletionList::window() const {
    return popup_;
}

bool CompletionList::isOpen() const {
    return popup_->isVisible();
}

bool CompletionList::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const auto mods = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        if (key->key() == openingKey_ && mods == openingModifiers_) {
            auto* editor = qobject_cast<CodeEditor*>(watched);
            if (editor && isAttached(editor) && !editor->isReadOnly()) {
                // The opening key belongs to the list: no shortcut takes it, and its character is not typed.
                key->accept();
                if (event->type() == QEvent::KeyPress) open(editor);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

bool CompletionList::open(CodeEditor* editor) {
    if (!editor || editor->isReadOnly()) return false;
    openIn_ = editor;
    entryBytes_.clear();
    entryBytes_.reserve(std::size_t(entries_.size()));
    for (const QString& entry : entries_)
        entryBytes_.push_back(toWin1250(entry));
    model_->setStringList(entries_);
    if (position_ >= int(entryBytes_.size()))
        position_ = entryBytes_.empty() ? 0 : int(entryBytes_.size()) - 1;

    // The window's top-left corner under the caret: the caret's x, the bottom of its line.
    const long caret = editor->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long spaceWidth = editor->SendScintilla(
        QsciScintillaBase::SCI_TEXTWIDTH, static_cast<unsigned long>(QsciScintillaBase::STYLE_DEFAULT), " ");
    const int x = int(editor->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, caret) +
                      editor->caretVirtualSpace() * spaceWidth);
    const int y = int(editor->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, caret) +
                      editor->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT,
                                            static_cast<unsigned long>(editor->caretLine() - 1)));
    const int rowHeight = popup_->fontMetrics().height();
    popup_->setFixedSize(kWidth, kLinesShown * rowHeight + 2);
    popup_->move(editor->viewport()->mapToGlobal(QPoint(x, y)));

    setCurrent(completionWordBeforeCaret(editor->caretLineBytes(), editor->caretCharacterColumn()));
    popup_->show();
    popup_->raise();
    popup_->activateWindow();
    popup_->setFocus();
    return true;
}

void CompletionList::close() {
    if (popup_->isVisible()) popup_->hide();
}

void CompletionList::closeToEditor() {
    close();
    if (openIn_) {
        openIn_->activateWindow();
        openIn_->setFocus();
    }
}

void CompletionList::setCurrent(std::string current) {
    current_ = std::move(current);
    selectPosition(selectCompletionEntry(entryBytes_, current_, position_));
}

void CompletionList::selectPosition(int position) {
    if (position < 0 || position >= model_->rowCount()) return;
    position_ = position;
    const QModelIndex index = model_->index(position);
    popup_->setCurrentIndex(index);
    popup_->scrollTo(index, QAbstractItemView::EnsureVisible);
}

// When the scroll bar moves the selected entry out of sight, the nearest visible entry is selected.
void CompletionList::followScrolling() {
    if (model_->rowCount() == 0) return;
    const QModelIndex top = popup_->indexAt(QPoint(1, 1));
    const QModelIndex bottom = popup_->indexAt(QPoint(1, popup_->viewport()->height() - 2));
    if (!top.isValid()) return;
    const int last = bottom.isValid() ? bottom.row() : model_->rowCount() - 1;
    if (position_ < top.row())
        selectPosition(top.row());
    else if (position_ > last)
        selectPosition(last);
}

void CompletionList::takeEntry() {
    CodeEditor* editor = openIn_;
    if (editor && position_ >= 0 && position_ < int(entryBytes_.size())) {
        const long caret = editor->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
        long start = caret;
        if (editor->caretVirtualSpace() == 0 && !current_.empty())
            start = editor->SendScintilla(QsciScintillaBase::SCI_POSITIONRELATIVE,
                                          static_cast<unsigned long>(caret), -long(current_.size()));
        const QByteArray replacement = entries_.at(position_).toUtf8();
        editor->SendScintilla(QsciScintillaBase::SCI_SETSELECTION, static_cast<unsigned long>(caret), start);
        editor->SendScintilla(QsciScintillaBase::SCI_REPLACESEL, 0UL, replacement.constData());
    }
    closeToEditor();
}

void CompletionList::handleKey(QKeyEvent* event) {
    const int key = event->key();
    const auto mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool ctrl = mods & Qt::ControlModifier;
    const int count = model_->rowCount();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        takeEntry();
        return;
    case Qt::Key_Escape:
        closeToEditor();
        return;
    case Qt::Key_Up:
        selectPosition(ctrl ? 0 : moveCompletionPosition(position_, -1, count));
        return;
    case Qt::Key_Down:
        selectPosition(ctrl ? count - 1 : moveCompletionPosition(position_, 1, count));
        return;
    case Qt::Key_Home:
        if (ctrl) selectPosition(0);
        return;
    case Qt::Key_End:
        if (ctrl) selectPosition(count - 1);
        return;
    case Qt::Key_PageUp:
        selectPosition(moveCompletionPosition(position_, -kLinesShown, count));
        return;
    case Qt::Key_PageDown:
        selectPosition(moveCompletionPosition(position_, kLinesShown, count));
        return;
    case Qt::Key_Backspace:
        if (mods == Qt::NoModifier && !current_.empty()) {
            current_.pop_back();
            if (openIn_) openIn_->SendScintilla(QsciScintillaBase::SCI_DELETEBACK);
            setCurrent(current_);
        } else {
            closeToEditor();
        }
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() != 1)
        return; // keys that type nothing (Shift, arrows sideways, function keys) leave the list alone
    const char16_t ch = text.at(0).unicode();
    if (ch >= 33 && ch <= 122 && !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
        if (openIn_) {
            QKeyEvent typed(QEvent::KeyPress, key, event->modifiers(), text);
            QCoreApplication::sendEvent(openIn_.data(), &typed);
        }
        setCurrent(current_ + char(ch));
        return;
    }
    // The space bar and every other typed character close the list without touching the text.
    closeToEditor();
}

} // namespace wertan
