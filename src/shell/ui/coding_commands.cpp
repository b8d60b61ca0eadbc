// "Widok" > "Kodowanie znaków": converting the active document or every document between
// ISO-8859-2 and Windows-1250, and the conversion the save operation runs first.
#include "editor/ui/code_editor.h"
#include "platform/settings_store.h"
#include "settings/shell_settings.h"
#include "shell/ui/document_page.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/main_window.h"
#include "shell/ui/shell_commands.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <vector>

namespace wertan {

namespace {

// The busy cursor while a conversion runs; the normal cursor returns however the block is left.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

struct Change {
    long start = 0;  // byte position in the editor's UTF-8 text
    long length = 0; // bytes replaced
    QByteArray text; // UTF-8 replacement
};

// Bytes of one UTF-16 unit in UTF-8: a surrogate pair takes four, two for each half.
long utf8Length(QChar c) {
    const char16_t u = c.unicode();
    if (c.isSurrogate()) return 2;
    return u < 0x80 ? 1 : (u < 0x800 ? 2 : 3);
}

// Runs of changed characters, as byte ranges of the old text with their new bytes. The conversion
// maps character to character, so the two texts line up character by character.
std::vector<Change> changedRuns(const QString& before, const QString& after) {
    std::vector<Change> runs;
    long position = 0;
    qsizetype i = 0;
    while (i < before.size()) {
        if (before[i] == after[i]) {
            position += utf8Length(before[i]);
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < before.size() && before[j] != after[j])
            ++j;
        const QByteArray oldBytes = QStringView(before).mid(i, j - i).toUtf8();
        runs.push_back({position, long(oldBytes.size()), QStringView(after).mid(i, j - i).toUtf8()});
        position += oldBytes.size();
        i = j;
    }
    return runs;
}

// The code-page conversions rewrite Windows-1250 bytes; a UTF-8 document holds its characters
// as they are and is left alone.
bool convertible(const DocumentPage* page) {
    return page && page->format().encoding == TextEncoding::Windows1250;
}

void convertDocuments(DocumentWorkspace& workspace, CodePage target, bool all) {
    BusyCursor busy;
    const ByteTable& table = tableFor(target);
    if (!all) {
        if (convertible(workspace.activePage())) convertEditorText(workspace.activeEditor(), table);
        return;
    }
    for (int i = 0; i < workspace.count(); ++i)
        if (convertible(workspace.page(i))) convertEditorText(workspace.page(i)->editor(), table);
}

const QString kDocumentsKey = QStringLiteral("\\Software\\Wertan PHP\\Main\\Documents");
const QString kNewEncodingValue = QStringLiteral("NewDocumentEncoding");

// The menu shows how the active document is stored; the conversions are off for UTF-8 documents.
void refreshCodingMenu(MainWindow& main) {
    const DocumentPage* page = main.workspace().activePage();
    const bool utf8 = page && page->format().encoding == TextEncoding::Utf8;
    main.action(QStringLiteral("MenuView_Coding_DocumentUtf8"))->setChecked(page && utf8);
    main.action(QStringLiteral("MenuView_Coding_DocumentWin1250"))->setChecked(page && !utf8);
    main.action(QStringLiteral("MenuView_Coding_Win1250"))->setEnabled(!utf8);
    main.action(QStringLiteral("MenuView_Coding_Iso88592"))->setEnabled(!utf8);
    main.action(QStringLiteral("MenuView_Coding_NewUtf8"))->setChecked(main.settings().newDocumentsInUtf8);
}

} // namespace

void convertEditorText(CodeEditor* editor, const ByteTable& table) {
    if (!editor) return;
    const QString before = editor->text();
    const QString after = convertText(before, table);
    if (after == before || after.size() != before.size()) return;
    const std::vector<Change> runs = changedRuns(before, after);
    bool lengthsKept = true;
    for (const Change& c : runs)
        lengthsKept = lengthsKept && c.length == c.text.size();
    const bool wasChanged = editor->isModified();
    // Where the caret, the selection and the view stand: a replacement around the caret would move it.
    const long caret = editor->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long anchor = editor->SendScintilla(QsciScintillaBase::SCI_GETANCHOR);
    const long caretVirtual =
        editor->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONNCARETVIRTUALSPACE, 0ul);
    const long anchorVirtual =
        editor->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONNANCHORVIRTUALSPACE, 0ul);
    const long firstLine = editor->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
    const long xOffset = editor->SendScintilla(QsciScintillaBase::SCI_GETXOFFSET);
    // The text is replaced directly, not as an edit: nothing goes to the undo list, and the
    // changed state stays. Back to front, so the positions of the runs still to come hold.
    editor->SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, static_cast<unsigned long>(0));
    for (auto it = runs.rbegin(); it != runs.rend(); ++it) {
        editor->SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, static_cast<unsigned long>(it->start),
                              it->start + it->length);
        editor->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET,
                              static_cast<unsigned long>(it->text.size()), it->text.constData());
    }
    editor->SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, static_cast<unsigned long>(1));
    if (lengthsKept) {
        // Every position means what it meant before.
        editor->SendScintilla(QsciScintillaBase::SCI_SETANCHOR, static_cast<unsigned long>(anchor));
        editor->SendScintilla(QsciScintillaBase::SCI_SETCURRENTPOS, static_cast<unsigned long>(caret));
        editor->SendScintilla(QsciScintillaBase::SCI_SETSELECTIONNANCHORVIRTUALSPACE, 0ul, anchorVirtual);
        editor->SendScintilla(QsciScintillaBase::SCI_SETSELECTIONNCARETVIRTUALSPACE, 0ul, caretVirtual);
        editor->SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE,
                              static_cast<unsigned long>(firstLine));
        editor->SendScintilla(QsciScintillaBase::SCI_SETXOFFSET, static_cast<unsigned long>(xOffset));
    } else {
        // Every converted letter keeps its length in UTF-8, so undo steps recorded before still
        // fit the text. Should a length ever change, those steps would corrupt the text on undo:
        // they are dropped, and the changed state is kept without them.
        editor->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
        auto* page = qobject_cast<DocumentPage*>(editor->parentWidget());
        if (wasChanged && page)
            page->setChangedWithoutUndo();
        else
            editor->setModified(false);
    }
}

bool storedNewDocumentsInUtf8(const SettingsStore& store) {
    const auto stored = store.readText(kDocumentsKey, kNewEncodingValue);
    return !stored || stored->compare(QStringLiteral("Windows-1250"), Qt::CaseInsensitive) != 0;
}

void installCodingCommands(MainWindow& main) {
    DocumentWorkspace& workspace = main.workspace();
    const struct {
        const char* name;
        CodePage target;
        bool all;
    } commands[] = {{"MenuView_Coding_Win1250", CodePage::Windows1250, false},
                    {"MenuView_Coding_Iso88592", CodePage::Iso88592, false},
                    {"MenuView_Coding_AllWin1250", CodePage::Windows1250, true},
                    {"MenuView_Coding_AllIso88592", CodePage::Iso88592, true}};
    for (const auto& c : commands)
        main.setCommandHandler(QString::fromLatin1(c.name), [&workspace, target = c.target, all = c.all] {
            convertDocuments(workspace, target, all);
        });

    ShellSettings& settings = main.settings();
    SettingsStore& store = main.services().settingsStore;
    main.setCommandHandler(QStringLiteral("MenuView_Coding_DocumentUtf8"), [&main, &workspace] {
        workspace.setActiveEncoding(TextEncoding::Utf8);
        refreshCodingMenu(main);
    });
    main.setCommandHandler(QStringLiteral("MenuView_Coding_DocumentWin1250"), [&main, &workspace] {
        workspace.setActiveEncoding(TextEncoding::Windows1250);
        refreshCodingMenu(main);
    });
    main.setCommandHandler(QStringLiteral("MenuView_Coding_NewUtf8"), [&main, &settings, &store] {
        settings.newDocumentsInUtf8 = !settings.newDocumentsInUtf8;
        store.writeText(kDocumentsKey, kNewEncodingValue,
                        settings.newDocumentsInUtf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1250"));
        refreshCodingMenu(main);
    });
    if (QMenu* menu = main.menu(QStringLiteral("MenuView_Coding")))
        QObject::connect(menu, &QMenu::aboutToShow, menu, [&main] { refreshCodingMenu(main); });
    QObject::connect(&workspace, &DocumentWorkspace::userSwitchedTab, &main, [&main] { refreshCodingMenu(main); });
    refreshCodingMenu(main);

    workspace.hooks().convertBeforeSave = [&settings](CodeEditor* editor) {
        if (!editor) return;
        if (const auto target = saveConversionFor(settings.saveConversion, editor->text())) {
            BusyCursor busy;
            convertEditorText(editor, tableFor(*target));
        }
    };
}

} // namespace wertan
