#include "link/ui/FormView.h"
#include "UiFixture.h"
#include "link/UdpTransport.h"
#include "project/ProjectState.h"
#include "support/ScriptedTransport.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

namespace {

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
    QStringList sent() const
    {
        QStringList texts;
        for (const QByteArray &r : transport.requests)
            texts << QString::fromLatin1(r.mid(3, r.size() - 8));
        return texts;
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
    } cases[] = {{"7", "DV0007"}, {"12ab", "DV0012"}, {"12345", "DV12345"}, {" 3 ", "DV0003"}};
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

TEST_F(FormViewTest, NumberBoxNormalisesOnLeaving)
{
    const struct
    {
        const char *typed;
        const char *shown;
    } cases[] = {{"007", "7"}, {"12ab", "12"}, {"", "0"}, {"-5", "5"}};
    FormView form(state, services, transport);
    for (const auto &c : cases) {
        form.TextNum->setText(QString::fromLatin1(c.typed));
        form.TextNum_LostFocus();
        EXPECT_EQ(form.TextNum->text(), QString::fromLatin1(c.shown)) << c.typed;
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
        {"12ab", QAbstractSlider::SliderSingleStepSub, "13", {QStringLiteral("DV0013")}},
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

} // namespace
