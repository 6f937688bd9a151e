#include "editors/TextCheck.h"

#include "platform/CodePageCheck.h"

namespace textcheck {

QString refusal(const QString &field, QStringView text)
{
    const std::optional<codepage::Unencodable> bad = codepage::firstUnencodable(text);
    if (!bad)
        return {};
    return field + QStringLiteral(" cannot contain the character \"") + bad->shown() +
           QStringLiteral("\" (U+") +
           QString::number(static_cast<uint>(bad->code), 16).toUpper().rightJustified(4, u'0') +
           QStringLiteral("): only Windows-1252 characters can be saved");
}

} // namespace textcheck
