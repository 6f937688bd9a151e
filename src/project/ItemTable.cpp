#include "project/ItemTable.h"

#include "platform/CodePage.h"
#include "project/TextFields.h"

#include <QByteArray>

namespace {
// Order of the fields inside an item's stretch of the arena.
enum Field { Type, FullName, FileName, Help, Limits, FieldCount };
} // namespace

qsizetype ItemTable::count() const
{
    return m_offsets.empty() ? 0 : static_cast<qsizetype>(m_offsets.size() / FieldCount);
}

QString ItemTable::field(qsizetype item, int which) const
{
    if (item < 0 || item >= count())
        return {};
    const std::size_t at = static_cast<std::size_t>(item) * FieldCount + which;
    const std::size_t begin = m_offsets[at];
    const std::size_t end = m_offsets[at + 1];
    return codepage::decode(
        QByteArrayView(m_bytes.data() + begin, static_cast<qsizetype>(end - begin)));
}

QString ItemTable::numberText(qsizetype item) const
{
    return textfields::BlankSignedNumber(static_cast<long long>(item));
}

ItemType ItemTable::type(qsizetype item) const
{
    return item >= 0 && item < count() ? m_types[static_cast<std::size_t>(item)] : ItemType::Other;
}

QString ItemTable::typeLetter(qsizetype item) const
{
    return field(item, Type);
}

QString ItemTable::fullName(qsizetype item) const
{
    return field(item, FullName);
}

QString ItemTable::fileName(qsizetype item) const
{
    return field(item, FileName);
}

QString ItemTable::help(qsizetype item) const
{
    return field(item, Help);
}

QString ItemTable::limits(qsizetype item) const
{
    return field(item, Limits);
}

ItemTable::Item ItemTable::at(qsizetype item) const
{
    return {typeLetter(item), fullName(item), fileName(item), help(item), limits(item)};
}

void ItemTable::clear()
{
    // Give the memory back: a project of a million items should not pin it.
    std::vector<char>().swap(m_bytes);
    std::vector<std::size_t>().swap(m_offsets);
    std::vector<ItemType>().swap(m_types);
}

void ItemTable::append(const Item &item)
{
    const QByteArray type = codepage::encode(item.typeLetter);
    const QByteArray fullName = codepage::encode(item.fullName);
    const QByteArray fileName = codepage::encode(item.fileName);
    const QByteArray help = codepage::encode(item.help);
    const QByteArray limits = codepage::encode(item.limits);
    appendRaw(type.constData(), type.size(), fullName.constData(), fullName.size(),
              fileName.constData(), fileName.size(), help.constData(), help.size(),
              limits.constData(), limits.size());
}

void ItemTable::appendRaw(const char *type, qsizetype typeSize, const char *fullName,
                          qsizetype fullNameSize, const char *fileName, qsizetype fileNameSize,
                          const char *help, qsizetype helpSize, const char *limits,
                          qsizetype limitsSize)
{
    // The sentinel of the previous item is this item's first offset.
    if (m_offsets.empty())
        m_offsets.push_back(0);
    const auto add = [this](const char *data, qsizetype size) {
        m_bytes.insert(m_bytes.end(), data, data + size);
        m_offsets.push_back(m_bytes.size());
    };
    m_types.push_back(itemTypeOf(QByteArrayView(type, typeSize)));
    add(type, typeSize);
    add(fullName, fullNameSize);
    add(fileName, fileNameSize);
    add(help, helpSize);
    add(limits, limitsSize);
}

void ItemTable::reserve(qsizetype items, qsizetype bytes)
{
    m_offsets.reserve(static_cast<std::size_t>(items) * FieldCount + 1);
    m_types.reserve(static_cast<std::size_t>(items));
    m_bytes.reserve(static_cast<std::size_t>(bytes));
}
