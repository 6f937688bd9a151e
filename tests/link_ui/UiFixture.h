#pragma once

#include "platform/ui/FileDialogs.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"
#include "support/RecordingMessages.h"
#include "support/ScriptedFileDialogs.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Fresh settings and recording services for every window test. The settings
// live in a folder of the test program's own, so a run by hand never reads or
// empties the user's.
class UiTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static const QTemporaryDir folder;
        static const bool moved = [] {
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
            QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
            return true;
        }();
        ASSERT_TRUE(moved && folder.isValid());
        ASSERT_TRUE(store().fileName().startsWith(folder.path())) << "not the user's settings";
        store().clear();
    }

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
