#include "editors/ConstantFile.h"

#include "platform/CodePage.h"
#include "project/TextFields.h"

namespace constantfile {

QString text(const QByteArray &bytes)
{
    return codepage::decode(bytes);
}

double value(QStringView text)
{
    return textfields::LeadingNumber(text);
}

QByteArray bytes(QStringView text)
{
    return codepage::encode(text);
}

} // namespace constantfile
