// The item viewer's arrows under a real X server, pressed with xdotool: only
// real events show what a wait that throws input away and a message box that
// takes the release do to a press.
#include "link/Frame.h"
#include "link/UdpTransport.h"
#include "link/ui/FormView.h"
#include "link/ui/UpDown.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"
#include "project/ProjectState.h"
#include "support/MemorySettings.h"
#include "support/QtPrinting.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TemporaryRegistry.h"
#include "support/XSession.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QPushButton>
#include <QToolButton>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace {

using namespace Qt::StringLiterals;

// The terminal: answers each DV with the next letter of its script ('-' is
// silence), then with A; notes when each request came.
class Peer
{
public:
    explicit Peer(const char *script) : m_script(script, script + qstrlen(script))
    {
        m_socket.bind(QHostAddress::LocalHost, 0);
        m_clock.start();
        QObject::connect(&m_socket, &QUdpSocket::readyRead, &m_socket, [this] {
            while (m_socket.hasPendingDatagrams()) {
                const QNetworkDatagram request = m_socket.receiveDatagram();
                const QByteArray bytes = request.data();
                commands << QString::fromLatin1(bytes.mid(3, bytes.size() - 8));
                times.push_back(m_clock.elapsed());
                char letter = 'A';
                if (!m_script.empty()) {
                    letter = m_script.front();
                    m_script.pop_front();
                }
                if (letter != '-')
                    m_socket.writeDatagram(frame::buildReply(QByteArray(1, letter), 1),
                                           request.senderAddress(),
                                           static_cast<quint16>(request.senderPort()));
            }
        });
    }
    quint16 port() const { return m_socket.localPort(); }
    qint64 now() const { return m_clock.elapsed(); }

    QStringList commands;
    std::vector<qint64> times;

private:
    QUdpSocket m_socket;
    std::deque<char> m_script;
    QElapsedTimer m_clock;
};

using namespace xsession;

class UpDownX11 : public OnX<>
{
protected:
    std::unique_ptr<FormView> viewer(Transport &transport, const char *number)
    {
        auto form = std::make_unique<FormView>(state, services, transport);
        form->TextNum->setText(QString::fromLatin1(number));
        form->move(200, 200);
        form->show();
        settle(300);
        return form;
    }

    BoxMessages messages;
    ScriptedFileDialogs dialogs;
    MemorySettings settings;
    TemporaryRegistry registry;
    Services services{messages, dialogs, settings, registry};
    ProjectState state;
};

// One click is one Show, whatever ends it: F with its message, silence with
// three attempts and its message, D without one. Close works at once after.
TEST_F(UpDownX11, OneClickIsOneShowAfterEveryMessage)
{
    Peer peer("F---D");
    UdpTransport udp(300);
    udp.setRemote(QHostAddress::LocalHost, peer.port());
    const auto form = viewer(udp, "5");
    Closer closer;
    const QStringList click{u"click"_s, u"1"_s};
    const struct
    {
        bool up;
        QStringList commands; // sent by the click
        int messages;         // shown so far
    } clicks[] = {
        {true, {u"DV0006"_s}, 1},
        {false, {u"DV0005"_s, u"DV0005"_s, u"DV0005"_s}, 2},
        {true, {u"DV0006"_s}, 2},
        {false, {u"DV0005"_s}, 2},
    };
    QStringList expected;
    for (const auto &c : clicks) {
        xdo(at(c.up ? form->UpDown->ArrowUp : form->UpDown->ArrowDown) + click);
        expected += c.commands;
        settle(1500); // a runaway arrow stepped again within 0.2 to 1.3 s
        EXPECT_EQ(peer.commands.join(u' '), expected.join(u' '));
        EXPECT_EQ(closer.closed, c.messages);
        EXPECT_FALSE(form->UpDown->repeating());
    }
    EXPECT_EQ(messages.texts, (QStringList{u"Command execution failed"_s,
                                           u"Timeout while waiting for the Terminal to reply"_s}));
    EXPECT_EQ(form->TextNum->text(), u"5"_s);

    xdo(at(form->CmdCancel) + click);
    settle(200);
    EXPECT_FALSE(form->isVisible()) << "Close works at once";
}

// Held for a second with a terminal that answers: it steps, one Show a step,
// and stops at the release.
TEST_F(UpDownX11, AHeldArrowStepsUntilReleased)
{
    Peer peer("");
    UdpTransport udp(2000);
    udp.setRemote(QHostAddress::LocalHost, peer.port());
    const auto form = viewer(udp, "0");
    xdo(at(form->UpDown->ArrowUp) + QStringList{u"mousedown"_s, u"1"_s});
    settle(1000);
    xdo({u"mouseup"_s, u"1"_s});
    const qint64 released = peer.now();
    const qsizetype atRelease = peer.commands.size();
    settle(1000);

    EXPECT_GE(atRelease, 4) << "the repeat steps while held";
    QStringList steps;
    for (qsizetype k = 1; k <= peer.commands.size(); ++k)
        steps << u"DV%1"_s.arg(k, 4, 10, QLatin1Char('0'));
    EXPECT_EQ(peer.commands.join(u' '), steps.join(u' '));
    for (const qint64 t : peer.times)
        EXPECT_LT(t, released + 100) << "a step after the release";
    EXPECT_EQ(form->TextNum->text(), QString::number(peer.commands.size()));
    EXPECT_FALSE(form->UpDown->repeating());
    EXPECT_TRUE(messages.texts.isEmpty());
}

} // namespace
