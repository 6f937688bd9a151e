// libFuzzer target for the item file parsers; scripts/fuzz-editors builds and
// runs it.
#include "editors/GraphicCodec.h"
#include "editors/InfoString.h"
#include "editors/ItemLimits.h"
#include "platform/CodePage.h"
#include "project/TextFields.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString text = codepage::decode(bytes);

    // Every byte survives the code page both ways.
    if (codepage::encode(text) != bytes)
        std::abort();

    (void)itemlimits::parseGraphic(text);
    (void)itemlimits::parseConstant(text);
    // The trailing comma of the file's text reads as one more byte.
    if (!bytes.isEmpty() &&
        graphiccodec::dotTextToBytes(graphiccodec::bytesToDotText(bytes)).chopped(1) != bytes)
        std::abort();
    (void)graphiccodec::dotTextToBytes(text);

    // An unchanged load and save keeps every field it does not edit, and the
    // whole content when the selection list is already in its written form.
    for (const ItemType type : {ItemType::InfoStringI, ItemType::InfoStringF}) {
        QString content = text;
        const infostring::Fields fields = infostring::fields(content, type);
        if (!fields.usable())
            continue;
        const QStringList selections = infostring::selectionTexts(fields.selectionList);
        if (infostring::applyEdit(content, type, fields.name, fields.info, selections) ==
            infostring::EditResult::InternalError)
            std::abort();
        const int base = infostring::fieldBase(type);
        for (int n = 0; n < base + 6; ++n) {
            if ((n < base || n > base + 2) && textfields::GetField(content, QLatin1Char('\t'), n) !=
                                                  textfields::GetField(text, QLatin1Char('\t'), n))
                std::abort();
        }
        if ((selections.isEmpty() ||
             infostring::selectionList(selections) == fields.selectionList) &&
            content != text)
            std::abort();
    }
    return 0;
}
