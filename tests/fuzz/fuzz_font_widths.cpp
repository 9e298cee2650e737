// The font's width file on any bytes.
#include "fuzz_input.h"
#include "render/font.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::WriteInput("input.wt", data, size);
    render::Font font;
    font.LoadWidths("input.wt");
    return 0;
}
