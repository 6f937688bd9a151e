#pragma once

#include <QString>
#include <cstdint>

// Status codes of the component model, with the values its callers know them by.
// Zero is success; failures have the top bit set.
namespace automation {

using Status = std::int32_t;

constexpr Status statusCode(std::uint32_t value)
{
    return static_cast<Status>(value);
}

constexpr Status S_OK = 0;
constexpr Status S_FALSE = 1;
constexpr Status E_NOTIMPL = statusCode(0x80004001);
constexpr Status E_UNEXPECTED = statusCode(0x8000FFFF);
constexpr Status E_POINTER = statusCode(0x80004003);
constexpr Status E_FAIL = statusCode(0x80004005);
constexpr Status E_INVALIDARG = statusCode(0x80070057);
constexpr Status E_ACCESSDENIED = statusCode(0x80070005);
constexpr Status DISP_E_MEMBERNOTFOUND = statusCode(0x80020003);
constexpr Status DISP_E_TYPEMISMATCH = statusCode(0x80020005);
constexpr Status DISP_E_UNKNOWNNAME = statusCode(0x80020006);
constexpr Status DISP_E_OVERFLOW = statusCode(0x8002000A);
constexpr Status DISP_E_BADPARAMCOUNT = statusCode(0x8002000E);
constexpr Status CLASS_E_CLASSNOTAVAILABLE = statusCode(0x80040111);
constexpr Status REGDB_E_CLASSNOTREG = statusCode(0x80040154);
constexpr Status SELFREG_E_TYPELIB = statusCode(0x80040200);
constexpr Status SELFREG_E_CLASS = statusCode(0x80040201);
constexpr Status CO_E_CLASSSTRING = statusCode(0x800401F3);
constexpr Status CO_E_DLLNOTFOUND = statusCode(0x800401F8);
constexpr Status CO_E_ERRORINDLL = statusCode(0x800401F9);

inline bool succeeded(Status status)
{
    return status >= 0;
}
inline bool failed(Status status)
{
    return status < 0;
}

// "0x80040200": how tools and logs show a status.
QString statusText(Status status);

} // namespace automation
