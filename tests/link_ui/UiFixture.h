#pragma once

#include "support/ServiceDoubles.h"

#include <gtest/gtest.h>

// Fresh doubles of every service for each window test; the settings are the
// store in memory.
class UiTest : public ::testing::Test, protected ServiceDoubles
{
protected:
    QString stored(const char *key) const
    {
        return settings.values.value(QString::fromLatin1(key));
    }
    void storeValue(const char *key, const QString &value)
    {
        settings.values.insert(QString::fromLatin1(key), value);
    }
};
