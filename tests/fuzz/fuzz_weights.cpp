// The weight file on any bytes, beside a valid rest pose and clip of two bones.
#include "fuzz_animation.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::WriteInput("a.m3vw", data, size);
    fuzzing::WriteFixed("a.m3vba0",
                        "NumFrames 1\nFrame 0\nBone01 0 0 0 : 0 0 0 : 0 0 0 1\n"
                        "Bone02 0 0 0 : 10 0 0 : 0 0 0 1\n");
    fuzzing::WriteFixed("a.m3vba",
                        "NumFrames 2\nFrame 1\nBone01 0 0 0 : 0 0 10 : 0 0 0 1\n"
                        "Bone02 0 0 0 : 10 0 0 : 0 0 0 1\n"
                        "Frame 2\nBone01 0 0 0 : 0 0 20 : 0 1 0 0\n"
                        "Bone02 0 0 0 : 10 0 0 : 0 0 0 1\n");
    scene::Scene scene;
    fuzzing::ReadAnimatedMesh(scene);
    fuzzing::LoadAndPlay(scene);
    return 0;
}
