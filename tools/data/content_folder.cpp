// Writes generated files under the output folder, creating folders as needed.
#include "tools/data/content_folder.h"

#include <filesystem>
#include <stdexcept>
#include <utility>

#include "platform/files.h"
#include "tools/common/whole_file.h"

namespace tools::data {

ContentFolder::ContentFolder(std::string root, FILE* progress)
    : root_(std::move(root)), progress_(progress) {
    std::error_code error;
    std::filesystem::create_directories(root_, error);
    if (error) {
        throw std::runtime_error("cannot create the folder " + root_ + ": " + error.message());
    }
}

void ContentFolder::Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::filesystem::path path = platform::ResolvePath(root_ + "/" + name);
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) {
        throw std::runtime_error("cannot write " + path.string() + ": " + error.message());
    }
    WriteWholeFile(path.string(), bytes);
    ++filesWritten_;
    bytesWritten_ += bytes.size();
    if (progress_) {
        std::fprintf(progress_, "  %-48s %9zu bytes\n", name.c_str(), bytes.size());
        std::fflush(progress_);
    }
}

}  // namespace tools::data
