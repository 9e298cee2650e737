// Runs ffmpeg on a pipe of raw BGRA frames, then muxes the soundtrack in.
#include "tools/capture/video_encoder.h"

#include <filesystem>
#include <stdexcept>
#include <vector>

#include "platform/process.h"
#include "tools/common/prerequisites.h"
#include "tools/common/whole_file.h"

namespace tools::capture {
namespace {

const tools::data::ExternalTool kFfmpeg{"ffmpeg", "ffmpeg"};

// The picture stream: frames arrive bottom row first. CRF 18 keeps the titles' and
// captions' edges clean; "superfast" keeps the encoder well behind the renderer.
std::vector<std::string> PictureArguments(const std::string& out, int width, int height,
                                          double fps) {
    char rate[32];
    std::snprintf(rate, sizeof rate, "%g", fps);
    return {"ffmpeg",     "-loglevel",
            "error",      "-y",
            "-f",         "rawvideo",
            "-pix_fmt",   "bgra",
            "-s",         std::to_string(width) + "x" + std::to_string(height),
            "-framerate", rate,
            "-i",         "-",
            "-vf",        "vflip",
            "-c:v",       "libx264",
            "-preset",    "superfast",
            "-crf",       "18",
            "-pix_fmt",   "yuv420p",
            "-an",        out};
}

}  // namespace

std::unique_ptr<VideoEncoder> VideoEncoder::Start(const std::string& folder, int width, int height,
                                                  double fps) {
    try {
        tools::data::RequireTool(kFfmpeg);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "torvane-capture: no video: %s\n", error.what());
        return nullptr;
    }
    platform::PipedProgram encoder =
        platform::StartPipedProgram(PictureArguments(folder + "/video.mp4", width, height, fps));
    if (!encoder.input) {
        std::fprintf(stderr, "torvane-capture: cannot start ffmpeg\n");
        return nullptr;
    }
    return std::unique_ptr<VideoEncoder>(new VideoEncoder(folder, encoder));
}

VideoEncoder::VideoEncoder(std::string folder, platform::PipedProgram encoder)
    : folder_(std::move(folder)), encoder_(encoder) {}

VideoEncoder::~VideoEncoder() {
    EndPictureStream();
}

void VideoEncoder::Write(const Frame& frame) {
    if (failed_) {
        return;
    }
    if (std::fwrite(frame.bgra.data(), 1, frame.bgra.size(), encoder_.input) != frame.bgra.size()) {
        std::fprintf(stderr, "torvane-capture: ffmpeg stopped taking frames\n");
        failed_ = true;
    }
}

bool VideoEncoder::EndPictureStream() {
    if (!encoder_.input) {
        return !failed_;
    }
    failed_ = !platform::FinishPipedProgram(encoder_) || failed_;
    return !failed_;
}

std::string VideoEncoder::Finish(const std::string& soundtrack) {
    std::string picture = folder_ + "/video.mp4";
    std::string video = folder_ + "/" + kVideoFileName;
    const std::string partial = tools::data::PartialName(video);
    try {
        if (!EndPictureStream()) {
            throw std::runtime_error("ffmpeg failed on the frames");
        }
        std::vector<std::string> arguments = {"-nostdin", "-loglevel", "error",
                                              "-y",       "-i",        picture};
        if (!soundtrack.empty()) {
            arguments.insert(arguments.end(), {"-i", soundtrack, "-c:a", "aac", "-b:a", "192k"});
        }
        // The temporary name does not tell ffmpeg the container, so it is named.
        arguments.insert(arguments.end(),
                         {"-c:v", "copy", "-movflags", "+faststart", "-f", "mp4", partial});
        tools::data::RunTool(kFfmpeg, arguments);
        if (std::error_code error = tools::data::MoveIntoPlace(video)) {
            throw std::runtime_error(error.message());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "torvane-capture: no video made: %s\n", error.what());
        video.clear();
    }
    std::error_code ignored;
    std::filesystem::remove(partial, ignored);
    std::filesystem::remove(picture, ignored);
    return video;
}

}  // namespace tools::capture
