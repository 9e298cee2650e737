// Running the frame loop on the virtual clock and keeping the frames and sound asked for.
#include "tools/capture/capture.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/main_loop.h"
#include "console/settings.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "platform/window.h"
#include "production/schedule.h"
#include "render/display.h"
#include "render/frame_stats.h"
#include "render/gl.h"
#include "tools/capture/frame_files.h"
#include "tools/capture/frame_writer.h"
#include "tools/capture/soundtrack_writer.h"
#include "tools/capture/video_encoder.h"

namespace tools::capture {
namespace {

// GL_BGRA (OpenGL 1.2): the software rasterizer's own layout, read back without swizzling.
constexpr GLenum kBgra = 0x80E1;

// The frame just drawn, bottom row first, into `frame`'s reused buffer.
void ReadFrame(int width, int height, Frame& frame) {
    frame.width = width;
    frame.height = height;
    frame.bgra.resize(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, kBgra, GL_UNSIGNED_BYTE, frame.bgra.data());
}

// Sound frames of the `index`th picture frame: whole samples that add up without drift.
size_t SamplesOfFrame(int64_t index, double fps) {
    const double rate = SoundtrackWriter::kSampleRate;
    auto samplesBefore = [&](int64_t frame) {
        return std::floor(static_cast<double>(frame) * rate / fps);
    };
    return static_cast<size_t>(samplesBefore(index + 1) - samplesBefore(index));
}

// Where the progress bar ends: the range's end, the last chosen time, or the show's end.
double Ending(const CaptureOptions& options) {
    const double showEnd =
        static_cast<double>(production::PartEnd(production::kPartCount - 1)) / app::kTicksPerSecond;
    double end = std::min(options.to, showEnd);
    return options.times.empty() ? end : std::min(end, options.times.back());
}

// A bar redrawn in place, for a person watching; logs and pipes get none of it.
void ShowProgress(double seconds, double end) {
    if (!isatty(STDERR_FILENO)) {
        return;
    }
    const int width = 40;
    int done = std::clamp(static_cast<int>(width * seconds / end), 0, width);
    std::fprintf(stderr, "\r[%s%s] %6.1f s / %.0f s", std::string(done, '#').c_str(),
                 std::string(width - done, ' ').c_str(), seconds, end);
}

// Which frames of the range are kept: all of them, or the first at or after each time.
class FrameChoice {
public:
    explicit FrameChoice(std::vector<double> times) : times_(std::move(times)) {
        std::sort(times_.begin(), times_.end());
    }
    // Whether the frame at `now` is one to keep; only kept frames are drawn.
    bool Wants(double now) const {
        return times_.empty() || (next_ < times_.size() && now >= times_[next_]);
    }
    // The frame at `now` was kept: the times it answers are done.
    void Kept(double now) {
        while (next_ < times_.size() && now >= times_[next_]) {
            ++next_;
        }
    }
    bool Done() const { return !times_.empty() && next_ >= times_.size(); }

private:
    std::vector<double> times_;
    size_t next_ = 0;
};

// The frame loop from the show's start until the range or the show ends; returns the
// number of frames handed to `writer`.
int PlayShow(const CaptureOptions& options, platform::VirtualClock& clock, FrameWriter& writer,
             SoundtrackWriter* soundtrack) {
    FrameChoice choice(options.times);
    const auto step = static_cast<int64_t>(app::kTicksPerSecond / options.fps);
    const double end = Ending(options);
    int64_t made = 0;
    int kept = 0;
    int shownSecond = -1;
    while (app::run.quitRequested == 0) {
        uint64_t before = render::display.frameStats.frameCount;
        double now = static_cast<double>(app::run.scheduleTimer.Update()) / app::kTicksPerSecond;
        bool inRange = now >= options.from && now < options.to;
        const bool keep = inRange && choice.Wants(now);
        // A frame nobody reads moves the show on without being drawn.
        app::run.frameMode = keep ? app::FrameMode::kDrawn : app::FrameMode::kUndrawn;
        if (!app::LoopPass()) {
            break;
        }
        if (render::display.frameStats.frameCount == before) {
            continue;  // a window message was handled instead of a frame
        }
        if (soundtrack) {
            soundtrack->Hear(SamplesOfFrame(made++, options.fps), inRange);
        }
        if (keep) {
            choice.Kept(now);
            Frame frame = writer.Take();
            ReadFrame(options.width, options.height, frame);
            frame.index = kept++;
            writer.Hand(std::move(frame));
        }
        if (static_cast<int>(now) != shownSecond) {
            shownSecond = static_cast<int>(now);
            ShowProgress(now, end);
        }
        clock.Advance(step);
        if (choice.Done() || now + 1.0 / options.fps >= options.to) {
            break;
        }
    }
    if (isatty(STDERR_FILENO)) {
        std::fputc('\n', stderr);
    }
    return kept;
}

// Joins the picture stream with `soundtrack` into the video and counts its frames.
void FinishVideo(VideoEncoder& video, int frames, const std::string& soundtrack,
                 CaptureReport& report) {
    std::string path = video.Finish(soundtrack);
    if (path.empty()) {
        report.notWritten.push_back(kVideoFileName);
        return;
    }
    std::printf("video: %s\n", path.c_str());
    report.framesWritten = frames;
}

}  // namespace

CaptureReport RunCapture(const CaptureOptions& options) {
    const std::string& folder = options.outputFolder;
    std::filesystem::create_directories(folder);
    CaptureReport report;
    std::unique_ptr<VideoEncoder> video;
    if (options.video) {
        video = VideoEncoder::Start(folder, options.width, options.height, options.fps);
        if (!video) {
            report.notWritten.push_back(kVideoFileName);
            return report;
        }
    }
    FrameFiles files(folder, !options.contactSheet.empty());
    platform::UseOffscreenVideo();
    platform::VirtualClock clock;
    platform::UseClock(&clock);
    platform::UseManualAudio(true);
    platform::UseFixedRandomSeed(options.seed);
    // The command line's size wins over the one Torvane.cfg may give.
    app::StartUp([&options] {
        console::settings.display_Width = options.width;
        console::settings.display_Height = options.height;
    });

    const std::string soundPath = options.sound ? folder + "/" + kSoundtrackFileName : "";
    std::optional<SoundtrackWriter> soundtrack;
    if (options.sound) {
        soundtrack.emplace(soundPath);
    }
    int kept = 0;
    {
        FrameWriter writer(
            [&](const Frame& frame) { video ? video->Write(frame) : files.Write(frame); });
        kept = PlayShow(options, clock, writer, soundtrack ? &*soundtrack : nullptr);
    }  // every frame handed over is written
    app::ShutDown();
    platform::UseClock(nullptr);
    if (!video && files.failures() > 0) {
        report.notWritten.push_back(std::to_string(files.failures()) + " frames");
    }
    report.framesWritten = video ? 0 : kept - files.failures();
    const bool soundWritten = soundtrack && soundtrack->Close();
    if (soundtrack && !soundWritten) {
        report.notWritten.push_back(kSoundtrackFileName);
    }
    if (!files.WriteSheet(options.contactSheet)) {
        report.notWritten.push_back(options.contactSheet);
    }
    if (video) {
        // A video whose soundtrack was lost is made without sound, and reported.
        FinishVideo(*video, kept, soundWritten ? soundPath : "", report);
    }
    return report;
}

}  // namespace tools::capture
