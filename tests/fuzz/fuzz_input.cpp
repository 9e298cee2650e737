// The fuzz targets' private folder: made once per process and entered, so the readers'
// relative names land in it.
#include "fuzz_input.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "console/log.h"

namespace fuzzing {
namespace {

char folder[] = "/tmp/torvane-fuzz-XXXXXX";

void RemoveFolder() {
    std::filesystem::remove_all(folder);
}

void EnterFolder() {
    static bool entered = false;
    if (entered) {
        return;
    }
    if (!mkdtemp(folder) || chdir(folder) != 0) {
        std::perror("torvane fuzz folder");
        std::abort();
    }
    std::atexit(RemoveFolder);
    entered = true;
}

}  // namespace

void WriteFixed(const std::string& name, const std::string& text) {
    EnterFolder();
    FILE* file = std::fopen(name.c_str(), "wb");
    if (!file) {
        std::abort();
    }
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}

void WriteInput(const std::string& name, const uint8_t* data, size_t size) {
    WriteFixed(name, std::string(reinterpret_cast<const char*>(data), size));
    // A fresh console without a log file: lines still go through the log's code, but a
    // run of millions of inputs neither keeps them nor waits on the disk for them.
    console::console = console::Console();
}

}  // namespace fuzzing
