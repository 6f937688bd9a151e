#pragma once

#include "platform/ui/FileDialogs.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"
#include "support/RecordingMessages.h"
#include "support/ScriptedFileDialogs.h"

#include <QSettings>

#include <gtest/gtest.h>

// Fresh settings and recording services for every window test.
class UiTest : public ::testing::Test
{
protected:
    void SetUp() override { store().clear(); }

    static QSettings store()
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Fendrel"),
                         QStringLiteral("Fendrel"));
    }
    static QString stored(const char *key)
    {
        return store().value(QStringLiteral("Settings/") + QString::fromLatin1(key)).toString();
    }
    static void storeValue(const char *key, const QString &value)
    {
        store().setValue(QStringLiteral("Settings/") + QString::fromLatin1(key), value);
    }

    RecordingMessages messages;
    ScriptedFileDialogs dialogs;
    Services services{messages, dialogs};
};
