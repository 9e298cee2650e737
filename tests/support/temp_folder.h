// A fresh temporary folder that becomes the working directory, as the programs expect.
#pragma once

#include <string>

namespace testing_support {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // Writes `contents` to `name` (relative to the folder), making folders as needed.
    void Write(const std::string& name, const std::string& contents) const;
    std::string Read(const std::string& name) const;

private:
    std::string path_;
    std::string previous_;
};

// The whole file as bytes; empty when it cannot be read.
std::string ReadText(const std::string& path);

}  // namespace testing_support
