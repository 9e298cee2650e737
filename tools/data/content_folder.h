// The folder being filled: takes engine file names, writes the bytes, reports progress.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tools::data {

class ContentFolder {
public:
    // `progress` receives one line per file written; null keeps quiet.
    ContentFolder(std::string root, FILE* progress);

    // `name` is spelled as the engine spells it ("Data\Textures\sky.jpg"); components that
    // already exist under another letter case are reused, so "Data\textures" and
    // "Data\Textures" end up in one folder, as the engine's case-blind lookup expects.
    void Write(const std::string& name, const std::vector<uint8_t>& bytes);

    const std::string& root() const { return root_; }
    int filesWritten() const { return filesWritten_; }
    uint64_t bytesWritten() const { return bytesWritten_; }

private:
    std::string root_;
    FILE* progress_;
    int filesWritten_ = 0;
    uint64_t bytesWritten_ = 0;
};

}  // namespace tools::data
