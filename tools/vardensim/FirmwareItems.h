#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The resource items of an extended firmware file: the jump table after the
// 64 KiB image tells where each item's bytes lie in the data area.
class FirmwareItems
{
public:
    // Empty items and an error text when the file cannot be read or has no resource area.
    static FirmwareItems load(const QString &path, QString *error);

    qsizetype count() const { return static_cast<qsizetype>(m_items.size()); }
    std::optional<QByteArray> item(qsizetype k) const;
    // Faults found in the file that did not stop it from being read.
    QStringList warnings() const { return m_warnings; }

private:
    std::vector<QByteArray> m_items;
    QStringList m_warnings;
};
