#include "shell/ui/document_workspace.h"

#include "editor/ui/code_editor.h"
#include "editor/ui/editor_environment.h"
#include "platform/prompts.h"
#include "settings/shell_settings.h"
#include "shell/document_names.h"
#include "shell/ui/document_page.h"
#include "text/text_format.h"
#include "text/text_utils.h"
#include "text/win1250.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QTabWidget>
#include <optional>

namespace wertan {

namespace {
const QString kOpenFilter =
    QStringLiteral("Pliki PHP|*.php4;*.php;*.php3;*.phtml;*.inc|Pliki PHP3 (*.PHP3)|*.php3|Pliki PHP4 "
                   "(*.PHP4,*.PHP)|*.php4;*.php|"
                   "Pliki załączników (*.INC)|*.inc|Inne załączniki (*.PHTML,*.SHTML)|*.phtml,*.shtml|Pliki "
                   "SQL (*.SQL)|*.sql|"
                   "Dokumnet HTML |*.html;*.htm|Dokument tekstowy (*.TXT)|*.txt|Wszystkie pliki (*.*)|*.*");
const QString kSaveFilter = QStringLiteral(
    "Pliki PHP3 (*.PHP3)|*.php3|Pliki PHP4 (*.PHP4)|*.php4|Pliki załączników (*.INC)|*.inc|"
    "Inne załączniki (*.PHTML,*.SHTML)|*.phtml,*.shtml|Pliki SQL (*.SQL)|*.sql|Dokumnet HTML |*.html;*.htm|"
    "Wszystkie pliki (*.*)|*.*");

// Line breaks inside inserted text become the document's own line end.
QString withDocumentLineEnds(const QString& text, LineEnd end) {
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n'))) return text;
    return QString::fromUtf8(withLineEnds(text.toUtf8().toStdString(), end));
}

const char kNewPhpText[] = "<?php \n \n \n?>";

struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};
} // namespace

DocumentWorkspace::DocumentWorkspace(QTabWidget* tabs, EditorEnvironment& environment,
                                     ShellSettings& settings, Prompts& prompts, QObject* parent)
    : QObject(parent), tabs_(tabs), environment_(environment), settings_(settings), prompts_(prompts),
      documentList_(new QMenu(tabs)) {
    documentList_->setObjectName(QStringLiteral("DocumentList"));
    documentList_->setToolTipsVisible(true); // an item's tool tip is its document's path
    connect(tabs_, &QTabWidget::currentChanged, this, &DocumentWorkspace::onCurrentChanged);
    connect(documentList_, &QMenu::aboutToShow, this, [this] {
        // Each time the list opens every item shows the picture of its tab's mark.
        const auto items = documentList_->actions();
        for (int i = 0; i < items.size() && i < count(); ++i)
            items[i]->setIcon(markIcon(page(i)->mark()));
    });
}

DocumentWorkspace::~DocumentWorkspace() = default;

int DocumentWorkspace::count() const {
    return tabs_->count();
}

DocumentPage* DocumentWorkspace::page(int index) const {
    return qobject_cast<DocumentPage*>(tabs_->widget(index));
}

DocumentPage* DocumentWorkspace::activePage() const {
    return qobject_cast<DocumentPage*>(tabs_->currentWidget());
}

CodeEditor* DocumentWorkspace::activeEditor() const {
    DocumentPage* p = activePage();
    return p ? p->editor() : nullptr;
}

int DocumentWorkspace::activeIndex() const {
    return tabs_->currentIndex();
}

void DocumentWorkspace::activate(int index) {
    programmaticSwitch_ = true;
    tabs_->setCurrentIndex(index);
    programmaticSwitch_ = false;
}

QIcon DocumentWorkspace::markIcon(int mark) {
    static QIcon icons[4];
    if (mark < 0 || mark > 3) mark = 0;
    if (icons[mark].isNull()) {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        // A sheet of paper; remote documents are drawn blue, changed ones carry a red dot.
        const bool remote = mark >= 2;
        p.setPen(QColor(80, 80, 80));
        p.setBrush(remote ? QColor(200, 220, 255) : QColor(255, 255, 255));
        p.drawRect(QRectF(2.5, 1.5, 10, 13));
        p.setPen(remote ? QColor(40, 80, 200) : QColor(150, 150, 150));
        for (int y = 5; y <= 11; y += 3)
            p.drawLine(QPointF(4.5, y + 0.5), QPointF(10.5, y + 0.5));
        if (mark % 2 == 1) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(220, 30, 30));
            p.drawEllipse(QRectF(9, 9, 6.5, 6.5));
        }
        icons[mark] = QIcon(pixmap);
    }
    return icons[mark];
}

QString DocumentWorkspace::changedQuestion(const QString& caption) {
    return QStringLiteral("Plik: ") + caption + QStringLiteral(", został zmieniony. Zapisać teraz?");
}

void DocumentWorkspace::refreshTabPicture(DocumentPage* p) {
    const int index = tabs_->indexOf(p);
    if (index >= 0) tabs_->setTabIcon(index, markIcon(p->mark()));
    refreshTabTexts();
}

QString DocumentWorkspace::tabText(int index) const {
    QStringList captions;
    QStringList paths;
    for (int i = 0; i < count(); ++i) {
        captions << page(i)->caption();
        paths << page(i)->path();
    }
    return distinctTabText(captions, paths, index);
}

void DocumentWorkspace::refreshTabTexts() {
    for (int i = 0; i < count(); ++i) {
        tabs_->setTabText(i, tabText(i));
        tabs_->setTabToolTip(i, page(i)->path());
    }
}

DocumentPage* DocumentWorkspace::createPage(const QString& caption, const QString& path, int mark) {
    auto* p = new DocumentPage(caption, path, mark);
    // Adding the first tab makes it current at once; that is not the user switching tabs.
    programmaticSwitch_ = true;
    const int index = tabs_->addTab(p, markIcon(mark), caption);
    programmaticSwitch_ = false;
    activate(index);
    auto* editor = new CodeEditor(p);
    p->setEditor(editor);
    return p;
}

void DocumentWorkspace::startNewText(DocumentPage* p, std::string_view text) {
    const TextFormat format = newDocumentFormat();
    p->setFormat(format);
    p->editor()->setLineEnd(format.lineEnd);
    if (!text.empty()) p->editor()->setDocumentText(withLineEnds(text, format.lineEnd), TextEncoding::Utf8);
}

TextFormat DocumentWorkspace::newDocumentFormat() const {
    TextFormat format;
    format.encoding = settings_.newDocumentsInUtf8 ? TextEncoding::Utf8 : TextEncoding::Windows1250;
    format.lineEnd = LineEnd::Lf;
    return format;
}

void DocumentWorkspace::setActiveEncoding(TextEncoding encoding) {
    DocumentPage* p = activePage();
    if (!p || p->format().encoding == encoding) return;
    TextFormat format = p->format();
    format.encoding = encoding;
    format.byteOrderMark = false;
    p->setFormat(format);
    // The file no longer holds what a save would write.
    p->setChangedWithoutUndo();
    p->setMark(unchangedMark(p->isRemote()) + 1);
    refreshTabPicture(p);
    emit statusText(2, QStringLiteral("Zmieniony"));
}

void DocumentWorkspace::focusActiveEditor() {
    CodeEditor* editor = activeEditor();
    if (!editor) return;
    // An editor made on a page that is already on screen is shown only by its layout, later; a
    // hidden widget cannot take the window's focus, so it is shown now.
    if (editor->isHidden() && editor->parentWidget() && editor->parentWidget()->isVisible()) editor->show();
    editor->setFocus(Qt::OtherFocusReason);
}

void DocumentWorkspace::addKeywordBar(DocumentPage* p, DocumentKind kind) {
    KeywordBar* bar = p->addKeywordBar(kind);
    if (hooks_.fillKeywordBar) hooks_.fillKeywordBar(bar, kind);
}

void DocumentWorkspace::connectEditor(DocumentPage* p) {
    CodeEditor* editor = p->editor();
    editor->setPopupMenu(popupMenu_);
    connect(editor, &CodeEditor::statusChanged, this,
            [this, editor](bool modifiedChanged) { onEditorStatus(editor, modifiedChanged); });
}

void DocumentWorkspace::onEditorStatus(CodeEditor* editor, bool modifiedChanged) {
    settings_.currentLine = editor->caretLine();
    settings_.currentColumn = editor->caretColumn();
    emit statusText(0, QStringLiteral("Lin ") + QString::number(settings_.currentLine));
    emit statusText(1, QStringLiteral("Kol ") + QString::number(settings_.currentColumn));
    DocumentPage* active = activePage();
    if (modifiedChanged && active && active->editor() && active->editor()->isModified() &&
        !active->caption().endsWith(QLatin1Char('*'))) {
        // The changed picture is the one after the document's own; it never goes past it, also
        // when undo returns to the saved text and a later edit changes it again.
        active->setMark(unchangedMark(active->isRemote()) + 1);
        refreshTabPicture(active);
        emit statusText(2, QStringLiteral("Zmieniony"));
    }
}

void DocumentWorkspace::applyKind(CodeEditor* editor, ColouringKind kind) {
    environment_.applyEditorOptions(editor, kind);
    emit colouringApplied(kind);
}

DocumentPage* DocumentWorkspace::createStartupDocument() {
    DocumentPage* p = createPage(QStringLiteral("Beznazwy"), QString(), 0);
    environment_.setupEditor(p->editor());
    connectEditor(p);
    startNewText(p, kNewPhpText);
    addKeywordBar(p, DocumentKind::Php);
    p->markSaved();
    rebuildDocumentList();
    focusActiveEditor();
    return p;
}

DocumentPage* DocumentWorkspace::newPhpDocument() {
    ++settings_.untitledCounter;
    const QString name = untitledName(settings_.untitledCounter);
    DocumentPage* p = createPage(name, name, 0);
    environment_.setupEditor(p->editor());
    connectEditor(p);
    startNewText(p, kNewPhpText);
    addKeywordBar(p, DocumentKind::Php);
    p->markSaved();
    rebuildDocumentList();
    focusActiveEditor();
    environment_.attachPhpCompletion(p->editor());
    return p;
}

DocumentPage* DocumentWorkspace::newSqlDocument() {
    ++settings_.untitledCounter;
    const QString name = untitledName(settings_.untitledCounter);
    DocumentPage* p = createPage(name, name, 0);
    environment_.setupEditor(p->editor());
    connectEditor(p);
    startNewText(p, {});
    applyKind(p->editor(), ColouringKind::Sql);
    addKeywordBar(p, DocumentKind::Sql);
    p->markSaved();
    rebuildDocumentList();
    focusActiveEditor();
    environment_.attachSqlCompletion(p->editor());
    return p;
}

DocumentPage* DocumentWorkspace::newCleanDocument() {
    ++settings_.untitledCounter;
    const QString name = untitledName(settings_.untitledCounter);
    DocumentPage* p = createPage(name, name, 0);
    // The basic set-up only: no pop-up menu, no reporting to the status bar and the mark.
    environment_.basicSetup(p->editor());
    startNewText(p, {});
    applyKind(p->editor(), ColouringKind::Php);
    addKeywordBar(p, DocumentKind::Php);
    p->markSaved();
    rebuildDocumentList();
    focusActiveEditor();
    return p;
}

void DocumentWorkspace::openWithDialog() {
    FileDialogRequest request;
    request.filter = kOpenFilter;
    request.defaultExtension = QStringLiteral("php3");
    request.multiple = true;
    const QStringList chosen = prompts_.openFiles(request);
    for (const QString& file : filesToOpen(chosen))
        openDocument(file, upperExtension(file));
}

DocumentPage* DocumentWorkspace::openDocument(const QString& path, const QString& extension,
                                              const QString& remotePath, bool remote) {
    // A missing file opens nothing; anything that is not a regular file (a folder, a FIFO, a
    // device) is refused by the read below, with the reason.
    if (path.isEmpty() || !QFileInfo::exists(path) || !confirmLargeFile(path)) {
        if (hooks_.raiseMainWindow) hooks_.raiseMainWindow();
        return nullptr;
    }
    BusyCursor busy;
    // The file is read before its page is made: a file that cannot be read opens no empty page
    // that a later save would write over the real file.
    std::string bytes;
    QString error;
    if (!readFileBytes(path, &bytes, &error)) {
        prompts_.error(error);
        return nullptr;
    }
    if (looksBinary(bytes)) {
        const QString question =
            QStringLiteral("Plik wygląda na binarny (zawiera bajty zerowe), a nie na tekst:\n%1\n\n"
                           "Otworzyć go mimo to? Niezmienione bajty zostaną zapisane bez zmian.")
                .arg(QDir::toNativeSeparators(path));
        if (prompts_.confirm(question, Buttons::YesNo) != Answer::Yes) return nullptr;
    }
    const TextFormat format =
        detectTextFormat(bytes, newDocumentFormat().lineEnd, newDocumentFormat().encoding);
    const QString caption = QFileInfo(path).fileName();
    DocumentPage* p =
        remote ? createPage(caption, kRemoteMarker + remotePath, 2) : createPage(caption, path, 0);
    p->setFormat(format);
    environment_.setupEditor(p->editor());
    connectEditor(p);
    switch (documentKindForExtension(extension)) {
    case DocumentKind::Php:
        applyKind(p->editor(), ColouringKind::Php);
        addKeywordBar(p, DocumentKind::Php);
        break;
    case DocumentKind::Sql:
        applyKind(p->editor(), ColouringKind::Sql);
        addKeywordBar(p, DocumentKind::Sql);
        break;
    case DocumentKind::Html:
        applyKind(p->editor(), ColouringKind::Html);
        addKeywordBar(p, DocumentKind::Html);
        break;
    case DocumentKind::Other:
        break;
    }
    p->editor()->setLineEnd(format.lineEnd);
    p->editor()->setDocumentText(format.byteOrderMark ? withoutUtf8Mark(bytes) : std::string_view(bytes),
                                 format.encoding);
    // Free the file's copy before the page is shown: for a large file it is as big as the text.
    std::string().swap(bytes);
    p->markSaved();
    rebuildDocumentList();
    if (hooks_.raiseMainWindow) hooks_.raiseMainWindow();
    focusActiveEditor();
    return p;
}

bool DocumentWorkspace::writeActiveDocumentTo(const QString& path) {
    DocumentPage* p = activePage();
    return p && writeDocument(p, path, true);
}

bool DocumentWorkspace::confirmLargeFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || std::uint64_t(info.size()) <= kLargeFileBytes) return true;
    const QString question =
        QStringLiteral("Plik %1 ma %2 MB. Otwarcie tak dużego pliku może potrwać długo i zająć dużo pamięci. "
                       "Otworzyć go mimo to?")
            .arg(QDir::toNativeSeparators(path))
            .arg(info.size() / (1024 * 1024));
    return prompts_.confirm(question, Buttons::YesNo) == Answer::Yes;
}

bool DocumentWorkspace::writeDocument(DocumentPage* p, const QString& path, bool askAboutLostCharacters) {
    // The text goes back in the document's own encoding with the line ends it holds (a file that
    // was not edited is written byte for byte as it was read), converted and written in pieces so
    // that a large document is not copied whole on the way.
    const std::string_view text = p->editor()->documentUtf8();
    // Counted once in the document's encoding; counted again only if the user switches to UTF-8.
    std::optional<DocumentFileBytes> bytes;
    bytes.emplace(text, p->format().encoding, p->format().byteOrderMark);
    const std::size_t lost = bytes->unrepresentable();
    if (lost > 0 && askAboutLostCharacters) {
        const QString offer =
            QStringLiteral("Dokument %1 zawiera znaki spoza strony kodowej Windows-1250 (%2).\n\n"
                           "Zapisać go w kodowaniu UTF-8, które zachowa wszystkie znaki?")
                .arg(p->caption())
                .arg(lost);
        switch (prompts_.confirm(offer, Buttons::YesNoCancel)) {
        case Answer::Yes: {
            TextFormat format = p->format();
            format.encoding = TextEncoding::Utf8;
            p->setFormat(format);
            bytes.emplace(text, format.encoding, format.byteOrderMark);
            break;
        }
        case Answer::No: {
            const QString question =
                QStringLiteral("Dokument %1 zawiera znaki spoza strony kodowej Windows-1250 (%2), które "
                               "zostaną zapisane jako \"?\". Zapisać mimo to?")
                    .arg(p->caption())
                    .arg(lost);
            if (prompts_.confirm(question, Buttons::YesNo) != Answer::Yes) return false;
            break;
        }
        default:
            return false;
        }
    }
    QString error;
    if (!writeFileAtomically(
            path, bytes->size(), [&bytes](const PieceSink& put) { return bytes->produce(put); }, &error)) {
        prompts_.error(error);
        return false;
    }
    return true;
}

bool DocumentWorkspace::saveAllDocuments() {
    const int wasActive = activeIndex();
    for (int i = 0; i < count(); ++i) {
        if (!page(i)->isChanged()) continue;
        activate(i);
        // The page that was not written stays in front, so the user sees which one it was.
        if (!saveDocument()) return false;
    }
    if (wasActive >= 0 && wasActive < count()) activate(wasActive);
    return true;
}

bool DocumentWorkspace::saveDocument() {
    DocumentPage* p = activePage();
    if (!p) return false;
    const bool remote = p->isRemote();
    if (!remote && (p->path().isEmpty() || !QFileInfo(p->path()).isFile())) return saveDocumentAs();
    // The save conversion rewrites Windows-1250 bytes; a UTF-8 document already holds every
    // character as it is, so it is not converted.
    if (hooks_.convertBeforeSave && p->format().encoding == TextEncoding::Windows1250)
        hooks_.convertBeforeSave(p->editor());
    if (!remote) {
        if (!writeDocument(p, p->path(), true)) return false;
        if (hooks_.addRecentDocument) hooks_.addRecentDocument(p->path());
        p->markSaved();
        p->setMark(0);
        refreshTabPicture(p);
        emit statusText(2, QString());
        return true;
    }
    const QString remotePath = p->path().mid(5);
    if (!hooks_.ftpWorkingFolder || !hooks_.storeBack) {
        prompts_.error(
            QStringLiteral("Nie można zapisać pliku %1 na serwerze FTP: połączenia FTP nie są dostępne.")
                .arg(remotePath));
        return false;
    }
    const QString folder = hooks_.ftpWorkingFolder();
    const QString localCopy =
        folder + QDir::separator() + QString::fromStdString(extractUrlFileName(remotePath.toStdString()));
    if (!writeDocument(p, localCopy, true)) return false;
    if (!hooks_.storeBack(remotePath)) return false;
    p->markSaved();
    p->setMark(2);
    refreshTabPicture(p);
    emit statusText(2, QString());
    return true;
}

bool DocumentWorkspace::writeActiveForPreview() {
    DocumentPage* p = activePage();
    if (!p || p->isRemote()) return false;
    const QFileInfo file(p->path());
    if (!file.isAbsolute() || !file.isFile()) return false;
    if (!writeDocument(p, p->path(), true)) return false;
    p->setCaption(file.fileName());
    tabs_->setTabText(tabs_->indexOf(p), p->caption());
    emit statusText(2, QString());
    return true;
}

bool DocumentWorkspace::saveDocumentAs() {
    DocumentPage* p = activePage();
    if (!p) return false;
    FileDialogRequest request;
    request.filter = kSaveFilter;
    request.defaultExtension = QStringLiteral("php3");
    if (!p->isRemote() && QFileInfo(p->path()).isAbsolute()) {
        request.directory = QFileInfo(p->path()).path();
        request.fileName = QFileInfo(p->path()).fileName();
    }
    const QString chosen = prompts_.saveFile(request);
    if (chosen.isEmpty()) return false;
    if (!writeDocument(p, chosen, true)) return false;
    if (hooks_.addRecentDocument) hooks_.addRecentDocument(chosen);
    // The project's file list takes the new file only while a project is open.
    if (settings_.project.projectOpen && hooks_.appendToProjectFileList)
        hooks_.appendToProjectFileList(chosen);
    p->setCaption(QFileInfo(chosen).fileName());
    p->setPath(chosen);
    p->markSaved();
    p->setMark(0);
    refreshTabPicture(p);
    emit statusText(2, QString());
    return true;
}

void DocumentWorkspace::closePage(int index) {
    DocumentPage* p = page(index);
    tabs_->blockSignals(true);
    tabs_->removeTab(index);
    tabs_->blockSignals(false);
    p->deleteLater();
    p->hide();
    // Step back one tab: the one before the closed tab, or the last when the first was closed.
    const int target = index > 0 ? index - 1 : count() - 1;
    programmaticSwitch_ = true;
    tabs_->setCurrentIndex(target);
    programmaticSwitch_ = false;
    afterUserSwitch();
}

bool DocumentWorkspace::closeDocument() {
    DocumentPage* p = activePage();
    if (!p) return false;
    if (p->isChanged()) {
        switch (prompts_.confirm(changedQuestion(p->caption()), Buttons::YesNoCancel)) {
        case Answer::Yes:
            // A save that was cancelled or failed keeps the document open: closing it would lose the text.
            if (!saveDocument()) return false;
            break;
        case Answer::No:
            break;
        default:
            return false;
        }
    }
    closePage(tabs_->indexOf(p));
    return true;
}

void DocumentWorkspace::closeActive() {
    if (count() <= 1) return;
    closeDocument();
    rebuildDocumentList();
}

void DocumentWorkspace::closeAll() {
    if (count() > 1) {
        for (int i = count() - 1; i >= 1; --i) {
            if (i >= count()) continue;
            activate(i);
            closeDocument();
        }
    }
    if (hooks_.projectFileListCheck) hooks_.projectFileListCheck();
    rebuildDocumentList();
}

void DocumentWorkspace::pasteIntoNewDocument() {
    DocumentPage* p = newPhpDocument();
    p->editor()->clear();
    p->editor()->paste();
}

bool DocumentWorkspace::canOpenFileAtSelection() const {
    CodeEditor* editor = activeEditor();
    return editor && editor->hasSelectedText();
}

void DocumentWorkspace::openFileAtSelection() {
    CodeEditor* editor = activeEditor();
    DocumentPage* p = activePage();
    if (!editor || !editor->hasSelectedText()) return;
    const QString selection = editor->selectedText();
    const QString path = pathNamedBySelection(selection, p->isRemote() ? QString() : p->path());
    openDocument(path, upperExtension(selection));
}

int DocumentWorkspace::findDocumentTab(const QString& name) const {
    for (int i = 0; i < count(); ++i)
        if (page(i)->caption() == name) return i;
    return -1;
}

void DocumentWorkspace::onCurrentChanged(int) {
    if (programmaticSwitch_) {
        // A page made or shown by the program: the status panels show it, not the page before.
        if (DocumentPage* p = activePage()) showPageStatus(p);
    } else {
        afterUserSwitch();
    }
    focusActiveEditor();
}

void DocumentWorkspace::showPageStatus(DocumentPage* p) {
    if (CodeEditor* editor = p->editor()) {
        settings_.currentLine = editor->caretLine();
        settings_.currentColumn = editor->caretColumn();
        emit statusText(0, QStringLiteral("Lin ") + QString::number(settings_.currentLine));
        emit statusText(1, QStringLiteral("Kol ") + QString::number(settings_.currentColumn));
    }
    emit statusText(2, p->isChanged() ? QStringLiteral("Zmieniony") : QString());
}

void DocumentWorkspace::afterUserSwitch() {
    DocumentPage* p = activePage();
    if (!p) return;
    emit userSwitchedTab();
    environment_.attachCompletionLists(p->editor());
    showPageStatus(p);
}

void DocumentWorkspace::rebuildDocumentList() {
    documentList_->clear();
    refreshTabTexts();
    for (int i = 0; i < count(); ++i) {
        const QString caption = page(i)->caption();
        QString text = tabText(i);
        QAction* item = documentList_->addAction(text.replace(QLatin1Char('&'), QStringLiteral("&&")));
        item->setToolTip(page(i)->path());
        item->setStatusTip(QStringLiteral("Przenosi na zakładkę: ") + caption);
        connect(item, &QAction::triggered, this, [this, i] {
            if (i < count()) activate(i);
        });
    }
}

void DocumentWorkspace::insertText(const QString& text) {
    CodeEditor* editor = activeEditor();
    if (!editor) return;
    const QByteArray utf8 = withDocumentLineEnds(text, editor->lineEnd()).toUtf8();
    editor->beginUndoAction();
    if (!editor->hasSelectedText()) {
        // A caret past the end of its line: fill the line with spaces up to the caret first.
        const int virtualSpace = editor->caretVirtualSpace();
        if (virtualSpace > 0) {
            const long position = editor->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
            const QByteArray spaces(virtualSpace, ' ');
            editor->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, static_cast<unsigned long>(position),
                                  spaces.constData());
            editor->SendScintilla(QsciScintillaBase::SCI_GOTOPOS,
                                  static_cast<unsigned long>(position + virtualSpace));
        }
    }
    editor->SendScintilla(QsciScintillaBase::SCI_REPLACESEL, static_cast<unsigned long>(0), utf8.constData());
    editor->endUndoAction();
    focusActiveEditor();
}

void DocumentWorkspace::insertText(const std::string& win1250) {
    insertText(fromWin1250(win1250));
}

void DocumentWorkspace::insertLine(const QString& text) {
    insertText(QStringLiteral("\r") + text);
}

void DocumentWorkspace::insertLine(const std::string& win1250) {
    insertLine(fromWin1250(win1250));
}

void DocumentWorkspace::insertAtLine(const QString& text, int index) {
    DocumentPage* p = activePage();
    CodeEditor* editor = activeEditor();
    if (!editor) return;
    const bool wasChanged = p->isChanged();
    const long length = editor->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const long scintillaLines = editor->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
    // A text that ends with a line break has one line fewer than the editor counts.
    const long lastStart = editor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE,
                                                 static_cast<unsigned long>(scintillaLines - 1));
    const bool endsWithBreak = length > 0 && lastStart == length;
    const long lines = length == 0 ? 0 : (endsWithBreak ? scintillaLines - 1 : scintillaLines);
    if (index < -1) index = 0;
    QString insertion;
    long position = 0;
    const QString eol = QString::fromLatin1(lineEndBytes(editor->lineEnd()));
    const QString line = withDocumentLineEnds(text, editor->lineEnd());
    if (index == -1 || index >= lines) {
        position = length;
        insertion = (length == 0 || endsWithBreak) ? line + (endsWithBreak ? eol : QString()) : eol + line;
    } else {
        position =
            editor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(index));
        insertion = line + eol;
    }
    const QByteArray utf8 = insertion.toUtf8();
    editor->SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, static_cast<unsigned long>(0));
    editor->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, static_cast<unsigned long>(position),
                          utf8.constData());
    editor->SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, static_cast<unsigned long>(1));
    // Undo steps recorded before the insertion no longer fit the text; replaying them would
    // corrupt it, so they are dropped. The changed state stays as it was.
    editor->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    if (wasChanged)
        p->setChangedWithoutUndo();
    else
        editor->setModified(false);
    focusActiveEditor();
}

void DocumentWorkspace::insertAtLine(const std::string& win1250, int index) {
    insertAtLine(fromWin1250(win1250), index);
}

bool DocumentWorkspace::documentContains(const std::string& win1250) const {
    CodeEditor* editor = activeEditor();
    if (!editor) return false;
    const std::string bytes = editor->documentBytes();
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        if (findTextNoCase(win1250, std::string_view(bytes).substr(start, end - start), 0) >= 0) return true;
        if (end == bytes.size()) break;
        start = end + ((bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1);
    }
    return false;
}

} // namespace wertan
