#include "link/SerialDevices.h"

#include "platform/Settings.h"

namespace serialdevices {

QString defaultDevice(int portNumber)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(portNumber);
#else
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
#endif
}

QString settingsKey(int portNumber)
{
    return QStringLiteral("COM%1").arg(portNumber);
}

QString device(const Settings &settings, int portNumber)
{
    const QString configured = settings.read(settingsKey(portNumber)).trimmed();
    return configured.isEmpty() ? defaultDevice(portNumber) : configured;
}

} // namespace serialdevices
