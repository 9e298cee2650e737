// Frames as numbered PNG files, and optionally a contact sheet of half-size copies.
#pragma once

#include <string>
#include <vector>

#include "tools/capture/frame_writer.h"
#include "tools/common/image.h"

namespace tools::capture {

class FrameFiles {
public:
    FrameFiles(std::string folder, bool keepForSheet);

    // Encodes `frame` as `folder`/frame_NNNNNN.png (from the writing thread).
    void Write(const Frame& frame);
    // The kept frames, four to a row, into one PNG file.
    void WriteSheet(const std::string& path) const;

private:
    std::string folder_;
    bool keepForSheet_;
    std::vector<tools::data::Image> halves_;
};

}  // namespace tools::capture
