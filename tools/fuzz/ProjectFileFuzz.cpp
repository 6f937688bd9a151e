// libFuzzer target for the project file parser; scripts/fuzz-project builds and
// runs it. The byte-level parser must agree with a slow reading of the same
// file: split into lines, decode, and take each field with GetField.
#include "platform/CodePage.h"
#include "project/ItemTable.h"
#include "project/ProjectFile.h"
#include "project/TextFields.h"

#include <QStringList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    ItemTable table;
    const projectfile::ParseResult result = projectfile::parse(bytes, table);

    QString text = codepage::decode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    qsizetype item = 0;
    bool rejected = false;
    for (const QString &line : text.split(QLatin1Char('\r'), Qt::SkipEmptyParts)) {
        const auto field = [&](int n) { return textfields::GetField(line, QLatin1Char('\t'), n); };
        if (field(3).isEmpty() || field(0).isEmpty() || field(1).isEmpty()) {
            rejected = true;
            break;
        }
        if (item >= table.count() || table.typeLetter(item) != field(3) ||
            table.fullName(item) != field(0) || table.fileName(item) != field(1) ||
            table.help(item) != field(2) || table.limits(item) != field(4))
            std::abort();
        ++item;
    }
    if (item != table.count())
        std::abort();
    if (rejected != (result.failure == projectfile::ParseResult::Failure::InvalidLine))
        std::abort();
    if (rejected && result.line != item)
        std::abort();
    if (!rejected && (item == 0) != (result.failure == projectfile::ParseResult::Failure::NoItems))
        std::abort();
    return 0;
}
