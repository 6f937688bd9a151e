#pragma once

#include "platform/automation/Object.h"

#include "support/QtPrinting.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class QWidget;

// A host for the tests: the control library registered in a registry of the test's
// own, controls created by ProgID, and the dot strings read back as grids.
class VogHost
{
public:
    VogHost();
    ~VogHost();

    QString registryPath() const { return m_dir.filePath(QStringLiteral("registry.ini")); }
    automation::ClassRegistry registry() const { return automation::ClassRegistry(registryPath()); }

    // A control created by ProgID with its window shown at the given size of its
    // paint area.
    automation::Object create(int paintWidth = 400, int paintHeight = 300);

private:
    QTemporaryDir m_dir;
};

// A registered host and one control of the default size.
class VogFixture : public ::testing::Test
{
protected:
    VogHost host;
    automation::Object vog = host.create();
};

QString libraryPath();
QWidget *viewportOf(automation::Object &control);
QImage grabPaintArea(automation::Object &control);

// "002,001,001,000" as rows of '#' and '.', width by height (bands read fully).
QStringList dotRows(const QString &data, bool heightInDots);

// Sends a left-button event to the control's paint area at pixel (x, y).
void press(automation::Object &control, int x, int y,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void move(automation::Object &control, int x, int y);
void release(automation::Object &control, int x, int y);

// With the default DotSize 16 and DotGap 4 the pitch is 20: the middle of dot
// column c (from the origin) is at 20c + 12.
constexpr int mid(int dot)
{
    return dot * 20 + 12;
}

void click(automation::Object &control, int x, int y);
// Press, a move on the pressed dot, halfway, the end point, release.
void drag(automation::Object &control, QPoint from, QPoint to,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// GetData as rows of '#' and '.'.
QStringList rows(automation::Object &control);
// The corners as SelPosX1, SelPosY1 to SelPosX2, SelPosY2.
QRect corners(automation::Object &control);
