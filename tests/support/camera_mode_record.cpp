// Tests of the recording variant.
#include "app/main_loop.h"
#include "console/settings.h"

const int console::cameraMode = 1;
