#include "editors/TextCheck.h"
#include "platform/CodePageCheck.h"

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCheck, NamesTheFirstCharacterOutsideTheCodePage)
{
    const struct
    {
        QString text;
        int index; // -1: all of it fits
        const char *message;
    } cases[] = {
        {QStringLiteral("plain ASCII ?"), -1, ""},
        {QString::fromUtf8("\u20ac \u0160 \u0178 \u00ff \u00a0"), -1, ""}, // page 0x80..0xFF
        {QString(QChar(0x81)) + QChar(0x9D), -1, ""}, // bytes the page leaves undefined
        {QString::fromUtf8("\u0141\u00f3d\u017a"), 0,
         "Name field cannot contain the character \"\u0141\" (U+0141): only Windows-1252 "
         "characters can be saved"},
        {QString::fromUtf8("a\u0100\u0101"), 1,
         "Name field cannot contain the character \"\u0100\" (U+0100): only Windows-1252 "
         "characters can be saved"},
        {QString::fromUtf8("ok \U0001F600"), 3,
         "Name field cannot contain the character \"\U0001F600\" (U+1F600): only "
         "Windows-1252 characters can be saved"},
        {QString(QChar(0x2013)) + QChar(0x2012), 1, // en dash fits, figure dash does not
         "Name field cannot contain the character \"\u2012\" (U+2012): only Windows-1252 "
         "characters can be saved"},
    };
    for (const auto &c : cases) {
        const auto bad = codepage::firstUnencodable(c.text);
        EXPECT_EQ(bad ? static_cast<int>(bad->index) : -1, c.index) << c.text.toStdString();
        EXPECT_EQ(textcheck::refusal(QStringLiteral("Name field"), c.text),
                  QString::fromUtf8(c.message));
    }
}

} // namespace
