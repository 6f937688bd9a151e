#include "platform/CodePage.h"
#include "platform/CodePageCheck.h"

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage, EveryByteSurvivesDecodeAndEncode)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = codepage::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(codepage::encode(text), all); // so no two bytes share a character
}

TEST(CodePage, KnownCharacters)
{
    const struct
    {
        unsigned char byte;
        char16_t code;
    } cases[] = {{0x41, u'A'},   {0x80, 0x20AC}, {0x81, 0x0081}, {0x8D, 0x008D},
                 {0x8F, 0x008F}, {0x90, 0x0090}, {0x9D, 0x009D}, {0x9F, 0x0178},
                 {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF}, {0x96, 0x2013}};
    for (const auto &c : cases) {
        EXPECT_EQ(codepage::toUnicode(c.byte).unicode(), c.code) << int(c.byte);
        EXPECT_EQ(static_cast<unsigned char>(codepage::fromUnicode(QChar(c.code))), c.byte);
    }
}

// Of the C1 controls only the five the page leaves undefined have a byte; the
// rest, and everything past U+00FF, become "?". Both ends of each run checked.
TEST(CodePage, CharactersOutsideThePageBecomeQuestionMarks)
{
    QString c1;
    for (char16_t code = 0x80; code <= 0x9F; ++code)
        c1.append(QChar(code));
    EXPECT_EQ(codepage::encode(c1), QByteArray("?\x81???????????\x8D?\x8F\x90????????????\x9D??"));
    EXPECT_EQ(codepage::encode(u"\u007F\u00A0\u00FF\u0100\u4E2D\u20AC\u0178"),
              QByteArray("\x7F\xA0\xFF??\x80\x9F"));
}

TEST(CodePage, FirstUnencodableCharacter)
{
    const char16_t pair[] = {0xD83D, 0xDE00}; // U+1F600
    const struct
    {
        QStringView text;
        qsizetype index; // -1: all of it fits
        char32_t code;
    } cases[] = {
        {u"plain ASCII", -1, 0},
        {u"?", -1, 0}, // the replacement itself is a character of the page
        {u"\u20ac \u0160 \u0178 \u00ff \u00a0", -1, 0},
        {u"\u0081\u009D", -1, 0}, // bytes the page leaves undefined
        {u"\u0141\u00f3d\u017a", 0, 0x141},
        {u"a\u0100\u0101", 1, 0x100},
        {u"\u2013\u2012", 1, 0x2012}, // en dash fits, figure dash does not
        {QStringView(pair, 2), 0, 0x1F600},
        {QStringView(pair, 1), 0, 0xD83D}, // a pair cut in two: the half is named
    };
    for (const auto &c : cases) {
        const auto bad = codepage::firstUnencodable(c.text);
        EXPECT_EQ(bad ? bad->index : -1, c.index) << c.text.toString().toStdString();
        EXPECT_EQ(bad ? bad->code : 0, c.code) << c.text.toString().toStdString();
    }
}

} // namespace
