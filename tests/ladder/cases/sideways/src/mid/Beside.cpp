#include "side/Side.h"
