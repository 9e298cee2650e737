// The presentation in a browser page: plays the camera path.
#include "app/main_loop.h"
#include "console/settings.h"

const int console::cameraMode = 2;

int main() {
    return app::RunProgram();
}
