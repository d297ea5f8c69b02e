#pragma once

// The screen width behind the 1152-pixel layout switch is the one overridable function of
// platform/system (screenWidth / setScreenWidthOverride); the grid helpers read it from there.
#include "platform/system/screen.h"
