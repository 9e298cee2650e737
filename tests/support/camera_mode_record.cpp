// Tests of the recording variant.
#include "app/main_loop.h"

const int app::cameraMode = 1;
