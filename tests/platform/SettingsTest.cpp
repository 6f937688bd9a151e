#include "platform/Settings.h"

#include "support/QtPrinting.h"

#include <QSettings>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Settings, MissingKeysReadAsTheReadersDefault)
{
    EXPECT_EQ(settings::read(u"NeverWritten"_s), QString());
    EXPECT_EQ(settings::read(u"NeverWritten"_s, u"1001"_s), u"1001"_s);
}

TEST(Settings, WrittenValuesReadBackAndLandInTheSection)
{
    const QString values[] = {u"/home/u/Project 1/Resource.k7r"_s, QString(), u"True"_s,
                              u"a=b;c,\u00e9"_s};
    for (const QString &value : values) {
        settings::write(u"FileProject"_s, value);
        EXPECT_EQ(settings::read(u"FileProject"_s, u"default"_s), value);
        // another reader sees it at once: the value is on disk
        QSettings other(QSettings::NativeFormat, QSettings::UserScope, u"Fendrel"_s, u"Fendrel"_s);
        EXPECT_EQ(other.value(u"Settings/FileProject"_s).toString(), value);
    }
}

} // namespace
