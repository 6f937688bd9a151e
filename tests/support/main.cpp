#include "support/TestSandbox.h"

#include <gtest/gtest.h>

// Tests of the pure cores: no application object, a home of their own.
int main(int argc, char **argv)
{
    TestSandbox sandbox;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
