#include "FailingCalls.h"

#include <cerrno>
#include <cstring>
#include <dlfcn.h>

// No <unistd.h> or <stdio.h> here: with large-file names their declarations
// would rename the definitions below.
namespace {

const char *failing = "";
int failure = 0;
int failuresLeft = -1; // negative: every call fails

bool fails(const char *name, int fd = 3)
{
    if (fd <= 2 || std::strcmp(failing, name) != 0 || failuresLeft == 0)
        return false;
    if (failuresLeft > 0)
        --failuresLeft;
    return true;
}

template <class Function> Function real(const char *name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

void failingcalls::failNext(const char *name, int osError, int times)
{
    failing = name;
    failure = osError;
    failuresLeft = times;
}

extern "C" {

long write(int fd, const void *data, unsigned long size)
{
    if (fails("write", fd)) {
        errno = failure;
        return -1;
    }
    return real<long (*)(int, const void *, unsigned long)>("write")(fd, data, size);
}

long pwrite64(int fd, const void *data, unsigned long size, long offset)
{
    if (fails("pwrite", fd)) {
        errno = failure;
        return -1;
    }
    return real<long (*)(int, const void *, unsigned long, long)>("pwrite64")(fd, data, size,
                                                                              offset);
}

long pwrite(int fd, const void *data, unsigned long size, long offset)
{
    return pwrite64(fd, data, size, offset);
}

int ftruncate64(int fd, long size)
{
    if (fails("ftruncate", fd)) {
        errno = failure;
        return -1;
    }
    return real<int (*)(int, long)>("ftruncate64")(fd, size);
}

int ftruncate(int fd, long size)
{
    return ftruncate64(fd, size);
}

// Returns its error instead of setting errno.
int posix_fallocate64(int fd, long offset, long size)
{
    if (fails("posix_fallocate", fd))
        return failure;
    return real<int (*)(int, long, long)>("posix_fallocate64")(fd, offset, size);
}

int posix_fallocate(int fd, long offset, long size)
{
    return posix_fallocate64(fd, offset, size);
}

int fdatasync(int fd)
{
    if (fails("fdatasync", fd)) {
        errno = failure;
        return -1;
    }
    return real<int (*)(int)>("fdatasync")(fd);
}

// The descriptor is closed all the same, as the kernel does.
int close(int fd)
{
    const int result = real<int (*)(int)>("close")(fd);
    if (fails("close", fd)) {
        errno = failure;
        return -1;
    }
    return result;
}

// Only a change of owner fails: a change of group alone is what an
// unprivileged owner may still make.
int fchown(int fd, unsigned owner, unsigned group)
{
    if (owner != ~0u && fails("fchown", fd)) {
        errno = failure;
        return -1;
    }
    return real<int (*)(int, unsigned, unsigned)>("fchown")(fd, owner, group);
}

int rename(const char *from, const char *to)
{
    if (fails("rename")) {
        errno = failure;
        return -1;
    }
    return real<int (*)(const char *, const char *)>("rename")(from, to);
}

int renameat(int fromDir, const char *from, int toDir, const char *to)
{
    if (fails("rename")) {
        errno = failure;
        return -1;
    }
    return real<int (*)(int, const char *, int, const char *)>("renameat")(fromDir, from, toDir,
                                                                           to);
}

int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned flags)
{
    if (fails("rename")) {
        errno = failure;
        return -1;
    }
    return real<int (*)(int, const char *, int, const char *, unsigned)>("renameat2")(
        fromDir, from, toDir, to, flags);
}
}
