#include "link/CommandLayer.h"
#include "link/SerialDevices.h"
#include "link/SerialTransport.h"
#include "support/MemorySettings.h"
#include "support/VardenSim.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The line a terminal expects: 38400 baud, 8 data bits, no parity, one stop
// bit, no flow control, read back from the device after a real exchange.
TEST(SerialLine, Runs38400EightNoneOne)
{
    VardenSim sim;
    ASSERT_TRUE(sim.startSerial());
    SerialTransport serial(600);
    serial.setDevice(sim.device());
    ASSERT_EQ(command::send(serial, "DV", 1, 5).result, 0);

    const int fd = ::open(sim.device().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    termios line{};
    ASSERT_EQ(::tcgetattr(fd, &line), 0);
    ::close(fd);
    EXPECT_EQ(::cfgetospeed(&line), speed_t(B38400));
    EXPECT_EQ(::cfgetispeed(&line), speed_t(B38400));
    EXPECT_EQ(line.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(line.c_cflag & PARENB, tcflag_t(0));
    EXPECT_EQ(line.c_cflag & CSTOPB, tcflag_t(0));
    EXPECT_EQ(line.c_cflag & CRTSCTS, tcflag_t(0));
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF), tcflag_t(0));
}

// COM1 to COM4 name the system's first four serial devices unless the settings
// name others; a blank setting counts as none.
TEST(SerialLine, PortsNameDevices)
{
    const struct
    {
        int port;
        const char *setting; // nullptr: none written
        const char *device;
    } cases[] = {
        {1, nullptr, "/dev/ttyS0"},
        {2, nullptr, "/dev/ttyS1"},
        {3, nullptr, "/dev/ttyS2"},
        {4, nullptr, "/dev/ttyS3"},
        {1, "/dev/ttyUSB0", "/dev/ttyUSB0"},
        {4, " /tmp/ttyA ", "/tmp/ttyA"},
        {2, "   ", "/dev/ttyS1"},
    };
    for (const auto &c : cases) {
        MemorySettings settings;
        if (c.setting)
            settings.write(QStringLiteral("COM%1").arg(c.port), QString::fromLatin1(c.setting));
        EXPECT_EQ(serialdevices::device(settings, c.port), QString::fromLatin1(c.device)) << c.port;
    }
}

} // namespace
