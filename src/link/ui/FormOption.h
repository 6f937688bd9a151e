#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Settings;
class TerminalLink;
struct Services;

// The Options window: serial port or UDP over Ethernet, with address and port.
// OK applies the choice to the link and stores it in the settings.
class FormOption final : public QDialog
{
    Q_OBJECT
public:
    FormOption(Services &services, TerminalLink &link, QWidget *parent = nullptr);

    // Whether Preview on Terminal is enabled: off until the user ticks it here.
    static bool previewEnabled(const Settings &settings);

    void Form_Load();
    void OptionSerial_Click();
    void OptionEthernet_Click();
    void CmdSetting_Click(int index);
    void CmdSetting_KeyPress(int index, int key);
    void optCom_KeyPress(int index, int key);

    QGroupBox *Frame5;
    QRadioButton *OptionSerial;
    QRadioButton *OptionEthernet;
    QGroupBox *FrameSerial;
    std::array<QRadioButton *, 4> optCom;
    QGroupBox *FrameEthernet;
    QLabel *LabelIP;
    QLineEdit *TextIP;
    QLabel *LabelUDP;
    QLineEdit *TextUDP;
    QCheckBox *CheckPreview;
    std::array<QPushButton *, 2> CmdSetting;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setSerialEnabled(bool serial);
    void okProcedure();
    int selectedPort() const;

    Services &m_services;
    TerminalLink &m_link;
};
