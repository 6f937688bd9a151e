#include "editors/InfoString.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <tuple>
#include <vector>

namespace {

using infostring::EditResult;

TEST(InfoString, SelectionListParseAndRebuild)
{
    const std::tuple<const char *, std::vector<const char *>, const char *> cases[] = {
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
    for (const auto &[list, expected, rebuilt] : cases) {
        const QStringList texts = infostring::selectionTexts(QString::fromLatin1(list));
        QStringList wanted;
        for (const char *t : expected)
            wanted.append(QString::fromLatin1(t));
        EXPECT_EQ(texts, wanted) << list;
        EXPECT_EQ(infostring::selectionList(texts), QString::fromLatin1(rebuilt)) << list;
    }
}

TEST(InfoString, EditReplacesOnlyTheKnownFields)
{
    QString i = QStringLiteral("a\tb\tc\td\te\tName\tInfo\t0-Off;1-On\ttail");
    EXPECT_EQ(infostring::applyEdit(i, ItemType::InfoStringI, QStringLiteral("N;2"),
                                    QStringLiteral("Inf"),
                                    {QStringLiteral("x"), QStringLiteral("y"), QString()}),
              EditResult::Ok);
    EXPECT_EQ(i, QStringLiteral("a\tb\tc\td\te\tN;2\tInf\t0-x;1-y;2-\ttail"));

    // No selections given: the list stays as it was.
    QString f = QStringLiteral("x\ty\tN\tI\t0-Off;1-On");
    EXPECT_EQ(infostring::applyEdit(f, ItemType::InfoStringF, QStringLiteral("M"),
                                    QStringLiteral("J"), {}),
              EditResult::Ok);
    EXPECT_EQ(f, QStringLiteral("x\ty\tM\tJ\t0-Off;1-On"));

    // 240 characters are allowed, one more is too long.
    for (const auto &[nameLength, result] :
         {std::pair{230, EditResult::Ok}, std::pair{231, EditResult::TooLong}}) {
        QString content = QStringLiteral("x\ty\tN\tI\t0-A");
        EXPECT_EQ(infostring::applyEdit(content, ItemType::InfoStringF, QString(nameLength, u'n'),
                                        QStringLiteral("I"), {QStringLiteral("A")}),
                  result)
            << nameLength;
        EXPECT_EQ(content.size(), nameLength + 10);
    }

    QString tooFew = QStringLiteral("a\tb");
    EXPECT_EQ(infostring::applyEdit(tooFew, ItemType::InfoStringI, QStringLiteral("N"),
                                    QStringLiteral("I"), {}),
              EditResult::InternalError);
    EXPECT_EQ(tooFew, QStringLiteral("a\tb"));
}

TEST(InfoString, LoadAndSaveUnchangedKeepsEveryByte)
{
    std::mt19937 random(2024);
    const auto pick = [&](int n) { return static_cast<int>(random() % n); };
    // Random bytes of 0..255 except the given separators.
    const auto bytes = [&](int min, int max, const char *exclude) {
        QByteArray text;
        for (const int size = min + pick(max - min + 1); text.size() < size;) {
            const char b = static_cast<char>(pick(256));
            if (b == 0 || !std::strchr(exclude, b))
                text.append(b);
        }
        return text;
    };
    for (int round = 0; round < 2000; ++round) {
        const bool typeI = pick(2) == 0;
        const int base = typeI ? 5 : 2;
        const int fieldCount = base + 2 + pick(4);
        QList<QByteArray> fields;
        QByteArray file;
        for (int n = 0; n < fieldCount; ++n) {
            // Field 0 may be empty (the text starts with TAB); inner fields may not.
            QByteArray field = bytes(n == 0 ? 0 : 1, 8, "\t");
            if (n == base + 2) {
                field.clear();
                for (int e = 0, entries = pick(4); e < entries; ++e)
                    field += (e ? ";" : "") + QByteArray::number(e) + '-' + bytes(0, 6, "\t;");
                if (field.isEmpty() && n + 1 < fieldCount)
                    field = "0-";
            }
            if (n > 0)
                file += QByteArray(1 + pick(3), '\t');
            file += field;
            fields.append(field);
        }
        if (pick(3) == 0)
            file += '\t'; // an empty last field

        const ItemType type = typeI ? ItemType::InfoStringI : ItemType::InfoStringF;
        QString content = codepage::decode(file);
        const infostring::Fields f = infostring::fields(content, type);
        EXPECT_EQ(codepage::encode(f.name), fields[base]);
        EXPECT_EQ(codepage::encode(f.info), fields[base + 1]);
        EXPECT_NE(infostring::applyEdit(content, type, f.name, f.info,
                                        infostring::selectionTexts(f.selectionList)),
                  EditResult::InternalError);
        EXPECT_EQ(codepage::encode(content), file) << file.toHex().constData();
    }
}

} // namespace
