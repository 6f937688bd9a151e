#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Text files hold one byte per character in the Windows-1252 code page. The five
// bytes the page leaves undefined map to the code points of the same value, so
// every byte survives a decode and an encode unchanged.
namespace codepage {

QChar toUnicode(unsigned char byte);
QString decode(QByteArrayView bytes);

// Characters outside the page become '?'.
char fromUnicode(QChar ch);
QByteArray encode(QStringView text);

} // namespace codepage
