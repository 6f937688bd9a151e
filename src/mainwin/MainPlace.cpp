#include "mainwin/MainPlace.h"

#include "platform/Settings.h"
#include "platform/ui/WindowPlace.h"

namespace mainplace {
namespace {

constexpr QLatin1String kPlaceKey("MainWindowPlace");
constexpr QLatin1String kMaximizedKey("MainWindowMaximized");

} // namespace

Place read(const Settings &settings)
{
    return {windowplace::fromText(settings.read(kPlaceKey)),
            settings.read(kMaximizedKey) == QLatin1String("1")};
}

void write(Settings &settings, const QRect &normal, bool maximized)
{
    settings.write(kPlaceKey, windowplace::toText(normal));
    settings.write(kMaximizedKey, maximized ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace mainplace
