#include "mid/Mid.h"
#include <QtGui/QImage>
#include <low/Low.h>
int mid()
{
    return low();
}
