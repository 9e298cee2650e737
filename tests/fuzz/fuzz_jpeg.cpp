// The JPEG decoder on any bytes.
#include <vector>

#include "fuzz_input.h"
#include "platform/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::JpegImage image;
    std::string error;
    platform::DecodeJpeg(std::vector<uint8_t>(data, data + size), image, error);
    return 0;
}
