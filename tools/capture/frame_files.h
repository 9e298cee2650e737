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
    // The kept frames, four to a row, into one PNG file; false when it could not be
    // written.
    bool WriteSheet(const std::string& path) const;
    // Frames whose file could not be written.
    int failures() const { return failures_; }

private:
    std::string folder_;
    bool keepForSheet_;
    int failures_ = 0;
    std::vector<tools::data::Image> halves_;
};

}  // namespace tools::capture
