// Configuration lines on any bytes: the file through LoadConfig, then each line of it
// executed again as if typed at the console.
#include <string>

#include "console/config.h"
#include "console/settings.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    console::LoadConfig(fuzzing::WriteInput("Torvane.cfg", data, size));
    std::string text(reinterpret_cast<const char*>(data), size);
    for (size_t start = 0; start <= text.size();) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        console::Execute(text.substr(start, end - start));
        start = end + 1;
    }
    return 0;
}
