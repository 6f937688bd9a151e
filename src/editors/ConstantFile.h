#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// A constant item file holds the value as the user typed it, one byte per
// character; its value is the number the text starts with.
namespace constantfile {

QString text(const QByteArray &bytes);
double value(QStringView text);
QByteArray bytes(QStringView text);

} // namespace constantfile
