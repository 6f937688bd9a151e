#include "link/ui/FormView.h"
#include "UiFixture.h"
#include "link/UdpTransport.h"
#include "project/ProjectState.h"
#include "support/QtPrinting.h"
#include "support/ScriptedTransport.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

QStringList commandTexts(const ScriptedTransport &transport)
{
    QStringList texts;
    for (const QByteArray &r : transport.requests)
        texts << QString::fromLatin1(r.mid(3, r.size() - 8));
    return texts;
}

// The upper arrow of the up-down control, in its window's coordinates.
QPoint upperArrow(const QScrollBar *bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    const QRect arrow = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                     QStyle::SC_ScrollBarSubLine, bar);
    return bar->mapTo(bar->window(), arrow.center());
}

QPoint centreOf(const QWidget *widget)
{
    return widget->mapTo(widget->window(), widget->rect().center());
}

// Lets the event loop run until done() or a generous deadline.
template <typename Done> bool settleUntil(Done done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 20000)
        QTest::qWait(10);
    return done();
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

    // Shown on screen, so that presses go the way of a user's: through the window.
    static QWindow *shown(FormView &form)
    {
        form.show();
        return QTest::qWaitForWindowExposed(&form) ? form.windowHandle() : nullptr;
    }

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

TEST_F(FormViewTest, ShowSendsTheLeadingNumber)
{
    const struct
    {
        const char *typed;
        const char *command;
    } cases[] = {{"12345", "DV12345"}, {" 3 ", "DV0003"}}; // the rest with the arrows below
    FormView form(state, services, transport);
    for (const auto &c : cases) {
        transport.requests.clear();
        transport.reply(frame::buildReply("A", 1));
        form.TextNum->setText(QString::fromLatin1(c.typed));
        form.CmdOK_Click();
        EXPECT_EQ(sent(), QStringList{QString::fromLatin1(c.command)}) << c.typed;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FormViewTest, FailedShowTellsTheUserAndStaysOpen)
{
    FormView form(state, services, transport);
    form.show();
    form.CmdOK_Click();
    EXPECT_EQ(transport.requests.size(), 3u);
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("Timeout while waiting for the Terminal to reply")});
    EXPECT_TRUE(form.isVisible());
    transport.reply(frame::buildReply("N", 1));
    form.CmdOK_Click();
    EXPECT_EQ(messages.shown.size(), 1u) << "a negative answer is silent";
}

// One reading of the box: what leaving it shows is what Show sends, and the
// arrows step from there.
TEST_F(FormViewTest, OneNumberForShowArrowsAndLeaving)
{
    const struct
    {
        const char *typed;
        const char *left; // the text after leaving the box
        const char *shown;
        const char *afterUp; // the text after the upper arrow
    } cases[] = {
        {"007", "7", "DV0007", "8"},
        {"12ab", "12", "DV0012", "13"},
        {"", "0", "DV0000", "1"},
        {"-5", "5", "DV0005", "6"},
        {"12.5", "13", "DV0013", "14"},
        {"12.4", "12", "DV0012", "13"},
        {"1e300", "65534", "DV65534", "350"},
        {"-1e300", "65534", "DV65534", "350"},
        {"99999", "65534", "DV65534", "350"},
        {"349.5", "350", "DV0350", "349.5"},
    };
    FormView form(state, services, transport);
    for (const auto &c : cases) {
        transport.requests.clear();
        transport.reply(frame::buildReply("A", 1));
        form.TextNum->setText(QString::fromLatin1(c.typed));
        form.CmdOK_Click();
        form.TextNum->setText(QString::fromLatin1(c.typed));
        form.UpDown->triggerAction(QAbstractSlider::SliderSingleStepSub);
        EXPECT_EQ(form.TextNum->text(), QString::fromLatin1(c.afterUp)) << c.typed;
        ASSERT_FALSE(sent().isEmpty()) << c.typed;
        EXPECT_EQ(sent()[0], QString::fromLatin1(c.shown)) << c.typed;
        form.TextNum->setText(QString::fromLatin1(c.typed));
        form.TextNum_LostFocus();
        EXPECT_EQ(form.TextNum->text(), QString::fromLatin1(c.left)) << c.typed;
        transport.replies.clear();
    }
    form.TextNum->setText(QStringLiteral("123"));
    form.TextNum_GotFocus();
    EXPECT_EQ(form.TextNum->selectedText(), QStringLiteral("123"));
}

// The upper arrow is the scroll bar's step back.
TEST_F(FormViewTest, UpDownStepsAndShows)
{
    const struct
    {
        const char *from;
        QAbstractSlider::SliderAction action;
        const char *to;
        QStringList commands;
    } cases[] = {
        {"4", QAbstractSlider::SliderSingleStepSub, "5", {QStringLiteral("DV0005")}},
        {"4", QAbstractSlider::SliderSingleStepAdd, "3", {QStringLiteral("DV0003")}},
        {"0", QAbstractSlider::SliderSingleStepAdd, "0", {}},
        {"350", QAbstractSlider::SliderSingleStepSub, "350", {}},
    };
    for (const auto &c : cases) {
        FormView form(state, services, transport);
        transport.requests.clear();
        transport.reply(frame::buildReply("A", 1));
        form.TextNum->setText(QString::fromLatin1(c.from));
        form.UpDown->triggerAction(c.action);
        EXPECT_EQ(form.TextNum->text(), QString::fromLatin1(c.to)) << c.from;
        EXPECT_EQ(sent(), c.commands) << c.from;
        transport.replies.clear();
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

// A press on the arrow while the terminal is silent: one Show (three
// attempts) and no more, wherever the release went: discarded during the
// wait, or taken by the message box. Close works afterwards.
TEST_F(FormViewTest, OnePressIsOneShow)
{
    for (const bool releaseDuringWait : {true, false}) {
        SCOPED_TRACE(releaseDuringWait ? "released during the wait" : "released on the message");
        ScriptedTransport silent;
        silent.waitMs = 100;
        FormView form(state, services, silent);
        QWindow *window = shown(form);
        ASSERT_TRUE(window);
        const QPoint arrow = upperArrow(form.UpDown);
        QWidget box; // stands in for the message box, which takes the release
        messages.clear();
        messages.onShow = [&](const Messages::Message &) {
            if (releaseDuringWait)
                return;
            box.show();
            QTest::mouseRelease(box.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
        };
        if (releaseDuringWait)
            QTimer::singleShot(50, &form,
                               [&] { QTest::mouseRelease(window, Qt::LeftButton, {}, arrow); });
        QTest::mousePress(window, Qt::LeftButton, {}, arrow);
        QTest::qWait(1500); // the arrow's repeat would have stepped many times by now
        EXPECT_EQ(commandTexts(silent), QStringList(3, QStringLiteral("DV0001")));
        EXPECT_EQ(messages.texts(),
                  QStringList{QStringLiteral("Timeout while waiting for the Terminal to reply")});
        EXPECT_EQ(form.TextNum->text(), QStringLiteral("1"));

        QTest::mouseClick(window, Qt::LeftButton, {}, centreOf(form.CmdCancel));
        EXPECT_FALSE(form.isVisible()) << "Close works after the wait";
        messages.onShow = nullptr;
    }
}

// With a terminal that answers, a held arrow steps, one Show a step, and
// stops at the release.
TEST_F(FormViewTest, AHeldArrowStepsUntilReleased)
{
    ScriptedTransport slow;
    slow.waitMs = 20;
    for (int i = 0; i < 400; ++i)
        slow.reply(frame::buildReply("A", 1));
    FormView form(state, services, slow);
    QWindow *window = shown(form);
    ASSERT_TRUE(window);
    const QPoint arrow = upperArrow(form.UpDown);
    QTest::mousePress(window, Qt::LeftButton, {}, arrow);
    EXPECT_TRUE(settleUntil([&] { return slow.requests.size() >= 4; }));
    QTest::mouseRelease(window, Qt::LeftButton, {}, arrow);
    const QStringList held = commandTexts(slow);
    QTest::qWait(1000);
    EXPECT_EQ(commandTexts(slow), held) << "no step after the release";
    QStringList steps;
    for (int k = 1; k <= held.size(); ++k)
        steps << QStringLiteral("DV%1").arg(k, 4, 10, QLatin1Char('0'));
    EXPECT_EQ(held, steps);
    EXPECT_EQ(form.TextNum->text(), QString::number(held.size()));
    EXPECT_TRUE(messages.shown.empty());
}

// Keys and clicks made while a command waits go nowhere, then or later.
TEST_F(FormViewTest, InputDuringTheWaitIsDiscarded)
{
    ScriptedTransport silent;
    silent.waitMs = 150;
    FormView form(state, services, silent);
    ASSERT_TRUE(shown(form));
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
    EXPECT_TRUE(form.isVisible());
    QTest::mouseClick(form.CmdCancel, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

} // namespace
