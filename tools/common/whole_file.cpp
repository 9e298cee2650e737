// Writing under a temporary name and renaming into place.
#include "tools/common/whole_file.h"

#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <utility>

namespace tools::data {
namespace {

std::error_code LastError() {
    return std::error_code(errno, std::generic_category());
}

}  // namespace

std::string PartialName(const std::string& path) {
    return path + ".partial";
}

std::error_code MoveIntoPlace(const std::string& path) {
    const std::string partial = PartialName(path);
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
    }
    return error;
}

void WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    PendingFile file(path);
    if (!file.Write(bytes.data(), bytes.size()) || !file.Commit()) {
        throw std::runtime_error("cannot write " + path + ": " + file.error().message());
    }
}

PendingFile::PendingFile(std::string path)
    : path_(std::move(path)), stream_(std::fopen(PartialName(path_).c_str(), "wb")) {
    if (!stream_) {
        error_ = LastError();
    }
}

PendingFile::~PendingFile() {
    Discard();
}

void PendingFile::Discard() {
    if (stream_) {
        std::fclose(stream_);
        stream_ = nullptr;
        std::remove(PartialName(path_).c_str());
    }
}

bool PendingFile::Write(const void* bytes, size_t size) {
    if (!stream_ || error_) {
        return false;
    }
    // errno now is this write's reason; later calls may change it before the commit.
    if (std::fwrite(bytes, 1, size, stream_) != size) {
        error_ = LastError();
        return false;
    }
    return true;
}

bool PendingFile::Commit() {
    if (!stream_ || error_) {
        Discard();
        return false;
    }
    // Flushing writes out what is still buffered.
    if (std::ferror(stream_) || std::fflush(stream_) != 0) {
        error_ = LastError();
        Discard();
        return false;
    }
    std::FILE* stream = std::exchange(stream_, nullptr);
    if (std::fclose(stream) != 0) {
        error_ = LastError();
        std::remove(PartialName(path_).c_str());
        return false;
    }
    error_ = MoveIntoPlace(path_);
    return !error_;
}

}  // namespace tools::data
