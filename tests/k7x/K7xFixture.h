#pragma once

#include "k7x/CommandTable.h"
#include "support/QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <utility>

// k7x run as a library: an argument list in, the exit status and both streams
// out, standard input from a device of the test's choosing.
namespace k7xtest {

struct Outcome
{
    int exit = -1;
    QString out;
    QString err;
};

inline Outcome k7x(const QStringList &args, QIODevice *in = nullptr)
{
    Outcome outcome;
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    outcome.exit = k7xtool::run(args, {out, err, in});
    out.flush();
    err.flush();
    return outcome;
}

inline QByteArray bigEndian(quint32 value, int bytes)
{
    QByteArray b;
    for (int i = bytes - 1; i >= 0; --i)
        b.append(char((value >> (8 * i)) & 0xFF));
    return b;
}

// An extended firmware file made here byte by byte, independently of the
// tool's writer: image, header, jump table, data, checksum.
inline QByteArray firmware(const QList<QByteArray> &items, const QByteArray &label = "XXXXXXX",
                           char imageByte = '\x11')
{
    quint32 data = 0;
    for (const QByteArray &item : items)
        data += quint32(item.size());
    QByteArray area = bigEndian(26 + 8 * quint32(items.size()) + data, 4);
    area += QByteArray("\x01\x00", 2);
    area += char(label.size());
    area += label + QByteArray(15 - label.size(), '\0');
    area += bigEndian(quint32(items.size()), 2);
    quint32 offset = 0;
    for (const QByteArray &item : items) {
        area += bigEndian(offset, 4) + bigEndian(quint32(item.size()), 2) + QByteArray(2, '\0');
        offset += quint32(item.size());
    }
    for (const QByteArray &item : items)
        area += item;
    quint32 sum = 0;
    for (const char byte : std::as_const(area))
        sum += static_cast<unsigned char>(byte);
    area += bigEndian(0xFFFF - (sum & 0xFFFF), 2);
    return QByteArray(0x10000, imageByte) + area;
}

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (const int v : values)
        b.append(static_cast<char>(v));
    return b;
}

class Files : public ::testing::Test
{
protected:
    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }
    QString put(const QString &name, const QByteArray &content) const
    {
        QDir().mkpath(QFileInfo(path(name)).path());
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path(name);
    }
    static QByteArray contents(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // Every file under folder with its bytes, and every folder, sorted.
    static QStringList tree(const QString &folder)
    {
        QStringList listed;
        QDir root(folder);
        const QFileInfoList found = root.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                       QDir::System | QDir::Hidden);
        for (const QFileInfo &info : found) {
            if (info.isDir() && !info.isSymLink()) {
                listed << info.fileName() + QLatin1Char('/');
                for (const QString &inner : tree(info.filePath()))
                    listed << info.fileName() + QLatin1Char('/') + inner;
            } else {
                listed << info.fileName() + QLatin1Char('=') +
                              QString::fromLatin1(contents(info.filePath()).toHex());
            }
        }
        listed.sort();
        return listed;
    }
};

} // namespace k7xtest
