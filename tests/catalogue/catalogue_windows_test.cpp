// The "Funkcje" window and the "Podpowiedzi PHP" window on a private program folder, offscreen.
#include "catalogue/ui/functions_window.h"
#include "catalogue/ui/hint_window.h"
#include "platform/program_paths.h"
#include "platform/scripted/scripted_prompts.h"
#include "support/temp_dir.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace wertan {
namespace {

const QByteArray kPhp3 =
    "#zksubtreebegin\r\n#zksubtreename(Ci\xb9gi znak\xf3w)\r\nstrlen(string str)\r\n"
    "chr(int ascii)\r\n#zksubtreeend\r\n#zksubtreebegin\r\n#zksubtreename(Matematyka)\r\n"
    "abs(mixed number)\r\npi()\r\n#zksubtreeend\r\n";
const QByteArray kPhp4 = "#zksubtreebegin\r\n#zksubtreename(Tablice)\r\narray_map(callback, array)\r\n"
                         "#zksubtreeend\r\n#zksubtreebegin\r\n#zksubtreename(Ci\xb9gi znak\xf3w)\r\n"
                         "strlen(string str)\r\n#zksubtreeend\r\n";

QStringList treeTexts(const QTreeWidget* tree) {
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* group = tree->topLevelItem(i);
        texts << group->text(0);
        for (int j = 0; j < group->childCount(); ++j)
            texts << QStringLiteral("  ") + group->child(j)->text(0);
    }
    return texts;
}

class FunctionsWindowTest : public ::testing::Test {
protected:
    FunctionsWindowTest() : paths(folder.path()) {
        folder.write(QStringLiteral("data/functions.dat"), kPhp3);
        folder.write(QStringLiteral("data/functions2.dat"), kPhp4);
        area.setLayout(new QVBoxLayout);
        area.resize(250, 500);
        window = std::make_unique<FunctionsWindow>(
            paths, prompts, completion, [this](const QString& t) { inserted << t; }, &area, &owner);
    }

    test::TempDir folder;
    ProgramPaths paths;
    ScriptedPrompts prompts;
    QStringList completion;
    QStringList inserted;
    QWidget owner;
    QWidget area;
    std::unique_ptr<FunctionsWindow> window;
};

TEST_F(FunctionsWindowTest, LoadsTheCatalogueIntoTheSortedTreeAndTheCompletionList) {
    ASSERT_TRUE(window->loadCatalogue(PhpVersion::Php3));
    EXPECT_EQ(treeTexts(window->tree()),
              (QStringList{QStringLiteral("ciągi znaków"), QStringLiteral("  chr(int ascii)"),
                           QStringLiteral("  strlen(string str)"), QStringLiteral("matematyka"),
                           QStringLiteral("  abs(mixed number)"), QStringLiteral("  pi()")}));
    EXPECT_EQ(completion, (QStringList{QStringLiteral("abs(mixed number)"), QStringLiteral("chr(int ascii)"),
                                       QStringLiteral("pi()"), QStringLiteral("strlen(string str)")}));
    EXPECT_TRUE(window->php3Button()->font().bold());
    EXPECT_FALSE(window->php4Button()->font().bold());
    // "Ośwież" and a version switch add no second copy of a line.
    window->refreshButton()->click();
    window->php4Button()->click();
    EXPECT_EQ(completion,
              (QStringList{QStringLiteral("abs(mixed number)"), QStringLiteral("array_map(callback, array)"),
                           QStringLiteral("chr(int ascii)"), QStringLiteral("pi()"),
                           QStringLiteral("strlen(string str)")}));
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(FunctionsWindowTest, TogglesChangeTheShownAndInsertedForm) {
    window->loadCatalogue(PhpVersion::Php3);
    const auto activateStrlen = [this] {
        QTreeWidgetItem* group = window->tree()->topLevelItem(0);
        QTreeWidgetItem* entry = group->child(1);
        window->tree()->setCurrentItem(entry);
        emit window->tree()->itemActivated(entry, 0);
        return entry->text(0);
    };
    EXPECT_EQ(activateStrlen(), QStringLiteral("strlen(string str)"));
    window->parametersToggle()->click();
    EXPECT_EQ(activateStrlen(), QStringLiteral("strlen"));
    // "(" and ")" are switched together.
    window->closeBracketToggle()->click();
    EXPECT_TRUE(window->openBracketToggle()->isChecked());
    EXPECT_EQ(activateStrlen(), QStringLiteral("strlen()"));
    window->semicolonToggle()->click();
    EXPECT_EQ(activateStrlen(), QStringLiteral("strlen();"));
    EXPECT_EQ(inserted, (QStringList{QStringLiteral("strlen(string str) "), QStringLiteral("strlen "),
                                     QStringLiteral("strlen() "), QStringLiteral("strlen(); \r\n")}));
    // Activating a group inserts nothing.
    emit window->tree()->itemActivated(window->tree()->topLevelItem(0), 0);
    EXPECT_EQ(inserted.size(), 4);
}

TEST_F(FunctionsWindowTest, AToggleReloadsTheCurrentVersion) {
    window->loadCatalogue(PhpVersion::Php3);
    window->php4Button()->click();
    window->semicolonToggle()->click();
    EXPECT_EQ(window->version(), PhpVersion::Php4);
    EXPECT_EQ(treeTexts(window->tree()),
              (QStringList{QStringLiteral("ciągi znaków"), QStringLiteral("  strlen(string str);"),
                           QStringLiteral("tablice"), QStringLiteral("  array_map(callback, array);")}));
}

TEST_F(FunctionsWindowTest, AMissingCatalogueIsReportedAndKeepsTreeAndList) {
    window->loadCatalogue(PhpVersion::Php3);
    const QStringList before = treeTexts(window->tree());
    const QStringList list = completion;
    QFile::remove(folder.file(QStringLiteral("data/functions2.dat")));
    EXPECT_FALSE(window->loadCatalogue(PhpVersion::Php4));
    ASSERT_EQ(prompts.askedTexts(AskedPrompt::Kind::Error).size(), 1);
    EXPECT_TRUE(
        prompts.askedTexts(AskedPrompt::Kind::Error).first().contains(QStringLiteral("functions2.dat")));
    EXPECT_EQ(treeTexts(window->tree()), before);
    EXPECT_EQ(completion, list);
    EXPECT_TRUE(window->php4Button()->font().bold());
}

TEST_F(FunctionsWindowTest, DocksHidesFloatsAndDocksAgain) {
    area.show();
    window->toggleShown();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isDocked());
    EXPECT_EQ(area.layout()->indexOf(window.get()), 0);
    window->toggleShown();
    EXPECT_FALSE(window->isVisible());
    window->toggleShown();
    // The pin: float at 50, 80 keeping the size, then back into the area.
    const QSize size = window->size();
    window->pinButton()->click();
    EXPECT_FALSE(window->isDocked());
    EXPECT_FALSE(window->dockedFlag());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->pos(), QPoint(50, 80));
    EXPECT_EQ(window->size(), size);
    EXPECT_EQ(area.layout()->indexOf(window.get()), -1);
    // Floating, the command shows it where it was.
    window->closeButton()->click();
    EXPECT_FALSE(window->isVisible());
    window->toggleShown();
    EXPECT_FALSE(window->isDocked());
    window->pinButton()->click();
    EXPECT_TRUE(window->isDocked());
    EXPECT_TRUE(window->dockedFlag());
    // With the docking area hidden the window floats, keeping its flag.
    window->toggleShown();
    area.hide();
    window->toggleShown();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isDocked());
    EXPECT_TRUE(window->dockedFlag());
}

class HintWindowTest : public ::testing::Test {
protected:
    HintWindowTest() : paths(folder.path()) {
        folder.write(
            QStringLiteral("pomoc/manual/function.strlen.html"),
            "<html><head><meta charset=\"utf-8\"><title>strlen</title></head><body>strlen</body></html>");
        folder.write(
            QStringLiteral("pomoc/manual/function.str-replace.html"),
            "<html><head><meta charset=\"utf-8\"><title>str_replace</title></head><body></body></html>");
        folder.write(QStringLiteral("pomoc/manual/control-structures.while.html"),
                     "<html><head><title>while</title></head><body></body></html>");
        window = std::make_unique<HintWindow>(paths, nullptr, &owner);
        window->resize(320, 400);
    }

    // Waits for the view to finish a load and returns its title.
    QString loadedTitle() {
        QSignalSpy finished(window->view(), &QWebEngineView::loadFinished);
        if (!finished.wait(20000)) return {};
        return window->view()->title();
    }

    test::TempDir folder;
    ProgramPaths paths;
    QWidget owner;
    std::unique_ptr<HintWindow> window;
};

TEST_F(HintWindowTest, ShowHintLoadsAPageOnceAndAgainAfterAnotherWord) {
    window->toggleShown();
    EXPECT_TRUE(window->hintsVisible());
    QSignalSpy requested(window.get(), &HintWindow::pageRequested);
    window->showHint("strlen");
    ASSERT_EQ(requested.size(), 1);
    EXPECT_EQ(loadedTitle(), QStringLiteral("strlen"));
    EXPECT_EQ(window->view()->url(),
              QUrl::fromLocalFile(folder.file(QStringLiteral("pomoc/manual/function.strlen.html"))));
    // The same word again: nothing is loaded.
    window->showHint("strlen");
    EXPECT_EQ(requested.size(), 1);
    // A word without a page keeps the page and is remembered.
    window->showHint("zmienna");
    EXPECT_EQ(requested.size(), 1);
    EXPECT_EQ(window->lastHintWord(), "zmienna");
    EXPECT_EQ(window->view()->title(), QStringLiteral("strlen"));
    window->showHint("Str_Replace");
    ASSERT_EQ(requested.size(), 2);
    EXPECT_EQ(loadedTitle(), QStringLiteral("str_replace"));
    window->showHint("WHILE");
    ASSERT_EQ(requested.size(), 3);
    EXPECT_EQ(loadedTitle(), QStringLiteral("while"));
    // "Wstecz" goes back to the page before.
    window->backButton()->click();
    EXPECT_EQ(loadedTitle(), QStringLiteral("str_replace"));
}

} // namespace
} // namespace wertan
