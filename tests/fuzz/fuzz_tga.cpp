// The TGA reader on any bytes.
#include "fuzz_input.h"
#include "render/tga.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    render::TgaImage image;
    render::ReadTga(fuzzing::WriteInput("input.tga", data, size), image);
    return 0;
}
