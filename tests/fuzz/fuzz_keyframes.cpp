// The key-frame files on any bytes: the input serves as both the rest pose and the clip,
// with fitting weights beside them.
#include "fuzz_animation.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::WriteInput("a.m3vba0", data, size);
    fuzzing::WriteInput("a.m3vba", data, size);
    fuzzing::WriteFixed("a.m3vw", "NumVertex 3\n1 1 1.0\n2 1 0.25 2 0.75\n1 2 1.0\n");
    scene::Scene scene;
    fuzzing::ReadAnimatedMesh(scene);
    fuzzing::LoadAndPlay(scene);
    return 0;
}
