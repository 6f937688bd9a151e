#include "link/ui/FormView.h"
#include "UiFixture.h"
#include "link/UdpTransport.h"
#include "link/ui/UpDown.h"
#include "project/ProjectState.h"
#include "support/QtPrinting.h"
#include "support/ScriptedTransport.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

QStringList commandTexts(const ScriptedTransport &transport)
{
    QStringList texts;
    for (const QByteArray &r : transport.requests)
        texts << QString::fromLatin1(r.mid(3, r.size() - 8));
    return texts;
}

class FormViewTest : public UiTest
{
protected:
    FormViewTest()
    {
        for (int i = 0; i < 6; ++i)
            state.items().append({QStringLiteral("G"),
                                  QStringLiteral("Item %1").arg(i),
                                  QStringLiteral("g%1.bin").arg(i),
                                  {},
                                  {}});
    }

    // The command texts sent, e.g. "DV0007".
    QStringList sent() const { return commandTexts(transport); }

    ProjectState state;
    ScriptedTransport transport;
};

TEST_F(FormViewTest, StartsAtTheCurrentItem)
{
    const struct
    {
        int row;
        const char *number;
    } cases[] = {{-1, "0"}, {4, "4"}, {0, "0"}};
    for (const auto &c : cases) {
        state.setCurrentItem(c.row);
        FormView form(state, services, transport);
        form.Form_Load();
        EXPECT_EQ(form.TextNum->text(), QString::fromLatin1(c.number)) << c.row;
    }
}

// One reading of the box: what leaving it shows is what Show sends, and the
// arrows step from there (how a text reads as a number: tests/link).
TEST_F(FormViewTest, OneNumberForShowArrowsAndLeaving)
{
    const struct
    {
        const char *typed;
        const char *left; // the text after leaving the box
        const char *shown;
        const char *afterUp; // the text after the upper arrow
    } cases[] = {
        {"007", "7", "DV0007", "8"},          {" 3 ", "3", "DV0003", "4"},
        {"12345", "12345", "DV12345", "350"}, {"", "0", "DV0000", "1"},
        {"1e300", "65534", "DV65534", "350"}, {"349.5", "350", "DV0350", "349.5"},
    };
    FormView form(state, services, transport);
    for (const auto &c : cases) {
        transport.requests.clear();
        transport.reply(frame::buildReply("A", 1));
        form.TextNum->setText(QString::fromLatin1(c.typed));
        form.CmdOK_Click();
        form.TextNum->setText(QString::fromLatin1(c.typed));
        form.UpDown->ArrowUp->click();
        EXPECT_EQ(form.TextNum->text(), QString::fromLatin1(c.afterUp)) << c.typed;
        ASSERT_FALSE(sent().isEmpty()) << c.typed;
        EXPECT_EQ(sent().at(0), QString::fromLatin1(c.shown)) << c.typed;
        form.TextNum->setText(QString::fromLatin1(c.typed));
        form.TextNum_LostFocus();
        EXPECT_EQ(form.TextNum->text(), QString::fromLatin1(c.left)) << c.typed;
        transport.replies.clear();
    }
    form.TextNum->setText(QStringLiteral("123"));
    form.TextNum_GotFocus();
    EXPECT_EQ(form.TextNum->selectedText(), QStringLiteral("123"));
}

TEST_F(FormViewTest, ArrowsAndArrowKeysStepAndShow)
{
    const struct
    {
        const char *from;
        int delta;
        bool key; // the arrow key in the box rather than the arrow beside it
        const char *to;
        QStringList commands;
    } cases[] = {
        {"4", 1, false, "5", {QStringLiteral("DV0005")}},
        {"4", -1, false, "3", {QStringLiteral("DV0003")}},
        {"4", -1, true, "3", {QStringLiteral("DV0003")}},
        {"349", 1, true, "350", {QStringLiteral("DV0350")}},
        {"1", -1, false, "0", {QStringLiteral("DV0000")}},
        {"0", -1, false, "0", {}},
        {"350", 1, true, "350", {}},
    };
    for (const auto &c : cases) {
        FormView form(state, services, transport);
        transport.requests.clear();
        transport.reply(frame::buildReply("A", 1));
        form.TextNum->setText(QString::fromLatin1(c.from));
        if (c.key)
            QTest::keyClick(form.TextNum, c.delta > 0 ? Qt::Key_Up : Qt::Key_Down);
        else
            (c.delta > 0 ? form.UpDown->ArrowUp : form.UpDown->ArrowDown)->click();
        EXPECT_EQ(form.TextNum->text(), QString::fromLatin1(c.to)) << c.from;
        EXPECT_EQ(sent(), c.commands) << c.from;
        transport.replies.clear();
    }
}

// A press goes on stepping only while the button is really down, whatever
// became of its release: here the release never reaches the arrow at all, as
// when a wait throws it away or a message box takes it.
TEST_F(FormViewTest, AnArrowStepsWhileTheButtonIsDown)
{
    for (const int held : {0, 3}) { // further steps after the first
        ScriptedTransport answering;
        for (int i = 0; i < 20; ++i)
            answering.reply(frame::buildReply("A", 1));
        FormView form(state, services, answering);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        // Let go once held + 1 steps have gone out.
        form.UpDown->setButtonQuery(
            [&] { return answering.requests.size() < static_cast<std::size_t>(held) + 1; });
        QToolButton *arrow = form.UpDown->ArrowUp;
        QCursor::setPos(arrow->mapToGlobal(arrow->rect().center()));
        QTest::mousePress(arrow, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !form.UpDown->repeating(); }, 10000));
        QTest::qWait(2 * UpDown::RepeatDelayMs); // and no step after it
        QStringList steps;
        for (int k = 1; k <= held + 1; ++k)
            steps << QStringLiteral("DV%1").arg(k, 4, 10, QLatin1Char('0'));
        EXPECT_EQ(commandTexts(answering), steps) << held;
        EXPECT_FALSE(arrow->isDown()) << "the arrow comes up with the button";
    }
}

// Waiting for a reply keeps timers (and so painting) going.
TEST_F(FormViewTest, WindowsKeepGoingWhileWaiting)
{
    QUdpSocket silent;
    ASSERT_TRUE(silent.bind(QHostAddress::LocalHost, 0));
    UdpTransport udp(200);
    udp.setRemote(QHostAddress::LocalHost, silent.localPort());
    FormView form(state, services, udp);
    form.show();
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    form.CmdOK_Click();
    EXPECT_GT(ticks, 10);
    EXPECT_EQ(messages.last(), QStringLiteral("Timeout while waiting for the Terminal to reply"));
}

// Keys and clicks made while a command waits go nowhere, then or later; the
// time-out is told and the window stays open.
TEST_F(FormViewTest, InputDuringTheWaitIsDiscarded)
{
    ScriptedTransport silent;
    silent.waitMs = 150;
    FormView form(state, services, silent);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.TextNum->setText(QStringLiteral("4"));
    QTimer::singleShot(50, &form, [&] {
        QTest::keyClick(form.TextNum, Qt::Key_9);
        QTest::mouseClick(form.CmdOK, Qt::LeftButton);
        QTest::mouseClick(form.CmdCancel, Qt::LeftButton);
    });
    form.CmdOK_Click();
    QTest::qWait(50);
    EXPECT_EQ(form.TextNum->text(), QStringLiteral("4"));
    EXPECT_EQ(commandTexts(silent), QStringList(3, QStringLiteral("DV0004")));
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("Timeout while waiting for the Terminal to reply")});
    EXPECT_TRUE(form.isVisible());
    silent.reply(frame::buildReply("N", 1));
    form.CmdOK_Click();
    EXPECT_EQ(messages.shown.size(), 1u) << "a negative answer is silent";
    QTest::mouseClick(form.CmdCancel, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

} // namespace
