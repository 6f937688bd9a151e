#include "link/OptionRules.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionRules, IpAddresses)
{
    const struct
    {
        const char *typed;
        const char *stored; // nullptr: "Invalid IP address"
    } cases[] = {
        {"192.168.1.200", "192.168.1.200"},
        {"1..2.3.4", "1.2.3.4"},
        {"1.2.3.4.5", "1.2.3.4"},
        {"010.001.0.00", "10.1.0.0"},
        {"255.255.255.255", "255.255.255.255"},
        {"1.2.3", nullptr},
        {"1.2.3.256", nullptr},
        {"1.2.3.x", nullptr},
        {"1.2.3.4 ", nullptr},
        {".1.2.3.4", nullptr},
        {"99999999999999999999.1.1.1", nullptr},
        {"", nullptr},
    };
    for (const auto &c : cases) {
        const auto ip = optionrules::normaliseIp(QString::fromLatin1(c.typed));
        if (c.stored)
            EXPECT_EQ(ip, QString::fromLatin1(c.stored)) << c.typed;
        else
            EXPECT_FALSE(ip) << c.typed;
    }
}

TEST(OptionRules, UdpPorts)
{
    const struct
    {
        const char *typed;
        bool ok;
        const char *text;
        quint16 port;
    } cases[] = {
        {"1001", true, "1001", 1001}, {"9999", true, "9999", 9999}, {"", true, "0", 0},
        {"0042", true, "42", 42},     {"10000", false, "", 0},      {"12a", false, "", 0},
        {"-1", false, "", 0},         {"12.6", true, "12.6", 13},   {"12.4", true, "12.4", 12},
    };
    for (const auto &c : cases) {
        const auto port = optionrules::normaliseUdpPort(QString::fromLatin1(c.typed));
        ASSERT_EQ(port.has_value(), c.ok) << c.typed;
        if (port) {
            EXPECT_EQ(port->text, QString::fromLatin1(c.text)) << c.typed;
            EXPECT_EQ(port->port, c.port) << c.typed;
        }
    }
}

TEST(OptionRules, StoredPortNumbers)
{
    const struct
    {
        const char *stored;
        int port;
    } cases[] = {{"1", 1}, {"4", 4}, {"", 1}, {"0", 1}, {"5", 1}, {"2.5", 1}, {"x", 1}, {"3", 3}};
    for (const auto &c : cases)
        EXPECT_EQ(optionrules::portNumber(QString::fromLatin1(c.stored)), c.port) << c.stored;
}

} // namespace
