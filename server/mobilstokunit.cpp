#include "server/mobilstokunit.h"
