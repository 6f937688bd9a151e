#include "FailingCalls.h"
#include "platform/SaveFile.h"

#include <cstdio>
#include <cstdlib>

// save_helper PATH TEXT [CALL ERRNO [TIMES]]: saves TEXT to PATH and prints
// the error number and the way the target was written, for tests that write as
// another user or with CALL failing with ERRNO during the save (TIMES times).
int main(int argc, char **argv)
{
    if (argc < 3 || argc == 4 || argc > 6)
        return 2;
    SaveFile file(QString::fromLocal8Bit(argv[1]));
    const QByteArray bytes(argv[2]);
    if (argc >= 5)
        failingcalls::failNext(argv[3], std::atoi(argv[4]), argc == 6 ? std::atoi(argv[5]) : -1);
    PlatformError error = file.begin();
    if (!error.isError())
        error = file.write(bytes) == bytes.size() ? file.commit(bytes.size())
                                                  : file.writeFailure(errno);
    failingcalls::failNext("", 0);
    const char *method = file.method() == SaveFile::Method::Replace   ? "Replace"
                         : file.method() == SaveFile::Method::InPlace ? "InPlace"
                                                                      : "Straight";
    std::printf("%d %s\n", error.number, method);
    return 0;
}
