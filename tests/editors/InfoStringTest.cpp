#include "InfoString.h"
#include "CodePage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

const QChar Tab = QLatin1Char('\t');

QString tabbed(std::initializer_list<const char *> fields)
{
    QStringList list;
    for (const char *f : fields)
        list.append(QString::fromLatin1(f));
    return list.join(Tab);
}

TEST(InfoString, FieldsDependOnTheTypeLetter)
{
    const QString i = tabbed({"a", "b", "c", "d", "e", "Name", "Info", "0-Off;1-On"});
    const infostring::Fields fi = infostring::fields(i, u"I");
    EXPECT_EQ(fi.name, QStringLiteral("Name"));
    EXPECT_EQ(fi.info, QStringLiteral("Info"));
    EXPECT_EQ(fi.selectionList, QStringLiteral("0-Off;1-On"));
    EXPECT_EQ(infostring::selectionTexts(fi.selectionList),
              QStringList({QStringLiteral("Off"), QStringLiteral("On")}));

    const QString f = tabbed({"a", "b", "Name", "Info", "0-X", "z"});
    const infostring::Fields ff = infostring::fields(f, u"F");
    EXPECT_EQ(ff.name, QStringLiteral("Name"));
    EXPECT_EQ(ff.info, QStringLiteral("Info"));
    EXPECT_EQ(ff.selectionList, QStringLiteral("0-X"));
    EXPECT_EQ(infostring::fieldBase(u"Q"), 2);

    EXPECT_FALSE(infostring::fields(tabbed({"a", "b", "Name"}), u"F").usable());
    EXPECT_FALSE(infostring::fields(QString(), u"I").usable());
    EXPECT_TRUE(ff.usable());
}

TEST(InfoString, SelectionListParseAndRebuild)
{
    const struct
    {
        const char *list;
        std::vector<const char *> texts;
        const char *rebuilt;
    } cases[] = {
        {"0-Off;1-On", {"Off", "On"}, "0-Off;1-On"},
        {"5-Red", {"Red"}, "0-Red"},
        {"Red", {""}, "0-"},
        {"0-A;;2-B", {"A", "B"}, "0-A;1-B"},
        {"0-A;-;2-B", {"A", "", "B"}, "0-A;1-;2-B"},
        {";0-A;1-B", {}, ""},
        {"", {}, ""},
        {"0-a-b;1-", {"a-b", ""}, "0-a-b;1-"},
        {"0-A;", {"A"}, "0-A"},
    };
    for (const auto &c : cases) {
        const QStringList texts = infostring::selectionTexts(QString::fromLatin1(c.list));
        QStringList expected;
        for (const char *t : c.texts)
            expected.append(QString::fromLatin1(t));
        EXPECT_EQ(texts, expected) << c.list;
        EXPECT_EQ(infostring::selectionList(texts), QString::fromLatin1(c.rebuilt)) << c.list;
    }
}

TEST(InfoString, EditReplacesOnlyTheKnownFields)
{
    QString content = tabbed({"a", "b", "c", "d", "e", "Name", "Info", "0-Off;1-On", "tail"});
    EXPECT_EQ(infostring::applyEdit(content, u"I", QStringLiteral("N;2"), QStringLiteral("Inf"),
                                    {QStringLiteral("x"), QStringLiteral("y"), QString()}),
              infostring::EditResult::Ok);
    EXPECT_EQ(content, tabbed({"a", "b", "c", "d", "e", "N;2", "Inf", "0-x;1-y;2-", "tail"}));

    // Without selections the selection field keeps what it held, even a
    // malformed one; separator runs around replaced fields are kept.
    QString f = QStringLiteral("x\t\ty\tName\tInfo\t;odd");
    EXPECT_EQ(infostring::applyEdit(f, u"F", QStringLiteral("M"), QStringLiteral("J"), {}),
              infostring::EditResult::Ok);
    EXPECT_EQ(f, QStringLiteral("x\t\ty\tM\tJ\t;odd"));

    QString tooFew = tabbed({"a", "b"});
    EXPECT_EQ(infostring::applyEdit(tooFew, u"I", QStringLiteral("N"), QStringLiteral("I"), {}),
              infostring::EditResult::InternalError);
    EXPECT_EQ(tooFew, tabbed({"a", "b"}));
}

TEST(InfoString, LengthLimitIs240)
{
    // "a\tb\tName\tInfo\t0-" is 16 characters; the selection text fills the rest.
    for (const qsizetype total : {qsizetype(240), qsizetype(241)}) {
        QString content = tabbed({"a", "b", "Name", "Info", "0-"});
        const QString text(total - content.size(), QLatin1Char('s'));
        const auto result = infostring::applyEdit(content, u"F", QStringLiteral("Name"),
                                                  QStringLiteral("Info"), {text});
        EXPECT_EQ(content.size(), total);
        EXPECT_EQ(result,
                  total == 240 ? infostring::EditResult::Ok : infostring::EditResult::TooLong);
        // The refused edit stays in the content; the next attempt gives the same.
        EXPECT_EQ(infostring::applyEdit(content, u"F", QStringLiteral("Name"),
                                        QStringLiteral("Info"), {text}),
                  result);
        EXPECT_EQ(content.size(), total);
    }
}

// Random bytes of 0..255 without the given separators.
QByteArray randomBytes(std::mt19937 &random, int minSize, int maxSize, const char *exclude)
{
    QByteArray bytes;
    const int size = minSize + static_cast<int>(random() % (maxSize - minSize + 1));
    while (bytes.size() < size) {
        const char b = static_cast<char>(random() & 0xFF);
        if (!std::strchr(exclude, b) || b == 0)
            bytes.append(b);
    }
    return bytes;
}

TEST(InfoString, LoadAndSaveUnchangedKeepsEveryByte)
{
    std::mt19937 random(2024);
    for (int round = 0; round < 2000; ++round) {
        const bool typeI = random() % 2 == 0;
        const int base = typeI ? 5 : 2;
        const int fieldCount = base + 2 + static_cast<int>(random() % 4);
        QByteArray file;
        QByteArray name, info;
        for (int n = 0; n < fieldCount; ++n) {
            if (n > 0)
                file.append(QByteArray(1 + static_cast<int>(random() % 3), '\t'));
            if (n == base + 2) {
                const int entries = static_cast<int>(random() % 4);
                for (int e = 0; e < entries; ++e) {
                    if (e > 0)
                        file.append(';');
                    file.append(QByteArray::number(e) + '-' + randomBytes(random, 0, 6, "\t;"));
                }
                if (entries == 0 && n + 1 < fieldCount)
                    file.append("0-"); // an empty field only ends the text
                continue;
            }
            // Field 0 may be empty (the text starts with TAB); inner fields may not.
            QByteArray field = randomBytes(random, n == 0 ? 0 : 1, 8, "\t");
            if (n == base)
                name = field;
            if (n == base + 1)
                info = field;
            file.append(field);
        }
        if (random() % 3 == 0)
            file.append('\t'); // an empty last field

        const QString type = typeI ? QStringLiteral("I") : QStringLiteral("F");
        QString content = codepage::decode(file);
        const infostring::Fields fields = infostring::fields(content, type);
        ASSERT_TRUE(fields.usable()) << file.toHex().constData();
        EXPECT_EQ(codepage::encode(fields.name), name);
        EXPECT_EQ(codepage::encode(fields.info), info);

        const auto result = infostring::applyEdit(content, type, fields.name, fields.info,
                                                  infostring::selectionTexts(fields.selectionList));
        EXPECT_NE(result, infostring::EditResult::InternalError);
        EXPECT_EQ(codepage::encode(content), file) << file.toHex().constData();
    }
}

} // namespace
