#include "k7x/FirmwareDiff.h"

#include <QIODevice>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// Seekable, but neither a file to map nor a buffer: items come a block at a time.
class Seekable : public QIODevice
{
public:
    explicit Seekable(QByteArray bytes) : m_bytes(std::move(bytes)) { open(ReadOnly); }
    qint64 size() const override { return m_bytes.size(); }

protected:
    qint64 readData(char *data, qint64 most) override
    {
        const qint64 n = std::min(most, m_bytes.size() - pos());
        std::memcpy(data, m_bytes.constData() + pos(), static_cast<std::size_t>(n));
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
};

TEST(ItemStream, AnItemThatEndsPastTheBlockIsReadAgain)
{
    // the block is 1 MiB from the first item; the second ends 5 bytes past it
    QByteArray data(0x100010, 'a');
    data.replace(0xFFFFB, 10, "0123456789");
    k7x::Contents contents;
    contents.dataSize = data.size();
    contents.entries = {{0, 4}, {0xFFFFB, 10}};
    Seekable device(data);
    firmwarediff::ItemStream stream(device, contents);
    EXPECT_EQ(stream.item(0), QByteArrayView("aaaa"));
    EXPECT_EQ(stream.item(1), QByteArrayView("0123456789"));
}

} // namespace
