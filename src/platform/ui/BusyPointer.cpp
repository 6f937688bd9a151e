#include "platform/ui/BusyPointer.h"

#include <QApplication>
#include <QCursor>

BusyPointer::BusyPointer()
{
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyPointer::~BusyPointer()
{
    QApplication::restoreOverrideCursor();
}
