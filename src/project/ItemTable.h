#pragma once

#include "project/ItemType.h"

#include <QString>

#include <cstddef>
#include <vector>

// The items of the loaded project in file order, numbered from 0. Fields are
// kept as the project file's bytes and decoded when asked for, so a table of a
// million items stays small.
class ItemTable
{
public:
    struct Item
    {
        QString typeLetter; // field 3, as read: "G", "C", "I", "F" or any other
        QString fullName;   // field 0
        QString fileName;   // field 1, relative to the project folder
        QString help;       // field 2
        QString limits;     // field 4
    };

    qsizetype count() const;
    bool isEmpty() const { return count() == 0; }

    // " 0", " 1", ...: the blank-signed number text of the item number.
    QString numberText(qsizetype item) const;
    // Decided once, when the item was added; Other outside the table.
    ItemType type(qsizetype item) const;
    // Field 3 exactly as read, for the grid and anything written.
    QString typeLetter(qsizetype item) const;
    QString fullName(qsizetype item) const;
    QString fileName(qsizetype item) const;
    QString help(qsizetype item) const;
    QString limits(qsizetype item) const;
    Item at(qsizetype item) const;

    void clear();
    void append(const Item &item);
    // The loader's path: five fields as raw code-page bytes.
    void appendRaw(const char *type, qsizetype typeSize, const char *fullName,
                   qsizetype fullNameSize, const char *fileName, qsizetype fileNameSize,
                   const char *help, qsizetype helpSize, const char *limits, qsizetype limitsSize);
    void reserve(qsizetype items, qsizetype bytes);

private:
    // All fields of all items, back to back; each item records where its five
    // fields start, the sixth offset ends the last one.
    std::vector<char> m_bytes;
    std::vector<std::size_t> m_offsets; // 5 per item + 1 sentinel
    std::vector<ItemType> m_types;      // 1 per item
    QString field(qsizetype item, int which) const;
};
