#include "platform/ui/FileDialogs.h"
#include "platform/ui/ChooseFile.h"
#include "platform/ui/Services.h"

#include "support/QtPrinting.h"
#include "support/ServiceDoubles.h"

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

// A name the dialog cannot take asks again from nothing; any other failure is
// shown and ends the question.
TEST(ChooseFile, AnInvalidNameAsksAgainWithoutIt)
{
    ServiceDoubles doubles;
    RecordingMessages &messages = doubles.messages;
    ScriptedFileDialogs &dialogs = doubles.dialogs;
    Services &services = doubles.services;
    FileDialogs::Request request;
    request.initialName = u"/tmp/bad|name.k7x"_s;
    dialogs.answers = {{20477, {}}, {0, u"/tmp/good.k7x"_s}};
    EXPECT_EQ(choosefile::ask(services, choosefile::Mode::Save, request), u"/tmp/good.k7x"_s);
    ASSERT_EQ(dialogs.requests.size(), 2u);
    EXPECT_EQ(dialogs.requests[0].initialName, u"/tmp/bad|name.k7x"_s);
    EXPECT_EQ(dialogs.requests[1].initialName, QString());
    EXPECT_TRUE(messages.shown.empty());

    dialogs.answers = {{53, {}}};
    EXPECT_EQ(choosefile::ask(services, choosefile::Mode::Open, request), std::nullopt);
    EXPECT_EQ(messages.texts(), QStringList{u" 53: File not found"_s});
}

} // namespace
