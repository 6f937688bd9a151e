#include "FileDialogs.h"

#include "../support/QtPrinting.h"

#include <gtest/gtest.h>

namespace {

TEST(FileDialogs, FilterPairsBecomeQtNameFilters)
{
    const struct
    {
        const char *filter;
        QStringList expected;
    } cases[] = {
        {"Project files (*.k7r)|*.k7r|All files|*.*",
         {QStringLiteral("Project files (*.k7r)"), QStringLiteral("All files (*.*)")}},
        {"Pictures|*.bmp;*.png", {QStringLiteral("Pictures (*.bmp *.png)")}},
        {"Firmware (*.hex)|*.hex|", {QStringLiteral("Firmware (*.hex)")}},
        {"", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FileDialogs::qtNameFilters(QString::fromLatin1(c.filter)), c.expected)
            << c.filter;
}

} // namespace
