// The TGA reader on any bytes.
#include "fuzz_input.h"
#include "render/tga.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::WriteInput("input.tga", data, size);
    render::TgaImage image;
    render::ReadTga("input.tga", image);
    return 0;
}
