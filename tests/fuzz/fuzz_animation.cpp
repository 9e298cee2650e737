// The small scene the animation targets share.
#include "fuzz_animation.h"

#include "fuzz_input.h"
#include "scene/animation_files.h"
#include "scene/mesh_file.h"

namespace fuzzing {

void ReadAnimatedMesh(scene::Scene& scene) {
    const std::string mesh = WriteFixed("a.m3f",
                                        "TOTAL = 1\nMESH Arm\nMatID 0\nNumVerts 3\n"
                                        "0 0 0 0 0 1\n10 0 0 0 0 1\n20 0 0 0 0 1\n"
                                        "NumFace 1\n1 2 3 0 0 1 0 1 1 0 0 1\n");
    scene::WordReader in;
    in.Open(mesh);
    scene::ReadMeshFile(in, {}, {}, scene);
}

void LoadAndPlay(scene::Scene& scene) {
    scene::LoadAnimation(scene, InFolder("a"), 2.0f, 1000);
    for (int step = 0; step < 4; ++step) {
        scene.UpdateAnimation(5000);
    }
}

}  // namespace fuzzing
