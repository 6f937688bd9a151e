#include "editors/TextCheck.h"

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

namespace {

// Which character is the first the page cannot hold is the code page's test;
// this one reads the refusal as the user does.
TEST(TextCheck, NamesTheFirstCharacterOutsideTheCodePage)
{
    const struct
    {
        QString text;
        const char *message;
    } cases[] = {
        {QStringLiteral("plain ASCII ?"), ""},
        {QString::fromUtf8("\u0141\u00f3d\u017a"),
         "Name field cannot contain the character \"\u0141\" (U+0141): only Windows-1252 "
         "characters can be saved"},
        {QString::fromUtf8("a\u00e9\u01ff"),
         "Name field cannot contain the character \"\u01ff\" (U+01FF): only Windows-1252 "
         "characters can be saved"},
        {QString::fromUtf8("ok \U0001F600"),
         "Name field cannot contain the character \"\U0001F600\" (U+1F600): only "
         "Windows-1252 characters can be saved"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(textcheck::refusal(QStringLiteral("Name field"), c.text),
                  QString::fromUtf8(c.message));
}

} // namespace
