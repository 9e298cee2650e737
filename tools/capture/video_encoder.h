// The video: raw frames piped into ffmpeg as they are made (H.264), then the soundtrack
// added (AAC) in a second, quick pass that copies the picture stream.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "platform/process.h"
#include "tools/capture/frame_writer.h"

namespace tools::capture {

inline constexpr const char* kVideoFileName = "show.mp4";

class VideoEncoder {
public:
    // Starts ffmpeg writing `folder`/video.mp4; nullptr with a message when it cannot.
    static std::unique_ptr<VideoEncoder> Start(const std::string& folder, int width, int height,
                                               double fps);
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder&) = delete;
    VideoEncoder& operator=(const VideoEncoder&) = delete;

    // Sends one frame down the pipe (from the writing thread).
    void Write(const Frame& frame);
    // Ends the picture stream and joins it with `soundtrack` (none when empty) into
    // `folder`/show.mp4; returns the video's path, or "" with a message when it failed.
    std::string Finish(const std::string& soundtrack);

private:
    VideoEncoder(std::string folder, platform::PipedProgram encoder);
    bool EndPictureStream();

    std::string folder_;
    platform::PipedProgram encoder_;
    bool failed_ = false;
};

}  // namespace tools::capture
