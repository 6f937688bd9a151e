// Clipboard round trips between two processes on a real X display.
#include "VogHost.h"

#include <QGuiApplication>
#include <QProcess>
#include <gtest/gtest.h>

using namespace automation;

namespace {

const QString data = QStringLiteral("003,010,001,002,004,008,016,032");

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
    peer.start(peerPath(), {QStringLiteral("copy"), data});
    ASSERT_TRUE(peer.waitForReadyRead(20000));
    ASSERT_EQ(peer.readLine().trimmed(), QByteArray("ready"));

    Object vog = host.create();
    ASSERT_TRUE(vog.call(QStringLiteral("Paste")).toBool());
    peer.closeWriteChannel();
    ASSERT_TRUE(peer.waitForFinished(20000));
    EXPECT_EQ(vog.call(QStringLiteral("GetOvl")).toString(), data);

    // And back: this process owns the clipboard while the peer pastes.
    ASSERT_TRUE(vog.call(QStringLiteral("Copy")).toBool());
    QProcess paster;
    paster.start(peerPath(), {QStringLiteral("paste")});
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
