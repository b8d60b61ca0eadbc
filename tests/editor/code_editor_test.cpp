// The page editor: lossless text, fixed and basic set-ups, options on the control, the gutter, the
// caret shapes and what it reports.
#include "editor/ui/code_editor.h"
#include "editor/ui/colouring_component.h"
#include "editor_test_support.h"

#include <QAccessible>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>
#include <gtest/gtest.h>

namespace wertan {
namespace {

using test::settle;

TEST(CodeEditor, DocumentBytesRoundTripLosslessly) {
    test::EditorWindow page;
    const char raw[] = "za\xBF\xF3\xB3\xE6 g\xEA\x9C\x6C\xB9 ja\x9F\xF1\r\n\x81\x83\x88\x90\x98";
    std::string bytes(raw, sizeof raw - 1);
    bytes.push_back('\0');
    bytes += "end";
    page.editor->setDocumentBytes(bytes);
    EXPECT_EQ(page.editor->documentBytes(), bytes);
    EXPECT_FALSE(page.editor->isModified());
    EXPECT_EQ(page.editor->caretLine(), 1);
    EXPECT_EQ(page.editor->caretColumn(), 1);
    page.caretAt(0, 4);
    EXPECT_EQ(page.editor->caretLineBytes(), std::string("za\xBF\xF3\xB3\xE6 g\xEA\x9C\x6C\xB9 ja\x9F\xF1"));
}

TEST(CodeEditor, ALoadedTextIsAnnouncedOnceAndTheGutterFitsItsLines) {
    test::EditorWindow page;
    QSignalSpy texts(page.editor, &QsciScintilla::textChanged);
    QSignalSpy lines(page.editor, &QsciScintilla::linesChanged);
    const long narrow = page.editor->SendScintilla(QsciScintillaBase::SCI_GETMARGINWIDTHN, 0UL);
    std::string text;
    for (int i = 0; i < 123456; ++i)
        text += "x\r\n";
    page.editor->setDocumentBytes(text);
    EXPECT_EQ(texts.count(), 1);
    EXPECT_GE(lines.count(), 1);
    EXPECT_EQ(page.editor->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT), 123457);
    // Six digits where three were enough.
    const long wide = page.editor->SendScintilla(QsciScintillaBase::SCI_GETMARGINWIDTHN, 0UL);
    const long digit =
        page.editor->SendScintilla(QsciScintillaBase::SCI_TEXTWIDTH,
                                   static_cast<unsigned long>(QsciScintillaBase::STYLE_LINENUMBER), "9");
    EXPECT_GE(wide - narrow, 3 * digit);
    // Changes after the load are announced once the events of the moment are handled; a change of
    // the line count also as that.
    page.editor->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "y");
    settle();
    EXPECT_EQ(texts.count(), 2);
    const qsizetype linesBefore = lines.count();
    page.editor->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "\n");
    page.editor->SendScintilla(QsciScintillaBase::SCI_DELETERANGE, 0UL, 2L);
    settle();
    EXPECT_EQ(texts.count(), 3);
    EXPECT_EQ(lines.count(), linesBefore);
    page.editor->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "1\n2\n");
    settle();
    EXPECT_EQ(lines.count(), linesBefore + 1);
}

TEST(CodeEditor, DescribedAsAPlainEditorUntilAccessibilityComesOn) {
    // Which changes the control announces: all of them, or only those about to happen.
    const auto announcesChangesMade = [](CodeEditor* editor) {
        return (editor->SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK) &
                QsciScintillaBase::SC_MOD_INSERTTEXT) != 0;
    };
    test::EditorWindow page;
    ASSERT_FALSE(QAccessible::isActive());
    QAccessibleInterface* plain = QAccessible::queryAccessibleInterface(page.editor);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->role(), QAccessible::EditableText);
    EXPECT_EQ(plain->textInterface(), nullptr);
    EXPECT_FALSE(announcesChangesMade(page.editor));
    // Assistive technology starts: the page offers its text and announces every change.
    QAccessible::setActive(true);
    QAccessibleInterface* full = QAccessible::queryAccessibleInterface(page.editor);
    ASSERT_NE(full, nullptr);
    EXPECT_NE(full->textInterface(), nullptr);
    EXPECT_TRUE(announcesChangesMade(page.editor));
    test::EditorWindow later;
    QAccessibleInterface* laterFull = QAccessible::queryAccessibleInterface(later.editor);
    ASSERT_NE(laterFull, nullptr);
    EXPECT_NE(laterFull->textInterface(), nullptr);
    EXPECT_TRUE(announcesChangesMade(later.editor));
    // The text signals come once per change either way.
    QSignalSpy texts(later.editor, &QsciScintilla::textChanged);
    later.editor->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "x");
    settle();
    EXPECT_EQ(texts.count(), 1);
    QAccessible::setActive(false);
    EXPECT_FALSE(announcesChangesMade(page.editor));
    EXPECT_FALSE(announcesChangesMade(later.editor));
}

TEST(CodeEditor, CaretColumnsCountTabsAndVirtualSpace) {
    test::EditorWindow page;
    page.setText("\tab");
    page.caretAt(0, 2);
    EXPECT_EQ(page.editor->caretColumn(), 10);         // the tab spans eight columns
    EXPECT_EQ(page.editor->caretCharacterColumn(), 3); // two characters before the caret
    page.caretAt(0, 3);
    QTest::keyClick(page.editor, Qt::Key_Right);
    QTest::keyClick(page.editor, Qt::Key_Right);
    EXPECT_EQ(page.editor->caretVirtualSpace(), 2);
    EXPECT_EQ(page.editor->caretColumn(), 13);
    EXPECT_EQ(page.editor->caretCharacterColumn(), 6);
}

TEST(CodeEditor, FixedAndBasicSettings) {
    test::EditorWindow fixed;
    EXPECT_TRUE(fixed.editor->reportsStatus());
    EXPECT_EQ(fixed.editor->viewport()->cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(fixed.editor->gutterText(0), QStringLiteral("1"));
    EXPECT_EQ(fixed.editor->options().gutter.digitCount, 3);
    EXPECT_TRUE(fixed.editor->autoIndent());
    EXPECT_FALSE(fixed.editor->indentationsUseTabs());
    EXPECT_EQ(fixed.editor->SendScintilla(QsciScintillaBase::SCI_GETVIRTUALSPACEOPTIONS) &
                  QsciScintillaBase::SCVS_USERACCESSIBLE,
              QsciScintillaBase::SCVS_USERACCESSIBLE);
    EXPECT_EQ(fixed.editor->textFont().pixelSize(), 11);

    test::EditorWindow basic(false);
    basic.editor->applyBasicSettings();
    EXPECT_FALSE(basic.editor->reportsStatus());
    EXPECT_EQ(basic.editor->popupMenu(), nullptr);
}

TEST(CodeEditor, StatusReportsCaretMovesAndTheChangedFlag) {
    test::EditorWindow page;
    page.setText("abc\ndef");
    page.editor->setModified(false);
    settle();
    QSignalSpy status(page.editor, &CodeEditor::statusChanged);
    QTest::keyClicks(page.editor, QStringLiteral("xy"));
    settle();
    int modifiedReports = 0;
    for (const auto& args : status)
        modifiedReports += args.at(0).toBool() ? 1 : 0;
    EXPECT_EQ(modifiedReports, 1); // the first change only
    status.clear();
    page.caretAt(1, 1);
    ASSERT_FALSE(status.isEmpty());
    EXPECT_FALSE(status.last().at(0).toBool());
    EXPECT_EQ(page.editor->caretLine(), 2);
    // Moving into virtual space changes only the column, and is reported too.
    page.caretAt(1, 3);
    status.clear();
    QTest::keyClick(page.editor, Qt::Key_Right);
    settle();
    EXPECT_FALSE(status.isEmpty());

    test::EditorWindow basic(false);
    basic.editor->applyBasicSettings();
    QSignalSpy silent(basic.editor, &CodeEditor::statusChanged);
    QSignalSpy released(basic.editor, &CodeEditor::keyReleased);
    QTest::keyClicks(basic.editor, QStringLiteral("xy"));
    settle();
    EXPECT_TRUE(silent.isEmpty());
    EXPECT_TRUE(released.isEmpty());
}

TEST(CodeEditor, OptionsReachTheControl) {
    test::EditorWindow page;
    EditorOptions o = page.editor->options();
    o.tabWidth = 5;
    o.rightEdge = 0;
    o.extraLineSpacing = 5;
    o.insertMode = false;
    o.selectedBackground = rgbColour(1, 2, 3);
    o.colour = rgbColour(240, 240, 240);
    o.font.colour = rgbColour(20, 30, 40);
    page.editor->setOptions(o);
    CodeEditor* e = page.editor;
    EXPECT_EQ(e->SendScintilla(QsciScintillaBase::SCI_GETTABWIDTH), 5);
    EXPECT_EQ(e->SendScintilla(QsciScintillaBase::SCI_GETEDGEMODE), long(QsciScintilla::EdgeNone));
    EXPECT_EQ(e->SendScintilla(QsciScintillaBase::SCI_GETEXTRAASCENT), 2);
    EXPECT_EQ(e->SendScintilla(QsciScintillaBase::SCI_GETEXTRADESCENT), 3);
    EXPECT_EQ(e->SendScintilla(QsciScintillaBase::SCI_GETOVERTYPE), 1);
    EXPECT_EQ(e->SendScintilla(QsciScintillaBase::SCI_STYLEGETBACK, 0UL), long(rgbColour(240, 240, 240)));
    EXPECT_EQ(e->SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, 0UL), long(rgbColour(20, 30, 40)));
}

TEST(CodeEditor, CaretShapes) {
    const struct {
        CaretShape shape;
        bool insert;
        long scintillaStyle;
        bool own;
    } cases[] = {
        {CaretShape::VerticalLine, true, QsciScintillaBase::CARETSTYLE_LINE, false},
        {CaretShape::Block, true, QsciScintillaBase::CARETSTYLE_BLOCK, false},
        {CaretShape::HorizontalLine, true, QsciScintillaBase::CARETSTYLE_INVISIBLE, true},
        {CaretShape::HalfBlock, true, QsciScintillaBase::CARETSTYLE_INVISIBLE, true},
        {CaretShape::HalfBlock, false, QsciScintillaBase::CARETSTYLE_LINE, false},
    };
    test::EditorWindow page;
    for (const auto& c : cases) {
        EditorOptions o = page.editor->options();
        o.insertCaret = c.shape;
        o.insertMode = c.insert;
        page.editor->setOptions(o);
        EXPECT_EQ(page.editor->SendScintilla(QsciScintillaBase::SCI_GETCARETSTYLE), c.scintillaStyle)
            << int(c.shape);
        EXPECT_EQ(page.editor->drawsOwnCaret(), c.own) << int(c.shape);
    }
}

TEST(CodeEditor, OwnCaretIsDrawnUnderTheCharacter) {
    test::EditorWindow page;
    EditorOptions o = page.editor->options();
    o.insertCaret = CaretShape::HalfBlock;
    o.colour = rgbColour(255, 255, 255);
    o.font.colour = rgbColour(0, 0, 0);
    page.editor->setOptions(o);
    page.setText("    ");
    page.caretAt(0, 2);
    const long caret = page.editor->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const int x = int(page.editor->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, caret));
    const int y = int(page.editor->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, caret));
    const int h = int(page.editor->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0UL));
    const QImage image = page.editor->viewport()->grab().toImage();
    EXPECT_EQ(QColor(image.pixel(x + 2, y + h - 2)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(x + 2, y + 1)), QColor(Qt::white));
}

TEST(CodeEditor, GutterNumbering) {
    const struct {
        bool numbers, zeros, zeroStart, visible;
        int digits;
        const char* first;
        const char* tenth;
    } cases[] = {
        {true, false, false, true, 4, "1", "10"}, {true, true, false, true, 4, "0001", "0010"},
        {true, false, true, true, 4, "0", "9"},   {true, true, true, true, 3, "000", "009"},
        {false, true, true, true, 4, "", ""},     {true, false, false, false, 4, "", ""},
    };
    test::EditorWindow page;
    page.setText("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11");
    for (const auto& c : cases) {
        EditorOptions o = page.editor->options();
        o.gutter.showLineNumbers = c.numbers;
        o.gutter.leadingZeros = c.zeros;
        o.gutter.zeroStart = c.zeroStart;
        o.gutter.visible = c.visible;
        o.gutter.digitCount = c.digits;
        page.editor->setOptions(o);
        settle();
        EXPECT_EQ(page.editor->gutterText(0), QString::fromLatin1(c.first));
        EXPECT_EQ(page.editor->gutterText(9), QString::fromLatin1(c.tenth));
        if (!c.visible) {
            EXPECT_EQ(page.editor->gutterPixelWidth(), 0);
        }
        if (c.numbers && c.visible && (c.zeros || c.zeroStart)) {
            // The numbers that need a text of their own are in the gutter's texts.
            char buffer[16] = {};
            page.editor->SendScintilla(QsciScintillaBase::SCI_MARGINGETTEXT, 9UL, buffer);
            EXPECT_STREQ(buffer, c.tenth);
        }
    }
}

TEST(CodeEditor, ColouringFollowsItsComponent) {
    ColouringComponent css(SchemeLanguage::Css);
    {
        test::EditorWindow page;
        page.editor->setColouring(&css);
        EXPECT_EQ(css.editors(), QList<CodeEditor*>{page.editor});
        page.setText("a { }");
        // The shown text is coloured by the component's lexer.
        const int identifier = css.scheme().indexOf("Identifier");
        EXPECT_EQ(page.editor->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, 0UL),
                  long(ColouringComponent::styleOfAttribute(identifier)));
        EXPECT_EQ(page.editor->attributeAt(0), identifier);
        EXPECT_EQ(page.editor->attributeAt(1), css.scheme().indexOf("Space"));
        page.editor->setColouring(nullptr);
        EXPECT_TRUE(css.editors().isEmpty());
        EXPECT_EQ(page.editor->attributeAt(0), -1);
        EXPECT_EQ(page.editor->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, 0UL), 0);
        page.editor->setColouring(&css);
    }
    // A closed page leaves its component.
    EXPECT_TRUE(css.editors().isEmpty());
}

TEST(CodeEditor, SelectionHiddenOnFocusLossOnlyWhenAsked) {
    test::EditorWindow page;
    auto* other = new QsciScintilla;
    page.window->setMenuWidget(other);
    page.setText("abc");
    for (bool hide : {false, true}) {
        EditorOptions o = page.editor->options();
        o.hideSelection = hide;
        o.colour = rgbColour(255, 255, 255);
        o.selectedBackground = rgbColour(0, 0, 255);
        page.editor->setOptions(o);
        page.editor->setFocus();
        page.editor->selectAll();
        settle();
        other->setFocus();
        settle();
        const int x = int(page.editor->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, 1L));
        const int y = int(page.editor->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, 1L));
        const QColor pixel = page.editor->viewport()->grab().toImage().pixelColor(x, y + 1);
        EXPECT_EQ(pixel == QColor(Qt::white), hide) << "hide " << hide;
    }
}

TEST(CodeEditor, DroppedFilesAreReported) {
    test::EditorWindow page;
    QSignalSpy dropped(page.editor, &CodeEditor::filesDropped);
    QMimeData data;
    data.setUrls(
        {QUrl::fromLocalFile(QStringLiteral("/tmp/a.php")), QUrl(QStringLiteral("http://example.org/b"))});
    // A drop reaches a widget that accepted the drag entering it.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page.editor->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page.editor->viewport(), &drop);
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped.at(0).at(0).toStringList(), QStringList{QStringLiteral("/tmp/a.php")});
    EXPECT_EQ(page.text(), QString());
}

} // namespace
} // namespace wertan
