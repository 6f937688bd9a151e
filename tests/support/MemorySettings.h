#pragma once

#include "platform/Settings.h"

#include <QMap>
#include <QString>

// Test double: a settings store in memory that the test reads and fills
// directly. Each window test starts with an empty one.
class MemorySettings final : public Settings
{
public:
    QMap<QString, QString> values;

    void write(const QString &key, const QString &value) override { values.insert(key, value); }

protected:
    QString value(const QString &key, const QString &defaultValue) const override
    {
        return values.value(key, defaultValue);
    }
};
