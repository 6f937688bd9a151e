#pragma once

#include <QString>

class QFileDevice;

// A platform failure in the classic run-time numbering that users and the
// documentation know (53 file not found, 76 path not found, 61 disk full, ...).
struct PlatformError
{
    int number = 0;
    QString description;

    bool isError() const { return number != 0; }
    // " 53: File not found": the blank-signed number, ": ", the description.
    QString text() const;
};

namespace platformerror {

enum Number {
    None = 0,
    BadFileName = 52,
    FileNotFound = 53,
    FileAlreadyOpen = 55,
    DeviceIO = 57,
    FileAlreadyExists = 58,
    DiskFull = 61,
    InputPastEnd = 62,
    TooManyFiles = 67,
    DeviceUnavailable = 68,
    PermissionDenied = 70,
    DiskNotReady = 71,
    PathFileAccess = 75,
    PathNotFound = 76,
    SymbolicLinkLoop = 77,
    InvalidPicture = 481,
    InvalidFileName = 20477,
    DialogCancelled = 32755,
};

QString describe(int number);
PlatformError make(int number);

// Maps an operating-system error number (errno) to the run-time numbering.
PlatformError fromErrno(int osError);

// The failure of an operation on a file: the device's error and the errno left
// by the failed call, refined by looking at the path (a missing folder on the
// way is "path not found", a folder where a file is expected is an access error).
PlatformError fromFile(const QFileDevice &file, int osError);
PlatformError forMissingOrUnreadable(const QString &path, int osError);
// The refusal to open a file for writing (QSaveFile reports every such refusal
// as a write error, whatever its cause): the path tells which it was.
PlatformError forUnwritable(const QString &path, int osError);

} // namespace platformerror
