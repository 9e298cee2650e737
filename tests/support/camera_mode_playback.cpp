// Tests of the presentation variant.
#include "app/main_loop.h"

const int app::cameraMode = 2;
