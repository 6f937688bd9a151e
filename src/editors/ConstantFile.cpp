#include "ConstantFile.h"

#include "CodePage.h"
#include "TextFields.h"

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
