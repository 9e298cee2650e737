// Temporary working folders for tests.
#include "support/temp_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace testing_support {

TempFolder::TempFolder() {
    char name[] = "/tmp/torvane-test-XXXXXX";
    path_ = mkdtemp(name);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
}

TempFolder::~TempFolder() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempFolder::Write(const std::string& name, const std::string& contents) const {
    std::filesystem::path file = std::filesystem::path(path_) / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << contents;
}

std::string TempFolder::Read(const std::string& name) const {
    return ReadText(path_ + "/" + name);
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace testing_support
