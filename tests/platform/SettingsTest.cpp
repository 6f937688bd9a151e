#include "platform/Settings.h"

#include "support/QtPrinting.h"

#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Stored settings of earlier versions must still be found: the file, its
// section and the key are checked as the bytes on disk.
TEST(UserSettings, ValuesLandInTheFendrelFileSectionSettingsAtOnce)
{
    UserSettings settings;
    EXPECT_EQ(settings.read(u"NeverWritten"_s), QString());
    EXPECT_EQ(settings.read(u"NeverWritten"_s, u"1001"_s), u"1001"_s);

    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         u"/Fendrel/Fendrel.conf"_s;
    const struct
    {
        QString value;
        QByteArray stored;
    } cases[] = {
        {u"/home/u/Project 1/Resource.k7r"_s, "FileProject=/home/u/Project 1/Resource.k7r"},
        {QString(), "FileProject="},
        {u"True"_s, "FileProject=True"},
    };
    for (const auto &c : cases) {
        settings.write(u"FileProject"_s, c.value);
        EXPECT_EQ(settings.read(u"FileProject"_s, u"default"_s), c.value);
        // on disk before the next read: another program run sees it
        QFile stored(file);
        ASSERT_TRUE(stored.open(QIODevice::ReadOnly)) << file;
        EXPECT_EQ(stored.readAll(), "[Settings]\n" + c.stored + "\n");
    }
    // a value that needs quoting reads back as written
    settings.write(u"IP"_s, u"a=b;c,\u00e9"_s);
    EXPECT_EQ(UserSettings().read(u"IP"_s), u"a=b;c,\u00e9"_s);
}

} // namespace
