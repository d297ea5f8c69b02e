#include "server/baglantiu.h"
