#include "platform/Settings.h"

#include <QSettings>

namespace settings {
namespace {

QString sectionKey(const QString &key)
{
    return QStringLiteral("Settings/") + key;
}

QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Fendrel"),
                     QStringLiteral("Fendrel"));
}

} // namespace

QString read(const QString &key, const QString &defaultValue)
{
    return store().value(sectionKey(key), defaultValue).toString();
}

void write(const QString &key, const QString &value)
{
    QSettings s = store();
    s.setValue(sectionKey(key), value);
    s.sync();
}

} // namespace settings
