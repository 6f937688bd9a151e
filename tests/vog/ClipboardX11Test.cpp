// Clipboard round trips between two processes on a real X display.
#include "VogHost.h"

#include <QGuiApplication>
#include <QProcess>
#include <gtest/gtest.h>

using namespace automation;

using namespace Qt::StringLiterals;

namespace {

const QString data = u"003,010,001,002,004,008,016,032"_s;

QString peerPath()
{
    return QStringLiteral(CLIPBOARD_PEER);
}

TEST(VogClipboardX11, CopyInOneProcessPastesInAnother)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X display";
    VogHost host; // the peer finds the control through the same registry
    QProcess peer;
    peer.start(peerPath(), {u"copy"_s, data});
    ASSERT_TRUE(peer.waitForReadyRead(20000));
    ASSERT_EQ(peer.readLine().trimmed(), QByteArray("ready"));

    Object vog = host.create();
    ASSERT_TRUE(vog.call(u"Paste"_s).toBool());
    peer.closeWriteChannel();
    ASSERT_TRUE(peer.waitForFinished(20000));
    EXPECT_EQ(vog.call(u"GetOvl"_s).toString(), data);

    // And back: this process owns the clipboard while the peer pastes.
    ASSERT_TRUE(vog.call(u"Copy"_s).toBool());
    QProcess paster;
    paster.start(peerPath(), {u"paste"_s});
    bool done = false;
    for (int i = 0; i < 400 && !done; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        done = paster.waitForFinished(50);
    }
    ASSERT_TRUE(done);
    EXPECT_EQ(paster.exitCode(), 0);
    EXPECT_EQ(paster.readAllStandardOutput().trimmed(), data.toLatin1());
}

} // namespace
