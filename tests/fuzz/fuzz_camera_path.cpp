// The camera path on any bytes, loaded and flown along from before its start to past its end.
#include "fuzz_input.h"
#include "production/camera_path.h"
#include "production/show.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    production::show.cameraPath.clear();
    production::LoadCameraPath(fuzzing::WriteInput("input.vcp", data, size));
    scene::Camera camera;
    const int64_t end = static_cast<int64_t>(production::show.cameraPath.size() + 2) * 10000;
    for (int64_t t = -10000; t <= end; t += 2500) {
        production::PlayCameraPath(t, camera);
    }
    return 0;
}
