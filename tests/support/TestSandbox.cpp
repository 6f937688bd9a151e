#include "support/TestSandbox.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <vector>

TestSandbox::TestSandbox()
{
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/fendrel-test-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!::mkdtemp(name.data())) {
        std::perror("fendrel test: cannot create a temporary home");
        std::exit(2);
    }
    m_root = name.data();

    const struct
    {
        const char *variable;
        const char *folder;
    } locations[] = {{"HOME", "/home"},
                     {"XDG_CONFIG_HOME", "/config"},
                     {"XDG_DATA_HOME", "/data"},
                     {"XDG_CACHE_HOME", "/cache"},
                     {"XDG_STATE_HOME", "/state"},
                     {"XDG_RUNTIME_DIR", "/runtime"}};
    for (const auto &location : locations) {
        const std::string path = m_root + location.folder;
        // The runtime folder must be private to its user, or Qt refuses it.
        ::mkdir(path.c_str(), 0700);
        ::setenv(location.variable, path.c_str(), 1);
    }
    ::unsetenv("FENDREL_CLASS_REGISTRY");
    // Nor the machine's registry: a file that never exists stands in for it.
    ::setenv("FENDREL_SYSTEM_CLASS_REGISTRY", (m_root + "/no-system-registry.ini").c_str(), 1);

    // What CTest sets; a program started by hand finds the same folders.
    ::setenv("FENDREL_BIN_DIR", FENDREL_TEST_BIN_DIR, 0);
    ::setenv("FENDREL_TEST_DATA", FENDREL_TEST_DATA_DIR, 0);
}

TestSandbox::~TestSandbox()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}
