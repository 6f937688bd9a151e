#include "platform/SaveFile.h"

#include <cstdio>

// save_helper PATH TEXT: saves TEXT to PATH and prints the error number and the
// way the target was written, for tests that write as another user.
int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    SaveFile file(QString::fromLocal8Bit(argv[1]));
    const QByteArray bytes(argv[2]);
    PlatformError error = file.begin();
    if (!error.isError())
        error = file.write(bytes) == bytes.size() ? file.commit(bytes.size())
                                                  : file.writeFailure(errno);
    const char *method = file.method() == SaveFile::Method::Replace   ? "Replace"
                         : file.method() == SaveFile::Method::InPlace ? "InPlace"
                                                                      : "Straight";
    std::printf("%d %s\n", error.number, method);
    return 0;
}
