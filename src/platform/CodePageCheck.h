#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Whether a text can become bytes of the code page without loss: a character
// the page has no byte for would otherwise turn into '?'.
namespace codepage {

struct Unencodable
{
    qsizetype index; // where it starts in the text
    char32_t code;   // the whole character (both halves of a surrogate pair)
    QString shown() const { return QString::fromUcs4(&code, 1); }
};

// The first character of text that the page cannot hold, if any.
std::optional<Unencodable> firstUnencodable(QStringView text);

} // namespace codepage
