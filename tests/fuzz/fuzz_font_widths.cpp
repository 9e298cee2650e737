// The font's width file on any bytes.
#include "fuzz_input.h"
#include "render/font.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    render::Font font;
    font.LoadWidths(fuzzing::WriteInput("input.wt", data, size));
    return 0;
}
