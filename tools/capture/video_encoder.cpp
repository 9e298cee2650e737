// Runs ffmpeg on a pipe of raw BGRA frames, then muxes the soundtrack in.
#include "tools/capture/video_encoder.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "tools/data/prerequisites.h"

extern char** environ;

namespace tools::capture {
namespace {

const tools::data::ExternalTool kFfmpeg{"ffmpeg", "ffmpeg"};

// The picture stream: frames arrive bottom row first. CRF 18 keeps the titles' and
// captions' edges clean; "superfast" keeps the encoder well behind the renderer.
std::vector<std::string> PictureArguments(const std::string& out, int width, int height, int fps) {
    return {"ffmpeg",     "-loglevel",
            "error",      "-y",
            "-f",         "rawvideo",
            "-pix_fmt",   "bgra",
            "-s",         std::to_string(width) + "x" + std::to_string(height),
            "-framerate", std::to_string(fps),
            "-i",         "-",
            "-vf",        "vflip",
            "-c:v",       "libx264",
            "-preset",    "superfast",
            "-crf",       "18",
            "-pix_fmt",   "yuv420p",
            "-an",        out};
}

// Spawns `words` with its standard input reading from the returned pipe; -1 on failure.
pid_t SpawnReadingPipe(std::vector<std::string> words, std::FILE*& pipe) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        return -1;
    }
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[0], STDIN_FILENO);
    pid_t child = -1;
    int error = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[0]);
    if (error != 0) {
        close(ends[1]);
        return -1;
    }
    pipe = fdopen(ends[1], "wb");
    return child;
}

bool Exited(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

std::unique_ptr<VideoEncoder> VideoEncoder::Start(const std::string& folder, int width, int height,
                                                  int fps) {
    try {
        tools::data::RequireTool(kFfmpeg);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "torvane-capture: no video: %s\n", error.what());
        return nullptr;
    }
    // A dead encoder shows as a failed write, not as a signal that ends the capture.
    signal(SIGPIPE, SIG_IGN);
    std::FILE* pipe = nullptr;
    pid_t encoder =
        SpawnReadingPipe(PictureArguments(folder + "/video.mp4", width, height, fps), pipe);
    if (encoder < 0) {
        std::fprintf(stderr, "torvane-capture: cannot start ffmpeg\n");
        return nullptr;
    }
    return std::unique_ptr<VideoEncoder>(new VideoEncoder(folder, encoder, pipe));
}

VideoEncoder::VideoEncoder(std::string folder, pid_t encoder, std::FILE* pipe)
    : folder_(std::move(folder)), encoder_(encoder), pipe_(pipe) {}

VideoEncoder::~VideoEncoder() {
    EndPictureStream();
}

void VideoEncoder::Write(const Frame& frame) {
    if (failed_) {
        return;
    }
    if (std::fwrite(frame.bgra.data(), 1, frame.bgra.size(), pipe_) != frame.bgra.size()) {
        std::fprintf(stderr, "torvane-capture: ffmpeg stopped taking frames\n");
        failed_ = true;
    }
}

bool VideoEncoder::EndPictureStream() {
    if (!pipe_) {
        return !failed_;
    }
    failed_ = std::fclose(pipe_) != 0 || failed_;
    pipe_ = nullptr;
    failed_ = !Exited(encoder_) || failed_;
    return !failed_;
}

std::string VideoEncoder::Finish(const std::string& soundtrack) {
    std::string picture = folder_ + "/video.mp4";
    std::string video = folder_ + "/show.mp4";
    try {
        if (!EndPictureStream()) {
            throw std::runtime_error("ffmpeg failed on the frames");
        }
        tools::data::RunTool(kFfmpeg, {"-nostdin", "-loglevel", "error", "-y", "-i", picture, "-i",
                                       soundtrack, "-c:v", "copy", "-c:a", "aac", "-b:a", "192k",
                                       "-movflags", "+faststart", video});
    } catch (const std::exception& error) {
        std::fprintf(stderr, "torvane-capture: no video made: %s\n", error.what());
        video.clear();
    }
    std::filesystem::remove(picture);
    return video;
}

}  // namespace tools::capture
