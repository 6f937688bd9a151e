#pragma once

#include "Object.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

class QWidget;

// A host for the tests: the control library registered in a registry of the test's
// own, controls created by ProgID, and the dot strings read back as grids.
class VogHost
{
public:
    VogHost();
    ~VogHost();

    QString registryPath() const;
    automation::ClassRegistry registry() const;

    // A control created by ProgID with its window shown at the given size of its
    // paint area.
    automation::Object create(int paintWidth = 400, int paintHeight = 300);

private:
    QTemporaryDir m_dir;
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
