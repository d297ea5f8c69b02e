#include "app/core/callframe.h"
