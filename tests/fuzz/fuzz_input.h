// What every reader's fuzz target shares: the input as a real file in a private folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzing {

// The absolute path of `name` in the private folder, made on the first call and removed
// at exit. The working directory stays as it is: libFuzzer resolves the corpus paths of
// its command line against it throughout the run.
std::string InFolder(const std::string& name);
// Writes `size` bytes to `name` in the folder, starts a fresh console, and returns the
// file's path.
std::string WriteInput(const std::string& name, const uint8_t* data, size_t size);
// Writes fixed text to `name` beside the input and returns the file's path.
std::string WriteFixed(const std::string& name, const std::string& text);

}  // namespace fuzzing

// The entry point that libFuzzer, or the replay driver, calls with each input.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
