// Documents as Linux users keep them: encodings and line ends survive a save byte for byte, UTF-8
// text is shown and searched as text, and the keyboard is in the document.
#include "main_window_harness.h"

#include "shell/ui/search_dialogs.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace wertan;
using namespace wertan::test;

namespace {

class DocumentFormats : public MainWindowHarness {
protected:
    void SetUp() override {
        MainWindowHarness::SetUp();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Keys as the keyboard sends them: to the window, which hands them to its focus.
    void key(Qt::Key code, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::sendKeyEvent(QTest::Click, window->windowHandle(), code, text, mods);
    }
    void typeKeys(const QString& text) {
        for (const QChar c : text) {
            const ushort u = c.toUpper().unicode();
            const Qt::Key code = u < 0x80 ? Qt::Key(u) : Qt::Key_unknown;
            key(code, QString(c));
        }
    }
    QString activeUtf8() {
        return QString::fromUtf8(ws().activeEditor()->documentUtf8().data(),
                                 qsizetype(ws().activeEditor()->documentUtf8().size()));
    }
};

// (spaces keep the table readable: "ż" typed at the start, saved in each document's encoding)
struct RoundTrip {
    const char* name;
    QByteArray bytes;
    QByteArray letterInEncoding; // "ż" as the document's encoding writes it
    QByteArray markPrefix;       // bytes the typed letter goes after
};

const RoundTrip kRoundTrips[] = {
    {"windows-1250 CR LF", "Krak\xF3w\r\nz\xB3oty\r\n", "\xBF", ""},
    {"windows-1250 LF", "Krak\xF3w\nz\xB3oty\n", "\xBF", ""},
    {"utf-8 LF", "Krak\xC3\xB3w\nz\xC5\x82oty\n", "\xC5\xBC", ""},
    {"utf-8 with mark and CR LF", "\xEF\xBB\xBFKrak\xC3\xB3w\r\nz\xC5\x82oty", "\xC5\xBC", "\xEF\xBB\xBF"},
    {"mixed line ends", "a\r\nb\nc\rd\n", "\xC5\xBC", ""},
    {"ascii only", "<?php\necho 1;\n", "\xC5\xBC", ""},
    {"not valid utf-8", "\xC5\xBC\x80\n\xFF\xFE\n", "\xBF", ""},
};

} // namespace

TEST_F(DocumentFormats, FilesRoundTripByteForByteWithAndWithoutATypedLetter) {
    for (const RoundTrip& c : kRoundTrips) {
        SCOPED_TRACE(c.name);
        const QString path = fileIn(QStringLiteral("round.php"), c.bytes);
        DocumentPage* page = ws().openDocument(path, QStringLiteral(".PHP"));
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(ws().saveDocument());
        EXPECT_EQ(readAll(path), c.bytes) << "saved unchanged";

        // Ctrl+Home, then "ż" typed at the start of the text.
        key(Qt::Key_Home, {}, Qt::ControlModifier);
        key(Qt::Key_unknown, QStringLiteral("ż"));
        ASSERT_TRUE(page->isChanged());
        ASSERT_TRUE(ws().saveDocument());
        EXPECT_EQ(readAll(path), c.markPrefix + c.letterInEncoding + c.bytes.mid(c.markPrefix.size()));
        EXPECT_TRUE(prompts.unexpected().isEmpty())
            << prompts.unexpected().join(QLatin1Char('\n')).toStdString();
        ws().closeActive();
    }
}

TEST_F(DocumentFormats, Utf8TextIsShownAndFoundAsText) {
    const QString path =
        fileIn(QStringLiteral("utf8.php"), "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 g\xC4\x99\xC5\x9Bl\xC4\x85 "
                                           "ja\xC5\xBA\xC5\x84\nKrak\xC3\xB3w\n");
    ws().openDocument(path, QStringLiteral(".PHP"));
    EXPECT_EQ(ws().activeEditor()->text(), QStringLiteral("Zażółć gęślą jaźń\nKraków\n"));
    // The find dialog finds a Polish word.
    auto* search = window->findChild<SearchDialogs*>();
    ASSERT_NE(search, nullptr);
    search->showFind();
    auto* what = search->findDialog()->findChild<QLineEdit*>();
    ASSERT_NE(what, nullptr);
    what->setText(QStringLiteral("Kraków"));
    search->findDialog()->findNextClicked();
    EXPECT_EQ(ws().activeEditor()->selectedText(), QStringLiteral("Kraków"));
    search->findDialog()->close();
}

TEST_F(DocumentFormats, CharactersOutsideWindows1250OfferUtf8) {
    struct Case {
        const char* name;
        QString pasted;
        std::vector<Answer> answers;
        bool saved;
        QByteArray file; // expected file after the save ("" when untouched)
    };
    const Case cases[] = {
        {"euro fits Windows-1250", QStringLiteral("€"), {}, true, "\x80x\r\n"},
        {"arrow saved as UTF-8", QStringLiteral("→"), {Answer::Yes}, true, "\xE2\x86\x92x\r\n"},
        {"arrow kept as ? after both questions",
         QStringLiteral("→"),
         {Answer::No, Answer::Yes},
         true,
         "?x\r\n"},
        {"arrow: no to both leaves the file", QStringLiteral("→"), {Answer::No, Answer::No}, false, "x\r\n"},
        {"arrow: cancel leaves the file", QStringLiteral("→"), {Answer::Cancel}, false, "x\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = fileIn(QStringLiteral("w.php"), "x\r\n");
        DocumentPage* page = ws().openDocument(path, QStringLiteral(".PHP"));
        ASSERT_EQ(page->format().encoding, TextEncoding::Utf8); // ASCII takes the new-document encoding
        page->setFormat({TextEncoding::Windows1250, false, LineEnd::CrLf});
        type(c.pasted);
        prompts.clear();
        for (Answer a : c.answers)
            prompts.queueAnswer(a);
        EXPECT_EQ(ws().saveDocument(), c.saved);
        EXPECT_EQ(readAll(path), c.file);
        EXPECT_EQ(page->isChanged(), !c.saved);
        EXPECT_TRUE(prompts.allAnswersUsed());
        if (c.name == std::string("arrow saved as UTF-8")) {
            EXPECT_EQ(page->format().encoding, TextEncoding::Utf8);
        }
        ws().page(ws().activeIndex())->markSaved();
        ws().closeActive();
    }
}

TEST_F(DocumentFormats, CodePageConversionsLeaveUtf8DocumentsAlone) {
    window->settings().saveConversion = 1; // to Windows-1250 before every save
    const QByteArray utf8 = "\xC5\xBC\xC3\xB3\xC5\x82w <meta charset=\"windows-1250\">\n";
    const QString path = fileIn(QStringLiteral("c.php"), utf8);
    ws().openDocument(path, QStringLiteral(".PHP"));
    type(QStringLiteral(" "));
    ASSERT_TRUE(ws().saveDocument());
    EXPECT_EQ(readAll(path), " " + utf8);
    // The menu says so: the conversions of the active document are off, "Dokument w UTF-8" checked.
    window->menu(QStringLiteral("MenuView_Coding"))->aboutToShow();
    EXPECT_FALSE(window->action(QStringLiteral("MenuView_Coding_Iso88592"))->isEnabled());
    EXPECT_TRUE(window->action(QStringLiteral("MenuView_Coding_DocumentUtf8"))->isChecked());
    run("MenuView_Coding_AllIso88592");
    EXPECT_EQ(ws().activeEditor()->documentUtf8(), (" " + utf8).toStdString());
}

TEST_F(DocumentFormats, ADocumentCanBeSavedInTheOtherEncoding) {
    const QString path = fileIn(QStringLiteral("e.php"), "\xC5\xBC\n");
    DocumentPage* page = ws().openDocument(path, QStringLiteral(".PHP"));
    run("MenuView_Coding_DocumentWin1250");
    EXPECT_TRUE(page->isChanged());
    ASSERT_TRUE(ws().saveDocument());
    EXPECT_EQ(readAll(path), QByteArray("\xBF\n"));
    run("MenuView_Coding_DocumentUtf8");
    ASSERT_TRUE(ws().saveDocument());
    EXPECT_EQ(readAll(path), QByteArray("\xC5\xBC\n"));
}

TEST_F(DocumentFormats, EnterWritesTheDocumentsOwnLineEnd) {
    const struct {
        const char* name;
        QByteArray bytes;
        QByteArray afterEnter;
    } cases[] = {
        {"LF", "a\nb\n", "\na\nb\n"},
        {"CR LF", "a\r\nb\r\n", "\r\na\r\nb\r\n"},
        {"CR", "a\rb\r", "\ra\rb\r"},
        {"mostly LF", "a\r\nb\nc\n", "\na\r\nb\nc\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = fileIn(QStringLiteral("n.php"), c.bytes);
        ws().openDocument(path, QStringLiteral(".PHP"));
        key(Qt::Key_Home, {}, Qt::ControlModifier);
        key(Qt::Key_Return, QStringLiteral("\r"));
        ASSERT_TRUE(ws().saveDocument());
        EXPECT_EQ(readAll(path), c.afterEnter);
        ws().closeActive();
    }
}

TEST_F(DocumentFormats, NewDocumentsAreUtf8WithLfUnlessTheUserChose) {
    run("MenuFile_New");
    DocumentPage* page = ws().activePage();
    EXPECT_EQ(page->format(), (TextFormat{TextEncoding::Utf8, false, LineEnd::Lf}));
    EXPECT_EQ(ws().activeEditor()->documentUtf8(), "<?php \n \n \n?>");
    // Inserted lines take the document's line end.
    ws().insertLine(QStringLiteral("echo 'ą';"));
    EXPECT_EQ(ws().activeEditor()->documentUtf8().find("\r"), std::string::npos);

    run("MenuView_Coding_NewUtf8"); // off: Windows-1250 from now on, kept in the settings store
    EXPECT_EQ(store->readText(QStringLiteral("\\Software\\Wertan PHP\\Main\\Documents"),
                              QStringLiteral("NewDocumentEncoding")),
              QStringLiteral("Windows-1250"));
    run("MenuFile_New");
    EXPECT_EQ(ws().activePage()->format().encoding, TextEncoding::Windows1250);
    start({}); // a new run reads the choice back
    run("MenuFile_New");
    EXPECT_EQ(ws().activePage()->format().encoding, TextEncoding::Windows1250);
}

TEST_F(DocumentFormats, BinaryFilesAskFirstAndSurviveAnUneditedSave) {
    QByteArray png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x01\n\r\xFF\x00", 27);
    const QString path = fileIn(QStringLiteral("picture.png"), png);
    prompts.queueAnswer(Answer::No);
    EXPECT_EQ(ws().openDocument(path, QStringLiteral(".PNG")), nullptr);
    ASSERT_EQ(questions().size(), 1);
    EXPECT_TRUE(questions().first().startsWith(QStringLiteral("Plik wygląda na binarny")));
    prompts.queueAnswer(Answer::Yes);
    ASSERT_NE(ws().openDocument(path, QStringLiteral(".PNG")), nullptr);
    ASSERT_TRUE(ws().saveDocument());
    EXPECT_EQ(readAll(path), png);
}

// ---- the keyboard is in the document ---------------------------------------------------------

TEST_F(DocumentFormats, TypingAfterEachCommandLandsInTheActiveDocument) {
    const QString a = fileIn(QStringLiteral("a.php"), "A\n");
    const QString b = fileIn(QStringLiteral("b.php"), "B\n");
    const struct {
        const char* name;
        std::function<void()> action;
    } steps[] = {
        {"start-up", [] {}},
        {"Nowy", [this] { key(Qt::Key_N, {}, Qt::ControlModifier); }},
        {"Nowy SQL", [this] { run("MenuFile_NewSQL"); }},
        {"open with the dialog",
         [this, a] {
             prompts.queueFiles({a});
             run("MenuFile_Open");
         }},
        {"command-line style open", [this, b] { ws().openDocument(b, QStringLiteral(".PHP")); }},
        {"opened while another window was active",
         [this, a] {
             // As at start-up, when the welcome window or a message box is in front.
             QWidget other;
             other.show();
             other.activateWindow();
             (void)QTest::qWaitForWindowActive(&other);
             ws().openDocument(a, QStringLiteral(".PHP"));
             other.close();
             window->activateWindow();
             (void)QTest::qWaitForWindowActive(window.get());
             QApplication::processEvents();
         }},
        {"tab switch with the mouse",
         [this] {
             QTabBar* bar = window->documentTabs()->tabBar();
             QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
         }},
        {"tab switch from the Z list", [this] { ws().documentList()->actions().at(1)->trigger(); }},
        {"back to the Kod page",
         [this] {
             window->mainPageControl()->setCurrentIndex(1);
             window->mainPageControl()->setCurrentIndex(0);
         }},
        {"an insert-menu template", [this] { ws().insertLine(QStringLiteral("<br>")); }},
        {"the go-to-line dialog closed",
         [this] {
             run("MenuEdit_GoToLine");
             QWidget* dialog = QApplication::activeModalWidget();
             if (!dialog) dialog = QApplication::activeWindow();
             ASSERT_NE(dialog, window.get());
             dialog->close();
             (void)QTest::qWaitForWindowActive(window.get());
         }},
    };
    int n = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.action();
        QApplication::processEvents();
        const QString before = activeUtf8();
        const QString marker = QStringLiteral("k%1").arg(n++);
        typeKeys(marker);
        EXPECT_TRUE(activeUtf8().contains(marker)) << activeUtf8().toStdString();
        EXPECT_EQ(activeUtf8().size(), before.size() + marker.size());
    }
}
