// The class library's windows through the real main window: the class pages and their refresh,
// the preprocessing panel's rows and insertion, and the class wizard from its command.
#include "classlib/ui/class_wizard_dialog.h"
#include "classlib/ui/template_panel.h"
#include "shell/main_window_harness.h"
#include "text/win1250.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace wertan;
using namespace wertan::test;

namespace {

using ClasslibWindows = MainWindowHarness;

const QString kFixtures = QStringLiteral(WERTAN_CLASSLIB_FIXTURES);

QString tabText(QTabWidget* tabs, int i) {
    return tabs->tabText(i);
}

std::vector<std::string> documentLines(const std::string& bytes) {
    // Lines ended by LF or CR LF (the document keeps its own line ends).
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace

TEST_F(ClasslibWindows, ClassPagesFromTheCatalogueAndTheirRefresh) {
    QTabWidget* pages = window->toolPages();
    ASSERT_EQ(pages->count(), 4);
    EXPECT_EQ(tabText(pages, 2), QStringLiteral("Bazy danych"));
    EXPECT_EQ(tabText(pages, 3), QStringLiteral("Strona WWW"));
    EXPECT_EQ(pages->currentIndex(), 3); // the last class page is active after start-up
    auto* strip = qobject_cast<QScrollArea*>(pages->widget(2));
    ASSERT_NE(strip, nullptr);
    const QList<QToolButton*> buttons = strip->widget()->findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 3);
    for (int i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->geometry(), QRect(32 * i, 0, 30, 30));
        EXPECT_FALSE(buttons[i]->icon().isNull());
    }
    EXPECT_EQ(buttons[0]->toolTip(), QStringLiteral("baza"));
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Error).isEmpty());

    run("MenuClasses_Refresh");
    ASSERT_EQ(pages->count(), 4);
    EXPECT_EQ(tabText(pages, 0), QStringLiteral("HTML"));
    EXPECT_EQ(tabText(pages, 2), QStringLiteral("Bazy danych"));

    // A class button opens its template in the panel docked in the left area.
    // The old buttons are gone after the refresh; take the new ones.
    auto fresh = qobject_cast<QScrollArea*>(pages->widget(2))->widget()->findChildren<QToolButton*>();
    fresh[0]->click();
    auto* panel = window->findChild<TemplatePanel*>();
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->isHidden());
    EXPECT_TRUE(window->dockingArea()->isAncestorOf(panel));
    EXPECT_TRUE(panel->templatePath().endsWith(QStringLiteral("zklib/baza/baza.php")));
    EXPECT_EQ(panel->classList()->currentText(), QStringLiteral("zkbaza"));
    EXPECT_EQ(panel->rowLabels().first(), QStringLiteral("Nazwa"));
    EXPECT_EQ(panel->rowLabels().mid(panel->rowLabels().size() - 2),
              (QStringList{QStringLiteral("Katalog"), QStringLiteral("Wstaw jako")}));
}

TEST_F(ClasslibWindows, MissingCatalogueDisablesTheClassMenu) {
    QFile::remove(programDir + QStringLiteral("/data/classes/class.cls"));
    start({});
    EXPECT_FALSE(window->menu(QStringLiteral("MenuClasses"))->isEnabled());
    EXPECT_EQ(window->toolPages()->count(), 2);
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Error).isEmpty());
}

TEST_F(ClasslibWindows, BrokenCatalogueIsReportedAndBuildsNoPage) {
    QFile file(programDir + QStringLiteral("/data/classes/class.cls"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("//\r\n//\r\n//\r\nx\r\n//\r\n//\r\ndwie\r\n");
    file.close();
    prompts.clear();
    start({});
    EXPECT_EQ(window->toolPages()->count(), 2);
    ASSERT_EQ(prompts.askedTexts(AskedPrompt::Kind::Error).size(), 1);
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Error).first().contains(QStringLiteral("dwie")));
}

TEST_F(ClasslibWindows, KoszykInsertedTwice) {
    auto* panel = window->findChild<TemplatePanel*>();
    ASSERT_NE(panel, nullptr);
    ws().activeEditor()->setDocumentBytes("<html>\r\n</html>");
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        panel->open(kFixtures + QStringLiteral("/koszyk.php"));
        EXPECT_EQ(panel->rowLabels(),
                  (QStringList{QStringLiteral("Nazwa"), QStringLiteral("ilość"), QStringLiteral("kolor"),
                               QStringLiteral("Katalog"), QStringLiteral("Wstaw jako")}));
        EXPECT_EQ(panel->classList()->currentText(), QStringLiteral("koszyk"));
        EXPECT_EQ(panel->objectNameInput()->text(), QStringLiteral("$new"));
        auto* spin = qobject_cast<QSpinBox*>(panel->rowInputs()[1]);
        ASSERT_NE(spin, nullptr);
        EXPECT_EQ(spin->minimum(), 1);
        EXPECT_EQ(spin->maximum(), 10);
        EXPECT_EQ(spin->value(), 2);
        EXPECT_EQ(spin->toolTip(), QStringLiteral("ilosc"));
        auto* list = qobject_cast<QComboBox*>(panel->rowInputs()[2]);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), 2);
        EXPECT_EQ(list->currentText(), QStringLiteral("czerwony"));
        EXPECT_EQ(panel->modeInput()->currentText(), QStringLiteral("require"));
        panel->directoryInput()->setEditText(QStringLiteral("inc"));
        panel->modeInput()->setCurrentText(QStringLiteral("include"));
        panel->insertButton()->click();
        EXPECT_TRUE(panel->isHidden());
        EXPECT_TRUE(panel->rowInputs().isEmpty());
    }
    EXPECT_EQ(documentLines(activeText()),
              (std::vector<std::string>{"<?php include('inc/koszyk.php'); ?>", "<html>", "</html>",
                                        "$new = new koszyk;", "$new->ilosc=2;", "$new->kolor=czerwony;",
                                        "$new = new koszyk;", "$new->ilosc=2;", "$new->kolor=czerwony;"}));
    // Without a project nothing is copied, and the user is told so.
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Message).size(), 2);
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Message)
                    .first()
                    .contains(QStringLiteral("Nie otwarto projektu")));
}

TEST_F(ClasslibWindows, ChoosingTheClassAgainAndTypedValues) {
    auto* panel = window->findChild<TemplatePanel*>();
    panel->open(kFixtures + QStringLiteral("/koszyk.php"));
    emit panel->classList()->activated(0);
    EXPECT_EQ(panel->objectNameInput()->text(), QStringLiteral("$koszyknew"));
    EXPECT_EQ(panel->classList()->currentText(), QStringLiteral("koszyk"));
    ASSERT_EQ(panel->rowInputs().size(), 5);
    qobject_cast<QSpinBox*>(panel->rowInputs()[1])->setValue(50); // the spin keeps its limit
    qobject_cast<QComboBox*>(panel->rowInputs()[2])->setCurrentIndex(1);
    panel->modeInput()->setCurrentText(QStringLiteral("(brak)"));
    ws().activeEditor()->setDocumentBytes("");
    panel->insert();
    EXPECT_EQ(documentLines(activeText()),
              (std::vector<std::string>{"$koszyknew = new koszyk;", "$koszyknew->ilosc=10;",
                                        "$koszyknew->kolor=zielony;"}));
}

TEST_F(ClasslibWindows, TextLengthLimitAndPlainMode) {
    auto* panel = window->findChild<TemplatePanel*>();
    const QString textTemplate =
        fileIn(QStringLiteral("tekst.php"),
               "<?php\r\n// #zkPHP\r\n// #zkClassBegin\r\n// #zkClassName(T)\r\n"
               "// #zkPHPBegin #zkText(Opis) #zkName(opis)\r\n// #zkString\r\n"
               "// #zkStringLeng(5)\r\n// #zkStringText(Dlugi tekst)\r\n// #zkPHPEnd\r\n");
    panel->open(textTemplate);
    auto* edit = qobject_cast<QLineEdit*>(panel->rowInputs()[1]);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("dlugi tekst")); // the initial text in full
    edit->setFocus();
    edit->end(false);
    QTest::keyClicks(edit, QStringLiteral("xy"));
    EXPECT_EQ(edit->text(), QStringLiteral("dlugi tekst"));
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("ab'cdefgh"));
    EXPECT_EQ(edit->text(), QStringLiteral("ab'cd"));
    ws().activeEditor()->setDocumentBytes("");
    panel->insert();
    EXPECT_EQ(
        documentLines(activeText()),
        (std::vector<std::string>{"<?php require('tekst.php'); ?>", "$new = new t;", "$new->opis='ab'cd';"}));

    const QString plain = fileIn(QStringLiteral("zwykly.php"), "<?php\r\nfunction f() {}\r\n");
    panel->open(plain);
    EXPECT_EQ(panel->rowLabels(), (QStringList{QStringLiteral("Katalog"), QStringLiteral("Wstaw jako")}));
    EXPECT_EQ(panel->classList()->count(), 0);
    ws().activeEditor()->setDocumentBytes("x");
    panel->insert();
    EXPECT_EQ(documentLines(activeText()),
              (std::vector<std::string>{"<?php require('zwykly.php'); ?>", "x"}));
}

TEST_F(ClasslibWindows, BadTemplatesAreReported) {
    auto* panel = window->findChild<TemplatePanel*>();
    panel->open(dir.file(QStringLiteral("brak.php")));
    EXPECT_FALSE(panel->isHidden());
    EXPECT_TRUE(panel->rowInputs().isEmpty());
    ASSERT_EQ(prompts.askedTexts(AskedPrompt::Kind::Error).size(), 1);
    EXPECT_TRUE(prompts.askedTexts(AskedPrompt::Kind::Error).first().contains(QStringLiteral("brak.php")));

    const QString bad =
        fileIn(QStringLiteral("zla.php"), "<?php\r\n// #zkPHP #zkClassBegin\r\n// #zkClassBegin "
                                          "#zkClassName(k)\r\n// #zkPHPBegin #zkIntValue(dwa)\r\n"
                                          "// #zkPHPEnd\r\n");
    panel->open(bad);
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Error).size(), 2);
    EXPECT_FALSE(panel->insertButton()->isEnabled());
    ws().activeEditor()->setDocumentBytes("x");
    panel->insert();
    EXPECT_EQ(activeText(), "x");
    panel->cancel();
    EXPECT_TRUE(panel->isHidden());
}

TEST_F(ClasslibWindows, WizardDefaultsIntoANewDocument) {
    run("MenuTools_ClassWizard");
    auto* wizard = window->findChild<ClassWizardDialog*>();
    ASSERT_NE(wizard, nullptr);
    ASSERT_TRUE(wizard->isVisible());
    EXPECT_EQ(wizard->windowTitle(), QStringLiteral("Kreator CLASS"));
    EXPECT_EQ(wizard->page(), 0);
    EXPECT_FALSE(wizard->backButton()->isVisible());
    EXPECT_FALSE(wizard->picture()->pixmap().isNull());
    const int before = ws().count();
    QList<int> visited;
    while (wizard->isVisible()) {
        visited << wizard->page();
        if (wizard->page() == 7)
            EXPECT_EQ(wizard->forwardButton()->text(), QStringLiteral("Zakończ"));
        else
            EXPECT_EQ(wizard->forwardButton()->text(), QStringLiteral("Dalej"));
        wizard->forwardButton()->click();
    }
    EXPECT_EQ(visited, (QList<int>{0, 1, 2, 3, 4, 5, 7}));
    ASSERT_EQ(ws().count(), before + 1);
    EXPECT_EQ(documentLines(activeText()),
              (std::vector<std::string>{"class nazwaklasy {", " var ;", " function nazwaklasy(){", " ", " }",
                                        " function (){", " ", " }", " ", " ", "}"}));

    // Answers stay; the next opening starts on the first page.
    run("MenuTools_ClassWizard");
    EXPECT_EQ(wizard->page(), 0);
    wizard->reject();
}

TEST_F(ClasslibWindows, WizardGridsChooserAndInsertionAtTheCaret) {
    auto* wizard = window->findChild<ClassWizardDialog*>();
    run("MenuTools_ClassWizard");
    QTableWidget* vars = wizard->variableGrid();
    for (int i = 0; i < 250; ++i)
        ClassWizardDialog::addGridRow(vars);
    EXPECT_EQ(vars->rowCount(), 200);
    ClassWizardDialog::clearGridRows(vars);
    EXPECT_EQ(vars->rowCount(), 1);
    ClassWizardDialog::removeGridRow(vars);
    EXPECT_EQ(vars->rowCount(), 1);
    ClassWizardDialog::addGridRow(vars);
    vars->setItem(0, 0, new QTableWidgetItem(QStringLiteral("$a")));
    vars->setItem(0, 1, new QTableWidgetItem(QStringLiteral("1")));
    vars->setItem(1, 0, new QTableWidgetItem(QStringLiteral("$b")));
    wizard->box(QStringLiteral("VariableComments"))->setChecked(true);
    EXPECT_EQ(vars->columnCount(), 3);
    vars->setItem(0, 2, new QTableWidgetItem(QStringLiteral("licznik")));

    wizard->chooseVariables();
    TwoListChooser* chooser = wizard->chooser();
    ASSERT_TRUE(chooser->isVisible());
    EXPECT_EQ(chooser->available(), (QStringList{QStringLiteral("$a"), QStringLiteral("$b")}));
    chooser->availableList()->item(1)->setSelected(true);
    chooser->moveSelected(true);
    chooser->accept();
    EXPECT_EQ(wizard->constructorVariables(), QStringList{QStringLiteral("$b")});
    wizard->chooseVariables();
    EXPECT_EQ(chooser->available(), QStringList{QStringLiteral("$a")});
    chooser->reject();
    EXPECT_TRUE(wizard->constructorVariables().isEmpty());

    wizard->box(QStringLiteral("Variables"))->setChecked(false);
    wizard->chooseVariables();
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Message),
              QStringList{QStringLiteral("Tworzona przez Ciebie klasa, nie ma zmiennych!")});
    wizard->box(QStringLiteral("Variables"))->setChecked(true);

    wizard->box(QStringLiteral("VariableComments"))->setChecked(false);
    EXPECT_EQ(vars->columnCount(), 2);
    wizard->box(QStringLiteral("Functions"))->setChecked(false);
    wizard->box(QStringLiteral("Constructor"))->setChecked(false);
    wizard->intoCurrentDocumentButton()->setChecked(true);
    ws().activeEditor()->setDocumentBytes("<?php");
    ws().activeEditor()->setCursorPosition(0, 5);
    const int before = ws().count();
    wizard->finish();
    EXPECT_EQ(ws().count(), before);
    EXPECT_EQ(documentLines(activeText()), (std::vector<std::string>{"<?php", "class nazwaklasy {",
                                                                     " var $a = 1;", " var $b;", " ", "}"}));
}
