#pragma once

#include "platform/automation/Status.h"

#include <QVariant>

// The argument and result types a member can declare, and the coercion of a
// caller's QVariant to them the way late binding does it.
namespace automation {

enum class VarType {
    Void,    // a method without result
    Bool,    // 32-bit boolean
    Int16,   // 16-bit signed
    Int32,   // 32-bit signed
    String,  // text
    Font,    // a QFont
    Picture, // a QImage (or a QPixmap, which the receiver converts)
};

// Coerces `value` to `type` into `*out`:
// - numbers into 16/32-bit: fractions round half to even; out of range is DISP_E_OVERFLOW;
// - booleans into numbers give -1 and 0; numbers into booleans: non-zero is true;
// - text into a number or boolean: only numeric text (or "True"/"False") converts,
//   anything else is DISP_E_TYPEMISMATCH;
// - an empty QVariant reads as 0, false or empty text;
// - fonts and pictures take only a font or an image (QImage, QPixmap).
Status coerce(const QVariant &value, VarType type, QVariant *out);

// The declared name of a type, as the type library writes it ("short", "BSTR", ...).
QString typeName(VarType type);
bool typeFromName(const QString &name, VarType *type);

} // namespace automation
