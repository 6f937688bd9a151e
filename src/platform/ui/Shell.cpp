#include "platform/ui/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace shell {
void open(const QString &urlOrPath)
{
    const QUrl url = QUrl::fromUserInput(urlOrPath);
    QDesktopServices::openUrl(url);
}
} // namespace shell
