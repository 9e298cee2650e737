// The mesh file on any bytes, with and without a material remap.
#include "fuzz_input.h"
#include "scene/drawing.h"
#include "scene/material.h"
#include "scene/material_file.h"
#include "scene/mesh_file.h"
#include "scene/scene.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input = fuzzing::WriteInput("input.m3f", data, size);
    scene::drawing.MaterialTable.assign(2, scene::Material());
    scene::MaterialRemap remap;
    remap.Create(2);
    remap.Set(0, 0);
    remap.Set(1, 1);
    for (bool withMaterials : {true, false}) {
        scene::WordReader in;
        in.Open(input);
        scene::Scene scene;
        scene::ReadMeshFile(in, {}, withMaterials ? remap : scene::MaterialRemap(), scene);
    }
    return 0;
}
