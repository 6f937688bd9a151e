#include "platform/ui/FileDialogs.h"

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(FileDialogs, FilterPairsBecomeQtNameFilters)
{
    const struct
    {
        const char *filter;
        QStringList expected;
    } cases[] = {
        {"Project files (*.k7r)|*.k7r|All files|*.*",
         {u"Project files (*.k7r)"_s, u"All files (*.*)"_s}},
        {"Pictures|*.bmp;*.png", {u"Pictures (*.bmp *.png)"_s}},
        {"Firmware (*.hex)|*.hex|", {u"Firmware (*.hex)"_s}},
        {"", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FileDialogs::qtNameFilters(QString::fromLatin1(c.filter)), c.expected)
            << c.filter;
}

} // namespace
