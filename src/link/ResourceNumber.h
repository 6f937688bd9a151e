#pragma once

#include <QStringView>

// The viewer's number box: what its text means as a resource number. Show,
// the arrows and leaving the box all read the text through this one function,
// so the number sent is the number the box shows.
namespace resourcenumber {

// A firmware holds at most 65535 items, numbered from 0.
constexpr int Highest = 65534;

// The number the text starts with, without its sign, rounded to the nearest
// whole number (halves away from zero) and at most Highest; 0 when the text
// starts with no number. Defined for every text.
int fromText(QStringView text);

} // namespace resourcenumber
