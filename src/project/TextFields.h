#pragma once

#include <QString>
#include <QStringView>

#include <type_traits>

// The one way separated texts are split and rewritten (project lines, info
// strings, selection lists, limits texts, dotted addresses), and numbers read
// from text and shown as text.
namespace textfields {

// Field n of text: a run of separators counts as one, except that separators at
// the very start end an empty field 0. A field that does not exist is empty.
QString GetField(QStringView text, QChar separator, int n);

// Replaces field n in place. Returns 0, or -1 (text unchanged) when text is
// empty or has no field n.
int SetField(QString &text, const QString &newValue, QChar separator, int n);

// The number a text starts with: blanks, tabs and line feeds anywhere are
// ignored; sign, digits, decimals and exponent as far as they fit; &H and &O
// prefixes; no number reads as 0.
double LeadingNumber(QStringView text);

// " 5", "-5", " 0".
QString BlankSignedNumber(long long value);
// "5", "5" (the sign is lost), "0".
QString PlainNumber(long long value);

// Fractional numbers in shortest form (" 1.5", "-0.25", " 12"); whole values
// print without a decimal point.
QString BlankSignedNumber(double value);
QString PlainNumber(double value);

// Every other whole type (int, qsizetype, ...) reads as a whole number rather
// than being ambiguous between the two above.
template <typename Int, std::enable_if_t<std::is_integral_v<Int>, int> = 0>
QString BlankSignedNumber(Int value)
{
    return BlankSignedNumber(static_cast<long long>(value));
}
template <typename Int, std::enable_if_t<std::is_integral_v<Int>, int> = 0>
QString PlainNumber(Int value)
{
    return PlainNumber(static_cast<long long>(value));
}

} // namespace textfields
