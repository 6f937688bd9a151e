#pragma once

#include <QString>

#include <optional>

// The Options window's checks on the address and port a user types.
namespace optionrules {

// Digits and dots only, four non-empty fields of at most 255 (a run of dots
// separates like one, fields after the fourth are ignored). Returns the address
// rewritten in plain decimal with single dots.
std::optional<QString> normaliseIp(const QString &text);

struct UdpPort
{
    QString text; // the value in plain decimal
    quint16 port = 0;
};
// Digits and dots only, a value (the number the text starts with, empty text 0)
// of at most 9999.
std::optional<UdpPort> normaliseUdpPort(const QString &text);

// A stored port number as a valid one: 1..4, anything else 1.
int portNumber(const QString &stored);

} // namespace optionrules
