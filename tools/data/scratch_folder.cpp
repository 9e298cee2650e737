// Creates and removes the scratch folder under the system's temporary directory.
#include "tools/data/scratch_folder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace tools::data {

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "torvane-data-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!mkdtemp(name.data())) {
        throw std::runtime_error("cannot create a temporary folder under " + pattern);
    }
    path_ = name.data();
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace tools::data
