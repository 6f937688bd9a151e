#pragma once

#include "project/ProjectState.h"
#include "support/ServiceDoubles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

// A temporary folder for project files, the service doubles and a fresh state.
class ProjectFixture : public ::testing::Test, protected ServiceDoubles
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override { QDir::setCurrent(workingDir); }

    QString path(const QString &name) const { return dir.path() + QLatin1Char('/') + name; }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        QString file = path(name);
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return file;
    }

    QTemporaryDir dir;
    QString workingDir = QDir::currentPath();
    ProjectState state;
};

inline const QByteArray kTwoItems = "Logo\tMisc\\logo.bin\tStart-up logo\tG\t104,104,7,7\r\n"
                                    "Port\tConst\\port.con\tSerial port\tC\t1,4\r\n";
