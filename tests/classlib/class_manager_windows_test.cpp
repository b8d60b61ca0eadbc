// The class manager, the add-class dialog and the create-init-file dialog through the real main
// window: what they change in memory, what they write, and the class pages after "&Odśwież".
#include "classlib/ui/class_catalogue_dialogs.h"
#include "classlib/ui/class_pages.h"
#include "shell/main_window_harness.h"
#include "text/document_text.h"
#include "text/win1250.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace wertan;
using namespace wertan::test;

namespace {

const QString kFixtures = QStringLiteral(WERTAN_CLASSLIB_FIXTURES);

class ClassManagerWindows : public MainWindowHarness {
protected:
    QString catalogueFile() const { return programDir + QStringLiteral("/data/classes/class.cls"); }
    std::vector<ClassTab>& memory() { return window->findChild<ClassPages*>()->catalogue(); }
    ClassManagerDialog* manager() { return window->findChild<ClassManagerDialog*>(); }
    std::string fileBytes(const QString& path) {
        std::string bytes;
        QString error;
        EXPECT_TRUE(readFileBytes(path, &bytes, &error)) << error.toStdString();
        return bytes;
    }
    std::vector<ClassTab> readBack() {
        const CatalogueReadResult read = readCatalogue(fileBytes(catalogueFile()));
        EXPECT_TRUE(read.ok) << read.error;
        return read.tabs;
    }
    QStringList gridColumn(int column) {
        QStringList texts;
        QTableWidget* grid = manager()->grid();
        for (int r = 0; r < grid->rowCount(); ++r)
            texts << (grid->item(r, column) ? grid->item(r, column)->text() : QString());
        return texts;
    }
    QList<QToolButton*> buttonsOf(int page) {
        auto* strip = qobject_cast<QScrollArea*>(window->toolPages()->widget(page));
        return strip ? strip->widget()->findChildren<QToolButton*>() : QList<QToolButton*>();
    }
    void chooseTab(int index) {
        manager()->tabList()->setCurrentIndex(index);
        emit manager()->tabList()->activated(index);
    }
    void writeCatalogueFile(const std::vector<ClassTab>& tabs, const std::string& below = {}) {
        ASSERT_TRUE(writeFileAtomically(catalogueFile(), writeCatalogue(tabs, "x") + below, nullptr));
    }
};

CatalogueClass delivered(const char* name, ClassType type = ClassType::Ordinary) {
    const std::string n = name;
    return {n, "zklib\\" + n + "\\" + n + ".php", "data\\classes\\" + n + "\\" + n + ".bmp", type};
}

void fitsTheScreen(QDialog* dialog) {
    dialog->adjustSize();
    EXPECT_LE(dialog->sizeHint().width(), 1366) << dialog->windowTitle().toStdString();
    EXPECT_LE(dialog->sizeHint().height(), 768 - 40) << dialog->windowTitle().toStdString();
    EXPECT_LE(dialog->width(), 1366);
    EXPECT_LE(dialog->height(), 768 - 40);
}

} // namespace

// Notes what the status bar says when an error box comes up.
class StatusAtErrors : public ScriptedPrompts {
public:
    explicit StatusAtErrors(std::unique_ptr<MainWindow>& window) : window_(window) {}
    void error(const QString& text) override {
        statuses << (window_ ? window_->statusPanelText(6) : QString());
        ScriptedPrompts::error(text);
    }
    QStringList statuses;

private:
    std::unique_ptr<MainWindow>& window_;
};

TEST_F(ClassManagerWindows, StatusTextWhileTheCatalogueIsRead) {
    // A class whose picture is missing: its error box comes while the pages are built.
    writeCatalogueFile({{"Inne", {{"x", "zklib\\x\\x.php", "data\\classes\\x\\brak.bmp"}}}});
    StatusAtErrors watching(window);
    promptsInUse = &watching;
    start({});
    EXPECT_EQ(watching.statuses, QStringList{QStringLiteral("Wczytuję tagi zkPHP...")});
    EXPECT_EQ(window->statusPanelText(6), QString()); // gone once the pages are built
    promptsInUse = nullptr;
    window.reset();
}

TEST_F(ClassManagerWindows, TheGridOfTheFirstTab) {
    run("MenuClasses_Manager");
    ClassManagerDialog* dialog = manager();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Zarządca klas"));
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Message).isEmpty()); // no "not available" note
    EXPECT_EQ(dialog->tabList()->count(), 2);
    EXPECT_EQ(dialog->tabList()->currentText(), QStringLiteral("Bazy danych"));
    QTableWidget* grid = dialog->grid();
    QStringList titles;
    for (int c = 0; c < grid->columnCount(); ++c)
        titles << grid->horizontalHeaderItem(c)->text();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Nazwa"), QStringLiteral("Plik główny"),
                                   QStringLiteral("Plik ikony"), QStringLiteral("Typ")}));
    EXPECT_TRUE(grid->verticalHeader()->isVisible()); // the narrow unnamed first column
    EXPECT_LE(grid->verticalHeader()->width(), 30);
    EXPECT_EQ(gridColumn(0),
              (QStringList{QStringLiteral("baza"), QStringLiteral("tabela"), QStringLiteral("ksiegagosci")}));
    EXPECT_EQ(gridColumn(1).first(), QStringLiteral("zklib\\baza\\baza.php"));
    EXPECT_EQ(gridColumn(3).first(), QStringLiteral("zwykły"));
    fitsTheScreen(dialog);
    dialog->cancelButton()->click();
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ClassManagerWindows, PanelsShowAndHide) {
    run("MenuClasses_Manager");
    ClassManagerDialog* dialog = manager();
    EXPECT_TRUE(dialog->addTabPanel()->isHidden());
    EXPECT_TRUE(dialog->removeTabPanel()->isHidden());
    dialog->addTabButton()->click();
    EXPECT_FALSE(dialog->addTabPanel()->isHidden());
    EXPECT_EQ(dialog->tabNameInput()->text(), QStringLiteral("Nowa Zakładka"));
    EXPECT_TRUE(dialog->confirmTabButton()->text().isEmpty()); // a picture only
    EXPECT_FALSE(dialog->confirmTabButton()->icon().isNull());
    dialog->removeTabButton()->click();
    EXPECT_TRUE(dialog->addTabPanel()->isHidden());
    EXPECT_FALSE(dialog->removeTabPanel()->isHidden());
    QTest::mouseClick(dialog->grid()->viewport(), Qt::LeftButton);
    EXPECT_TRUE(dialog->removeTabPanel()->isHidden());
    dialog->addTabButton()->click();
    dialog->addClassButton()->click(); // every other button hides the panels
    EXPECT_TRUE(dialog->addTabPanel()->isHidden());
    dialog->removeTabButton()->click();
    dialog->noButton()->click();
    EXPECT_TRUE(dialog->removeTabPanel()->isHidden());
    EXPECT_EQ(dialog->tabList()->count(), 2);
    // Enter in the name input confirms the new tab.
    dialog->addTabButton()->click();
    dialog->tabNameInput()->setText(QStringLiteral("Z klawiatury"));
    QTest::keyClick(dialog->tabNameInput(), Qt::Key_Return);
    EXPECT_TRUE(dialog->addTabPanel()->isHidden());
    EXPECT_EQ(dialog->tabList()->currentText(), QStringLiteral("Z klawiatury"));
    dialog->cancelButton()->click();
}

TEST_F(ClassManagerWindows, EditsWrittenByOkReadBackEqual) {
    run("MenuClasses_Manager");
    ClassManagerDialog* dialog = manager();
    QTableWidget* grid = dialog->grid();
    grid->item(0, 0)->setText(QStringLiteral("bazą"));
    // "Typ" is chosen from a drop-down of the two type words.
    grid->setCurrentCell(0, 3);
    grid->editItem(grid->item(0, 3));
    auto* typeBox = grid->viewport()->findChild<QComboBox*>();
    ASSERT_NE(typeBox, nullptr);
    EXPECT_EQ(typeBox->count(), 2);
    EXPECT_EQ(typeBox->currentText(), QStringLiteral("zwykły"));
    typeBox->setCurrentIndex(1);
    grid->setCurrentCell(1, 0);
    EXPECT_EQ(grid->item(0, 3)->text(), QStringLiteral("załącznik"));
    dialog->removeClassButton()->click(); // "tabela"
    dialog->addClassButton()->click();
    EXPECT_EQ(grid->rowCount(), 3);
    grid->item(2, 0)->setText(QStringLiteral("nowa"));
    // A row dragged by the first column: "nowa" to the top.
    grid->verticalHeader()->moveSection(2, 0);
    EXPECT_EQ(gridColumn(0),
              (QStringList{QStringLiteral("nowa"), QStringLiteral("bazą"), QStringLiteral("ksiegagosci")}));
    chooseTab(1);
    EXPECT_EQ(gridColumn(0).first(), QStringLiteral("kontakt"));
    dialog->addTabButton()->click();
    dialog->tabNameInput()->setText(QStringLiteral("Moja"));
    dialog->confirmTabButton()->click();
    EXPECT_EQ(dialog->tabList()->currentText(), QStringLiteral("Moja"));
    EXPECT_EQ(grid->rowCount(), 1);
    grid->item(0, 0)->setText(QStringLiteral("m"));
    dialog->okButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Error).isEmpty());

    const std::vector<ClassTab> onDisk = readBack();
    EXPECT_EQ(onDisk, memory());
    ASSERT_EQ(onDisk.size(), 3u);
    EXPECT_EQ(onDisk[0].classes,
              (std::vector<CatalogueClass>{{"nowa", "", "", ClassType::Ordinary},
                                           {utf8ToWin1250("bazą"), "zklib\\baza\\baza.php",
                                            "data\\classes\\baza\\baza.bmp", ClassType::Attachment},
                                           delivered("ksiegagosci")}));
    EXPECT_EQ(onDisk[2].name, "Moja");
    // The location line names the file itself.
    EXPECT_NE(fileBytes(catalogueFile()).find(toWin1250(catalogueFile())), std::string::npos);
    // The pages are not rebuilt by "&OK".
    EXPECT_EQ(window->toolPages()->count(), 4);
    run("MenuClasses_Refresh");
    EXPECT_EQ(window->toolPages()->count(), 5);
}

TEST_F(ClassManagerWindows, RemovedTabAndCancelKeepsWhatWasTaken) {
    const std::string before = fileBytes(catalogueFile());
    run("MenuClasses_Manager");
    ClassManagerDialog* dialog = manager();
    dialog->grid()->item(0, 0)->setText(QStringLiteral("zmieniona"));
    chooseTab(1); // takes the change into memory
    dialog->grid()->item(0, 0)->setText(QStringLiteral("nie wzięta"));
    dialog->cancelButton()->click();
    EXPECT_EQ(fileBytes(catalogueFile()), before);
    EXPECT_EQ(memory()[0].classes[0].name, "zmieniona");
    EXPECT_EQ(memory()[1].classes[0].name, "kontakt");

    // Shown again: the grid holds what memory holds.
    run("MenuClasses_Manager");
    EXPECT_EQ(dialog->tabList()->currentIndex(), 1);
    EXPECT_EQ(gridColumn(0).first(), QStringLiteral("kontakt"));
    dialog->removeTabButton()->click();
    dialog->yesButton()->click();
    EXPECT_TRUE(dialog->removeTabPanel()->isHidden());
    EXPECT_EQ(dialog->tabList()->count(), 1);
    EXPECT_EQ(gridColumn(0).first(), QStringLiteral("zmieniona"));
    dialog->removeTabButton()->click();
    dialog->yesButton()->click();
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Message),
              QStringList{QStringLiteral("Nie można usunąć jedynej zakładki klas.")});
    dialog->okButton()->click();
    ASSERT_EQ(readBack().size(), 1u);
    EXPECT_EQ(readBack()[0].classes[0].name, "zmieniona");
}

TEST_F(ClassManagerWindows, TwoTabsWrittenAndReadAgainAndInneActiveAfterStartUp) {
    const std::vector<ClassTab> tabs = {
        {utf8ToWin1250("Główna"), {delivered("baza")}},
        {"Inne", {delivered("tabela", ClassType::Attachment), delivered("licznik")}}};
    writeCatalogueFile(tabs, "uwaga pod koniec\r\n2\r\n");
    start({});
    EXPECT_EQ(memory(), tabs);
    EXPECT_EQ(window->toolPages()->tabText(window->toolPages()->currentIndex()), QStringLiteral("Inne"));
    run("MenuClasses_Manager");
    manager()->okButton()->click();
    EXPECT_EQ(readBack(), tabs);
    EXPECT_EQ(fileBytes(catalogueFile()).find("uwaga"), std::string::npos);

    start({});
    EXPECT_EQ(memory(), tabs);
    QTabWidget* pages = window->toolPages();
    ASSERT_EQ(pages->count(), 4);
    EXPECT_EQ(pages->tabText(2), QStringLiteral("Główna"));
    EXPECT_EQ(pages->currentIndex(), 3);
    EXPECT_EQ(pages->tabText(3), QStringLiteral("Inne"));
    EXPECT_EQ(buttonsOf(3).size(), 2);
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Error).isEmpty());
}

TEST_F(ClassManagerWindows, ClassAddedFromInitFileShowsInTheManagerAndAfterRefresh) {
    run("MenuClasses_Add");
    auto* add = window->findChild<AddClassDialog*>();
    ASSERT_NE(add, nullptr);
    EXPECT_TRUE(add->isVisible());
    EXPECT_EQ(add->windowTitle(), QStringLiteral("Dodaj nową klase"));
    EXPECT_TRUE(add->automaticBox()->isChecked());
    EXPECT_FALSE(add->tabList()->isEnabled());
    EXPECT_EQ(add->tabList()->currentText(), QStringLiteral("Bazy danych"));
    fitsTheScreen(add);
    prompts.queueFiles({kFixtures + QStringLiteral("/koszyk-acls/koszyk.acls")});
    add->chooseFile();
    ASSERT_EQ(prompts.asked().back().kind, AskedPrompt::Kind::OpenFiles);
    EXPECT_EQ(prompts.asked().back().fileRequest.title, QStringLiteral("Zlokalizuj plik klasy"));
    EXPECT_EQ(prompts.asked().back().fileRequest.filter,
              QStringLiteral("Pliki inicjujące klasy (*.ACLS)|*.acls"));
    add->addButton()->click();
    EXPECT_FALSE(add->isVisible());
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Error).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(programDir + QStringLiteral("/zklib/koszyk/koszyk.php")));
    EXPECT_TRUE(QFileInfo::exists(programDir + QStringLiteral("/data/classes/koszyk/koszyk.bmp")));

    // In the manager's grid of its tab at once; as a button only after "&Odśwież".
    run("MenuClasses_Manager");
    chooseTab(0);
    EXPECT_EQ(gridColumn(0).last(), QStringLiteral("koszyk"));
    EXPECT_EQ(gridColumn(3).last(), QStringLiteral("załącznik"));
    manager()->cancelButton()->click();
    EXPECT_EQ(buttonsOf(2).size(), 3);
    run("MenuClasses_Refresh");
    const QList<QToolButton*> buttons = buttonsOf(2);
    ASSERT_EQ(buttons.size(), 4);
    EXPECT_EQ(buttons.last()->toolTip(), QStringLiteral("koszyk"));
    EXPECT_FALSE(buttons.last()->icon().isNull());

    // A cleared box puts the class on the chosen tab; a fault is told and adds nothing.
    run("MenuClasses_Add");
    add->automaticBox()->setChecked(false);
    EXPECT_TRUE(add->tabList()->isEnabled());
    add->tabList()->setCurrentIndex(1);
    add->addButton()->click();
    EXPECT_EQ(memory()[1].classes.back().name, "koszyk");
    run("MenuClasses_Add");
    add->fileInput()->setText(dir.file(QStringLiteral("brak.acls")));
    const std::vector<ClassTab> before = memory();
    add->addButton()->click();
    EXPECT_TRUE(add->isVisible());
    ASSERT_EQ(prompts.askedTexts(AskedPrompt::Kind::Error).size(), 1);
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Error).first().contains(QStringLiteral("brak.acls")));
    EXPECT_EQ(memory(), before);
    add->reject();
}

TEST_F(ClassManagerWindows, CreateInitFileDialogWritesAnInitFileTheAddDialogReads) {
    run("MenuClasses_CreateInit");
    auto* create = window->findChild<CreateInitFileDialog*>();
    ASSERT_NE(create, nullptr);
    EXPECT_TRUE(create->isVisible());
    EXPECT_EQ(create->windowTitle(), QStringLiteral("Utwórz plik inincjujący klase"));
    EXPECT_EQ(create->typeInput()->currentText(), QStringLiteral("zwykły"));
    EXPECT_EQ(create->nameInput()->text(), QStringLiteral("Nowa klasa"));
    EXPECT_EQ(create->tabInput()->currentText(), QStringLiteral("Główna"));
    EXPECT_EQ(create->targetInput()->text(), QDir::homePath());
    fitsTheScreen(create);

    const QString target = dir.file(QStringLiteral("cel"));
    QDir().mkpath(target);
    prompts.queueFiles({kFixtures + QStringLiteral("/koszyk-acls/koszyk.bmp")});
    create->choosePicture();
    prompts.queueFiles({kFixtures + QStringLiteral("/koszyk-acls/koszyk.php")});
    create->chooseTemplate();
    prompts.queueText(target);
    create->chooseTarget();
    EXPECT_EQ(create->targetInput()->text(), target);
    create->typeInput()->setCurrentIndex(1);
    create->nameInput()->setText(QStringLiteral("koszyk"));
    create->tabInput()->setEditText(QStringLiteral("Sklep"));
    create->okButton()->click();
    EXPECT_FALSE(create->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Error).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(target + QStringLiteral("/koszyk.php")));
    EXPECT_TRUE(QFileInfo::exists(target + QStringLiteral("/koszyk.bmp")));
    const ClassInitReadResult read = readClassInitFile(fileBytes(target + QStringLiteral("/koszyk.acls")));
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.init,
              (ClassInitFile{"koszyk", "Sklep", "koszyk.php", "koszyk.bmp", ClassType::Attachment}));

    // The add-class dialog takes it: the tab it names is made.
    run("MenuClasses_Add");
    auto* add = window->findChild<AddClassDialog*>();
    add->fileInput()->setText(target + QStringLiteral("/koszyk.acls"));
    add->addButton()->click();
    ASSERT_EQ(memory().size(), 3u);
    EXPECT_EQ(memory()[2].name, "Sklep");
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Message).last(),
              QStringLiteral("W katalogu klas nie było zakładki \"Sklep\"; została dodana."));

    // A fault is told in Polish and the dialog stays.
    run("MenuClasses_CreateInit");
    create->pictureInput()->setText(dir.file(QStringLiteral("brak.bmp")));
    create->okButton()->click();
    EXPECT_TRUE(create->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Error).last(),
              QStringLiteral("Wskaż istniejący plik ikony klasy."));
    create->reject();
}
