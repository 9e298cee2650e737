// A private temporary folder, removed with everything in it when done: the content
// builder's scratch space for the external tools, and the tests' working folder.
#pragma once

#include <string>

namespace tools::data {

class TempFolder {
public:
    // Made under the system's temporary directory, its name starting with `prefix`.
    explicit TempFolder(const std::string& prefix = "torvane");
    virtual ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    // Writes `contents` to `name` (relative to the folder), making folders as needed.
    void Write(const std::string& name, const std::string& contents) const;
    // The file's bytes; empty when it cannot be read.
    std::string Read(const std::string& name) const;

private:
    std::string path_;
};

// The whole file as bytes; empty when it cannot be read.
std::string ReadText(const std::string& path);

}  // namespace tools::data
