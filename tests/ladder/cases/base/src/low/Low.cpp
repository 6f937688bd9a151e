#include "low/Low.h"

#include <vector>
int low()
{
    return 1;
}
