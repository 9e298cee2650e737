// Files written whole or not at all. The bytes go to a temporary name beside the final one,
// which is renamed into place once every byte is on disk, so a full disk or a file-size
// limit leaves nothing under a name that a reader (the engine, a video player) would take
// for a finished file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <system_error>
#include <vector>

namespace tools::data {

// The temporary name that `path` is written under until it is complete.
std::string PartialName(const std::string& path);

// Renames PartialName(path) to `path`; on failure the partial file is removed and the
// reason returned.
std::error_code MoveIntoPlace(const std::string& path);

// Throws std::runtime_error naming `path` and the reason when it cannot be written whole.
void WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);

// A file filled piece by piece through Write, dropped unless Commit succeeds.
class PendingFile {
public:
    explicit PendingFile(std::string path);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // Null when the temporary file cannot be made, and after Commit.
    std::FILE* stream() const { return stream_; }
    // Appends `size` bytes; false, keeping the write's own reason, when any of them was lost.
    bool Write(const void* bytes, size_t size);
    // Closes the file and moves it into place; false, with nothing left behind, when
    // anything written to it was lost.
    bool Commit();
    // Closes and removes the temporary file; Commit then fails.
    void Discard();
    // Why the file could not be made, written or committed.
    const std::error_code& error() const { return error_; }

private:
    std::string path_;
    std::FILE* stream_;
    std::error_code error_;
};

}  // namespace tools::data
