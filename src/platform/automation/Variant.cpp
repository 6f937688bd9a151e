#include "platform/automation/Variant.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace automation {
namespace {

// Integers and fractions a caller can hand in; text and booleans are treated apart.
bool isIntegral(int typeId)
{
    switch (typeId) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool isFractional(int typeId)
{
    return typeId == QMetaType::Double || typeId == QMetaType::Float;
}

double roundHalfToEven(double x)
{
    const double rounded = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5)
        return 2.0 * std::round(x / 2.0);
    return rounded;
}

// Any value that can become a number: the integer it rounds to (as a wide double so
// that the range check sees the true value), or a failure.
Status toWholeNumber(const QVariant &value, double *out)
{
    const int typeId = value.typeId();
    if (!value.isValid()) {
        *out = 0;
        return S_OK;
    }
    if (typeId == QMetaType::Bool) {
        *out = value.toBool() ? -1 : 0;
        return S_OK;
    }
    if (typeId == QMetaType::ULongLong) {
        *out = static_cast<double>(value.toULongLong());
        return S_OK;
    }
    if (isIntegral(typeId)) {
        *out = static_cast<double>(value.toLongLong());
        return S_OK;
    }
    double fraction = 0;
    if (isFractional(typeId)) {
        fraction = value.toDouble();
    } else if (typeId == QMetaType::QString) {
        bool ok = false;
        fraction = QLocale::c().toDouble(value.toString().trimmed(), &ok);
        if (!ok)
            return DISP_E_TYPEMISMATCH;
    } else {
        return DISP_E_TYPEMISMATCH;
    }
    if (!std::isfinite(fraction))
        return DISP_E_OVERFLOW;
    *out = roundHalfToEven(fraction);
    return S_OK;
}

template <typename Int> Status toInteger(const QVariant &value, QVariant *out)
{
    double whole = 0;
    const Status status = toWholeNumber(value, &whole);
    if (failed(status))
        return status;
    if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max())
        return DISP_E_OVERFLOW;
    *out = QVariant::fromValue(static_cast<Int>(whole));
    return S_OK;
}

Status toBool(const QVariant &value, QVariant *out)
{
    const int typeId = value.typeId();
    if (!value.isValid() || typeId == QMetaType::Bool) {
        *out = QVariant(value.toBool());
        return S_OK;
    }
    if (isIntegral(typeId) || isFractional(typeId)) {
        *out = QVariant(value.toDouble() != 0.0);
        return S_OK;
    }
    if (typeId == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
            *out = QVariant(true);
            return S_OK;
        }
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
            *out = QVariant(false);
            return S_OK;
        }
        bool ok = false;
        const double number = QLocale::c().toDouble(text, &ok);
        if (!ok)
            return DISP_E_TYPEMISMATCH;
        *out = QVariant(number != 0.0);
        return S_OK;
    }
    return DISP_E_TYPEMISMATCH;
}

Status toText(const QVariant &value, QVariant *out)
{
    const int typeId = value.typeId();
    if (!value.isValid()) {
        *out = QVariant(QString());
    } else if (typeId == QMetaType::QString) {
        *out = value;
    } else if (typeId == QMetaType::Bool) {
        *out = QVariant(value.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
    } else if (isIntegral(typeId)) {
        *out = QVariant(value.toString());
    } else if (isFractional(typeId)) {
        *out = QVariant(QString::number(value.toDouble(), 'g', 15));
    } else {
        return DISP_E_TYPEMISMATCH;
    }
    return S_OK;
}

Status passThrough(const QVariant &value, std::initializer_list<int> accepted, QVariant *out)
{
    for (const int typeId : accepted) {
        if (value.typeId() == typeId) {
            *out = value;
            return S_OK;
        }
    }
    return DISP_E_TYPEMISMATCH;
}

struct TypeNameEntry
{
    VarType type;
    const char *name;
};

constexpr TypeNameEntry typeNames[] = {
    {VarType::Void, "void"},
    {VarType::Bool, "BOOL"},
    {VarType::Int16, "short"},
    {VarType::Int32, "long"},
    {VarType::String, "BSTR"},
    {VarType::Font, "IFontDisp*"},
    {VarType::Picture, "IPictureDisp*"},
};

} // namespace

Status coerce(const QVariant &value, VarType type, QVariant *out)
{
    switch (type) {
    case VarType::Void:
        *out = QVariant();
        return S_OK;
    case VarType::Bool:
        return toBool(value, out);
    case VarType::Int16:
        return toInteger<qint16>(value, out);
    case VarType::Int32:
        return toInteger<qint32>(value, out);
    case VarType::String:
        return toText(value, out);
    case VarType::Font:
        return passThrough(value, {QMetaType::QFont}, out);
    case VarType::Picture:
        return passThrough(value, {QMetaType::QImage, QMetaType::QPixmap}, out);
    }
    return DISP_E_TYPEMISMATCH;
}

QString typeName(VarType type)
{
    for (const TypeNameEntry &entry : typeNames) {
        if (entry.type == type)
            return QLatin1String(entry.name);
    }
    return {};
}

bool typeFromName(const QString &name, VarType *type)
{
    for (const TypeNameEntry &entry : typeNames) {
        if (name == QLatin1String(entry.name)) {
            *type = entry.type;
            return true;
        }
    }
    return false;
}

} // namespace automation
