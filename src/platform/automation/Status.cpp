#include "platform/automation/Status.h"

namespace automation {

QString statusText(Status status)
{
    return QStringLiteral("0x%1").arg(static_cast<std::uint32_t>(status), 8, 16, QLatin1Char('0'));
}

} // namespace automation
