// The tests' temporary working folder.
#include "support/temp_folder.h"

#include <filesystem>

namespace testing_support {

TempFolder::TempFolder()
    : tools::data::TempFolder("torvane-test"), previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path());
}

TempFolder::~TempFolder() {
    std::filesystem::current_path(previous_);
}

}  // namespace testing_support
