#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

// What a path in a project may name besides a regular file, for the tables
// that check every reader against each kind.
namespace itemkinds {

enum class Kind {
    Regular,           // holds "FIFODATA"
    Empty,             // a regular file of 0 bytes
    FifoWithWriter,    // a writer writes "FIFODATA" once a reader opens it
    FifoWithoutWriter, // no one ever writes
    DevZero,           // a link to /dev/zero: endless
    DevNull,           // a link to /dev/null: ends at once
    Folder,
    Socket,
    LinkLoop, // two links that lead to each other
};

struct Case
{
    Kind kind;
    const char *name;
};

inline constexpr Case AllKinds[] = {{Kind::Regular, "regular"},
                                    {Kind::Empty, "empty"},
                                    {Kind::FifoWithWriter, "FIFO with a writer"},
                                    {Kind::FifoWithoutWriter, "FIFO without a writer"},
                                    {Kind::DevZero, "/dev/zero"},
                                    {Kind::DevNull, "/dev/null"},
                                    {Kind::Folder, "folder"},
                                    {Kind::Socket, "socket"},
                                    {Kind::LinkLoop, "link loop"}};

// Makes path name a file of the kind, and takes it away again.
class ItemOfKind
{
public:
    ItemOfKind(Kind kind, const QString &path) : m_path(path)
    {
        QDir().mkpath(QFileInfo(path).path());
        const QByteArray encoded = QFile::encodeName(path);
        switch (kind) {
        case Kind::Regular:
        case Kind::Empty: {
            QFile file(path);
            if (file.open(QIODevice::WriteOnly) && kind == Kind::Regular)
                file.write("FIFODATA");
            break;
        }
        case Kind::FifoWithWriter:
            ::mkfifo(encoded.constData(), 0600);
            // Writes once a reader has opened the FIFO, and gives up after 5 s or
            // when the item is taken away.
            m_writer = std::thread([encoded, this] {
                const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
                while (!m_stop && std::chrono::steady_clock::now() < end) {
                    const int fd = ::open(encoded.constData(), O_WRONLY | O_NONBLOCK);
                    if (fd >= 0) {
                        ::fcntl(fd, F_SETFL, 0);
                        [[maybe_unused]] const ssize_t written = ::write(fd, "FIFODATA", 8);
                        ::close(fd);
                        return;
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                }
            });
            break;
        case Kind::FifoWithoutWriter:
            ::mkfifo(encoded.constData(), 0600);
            break;
        case Kind::DevZero:
            QFile::link(QStringLiteral("/dev/zero"), path);
            break;
        case Kind::DevNull:
            QFile::link(QStringLiteral("/dev/null"), path);
            break;
        case Kind::Folder:
            QDir().mkpath(path);
            break;
        case Kind::Socket: {
            m_socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            encoded.left(sizeof(address.sun_path) - 1)
                .toStdString()
                .copy(address.sun_path, sizeof(address.sun_path) - 1);
            // Unbound, no socket file appears, and the test that wanted one sees a plain
            // missing file.
            if (::bind(m_socket, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) !=
                0) {
                ::close(m_socket);
                m_socket = -1;
            }
            break;
        }
        case Kind::LinkLoop:
            QFile::link(path + QStringLiteral(".other"), path);
            QFile::link(path, path + QStringLiteral(".other"));
            break;
        }
    }
    ~ItemOfKind()
    {
        m_stop = true;
        if (m_writer.joinable())
            m_writer.join();
        if (m_socket >= 0)
            ::close(m_socket);
        const QByteArray encoded = QFile::encodeName(m_path);
        if (::rmdir(encoded.constData()) != 0)
            ::unlink(encoded.constData());
        ::unlink(QFile::encodeName(m_path + QStringLiteral(".other")).constData());
    }
    ItemOfKind(const ItemOfKind &) = delete;
    ItemOfKind &operator=(const ItemOfKind &) = delete;

private:
    QString m_path;
    std::atomic<bool> m_stop = false;
    std::thread m_writer;
    int m_socket = -1;
};

} // namespace itemkinds
