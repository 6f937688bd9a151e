#include "builder/Compile.h"
#include "builder/FilePair.h"
#include "builder/K7xLayout.h"
#include "builder/K7xReader.h"
#include "project/ItemTable.h"

#include <QDirIterator>

#include "BuilderFiles.h"
#include "support/ItemKinds.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using namespace builderfiles;

// A project folder with an original and an output beside it.
class CompileTest : public ScratchTest
{
public:
    void SetUp() override
    {
        ScratchTest::SetUp();
        folder = path(QStringLiteral("Project/"));
        original = path(QStringLiteral("original.k7x"));
        output = path(QStringLiteral("out.k7x"));
        put(original, firmware(k7x::ImageSize + 100));
    }

    void addItem(const QString &fileName, const QByteArray *bytes)
    {
        items.append({QStringLiteral("G"), QStringLiteral("Item"), fileName, {}, {}});
        if (bytes)
            put(folder + QString(fileName).replace(QLatin1Char('\\'), QLatin1Char('/')), *bytes);
    }

    compile::Outcome run()
    {
        statuses.clear();
        return compile::run({items, folder, original, output,
                             [this](compile::Stage stage) {
                                 statuses.push_back(compile::statusText(stage));
                                 if (onProgress)
                                     onProgress(stage);
                             },
                             readAhead, lister});
    }

    // Every file under the scratch folder, by path relative to it.
    QStringList files() const
    {
        QStringList result;
        QDirIterator it(scratch.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            result << QDir(scratch.path()).relativeFilePath(it.next());
        result.sort();
        return result;
    }

    QString folder;
    QString original;
    QString output;
    ItemTable items;
    std::vector<QString> statuses;
    std::function<void(compile::Stage)> onProgress;
    qint64 readAhead = compile::DefaultReadAhead;
    pathresolve::Lister lister;
};

TEST_F(CompileTest, WorkedExample)
{
    const QByteArray abc = fixture("abc.bin");
    addItem(QStringLiteral("Const\\abc.bin"), &abc);
    const compile::Outcome outcome = run();
    ASSERT_TRUE(outcome.ok()) << outcome.message().toStdString();
    EXPECT_EQ(compile::statusText(outcome.stage), QStringLiteral("Completed"));
    EXPECT_EQ(statuses, (std::vector<QString>{QStringLiteral("Processing Resource Items..."),
                                              QStringLiteral("Constructing Resource file..."),
                                              QStringLiteral("Calculating Checksum...")}));
    EXPECT_EQ(contentsOf(output), firmware(k7x::ImageSize) + fixture("worked_example.area"));
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Project/Const/abc.bin"),
                                    QStringLiteral("original.k7x"), QStringLiteral("out.k7x")}));

    // The output as the next original: only its image counts.
    const QString first = output;
    original = first;
    output = path(QStringLiteral("second.k7x"));
    ASSERT_TRUE(run().ok());
    EXPECT_EQ(contentsOf(output), contentsOf(first));
}

TEST_F(CompileTest, ZeroByteAndRepeatedItems)
{
    const QByteArray empty;
    const QByteArray limit(k7x::MaxItemSize, 'L');
    addItem(QStringLiteral("a.bin"), &limit);
    addItem(QStringLiteral("Sub\\Empty.bin"), &empty);
    addItem(QStringLiteral("sub\\EMPTY.BIN"), nullptr); // same file, other letter case
    addItem(QStringLiteral("a.bin"), nullptr);
    const compile::Outcome outcome = run();
    ASSERT_TRUE(outcome.ok()) << outcome.message().toStdString();

    QFile file(output);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), 196664); // 65536 + 26 + 8 * 4 + 2 * 65535
    const k7x::Contents contents = k7x::read(file);
    ASSERT_TRUE(contents.ok());
    const quint32 offsets[] = {0, 65535, 65535, 65535};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(contents.entries[k].offset, offsets[k]);
    EXPECT_EQ(k7x::readItem(file, contents, 3), limit);
}

TEST_F(CompileTest, FailuresLeaveTheOldOutputAndNoOtherFile)
{
    const QByteArray small("xyz");
    const struct
    {
        const char *name;
        std::function<void(CompileTest &)> arrange;
        QString message; // %1 the scratch folder (native separators)
        qsizetype failingItem;
    } cases[] = {
        {"item too big",
         [](CompileTest &t) {
             const QByteArray big(k7x::MaxItemSize + 1, 'B');
             t.addItem(QStringLiteral("Graphic\\big.bin"), &big);
             t.addItem(QStringLiteral("missing.bin"), nullptr);
         },
         QStringLiteral("Resource Item file '...Graphic/big.bin' is too big (>64K bytes)"), 1},
        {"missing item",
         [](CompileTest &t) {
             QDir().mkpath(t.folder + QStringLiteral("Const"));
             t.addItem(QStringLiteral("Const\\none.bin"), nullptr);
         },
         QStringLiteral("Resource Item file error ('...Const/none.bin) OR Temporary File error "
                        "(data.tmp):  53: File not found"),
         1},
        {"item is a folder",
         [](CompileTest &t) {
             QDir().mkpath(t.folder + QStringLiteral("Const"));
             t.addItem(QStringLiteral("Const"), nullptr);
         },
         QStringLiteral("Resource Item file error ('...Const) OR Temporary File error "
                        "(data.tmp):  75: Path/File access error"),
         1},
        {"original one byte short",
         [](CompileTest &t) { put(t.original, firmware(k7x::ImageSize - 1)); },
         QStringLiteral("Invalid Original File ('%1/original.k7x')"), -1},
        {"original missing", [](CompileTest &t) { QFile::remove(t.original); },
         QStringLiteral("Invalid Original File ('%1/original.k7x')"), -1},
        {"original is a folder",
         [](CompileTest &t) { t.original = t.path(QStringLiteral("Project")); },
         QStringLiteral("Original File error ('%1/Project'): 75: Path/File access error"), -1},
        {"output folder missing",
         [](CompileTest &t) { t.output = t.path(QStringLiteral("no/out.k7x")); },
         QStringLiteral("Output File error ('%1/no/out.k7x'):  76: Path not found"), -1},
        {"output is a folder", [](CompileTest &t) { t.output = t.path(QStringLiteral("Project")); },
         QStringLiteral("Output File error ('%1/Project'):  75: Path/File access error"), -1},
        {"item vanishes during the compile",
         [](CompileTest &t) {
             t.readAhead = 0; // measured first, read later
             t.onProgress = [&t](compile::Stage stage) {
                 if (stage == compile::Stage::Constructing)
                     QFile::remove(t.folder + QStringLiteral("first.bin"));
             };
         },
         QStringLiteral("Resource Item file error ('...first.bin) OR Temporary File error "
                        "(data.tmp):  53: File not found"),
         0},
        {"item grows during the compile",
         [](CompileTest &t) {
             // measured first, read later, even at no bytes
             t.readAhead = 0;
             put(t.folder + QStringLiteral("first.bin"), {});
             t.onProgress = [&t](compile::Stage stage) {
                 if (stage == compile::Stage::Constructing)
                     put(t.folder + QStringLiteral("first.bin"), "abcdef");
             };
         },
         QStringLiteral("Resource Item file error ('...first.bin) OR Temporary File error "
                        "(data.tmp):  57: Device I/O error"),
         0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir fresh;
        scratch.swap(fresh);
        SetUp();
        items.clear();
        onProgress = nullptr;
        readAhead = compile::DefaultReadAhead;
        addItem(QStringLiteral("first.bin"), &small);
        put(output, "OLD OUTPUT");
        c.arrange(*this);
        const QStringList before = files();
        const compile::Outcome outcome = run();
        EXPECT_EQ(compile::statusText(outcome.stage), QStringLiteral("Error"));
        EXPECT_EQ(outcome.message().toStdString(),
                  QString(c.message)
                      .replace(QStringLiteral("%1"), QDir::toNativeSeparators(scratch.path()))
                      .toStdString());
        EXPECT_EQ(outcome.failingItem, c.failingItem);
        QStringList after = before;
        if (QLatin1String(c.name).startsWith(QLatin1String("item vanishes")))
            after.removeAll(QStringLiteral("Project/first.bin"));
        EXPECT_EQ(files(), after);
        if (QFileInfo(output).isFile()) {
            EXPECT_EQ(contentsOf(output), QByteArray("OLD OUTPUT"));
        }
    }
}

TEST_F(CompileTest, DiskFullKeepsTheOldOutput)
{
    const QByteArray item(5000, 'd');
    addItem(QStringLiteral("d.bin"), &item);
    put(output, "OLD OUTPUT");
    // A file size limit makes writes past it fail as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = k7x::ImageSize + 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const compile::Outcome outcome = run();
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(outcome.error.number, 61) << outcome.message().toStdString();
    EXPECT_TRUE(outcome.message().startsWith(QStringLiteral("Output File error ('")));
    EXPECT_EQ(contentsOf(output), QByteArray("OLD OUTPUT"));
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Project/d.bin"), QStringLiteral("original.k7x"),
                                    QStringLiteral("out.k7x")}));
}

// Where two paths lead, whether or not a file is there yet; the compile refuses
// one file under two names before it writes anything.
TEST_F(CompileTest, SameFileComparesWhereThePathsLead)
{
    QDir().mkpath(path(QStringLiteral("sub")));
    const QString fresh = path(QStringLiteral("new.k7x"));
    const QString link = path(QStringLiteral("link.k7x"));
    const QString hard = path(QStringLiteral("hard.k7x"));
    ASSERT_TRUE(QFile::link(original, link));
    ASSERT_EQ(::link(QFile::encodeName(original).constData(), QFile::encodeName(hard).constData()),
              0);
    const struct
    {
        QString a, b;
        bool same;
    } cases[] = {
        {QString(), QString(), true},
        {fresh, QString(), false},
        {QString(), fresh, false},
        {QDir::currentPath(), QString(), false},
        {QStringLiteral("/"), QString(), false},
        {fresh, path(QStringLiteral("./new.k7x")), true},
        {fresh, path(QStringLiteral("sub/../new.k7x")), true},
        {fresh, path(QStringLiteral("NEW.k7x")), false}, // neither exists: no case to match
        {fresh, path(QStringLiteral("other.k7x")), false},
        {original, path(QStringLiteral("ORIGINAL.K7X")), true},
        {original, link, true},
        {original, hard, true},
        {original, QStringLiteral("./original.k7x"), true},
        {original, path(QStringLiteral("Project/../original.k7x")), true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(compile::sameFile(c.a, c.b), c.same)
            << c.a.toStdString() << " | " << c.b.toStdString();

    const QByteArray abc("abc");
    addItem(QStringLiteral("a.bin"), &abc);
    const QByteArray before = contentsOf(original);
    output = hard;
    EXPECT_EQ(run().message(), QStringLiteral("Original and Output files must be different"));
    EXPECT_TRUE(statuses.empty());
    EXPECT_EQ(contentsOf(original), before);
}

TEST_F(CompileTest, ItemCountLimit)
{
    const QByteArray empty;
    addItem(QStringLiteral("e.bin"), &empty);
    for (int k = 1; k < k7x::MaxItems; ++k)
        addItem(QStringLiteral("e.bin"), nullptr);
    const compile::Outcome full = run();
    ASSERT_TRUE(full.ok()) << full.message().toStdString();
    EXPECT_EQ(QFileInfo(output).size(), k7x::ImageSize + 26 + 8 * k7x::MaxItems);

    addItem(QStringLiteral("e.bin"), nullptr);
    const compile::Outcome over = run();
    EXPECT_EQ(over.message(), QStringLiteral("Too many Resource Items (>65535)"));
    EXPECT_EQ(over.failingItem, k7x::MaxItems);
}

TEST_F(CompileTest, WindowsBornProjectBuildsAsItsExactTwin)
{
    const char *exact[] = {"Const\\Beep.con", "Misc\\item00001.bin", "Graphic\\Logo.bin"};
    for (int k = 0; k < 3; ++k) {
        const QByteArray bytes = firmware(100 + k, k);
        addItem(QLatin1String(exact[k]), &bytes);
    }
    for (int k = 0; k < 100; ++k) {
        const QByteArray bytes = firmware(k, k);
        addItem(QStringLiteral("Misc\\i%1.bin").arg(k, 3, 10, QLatin1Char('0')), &bytes);
    }
    ASSERT_TRUE(run().ok());
    const QByteArray twin = contentsOf(output);

    items.clear();
    for (const char *written : {"CONST\\BEEP.CON", "misc\\ITEM00001.BIN ", "graphic.\\logo.BIN."})
        addItem(QLatin1String(written), nullptr);
    for (int k = 0; k < 100; ++k)
        addItem(QStringLiteral("MISC\\I%1.BIN").arg(k, 3, 10, QLatin1Char('0')), nullptr);
    original = path(QStringLiteral("ORIGINAL.K7X"));
    output = path(QStringLiteral("OUT.K7X"));
    put(path(QStringLiteral("out.k7x")), "OLD OUTPUT");
    int listed = 0;
    lister = [&listed](const QString &listedFolder) {
        ++listed;
        return pathresolve::listFolder(listedFolder);
    };
    const compile::Outcome outcome = run();
    ASSERT_TRUE(outcome.ok()) << outcome.message().toStdString();
    EXPECT_EQ(contentsOf(path(QStringLiteral("out.k7x"))), twin);
    EXPECT_FALSE(QFileInfo::exists(output)) << "the output in other letter case is out.k7x";
    // the scratch folder, Project, Const, Misc and Graphic: once each
    EXPECT_EQ(listed, 5);

    // the original and the output in other letter case are still one file
    output = path(QStringLiteral("Original.k7x"));
    EXPECT_EQ(run().message(), QStringLiteral("Original and Output files must be different"));
}

TEST_F(CompileTest, ReadAheadOrNotTheSameBytes)
{
    const int sizes[] = {100, 0, 50, 100};
    for (int k = 0; k < 4; ++k) {
        const QByteArray bytes = firmware(sizes[k], k + 1);
        addItem(QStringLiteral("i%1.bin").arg(k), &bytes);
    }
    // found by letter case, in either pass
    items.clear();
    for (const char *written : {"i0.bin", "I1.BIN", "i2.BIN", "I3.bin", "I0.Bin"})
        addItem(QLatin1String(written), nullptr);
    ASSERT_TRUE(run().ok());
    const QByteArray all = contentsOf(output);
    ASSERT_EQ(all.size(), 65536 + 26 + 8 * 5 + 350);
    EXPECT_EQ(all.mid(65536 + 24 + 40, 350),
              firmware(100, 1) + firmware(50, 3) + firmware(100, 4) + firmware(100, 1));
    // every boundary: none read ahead, the first item just fits or just not, all
    for (const qint64 bytes : {0, 1, 99, 100, 101, 150, 249, 250, 251, 350, 351}) {
        readAhead = bytes;
        QFile::remove(output);
        const compile::Outcome outcome = run();
        ASSERT_TRUE(outcome.ok()) << bytes << ": " << outcome.message().toStdString();
        EXPECT_EQ(contentsOf(output), all) << bytes;
    }

    // what was read ahead is not read again; what was not is read when written
    readAhead = 100;
    onProgress = [this](compile::Stage stage) {
        if (stage == compile::Stage::Constructing) {
            put(folder + QStringLiteral("i0.bin"), "changed");
            QFile::remove(folder + QStringLiteral("i2.bin"));
        }
    };
    const compile::Outcome outcome = run();
    EXPECT_EQ(outcome.message(),
              QStringLiteral("Resource Item file error ('...i2.BIN) OR Temporary "
                             "File error (data.tmp):  53: File not found"));
    EXPECT_EQ(outcome.failingItem, 2);
}

TEST_F(CompileTest, EveryKindOfItemGivesItsBytesOrAMessageNamingIt)
{
    using itemkinds::Kind;
    const auto context = [](const char *error) {
        return QStringLiteral("Resource Item file error ('...Misc/thing) OR Temporary File error "
                              "(data.tmp):  ") +
               QLatin1String(error);
    };
    const struct
    {
        Kind kind;
        const char *bytes; // the item's bytes, or nullptr: refused with message
        QString message;
    } cases[] = {
        {Kind::Regular, "FIFODATA", {}},
        {Kind::Empty, "", {}},
        {Kind::FifoWithWriter, "FIFODATA", {}},
        {Kind::FifoWithoutWriter, nullptr, context("68: Device unavailable")},
        {Kind::DevZero, nullptr,
         QStringLiteral("Resource Item file '...Misc/thing' is too big (>64K bytes)")},
        {Kind::DevNull, "", {}},
        {Kind::Folder, nullptr, context("75: Path/File access error")},
        {Kind::Socket, nullptr, context("75: Path/File access error")},
        {Kind::LinkLoop, nullptr, context("77: Too many levels of symbolic links")},
    };
    const QByteArray abc = "abc";
    addItem(QStringLiteral("Misc\\thing"), nullptr);
    addItem(QStringLiteral("Const\\abc.bin"), &abc);
    // read while measured, and measured first and read while written
    for (const qint64 ahead : {compile::DefaultReadAhead, qint64(0)}) {
        readAhead = ahead;
        for (const auto &c : cases) {
            SCOPED_TRACE(testing::Message() << int(c.kind) << " read-ahead " << ahead);
            QFile::remove(output);
            const auto start = std::chrono::steady_clock::now();
            compile::Outcome outcome;
            {
                const itemkinds::ItemOfKind item(c.kind, folder + QStringLiteral("Misc/thing"));
                outcome = run();
            }
            // no hang: the wait for a FIFO's writer is bounded
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
            if (!c.bytes) {
                EXPECT_EQ(outcome.message(), c.message);
                EXPECT_EQ(outcome.failingItem, 0);
                EXPECT_FALSE(QFileInfo::exists(output));
                continue;
            }
            ASSERT_TRUE(outcome.ok()) << outcome.message().toStdString();
            const QByteArray all = contentsOf(output);
            const QByteArray data = QByteArray(c.bytes) + "abc";
            EXPECT_EQ(all.size(), 65536 + 24 + 16 + data.size() + 2);
            const char *table = qstrlen(c.bytes) == 8 ? "00000000000800000000000800030000"
                                                      : "00000000000000000000000000030000";
            EXPECT_EQ(all.mid(65536 + 24, 16).toHex(), QByteArray(table));
            EXPECT_EQ(all.mid(65536 + 40, data.size()), data);
        }
    }
}

} // namespace
