// What every reader's fuzz target shares: the input as a real file in a private folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzing {

// Writes `size` bytes to `name` in the folder (the working directory from the first call
// on) and starts a fresh console.
void WriteInput(const std::string& name, const uint8_t* data, size_t size);
// Writes fixed text to `name` beside the input.
void WriteFixed(const std::string& name, const std::string& text);

}  // namespace fuzzing

// The entry point that libFuzzer, or the replay driver, calls with each input.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
