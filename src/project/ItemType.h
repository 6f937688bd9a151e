#pragma once

#include <QByteArrayView>

// What an item is, decided by its type letter when the project is loaded. The
// letter is compared exactly: "g" or "GG" is Other, listed and compiled but never
// edited. The table keeps the letter as read for the grid and every file.
enum class ItemType {
    Graphic,     // "G"
    Constant,    // "C"
    InfoStringI, // "I": name in field 5
    InfoStringF, // "F": name in field 2
    Other,
};

// The type of a letter given as its code-page bytes.
ItemType itemTypeOf(QByteArrayView letter);

inline bool isInfoString(ItemType type)
{
    return type == ItemType::InfoStringI || type == ItemType::InfoStringF;
}
