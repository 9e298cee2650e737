// The recording variant: free camera and console; writes the camera path.
#include "app/main_loop.h"
#include "console/settings.h"

const int console::cameraMode = 1;

int main() {
    return app::RunProgram();
}
