#include "Settings.h"

#include "../support/QtPrinting.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {

TEST(Settings, MissingKeysReadAsTheReadersDefault)
{
    EXPECT_EQ(settings::read(QStringLiteral("NeverWritten")), QString());
    EXPECT_EQ(settings::read(QStringLiteral("NeverWritten"), QStringLiteral("1001")),
              QStringLiteral("1001"));
}

TEST(Settings, WrittenValuesReadBackAndLandInTheSection)
{
    const QString values[] = {QStringLiteral("/home/u/Project 1/Resource.k7r"), QString(),
                              QStringLiteral("True"), QStringLiteral("a=b;c,\u00e9")};
    for (const QString &value : values) {
        settings::write(QStringLiteral("FileProject"), value);
        EXPECT_EQ(settings::read(QStringLiteral("FileProject"), QStringLiteral("default")), value);
        // another reader sees it at once: the value is on disk
        QSettings other(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Fendrel"),
                        QStringLiteral("Fendrel"));
        EXPECT_EQ(other.value(QStringLiteral("Settings/FileProject")).toString(), value);
    }
}

} // namespace
