#include "side/Side.h"
#include "low/Low.h"
#include <sys/stat.h>
int side()
{
    return low();
}
