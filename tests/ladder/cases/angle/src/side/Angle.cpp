#include <mid/Mid.h>
