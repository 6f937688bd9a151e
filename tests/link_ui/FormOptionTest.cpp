#include "link/ui/FormOption.h"
#include "UiFixture.h"
#include "link/CommandLayer.h"
#include "link/TerminalLink.h"
#include "link/ui/TerminalSession.h"
#include "support/VardenSim.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class FormOptionTest : public UiTest
{
protected:
    TerminalLink link{settings};
};

TEST_F(FormOptionTest, LoadsTheStoredChoice)
{
    storeValue("Port", QStringLiteral("3"));
    storeValue("IP", QStringLiteral("10.1.2.3"));
    storeValue("UDP", QStringLiteral("2002"));
    storeValue("IFACE", QStringLiteral("False"));
    storeValue("PreviewOnTerminal", QStringLiteral("True"));
    FormOption form(services, link);
    form.Form_Load();
    EXPECT_TRUE(form.CheckPreview->isChecked());
    EXPECT_TRUE(form.optCom[2]->isChecked());
    EXPECT_TRUE(form.OptionEthernet->isChecked());
    EXPECT_EQ(form.TextIP->text(), QStringLiteral("10.1.2.3"));
    EXPECT_EQ(form.TextUDP->text(), QStringLiteral("2002"));
    EXPECT_FALSE(form.FrameSerial->isEnabled());

    form.OptionSerial->click();
    EXPECT_TRUE(form.FrameSerial->isEnabled());
    EXPECT_FALSE(form.FrameEthernet->isEnabled());
}

TEST_F(FormOptionTest, DefaultsAndOddStoredPorts)
{
    for (const char *port : {"", "9"}) {
        storeValue("Port", QString::fromLatin1(port));
        FormOption form(services, link);
        form.Form_Load();
        EXPECT_TRUE(form.optCom[0]->isChecked()) << port;
        EXPECT_TRUE(form.OptionSerial->isChecked());
        EXPECT_EQ(form.TextIP->text(), QStringLiteral("192.168.1.200"));
        EXPECT_EQ(form.TextUDP->text(), QStringLiteral("1001"));
        EXPECT_EQ(form.CheckPreview->text(), QStringLiteral("Enable Preview on Terminal"));
        EXPECT_FALSE(form.CheckPreview->isChecked()) << "off until the user enables it";
        EXPECT_FALSE(FormOption::previewEnabled(settings));
    }
}

TEST_F(FormOptionTest, EthernetValidation)
{
    const struct
    {
        const char *ip;
        const char *udp;
        const char *message; // empty: accepted
        const char *storedIp;
        const char *storedUdp;
        const char *focus;
        bool preview;
    } cases[] = {
        {"1..2.3.4", "1001", "", "1.2.3.4", "1001", nullptr, true},
        {"127.000.0.1", "", "", "127.0.0.1", "0", nullptr, false},
        {"1.2.3", "1001", "Invalid IP address", nullptr, nullptr, "TextIP", true},
        {"1.2.3.4", "12ab", "Invalid UDP port", nullptr, nullptr, "TextUDP", true},
    };
    for (const auto &c : cases) {
        settings.values.clear();
        messages.clear();
        TerminalLink fresh(settings);
        FormOption form(services, fresh);
        form.Form_Load();
        form.OptionEthernet->click();
        form.TextIP->setText(QString::fromLatin1(c.ip));
        form.TextUDP->setText(QString::fromLatin1(c.udp));
        form.CheckPreview->setChecked(c.preview);
        form.CmdSetting_Click(0);
        if (!*c.message) {
            EXPECT_TRUE(messages.shown.empty()) << c.ip;
            EXPECT_EQ(form.result(), QDialog::Accepted) << c.ip;
            EXPECT_EQ(stored("IP"), QString::fromLatin1(c.storedIp)) << c.ip;
            EXPECT_EQ(stored("UDP"), QString::fromLatin1(c.storedUdp)) << c.ip;
            EXPECT_EQ(stored("IFACE"), QStringLiteral("False"));
            EXPECT_EQ(stored("Port"), QStringLiteral("1"));
            EXPECT_EQ(stored("PreviewOnTerminal"),
                      c.preview ? QStringLiteral("True") : QStringLiteral("False"));
            EXPECT_EQ(FormOption::previewEnabled(settings), c.preview);
            EXPECT_EQ(fresh.kind(), TerminalLink::Kind::Udp);
            EXPECT_EQ(fresh.udpHost(), QString::fromLatin1(c.storedIp));
            EXPECT_EQ(fresh.udpPort(), QString::fromLatin1(c.storedUdp).toUInt());
        } else {
            EXPECT_EQ(messages.texts(), QStringList{QString::fromLatin1(c.message)}) << c.ip;
            EXPECT_EQ(messages.shown[0].title, QStringLiteral("Fendrel"));
            EXPECT_NE(form.result(), QDialog::Accepted) << c.ip;
            ASSERT_TRUE(form.focusWidget()) << c.ip;
            EXPECT_EQ(form.focusWidget()->objectName(), QString::fromLatin1(c.focus)) << c.ip;
            QApplication::processEvents();
            const auto *box = qobject_cast<QLineEdit *>(form.focusWidget());
            EXPECT_EQ(box->selectedText(), box->text()) << "the next key replaces it";
            EXPECT_TRUE(stored("IFACE").isEmpty()) << "nothing stored";
            EXPECT_TRUE(stored("PreviewOnTerminal").isEmpty());
            EXPECT_EQ(fresh.kind(), TerminalLink::Kind::Serial) << "link unchanged";
        }
    }
}

TEST_F(FormOptionTest, SerialPortThatCannotBeOpened)
{
    storeValue("Port", QStringLiteral("3"));
    storeValue("COM2", QStringLiteral("/dev/fendrel-no-such-tty"));
    FormOption form(services, link);
    form.Form_Load();
    form.optCom[1]->setChecked(true);
    form.TextIP->setText(QStringLiteral("not checked in serial mode"));
    form.CmdSetting_Click(0);
    ASSERT_EQ(messages.shown.size(), 1u);
    const QString text = messages.last();
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("COMM port error: COM2 (/dev/fendrel-no-such-tty): ")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(
        QStringLiteral(". Make sure that this port exists and is not in use by another program")));
    EXPECT_EQ(link.serialPort(), 3) << "back to the stored port";
    EXPECT_EQ(stored("Port"), QStringLiteral("3"));
    EXPECT_EQ(stored("IP"), QStringLiteral("not checked in serial mode"));
    EXPECT_EQ(stored("IFACE"), QStringLiteral("True"));
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(FormOptionTest, SerialPortOpensAndCarriesCommands)
{
    VardenSim sim;
    ASSERT_TRUE(sim.startSerial());
    storeValue("COM2", sim.device());
    link.useUdp(QStringLiteral("127.0.0.1"), 9);
    FormOption form(services, link);
    form.Form_Load();
    form.optCom[1]->setChecked(true);
    form.CmdSetting_Click(0);
    EXPECT_TRUE(messages.shown.empty()) << messages.last().toStdString();
    EXPECT_EQ(link.kind(), TerminalLink::Kind::Serial);
    EXPECT_EQ(link.serialPort(), 2);
    EXPECT_EQ(stored("Port"), QStringLiteral("2"));
    link.setTimeouts(2000, 2000);
    EXPECT_EQ(command::send(link, "DV", 1, 3).result, 0);
}

TEST_F(FormOptionTest, KeysOnButtonsAndPorts)
{
    const struct
    {
        const char *widget;
        Qt::Key key;
        bool ok;
    } cases[] = {
        {"CmdSetting_0", Qt::Key_Return, true},
        {"CmdSetting_0", Qt::Key_Escape, false},
        {"CmdSetting_1", Qt::Key_Return, false},
        {"optCom_2", Qt::Key_Return, true},
    };
    for (const auto &c : cases) {
        settings.values.clear();
        TerminalLink fresh(settings);
        FormOption form(services, fresh);
        form.Form_Load();
        form.OptionEthernet->click();
        form.TextIP->setText(QStringLiteral("10.0.0.7"));
        form.CheckPreview->setChecked(true);
        form.setResult(-1);
        QWidget *target = form.findChild<QWidget *>(QString::fromLatin1(c.widget));
        ASSERT_TRUE(target) << c.widget;
        QTest::keyClick(target, c.key);
        EXPECT_EQ(form.result(), c.ok ? QDialog::Accepted : QDialog::Rejected) << c.widget;
        EXPECT_EQ(stored("IFACE").isEmpty(), !c.ok) << c.widget;
        EXPECT_EQ(FormOption::previewEnabled(settings), c.ok) << c.widget;
        EXPECT_EQ(fresh.kind(), c.ok ? TerminalLink::Kind::Udp : TerminalLink::Kind::Serial)
            << c.widget;
    }
}

// The link belongs to the run: a new main window (a new run) starts on serial
// port 1 whatever the last run stored.
TEST_F(FormOptionTest, EachRunStartsOnTheFirstSerialPort)
{
    {
        TerminalSession firstRun(settings);
        TerminalLink &runLink = firstRun.link();
        EXPECT_EQ(&firstRun.transport(), &runLink);
        FormOption form(services, runLink);
        form.Form_Load();
        form.OptionEthernet->click();
        form.TextIP->setText(QStringLiteral("127.0.0.1"));
        form.CmdSetting_Click(0);
        EXPECT_EQ(runLink.kind(), TerminalLink::Kind::Udp);
    }
    EXPECT_EQ(stored("IFACE"), QStringLiteral("False"));
    TerminalSession secondRun(settings);
    const TerminalLink &nextLink = secondRun.link();
    EXPECT_EQ(nextLink.kind(), TerminalLink::Kind::Serial);
    EXPECT_EQ(nextLink.serialPort(), 1);
}

} // namespace
