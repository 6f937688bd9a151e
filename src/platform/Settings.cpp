#include "platform/Settings.h"

#include <QSettings>

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

QString UserSettings::value(const QString &key, const QString &defaultValue) const
{
    return store().value(sectionKey(key), defaultValue).toString();
}

void UserSettings::write(const QString &key, const QString &value)
{
    QSettings s = store();
    s.setValue(sectionKey(key), value);
    s.sync();
}
