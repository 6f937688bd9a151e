#include "Run.h"
#include "mid/Mid.h"
#include <side/Side.h>
int run()
{
    return mid() + side();
}
