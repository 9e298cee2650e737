// The fuzz targets' private folder: made once per process; the readers get absolute
// names in it.
#include "fuzz_input.h"

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

void MakeFolder() {
    static bool made = false;
    if (made) {
        return;
    }
    if (!mkdtemp(folder)) {
        std::perror("torvane fuzz folder");
        std::abort();
    }
    std::atexit(RemoveFolder);
    made = true;
}

}  // namespace

std::string InFolder(const std::string& name) {
    MakeFolder();
    return std::string(folder) + "/" + name;
}

std::string WriteFixed(const std::string& name, const std::string& text) {
    const std::string path = InFolder(name);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::abort();
    }
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    return path;
}

std::string WriteInput(const std::string& name, const uint8_t* data, size_t size) {
    const std::string path =
        WriteFixed(name, std::string(reinterpret_cast<const char*>(data), size));
    // A fresh console without a log file: lines still go through the log's code, but a
    // run of millions of inputs neither keeps them nor waits on the disk for them.
    console::console = console::Console();
    return path;
}

}  // namespace fuzzing
