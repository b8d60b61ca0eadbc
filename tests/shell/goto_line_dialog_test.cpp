// The go-to-line dialog: bounds, the five preview rows, the document list and the jump.
#include "main_window_harness.h"
#include "shell/ui/goto_line_dialog.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

using namespace wertan;
using namespace wertan::test;

namespace {

class GotoLineDialogTest : public MainWindowHarness {
protected:
    GotoLineDialog* dialog() { return window->findChild<GotoLineDialog*>(); }
    // Rows 1 to 5 as "number:text", an emptied row as ":".
    QStringList rows() {
        QStringList out;
        for (int r = 0; r < 5; ++r)
            out << dialog()->rowNumber(r) + QLatin1Char(':') + dialog()->rowText(r);
        return out;
    }
    void setNumber(int v) { dialog()->numberBox()->setValue(v); }
    void numberFromZero(bool on) { window->editorEnvironment().options().gutter.zeroStart = on; }
};

} // namespace

TEST_F(GotoLineDialogTest, OpensOnTheActiveDocumentWithItsBoundsAndFirstNumber) {
    ws().activeEditor()->setDocumentBytes("jeden\r\ndwa\r\ntrzy\r\n");
    run("MenuFile_New");
    ws().activate(0);
    run("MenuEdit_GoToLine");
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_TRUE(dialog()->isModal());
    EXPECT_EQ(dialog()->windowTitle(), QStringLiteral("Idź do linii"));
    EXPECT_EQ(dialog()->documentList()->count(), 2);
    EXPECT_EQ(dialog()->documentList()->currentText(), QStringLiteral("Beznazwy"));
    const struct {
        bool fromZero;
        int lowest, highest, value;
        QStringList rows;
    } table[] = {
        {false, 1, 3, 1, {":", ":", "1:jeden", "2:dwa", "3:trzy"}},
        {true, 0, 2, 0, {":", ":", "0:jeden", "1:dwa", "2:trzy"}},
    };
    for (const auto& row : table) {
        numberFromZero(row.fromZero);
        dialog()->prepare();
        EXPECT_EQ(dialog()->numberBox()->minimum(), row.lowest);
        EXPECT_EQ(dialog()->numberBox()->maximum(), row.highest);
        EXPECT_EQ(dialog()->numberBox()->value(), row.value);
        EXPECT_TRUE(dialog()->numberBox()->isEnabled());
        EXPECT_EQ(rows(), row.rows) << (row.fromZero ? "from 0" : "from 1");
    }
    // The middle row is the highlighted one.
    EXPECT_NE(dialog()->preview()->item(2, 1)->background().color(),
              dialog()->preview()->item(1, 1)->background().color());
}

TEST_F(GotoLineDialogTest, PreviewRowsFollowTheNumber) {
    ws().activeEditor()->setDocumentBytes("a\r\nb\r\nc\r\nd\r\ne\r\nf");
    const struct {
        bool fromZero;
        int v;
        QStringList rows;
    } table[] = {
        {false, 3, {"1:a", "2:b", "3:c", "4:d", "5:e"}}, {false, 2, {":", "1:a", "2:b", "3:c", "4:d"}},
        {false, 6, {"4:d", "5:e", "6:f", ":", ":"}},     {true, 0, {":", ":", "0:a", "1:b", "2:c"}},
        {true, 5, {"3:d", "4:e", "5:f", ":", ":"}},      {true, 1, {":", "0:a", "1:b", "2:c", "3:d"}},
    };
    for (const auto& row : table) {
        numberFromZero(row.fromZero);
        dialog()->prepare();
        setNumber(row.v);
        EXPECT_EQ(rows(), row.rows) << row.v << (row.fromZero ? " from 0" : " from 1");
    }
}

TEST_F(GotoLineDialogTest, ThreeLinesNumberedFromOneJumpToTheLast) {
    ws().activeEditor()->setDocumentBytes("jeden\r\ndwa\r\ntrzy");
    run("MenuEdit_GoToLine");
    setNumber(3);
    EXPECT_EQ(rows(), (QStringList{"1:jeden", "2:dwa", "3:trzy", ":", ":"}));
    dialog()->goButton()->click();
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(ws().activeEditor()->caretLine(), 3);
}

TEST_F(GotoLineDialogTest, TheJumpKeepsTheColumnAndScrollsTenLinesAbove) {
    QByteArray text;
    for (int i = 0; i < 40; ++i)
        text += "linia " + QByteArray::number(i) + "\r\n";
    ws().activeEditor()->setDocumentBytes(text.toStdString());
    ws().activeEditor()->setCursorPosition(0, 4);
    run("MenuEdit_GoToLine");
    setNumber(25);
    dialog()->goButton()->click();
    EXPECT_EQ(ws().activeEditor()->caretLine(), 25);
    EXPECT_EQ(ws().activeEditor()->caretColumn(), 5);
    EXPECT_EQ(ws().activeEditor()->firstVisibleLine(), 14);
    run("MenuEdit_GoToLine");
    setNumber(4);
    dialog()->goButton()->click();
    EXPECT_EQ(ws().activeEditor()->caretLine(), 4);
    EXPECT_EQ(ws().activeEditor()->firstVisibleLine(), 0) << "the first line when it is nearer";
}

TEST_F(GotoLineDialogTest, AnotherDocumentOfTheListBoundsTheNumberButTheJumpActsOnTheActiveOne) {
    ws().activeEditor()->setDocumentBytes("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8");
    run("MenuFile_NewSQL"); // empty
    run("MenuFile_New");
    ws().activeEditor()->setDocumentBytes("x\r\ny");
    run("MenuEdit_GoToLine");
    EXPECT_EQ(dialog()->numberBox()->maximum(), 2);
    dialog()->documentList()->setCurrentIndex(0);
    emit dialog()->documentList()->activated(0);
    EXPECT_EQ(dialog()->numberBox()->maximum(), 8);
    setNumber(7);
    EXPECT_EQ(rows(), (QStringList{"5:5", "6:6", "7:7", "8:8", ":"}));
    dialog()->goButton()->click();
    EXPECT_EQ(ws().activeIndex(), 2);
    EXPECT_EQ(ws().activeEditor()->caretLine(), 2) << "the line is kept inside the active document";

    // A document without lines allows only the first number and disables the box.
    for (const bool fromZero : {false, true}) {
        numberFromZero(fromZero);
        run("MenuEdit_GoToLine");
        dialog()->documentList()->setCurrentIndex(1);
        emit dialog()->documentList()->activated(1);
        EXPECT_FALSE(dialog()->numberBox()->isEnabled());
        EXPECT_EQ(dialog()->numberBox()->maximum(), fromZero ? 0 : 1);
        EXPECT_EQ(rows(), (QStringList{":", ":", fromZero ? "0:" : "1:", ":", ":"}));
        dialog()->reject();
    }
}

TEST_F(GotoLineDialogTest, TypingALetterHoldsThePreviewUntilADigitOrAClick) {
    ws().activeEditor()->setDocumentBytes("a\r\nb\r\nc\r\nd");
    run("MenuEdit_GoToLine");
    QSpinBox* box = dialog()->numberBox();
    auto key = [box](int k, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier, text);
        QApplication::sendEvent(box, &release);
    };
    key(Qt::Key_X, QStringLiteral("x"));
    setNumber(3);
    EXPECT_EQ(dialog()->rowText(2), QStringLiteral("a")) << "held";
    key(Qt::Key_Up, QString());
    EXPECT_EQ(dialog()->rowText(2), QStringLiteral("a")) << "a key that types nothing keeps it held";
    key(Qt::Key_2, QStringLiteral("2"));
    EXPECT_EQ(dialog()->rowNumber(2), QString::number(box->value())) << "a digit releases it";
    EXPECT_EQ(dialog()->rowText(2), QString(QChar(u'a' + box->value() - 1)));
    key(Qt::Key_X, QStringLiteral("x"));
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(box, &click);
    setNumber(4);
    EXPECT_EQ(dialog()->rowText(2), QStringLiteral("d")) << "a click in the box releases it";
}
