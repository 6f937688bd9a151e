#include "platform/CodePageCheck.h"

#include "platform/CodePage.h"

namespace codepage {

std::optional<Unencodable> firstUnencodable(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (fromUnicode(ch) != '?' || ch == QLatin1Char('?'))
            continue;
        char32_t code = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(ch, text[i + 1]);
        return Unencodable{i, code};
    }
    return std::nullopt;
}

} // namespace codepage
