#include "link/OptionRules.h"

#include "project/TextFields.h"

#include <QStringList>

#include <cmath>

namespace optionrules {
namespace {

bool digitsAndDots(const QString &text)
{
    for (QChar c : text)
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && c != QLatin1Char('.'))
            return false;
    return true;
}

} // namespace

std::optional<QString> normaliseIp(const QString &text)
{
    if (!digitsAndDots(text))
        return std::nullopt;
    QStringList fields;
    for (int n = 0; n < 4; ++n) {
        const QString field = textfields::GetField(text, QLatin1Char('.'), n);
        if (field.isEmpty())
            return std::nullopt;
        const double value = textfields::LeadingNumber(field);
        if (value > 255)
            return std::nullopt;
        fields << textfields::PlainNumber(static_cast<long long>(value));
    }
    return fields.join(QLatin1Char('.'));
}

std::optional<UdpPort> normaliseUdpPort(const QString &text)
{
    if (!digitsAndDots(text))
        return std::nullopt;
    const double value = textfields::LeadingNumber(text);
    if (value > 9999)
        return std::nullopt;
    return UdpPort{textfields::PlainNumber(value), static_cast<quint16>(std::lround(value))};
}

int portNumber(const QString &stored)
{
    const double value = textfields::LeadingNumber(stored);
    return value >= 1 && value <= 4 && value == std::floor(value) ? static_cast<int>(value) : 1;
}

} // namespace optionrules
