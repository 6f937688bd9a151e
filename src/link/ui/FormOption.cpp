#include "link/ui/FormOption.h"

#include "link/OptionRules.h"
#include "link/TerminalLink.h"
#include "platform/ui/FieldFocus.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

constexpr QLatin1String PortKey("Port");
constexpr QLatin1String IpKey("IP");
constexpr QLatin1String UdpKey("UDP");
constexpr QLatin1String IfaceKey("IFACE");
constexpr QLatin1String PreviewKey("PreviewOnTerminal");
constexpr QLatin1String True("True");
constexpr QLatin1String False("False");

} // namespace

FormOption::FormOption(Services &services, TerminalLink &link, QWidget *parent)
    : QDialog(parent), m_services(services), m_link(link)
{
    setObjectName(QStringLiteral("FormOption"));
    setWindowTitle(QStringLiteral("Options"));

    Frame5 = named(new QGroupBox(QStringLiteral("Communications through"), this), "Frame5");
    OptionSerial = named(new QRadioButton(QStringLiteral("COM"), Frame5), "OptionSerial");
    OptionEthernet = named(new QRadioButton(QStringLiteral("TCP/IP"), Frame5), "OptionEthernet");
    auto *through = new QHBoxLayout(Frame5);
    through->addWidget(OptionSerial);
    through->addWidget(OptionEthernet);
    through->addStretch();

    FrameSerial = named(new QGroupBox(QStringLiteral("Serial Port"), this), "FrameSerial");
    auto *ports = new QVBoxLayout(FrameSerial);
    for (int i = 0; i < 4; ++i) {
        optCom[i] = new QRadioButton(QStringLiteral("COM%1").arg(i + 1), FrameSerial);
        optCom[i]->setObjectName(QStringLiteral("optCom_%1").arg(i));
        optCom[i]->installEventFilter(this);
        ports->addWidget(optCom[i]);
    }

    FrameEthernet = named(new QGroupBox(QStringLiteral("Ethernet"), this), "FrameEthernet");
    LabelIP = named(new QLabel(QStringLiteral("IP address:"), FrameEthernet), "LabelIP");
    TextIP = named(new QLineEdit(FrameEthernet), "TextIP");
    LabelUDP = named(new QLabel(QStringLiteral("UDP port:"), FrameEthernet), "LabelUDP");
    TextUDP = named(new QLineEdit(FrameEthernet), "TextUDP");
    TextIP->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000.000.000.000")) +
                            12);
    auto *address = new QGridLayout(FrameEthernet);
    address->addWidget(LabelIP, 0, 0);
    address->addWidget(TextIP, 0, 1);
    address->addWidget(LabelUDP, 1, 0);
    address->addWidget(TextUDP, 1, 1);
    address->setRowStretch(2, 1);

    CheckPreview =
        named(new QCheckBox(QStringLiteral("Enable Preview on Terminal"), this), "CheckPreview");

    CmdSetting[0] = named(new QPushButton(QStringLiteral("Ok"), this), "CmdSetting_0");
    CmdSetting[1] = named(new QPushButton(QStringLiteral("Cancel"), this), "CmdSetting_1");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < 2; ++i) {
        // Enter and Esc on the buttons are this window's own rules, not the dialog's.
        CmdSetting[i]->setAutoDefault(false);
        CmdSetting[i]->installEventFilter(this);
        connect(CmdSetting[i], &QPushButton::clicked, this, [this, i] { CmdSetting_Click(i); });
        buttons->addWidget(CmdSetting[i]);
    }

    auto *middle = new QHBoxLayout;
    middle->addWidget(FrameSerial);
    middle->addWidget(FrameEthernet, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame5);
    layout->addLayout(middle);
    layout->addWidget(CheckPreview);
    layout->addLayout(buttons);

    connect(OptionSerial, &QRadioButton::clicked, this, [this] { OptionSerial_Click(); });
    connect(OptionEthernet, &QRadioButton::clicked, this, [this] { OptionEthernet_Click(); });
}

bool FormOption::previewEnabled(const Settings &settings)
{
    return settings.read(PreviewKey, False) == True;
}

void FormOption::Form_Load()
{
    CheckPreview->setChecked(previewEnabled(m_services.settings));
    optCom[optionrules::portNumber(m_services.settings.read(PortKey, QStringLiteral("1"))) - 1]
        ->setChecked(true);
    TextIP->setText(m_services.settings.read(IpKey, TerminalLink::defaultIp()));
    TextUDP->setText(m_services.settings.read(UdpKey, QStringLiteral("1001")));
    if (m_services.settings.read(IfaceKey, True) == True) {
        OptionSerial->setChecked(true);
        OptionSerial_Click();
    } else {
        OptionEthernet->setChecked(true);
        OptionEthernet_Click();
    }
}

void FormOption::setSerialEnabled(bool serial)
{
    FrameSerial->setEnabled(serial);
    for (QRadioButton *button : optCom)
        button->setEnabled(serial);
    for (QWidget *w : {static_cast<QWidget *>(FrameEthernet), static_cast<QWidget *>(LabelIP),
                       static_cast<QWidget *>(TextIP), static_cast<QWidget *>(LabelUDP),
                       static_cast<QWidget *>(TextUDP)})
        w->setEnabled(!serial);
}

void FormOption::OptionSerial_Click()
{
    setSerialEnabled(true);
}

void FormOption::OptionEthernet_Click()
{
    setSerialEnabled(false);
}

void FormOption::CmdSetting_Click(int index)
{
    if (index == 1)
        reject();
    else if (index == 0)
        okProcedure();
}

void FormOption::CmdSetting_KeyPress(int index, int key)
{
    if (key == Qt::Key_Escape || (index == 1 && isEnter(key)))
        CmdSetting_Click(1);
    else if (index == 0 && isEnter(key))
        CmdSetting_Click(0);
}

void FormOption::optCom_KeyPress(int, int key)
{
    if (isEnter(key))
        CmdSetting_Click(0);
    else if (key == Qt::Key_Escape)
        CmdSetting_Click(1);
}

bool FormOption::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (!isEnter(key) && key != Qt::Key_Escape)
        return QDialog::eventFilter(watched, event);
    for (int i = 0; i < 2; ++i)
        if (watched == CmdSetting[i]) {
            CmdSetting_KeyPress(i, key);
            return true;
        }
    for (int i = 0; i < 4; ++i)
        if (watched == optCom[i]) {
            optCom_KeyPress(i, key);
            return true;
        }
    return QDialog::eventFilter(watched, event);
}

int FormOption::selectedPort() const
{
    for (int i = 0; i < 4; ++i)
        if (optCom[i]->isChecked())
            return i + 1;
    return 1;
}

void FormOption::okProcedure()
{
    const bool serial = OptionSerial->isChecked();
    if (serial) {
        m_link.useSerial();
        const QString error = m_link.reopenSerial(selectedPort());
        if (!error.isEmpty()) {
            m_services.messages.show(
                QStringLiteral("COMM port error:") + error + QStringLiteral(". ") +
                QStringLiteral(
                    "Make sure that this port exists and is not in use by another program"));
            m_link.setSerialPort(
                optionrules::portNumber(m_services.settings.read(PortKey, QStringLiteral("1"))));
        }
    } else {
        const std::optional<QString> ip = optionrules::normaliseIp(TextIP->text());
        if (!ip) {
            m_services.messages.show(QStringLiteral("Invalid IP address"));
            fieldfocus::backTo(*TextIP);
            return;
        }
        TextIP->setText(*ip);
        const std::optional<optionrules::UdpPort> udp =
            optionrules::normaliseUdpPort(TextUDP->text());
        if (!udp) {
            m_services.messages.show(QStringLiteral("Invalid UDP port"));
            fieldfocus::backTo(*TextUDP);
            return;
        }
        TextUDP->setText(udp->text);
        m_link.useUdp(*ip, udp->port);
    }
    m_services.settings.write(PortKey, QString::number(m_link.serialPort()));
    m_services.settings.write(IpKey, TextIP->text());
    m_services.settings.write(UdpKey, TextUDP->text());
    m_services.settings.write(IfaceKey, serial ? True : False);
    m_services.settings.write(PreviewKey, CheckPreview->isChecked() ? True : False);
    accept();
}
