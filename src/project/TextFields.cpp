#include "project/TextFields.h"
#include "project/FieldSplit.h"

#include <QLocale>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace textfields {
QString GetField(QStringView text, QChar separator, int n)
{
    const auto [start, end] =
        fieldBounds(text.utf16(), text.size(), separator.unicode(), n < 0 ? 0 : n);
    if (start < 0)
        return {};
    return text.mid(start, end - start).toString();
}

int SetField(QString &text, const QString &newValue, QChar separator, int n)
{
    if (text.isEmpty())
        return -1;
    const auto [start, end] =
        fieldBounds(QStringView(text).utf16(), text.size(), separator.unicode(), n < 0 ? 0 : n);
    if (start < 0)
        return -1;
    QString result = text.left(start) + newValue;
    result += QStringView(text).mid(end);
    text = result;
    return 0;
}

double LeadingNumber(QStringView text)
{
    std::string compact;
    compact.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'))
            continue;
        if (c.unicode() > 0x7F)
            break; // nothing of a number lies beyond ASCII
        compact.push_back(static_cast<char>(c.unicode()));
    }

    if (compact.size() >= 2 && compact[0] == '&') {
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(compact[1])));
        const int base = kind == 'H' ? 16 : kind == 'O' ? 8 : 0;
        if (base != 0) {
            double value = 0;
            for (std::size_t i = 2; i < compact.size(); ++i) {
                const char c = compact[i];
                int digit = -1;
                if (c >= '0' && c <= '9')
                    digit = c - '0';
                else if (base == 16 && c >= 'a' && c <= 'f')
                    digit = c - 'a' + 10;
                else if (base == 16 && c >= 'A' && c <= 'F')
                    digit = c - 'A' + 10;
                if (digit < 0 || digit >= base)
                    break;
                value = value * base + digit;
            }
            return value;
        }
    }

    // sign, digits, point, digits, exponent: only as far as the shape fits
    std::size_t i = 0;
    const std::size_t size = compact.size();
    if (i < size && (compact[i] == '+' || compact[i] == '-'))
        ++i;
    const std::size_t digitsStart = i;
    while (i < size && std::isdigit(static_cast<unsigned char>(compact[i])))
        ++i;
    std::size_t mantissaDigits = i - digitsStart;
    if (i < size && compact[i] == '.') {
        std::size_t j = i + 1;
        while (j < size && std::isdigit(static_cast<unsigned char>(compact[j])))
            ++j;
        mantissaDigits += j - i - 1;
        i = j;
    }
    if (mantissaDigits == 0)
        return 0;
    if (i < size && (compact[i] == 'E' || compact[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < size && (compact[j] == '+' || compact[j] == '-'))
            ++j;
        const std::size_t expDigits = j;
        while (j < size && std::isdigit(static_cast<unsigned char>(compact[j])))
            ++j;
        if (j > expDigits)
            i = j;
    }
    const double value = std::strtod(compact.substr(0, i).c_str(), nullptr);
    return std::isfinite(value) ? value : 0;
}

QString BlankSignedNumber(long long value)
{
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value);
}

QString PlainNumber(long long value)
{
    return BlankSignedNumber(value).mid(1);
}

QString BlankSignedNumber(double value)
{
    if (value == 0)
        return QStringLiteral(" 0");
    // whole values print as integers, never in exponent form
    if (std::trunc(value) == value && std::fabs(value) < 1e15)
        return BlankSignedNumber(static_cast<long long>(value));
    const QString digits = QString::number(value, 'g', QLocale::FloatingPointShortest);
    return (value < 0 ? QString() : QStringLiteral(" ")) + digits;
}

QString PlainNumber(double value)
{
    return BlankSignedNumber(value).mid(1);
}

} // namespace textfields
