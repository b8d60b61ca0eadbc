// The main window: command set, status bar, view options, layout store and the closing check.
#include "main_window_harness.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

using namespace wertan;
using namespace wertan::test;

using MainWindowTest = MainWindowHarness;

namespace {
// A menu's items as "caption|shortcut|hint", separators as "-", hidden items marked "(hidden)".
QStringList describe(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            out << QStringLiteral("-");
            continue;
        }
        QString item =
            a->text() + QLatin1Char('|') + a->shortcut().toString() + QLatin1Char('|') + a->statusTip();
        if (!a->isVisible())
            item += QStringLiteral(" (hidden)");
        else if (!a->isEnabled())
            item += QStringLiteral(" (disabled)");
        out << item;
    }
    return out;
}
} // namespace

TEST_F(MainWindowTest, MenuBarHoldsTheMenusInOrder) {
    QStringList titles;
    for (QAction* a : window->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&Plik", "&Edycja", "&Wstaw", "Widok", "P&rojekt", "&Klasy", "&Narzędzia",
                                   "Serwery", "P&omoc"}));
    EXPECT_FALSE(window->menu(QStringLiteral("MenuProject"))->menuAction()->isEnabled());
}

TEST_F(MainWindowTest, FileAndEditMenusCarryTheirCaptionsShortcutsAndHints) {
    EXPECT_EQ(
        describe(window->menu(QStringLiteral("MenuFile"))),
        (QStringList{
            "&Nowy|Ctrl+N|Tworzy nowy plik edycji.",
            "Nowy &SQL||Tworzy nowy dokument SQL.",
            "Nowy &Projekt||Otwiera okno, w którym można wybrać typ nowego dokumentu.",
            "&Otwórz...|Ctrl+O|Otwiera projekt albo plik.",
            "Otwórz z sieci...||Otwiera plik z dowolnego miejsca w sieci.",
            "O&twórz projekt...||Otwiera plik projektu, zapisany na dysku.",
            "Otwórz ponownie||",
            "&Zapisz|Ctrl+S|Zapisuje aktulanie edytowany dokument.",
            "Zapisz &jako...||Zapisuje aktualnie edytowany plik jako dokument jako plik pod inną nazwą.",
            "Zapisz &wszystko||Zapisuje wszystkie pliki projektu.",
            "Zapisz proje&kt|| (disabled)",
            "Zapisz w sieci...||",
            "&Drukuj...|Ctrl+P|Drukuje aktualny dokument.",
            "Drukuj wszystko...||",
            "Za&mknij||Zamyka aktualnie edytowany plik.",
            "Z&amknij wszystko||Zamyka wszytkie edytowane pliki.",
            "Za&mknij projekt||Zamyka aktualny projekt. (disabled)",
            "W&yjście||Zamyka program Wertan PHP.",
        }));
    EXPECT_EQ(describe(window->menu(QStringLiteral("MenuEdit"))),
              (QStringList{
                  "&Kopiuj|Ctrl+C|Kopiuje zaznaczony fragment do schowka.",
                  "W&ytnij|Ctrl+X|Wycina zaznaczony fragment do schowka.",
                  "&Wstaw|Ctrl+V|Wstawia zwartość schowka.",
                  "Wstaw do nowego dokumentu||Wstawia zawartość scgowka do nowego dokumetnu.",
                  "Pokaż zawartość schowka||",
                  "&Szukaj...|Ctrl+F|Kliknij, aby odnaleźć szukane dane.",
                  "&Zastąp...|Ctrl+R|Kliknij, aby zastępić jedne dane drugimi.",
                  "Znajdź następne|F3|",
                  "&Idź do linii...||Przenosi do wskazanej lini.",
              }));
    EXPECT_EQ(describe(window->menu(QStringLiteral("MenuFile_Reopen"))), (QStringList{"-", "Więcej...||"}));
}

TEST_F(MainWindowTest, InsertMenuHasTheTemplateTagMenuSeventh) {
    const QStringList items = describe(window->menu(QStringLiteral("MenuInsert")));
    EXPECT_EQ(
        items,
        (QStringList{"&Funkcje...||Otwiera okno, zawierające wszystkie funkcje PHP3.",
                     "&Katalog projektu...||Wstawia katalog do projektu.", "-",
                     "Tagi JavaScript||Wstawia słowa kluczowe skryptu JavaScript do aktualnego dokumentu.",
                     "Tagi <NOSCRIPT>||Wstawia słowa kluczowe skrypu, dla przeglądarek nie obsługujących "
                     "JavaScript'u",
                     "-", "&Tagi zkPHP||", "-", "Funkcja||", "Funkcja warunkowa||", "Funkcja wyboru||",
                     "Pętle||", "Zmienna klasy||", "-",
                     "PHP Info||Wstawia funkcję wyświetlającą informacje o php."}));
    EXPECT_EQ(window->menu(QStringLiteral("MenuInsert"))->actions().at(6),
              window->menu(QStringLiteral("MenuInsert_zkPHPTags"))->menuAction());
}

TEST_F(MainWindowTest, OtherMenusListTheirItems) {
    EXPECT_EQ(describe(window->menu(QStringLiteral("MenuView"))),
              (QStringList{"Projekt &Manager|F11| (hidden)", "Obszar dokowalny||", "Zakładki dokumentów||",
                           "Pomoc||",
                           "Podpowiedzi PHP||Wyłacza/wyłacza wyświetlanie opisów funkcji i procedur PHP.",
                           "Kodowanie znaków||Opcje dotyczące kodowania znaków."}));
    EXPECT_EQ(describe(window->menu(QStringLiteral("MenuView_Coding"))),
              (QStringList{
                  "Windows-1250|| (disabled)", "ISO-8859-2|| (disabled)", "Wszystkie na Windows-1250||",
                  "Wszystkie na ISO-8859-2||", "-",
                  "Dokument w UTF-8||Aktywny dokument będzie zapisywany w kodowaniu UTF-8 (zaznaczone: tak "
                  "jest zapisany teraz).",
                  "Dokument w Windows-1250||Aktywny dokument będzie zapisywany w kodowaniu Windows-1250 "
                  "(zaznaczone: tak jest zapisany teraz).",
                  "-",
                  "Nowe dokumenty w UTF-8||Nowe dokumenty są zapisywane w kodowaniu UTF-8; wyłączone: "
                  "w Windows-1250."}))
        << "the conversions of Windows-1250 bytes are off while the (UTF-8) starting document is active";
    EXPECT_EQ(describe(window->menu(QStringLiteral("MenuProject"))),
              (QStringList{"&Katalogii...||Otwiera okno zawierające katalogi projektu",
                           "&Dodaj plik||Otwiera okno, które umożliwia dodanie pliku do projektu.",
                           "&Usuń plik||Umożliwa usunięcie pliku z projektu.",
                           "&Pliki...\tCtrl+F||Otwiera okno umożliwiające zażądzanie plikami projektu.",
                           "&Do zrobienia...||"}));
    EXPECT_EQ(
        describe(window->menu(QStringLiteral("MenuClasses"))),
        (QStringList{"&Dodaj...||Dodaje nową klasę.", "&Zarządca klas...||Otwiera okno zarządce klas.",
                     "&Utwórz plik inicjujący klasę||Umożliwa, utworzenie pliku ACLS - inicjującego klasy",
                     "&Odśwież||Wczytuje ponownie zakładki z klasami."}));
    const QStringList tools = describe(window->menu(QStringLiteral("MenuTools")));
    ASSERT_EQ(tools.size(), 6);
    EXPECT_EQ(tools.mid(1),
              (QStringList{"Kreator Class||Uruchamia kreator Class PHP.", "Opcje &Edytora...||",
                           "Opcje FTP...||Opcje umożliwiające skonfigurowanie FTP.",
                           "&Opcje...||Opcje umożliwiające skonfigurowanie ogólne programu.",
                           "Autotest programu||Program sam sprawdza składniki wchodzące w skład programu"}));
    EXPECT_EQ(
        describe(window->menu(QStringLiteral("MenuServers_FTPCommands"))),
        (QStringList{
            "Połącz||Łączy z serwerem ftp.", "Rozłącz||Kończy połączenie z serwerem ftp.", "-",
            "Awaryjne przerwanie połączenia||Wymusza awaryjne, natyczmiastowe rozłączenie z serwerem."}));
    const QStringList help = describe(window->menu(QStringLiteral("MenuHelp")));
    EXPECT_EQ(
        help.mid(0, 10),
        (QStringList{"&Główna strona pomocy||", "-", "Pomoc programu|F1|Otwiera konteksową pomoc programu.",
                     "&Indeks pomocy|Shift+F1|Otwiera indeks pomocy programu.", "-", "&Strona Wertana PHP||",
                     "-", "Napisz do autora||", "-", "O &programie||Otwiera okno informacji o programie."}));
}

TEST_F(MainWindowTest, EditorPopupMenuAndItsColouringGroup) {
    EXPECT_EQ(describe(window->menu(QStringLiteral("PopupMenuCodeEdit"))),
              (QStringList{"&Kopiuj||", "W&ytnij||", "&Wstaw||", "Po&dświetlanie||",
                           "&Nowy PHP\tCtrl+N||Nowy dokument PHP.", "Nowy &czysty||Nowy czysty dokument.",
                           "&Otwórz...\tCtrl+O||", "Otwórz plik przy kusorze||", "&Zapisz\tCtrl+S||",
                           "Zapisz &jako...||", "Za&mknij||", "Z&amknij wszystko||"}));
    EXPECT_EQ(describe(window->menu(QStringLiteral("PopupMenu_Highlighter"))),
              (QStringList{"&PHP|Shift+F10|", "&HTML|Shift+F11|", "&SQL|Shift+F12|", "&JavaScript||",
                           "&CSS||", "-", "Wyłącz||"}));
    EXPECT_TRUE(window->action(QStringLiteral("PopupMenu_HLPHP"))->isChecked());
    run("PopupMenu_HLHTML");
    EXPECT_EQ(window->editorEnvironment().colouringOf(ws().activeEditor()), ColouringKind::Html);
    run("PopupMenu_HLOFF");
    EXPECT_EQ(window->editorEnvironment().colouringOf(ws().activeEditor()), std::nullopt);
    // Switching tabs checks the item of the page's colouring, "Wyłącz" for none.
    run("MenuFile_NewSQL");
    ws().tabs()->setCurrentIndex(0);
    EXPECT_TRUE(window->action(QStringLiteral("PopupMenu_HLOFF"))->isChecked());
    ws().tabs()->setCurrentIndex(1);
    EXPECT_TRUE(window->action(QStringLiteral("PopupMenu_HLSQL"))->isChecked());
}

TEST_F(MainWindowTest, StatusBarHasSevenPanelsAndShowsKeyboardToggles) {
    keyboard.insert = true;
    keyboard.caps = true;
    keyboard.num = false;
    window->idleStep();
    EXPECT_EQ(window->statusPanelText(3), QStringLiteral("Wst."));
    EXPECT_EQ(window->statusPanelText(4), QStringLiteral("CAP"));
    EXPECT_EQ(window->statusPanelText(5), QString());
    keyboard.insert = false;
    keyboard.caps = false;
    keyboard.num = true;
    window->refreshKeyboardPanels();
    EXPECT_EQ(window->statusPanelText(3), QStringLiteral("Nadp."));
    EXPECT_EQ(window->statusPanelText(4), QString());
    EXPECT_EQ(window->statusPanelText(5), QStringLiteral("NUM"));
    const auto panels = window->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^StatusPanel\\d$")));
    EXPECT_EQ(panels.size(), 7);
}

TEST_F(MainWindowTest, LongHintsGoToTheLastPanel) {
    QStatusTipEvent tip(window->action(QStringLiteral("MenuFile_New"))->statusTip());
    QApplication::sendEvent(window.get(), &tip);
    EXPECT_EQ(window->statusPanelText(6), QStringLiteral("Tworzy nowy plik edycji."));
    QToolButton* save = window->findChild<QToolButton*>(QStringLiteral("BtnSave"));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->toolTip(), QStringLiteral("Zapisz"));
    EXPECT_EQ(save->statusTip(), QStringLiteral("Zapisuje aktualnie edytowany plik."));
}

TEST_F(MainWindowTest, ProjectCommandsFollowTheProjectStateOnActivation) {
    window->activationStep();
    EXPECT_FALSE(window->findChild<QToolButton*>(QStringLiteral("BtnAddFile"))->isEnabled());
    EXPECT_TRUE(window->findChild<QToolButton*>(QStringLiteral("BtnFunctions"))->isEnabled());
    window->settings().project.projectOpen = true;
    window->activationStep();
    EXPECT_TRUE(window->menu(QStringLiteral("MenuProject"))->menuAction()->isEnabled());
    EXPECT_TRUE(window->action(QStringLiteral("MenuFile_CloseProject"))->isEnabled());
    EXPECT_TRUE(window->action(QStringLiteral("MenuFile_SaveProject"))->isEnabled());
    for (const char* name : {"BtnAddFile", "BtnRemoveFile", "BtnInsertDir", "BtnProjectFiles"})
        EXPECT_TRUE(window->findChild<QToolButton*>(QString::fromLatin1(name))->isEnabled()) << name;
}

TEST_F(MainWindowTest, DockingAreaSideSwitchesWhicheverItemIsChosen) {
    EXPECT_TRUE(window->dockingAreaOnLeft());
    run("MenuView_DockingArea_Left"); // already on the left: it moves right
    EXPECT_FALSE(window->dockingAreaOnLeft());
    EXPECT_FALSE(window->action(QStringLiteral("MenuView_DockingArea_Left"))->isChecked());
    EXPECT_TRUE(window->action(QStringLiteral("MenuView_DockingArea_Right"))->isChecked());
    run("MenuView_DockingArea_Left");
    EXPECT_TRUE(window->dockingAreaOnLeft());
    window->show();
    run("MenuView_DockingArea_Show");
    EXPECT_FALSE(window->dockingArea()->isVisible());
    run("MenuView_DockingArea_Show");
    EXPECT_TRUE(window->dockingArea()->isVisible());
}

TEST_F(MainWindowTest, DocumentTabsHideShowAndMove) {
    window->show();
    QTabBar* bar = window->documentTabs()->tabBar();
    const int natural = bar->sizeHint().height();
    run("MenuView_ShowCodeTabs_Show");
    EXPECT_LE(bar->maximumHeight(), 1);
    run("MenuView_ShowCodeTabs_Show");
    EXPECT_EQ(bar->sizeHint().height(), natural);
    EXPECT_GT(bar->maximumHeight(), 1);
    run("MenuView_ShowCodeTabs_Bottom");
    EXPECT_EQ(window->documentTabs()->tabPosition(), QTabWidget::South);
    EXPECT_TRUE(window->action(QStringLiteral("MenuView_ShowCodeTabs_Bottom"))->isChecked());
    EXPECT_FALSE(window->action(QStringLiteral("MenuView_ShowCodeTabs_Top"))->isChecked());
    // The "Z" button sits in the tab set's corner, beside the tabs and never over them: at the
    // bottom right with the tabs at the bottom.
    QTabWidget* tabs = window->documentTabs();
    QToolButton* button = window->documentListButton();
    QApplication::processEvents();
    auto area = [tabs](QWidget* w) { return QRect(w->mapTo(tabs, QPoint(0, 0)), w->size()); };
    EXPECT_TRUE(button->isVisible());
    EXPECT_FALSE(area(button).intersects(area(bar)))
        << "button " << area(button).x() << "," << area(button).y() << " " << area(button).width() << "x"
        << area(button).height() << ", bar " << area(bar).x() << "," << area(bar).y() << " "
        << area(bar).width() << "x" << area(bar).height();
    EXPECT_GT(area(button).center().y(), tabs->height() / 2);
    EXPECT_GT(area(button).center().x(), tabs->width() / 2);
    // With the tabs at a side the button heads the tab column, above its first tab.
    for (int i = 0; i < 30; ++i)
        run("MenuFile_New");
    for (const auto& [command, position] : {std::pair{"MenuView_ShowCodeTabs_Left", QTabWidget::West},
                                            std::pair{"MenuView_ShowCodeTabs_Right", QTabWidget::East},
                                            std::pair{"MenuView_ShowCodeTabs_Top", QTabWidget::North}}) {
        SCOPED_TRACE(command);
        run(command);
        QApplication::processEvents();
        EXPECT_EQ(tabs->tabPosition(), position);
        EXPECT_TRUE(button->isVisible());
        EXPECT_FALSE(area(button).intersects(area(bar)))
            << "button " << area(button).x() << "," << area(button).y() << " " << area(button).width() << "x"
            << area(button).height() << ", bar " << area(bar).x() << "," << area(bar).y() << " "
            << area(bar).width() << "x" << area(bar).height();
        if (position == QTabWidget::West) {
            EXPECT_LT(area(button).center().x(), tabs->width() / 2);
        } else if (position == QTabWidget::East) {
            EXPECT_GT(area(button).center().x(), tabs->width() / 2);
        }
        EXPECT_LT(area(button).center().y(), tabs->height() / 2);
    }
}

TEST_F(MainWindowTest, LayoutIsStoredUnderItsPropertyPaths) {
    run("MenuView_DockingArea_Right");
    run("MenuView_ShowCodeTabs_Bottom");
    window->saveLayout();
    QSettings ini(dir.file(QStringLiteral("settings.ini")), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Software/Wertan PHP/Main/FormMainPHP"));
    QStringList names = ini.childKeys();
    names.sort();
    QStringList expected{"FormMainPHP.WindowState",
                         "FormMainPHP.Position",
                         "PanelLeft.Left",
                         "PanelLeft.Top",
                         "PanelLeft.Width",
                         "PanelLeft.Height",
                         "MenuView_DockingArea_Show.Checked",
                         "MenuView_DockingArea_Left.Checked",
                         "MenuView_DockingArea_Right.Checked",
                         "PanelLeft.Align",
                         "MenuView_ShowCodeTabs_Left.Checked",
                         "MenuView_ShowCodeTabs_Right.Checked",
                         "MenuView_ShowCodeTabs_Top.Checked",
                         "MenuView_ShowCodeTabs_Bottom.Checked",
                         "MenuView_ShowCodeTabs_Show.Checked",
                         "PageControl.TabPosition",
                         "PageControl.TabHeight",
                         "PageControl.TabWidth",
                         "MenuView_Help_InBroserw.Checked",
                         "MenuView_Help_InLeftArea.Checked",
                         "PanelLeft.Visible",
                         "MenuView_Help_Window.Checked",
                         "SplitterMain.Visible",
                         "SplitterMain.Align"};
    expected.sort();
    EXPECT_EQ(names, expected);
    EXPECT_EQ(ini.value(QStringLiteral("PanelLeft.Align")).toString(), QStringLiteral("4"));
    EXPECT_EQ(ini.value(QStringLiteral("PageControl.TabPosition")).toString(), QStringLiteral("1"));
    EXPECT_EQ(ini.value(QStringLiteral("MenuView_DockingArea_Right.Checked")).toString(),
              QStringLiteral("1"));
    EXPECT_EQ(ini.value(QStringLiteral("FormMainPHP.Position")).toString(), QStringLiteral("5"));
    ini.endGroup();

    // A new run restores it.
    start({});
    EXPECT_FALSE(window->dockingAreaOnLeft());
    EXPECT_TRUE(window->action(QStringLiteral("MenuView_DockingArea_Right"))->isChecked());
    EXPECT_EQ(window->documentTabs()->tabPosition(), QTabWidget::South);
    EXPECT_TRUE(window->action(QStringLiteral("MenuView_ShowCodeTabs_Bottom"))->isChecked());
}

TEST_F(MainWindowTest, MissingOrBrokenLayoutValuesLeaveThePropertyAsItIs) {
    store->writeText(MainWindow::layoutKey(), QStringLiteral("PageControl.TabPosition"),
                     QStringLiteral("abc"));
    store->writeText(MainWindow::layoutKey(), QStringLiteral("MenuView_Help_Window.Checked"),
                     QStringLiteral("1"));
    store->sync();
    start({});
    EXPECT_EQ(window->documentTabs()->tabPosition(), QTabWidget::North);
    EXPECT_TRUE(window->action(QStringLiteral("MenuView_Help_Window"))->isChecked());
    EXPECT_TRUE(window->dockingAreaOnLeft());
}

TEST_F(MainWindowTest, TheFirstArgumentOpensASecondDocument) {
    const QString path = fileIn("arg.sql", "select 1;\r\n");
    start({path});
    EXPECT_EQ(captions(), (QStringList{"Beznazwy", "arg.sql"}));
    EXPECT_EQ(ws().activeIndex(), 1);
    EXPECT_EQ(window->editorEnvironment().colouringOf(ws().activeEditor()), ColouringKind::Sql);
}

TEST_F(MainWindowTest, ClosingAsksAboutChangedDocumentsFirstTabFirst) {
    run("MenuFile_New");
    run("MenuFile_New");
    const QString third = fileIn("third.php", "3\r\n");
    ws().openDocument(third, QStringLiteral(".PHP"));
    ws().activate(0);
    type(QStringLiteral("a"));
    ws().activate(3);
    type(QStringLiteral("c"));
    ws().activate(1);
    prompts.queueAnswer(Answer::No);
    prompts.queueAnswer(Answer::Yes);
    EXPECT_TRUE(window->closingCheck());
    EXPECT_EQ(questions(), (QStringList{"Plik: Beznazwy, został zmieniony. Zapisać teraz?",
                                        "Plik: third.php, został zmieniony. Zapisać teraz?"}));
    EXPECT_EQ(readAll(third), QByteArray("c3\r\n")) << "saved under its own name";
    EXPECT_EQ(ws().activeIndex(), 3);
    EXPECT_TRUE(prompts.unexpected().isEmpty());
}

TEST_F(MainWindowTest, CancelKeepsTheProgramOpenButStillAsksTheRest) {
    type(QStringLiteral("a"));
    run("MenuFile_New");
    type(QStringLiteral("b"));
    prompts.queueAnswer(Answer::Cancel);
    prompts.queueAnswer(Answer::No);
    QCloseEvent close;
    QApplication::sendEvent(window.get(), &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_EQ(questions().size(), 2);
    EXPECT_EQ(ws().count(), 2);
}

TEST_F(MainWindowTest, ACancelledSaveDialogOnClosingKeepsTheProgramOpen) {
    run("MenuFile_New");
    type(QStringLiteral("b"));
    prompts.queueAnswer(Answer::Yes);
    prompts.queueCancel();
    EXPECT_FALSE(window->closingCheck());
    EXPECT_TRUE(ws().page(1)->isChanged());
}

TEST_F(MainWindowTest, ExitWithNothingChangedClosesAndStoresTheLayout) {
    window->show();
    run("MenuFile_Exit");
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(prompts.asked().empty());
    EXPECT_TRUE(store->valueExists(MainWindow::layoutKey(), QStringLiteral("SplitterMain.Align")));
}

TEST_F(MainWindowTest, EveryCommandHasItsAction) {
    QStringList left = window->commandsNotAvailable();
    left.sort();
    EXPECT_EQ(left.join(QLatin1Char(' ')).toStdString(), "");
}

TEST_F(MainWindowTest, CommandWhoseWindowIsMissingSaysSo) {
    // The main window alone, before the windows that answer its commands are created.
    window.reset();
    window = std::make_unique<MainWindow>(
        ShellServices{prompts, *store, launcher, keyboard, ProgramPaths(programDir)});
    prompts.clear();
    run("MenuClasses_Refresh");
    const QStringList messages = prompts.askedTexts(AskedPrompt::Kind::Message);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0],
              QStringLiteral("Polecenie \"Odśwież\" nie jest jeszcze dostępne w tej wersji programu."));
}

TEST_F(MainWindowTest, PhpVariablesMenuInsertsTheNameAtTheCaret) {
    ws().activeEditor()->setDocumentBytes("");
    QMenu* vars = window->menu(QStringLiteral("PopupMenuPHPVars"));
    ASSERT_NE(vars, nullptr);
    EXPECT_EQ(describe(vars).size(), 13);
    for (QAction* a : vars->actions())
        if (a->text() == QStringLiteral("$PHP_SELF")) a->trigger();
    EXPECT_EQ(activeText(), "$PHP_SELF");
}

TEST_F(MainWindowTest, TagMenusAreBuiltFromTheDeliveredFiles) {
    QMenu* styles = window->menu(QStringLiteral("PopupMenuStyles"));
    QMenu* tags = window->menu(QStringLiteral("MenuInsert_zkPHPTags"));
    ASSERT_FALSE(styles->actions().isEmpty());
    ASSERT_FALSE(tags->actions().isEmpty());
    ws().activeEditor()->setDocumentBytes("");
    QAction* first = styles->actions().first();
    EXPECT_FALSE(first->statusTip().isEmpty());
    first->trigger();
    EXPECT_FALSE(activeText().empty());
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(MainWindowTest, AMissingStyleFileEndsTheCreationStep) {
    // A program directory with the data files removed.
    TempDir program;
    QDir().mkpath(program.file(QStringLiteral("data")));
    QDir().mkpath(program.file(QStringLiteral("config")));
    programDir = program.path();
    store->writeText(MainWindow::layoutKey(), QStringLiteral("PageControl.TabPosition"), QStringLiteral("1"));
    store->sync();
    prompts.clear();
    start({});
    const QStringList errors = prompts.askedTexts(AskedPrompt::Kind::Error);
    // The server settings files and the function catalogue are missing from this folder too; they
    // are reported after.
    ASSERT_GE(errors.size(), 2);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("styltags.dat"))) << errors[0].toStdString();
    EXPECT_TRUE(errors.filter(QStringLiteral("path.dat")).size() == 1)
        << errors.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(window->menu(QStringLiteral("PopupMenuStyles"))->actions().isEmpty());
    EXPECT_TRUE(window->menu(QStringLiteral("MenuInsert_zkPHPTags"))->actions().isEmpty());
    EXPECT_EQ(window->documentTabs()->tabPosition(), QTabWidget::North) << "the saved layout is not restored";
    EXPECT_EQ(ws().count(), 1) << "start-up goes on";
}

TEST_F(MainWindowTest, SaveAllWritesEveryChangedDocumentAndStopsWhereOneIsNotWritten) {
    const QString a = fileIn(QStringLiteral("a.php"), "a\n");
    const QString b = fileIn(QStringLiteral("b.php"), "b\n");
    const QString c = fileIn(QStringLiteral("c.php"), "c\n");
    for (const QString& path : {a, b, c})
        ws().openDocument(path, QStringLiteral(".PHP"));
    ws().activate(ws().count() - 3);
    type(QStringLiteral("1"));
    ws().activate(ws().count() - 1);
    type(QStringLiteral("3"));
    const int bIndex = ws().count() - 2;
    run("MenuFile_New"); // untitled and changed: asks for a name
    type(QStringLiteral("n"));
    const std::string newText = activeText();
    ws().activate(bIndex); // unchanged, in front
    const QString named = dir.file(QStringLiteral("nowy.php"));
    prompts.queueFiles({named});
    run("MenuFile_SaveAll");
    EXPECT_EQ(readAll(a), "1a\n");
    EXPECT_EQ(readAll(b), "b\n");
    EXPECT_EQ(readAll(c), "3c\n");
    EXPECT_EQ(readAll(named).toStdString(), newText);
    EXPECT_EQ(ws().activePage()->path(), b);
    for (int i = 0; i < ws().count(); ++i)
        EXPECT_FALSE(ws().page(i)->isChanged()) << i;

    // A name not given: that document stays changed and in front; those before it were written.
    type(QStringLiteral("2"));
    run("MenuFile_New");
    type(QStringLiteral("x"));
    const int untitled = ws().activeIndex();
    ws().activate(0);
    prompts.queueCancel();
    run("MenuFile_SaveAll");
    EXPECT_EQ(readAll(b), "2b\n");
    EXPECT_EQ(ws().activeIndex(), untitled);
    EXPECT_TRUE(ws().activePage()->isChanged());
}
