// The reopen list: saves recorded in config/reloaddoc.dat2, the "Otwórz ponownie" submenu and dialog.
#include "main_window_harness.h"
#include "settings/ui/reopen_list_dialog.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest/QTest>
#include <cstring>
#include <functional>

using namespace wertan;
using namespace wertan::test;

namespace {

// One record by hand: counted path of 255 bytes, then the time as a little-endian double.
QByteArray recordBytes(const QByteArray& path, double days) {
    QByteArray out;
    out += char(path.size());
    out += path;
    out += QByteArray(255 - path.size(), '\0');
    char time[8];
    std::memcpy(time, &days, 8); // the test machine is little-endian, as the file is
    out += QByteArray(time, 8);
    return out;
}

constexpr double kMarch5th2001At090507 = 36955.37855324074;

class ReopenListDialogTest : public MainWindowHarness {
protected:
    QString list() { return programDir + QStringLiteral("/config/reloaddoc.dat2"); }
    QMenu* submenu() { return window->menu(QStringLiteral("MenuFile_Reopen")); }
    ReopenListDialog* dialog() { return window->findChild<ReopenListDialog*>(); }
    // The submenu as captions, the separator as "-".
    QStringList items() {
        QStringList out;
        for (QAction* a : submenu()->actions())
            out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    }
    QStringList gridColumn(int column) {
        QStringList out;
        for (int r = 0; r < dialog()->grid()->rowCount(); ++r) {
            const QTableWidgetItem* cell = dialog()->grid()->item(r, column);
            out << (cell ? cell->text() : QString());
        }
        return out;
    }
    // Opens a file and saves it over itself.
    QString saveDocument(const QString& name) {
        const QString path = fileIn(name, "x\r\n");
        ws().openDocument(path, upperExtension(path));
        run("MenuFile_Save");
        return path;
    }
    void restartWith(const QByteArray& bytes) {
        dir.write(QStringLiteral("program/config/reloaddoc.dat2"), bytes);
        prompts.clear();
        start({});
    }
};

} // namespace

TEST_F(ReopenListDialogTest, SavesAreListedNewestFirstWithoutRepeats) {
    EXPECT_EQ(items(), (QStringList{"-", "Więcej..."}));
    const QString a = saveDocument(QStringLiteral("a.php"));
    const QString b = saveDocument(QStringLiteral("b.php"));
    ws().activate(1);
    run("MenuFile_Save"); // a again: one entry, moved to the top
    EXPECT_EQ(items(), (QStringList{a, b, "-", "Więcej..."}));
    EXPECT_EQ(readAll(list()).size(), 2 * 264);
    const QDate today = QDate::currentDate();
    const QString date = QStringLiteral("%1.%2.%3").arg(today.day()).arg(today.month()).arg(today.year());
    QAction* first = submenu()->actions().first();
    EXPECT_EQ(first->toolTip(), a);
    EXPECT_EQ(first->statusTip(),
              QStringLiteral("Otwiera ponownie plik: ") + a + QStringLiteral(" [") + date + QLatin1Char(']'));
    EXPECT_EQ(gridColumn(0), (QStringList{"1", "2"}));
    EXPECT_EQ(gridColumn(1), (QStringList{a, b}));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d \\d{1,2}\\.\\d\\d\\.\\d{4}$"))
                    .match(gridColumn(2).value(0))
                    .hasMatch())
        << gridColumn(2).value(0).toStdString();
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(ReopenListDialogTest, ExactlyTheFilesThatWereWrittenAreRecordedUnderTheirNewName) {
    // A Windows-1250 file (its "ł" is not UTF-8), so that a character outside the code page is asked about.
    const QString own = fileIn(QStringLiteral("wlasny.php"), "x\xB3\r\n");
    const QString renamed = dir.file(QStringLiteral("nowa_nazwa.php"));
    const QString unwritable = dir.file(QStringLiteral("nie/ma/katalogu.php"));
    const QString third = dir.file(QStringLiteral("trzeci.php"));
    window->show();
    QApplication::setActiveWindow(window.get());
    (void)QTest::qWaitForWindowActive(window.get());
    auto keys = [this](const QString& typed, Qt::Key key) {
        // The window active again (a save's questions may have taken it), the editor focused.
        QApplication::setActiveWindow(window.get());
        CodeEditor* editor = ws().activeEditor();
        editor->setFocus();
        // Each character as a key press of its own (keyClicks takes Latin-1 only).
        for (const QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(editor, key, Qt::ControlModifier);
    };
    // Each step types and saves as the user does; the submenu then lists exactly the files written.
    const struct {
        const char* what;
        std::function<void()> act;
        QStringList listed;
    } steps[] = {
        {"the start-up document saved (Ctrl+S) to a new name",
         [&] {
             prompts.queueFiles({renamed});
             keys(QStringLiteral("a"), Qt::Key_S);
         },
         {renamed}},
        {"a document saved over its own file",
         [&] {
             ws().openDocument(own, QStringLiteral(".PHP"));
             keys(QStringLiteral("b"), Qt::Key_S);
         },
         {own, renamed}},
        {"a save that failed: the folder chosen does not exist",
         [&] {
             prompts.queueFiles({unwritable});
             run("MenuFile_SaveAs");
         },
         {own, renamed}},
        {"a save declined: characters outside Windows-1250, UTF-8 and \"?\" both answered No",
         [&] {
             prompts.queueAnswer(Answer::No);
             prompts.queueAnswer(Answer::No);
             keys(QStringLiteral("\u4E2D"), Qt::Key_S);
         },
         {own, renamed}},
        {"the same document saved again, answered Yes",
         [&] {
             prompts.queueAnswer(Answer::Yes);
             keys(QString(), Qt::Key_S);
         },
         {own, renamed}},
        {"save-as of the first document to a third name",
         [&] {
             ws().activate(0);
             prompts.queueFiles({third});
             run("MenuFile_SaveAs");
         },
         {third, own, renamed}},
    };
    for (const auto& step : steps) {
        step.act();
        QStringList expected = step.listed;
        expected << QStringLiteral("-") << QStringLiteral("Więcej...");
        EXPECT_EQ(items(), expected) << step.what;
    }
    EXPECT_FALSE(QFile::exists(unwritable));
    EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Error).size(), 1) << "the failed save says why";
    EXPECT_TRUE(prompts.allAnswersUsed());
}

TEST_F(ReopenListDialogTest, AFailedListWriteIsReportedButTheDocumentIsStillSaved) {
    const QString path = fileIn(QStringLiteral("a.php"), "stary\r\n");
    ws().openDocument(path, QStringLiteral(".PHP"));
    type(QStringLiteral("nowy "));
    QDir(programDir + QStringLiteral("/config")).removeRecursively();
    run("MenuFile_Save");
    const QStringList errors = prompts.askedTexts(AskedPrompt::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("reloaddoc.dat2"))) << errors[0].toStdString();
    EXPECT_EQ(readAll(path), QByteArray("nowy stary\r\n"));
    EXPECT_FALSE(ws().activePage()->isChanged());
}

TEST_F(ReopenListDialogTest, TheListReadAtStartUpIsCompactedAndShowsTheTenNewest) {
    QByteArray file;
    for (int i = 0; i < 12; ++i)
        file += recordBytes("/www/plik" + QByteArray::number(i) + ".php", kMarch5th2001At090507);
    file += recordBytes("", 0);                                   // an empty slot
    file += recordBytes("/www/plik3.php", kMarch5th2001At090507); // an older copy of a path
    file += QByteArray(100, 'z');                                 // a partial record
    restartWith(file);
    EXPECT_TRUE(prompts.asked().empty());
    const QStringList menu = items();
    ASSERT_EQ(menu.size(), 12);
    EXPECT_EQ(menu.first(), QStringLiteral("/www/plik0.php"));
    EXPECT_EQ(menu.at(9), QStringLiteral("/www/plik9.php"));
    EXPECT_EQ(menu.mid(10), (QStringList{"-", "Więcej..."}));
    EXPECT_EQ(submenu()->actions().first()->statusTip(),
              QStringLiteral("Otwiera ponownie plik: /www/plik0.php [5.3.2001]"));
    EXPECT_EQ(dialog()->grid()->rowCount(), 12);
    EXPECT_EQ(gridColumn(2).first(), QStringLiteral("09:05:07 5.03.2001"));
    EXPECT_EQ(readAll(list()).size(), 12 * 264) << "empty slots, repeats and the partial record are gone";
}

TEST_F(ReopenListDialogTest, SubmenuItemsAndTheDialogOpenTheirDocuments) {
    const QString a = fileIn(QStringLiteral("a.php3"), "a\r\n");
    const QString b = fileIn(QStringLiteral("b.sql"), "b\r\n");
    restartWith(recordBytes(a.toUtf8(), kMarch5th2001At090507) +
                recordBytes(b.toUtf8(), kMarch5th2001At090507) +
                recordBytes("/nie/ma/takiego.php", kMarch5th2001At090507));
    submenu()->actions().at(1)->trigger();
    EXPECT_EQ(ws().activePage()->caption(), QStringLiteral("b.sql"));
    EXPECT_EQ(ws().activePage()->keywordBarKind(), DocumentKind::Sql);

    run("MenuFile_ReopenMore");
    ASSERT_TRUE(dialog()->isVisible());
    EXPECT_TRUE(dialog()->isModal());
    EXPECT_EQ(dialog()->windowTitle(), QStringLiteral("Otwórz ponownie"));
    // Nothing selected: "&Otwórz" opens nothing.
    dialog()->openButton()->click();
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(ws().count(), 2);
    // A selected row opens and closes the dialog.
    run("MenuFile_ReopenMore");
    dialog()->grid()->setCurrentCell(0, 1);
    dialog()->openButton()->click();
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(ws().activePage()->caption(), QStringLiteral("a.php3"));
    // A double-click opens and keeps the dialog open; a missing file opens nothing.
    run("MenuFile_ReopenMore");
    dialog()->grid()->setCurrentCell(1, 1);
    emit dialog()->grid()->cellDoubleClicked(1, 1);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(ws().count(), 4);
    dialog()->grid()->setCurrentCell(2, 1);
    emit dialog()->grid()->cellDoubleClicked(2, 1);
    EXPECT_EQ(ws().count(), 4);
    EXPECT_TRUE(prompts.asked().empty());
    dialog()->okButton()->click();
    EXPECT_FALSE(dialog()->isVisible());
}

TEST_F(ReopenListDialogTest, ClearingEmptiesTheFileTheSubmenuAndTheGrid) {
    saveDocument(QStringLiteral("a.php"));
    saveDocument(QStringLiteral("b.php"));
    run("MenuFile_ReopenMore");
    dialog()->clearButton()->click();
    EXPECT_TRUE(QFile::exists(list()));
    EXPECT_EQ(readAll(list()).size(), 0);
    EXPECT_EQ(items(), (QStringList{"-", "Więcej..."}));
    EXPECT_EQ(dialog()->grid()->rowCount(), 1);
    EXPECT_EQ(gridColumn(1), QStringList{QString()});
    EXPECT_TRUE(dialog()->isVisible());
    dialog()->openButton()->click(); // the empty row names no file
    EXPECT_EQ(ws().count(), 3);
}

TEST_F(ReopenListDialogTest, APathWithAnAmpersandShowsAsWritten) {
    const QString path = saveDocument(QStringLiteral("a&b.php"));
    QAction* item = submenu()->actions().first();
    EXPECT_EQ(item->text(), QString(path).replace(QLatin1Char('&'), QStringLiteral("&&")));
    item->trigger();
    EXPECT_EQ(ws().activePage()->path(), path);
}
