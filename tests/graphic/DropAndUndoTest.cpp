#include "GraphicFixture.h"
#include "editors/ui/FormGraphic.h"
#include "editors/ui/FormSize.h"
#include "editors/ui/FormText.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <array>
#include <functional>

namespace {

using namespace Qt::StringLiterals;

// Acts on the modal dialog of type D once its event loop runs.
template <typename D> void whenShown(std::function<void(D &)> act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

class DropAndUndoTest : public GraphicWindowTest
{
public: // the cases' steps drive the fixture
    using EditorWindowTest::dialogs;
    using GraphicWindowTest::picture;

    // A graphic 16 wide with the given column bytes from column 0.
    static QByteArray columns(std::initializer_list<int> values, int bands = 1)
    {
        QByteArray bytes = graphic(16, bands);
        int i = 2;
        for (int v : values)
            bytes[i++] = static_cast<char>(v);
        return bytes;
    }

    void typeText(FormGraphic &form, const char *text)
    {
        whenShown<FormText>([text](FormText &dialog) {
            dialog.TextData->setPlainText(QLatin1String(text));
            dialog.CmdOK->click();
        });
        form.CmdText_Click();
    }
};

// OK, Text, Import and Paste place a floating selection first, where it is
// shown, as a click outside it would.
TEST_F(DropAndUndoTest, OkSavesTheDotsTheUserSees)
{
    const struct
    {
        const char *name;
        std::function<void(DropAndUndoTest &, FormGraphic &)> act;
        QByteArray saved;
    } cases[] = {
        // Dot (1, 1) moved with its 4 x 4 selection by (5, 0). Lifted with
        // Shift its white dots are see-through: (6, 2) stays black. (Without
        // Shift they cover it: the model's and the control's tests.)
        {"lifted with Shift",
         [](DropAndUndoTest &, FormGraphic &f) {
             f.Vog.call(QStringLiteral("SetData"), {QStringLiteral("16,1,0,2,0,0,0,0,4")});
             drag(f, 0, 0, 3, 3);
             move(f, 1, 1, 6, 1, Qt::ShiftModifier);
         },
         columns({0, 0, 0, 0, 0, 0, 6})},
        {"pasted",
         [](DropAndUndoTest &, FormGraphic &f) {
             f.Vog.call(QStringLiteral("SetData"), {QStringLiteral("16,1,129,66")});
             drag(f, 0, 0, 1, 7);
             f.CmdCopy->click();
             f.Vog.call(QStringLiteral("SetData"), {QStringLiteral("16,1")});
             f.CmdPaste->click();
         },
         columns({129, 66})},
        // The moved block is placed before the text dialog's preview replaces it.
        {"text cancelled over a moved block",
         [](DropAndUndoTest &, FormGraphic &f) {
             drag(f, 0, 0, 3, 3);
             move(f, 1, 1, 6, 1);
             whenShown<FormText>([](FormText &dialog) {
                 dialog.TextData->setPlainText(QStringLiteral("I"));
                 dialog.CmdCancel->click();
             });
             f.CmdText_Click();
         },
         columns({0, 0, 0, 0, 0, 0, 2})},
        // So are a pasted and an imported one before the next import.
        {"imported over a moved block",
         [](DropAndUndoTest &t, FormGraphic &f) {
             drag(f, 0, 0, 3, 3);
             move(f, 1, 1, 6, 1);
             t.dialogs.answer(t.picture());
             f.CmdImport->click();
         },
         columns({0, 0, 2, 0, 0, 0, 2})},
        // The draw tool places it by setting the control's tool again.
        {"imported twice with the draw tool",
         [](DropAndUndoTest &t, FormGraphic &f) {
             f.OptionDraw->click();
             t.dialogs.answer(t.picture());
             f.CmdImport->click();
             f.Vog.put(QStringLiteral("SelPosX1"), 4);
             f.Vog.put(QStringLiteral("SelPosX2"), 6);
             t.dialogs.answer(t.picture());
             f.CmdImport->click();
             EXPECT_TRUE(f.OptionDraw->isChecked());
             EXPECT_TRUE(f.Vog.get(QStringLiteral("Mode")).toBool());
         },
         columns({0, 0, 2, 0, 0, 0, 2})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        useGraphic();
        writeGraphic(columns({0, 2}));
        FormGraphic form(state, services);
        c.act(*this, form);
        form.CmdOK_Click();
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_EQ(readGraphic(), c.saved);
    }
}

// After each operation of the window Undo brings back the dots (and the
// selection) before it and Redo those after it; the buttons follow.
TEST_F(DropAndUndoTest, UndoAndRedoAfterEveryOperation)
{
    using Step = std::function<void(DropAndUndoTest &, FormGraphic &)>;
    const Step marked = [](DropAndUndoTest &, FormGraphic &f) { drag(f, 2, 3, 9, 4); };
    const Step nothing = [](DropAndUndoTest &, FormGraphic &) {};
    const auto click = [](const char *button) {
        return [button](DropAndUndoTest &, FormGraphic &f) {
            f.findChild<QToolButton *>(QLatin1String(button))->click();
        };
    };
    const struct
    {
        const char *name;
        Step prepare, act;
        bool undoable;
    } cases[] = {
        {"fill black", marked, click("CmdFill"), true},
        {"delete", marked, [](DropAndUndoTest &, FormGraphic &f) { f.DeleteSelection(); }, true},
        {"rotate 90", marked, click("CmdRotate90"), true},
        {"size", nothing,
         [](DropAndUndoTest &, FormGraphic &f) {
             whenShown<FormSize>([](FormSize &dialog) {
                 dialog.TextSizeX->setText(QStringLiteral("12"));
                 dialog.TextSizeY->setText(QStringLiteral("1"));
                 dialog.CmdOK_Click();
             });
             f.CmdSize_Click();
         },
         true},
        {"text", nothing, [](DropAndUndoTest &t, FormGraphic &f) { t.typeText(f, "Hi"); }, true},
        {"import", nothing,
         [](DropAndUndoTest &t, FormGraphic &f) {
             t.dialogs.answer(t.picture());
             f.CmdImport->click();
         },
         true},
        {"paste",
         [](DropAndUndoTest &, FormGraphic &f) {
             drag(f, 2, 3, 9, 4);
             f.CmdCopy->click();
             f.Vog.call(QStringLiteral("Escape"));
         },
         click("CmdPaste"), true},
        {"select all", nothing, [](DropAndUndoTest &, FormGraphic &f) { f.SelectAll(); }, true},
        // A lift shows nothing new: with the operation after it, it is one step.
        {"select all, fill", nothing,
         [](DropAndUndoTest &, FormGraphic &f) {
             f.SelectAll();
             f.CmdFill->click();
         },
         true},
        {"click into the selection, rotate", marked,
         [](DropAndUndoTest &, FormGraphic &f) {
             move(f, 3, 3, 3, 3);
             f.CmdRotate180->click();
         },
         true},
        // Every selection operation shares one path: one of each kind is enough.
        // Without a selection they change nothing: no step to undo.
        {"fill without a selection", nothing, click("CmdFill"), false},
        {"size cancelled", nothing,
         [](DropAndUndoTest &, FormGraphic &f) {
             whenShown<FormSize>([](FormSize &dialog) { dialog.CmdCancel_Click(); });
             f.CmdSize_Click();
         },
         false},
        {"text cancelled untouched", nothing,
         [](DropAndUndoTest &, FormGraphic &f) {
             whenShown<FormText>([](FormText &dialog) { dialog.CmdCancel->click(); });
             f.CmdText_Click();
         },
         false},
    };
    const QByteArray pattern = GraphicWindowTest::pattern();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        // What OK saves right after the operation.
        useGraphic();
        writeGraphic(pattern);
        QByteArray saved;
        {
            FormGraphic form(state, services);
            c.prepare(*this, form);
            c.act(*this, form);
            form.CmdOK_Click();
            saved = readGraphic();
        }
        if (!c.undoable) {
            EXPECT_EQ(saved, pattern);
        }

        writeGraphic(pattern);
        FormGraphic form(state, services);
        EXPECT_FALSE(form.CmdUndo->isEnabled());
        EXPECT_FALSE(form.CmdRedo->isEnabled());
        c.prepare(*this, form);
        const QString before = data(form);
        const bool selectedBefore = selected(form);
        EXPECT_FALSE(form.CmdUndo->isEnabled());
        c.act(*this, form);
        const QString after = data(form);
        EXPECT_EQ(form.CmdUndo->isEnabled(), c.undoable);
        EXPECT_FALSE(form.CmdRedo->isEnabled());
        if (!c.undoable)
            continue;

        form.CmdUndo->click();
        EXPECT_EQ(data(form), before);
        EXPECT_EQ(selected(form), selectedBefore);
        EXPECT_FALSE(form.CmdUndo->isEnabled());
        EXPECT_TRUE(form.CmdRedo->isEnabled());

        form.CmdRedo->click();
        EXPECT_EQ(data(form), after);
        EXPECT_TRUE(form.CmdUndo->isEnabled());
        EXPECT_FALSE(form.CmdRedo->isEnabled());
        form.CmdOK_Click();
        EXPECT_EQ(readGraphic(), saved);
    }
}

// A hundred steps: the k-th of 101 fills inverts column (k - 1) mod 8; Undo
// reaches back to the state after the first, Redo forward to the last.
TEST_F(DropAndUndoTest, AHundredStepsToUndo)
{
    useGraphic();
    writeGraphic(graphic(8, 1));
    FormGraphic form(state, services);
    form.OptionInvert->click();
    for (int k = 1; k <= 101; ++k) {
        drag(form, (k - 1) % 8, 0, (k - 1) % 8, 7);
        form.CmdFill->click();
    }
    // 101 fills are 6 rounds of 16 and 5: the first five columns black.
    const QString last = u"008,001,255,255,255,255,255,000,000,000"_s;
    ASSERT_EQ(data(form), last);
    const auto press = [](QToolButton *button) {
        int pressed = 0;
        for (; button->isEnabled() && pressed < 200; ++pressed)
            button->click();
        return pressed;
    };
    EXPECT_EQ(press(form.CmdUndo), 100);
    const QString first = u"008,001,255,000,000,000,000,000,000,000"_s;
    EXPECT_EQ(data(form), first);
    form.CmdUndo_Click(); // the slot itself, as Ctrl+Z calls it: nothing older
    EXPECT_EQ(data(form), first);
    EXPECT_EQ(press(form.CmdRedo), 100);
    EXPECT_EQ(data(form), last);
}

TEST_F(DropAndUndoTest, KeyboardShortcuts)
{
    useGraphic();
    const QByteArray pattern = GraphicWindowTest::pattern();
    writeGraphic(pattern);
    FormGraphic form(state, services);
    activate(form);
    // Rows 12 to 15 lie below a height of 12 dots: hidden, yet saved.
    form.Vog.put(QStringLiteral("SizeY"), 12);
    const QString loaded = data(form);
    const auto key = [&form](Qt::Key pressed, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(&form, pressed, modifiers);
    };

    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(selected(form));
    EXPECT_EQ((std::array{number(form, "SelPosX1"), number(form, "SelPosY1"),
                          number(form, "SelPosX2"), number(form, "SelPosY2")}),
              (std::array{0, 0, 15, 11}));
    key(Qt::Key_Delete, Qt::NoModifier);
    key(Qt::Key_Z, Qt::ControlModifier); // the lift goes with the Delete
    EXPECT_EQ(data(form), loaded);
    EXPECT_FALSE(selected(form));
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(selected(form));
    EXPECT_FALSE(form.CmdRedo->isEnabled());
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(form.CmdRedo->isEnabled());
    key(Qt::Key_Z, Qt::ControlModifier);

    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    const QMimeData *offered = QApplication::clipboard()->mimeData();
    ASSERT_NE(offered, nullptr);
    EXPECT_EQ(offered->formats().filter(QStringLiteral("VogData")).size(), 1);
    key(Qt::Key_V, Qt::ControlModifier); // places the whole graphic, floats a copy at (0, 0)
    form.CmdOK_Click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(readGraphic(), pattern) << "lifted whole and placed again, hidden rows too";

    // Delete of the whole graphic leaves it white.
    FormGraphic again(state, services);
    activate(again);
    QTest::keyClick(&again, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&again, Qt::Key_Delete);
    again.CmdOK_Click();
    EXPECT_EQ(readGraphic(), graphic(16, 2));
}

// One key chooses each tool; a line drawn with the mouse is saved as its
// dots, one undo step; Ctrl+wheel zooms about the dot under the pointer.
TEST_F(DropAndUndoTest, ToolKeysLineSavedByOkAndWheelZoom)
{
    useGraphic();
    writeGraphic(graphic(16, 1));
    FormGraphic form(state, services);
    activate(form);
    const struct
    {
        Qt::Key key;
        QToolButton *button;
        int tool;
    } keys[] = {{Qt::Key_P, form.OptionDraw, 1},      {Qt::Key_L, form.OptionLine, 2},
                {Qt::Key_R, form.OptionRectangle, 3}, {Qt::Key_E, form.OptionEllipse, 4},
                {Qt::Key_F, form.OptionFloodFill, 5}, {Qt::Key_S, form.OptionSelect, 0}};
    for (const auto &k : keys) {
        QTest::keyClick(&form, k.key);
        EXPECT_TRUE(k.button->isChecked()) << k.button->objectName().toStdString();
        EXPECT_EQ(number(form, "Tool"), k.tool);
        EXPECT_TRUE(k.button->toolTip().endsWith(u'(' + QKeySequence(k.key).toString() + u')'));
    }
    QTest::keyClick(&form, Qt::Key_O);
    EXPECT_TRUE(form.Vog.get(QStringLiteral("Filled")).toBool());
    QTest::keyClick(&form, Qt::Key_O);
    EXPECT_FALSE(form.Vog.get(QStringLiteral("Filled")).toBool());

    QTest::keyClick(&form, Qt::Key_L);
    mouse(form, QEvent::MouseButtonPress, 1, 1);
    mouse(form, QEvent::MouseMove, 9, 3);
    mouse(form, QEvent::MouseMove, 14, 5);
    mouse(form, QEvent::MouseButtonRelease, 14, 5);
    QApplication::processEvents();
    EXPECT_TRUE(form.CmdUndo->isEnabled());
    form.CmdOK_Click();
    ASSERT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(readGraphic(), columns({0, 2, 2, 4, 4, 4, 8, 8, 8, 8, 16, 16, 16, 32, 32}));

    // Ctrl+wheel over dot (10, 5) of a 128 x 128 graphic: at the next zoom step
    // (12 pixels a dot) dot 10 stays under pixel 63, dot 5 under pixel 33.
    writeGraphic(graphic(128, 16));
    FormGraphic large(state, services);
    activate(large);
    mouse(large, QEvent::MouseMove, 10, 5);
    QWidget *surface = qobject_cast<QAbstractScrollArea *>(large.Vog.widget())->viewport();
    const auto wheel = [surface](int delta, Qt::KeyboardModifiers modifiers) {
        const QPointF at(63, 33);
        QWheelEvent event(at, surface->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(surface, &event);
    };
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(large.zoomStep(), 1);
    EXPECT_EQ(std::pair(number(large, "FromX"), number(large, "FromY")), std::pair(5, 3));
    wheel(-120, Qt::NoModifier); // toward the user: three dots down
    EXPECT_EQ(number(large, "FromY"), 6);
    wheel(120, Qt::ShiftModifier);
    EXPECT_EQ(number(large, "FromX"), 2);
    wheel(-120, Qt::ControlModifier);
    wheel(-120, Qt::ControlModifier); // the first step is the last
    EXPECT_EQ(large.zoomStep(), 0);
}

// Escape places a floating selection where it is shown and keeps the tool
// (the X11 test presses it on a moved and a marked selection): nothing seen
// changes, so it is no undo step, and a second Escape has nothing to end.
TEST_F(DropAndUndoTest, EscapePlacesAFloatingImportAndKeepsThePen)
{
    useGraphic();
    writeGraphic(columns({3, 3}));
    FormGraphic form(state, services);
    activate(form);
    const QString loaded = data(form);
    form.OptionDraw->click();
    dialogs.answer(picture());
    form.CmdImport->click();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(selected(form));
    EXPECT_EQ(form.Vog.get(u"Tool"_s).toInt(), 1);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    form.CmdUndo_Click();
    EXPECT_EQ(data(form), loaded);
    EXPECT_FALSE(form.CmdUndo->isEnabled());
    form.CmdRedo_Click();
    form.CmdOK_Click();
    // The dot of the picture at (2, 1), its white cells over the graphic's.
    EXPECT_EQ(readGraphic(), columns({0, 0, 2}));
}

TEST_F(DropAndUndoTest, TextOutsideTheCodePageNeverReachesTheControl)
{
    useGraphic();
    writeGraphic(graphic(64, 4));
    FormGraphic form(state, services);
    FormText text(form.Vog, services, &form);
    activate(text);
    text.TextData->setFocus();
    QTest::keyClicks(text.TextData, QStringLiteral("ab"));
    const int wide = number(form, "SelPosX2");
    messages.clear();
    text.TextData->insertPlainText(QString::fromUtf8("\xc5\x81\xc3\xb3"));
    EXPECT_EQ(messages.texts(), QStringList{QString::fromUtf8(
                                    "Text cannot contain the character \"\xc5\x81\" "
                                    "(U+0141): only Windows-1252 characters can be saved")});
    QApplication::processEvents();
    EXPECT_EQ(text.TextData->toPlainText(), QStringLiteral("ab"));
    EXPECT_EQ(text.TextData->textCursor().selectedText(), QStringLiteral("ab"))
        << "the next key replaces the text the refusal was about";
    EXPECT_EQ(number(form, "SelPosX2"), wide);
    messages.clear();
    text.TextData->moveCursor(QTextCursor::End);
    text.TextData->insertPlainText(QString::fromUtf8("\xe2\x82\xac")); // the euro sign fits
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_GT(number(form, "SelPosX2"), wide);
}

} // namespace
