#pragma once

// Makes the next calls of one system function fail with a given errno, for a
// child that saves with a failure no real disk gives on demand. The helper
// program defines the functions themselves, so they take the place of the C
// library's for the program and the Qt libraries alike.
namespace failingcalls {

// name: "write", "pwrite", "ftruncate", "posix_fallocate", "fdatasync",
// "close", "fchown" or "rename"; empty: none fails. Descriptors 0 to 2 never
// fail. times: how many calls fail before the next succeeds; negative: all.
void failNext(const char *name, int osError, int times = -1);

} // namespace failingcalls
