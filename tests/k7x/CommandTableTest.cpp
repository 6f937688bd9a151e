#include "K7xFixture.h"

#include <QBuffer>

#include <cerrno>

using namespace Qt::StringLiterals;
using namespace k7xtest;

namespace {

// The overview lists each command of the table on a line of its own that
// starts with its name; only those can be run.
TEST(CommandTable, OverviewHelpAndDispatchComeFromTheTable)
{
    const Outcome help = k7x({u"--help"_s});
    ASSERT_EQ(help.exit, 0);
    EXPECT_TRUE(help.err.isEmpty());
    const QStringList lines = help.out.split(u'\n');
    const qsizetype first = lines.indexOf(u"Commands:"_s) + 1;
    QStringList names;
    for (qsizetype k = first; k > 0 && k < lines.size() && !lines[k].isEmpty(); ++k)
        names << lines[k].section(u' ', 0, 0);
    EXPECT_EQ(names, (QStringList{u"build"_s, u"verify"_s, u"list"_s, u"extract"_s, u"diff"_s,
                                  u"unpack"_s, u"render"_s, u"import"_s, u"sheet"_s}));
    EXPECT_EQ(lines[first + 4], u"diff     say which items differ between two firmware files"_s);

    for (const QString &name : names) {
        const Outcome usage = k7x({name, u"--help"_s});
        EXPECT_EQ(usage.exit, 0) << name;
        EXPECT_TRUE(usage.out.startsWith(u"Usage: k7x "_s + name + u' ')) << usage.out;
        EXPECT_TRUE(usage.err.isEmpty());
    }
    EXPECT_TRUE(k7x({u"diff"_s, u"-h"_s})
                    .out.startsWith(u"Usage: k7x diff A.k7x B.k7x [--project PROJECT.k7r] "
                                    "[--pictures DIR]\n"_s));

    const struct
    {
        QStringList args;
        QString errStart;
    } refused[] = {
        {{}, u"Usage: k7x COMMAND"_s},
        {{u"frobnicate"_s}, u"k7x: unknown command \"frobnicate\"\nUsage: k7x COMMAND"_s},
        {{u"Build"_s}, u"k7x: unknown command \"Build\""_s},
        {{u"verify"_s}, u"Usage: k7x verify FILE\n"_s},
        {{u"verify"_s, u"a"_s, u"b"_s}, u"Usage: k7x verify FILE\n"_s},
        {{u"unpack"_s, u"a"_s, u"b"_s, u"c"_s, u"--force"_s},
         u"k7x unpack: unknown or repeated option \"--force\"\n"_s},
    };
    for (const auto &c : refused) {
        const Outcome run = k7x(c.args);
        EXPECT_EQ(run.exit, 2) << c.args.join(u' ');
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith(c.errStart)) << run.err;
    }
}

// Standard input that fails part way is a failure, never a shorter file.
class FailingInput : public QIODevice
{
public:
    explicit FailingInput(QByteArray first) : m_first(std::move(first))
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 size) override
    {
        if (m_first.isEmpty()) {
            errno = EIO;
            return -1;
        }
        const qint64 n = std::min<qint64>(size, m_first.size());
        memcpy(data, m_first.constData(), size_t(n));
        m_first.remove(0, n);
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_first;
};

class Commands : public Files
{
};

TEST_F(Commands, VerifyTakesLabelsUpToEightCharactersAndStandardInputToItsEnd)
{
    const struct
    {
        QByteArray label;
        QString out;
        int exit;
    } cases[] = {
        {"", u"-: OK, label \"\", 1 items, 3 data bytes, 65573 bytes, checksum 0xFF0F\n"_s, 0},
        {"ABCDEFGH",
         u"-: OK, label \"ABCDEFGH\", 1 items, 3 data bytes, 65573 bytes, checksum 0xFCE3\n"_s, 0},
        {"ABCDEFGHI", u"-: 0x10006: label length 9, at most 8 allowed\n"_s, 1},
    };
    for (const auto &c : cases) {
        QByteArray file = firmware({"ABC"}, c.label);
        QBuffer in(&file);
        in.open(QIODevice::ReadOnly);
        const Outcome run = k7x({u"verify"_s, u"-"_s}, &in);
        EXPECT_EQ(run.exit, c.exit) << c.label.constData();
        EXPECT_EQ(run.out, c.out);
    }

    FailingInput broken(firmware({"ABC"}));
    const Outcome failed = k7x({u"verify"_s, u"-"_s}, &broken);
    EXPECT_EQ(failed.exit, 1);
    EXPECT_EQ(failed.out, QString());
    EXPECT_EQ(failed.err, u"-: 57: Device I/O error\n"_s);
    FailingInput brokenEarly({});
    EXPECT_EQ(k7x({u"extract"_s, u"-"_s, u"0"_s, path(u"out"_s)}, &brokenEarly).exit, 1);
    EXPECT_FALSE(QFile::exists(path(u"out"_s)));
}

TEST_F(Commands, ListAndExtractShowTheJumpTableAndTakeItemsOut)
{
    const QString fw = put(u"fw.k7x"_s, firmware({"4", {}, QByteArray(1000, 'Z')}));
    const QString project = put(u"P/Resource.k7r"_s, "Port\tConst\\port.con\th\tC\t1,4\r\n"
                                                     "Empty\tOther\\empty.bin\th\tT\r\n"
                                                     "Blob\tOther\\blob.bin\th\tT\r\n");
    const Outcome listed = k7x({u"list"_s, fw, project});
    EXPECT_EQ(listed.exit, 0) << listed.err;
    EXPECT_EQ(listed.out, u"     #     Offset Length  T  Full Name\tFilename\n"
                          "     0          0      1  C  Port\tConst\\port.con\n"
                          "     1          1      0  T  Empty\tOther\\empty.bin\n"
                          "     2          1   1000  T  Blob\tOther\\blob.bin\n"
                          "Label \"XXXXXXX\", 3 items, 1001 item bytes, data area 1001 bytes, "
                          "file 66587 bytes\n"_s);

    const struct
    {
        QString item;
        int exit;
        QByteArray bytes;
        QString err;
    } cases[] = {
        {u"0"_s, 0, "4", {}},
        {u"1"_s, 0, "", {}},
        {u"2"_s, 0, QByteArray(1000, 'Z'), {}},
        {u"3"_s, 1, "<missing>", u": item 3 is not in the file (3 items readable)\n"_s},
        {u"-1"_s, 2, "<missing>", u"k7x extract: K must be an item number from 0, not \"-1\"\n"_s},
        {u"x"_s, 2, "<missing>", u"k7x extract: K must be an item number from 0, not \"x\"\n"_s},
    };
    for (const auto &c : cases) {
        QFile::remove(path(u"item"_s));
        const Outcome run = k7x({u"extract"_s, fw, c.item, path(u"item"_s)});
        EXPECT_EQ(run.exit, c.exit) << c.item;
        EXPECT_EQ(contents(path(u"item"_s)), c.bytes) << c.item;
        EXPECT_TRUE(run.err.contains(c.err)) << run.err;
    }
    EXPECT_EQ(k7x({u"extract"_s, fw, u"0"_s, fw}).err,
              QDir::toNativeSeparators(fw) + u": would overwrite the file it is taken from\n"_s);
}

} // namespace
