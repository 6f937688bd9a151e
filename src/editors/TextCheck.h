#pragma once

#include <QString>
#include <QStringView>

// Item files hold Windows-1252 text, one byte a character. Text with a
// character outside that page is refused rather than written with a '?' in
// its place.
namespace textcheck {

// The message refusing text for field ("Name field"), naming the first
// character the page cannot hold; the empty text when all of it fits.
QString refusal(const QString &field, QStringView text);

} // namespace textcheck
