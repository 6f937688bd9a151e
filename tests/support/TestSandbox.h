#pragma once

#include <string>

// Points every per-user location (home, the XDG folders, the class registry) at
// a fresh folder of the program's own, removed again at exit, so that running a
// test program by hand never reads or writes the user's settings or registry.
// Set through the environment before any Qt object exists, so that the programs
// a test starts (the simulator, the command-line tools) inherit the same folder.
// Qt's own test mode is not used: it ignores XDG_CONFIG_HOME and writes under the
// real home. Also names the build's folders for a program started by hand.
class TestSandbox
{
public:
    TestSandbox();
    ~TestSandbox();
    TestSandbox(const TestSandbox &) = delete;
    TestSandbox &operator=(const TestSandbox &) = delete;

private:
    std::string m_root;
};
