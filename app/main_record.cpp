// The recording variant: free camera and console; writes the camera path.
#include "app/main_loop.h"

const int app::cameraMode = 1;

int main() {
    return app::RunProgram();
}
