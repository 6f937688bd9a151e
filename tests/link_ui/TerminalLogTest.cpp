#include "UiFixture.h"
#include "link/CommandLayer.h"
#include "link/TerminalLink.h"
#include "link/UdpTransport.h"
#include "link/ui/FormTerminalLog.h"
#include "link/ui/FrameLogModel.h"
#include "link/ui/TerminalCommands.h"
#include "link/ui/TerminalSession.h"
#include "support/QtPrinting.h"
#include "support/ScriptedTransport.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QNetworkDatagram>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <utility>

namespace {

class TerminalLogTest : public UiTest
{
protected:
    // "direction | text | outcome" of every row the window shows.
    static QStringList rows(const FormTerminalLog &window)
    {
        const QAbstractItemModel *model = window.GridFrames->model();
        QStringList list;
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column :
                 {FrameLogModel::Direction, FrameLogModel::Text, FrameLogModel::Outcome})
                cells << model->index(row, column).data().toString();
            list << cells.join(QStringLiteral(" | "));
        }
        return list;
    }
};

// A reply from a stranger's port, then the terminal's own: only the second counts.
TEST_F(TerminalLogTest, ForeignRepliesAreLoggedAsIgnored)
{
    QUdpSocket peer;
    QUdpSocket stranger;
    ASSERT_TRUE(peer.bind(QHostAddress::LocalHost, 0));
    ASSERT_TRUE(stranger.bind(QHostAddress::LocalHost, 0));
    QObject::connect(&peer, &QUdpSocket::readyRead, &peer, [&] {
        while (peer.hasPendingDatagrams()) {
            const QNetworkDatagram request = peer.receiveDatagram();
            const auto port = static_cast<quint16>(request.senderPort());
            stranger.writeDatagram(frame::buildReply("A", 1), request.senderAddress(), port);
            peer.writeDatagram(frame::buildReply("A", 1), request.senderAddress(), port);
        }
    });
    UdpTransport udp(300);
    udp.setRemote(QHostAddress::LocalHost, peer.localPort());
    FormTerminalLog window(services, udp);
    window.show();
    command::send(udp, "DV", 1, 5);
    const QString reply = QStringLiteral("received | <STX>11AA305<ETX> | ");
    EXPECT_EQ(rows(window),
              (QStringList{QStringLiteral("sent | <STX>11DV0005C10A<ETX> | "),
                           reply + QStringLiteral("ignored: not the terminal's address and port "
                                                  "(from 127.0.0.1 port %1)")
                                       .arg(stranger.localPort()),
                           reply + QStringLiteral("success")}));
    const QString time =
        window.GridFrames->model()->index(0, FrameLogModel::Time).data().toString();
    static const QRegularExpression clock(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d$"));
    EXPECT_TRUE(clock.match(time).hasMatch()) << time.toStdString();
    EXPECT_EQ(window.GridFrames->model()->index(0, FrameLogModel::Hex).data().toString(),
              QStringLiteral("02 31 31 44 56 30 30 30 35 43 31 30 41 03"));
}

// Written only while shown: a closed log costs the link nothing. It opens
// beside the main window and, once moved, where the user left it.
TEST_F(TerminalLogTest, OpenedFromTheRunAndAttachedWhileShown)
{
    QMainWindow owner;
    owner.menuBar()->addMenu(QStringLiteral("File"));
    owner.setGeometry(0, 0, 200, 150);
    owner.show();
    TerminalSession session(settings);
    FormTerminalLog &window = terminalcommands::openTerminalLog(services, session, owner);
    TerminalLink &link = session.link();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(link.frameLog(), &window.log());
    const QRect menu(owner.menuBar()->mapToGlobal(QPoint(0, 0)), owner.menuBar()->size());
    EXPECT_FALSE(window.frameGeometry().intersects(menu)) << "never over the menu bar";
    window.move(30, 40);
    window.CmdClose->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(link.frameLog(), nullptr);
    EXPECT_TRUE(stored("TerminalLogPlace").startsWith(QStringLiteral("30,40,")));

    window.log().add(FrameLog::Direction::Sent, "kept");
    EXPECT_EQ(&terminalcommands::openTerminalLog(services, session, owner), &window)
        << "one window a run";
    EXPECT_EQ(link.frameLog(), &window.log());
    EXPECT_EQ(window.log().size(), 1);

    TerminalSession nextRun(settings);
    const FormTerminalLog &again = terminalcommands::openTerminalLog(services, nextRun, owner);
    EXPECT_EQ(again.pos(), QPoint(30, 40)) << "the place is remembered";
}

TEST_F(TerminalLogTest, ClearAndSaveAs)
{
    ScriptedTransport transport;
    FormTerminalLog window(services, transport);
    window.show();
    window.log().setClock(
        [] { return QDateTime(QDate(2026, 5, 6), QTime(7, 8, 9, 10)).toMSecsSinceEpoch(); });
    transport.reply(frame::buildReply("A", 1));
    command::send(transport, "DS", 1, 0);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.txt"));
    dialogs.answer(path);
    window.CmdSaveAs->click();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Save Terminal Log"));
    EXPECT_TRUE(dialogs.requests[0].overwritePrompt);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("07:08:09.010 sent 02 31 31 44 53 46 39 30 36 03 | "
                                          "<STX>11DSF906<ETX>\n"
                                          "07:08:09.010 received 02 31 31 41 41 33 30 35 03 | "
                                          "<STX>11AA305<ETX> | success\n"));
    EXPECT_TRUE(messages.shown.empty());

    // Cancelled: nothing written; a folder that is not there: the user is told.
    window.CmdSaveAs->click();
    dialogs.answer(dir.filePath(QStringLiteral("no-such-folder/log.txt")));
    window.CmdSaveAs->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral("Could not save the log ('")))
        << messages.last().toStdString();

    window.CmdClear->click();
    EXPECT_EQ(window.GridFrames->model()->rowCount(), 0);
}

TEST_F(TerminalLogTest, ModelFollowsTheRing)
{
    FrameLog log;
    FrameLogModel model(log);
    for (int i = 0; i < 9998; ++i)
        log.add(FrameLog::Direction::Sent, QByteArray::number(i));
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (int i = 0; i < 4; ++i) // past the 10,000 kept
        log.add(FrameLog::Direction::Received,
                "\x02"
                "11A\r",
                QStringLiteral("success"));
    EXPECT_EQ(model.rowCount(), 10000);
    EXPECT_EQ(model.index(0, FrameLogModel::Text).data().toString(), QStringLiteral("2"));
    EXPECT_EQ(model.index(9999, FrameLogModel::Text).data().toString(),
              QStringLiteral("<STX>11A<CR>"));
    EXPECT_EQ(model.index(9999, FrameLogModel::Direction).data().toString(),
              QStringLiteral("received"));
    const quint64 last = log.add(FrameLog::Direction::Sent, "x");
    log.setOutcome(last, QStringLiteral("retry: time-out"));
    EXPECT_EQ(model.index(9999, FrameLogModel::Outcome).data().toString(),
              QStringLiteral("retry: time-out"));
    EXPECT_EQ(model.headerData(FrameLogModel::Outcome, Qt::Horizontal).toString(),
              QStringLiteral("Outcome"));
    // bytes in a fixed font, the rest in the table's own
    for (const auto &[column, fixed] :
         {std::pair(FrameLogModel::Time, false), std::pair(FrameLogModel::Hex, true),
          std::pair(FrameLogModel::Text, true), std::pair(FrameLogModel::Outcome, false)})
        EXPECT_EQ(model.index(0, column).data(Qt::FontRole).isValid(), fixed) << column;
    log.clear();
    EXPECT_EQ(model.rowCount(), 0);
    log.add(FrameLog::Direction::Sent, "a");
    log.add(FrameLog::Direction::Sent, "b");
    EXPECT_EQ(model.index(1, FrameLogModel::Text).data().toString(), QStringLiteral("b"));
}

// New frames scroll into view, but not while the user reads further up.
TEST_F(TerminalLogTest, FollowsNewFramesUnlessScrolledUp)
{
    ScriptedTransport transport;
    FormTerminalLog window(services, transport);
    window.show();
    const auto add = [&](int frames) {
        for (int i = 0; i < frames; ++i)
            window.log().add(FrameLog::Direction::Sent, "x");
        QCoreApplication::processEvents();
    };
    QScrollBar *bar = window.GridFrames->verticalScrollBar();
    add(200);
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    bar->setValue(3);
    add(1);
    EXPECT_EQ(bar->value(), 3);
    bar->setValue(bar->maximum());
    add(1);
    EXPECT_EQ(bar->value(), bar->maximum());
}

} // namespace
