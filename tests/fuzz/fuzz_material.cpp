// The material file on any bytes; the table starts empty each time.
#include "fuzz_input.h"
#include "scene/drawing.h"
#include "scene/material.h"
#include "scene/material_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::WriteInput("input.m3m", data, size);
    scene::drawing.MaterialTable.clear();
    scene::MaterialRemap remap;
    scene::ReadMaterialFile(fuzzing::InFolder("input"), remap);
    return 0;
}
