#include "support/TestSandbox.h"

#include <QApplication>
#include <gtest/gtest.h>

// Window tests need an application object; they run on the offscreen platform,
// with a home of their own made before Qt reads any location.
int main(int argc, char **argv)
{
    TestSandbox sandbox;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
