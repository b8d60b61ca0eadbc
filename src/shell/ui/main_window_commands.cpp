// The command set of the main window: menus, the editor pop-up menu, and the tool area.
#include "shell/ui/main_window.h"

#include "editor/ui/code_editor.h"
#include "editor/ui/editor_environment.h"
#include "platform/launcher.h"
#include "platform/prompts.h"
#include "shell/ui/document_workspace.h"
#include "text/text_utils.h"
#include "text/win1250.h"

#include <QAction>
#include <QActionGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>

namespace wertan {

namespace {
QKeySequence keys(const char* text) {
    return QKeySequence(QString::fromLatin1(text));
}
} // namespace

void MainWindow::buildCommands() {
    // "&Plik"
    QMenu* file = addMenu(QStringLiteral("MenuFile"), QStringLiteral("&Plik"));
    file->menuAction()->setStatusTip(QStringLiteral("Tu są komendy do zarządzania plikami."));
    file->addAction(command(QStringLiteral("MenuFile_New"), QStringLiteral("&Nowy"),
                            QStringLiteral("Tworzy nowy plik edycji."), keys("Ctrl+N")));
    file->addAction(command(QStringLiteral("MenuFile_NewSQL"), QStringLiteral("Nowy &SQL"),
                            QStringLiteral("Tworzy nowy dokument SQL.")));
    file->addAction(command(QStringLiteral("MenuFile_NewProject"), QStringLiteral("Nowy &Projekt"),
                            QStringLiteral("Otwiera okno, w którym można wybrać typ nowego dokumentu.")));
    file->addAction(command(QStringLiteral("MenuFile_Open"), QStringLiteral("&Otwórz..."),
                            QStringLiteral("Otwiera projekt albo plik."), keys("Ctrl+O")));
    file->addAction(command(QStringLiteral("MenuFile_OpenNet"), QStringLiteral("Otwórz z sieci..."),
                            QStringLiteral("Otwiera plik z dowolnego miejsca w sieci.")));
    file->addAction(command(QStringLiteral("MenuFile_OpenProject"), QStringLiteral("O&twórz projekt..."),
                            QStringLiteral("Otwiera plik projektu, zapisany na dysku.")));
    QMenu* reopen = addMenu(QStringLiteral("MenuFile_Reopen"), QStringLiteral("Otwórz ponownie"), file);
    reopen->addSeparator();
    reopen->addAction(command(QStringLiteral("MenuFile_ReopenMore"), QStringLiteral("Więcej...")));
    file->addAction(command(QStringLiteral("MenuFile_Save"), QStringLiteral("&Zapisz"),
                            QStringLiteral("Zapisuje aktulanie edytowany dokument."), keys("Ctrl+S")));
    file->addAction(
        command(QStringLiteral("MenuFile_SaveAs"), QStringLiteral("Zapisz &jako..."),
                QStringLiteral("Zapisuje aktualnie edytowany plik jako dokument jako plik pod inną nazwą.")));
    QAction* saveAll = command(QStringLiteral("MenuFile_SaveAll"), QStringLiteral("Zapisz &wszystko"),
                               QStringLiteral("Zapisuje wszystkie pliki projektu."));
    file->addAction(saveAll);
    QAction* saveProject = command(QStringLiteral("MenuFile_SaveProject"), QStringLiteral("Zapisz proje&kt"));
    saveProject->setEnabled(false);
    file->addAction(saveProject);
    file->addAction(command(QStringLiteral("MenuFile_SaveNet"), QStringLiteral("Zapisz w sieci...")));
    file->addAction(command(QStringLiteral("MenuFile_Print"), QStringLiteral("&Drukuj..."),
                            QStringLiteral("Drukuje aktualny dokument."), keys("Ctrl+P")));
    file->addAction(command(QStringLiteral("MenuFile_PrintAll"), QStringLiteral("Drukuj wszystko...")));
    file->addAction(command(QStringLiteral("MenuFile_Close"), QStringLiteral("Za&mknij"),
                            QStringLiteral("Zamyka aktualnie edytowany plik.")));
    file->addAction(command(QStringLiteral("MenuFile_CloseAll"), QStringLiteral("Z&amknij wszystko"),
                            QStringLiteral("Zamyka wszytkie edytowane pliki.")));
    QAction* closeProject =
        command(QStringLiteral("MenuFile_CloseProject"), QStringLiteral("Za&mknij projekt"),
                QStringLiteral("Zamyka aktualny projekt."));
    closeProject->setEnabled(false);
    file->addAction(closeProject);
    file->addAction(command(QStringLiteral("MenuFile_Exit"), QStringLiteral("W&yjście"),
                            QStringLiteral("Zamyka program Wertan PHP.")));

    // "&Edycja"
    QMenu* edit = addMenu(QStringLiteral("MenuEdit"), QStringLiteral("&Edycja"));
    edit->addAction(command(QStringLiteral("MenuEdit_Copy"), QStringLiteral("&Kopiuj"),
                            QStringLiteral("Kopiuje zaznaczony fragment do schowka."), keys("Ctrl+C")));
    edit->addAction(command(QStringLiteral("MenuEdit_Cut"), QStringLiteral("W&ytnij"),
                            QStringLiteral("Wycina zaznaczony fragment do schowka."), keys("Ctrl+X")));
    edit->addAction(command(QStringLiteral("MenuEdit_Paste"), QStringLiteral("&Wstaw"),
                            QStringLiteral("Wstawia zwartość schowka."), keys("Ctrl+V")));
    edit->addAction(command(QStringLiteral("MenuEdit_PasteNew"), QStringLiteral("Wstaw do nowego dokumentu"),
                            QStringLiteral("Wstawia zawartość scgowka do nowego dokumetnu.")));
    edit->addAction(
        command(QStringLiteral("MenuEdit_ShowClipboard"), QStringLiteral("Pokaż zawartość schowka")));
    edit->addAction(command(QStringLiteral("MenuEdit_Find"), QStringLiteral("&Szukaj..."),
                            QStringLiteral("Kliknij, aby odnaleźć szukane dane."), keys("Ctrl+F")));
    edit->addAction(command(QStringLiteral("MenuEdit_Replace"), QStringLiteral("&Zastąp..."),
                            QStringLiteral("Kliknij, aby zastępić jedne dane drugimi."), keys("Ctrl+R")));
    edit->addAction(
        command(QStringLiteral("MenuEdit_FindNext"), QStringLiteral("Znajdź następne"), {}, keys("F3")));
    edit->addAction(command(QStringLiteral("MenuEdit_GoToLine"), QStringLiteral("&Idź do linii..."),
                            QStringLiteral("Przenosi do wskazanej lini.")));

    // "&Wstaw"
    QMenu* insert = addMenu(QStringLiteral("MenuInsert"), QStringLiteral("&Wstaw"));
    insert->addAction(command(QStringLiteral("MenuInsert_Functions"), QStringLiteral("&Funkcje..."),
                              QStringLiteral("Otwiera okno, zawierające wszystkie funkcje PHP3.")));
    insert->addAction(command(QStringLiteral("MenuInsert_ProjectDir"), QStringLiteral("&Katalog projektu..."),
                              QStringLiteral("Wstawia katalog do projektu.")));
    insert->addSeparator();
    insert->addAction(command(QStringLiteral("MenuInsert_JavaScript"), QStringLiteral("Tagi JavaScript")));
    insert->addAction(command(QStringLiteral("MenuInsert_NoScript"), QStringLiteral("Tagi <NOSCRIPT>")));
    insert->addSeparator();
    addMenu(QStringLiteral("MenuInsert_zkPHPTags"), QStringLiteral("&Tagi zkPHP"), insert);
    insert->addSeparator();
    insert->addAction(command(QStringLiteral("MenuInsert_Function"), QStringLiteral("Funkcja")));
    addMenu(QStringLiteral("MenuInsert_If"), QStringLiteral("Funkcja warunkowa"), insert);
    addMenu(QStringLiteral("MenuInsert_Switch"), QStringLiteral("Funkcja wyboru"), insert);
    addMenu(QStringLiteral("MenuInsert_Loops"), QStringLiteral("Pętle"), insert);
    insert->addAction(command(QStringLiteral("MenuInsert_ClassVar"), QStringLiteral("Zmienna klasy")));
    insert->addSeparator();
    insert->addAction(command(QStringLiteral("MenuInsert_PHPInfo"), QStringLiteral("PHP Info")));

    // "Widok"
    QMenu* view = addMenu(QStringLiteral("MenuView"), QStringLiteral("Widok"));
    QAction* manager = command(QStringLiteral("MenuView_ProjectManager"), QStringLiteral("Projekt &Manager"),
                               {}, keys("F11"));
    manager->setVisible(false);
    view->addAction(manager);
    QMenu* docking =
        addMenu(QStringLiteral("MenuView_DockingArea"), QStringLiteral("Obszar dokowalny"), view);
    for (const auto& [name, caption, checked] :
         {std::tuple{"MenuView_DockingArea_Show", "Wyświetlaj", true},
          std::tuple{"MenuView_DockingArea_Left", "Po lewej", true},
          std::tuple{"MenuView_DockingArea_Right", "Po prawej", false}}) {
        QAction* a = command(QString::fromLatin1(name), QString::fromUtf8(caption));
        a->setCheckable(true);
        a->setChecked(checked);
        docking->addAction(a);
    }
    QMenu* tabsMenu =
        addMenu(QStringLiteral("MenuView_ShowCodeTabs"), QStringLiteral("Zakładki dokumentów"), view);
    const std::tuple<const char*, const char*, bool, int> tabItems[] = {
        {"MenuView_ShowCodeTabs_Show", "Wyświetlaj", true, 0},
        {"MenuView_ShowCodeTabs_Left", "Po lewej", false, 1221},
        {"MenuView_ShowCodeTabs_Right", "Po prawej", false, 1222},
        {"MenuView_ShowCodeTabs_Top", "Na górze", true, 1223},
        {"MenuView_ShowCodeTabs_Bottom", "Na dole", false, 1224}};
    for (const auto& [name, caption, checked, tag] : tabItems) {
        QAction* a = command(QString::fromLatin1(name), QString::fromUtf8(caption));
        a->setCheckable(true);
        a->setChecked(checked);
        a->setData(tag);
        tabsMenu->addAction(a);
    }
    QMenu* help = addMenu(QStringLiteral("MenuView_Help"), QStringLiteral("Pomoc"), view);
    auto* helpGroup = new QActionGroup(this);
    for (const auto& [name, caption, checked] :
         {std::tuple{"MenuView_Help_InBroserw", "W przeglądarce", true},
          std::tuple{"MenuView_Help_InLeftArea", "W obszarze dokowalnym", false},
          std::tuple{"MenuView_Help_Window", "W oknie", false}}) {
        QAction* a = command(QString::fromLatin1(name), QString::fromUtf8(caption));
        a->setCheckable(true);
        a->setChecked(checked);
        helpGroup->addAction(a);
        help->addAction(a);
    }
    view->addAction(command(QStringLiteral("MenuView_PHPHints"), QStringLiteral("Podpowiedzi PHP"),
                            QStringLiteral("Wyłacza/wyłacza wyświetlanie opisów funkcji i procedur PHP.")));
    QMenu* coding = addMenu(QStringLiteral("MenuView_Coding"), QStringLiteral("Kodowanie znaków"), view);
    coding->menuAction()->setStatusTip(QStringLiteral("Opcje dotyczące kodowania znaków."));
    coding->addAction(command(QStringLiteral("MenuView_Coding_Win1250"), QStringLiteral("Windows-1250")));
    coding->addAction(command(QStringLiteral("MenuView_Coding_Iso88592"), QStringLiteral("ISO-8859-2")));
    coding->addAction(
        command(QStringLiteral("MenuView_Coding_AllWin1250"), QStringLiteral("Wszystkie na Windows-1250")));
    coding->addAction(
        command(QStringLiteral("MenuView_Coding_AllIso88592"), QStringLiteral("Wszystkie na ISO-8859-2")));
    // How the active document is stored, and the encoding of new documents.
    coding->addSeparator();
    coding->addAction(command(QStringLiteral("MenuView_Coding_DocumentUtf8"), QStringLiteral("Dokument w UTF-8"),
                              QStringLiteral("Dokument w UTF-8|Aktywny dokument będzie zapisywany w kodowaniu "
                                             "UTF-8 (zaznaczone: tak jest zapisany teraz).")));
    coding->addAction(command(QStringLiteral("MenuView_Coding_DocumentWin1250"),
                              QStringLiteral("Dokument w Windows-1250"),
                              QStringLiteral("Dokument w Windows-1250|Aktywny dokument będzie zapisywany w "
                                             "kodowaniu Windows-1250 (zaznaczone: tak jest zapisany teraz).")));
    coding->addSeparator();
    coding->addAction(command(QStringLiteral("MenuView_Coding_NewUtf8"), QStringLiteral("Nowe dokumenty w UTF-8"),
                              QStringLiteral("Nowe dokumenty w UTF-8|Nowe dokumenty są zapisywane w kodowaniu "
                                             "UTF-8; wyłączone: w Windows-1250.")));
    for (const char* name : {"MenuView_Coding_DocumentUtf8", "MenuView_Coding_DocumentWin1250", "MenuView_Coding_NewUtf8"})
        actions_.value(QString::fromLatin1(name))->setCheckable(true);

    // "P&rojekt", enabled while a project is open
    QMenu* project = addMenu(QStringLiteral("MenuProject"), QStringLiteral("P&rojekt"));
    project->addAction(command(QStringLiteral("MenuProject_Dirs"), QStringLiteral("&Katalogii..."),
                               QStringLiteral("Otwiera okno zawierające katalogi projektu")));
    project->addAction(command(QStringLiteral("MenuProject_AddFile"), QStringLiteral("&Dodaj plik"),
                               QStringLiteral("Otwiera okno, które umożliwia dodanie pliku do projektu.")));
    project->addAction(command(QStringLiteral("MenuProject_RemoveFile"), QStringLiteral("&Usuń plik"),
                               QStringLiteral("Umożliwa usunięcie pliku z projektu.")));
    // The item shows Ctrl+F, but the search command takes that key first.
    project->addAction(command(QStringLiteral("MenuProject_Files"), QStringLiteral("&Pliki...\tCtrl+F"),
                               QStringLiteral("Otwiera okno umożliwiające zażądzanie plikami projektu.")));
    project->addAction(command(QStringLiteral("MenuProject_ToDo"), QStringLiteral("&Do zrobienia...")));
    project->menuAction()->setEnabled(false);

    // "&Klasy"
    QMenu* classes = addMenu(QStringLiteral("MenuClasses"), QStringLiteral("&Klasy"));
    classes->addAction(command(QStringLiteral("MenuClasses_Add"), QStringLiteral("&Dodaj..."),
                               QStringLiteral("Dodaje nową klasę.")));
    classes->addAction(command(QStringLiteral("MenuClasses_Manager"), QStringLiteral("&Zarządca klas..."),
                               QStringLiteral("Otwiera okno zarządce klas.")));
    classes->addAction(command(QStringLiteral("MenuClasses_CreateInit"),
                               QStringLiteral("&Utwórz plik inicjujący klasę"),
                               QStringLiteral("Umożliwa, utworzenie pliku ACLS - inicjującego klasy")));
    classes->addAction(command(QStringLiteral("MenuClasses_Refresh"), QStringLiteral("&Odśwież"),
                               QStringLiteral("Wczytuje ponownie zakładki z klasami.")));

    // "&Narzędzia"
    QMenu* tools = addMenu(QStringLiteral("MenuTools"), QStringLiteral("&Narzędzia"));
    tools->addAction(command(QStringLiteral("MenuTools_Presentation"),
                             QStringLiteral("Prezentacja Wertan PHP"),
                             QStringLiteral("Uruchamia prezentację programu.")));
    tools->addAction(command(QStringLiteral("MenuTools_ClassWizard"), QStringLiteral("Kreator Class"),
                             QStringLiteral("Uruchamia kreator Class PHP.")));
    tools->addAction(command(QStringLiteral("MenuTools_EditorOptions"), QStringLiteral("Opcje &Edytora...")));
    tools->addAction(command(QStringLiteral("MenuTools_FTPOptions"), QStringLiteral("Opcje FTP..."),
                             QStringLiteral("Opcje umożliwiające skonfigurowanie FTP.")));
    tools->addAction(command(QStringLiteral("MenuTools_Options"), QStringLiteral("&Opcje...")));
    tools->addAction(command(QStringLiteral("MenuTools_AutoTest"), QStringLiteral("Autotest programu")));

    // "Serwery"
    QMenu* servers = addMenu(QStringLiteral("MenuServers"), QStringLiteral("Serwery"));
    QMenu* ftp = addMenu(QStringLiteral("MenuServers_FTPCommands"), QStringLiteral("Komendy FTP"), servers);
    ftp->addAction(command(QStringLiteral("MenuServers_FTPConnect"), QStringLiteral("Połącz"),
                           QStringLiteral("Łączy z serwerem ftp.")));
    ftp->addAction(command(QStringLiteral("MenuServers_FTPDisconnect"), QStringLiteral("Rozłącz"),
                           QStringLiteral("Kończy połączenie z serwerem ftp.")));
    ftp->addSeparator();
    ftp->addAction(command(QStringLiteral("MenuServers_FTPAbort"),
                           QStringLiteral("Awaryjne przerwanie połączenia"),
                           QStringLiteral("Wymusza awaryjne, natyczmiastowe rozłączenie z serwerem.")));
    servers->addAction(command(QStringLiteral("MenuServers_FTPServery"), QStringLiteral("Serwery FTP...")));
    servers->addSeparator();
    for (const auto& [name, caption] :
         {std::pair{"ActApacheStart", "Uruchom Apache Server"},
          std::pair{"ActKillApache", "Zakończ Apache Server"},
          std::pair{"ActHTTPStart", "Uruchom HTTP Serwer"}, std::pair{"ActHTTPKill", "Zakończ HTTP serwer"},
          std::pair{"ActPHPServerStart", "Uruchom wbudowany serwer PHP"},
          std::pair{"ActPHPServerKill", "Zakończ wbudowany serwer PHP"},
          std::pair{"ActmySQLStart", "Uruchom mySQL Server"},
          std::pair{"ActmySQLKill", "Zakończ mySQL Server"},
          std::pair{"ActDATAStart", "Uruchom serwer danych"},
          std::pair{"ActDATAKill", "Zakończ serwer danych"}, std::pair{"ActOptions", "Opcje..."}})
        servers->addAction(command(QString::fromLatin1(name), QString::fromUtf8(caption)));
    servers->addAction(command(QStringLiteral("MenuServers_ToolBar"), QStringLiteral("&Pasek narzędzi")));

    // "P&omoc"
    QMenu* helpMenu = addMenu(QStringLiteral("MenuHelp"), QStringLiteral("P&omoc"));
    helpMenu->addAction(command(QStringLiteral("MenuHelp_Main"), QStringLiteral("&Główna strona pomocy")));
    helpMenu->addSeparator();
    helpMenu->addAction(command(QStringLiteral("MenuHelp_Program"), QStringLiteral("Pomoc programu"),
                                QStringLiteral("Otwiera konteksową pomoc programu."), keys("F1")));
    helpMenu->addAction(command(QStringLiteral("MenuHelp_Index"), QStringLiteral("&Indeks pomocy"),
                                QStringLiteral("Otwiera indeks pomocy programu."), keys("Shift+F1")));
    helpMenu->addSeparator();
    helpMenu->addAction(command(QStringLiteral("MenuHelp_HomePage"), QStringLiteral("&Strona Wertana PHP")));
    helpMenu->addSeparator();
    helpMenu->addAction(command(QStringLiteral("MenuHelp_Mail"), QStringLiteral("Napisz do autora")));
    helpMenu->addSeparator();
    helpMenu->addAction(command(QStringLiteral("MenuHelp_About"), QStringLiteral("O &programie"),
                                QStringLiteral("Otwiera okno informacji o programie.")));
    for (const auto& [name, caption] : {std::pair{"MenuHelp_SendFile", "Wyślij plik..."},
                                        std::pair{"MenuHelp_Update", "Pobierz aktualizację..."}}) {
        QAction* hidden = command(QString::fromLatin1(name), QString::fromUtf8(caption));
        hidden->setVisible(false);
        helpMenu->addAction(hidden);
    }

    connectDocumentCommands();
}

void MainWindow::buildEditorPopupMenu() {
    editorPopup_ = new QMenu(this);
    editorPopup_->setObjectName(QStringLiteral("PopupMenuCodeEdit"));
    menus_.insert(editorPopup_->objectName(), editorPopup_);
    auto popupCommand = [this](const char* name, const QString& caption, const QString& hint = {}) {
        QAction* a = command(QString::fromLatin1(name), caption, hint);
        editorPopup_->addAction(a);
        return a;
    };
    popupCommand("PopupMenu_Copy", QStringLiteral("&Kopiuj"));
    popupCommand("PopupMenu_Cut", QStringLiteral("W&ytnij"));
    popupCommand("PopupMenu_Paste", QStringLiteral("&Wstaw"));
    QMenu* colouring =
        addMenu(QStringLiteral("PopupMenu_Highlighter"), QStringLiteral("Po&dświetlanie"), editorPopup_);
    highlighterGroup_ = new QActionGroup(this);
    const std::tuple<const char*, const char*, const char*, int> kinds[] = {
        {"PopupMenu_HLPHP", "&PHP", "Shift+F10", int(ColouringKind::Php)},
        {"PopupMenu_HLHTML", "&HTML", "Shift+F11", int(ColouringKind::Html)},
        {"PopupMenu_HLSQL", "&SQL", "Shift+F12", int(ColouringKind::Sql)},
        {"PopupMenu_HLJavaScript", "&JavaScript", "", int(ColouringKind::JavaScript)},
        {"PopupMenu_HLCSS", "&CSS", "", int(ColouringKind::Css)}};
    for (const auto& [name, caption, shortcut, kind] : kinds) {
        QAction* a = command(QString::fromLatin1(name), QString::fromLatin1(caption), {}, keys(shortcut));
        a->setCheckable(true);
        highlighterGroup_->addAction(a);
        colouring->addAction(a);
        connect(a, &QAction::triggered, this, [this, kind] {
            if (CodeEditor* editor = workspace_->activeEditor())
                workspace_->applyKind(editor, ColouringKind(kind));
        });
    }
    colouring->addSeparator();
    QAction* off = command(QStringLiteral("PopupMenu_HLOFF"), QStringLiteral("Wyłącz"));
    off->setCheckable(true);
    highlighterGroup_->addAction(off);
    colouring->addAction(off);
    connect(off, &QAction::triggered, this, [this] {
        if (CodeEditor* editor = workspace_->activeEditor()) environment_->removeColouring(editor);
    });
    action(QStringLiteral("PopupMenu_HLPHP"))->setChecked(true);

    // The pop-up items repeat the main menu's shortcuts, which belong to the main menu; they are
    // shown as text only.
    popupCommand("PopupMenu_NewPHP", QStringLiteral("&Nowy PHP\tCtrl+N"),
                 QStringLiteral("Nowy dokument PHP."));
    popupCommand("PopupMenu_NewClean", QStringLiteral("Nowy &czysty"),
                 QStringLiteral("Nowy czysty dokument."));
    popupCommand("PopupMenu_Open", QStringLiteral("&Otwórz...\tCtrl+O"));
    popupCommand("PopupMenu_OpenAtCursor", QStringLiteral("Otwórz plik przy kusorze"));
    popupCommand("PopupMenu_Save", QStringLiteral("&Zapisz\tCtrl+S"));
    popupCommand("PopupMenu_SaveAs", QStringLiteral("Zapisz &jako..."));
    popupCommand("PopupMenu_Close", QStringLiteral("Za&mknij"));
    popupCommand("PopupMenu_CloseAll", QStringLiteral("Z&amknij wszystko"));
    workspace_->setEditorPopupMenu(editorPopup_);

    DocumentWorkspace* w = workspace_;
    connect(action(QStringLiteral("PopupMenu_Copy")), &QAction::triggered, this, [w] {
        if (auto* e = w->activeEditor()) e->copy();
    });
    connect(action(QStringLiteral("PopupMenu_Cut")), &QAction::triggered, this, [w] {
        if (auto* e = w->activeEditor()) e->cut();
    });
    connect(action(QStringLiteral("PopupMenu_Paste")), &QAction::triggered, this, [w] {
        if (auto* e = w->activeEditor()) e->paste();
    });
    connect(action(QStringLiteral("PopupMenu_NewPHP")), &QAction::triggered, w,
            &DocumentWorkspace::newPhpDocument);
    connect(action(QStringLiteral("PopupMenu_NewClean")), &QAction::triggered, w,
            &DocumentWorkspace::newCleanDocument);
    connect(action(QStringLiteral("PopupMenu_Open")), &QAction::triggered, this, [this] {
        mainPages_->setCurrentIndex(0);
        workspace_->openWithDialog();
    });
    connect(action(QStringLiteral("PopupMenu_OpenAtCursor")), &QAction::triggered, w,
            &DocumentWorkspace::openFileAtSelection);
    connect(action(QStringLiteral("PopupMenu_Save")), &QAction::triggered, w,
            &DocumentWorkspace::saveDocument);
    connect(action(QStringLiteral("PopupMenu_SaveAs")), &QAction::triggered, w,
            &DocumentWorkspace::saveDocumentAs);
    connect(action(QStringLiteral("PopupMenu_Close")), &QAction::triggered, w,
            &DocumentWorkspace::closeActive);
    connect(action(QStringLiteral("PopupMenu_CloseAll")), &QAction::triggered, w,
            &DocumentWorkspace::closeAll);
}

void MainWindow::connectDocumentCommands() {
    DocumentWorkspace* w = workspace_;
    auto on = [this](const char* name, auto&& slot) {
        connect(action(QString::fromLatin1(name)), &QAction::triggered, this, slot);
    };
    on("MenuFile_New", [w] { w->newPhpDocument(); });
    on("MenuFile_NewSQL", [w] { w->newSqlDocument(); });
    on("MenuFile_Open", [this] {
        mainPages_->setCurrentIndex(0);
        workspace_->openWithDialog();
    });
    on("MenuFile_Save", [w] { w->saveDocument(); });
    on("MenuFile_SaveAll", [w] { w->saveAllDocuments(); });
    on("MenuFile_SaveAs", [w] { w->saveDocumentAs(); });
    on("MenuFile_Close", [w] { w->closeActive(); });
    on("MenuFile_CloseAll", [w] { w->closeAll(); });
    on("MenuFile_Exit", [this] { close(); });
    on("MenuEdit_Copy", [this] { editorClipboard("copy"); });
    on("MenuEdit_Cut", [this] { editorClipboard("cut"); });
    on("MenuEdit_Paste", [this] { editorClipboard("paste"); });
    on("MenuEdit_PasteNew", [w] { w->pasteIntoNewDocument(); });
    on("MenuView_DockingArea_Show", [this] { toggleDockingArea(); });
    on("MenuView_DockingArea_Left", [this] { switchDockingSide(); });
    on("MenuView_DockingArea_Right", [this] { switchDockingSide(); });
    on("MenuView_ShowCodeTabs_Show", [this] { toggleDocumentTabs(); });
    for (const char* name : {"MenuView_ShowCodeTabs_Left", "MenuView_ShowCodeTabs_Right",
                             "MenuView_ShowCodeTabs_Top", "MenuView_ShowCodeTabs_Bottom"}) {
        QAction* a = action(QString::fromLatin1(name));
        on(name, [this, a] { setDocumentTabPosition(a->data().toInt()); });
    }
    on("MenuTools_Presentation", [this] {
        const QString program = services_.paths.file(QStringLiteral("tools\\prezentacja"));
        QString error;
        if (!services_.launcher.startProgram(program, {}, services_.paths.directory(), &error))
            services_.prompts.error(error);
    });

    // Commands whose windows come with later parts of the program say so when chosen.
    for (const char* name : {"MenuFile_NewProject",
                             "MenuFile_OpenNet",
                             "MenuFile_OpenProject",
                             "MenuFile_ReopenMore",
                             "MenuFile_SaveProject",
                             "MenuFile_SaveNet",
                             "MenuFile_Print",
                             "MenuFile_PrintAll",
                             "MenuFile_CloseProject",
                             "MenuEdit_ShowClipboard",
                             "MenuEdit_Find",
                             "MenuEdit_Replace",
                             "MenuEdit_GoToLine",
                             "MenuInsert_Functions",
                             "MenuInsert_ProjectDir",
                             "MenuInsert_JavaScript",
                             "MenuInsert_NoScript",
                             "MenuInsert_Function",
                             "MenuInsert_ClassVar",
                             "MenuInsert_PHPInfo",
                             "MenuView_PHPHints",
                             "MenuView_Coding_Win1250",
                             "MenuView_Coding_Iso88592",
                             "MenuView_Coding_AllWin1250",
                             "MenuView_Coding_AllIso88592",
                             "MenuProject_Dirs",
                             "MenuProject_AddFile",
                             "MenuProject_RemoveFile",
                             "MenuProject_Files",
                             "MenuClasses_Refresh",
                             "MenuTools_ClassWizard",
                             "MenuTools_FTPOptions",
                             "MenuTools_Options",
                             "MenuTools_AutoTest",
                             "MenuServers_FTPConnect",
                             "MenuServers_FTPDisconnect",
                             "MenuServers_FTPAbort",
                             "MenuServers_FTPServery",
                             "ActApacheStart",
                             "ActKillApache",
                             "ActHTTPStart",
                             "ActHTTPKill",
                             "ActPHPServerStart",
                             "ActPHPServerKill",
                             "ActmySQLStart",
                             "ActmySQLKill",
                             "ActDATAStart",
                             "ActDATAKill",
                             "ActOptions",
                             "MenuServers_ToolBar",
                             "MenuHelp_Main",
                             "MenuHelp_Program",
                             "MenuHelp_Index",
                             "MenuHelp_HomePage",
                             "MenuHelp_About"})
        laterPart(QString::fromLatin1(name));
    on("MenuHelp_Mail", [this] {
        QString error;
        if (!services_.launcher.openDocument(QStringLiteral("mailto:?Subject=Wertan PHP"), &error))
            services_.prompts.error(error);
    });
}

void MainWindow::buildToolArea() {
    auto* row = new QVBoxLayout(toolArea_);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    auto* upper = new QHBoxLayout;
    upper->setSpacing(4);
    row->addLayout(upper);

    auto makeButton = [this](const QString& name, const QString& text, const QString& hint, QWidget* parent) {
        auto* b = new QToolButton(parent);
        b->setObjectName(name);
        b->setText(text);
        b->setAutoRaise(true);
        b->setToolTip(hint.section(QLatin1Char('|'), 0, 0));
        b->setStatusTip(hint.contains(QLatin1Char('|')) ? hint.section(QLatin1Char('|'), 1) : hint);
        toolButtons_.insert(name, b);
        return b;
    };
    auto bindTo = [](QToolButton* button, QAction* action) {
        QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
    };

    // Six small buttons: new, open, save above; copy, cut, paste below.
    auto* small = new QWidget(toolArea_);
    auto* grid = new QGridLayout(small);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    const QStyle* st = style();
    const std::tuple<const char*, const char*, const char*, QStyle::StandardPixmap, const char*>
        smallButtons[] = {
            {"BtnNew", "Nowy", "Nowy|Nowy dokument.", QStyle::SP_FileIcon, "MenuFile_New"},
            {"BtnOpen", "Otwórz", "Otwórz...|Otwiera plik.", QStyle::SP_DialogOpenButton, "MenuFile_Open"},
            {"BtnSave", "Zapisz", "Zapisz|Zapisuje aktualnie edytowany plik.", QStyle::SP_DialogSaveButton,
             "MenuFile_Save"},
            {"BtnCopy", "Kopiuj", "Kopiuj|Kopiuje zaznaczony fragment do schowka.",
             QStyle::SP_FileDialogContentsView, "MenuEdit_Copy"},
            {"BtnCut", "Wytnij", "Wytnij|Wycina zaznaczony fragment do schowka.",
             QStyle::SP_DialogDiscardButton, "MenuEdit_Cut"},
            {"BtnPaste", "Wstaw", "Wstaw|Wstawia zwartość schowka.", QStyle::SP_DialogApplyButton,
             "MenuEdit_Paste"}};
    int index = 0;
    for (const auto& [name, text, hint, icon, target] : smallButtons) {
        QToolButton* b =
            makeButton(QString::fromLatin1(name), QString::fromUtf8(text), QString::fromUtf8(hint), small);
        b->setIcon(st->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setFixedSize(24, 24);
        bindTo(b, action(QString::fromLatin1(target)));
        grid->addWidget(b, index / 3, index % 3);
        ++index;
    }
    upper->addWidget(small);

    // The tool pages: "HTML" with the generators and the style menu, "PHP" with the constants.
    toolPages_ = new QTabWidget(toolArea_);
    toolPages_->setObjectName(QStringLiteral("ToolPages"));
    toolPages_->setFixedHeight(62);
    auto* html = new QWidget;
    auto* htmlRow = new QHBoxLayout(html);
    htmlRow->setContentsMargins(2, 2, 2, 2);
    htmlRow->setSpacing(2);
    const std::tuple<const char*, const char*, const char*> htmlButtons[] = {
        {"BtnHTML_Table", "Tabela", "Wstawia tabelę HTML'a."},
        {"BtnInsertNewhForm", "Formularz", "Wstawia początek formularza."},
        {"BtnH_FEdit", "Pole", "Wstawia pole tekstowe."},
        {"BtnH_FMemo", "Obszar", "Wstawia pole tekstowe wieloliniowe."},
        {"BtnH_FChecked", "Wybór", "Wstawia pole wielokrotnego wyboru opcji."},
        {"BtnH_FRadio", "Opcje", "Wstawia pole wyboru opcji."},
        {"BtnH_FComboBox", "Lista", "Wstawia rozwijane pole wyboru."},
        {"BtnH_FButton", "Przycisk", "Wstawia przycisk"},
        {"BtnInserthFormEnd", "Koniec", "Wstawia koniec formularza."},
        {"BtnHTML_Version", "Wersja", "Wstawia wersję HTML'a. "},
        {"BtnHTML_Meta", "META", "Wstawia tagi <META>"},
        {"BtnHTML_Font", "Czcionka", "Wstawia czcionkę."},
        {"BtnHTML_InsertColor", "Kolor", "Wstawia kolor."}};
    for (const auto& [name, text, hint] : htmlButtons) {
        QToolButton* b =
            makeButton(QString::fromLatin1(name), QString::fromUtf8(text), QString::fromUtf8(hint), html);
        QAction* a = command(QString::fromLatin1(name), QString::fromUtf8(text), QString::fromUtf8(hint));
        bindTo(b, a);
        laterPart(QString::fromLatin1(name));
        htmlRow->addWidget(b);
    }
    QToolButton* styles = makeButton(QStringLiteral("BtnStyleTags"), QStringLiteral("Style"),
                                     QStringLiteral("Wstawia tagi stylów."), html);
    auto* styleMenu = new QMenu(styles);
    styleMenu->setObjectName(QStringLiteral("PopupMenuStyles"));
    menus_.insert(styleMenu->objectName(), styleMenu);
    styles->setMenu(styleMenu);
    styles->setPopupMode(QToolButton::InstantPopup);
    htmlRow->addWidget(styles);
    htmlRow->addStretch(1);
    toolPages_->addTab(html, QStringLiteral("HTML"));

    auto* php = new QWidget;
    auto* phpRow = new QHBoxLayout(php);
    phpRow->setContentsMargins(2, 2, 2, 2);
    QToolButton* constants = makeButton(QStringLiteral("BtnPHPConstants"), QStringLiteral("$ Stałe"),
                                        QStringLiteral("Wstawia jedną ze stałych PHP."), php);
    auto* variables = new QMenu(constants);
    variables->setObjectName(QStringLiteral("PopupMenuPHPVars"));
    menus_.insert(variables->objectName(), variables);
    const char* names[] = {
        "$QUERY_STRING", nullptr,      "$HTTP_GET_VARS",  "$HTTP_POST_VARS", "$HTTP_COOKIE_VARS",
        nullptr,         "$PHP_SELF",  "$HTTP_REFERER",   nullptr,           "$REMOTE_ADDR",
        "$REMOTE_HOST",  "$HTTP_HOST", "$HTTP_USER_AGENT"};
    for (const char* name : names) {
        if (!name) {
            variables->addSeparator();
            continue;
        }
        QAction* item = variables->addAction(QString::fromLatin1(name));
        item->setStatusTip(QStringLiteral("Wstawia"));
        connect(item, &QAction::triggered, this, [this, item] {
            workspace_->insertText(fromWin1250(removeChar('&', toWin1250(item->text()))));
        });
    }
    constants->setMenu(variables);
    constants->setPopupMode(QToolButton::InstantPopup);
    phpRow->addWidget(constants);
    phpRow->addStretch(1);
    toolPages_->addTab(php, QStringLiteral("PHP"));
    upper->addWidget(toolPages_, 1);

    // The lower tool row.
    auto* lower = new QHBoxLayout;
    lower->setSpacing(2);
    row->addLayout(lower);
    const std::tuple<const char*, const char*, const char*, const char*> lowerButtons[] = {
        {"BtnAddFile", "Dodaj plik", "Dodaj plik|Dodaje plik do projektu.", "MenuProject_AddFile"},
        {"BtnRemoveFile", "Usuń plik", "Usuń plik|Usuwa plik z projektu.", "MenuProject_RemoveFile"},
        {"BtnProjectFiles", "Pliki", "Pliki|Pokazuje liste plików projektu.", "MenuProject_Files"},
        {"BtnFunctions", "Funkcje", "Funkcje|Otwiera okno, zawierające wszystkie funkcje PHP.",
         "MenuInsert_Functions"},
        {"BtnInsertDir", "Wstaw katalog", "Wstaw katalog|Wstawia katalogo do dokumentu",
         "MenuInsert_ProjectDir"}};
    for (const auto& [name, text, hint, target] : lowerButtons) {
        QToolButton* b = makeButton(QString::fromLatin1(name), QString::fromUtf8(text),
                                    QString::fromUtf8(hint), toolArea_);
        bindTo(b, action(QString::fromLatin1(target)));
        lower->addWidget(b);
    }
    QToolButton* browse = makeButton(
        QStringLiteral("BtnBrowse"), QStringLiteral("Przeglądaj"),
        QStringLiteral(
            "Przeglądaj|Uruchamia domyślną przeglądarke i otwiera w niej aktualnie edytowany dokument."),
        toolArea_);
    auto* browseMenu = new QMenu(browse);
    browseMenu->setObjectName(QStringLiteral("PopupMenuBrowse"));
    menus_.insert(browseMenu->objectName(), browseMenu);
    QAction* mini = command(QStringLiteral("MenuPop_MiniBrowser"), QStringLiteral("Mini Przeglądarka"));
    mini->setCheckable(true);
    browseMenu->addAction(mini);
    browseMenu->setDefaultAction(mini);
    browseMenu->addAction(command(QStringLiteral("MenuPop_Browser"), QStringLiteral("&Przeglądarka")));
    browseMenu->addAction(
        command(QStringLiteral("MenuPop_SystemBrowser"), QStringLiteral("Microsoft Internet Explorer")));
    auto* previewGroup = new QActionGroup(this);
    QAction* asFile = command(QStringLiteral("MenuPop_BrosFile"), QStringLiteral("Przeglądaj jako plik..."));
    QAction* document =
        command(QStringLiteral("MenuPop_BrosDocument"), QStringLiteral("Przeglądaj bieżący dokument"),
                QStringLiteral("Podgląd pokazuje aktywny dokument pod jego adresem na serwerze."));
    QAction* none =
        command(QStringLiteral("MenuPop_NoBros"), QStringLiteral("Brak zdefinowanego pliku do przeglądania"));
    for (QAction* a : {asFile, document, none}) {
        a->setCheckable(true);
        previewGroup->addAction(a);
        browseMenu->addAction(a);
    }
    asFile->setChecked(true);
    for (const char* name :
         {"MenuPop_MiniBrowser", "MenuPop_Browser", "MenuPop_SystemBrowser", "MenuPop_BrosFile"})
        laterPart(QString::fromLatin1(name));
    browse->setMenu(browseMenu);
    browse->setPopupMode(QToolButton::MenuButtonPopup);
    connect(browse, &QToolButton::clicked, mini, &QAction::trigger);
    lower->addWidget(browse);
    QToolButton* wizard =
        makeButton(QStringLiteral("BtnClassWizard"), QStringLiteral("Kreator Class"),
                   QStringLiteral("Kreator Class|Otwiera okno Kreatora Class PHP."), toolArea_);
    bindTo(wizard, action(QStringLiteral("MenuTools_ClassWizard")));
    lower->addWidget(wizard);
    QToolButton* hints = makeButton(
        QStringLiteral("BtnPHPHints"), QStringLiteral("Podpowiedzi PHP"),
        QStringLiteral("Podpowiedzi PHP|Wyłacza/wyłacza wyświetlanie opisów funkcji i procedur PHP."),
        toolArea_);
    bindTo(hints, action(QStringLiteral("MenuView_PHPHints")));
    lower->addWidget(hints);
    lower->addStretch(1);
    auto* picture = makeButton(QStringLiteral("BtnPresentation"), QStringLiteral("Wertan PHP"),
                               QStringLiteral("Wertan PHP|Uruchamia prezentację programu."), toolArea_);
    bindTo(picture, action(QStringLiteral("MenuTools_Presentation")));
    lower->addWidget(picture);
    applyProjectCommandState();
}

} // namespace wertan
