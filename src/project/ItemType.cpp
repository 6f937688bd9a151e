#include "project/ItemType.h"

ItemType itemTypeOf(QByteArrayView letter)
{
    if (letter.size() != 1)
        return ItemType::Other;
    switch (letter.front()) {
    case 'G':
        return ItemType::Graphic;
    case 'C':
        return ItemType::Constant;
    case 'I':
        return ItemType::InfoStringI;
    case 'F':
        return ItemType::InfoStringF;
    default:
        return ItemType::Other;
    }
}
