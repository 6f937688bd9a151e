#include "Mid.h"
