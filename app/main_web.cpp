// The presentation in a browser page: plays the camera path, or with `--at` captures the
// frames the page asks for.
#include "app/main_loop.h"
#include "app/page_capture.h"
#include "console/settings.h"

const int console::cameraMode = 2;

int main(int argc, char** argv) {
    app::PageCapture capture;
    if (app::ReadPageCapture(argc, argv, capture)) {
        return app::RunPageCapture(capture);
    }
    return app::RunProgram();
}
