// Creates, fills and removes temporary folders under the system's temporary directory.
#include "tools/common/temp_folder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace tools::data {

TempFolder::TempFolder(const std::string& prefix) {
    // A random name that no other folder has: creating it fails when one does.
    std::random_device random;
    const std::filesystem::path parent = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "-%08x", random());
        std::error_code error;
        if (std::filesystem::create_directory(parent / (prefix + suffix), error)) {
            path_ = (parent / (prefix + suffix)).string();
        }
    }
    if (path_.empty()) {
        throw std::runtime_error("cannot create a temporary folder under " + parent.string());
    }
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempFolder::Write(const std::string& name, const std::string& contents) const {
    std::filesystem::path file = std::filesystem::path(path_) / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << contents;
}

std::string TempFolder::Read(const std::string& name) const {
    return ReadText(File(name));
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace tools::data
