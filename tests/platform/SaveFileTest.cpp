#include "platform/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <functional>
#include <iostream>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

struct stat statOf(const QString &path)
{
    struct stat info
    {
    };
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return info;
}

bool isRoot()
{
    return ::geteuid() == 0;
}

// Writes the bytes as one save: begin, write in two pieces, commit.
std::pair<PlatformError, SaveFile::Method> save(const QString &path, const QByteArray &bytes)
{
    SaveFile file(path);
    if (const PlatformError error = file.begin(); error.isError())
        return {error, file.method()};
    const qsizetype half = bytes.size() / 2;
    if (file.write(bytes.left(half)) != half || file.write(bytes.mid(half)) != bytes.size() - half)
        return {file.writeFailure(errno), file.method()};
    return {file.commit(bytes.size()), file.method()};
}

// A temporary folder and what it holds.
struct Scratch
{
    QString path(const QString &name) const { return dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir;
};

class SaveFileTest : public ::testing::Test, public Scratch
{
};

using Method = SaveFile::Method;

// Each kind of target: how it is made, what the save must report, and what
// must hold afterwards. "new" is the bytes saved.
TEST_F(SaveFileTest, EveryKindOfTargetGetsTheBytesWhereTheUserMeant)
{
    const QByteArray fresh = "new contents";
    struct Case
    {
        const char *name;
        std::function<QString(Scratch &)> make; // empty: skip this kind here
        int error;
        Method method;
        std::function<void(Scratch &, const QString &)> check;
    };
    const Case cases[] = {
        {"new file", [](Scratch &t) { return t.path(u"new.bin"_s); }, 0, Method::Replace,
         [&](Scratch &t, const QString &target) {
             EXPECT_EQ(contentsOf(target), fresh);
             EXPECT_EQ(t.entries(), QStringList{u"new.bin"_s});
         }},
        {"regular file",
         [](Scratch &t) {
             put(t.path(u"old.bin"_s), "a much longer old content");
             return t.path(u"old.bin"_s);
         },
         0, Method::Replace,
         [&](Scratch &t, const QString &target) {
             EXPECT_EQ(contentsOf(target), fresh);
             EXPECT_EQ(t.entries(), QStringList{u"old.bin"_s}); // no temporary file left
         }},
        {"symbolic link",
         [](Scratch &t) {
             put(t.path(u"real.bin"_s), "old");
             QFile::link(u"real.bin"_s, t.path(u"link.bin"_s));
             return t.path(u"link.bin"_s);
         },
         0, Method::Replace,
         [&](Scratch &t, const QString &target) {
             EXPECT_TRUE(S_ISLNK(statOf(target).st_mode));
             EXPECT_EQ(contentsOf(t.path(u"real.bin"_s)), fresh);
         }},
        {"hard link",
         [](Scratch &t) {
             put(t.path(u"fw.k7x"_s), "the old firmware, longer than the new");
             ::link(QFile::encodeName(t.path(u"fw.k7x"_s)).constData(),
                    QFile::encodeName(t.path(u"tftp_fw.k7x"_s)).constData());
             return t.path(u"fw.k7x"_s);
         },
         0, Method::InPlace,
         [&](Scratch &t, const QString &target) {
             EXPECT_EQ(contentsOf(target), fresh);
             EXPECT_EQ(contentsOf(t.path(u"tftp_fw.k7x"_s)), fresh);
             EXPECT_EQ(statOf(target).st_ino, statOf(t.path(u"tftp_fw.k7x"_s)).st_ino);
             EXPECT_EQ(statOf(target).st_nlink, 2u);
         }},
        {"character device",
         [](Scratch &t) {
             QString target = t.path(u"null"_s);
             if (::mknod(QFile::encodeName(target).constData(), S_IFCHR | 0666, makedev(1, 3)))
                 return QString();
             return target;
         },
         0, Method::Straight,
         [&](Scratch &t, const QString &target) {
             EXPECT_TRUE(S_ISCHR(statOf(target).st_mode));
             EXPECT_EQ(t.entries(), QStringList{u"null"_s});
         }},
        {"socket",
         [](Scratch &t) {
             QString target = t.path(u"sock"_s);
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             const QByteArray native = QFile::encodeName(target);
             if (native.size() >= qsizetype(sizeof address.sun_path))
                 return QString();
             std::copy(native.begin(), native.end(), address.sun_path);
             EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
             ::close(fd);
             return target;
         },
         75, Method::Replace,
         [&](Scratch &, const QString &target) { EXPECT_TRUE(S_ISSOCK(statOf(target).st_mode)); }},
        {"folder", [](Scratch &t) { return t.path(QString()); }, 75, Method::Replace,
         [&](Scratch &t, const QString &) { EXPECT_TRUE(t.entries().isEmpty()); }},
        {"missing folder", [](Scratch &t) { return t.path(u"no/item.bin"_s); }, 76, Method::Replace,
         [&](Scratch &t, const QString &) { EXPECT_TRUE(t.entries().isEmpty()); }},
        {"full device", [](Scratch &) { return u"/dev/full"_s; }, 61, Method::Straight,
         [&](Scratch &, const QString &target) { EXPECT_TRUE(S_ISCHR(statOf(target).st_mode)); }},
    };
    for (const Case &c : cases) {
        Scratch t;
        const QString target = c.make(t);
        if (target.isEmpty()) {
            std::cout << "[ SKIPPED  ] " << c.name << ": cannot be made here\n";
            continue;
        }
        const auto [error, method] = save(target, fresh);
        EXPECT_EQ(error.number, c.error) << c.name;
        if (!error.isError() || c.method == Method::Straight) {
            EXPECT_EQ(method, c.method) << c.name;
        }
        c.check(t, target);
    }
}

// Whatever way a file is written, it keeps its mode bits, the set-id bits
// among them, and (where the process may give them) its owner and group; a
// new file gets what the umask leaves of 0666.
TEST_F(SaveFileTest, ModeAndOwnerSurviveEverySave)
{
    const struct
    {
        const char *name;
        mode_t mode;
        bool hardLink; // a second name makes the save rewrite in place
        Method method;
    } cases[] = {
        {"private", 0600, false, Method::Replace},
        {"group-readable", 0640, false, Method::Replace},
        {"other-only", 0604, false, Method::Replace},
        {"set-user-id", 04750, false, Method::Replace},
        {"set-group-id", 02750, false, Method::Replace},
        {"private, linked", 0600, true, Method::InPlace},
        {"set-user-id, linked", 04711, true, Method::InPlace},
    };
    for (const auto &c : cases) {
        Scratch t;
        const QString target = t.path(u"item.bin"_s);
        put(target, "old");
        const QByteArray native = QFile::encodeName(target);
        if (c.hardLink) {
            ASSERT_EQ(::link(native.constData(), QFile::encodeName(t.path(u"b"_s)).constData()), 0);
        }
        if (isRoot()) {
            ASSERT_EQ(::chown(native.constData(), 65534, 65534), 0);
        }
        ASSERT_EQ(::chmod(native.constData(), c.mode), 0);
        const auto [error, method] = save(target, "new");
        EXPECT_EQ(error.number, 0) << c.name;
        EXPECT_EQ(method, c.method) << c.name;
        const struct stat info = statOf(target);
        EXPECT_EQ(info.st_mode & 07777, c.mode) << c.name;
        if (isRoot()) {
            EXPECT_EQ(info.st_uid, 65534u) << c.name;
            EXPECT_EQ(info.st_gid, 65534u) << c.name;
        }
        EXPECT_EQ(contentsOf(target), QByteArray("new")) << c.name;
    }

    for (const auto &[mask, mode] :
         {std::pair<mode_t, mode_t>{022, 0644}, {077, 0600}, {0, 0666}}) {
        Scratch t;
        const mode_t old = ::umask(mask);
        const auto [error, method] = save(t.path(u"new.bin"_s), "new");
        ::umask(old);
        EXPECT_EQ(error.number, 0);
        EXPECT_EQ(statOf(t.path(u"new.bin"_s)).st_mode & 07777, mode) << mask;
        EXPECT_EQ(statOf(t.path(u"new.bin"_s)).st_uid, ::geteuid());
    }
}

// Every checked call of every way of writing, made to fail in a child: the
// failure is reported with its own number, never as success, and what the
// target holds afterwards is what that way promises.
TEST_F(SaveFileTest, EveryFailingCallIsReported)
{
    const QByteArray longOld = "old contents, longer";
    const struct
    {
        // "replace", "owned" (replaced, of another owner), "shrink", "one longer" or
        // "grow" (in place), or a device
        const char *target;
        const char *call;
        int osError;
        const char *printed;
        QByteArray after;
        int times = -1;
    } cases[] = {
        {"replace", "write", EIO, "57 Replace", "old contents, longer"},
        {"replace", "fdatasync", EIO, "57 Replace", "old contents, longer"},
        {"replace", "fdatasync", ENOSPC, "61 Replace", "old contents, longer"},
        {"replace", "fdatasync", EINVAL, "0 Replace", "new"},
        {"replace", "rename", EIO, "57 Replace", "old contents, longer"},
        {"replace", "rename", EACCES, "70 Replace", "old contents, longer"},
        {"shrink", "pwrite", EIO, "57 InPlace", "old contents, longer"},
        {"shrink", "pwrite", ENOSPC, "61 InPlace", "old contents, longer"},
        {"shrink", "ftruncate", EIO, "57 InPlace", "new contents, longer"},
        {"shrink", "fdatasync", EIO, "57 InPlace", "new"},
        {"shrink", "fdatasync", ENOSPC, "61 InPlace", "new"},
        {"shrink", "fdatasync", EDQUOT, "61 InPlace", "new"},
        // file systems that cannot sync say so; the bytes are written all the same
        {"shrink", "fdatasync", EINVAL, "0 InPlace", "new"},
        {"shrink", "fdatasync", EROFS, "0 InPlace", "new"},
        {"shrink", "close", EIO, "57 InPlace", "new"},
        {"grow", "posix_fallocate", ENOSPC, "61 InPlace", "ol"},
        {"grow", "posix_fallocate", EDQUOT, "61 InPlace", "ol"},
        // a file system without preallocation still takes the bytes
        {"grow", "posix_fallocate", EOPNOTSUPP, "0 InPlace", "new"},
        // an interrupted write goes on where it stopped
        {"shrink", "pwrite", EINTR, "0 InPlace", "new", 1},
        {"one longer", "", 0, "0 InPlace", "new"},
        // an owner the process may not give leaves the group carried over all the same
        {"owned", "fchown", EPERM, "0 Replace", "new"},
        {"/dev/null", "write", EIO, "57 Straight", {}},
        {"/dev/null", "write", ENOSPC, "61 Straight", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.target) + " " + c.call + " " + std::to_string(c.osError));
        Scratch t;
        QString target = QString::fromLatin1(c.target);
        QStringList names;
        const bool owned = qstrcmp(c.target, "owned") == 0;
        if (owned && !isRoot())
            continue;
        if (!target.startsWith(u'/')) {
            names = {u"item.bin"_s};
            target = t.path(names[0]);
            put(target, qstrcmp(c.target, "grow") == 0         ? QByteArray("ol")
                        : qstrcmp(c.target, "one longer") == 0 ? QByteArray("new!")
                                                               : longOld);
            if (owned) {
                ASSERT_EQ(::chown(QFile::encodeName(target).constData(), 65534, 65534), 0);
            } else if (qstrcmp(c.target, "replace") != 0) {
                names << u"link.bin"_s;
                ASSERT_EQ(::link(QFile::encodeName(target).constData(),
                                 QFile::encodeName(t.path(names[1])).constData()),
                          0);
            }
        }
        QProcess child;
        child.start(QStringLiteral(FENDREL_SAVE_HELPER),
                    {target, u"new"_s, QString::fromLatin1(c.call), QString::number(c.osError),
                     QString::number(c.times)});
        ASSERT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(child.readAllStandardOutput().trimmed(), QByteArray(c.printed))
            << child.readAllStandardError().toStdString();
        if (owned) {
            EXPECT_EQ(statOf(target).st_uid, 0u);
            EXPECT_EQ(statOf(target).st_gid, 65534u);
        }
        if (!names.isEmpty()) {
            EXPECT_EQ(contentsOf(target), c.after);
            names.sort();
            EXPECT_EQ(t.entries(), names); // no temporary file left behind
        }
    }
}

// A name of an open descriptor is written through the descriptor itself, so
// a socket, which no path opens, takes the bytes too; a closed one is refused
// before anything is written.
TEST_F(SaveFileTest, DescriptorNamesWriteThroughTheDescriptor)
{
    int ends[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
    const int input = ::dup(STDIN_FILENO);
    ASSERT_EQ(::dup2(ends[0], STDIN_FILENO), STDIN_FILENO);
    const QString own = QString::number(ends[0]);
    for (const QString &name : {u"/dev/fd/0"_s, "/dev/fd/"_L1 + own, "/proc/self/fd/"_L1 + own}) {
        SaveFile file(name);
        EXPECT_EQ(file.begin().number, 0) << name.toStdString();
        EXPECT_EQ(file.write("abc"), 3);
        EXPECT_EQ(file.commit(3).number, 0);
        char got[4] = {};
        EXPECT_EQ(::recv(ends[1], got, 3, MSG_DONTWAIT), 3) << name.toStdString();
        EXPECT_STREQ(got, "abc");
    }
    ::dup2(input, STDIN_FILENO);
    ::close(input);
    ::close(ends[0]);
    ::close(ends[1]);

    SaveFile closed(u"/dev/fd/999"_s);
    EXPECT_EQ(closed.begin().number, 57);
}

// A reader of a FIFO gets exactly the bytes, and the FIFO stays one.
TEST_F(SaveFileTest, FifoReaderGetsExactlyTheBytes)
{
    const QString fifo = path(u"pipe"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // More than a pipe holds, so the writer has to wait for the reader.
    QByteArray bytes(200000, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7 % 251);
    QByteArray got;
    std::thread reader([&] {
        QFile in(fifo);
        if (in.open(QIODevice::ReadOnly))
            got = in.readAll();
    });
    const PlatformError error = savefile::save(fifo, bytes);
    reader.join();
    EXPECT_EQ(error.number, 0);
    EXPECT_EQ(got, bytes);
    EXPECT_TRUE(S_ISFIFO(statOf(fifo).st_mode));
    EXPECT_EQ(entries(), QStringList{u"pipe"_s});
}

// A reader that goes away is a failure of the write, never a signal that
// ends the program.
TEST_F(SaveFileTest, FifoWithoutReaderFailsTheWrite)
{
    const QString fifo = path(u"pipe"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    std::thread reader([&] {
        QFile in(fifo);
        if (in.open(QIODevice::ReadOnly))
            in.read(1);
    });
    const PlatformError error = savefile::save(fifo, QByteArray(1 << 20, 'p'));
    reader.join();
    EXPECT_EQ(error.number, 57);
}

// A file size limit makes writes past it fail as a full disk would; QSaveFile
// alone would commit the shortened file. The rewrite in place takes its room
// before it overwrites a byte, so there too the old file stays as it was.
TEST_F(SaveFileTest, FullDiskKeepsTheOldFile)
{
    const QString target = path(u"item.bin"_s);
    put(target, "old");
    const QString second = path(u"second.bin"_s);
    put(second, "old");
    ::link(QFile::encodeName(second).constData(),
           QFile::encodeName(path(u"other.bin"_s)).constData());
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = 1000;
    // Buffered (small) and direct (large) writes take different paths in the device.
    for (const QString &name : {target, second}) {
        for (const qsizetype size : {5000, 100000}) {
            ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
            const auto [error, method] = save(name, QByteArray(size, 'x'));
            setrlimit(RLIMIT_FSIZE, &old);
            EXPECT_EQ(method, name == target ? Method::Replace : Method::InPlace);
            EXPECT_EQ(error.number, 61) << size;
            EXPECT_EQ(contentsOf(name), QByteArray("old")) << size;
        }
    }
    EXPECT_EQ(entries(), (QStringList{u"item.bin"_s, u"other.bin"_s, u"second.bin"_s}));
}

// An unfinished save changes nothing: no bytes in place, no file left behind.
TEST_F(SaveFileTest, CancelledSaveLeavesTheTargetAsItWas)
{
    put(path(u"one.bin"_s), "old");
    put(path(u"two.bin"_s), "old");
    ::link(QFile::encodeName(path(u"two.bin"_s)).constData(),
           QFile::encodeName(path(u"three.bin"_s)).constData());
    for (const QString &name : {u"one.bin"_s, u"two.bin"_s, u"new.bin"_s}) {
        SaveFile file(path(name));
        ASSERT_FALSE(file.begin().isError());
        EXPECT_EQ(file.write("new"), 3);
        if (name == u"new.bin"_s) {
            EXPECT_EQ(file.commit(4).number, 61) << name.toStdString(); // one byte short
        }
    }
    EXPECT_EQ(contentsOf(path(u"one.bin"_s)), QByteArray("old"));
    EXPECT_EQ(contentsOf(path(u"two.bin"_s)), QByteArray("old"));
    EXPECT_EQ(entries(), (QStringList{u"one.bin"_s, u"three.bin"_s, u"two.bin"_s}));
}

// Root writes anywhere, so the refusals are tried by a child that drops to an
// unprivileged user: a writable file in a folder that takes no new files is
// rewritten in place; a file that is not writable is refused as before.
TEST_F(SaveFileTest, UnprivilegedWriterRewritesInPlaceWhereTheFolderRefuses)
{
    if (!isRoot())
        GTEST_SKIP() << "needs root to make files for another user";
    if (QStandardPaths::findExecutable(u"setpriv"_s).isEmpty())
        GTEST_SKIP() << "setpriv is not installed";
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    const struct
    {
        const char *name;
        mode_t folder;
        mode_t file;
        const char *printed;
        QByteArray after;
    } cases[] = {
        {"writable file, read-only folder", 0555, 0666, "0 InPlace", "new"},
        {"read-only file, read-only folder", 0555, 0444, "70 Replace", "old"},
        {"read-only file, writable folder", 0777, 0444, "70 Replace", "old"},
        {"writable file, writable folder", 0777, 0666, "0 Replace", "new"},
    };
    for (const auto &c : cases) {
        const QString folder = path(QString::fromLatin1(c.name).replace(u' ', u'_'));
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString target = folder + u"/item.con"_s;
        put(target, "old");
        ::chmod(QFile::encodeName(target).constData(), c.file);
        ::chmod(QFile::encodeName(folder).constData(), c.folder);
        QProcess child;
        child.start(u"setpriv"_s, {u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s,
                                   QStringLiteral(FENDREL_SAVE_HELPER), target, u"new"_s});
        ASSERT_TRUE(child.waitForFinished(60000)) << c.name;
        EXPECT_EQ(child.readAllStandardOutput().trimmed(), QByteArray(c.printed))
            << c.name << ": " << child.readAllStandardError().toStdString();
        EXPECT_EQ(contentsOf(target), c.after) << c.name;
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{u"item.con"_s}) << c.name;
        ::chmod(QFile::encodeName(folder).constData(), 0755);
    }
}

} // namespace
