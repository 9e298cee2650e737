// The presentation: plays the camera path.
#include "app/main_loop.h"

const int app::cameraMode = 2;

int main() {
    return app::RunProgram();
}
